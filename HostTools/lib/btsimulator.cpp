#include "btsimulator.h"

#include "btcontrollines.h"
#include "headphonesim.h"
#include "sensorunitsim.h"

#include <QFile>
#include <QSaveFile>

#include <functional>

BtSimulator::BtSimulator(QObject* parent)
    : QObject(parent)
{
}

BtSimulator::~BtSimulator()
{
    if (m_sink)
        m_sink->disconnect(this);
    if (m_source)
        m_source->disconnect(this);
    if (m_sink && m_source) {
        m_sink->setOtherModule(nullptr);
        m_source->setOtherModule(nullptr);
    }
    delete m_sink;
    delete m_source;
    delete m_lines;
    if (!m_root.isEmpty())
        QFile::remove(m_root + QLatin1Char('/') + QLatin1String(kLinksFile));
}

template <typename F> void BtSimulator::onOwnThread(F&& f)
{
    if (QThread::currentThread() == thread())
        f();
    else
        QMetaObject::invokeMethod(this, std::forward<F>(f), Qt::QueuedConnection);
}

void BtSimulator::writeLinks()
{
    if (m_root.isEmpty())
        return;
    QString text = QStringLiteral("# module id profile peer kind\n");
    for (BtModuleSim* module : {m_sink, m_source}) {
        if (!module)
            continue;
        const QString name = QLatin1String(module->role() == BtModuleSim::Role::Sink ? "sink" : "source");
        for (const BtModuleSim::Link& link : module->currentLinks())
            text += QStringLiteral("%1 %2 %3 %4 %5\n").arg(name).arg(link.id).arg(link.profile, link.peer, module->peerKind(link.peer));
    }
    if (m_source && m_source->inTestMode())
        text += QStringLiteral("source testmode\n");
    if (!m_loopAudio)
        text += QStringLiteral("loopaudio off\n");
    // Renamed over the old file: a reader sees the links before or after a change.
    QSaveFile file(m_root + QLatin1Char('/') + QLatin1String(kLinksFile));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toLatin1());
        file.commit();
    }
}

void BtSimulator::setTestDevices(bool present)
{
    onOwnThread([this, present] {
        if (m_sink)
            m_sink->setTestDevice(present, m_root + QStringLiteral("/home/root/testBtIdMic"),
                                  QString::fromLatin1(BtModuleSim::kTestMicrophoneAddress));
        if (m_source)
            m_source->setTestDevice(present, m_root + QStringLiteral("/home/root/testBtIdHp"),
                                    QString::fromLatin1(BtModuleSim::kTestHeadphoneAddress));
    });
}

void BtSimulator::setLoopAudio(bool audio)
{
    onOwnThread([this, audio] {
        m_loopAudio = audio;
        writeLinks();
    });
}

bool BtSimulator::start(const Options& options, QString* error)
{
    m_root = options.root;
    m_lines = new BtControlLines(options.root, this);
    auto make = [&](BtModuleSim::Role role, const char* port, const QString& peer) -> BtModuleSim* {
        auto* module = new BtModuleSim(role, m_lines, this);
        module->setTiming(options.timing);
        module->setPeerAddress(peer);
        // Unpaired peers are in range too, so that a pairing finds them.
        module->setPeerPresent(true);
        module->setPaired(options.paired);
        if (!module->open(options.root + QStringLiteral("/dev/") + QLatin1String(port), error)) {
            delete module;
            return nullptr;
        }
        return module;
    };
    if (options.sink && !(m_sink = make(BtModuleSim::Role::Sink, "ttyO2", options.unitAddress)))
        return false;
    if (options.source && !(m_source = make(BtModuleSim::Role::Source, "ttyO3", options.headphoneAddress)))
        return false;
    if (m_sink && m_source) {
        m_sink->setOtherModule(m_source);
        m_source->setOtherModule(m_sink);
    }
    for (BtModuleSim* module : {m_sink, m_source}) {
        if (module)
            connect(module, &BtModuleSim::linksChanged, this, &BtSimulator::writeLinks);
    }
    setTestDevices(options.testDevices);
    writeLinks();
    m_lines->start();
    return true;
}

