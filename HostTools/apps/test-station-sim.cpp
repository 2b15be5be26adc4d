// The factory's test station: drives the production test menu of a simulated instrument
// through "$ROOT/media/ramdisk/production".
//
//     test-station-sim cmdTestSelftest cmdSelftestStart sleep:3500 cmdSelftestGetStatusSelftest cmdPass cmdFinish
//     test-station-sim --split 300 cmdTestBattery      half a command, a pause, the rest
//     test-station-sim --no-wait --gap 5 ...           commands flooded without waiting
//     test-station-sim --raw 'cmdPa\0ss' fill:1048576  raw bytes, no line end
//
// Steps: a command, sleep:MS, expect:TEXT (the last answer), fill:N. Without steps they
// are read from standard input, one a line. Each exchange is printed as "> command" and
// "< answer" with the milliseconds since the start. Exit status 1 on a time-out, 2 on a
// failed expectation.
#include "teststation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("test-station-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated production test station: writes each command line into ROOT/media/ramdisk/production, "
        "waits until the instrument has taken it and for its final answer, and prints both.\n"
        "Steps: a command, sleep:MS, expect:TEXT, fill:N (N bytes without a line end). Without steps they "
        "come from standard input. Exit status 1 on a time-out, 2 on a failed expectation."));
    parser.addHelpOption();
    const QCommandLineOption root(QStringLiteral("root"),
                                  QStringLiteral("Simulated device tree (default $TK9400_ROOT, else build/device)."),
                                  QStringLiteral("dir"));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("Milliseconds to wait for the instrument (5000)."), QStringLiteral("ms"),
                                     QStringLiteral("5000"));
    const QCommandLineOption settle(QStringLiteral("settle"),
                                    QStringLiteral("Milliseconds the final line stays unchanged (200)."),
                                    QStringLiteral("ms"), QStringLiteral("200"));
    const QCommandLineOption inPlace(QStringLiteral("in-place"),
                                     QStringLiteral("Write the file in place, as a shell redirection does."));
    const QCommandLineOption split(QStringLiteral("split"),
                                   QStringLiteral("Write half of each command, pause, then the rest (in place)."),
                                   QStringLiteral("ms"));
    const QCommandLineOption noWait(QStringLiteral("no-wait"),
                                    QStringLiteral("Flood: write each command without waiting for an answer."));
    const QCommandLineOption gap(QStringLiteral("gap"), QStringLiteral("Pause between flooded commands (0)."),
                                 QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption raw(QStringLiteral("raw"),
                                 QStringLiteral("Commands as raw bytes: escapes \\0 \\r \\n \\t \\\\ \\xHH, no line end."));
    parser.addOptions({root, timeout, settle, inPlace, split, noWait, gap, raw});
    parser.addPositionalArgument(QStringLiteral("steps"), QStringLiteral("Commands and steps, in order."));
    parser.process(app);

    TestStation::Options options;
    if (parser.isSet(root))
        options.root = parser.value(root);
    else if (!qEnvironmentVariableIsEmpty("TK9400_ROOT"))
        options.root = QString::fromLocal8Bit(qgetenv("TK9400_ROOT"));
    else
        options.root = QCoreApplication::applicationDirPath() + QStringLiteral("/../device");
    bool ok = true;
    auto number = [&](const QCommandLineOption& option) {
        bool good = false;
        const int value = parser.value(option).toInt(&good);
        if (!good || value < 0) {
            err << "test-station-sim: --" << option.names().first() << " wants a number of milliseconds\n";
            ok = false;
        }
        return value;
    };
    options.timeoutMs = number(timeout);
    options.settleMs = number(settle);
    options.gapMs = number(gap);
    if (parser.isSet(split))
        options.splitMs = number(split);
    if (!ok)
        return 3;
    options.inPlace = parser.isSet(inPlace);
    options.noWait = parser.isSet(noWait);
    options.raw = parser.isSet(raw);

    TestStation station(options);
    if (!QDir(options.root + QStringLiteral("/media/ramdisk")).exists())
        err << "test-station-sim: warning: " << options.root << "/media/ramdisk does not exist\n";
    station.onLine = [&out](const QString& line) {
        out << line << "\n";
        out.flush();
    };

    const QStringList steps = parser.positionalArguments();
    if (!steps.isEmpty())
        return station.run(steps);

    QTextStream in(stdin);
    QString line;
    while (in.readLineInto(&line)) {
        if (!station.step(line))
            return station.outcome();
    }
    return TestStation::Done;
}
