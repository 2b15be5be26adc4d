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
#include "btmodulesim.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

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

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

// Reads control lines from one file descriptor and hands them to the simulator.
class ControlChannel : public QObject
{
public:
    ControlChannel(int fd, BtSimulator* sim, QObject* parent)
        : QObject(parent)
        , m_fd(fd)
        , m_sim(sim)
        , m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this))
    {
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { readLines(); });
    }

private:
    void readLines()
    {
        char buffer[1024];
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
            m_notifier->setEnabled(false); // end of input: nothing more will come
            return;
        }
        if (n < 0)
            return;
        m_pending.append(buffer, int(n));
        int end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(m_pending.left(end)).trimmed();
            m_pending.remove(0, end + 1);
            if (line.isEmpty())
                continue;
            const QString answer = m_sim->control(line);
            QTextStream(stdout) << (answer.isEmpty() ? QStringLiteral("? ") + line + QStringLiteral(" (try \"help\")") : answer)
                                << Qt::endl;
        }
        if (m_pending.size() > 4096)
            m_pending.clear();
    }

    int m_fd;
    BtSimulator* m_sim;
    QSocketNotifier* m_notifier;
    QByteArray m_pending;
};

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

    ControlChannel input(STDIN_FILENO, &sim, nullptr);
    const QByteArray fifoPath = QFile::encodeName(options.root + QStringLiteral("/bt-sim-control"));
    ::unlink(fifoPath.constData());
    int fifo = -1;
    if (::mkfifo(fifoPath.constData(), 0600) == 0)
        fifo = ::open(fifoPath.constData(), O_RDWR | O_NONBLOCK); // also a writer: no end of input
    std::unique_ptr<ControlChannel> fifoChannel;
    if (fifo >= 0) {
        fifoChannel.reset(new ControlChannel(fifo, &sim, nullptr));
        out << "control: standard input or " << QString::fromLocal8Bit(fifoPath) << Qt::endl;
    }

    // Leave through the event loop, so the links in the tree are removed.
    if (::pipe(g_signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
        std::signal(SIGTERM, onSignal);
        std::signal(SIGINT, onSignal);
        std::signal(SIGHUP, onSignal);
    }

    const int status = app.exec();
    fifoChannel.reset();
    if (fifo >= 0) {
        ::close(fifo);
        ::unlink(fifoPath.constData());
    }
    return status;
}