QString BtSimulator::controlHelp()
{
    return QStringLiteral(
        "(M: \"sink\" or \"source\", one module; without it both)\n"
        "mute | unmute            sensor unit reports its key muted / open\n"
        "press | release          press / release the sensor unit's mute key\n"
        "alert N                  sensor unit alert N (0 no sensor, 1 battery low, 2 sensor type)\n"
        "battery MV | sensor N    sensor unit battery in mV / sensor type for later answers (3: H2 sensor)\n"
        "h2 RAW                   H2 sensor reads RAW from now on (what \"BT_TX S\" is answered with)\n"
        "h2 leak RAW SECONDS      H2 reading rises towards RAW with a time constant of SECONDS\n"
        "h2 noise N               H2 readings vary by up to +-N (0: none)\n"
        "h2 script FILE           answer with FILE's values, one a line (\"silence\": none), then as before\n"
        "heat SECONDS             H2 sensor's heating time is SECONDS now and counts up\n"
        "rdy                      sensor unit reports a restart\n"
        "drop [MS] [M]            peers out of range for MS ms (default 3000); M: sink or source only\n"
        "unit on|off              sensor unit in range or not\n"
        "headphones on|off        headphones in range or not\n"
        "hpvol PCT | hpbattery L  headphone volume change / battery level 0..9\n"
        "silent on|off            sensor unit does not answer\n"
        "delay MS                 sensor unit answers MS ms late (0: at once)\n"
        "pairing ok|fail|none [M] modules pair suitable devices / refuse every pairing / never answer\n"
        "banner on|off [M]        a restart writes its banner (\"WRAP THOR\" ... \"READY.\") / writes none\n"
        "setup take|ignore [M]    set-up lines (\"SET <key> <value>\") stored / ignored, settings kept\n"
        "settings sink|source M   module M's settings become a sink's / a source's factory set-up\n"
        "echo on|off | lf on|off  modules echo commands / end lines by a lone LF\n"
        "chaos on|off             garbage, bursts and broken lines on both ports\n"
        "raw sink|source TEXT     write TEXT (\\r, \\n, \\0 understood) to a port\n"
        "fw silent header|start|K sensor unit's firmware receiver: no answer once (to FH, FS or packet K)\n"
        "fw nak K | fw dup K      packet K refused once / acknowledged twice\n"
        "fw late K MS             packet K acknowledged MS ms late\n"
        "fw drop K [MS]           link dropped at packet K (for MS ms)\n"
        "fw nordy | fw down MS    the next restart sends no RDY / keeps the link down MS ms\n"
        "fw normal                no firmware misbehaviour\n"
        "testdevices on|off       the test station's microphone (behind the sink) and headphone (behind the\n"
        "                         source) in range, at the addresses of home/root/testBtIdMic and testBtIdHp\n"
        "                         (without the files 00:07:80:CA:E6:45 and 00:07:80:32:86:D3)\n"
        "sensval V [T]            the test microphone answers \"BT_TX S\" with \"BT_RX SENSVAL V T\"\n"
        "loopaudio on|off         the loop between the modules (source in test mode) carries sound / silence\n");
}

// "fw ..." control lines of the sensor unit's firmware receiver.
bool BtSimulator::firmwareControl(BtModuleSim* unit, const QStringList& t)
{
    using Fault = BtModuleSim::FirmwareFault;
    const QString how = t.value(1).toLower();
    bool numbered = false;
    const int packet = t.value(2).toInt(&numbered);
    const int ms = t.value(3).toInt();
    if (how == QLatin1String("silent") && t.value(2) == QLatin1String("header"))
        unit->setFirmwareFault(Fault::SilentAtHeader);
    else if (how == QLatin1String("silent") && t.value(2) == QLatin1String("start"))
        unit->setFirmwareFault(Fault::SilentAtStart);
    else if (how == QLatin1String("silent") && numbered)
        unit->setFirmwareFault(Fault::SilentAtPacket, packet);
    else if (how == QLatin1String("nak") && numbered)
        unit->setFirmwareFault(Fault::NakAtPacket, packet);
    else if (how == QLatin1String("dup") && numbered)
        unit->setFirmwareFault(Fault::DuplicateAck, packet);
    else if (how == QLatin1String("late") && numbered && ms > 0)
        unit->setFirmwareFault(Fault::LateAck, packet, ms);
    else if (how == QLatin1String("drop") && numbered)
        unit->setFirmwareFault(Fault::DropAtPacket, packet, ms);
    else if (how == QLatin1String("nordy"))
        unit->setFirmwareFault(Fault::RestartWithoutRdy);
    else if (how == QLatin1String("down") && t.value(2).toInt() > 0)
        unit->setFirmwareFault(Fault::RestartLinkDown, 0, t.value(2).toInt());
    else if (how == QLatin1String("normal"))
        unit->setFirmwareFault(Fault::None);
    else
        return false;
    return true;
}

