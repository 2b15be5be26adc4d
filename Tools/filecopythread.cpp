#include "Tools/filecopythread.h"

#include "Hardware/platform.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

FileCopyThread::PartHook& partHook()
{
    static FileCopyThread::PartHook hook;
    return hook;
}

// Reads the copy back from the disk and compares it byte for byte with the source read
// again; false on any difference or read error. Cheaper than hashing both (a pair of MD5
// passes costs more than the copy itself) and it proves more: the copy is the source.
bool sameContents(const QString& source, const QString& copy, QByteArray* bufferA, QByteArray* bufferB)
{
    QFile a(source), b(copy);
    if (Platform::openRegularFile(source, -1, &a) != Platform::ReadStatus::Read || !b.open(QIODevice::ReadOnly)
        || a.size() != b.size())
        return false;
    for (;;) {
        const qint64 gotA = a.read(bufferA->data(), bufferA->size());
        const qint64 gotB = b.read(bufferB->data(), gotA > 0 ? gotA : bufferB->size());
        if (gotA < 0 || gotB != gotA)
            return false;
        if (gotA == 0)
            return true;
        if (memcmp(bufferA->constData(), bufferB->constData(), size_t(gotA)) != 0)
            return false;
    }
}

} // namespace

FileCopyThread::FileCopyThread(QObject* parent)
    : QObject(parent)
{
}

FileCopyThread::~FileCopyThread() = default;

void FileCopyThread::setPartHook(PartHook hook)
{
    partHook() = std::move(hook);
}

bool FileCopyThread::copyFile(QString source, QString target)
{
    Progress.store(0);
    const bool result = copy(source, target);
    m_lastResult.store(result);
    Progress.store(100);
    emit copyFinished();
    return result;
}

bool FileCopyThread::copy(const QString& source, const QString& target)
{
    // The source comes from the partition a PC writes: the file measured is the file read.
    QFile in(source);
    const Platform::ReadStatus opened = Platform::openRegularFile(source, -1, &in);
    if (opened != Platform::ReadStatus::Read) {
        FileSize.store(0);
        if (opened == Platform::ReadStatus::Failed)
            qWarning().noquote() << "Could not open copy source" << source;
        else
            qWarning().noquote() << "Copy source missing or not a file:" << source;
        return false;
    }
    const qint64 size = in.size();
    FileSize.store(size);
    qDebug().noquote() << (size > FilecopyPartsize ? "Copy file part by part" : "Copy file in one step");
    const QString part = partPath(target);
    QFile out(part);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "Could not open copy target" << part << ":" << out.errorString();
        return false;
    }

    QByteArray buffer(int(FilecopyPartsize), Qt::Uninitialized);
    qint64 offset = 0;
    int parts = 0;
    bool ok = true;
    QString error;
    while (offset < size) {
        if (m_cancelled.load()) {
            ok = false;
            error = QStringLiteral("cancelled");
            break;
        }
        const qint64 got = in.read(buffer.data(), FilecopyPartsize);
        if (got <= 0) {
            ok = false;
            error = QStringLiteral("read of %1 failed at %2: %3").arg(source).arg(offset).arg(in.errorString());
            break;
        }
        if (out.write(buffer.constData(), got) != got) {
            ok = false;
            error = QStringLiteral("write of %1 failed at %2: %3").arg(part).arg(offset).arg(out.errorString());
            break;
        }
        Progress.store(quint8(offset * 100 / size));
        offset += got;
        ++parts;
        if (partHook() && !partHook()(parts))
            return false; // as a power cut leaves it
    }
    // A file that grew while it was read is not the file that was measured.
    if (ok && !in.atEnd()) {
        ok = false;
        error = QStringLiteral("source %1 changed while it was copied").arg(source);
    }
    if (ok && (!out.flush() || ::fsync(out.handle()) != 0)) {
        ok = false;
        error = QStringLiteral("%1 did not reach the disk: %2").arg(part, out.errorString());
    }
    out.close();
    in.close();

    if (ok) {
        QByteArray other(int(FilecopyPartsize), Qt::Uninitialized);
        const qint64 written = QFileInfo(part).size();
        if (written != size || !sameContents(source, part, &buffer, &other)) {
            ok = false;
            error = QStringLiteral("verification failed: source %1 bytes, copy %2 bytes").arg(size).arg(written);
        } else {
            qDebug().noquote() << "Files copied. Size is equal" << size << written;
        }
    }
    // rename(2) replaces an existing target in one step; QFile::rename would refuse it.
    if (ok && std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) != 0) {
        ok = false;
        error = QStringLiteral("could not rename %1 to %2").arg(part, target);
    }
    // The rename itself reaches the disk with the directory: until then a power cut may
    // bring back the old target, or leave none.
    if (ok && !Platform::syncDirectory(QFileInfo(target).absolutePath())) {
        ok = false;
        error = QStringLiteral("the folder of %1 did not reach the disk").arg(target);
    }
    if (!ok) {
        qWarning().noquote() << "Copy failed:" << error;
        QFile::remove(part);
    }
    qDebug().noquote() << "Finished partwise copy" << (ok ? "true" : "false");
    return ok;
}
