// The two Bluetooth modules of the instrument with the sensor unit and the headphones
// behind them, on pseudo-terminals in a simulated device tree.
//
//     bt-module-sim [--root DIR] [--port ttyO2|ttyO3|both] [--paired] [--transcript FILE]
//                   [--unit-address ADDR] [--headphone-address ADDR]
//
// An inquiry finds the peer and the devices around it: the other default peer, a second
// sensor unit ("QJ5-0002"), more headphones and some devices that are neither. Pairing a
// device that suits the module (a sensor unit on ttyO2, headphones on ttyO3) makes it the
// module's peer, so the instrument then links to it; with --paired the peers stored in
// the instrument's settings are taken up again at the next start.
//
// Control lines ("mute", "unmute", "press", "release", "drop", "pairing", ... ; "help"
// lists them) are read from standard input and from the FIFO DIR/bt-sim-control.
#include "btsimulator.h"
#include "simcontrol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTextStream>
#include <QTimer>

#include <memory>
#include <unistd.h>

namespace {

// The instrument's stored peer when it is one of the devices around that suits the module
// (class bits wanted), else the given default: the modules keep their pairing across
// restarts, so an instrument paired with the second unit finds it again.
QString storedPeer(const QString& root, const char* key, unsigned wanted, const QString& fallback)
{
    const QString path = root + QStringLiteral("/home/root/settings.ini");
    if (!QFileInfo::exists(path))
        return fallback;
    const QString stored = QSettings(path, QSettings::IniFormat).value(QLatin1String(key)).toString().trimmed();
    for (const BtModuleSim::InquiryDevice& d : BtModuleSim::neighbourhood()) {
        bool ok = false;
        const unsigned bits = d.deviceClass.left(4).toUInt(&ok, 16);
        if (ok && (bits & wanted) == wanted && d.pairable && d.inInquiry
            && d.address.compare(stored, Qt::CaseInsensitive) == 0)
            return d.address;
    }
    return fallback;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated Bluetooth modules with sensor unit and headphones.\n\n"
                                                    "Control lines on standard input or the FIFO ROOT/bt-sim-control:\n")
                                     + BtSimulator::controlHelp());
    parser.addHelpOption();
    const QCommandLineOption rootOption(QStringLiteral("root"), QStringLiteral("Simulated device tree (default $TK9400_ROOT)."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("ttyO2 (sensor unit), ttyO3 (headphones) or both."),
                                        QStringLiteral("PORT"), QStringLiteral("both"));
    const QCommandLineOption pairedOption(QStringLiteral("paired"),
                                          QStringLiteral("Unit and headphones are paired, in range and answer; fills their "
                                                         "addresses into an existing settings file that has none."));
    const QCommandLineOption transcriptOption(QStringLiteral("transcript"),
                                              QStringLiteral("Append every line received to FILE (port, C or D for command or data mode, line)."),
                                              QStringLiteral("FILE"));
    const QCommandLineOption unitOption(QStringLiteral("unit-address"), QStringLiteral("Address of the sensor unit."),
                                        QStringLiteral("ADDR"), QString::fromLatin1(BtModuleSim::kDefaultUnitAddress));
    const QCommandLineOption headphoneOption(QStringLiteral("headphone-address"), QStringLiteral("Address of the headphones."),
                                             QStringLiteral("ADDR"), QString::fromLatin1(BtModuleSim::kDefaultHeadphoneAddress));
    parser.addOptions({rootOption, portOption, pairedOption, transcriptOption, unitOption, headphoneOption});
    parser.process(app);

    BtSimulator::Options options;
    options.root = parser.isSet(rootOption) ? parser.value(rootOption) : qEnvironmentVariable("TK9400_ROOT");
    if (options.root.isEmpty()) {
        err << "bt-module-sim: no device tree (--root DIR or TK9400_ROOT)\n";
        return 2;
    }
    options.root = QDir(options.root).absolutePath();
    const QString port = parser.value(portOption);
    if (port != QLatin1String("ttyO2") && port != QLatin1String("ttyO3") && port != QLatin1String("both")) {
        err << "bt-module-sim: --port takes ttyO2, ttyO3 or both\n";
        return 2;
    }
    options.sink = port != QLatin1String("ttyO3");
    options.source = port != QLatin1String("ttyO2");
    options.paired = parser.isSet(pairedOption);
    options.unitAddress = parser.value(unitOption);
    options.headphoneAddress = parser.value(headphoneOption);
    if (options.paired && !parser.isSet(unitOption))
        options.unitAddress = storedPeer(options.root, "Bluetooth/Microphone_ID", 0x2804, options.unitAddress);
    if (options.paired && !parser.isSet(headphoneOption))
        options.headphoneAddress = storedPeer(options.root, "Bluetooth/Headphone_ID", 0x2404, options.headphoneAddress);

    BtSimulator sim;
    QString error;
    if (!sim.start(options, &error)) {
        err << "bt-module-sim: " << error << "\n";
        return 1;
    }
    if (parser.isSet(transcriptOption)) {
        const QString file = QFileInfo(parser.value(transcriptOption)).absoluteFilePath();
        if (sim.sink())
            sim.sink()->setTranscriptFile(file);
        if (sim.source())
            sim.source()->setTranscriptFile(file);
    }
    if (sim.sink())
        out << "sink module on " << options.root << "/dev/ttyO2, sensor unit " << options.unitAddress << Qt::endl;
    if (sim.source())
        out << "source module on " << options.root << "/dev/ttyO3, headphones " << options.headphoneAddress << Qt::endl;

    // The instrument reads its peers' addresses from its settings at start; a tree that
    // was never paired gets them here (the file appears with the instrument's first start).
    QTimer settingsWatch;
    if (options.paired) {
        auto fill = [&] {
            const QString settings = options.root + QStringLiteral("/home/root/settings.ini");
            if (!QFileInfo::exists(settings))
                return;
            settingsWatch.stop();
            if (BtSimulator::fillSettingsAddresses(options.root, options.unitAddress, options.headphoneAddress))
                out << "paired addresses written to " << settings << Qt::endl;
        };
        QObject::connect(&settingsWatch, &QTimer::timeout, fill);
        settingsWatch.start(500);
        fill();
    }

    const ControlChannel::Handler control = [&sim](const QString& line) { return sim.control(line); };
    ControlChannel input(STDIN_FILENO, control);
    const std::unique_ptr<ControlChannel> fifoInput =
        ControlChannel::openFifo(options.root + QStringLiteral("/bt-sim-control"), control);

    // Leave through the event loop, so the links in the tree are removed.
    quitOnTerminationSignals(&app);

    return app.exec();
}