QString BtSimulator::h2Control(BtModuleSim* unit, const QStringList& t)
{
    const QString how = t.value(1).toLower();
    bool ok = true;
    auto number = [&ok](const QString& text) {
        bool valid = false;
        const double value = text.toDouble(&valid);
        ok = ok && valid;
        return value;
    };
    if (how == QLatin1String("leak") && t.size() > 3) {
        const double raw = number(t.value(2));
        const double seconds = number(t.value(3));
        if (ok)
            unit->setH2Leak(raw, seconds);
    } else if (how == QLatin1String("noise") && t.size() > 2) {
        const double amplitude = number(t.value(2));
        if (ok)
            unit->setH2Noise(amplitude);
    } else if (how == QLatin1String("script") && t.size() > 2) {
        QString error;
        if (!unit->loadH2Script(t.mid(2).join(QLatin1Char(' ')), &error))
            return error;
    } else {
        const double raw = number(t.value(1));
        if (ok && t.size() == 2)
            unit->setH2Raw(raw);
        else
            ok = false;
    }
    return ok ? QStringLiteral("ok") : QString();
}

QString BtSimulator::control(const QString& line)
{
    const QStringList t = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString what = t.value(0).toLower();
    const bool on = t.value(1) != QLatin1String("off");
    BtModuleSim* unit = m_sink;
    BtModuleSim* phones = m_source;
    // A last word "sink" or "source" picks one module for the lines that take it.
    const QString last = t.size() > 1 ? t.last().toLower() : QString();
    const bool onlySink = last == QLatin1String("sink");
    const bool onlySource = last == QLatin1String("source");
    auto both = [&](const std::function<void(BtModuleSim*)>& f) {
        if (unit && !onlySource)
            f(unit);
        if (phones && !onlySink)
            f(phones);
    };
    if ((what == QLatin1String("mute") || what == QLatin1String("unmute")) && unit) {
        unit->setUnitMuted(what == QLatin1String("mute"));
    } else if (what == QLatin1String("press") && unit) {
        unit->pressMuteKey();
    } else if (what == QLatin1String("release") && unit) {
        unit->releaseMuteKey();
    } else if (what == QLatin1String("alert") && unit && !t.value(1).isEmpty()) {
        unit->sendUnitLine(QStringLiteral("BT_RX ALERT ") + t.value(1));
    } else if (what == QLatin1String("battery") && unit) {
        unit->setUnitBattery(t.value(1).toInt());
    } else if (what == QLatin1String("sensor") && unit) {
        unit->setUnitSensorType(t.value(1).toInt());
    } else if (what == QLatin1String("h2") && unit && t.size() > 1) {
        return h2Control(unit, t);
    } else if (what == QLatin1String("heat") && unit && t.size() > 1) {
        bool ok = false;
        const int seconds = t.value(1).toInt(&ok);
        if (!ok)
            return QString();
        unit->setH2ActiveTime(seconds);
    } else if (what == QLatin1String("rdy") && unit) {
        unit->unitRestarted();
    } else if (what == QLatin1String("drop")) {
        bool numbered = false;
        const int given = t.value(1).toInt(&numbered);
        const int ms = numbered ? given : 3000;
        both([ms](BtModuleSim* m) { m->dropPeerLinks(ms); });
    } else if (what == QLatin1String("unit") && unit) {
        unit->setPeerPresent(on);
    } else if (what == QLatin1String("headphones") && phones) {
        phones->setPeerPresent(on);
    } else if (what == QLatin1String("hpvol") && phones) {
        phones->headphoneVolumeChanged(t.value(1).toInt());
    } else if (what == QLatin1String("hpbattery") && phones) {
        phones->setHeadphoneBatteryLevel(t.value(1).toInt());
    } else if (what == QLatin1String("silent") && unit) {
        unit->setUnitSilent(on);
    } else if (what == QLatin1String("delay") && unit && !t.value(1).isEmpty()) {
        unit->setUnitReplyDelay(t.value(1).toInt());
    } else if (what == QLatin1String("pairing") && !t.value(1).isEmpty()) {
        const QString how = t.value(1).toLower();
        BtModuleSim::PairingAnswer answer = BtModuleSim::PairingAnswer::ByDevice;
        if (how == QLatin1String("fail"))
            answer = BtModuleSim::PairingAnswer::Fail;
        else if (how == QLatin1String("none"))
            answer = BtModuleSim::PairingAnswer::None;
        else if (how != QLatin1String("ok"))
            return QString();
        both([answer](BtModuleSim* m) { m->setPairingAnswer(answer); });
    } else if (what == QLatin1String("banner") && t.size() > 1) {
        both([on](BtModuleSim* m) { m->setRestartBanner(on); });
    } else if (what == QLatin1String("setup") && (t.value(1) == QLatin1String("take") || t.value(1) == QLatin1String("ignore"))) {
        const bool ignore = t.value(1) == QLatin1String("ignore");
        both([ignore](BtModuleSim* m) { m->setIgnoreSetupLines(ignore); });
    } else if (what == QLatin1String("settings") && t.size() == 3
               && (t.value(1) == QLatin1String("sink") || t.value(1) == QLatin1String("source"))) {
        const BtModuleSim::Role role = t.value(1) == QLatin1String("sink") ? BtModuleSim::Role::Sink
                                                                            : BtModuleSim::Role::Source;
        both([role](BtModuleSim* m) { m->setSettingsOf(role); });
    } else if (what == QLatin1String("testdevices") && t.size() == 2) {
        setTestDevices(on);
    } else if (what == QLatin1String("sensval") && unit && (t.size() == 2 || t.size() == 3)) {
        unit->setTestSensorValue(t.value(1), t.size() == 3 ? t.value(2) : QStringLiteral("0"));
    } else if (what == QLatin1String("loopaudio") && t.size() == 2) {
        setLoopAudio(on);
    } else if (what == QLatin1String("echo")) {
        both([on](BtModuleSim* m) { m->setEchoCommands(on); });
    } else if (what == QLatin1String("lf")) {
        both([on](BtModuleSim* m) { m->setLineEnd(on ? QByteArray("\n") : QByteArray("\r\n")); });
    } else if (what == QLatin1String("chaos")) {
        both([on](BtModuleSim* m) {
            if (on)
                m->startChaos(200, 12345);
            else
                m->stopChaos();
        });
    } else if (what == QLatin1String("raw") && t.size() > 2) {
        BtModuleSim* target = t.value(1) == QLatin1String("source") ? phones : unit;
        if (!target)
            return QString();
        QString text = line.trimmed().section(QLatin1Char(' '), 2);
        text.replace(QLatin1String("\\r"), QLatin1String("\r")).replace(QLatin1String("\\n"), QLatin1String("\n"));
        QByteArray bytes = text.toLatin1();
        bytes.replace("\\0", QByteArray(1, '\0'));
        target->writeRaw(bytes);
    } else if (what == QLatin1String("fw") && unit) {
        return firmwareControl(unit, t) ? QStringLiteral("ok") : QString();
    } else if (what == QLatin1String("help")) {
        return controlHelp();
    } else {
        return QString();
    }
    return QStringLiteral("ok");
}

