// Times the firmware staging copy (verified, on the disk before it counts) against
// "cp" followed by "sync" for the same file, in MB/s, median over the runs.
//
//     copy-bench [DIRECTORY [RUNS]]   (default: the working directory, 5 runs)
#include "Tools/filecopythread.h"
#include "benchsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTemporaryDir dir(QDir(args.value(1, QDir::currentPath())).filePath(QStringLiteral("copy-bench-XXXXXX")));
    const int runs = qMax(1, args.value(2, QStringLiteral("5")).toInt());
    if (!dir.isValid())
        return 1;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    const qint64 size = 50 * 1000 * 1000;
    const QString source = dir.filePath(QStringLiteral("source.bin"));
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray block(1 << 20, Qt::Uninitialized);
        QRandomGenerator generator(1);
        for (qint64 written = 0; written < size; written += block.size()) {
            generator.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
            file.write(block.constData(), qMin<qint64>(block.size(), size - written));
        }
    }
    const QString target = dir.filePath(QStringLiteral("target.bin"));
    FileCopyThread worker;
    bool allCopied = true;
    const double workerMs = medianMs(runs, [&] {
        QFile::remove(target);
        allCopied = worker.copyFile(source, target) && allCopied;
    });
    const double cpMs = medianMs(runs, [&] {
        QFile::remove(target);
        QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("cp \"$0\" \"$1\" && sync"), source, target});
    });
    QTextStream out(stdout);
    out << "50 MB, median of " << runs << " runs in " << QDir(args.value(1, QDir::currentPath())).absolutePath() << '\n';
    out << "FileCopyThread: " << QString::number(size / 1e3 / workerMs, 'f', 0) << " MB/s (" << workerMs << " ms)"
        << (allCopied ? "" : " - a copy FAILED") << '\n';
    out << "cp + sync:      " << QString::number(size / 1e3 / cpMs, 'f', 0) << " MB/s (" << cpMs << " ms)\n";
    return allCopied ? 0 : 1;
}