bool BtSimulator::fillSettingsAddresses(const QString& root, const QString& unitAddress, const QString& headphoneAddress)
{
    const QString path = root + QStringLiteral("/home/root/settings.ini");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    const QList<QPair<QByteArray, QByteArray>> wanted = {
        {"Microphone_ID", unitAddress.toLatin1()},
        {"Microphone_Name", SensorUnitSim::kName},
        {"Headphone_ID", headphoneAddress.toLatin1()},
        {"Headphone_Name", HeadphoneSim::kName},
    };
    bool inBluetooth = false;
    bool changed = false;
    for (QByteArray& line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[')) {
            inBluetooth = trimmed == "[Bluetooth]";
            continue;
        }
        if (!inBluetooth)
            continue;
        for (const auto& w : wanted) {
            const QByteArray key = w.first + '=';
            if (trimmed.startsWith(key) && trimmed.mid(key.size()).replace('"', "").trimmed().isEmpty()) {
                line = key + w.second;
                changed = true;
            }
        }
    }
    if (!changed)
        return false;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(lines.join('\n'));
    return out.commit();
}

// ---- BtSimulatorThread ----------------------------------------------------------------------

BtSimulatorThread::BtSimulatorThread()
{
    m_thread.setObjectName(QStringLiteral("bt-module-sim"));
}

BtSimulatorThread::~BtSimulatorThread()
{
    if (m_sim) {
        BtSimulator* sim = m_sim;
        m_sim = nullptr;
        QMetaObject::invokeMethod(
            sim, [sim] { delete sim; }, Qt::BlockingQueuedConnection);
    }
    m_thread.quit();
    m_thread.wait();
}

bool BtSimulatorThread::start(const BtSimulator::Options& options, QString* error)
{
    m_thread.start();
    m_sim = new BtSimulator;
    m_sim->moveToThread(&m_thread);
    bool ok = false;
    QString message;
    BtSimulator* sim = m_sim;
    QMetaObject::invokeMethod(
        sim, [sim, &options, &ok, &message] { ok = sim->start(options, &message); }, Qt::BlockingQueuedConnection);
    if (error)
        *error = message;
    return ok;
}

BtModuleSim* BtSimulatorThread::sink() const
{
    return m_sim ? m_sim->sink() : nullptr;
}

BtModuleSim* BtSimulatorThread::source() const
{
    return m_sim ? m_sim->source() : nullptr;
}
