#include "btmodulesim.h"

#include "btcontrollines.h"
#include "ptypeer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>


const char* const BtModuleSim::kDefaultUnitAddress = "02:00:00:00:51:01";
const char* const BtModuleSim::kDefaultHeadphoneAddress = "02:00:00:00:48:01";
const char* const BtModuleSim::kTestMicrophoneAddress = "00:07:80:CA:E6:45";
const char* const BtModuleSim::kTestHeadphoneAddress = "00:07:80:32:86:D3";
const char* const BtModuleSim::kTestModeName = "TKR9400_SIM_MIC";

namespace {

const char* const kSinkAddress = "02:00:00:00:4D:02";
const char* const kSourceAddress = "02:00:00:00:4D:03";
const char* const kUnitClass = SensorUnitSim::kDeviceClass;
const char* const kHeadphoneClass = HeadphoneSim::kDeviceClass;

// Class-of-device bits (upper 16 of 24) a module's peer needs: audio service, capturing
// (the sensor unit sends its sound) or rendering (the headphones play it), major class
// audio/video.
const unsigned kSinkPeerBits = 0x2804;
const unsigned kSourcePeerBits = 0x2404;

const int kMaxPendingInput = 64 * 1024;
const int kHeldOutputLimit = 64 * 1024;
const int kAudioStreamPsm = 0x19;

} // namespace

// ---- BtModuleSim: set-up -----------------------------------------------------------

BtModuleSim::BtModuleSim(Role role, BtControlLines* lines, QObject* parent)
    : QObject(parent)
    , m_role(role)
    , m_lines(lines)
    , m_address(QString::fromLatin1(role == Role::Sink ? kSinkAddress : kSourceAddress))
    , m_peerAddress(QString::fromLatin1(role == Role::Sink ? kDefaultUnitAddress : kDefaultHeadphoneAddress))
{
    m_clock.start();
    factorySettings(role);
}

BtModuleSim::~BtModuleSim()
{
    close();
}

bool BtModuleSim::open(const QString& linkPath, QString* error)
{
    close();
    m_pty = new PtyPeer(this);
    if (!m_pty->open(linkPath, error)) {
        delete m_pty;
        m_pty = nullptr;
        return false;
    }
    connect(m_pty, &PtyPeer::received, this, &BtModuleSim::onReceived);
    m_autoCallTimer = new QTimer(this);
    connect(m_autoCallTimer, &QTimer::timeout, this, &BtModuleSim::autoCallTick);
    m_chaosTimer = new QTimer(this);
    connect(m_chaosTimer, &QTimer::timeout, this, &BtModuleSim::chaosTick);
    restartAutoCall();
    if (m_lines)
        m_lines->attach(this);
    return true;
}

void BtModuleSim::close()
{
    delete m_autoCallTimer;
    m_autoCallTimer = nullptr;
    delete m_chaosTimer;
    m_chaosTimer = nullptr;
    if (m_pty) {
        m_pty->close();
        delete m_pty;
        m_pty = nullptr;
    }
    if (m_dataMode) {
        m_dataMode = false;
        if (m_lines)
            m_lines->dataModeChanged();
    }
}

void BtModuleSim::factorySettings(Role role)
{
    // As after the instrument's set-up list: the module keeps its settings.
    m_settings.clear();
    const bool sink = role == Role::Sink;
    m_settings.append({QStringLiteral("BT NAME"), QLatin1String(sink ? "TKR9400_MIC" : "TKR9400_HP")});
    m_settings.append({QStringLiteral("BT CLASS"), QLatin1String(sink ? "280438" : "280428")});
    m_settings.append({QStringLiteral("BT PAGEMODE"), QStringLiteral("0 2000 2")});
    m_settings.append({QStringLiteral("BT PAIRCOUNT"), QStringLiteral("1")});
    m_settings.append({QStringLiteral("CONTROL CD"), QStringLiteral("04 1")});
    m_settings.append({QStringLiteral("CONTROL ESCAPE"), QStringLiteral("- 02 1")});
    m_settings.append({QStringLiteral("PROFILE A2DP"), QLatin1String(sink ? "SINK" : "SOURCE")});
    m_settings.append({QStringLiteral("PROFILE AVRCP"), QLatin1String(sink ? "CONTROLLER 3" : "TARGET 7")});
    if (!sink)
        m_settings.append({QStringLiteral("PROFILE HFP-AG"), QStringLiteral("ON")});
}

void BtModuleSim::setTiming(const Timing& timing)
{
    post([this, timing] {
        m_timing = timing;
        m_unit.setRestartDelay(timing.unitRestartDelayMs);
        restartAutoCall();
    });
}

void BtModuleSim::setPeerAddress(const QString& address)
{
    post([this, address] { m_peerAddress = address; });
}

void BtModuleSim::setPeerPresent(bool present)
{
    post([this, present] { m_peerPresent = present; });
}

void BtModuleSim::setPaired(bool paired)
{
    post([this, paired] {
        m_paired.removeAll(m_peerAddress);
        if (paired)
            m_paired.append(m_peerAddress);
    });
}

void BtModuleSim::setModuleSilent(bool silent)
{
    post([this, silent] { m_moduleSilent = silent; });
}

void BtModuleSim::setEchoCommands(bool echo)
{
    post([this, echo] { m_echo = echo; });
}

void BtModuleSim::setLineEnd(const QByteArray& lineEnd)
{
    post([this, lineEnd] { m_lineEnd = lineEnd; });
}

void BtModuleSim::setAnswerDataCalls(bool answer)
{
    post([this, answer] { m_answerDataCalls = answer; });
}

void BtModuleSim::setRestartBanner(bool banner)
{
    post([this, banner] { m_restartBanner = banner; });
}

void BtModuleSim::setIgnoreSetupLines(bool ignore)
{
    post([this, ignore] { m_ignoreSetup = ignore; });
}

void BtModuleSim::setSettingsOf(Role role)
{
    post([this, role] { factorySettings(role); });
}

void BtModuleSim::setUnitSilent(bool silent)
{
    post([this, silent] { m_unit.setSilent(silent); });
}

void BtModuleSim::setUnitReplyDelay(int ms)
{
    post([this, ms] { m_unit.setReplyDelay(ms); });
}

void BtModuleSim::writeRaw(const QByteArray& bytes)
{
    post([this, bytes] {
        if (m_pty)
            m_pty->write(bytes);
    });
}

void BtModuleSim::sendModuleLine(const QString& line)
{
    post([this, line] { emitLine(line); });
}

void BtModuleSim::startChaos(int periodMs, quint32 seed)
{
    post([this, periodMs, seed] {
        m_chaosState = seed ? seed : 1;
        if (m_chaosTimer)
            m_chaosTimer->start(qMax(1, periodMs));
    });
}

void BtModuleSim::stopChaos()
{
    post([this] {
        if (m_chaosTimer)
            m_chaosTimer->stop();
    });
}

QList<BtModuleSim::InquiryDevice> BtModuleSim::neighbourhood()
{
    auto device = [](const char* address, const char* deviceClass, const char* name) {
        InquiryDevice d;
        d.address = QString::fromLatin1(address);
        d.deviceClass = QString::fromLatin1(deviceClass);
        d.name = QString::fromUtf8(name);
        return d;
    };
    QList<InquiryDevice> devices = {
        device("02:00:00:00:51:02", kUnitClass, "QJ5-0002"),
        device("02:00:00:00:99:01", "5a020c", "Somebody's phone"),
        device("02:00:00:00:99:02", "240418", "Other Headset"),
        device("02:00:00:00:48:02", kHeadphoneClass, "SIM Headphones 2"),
        device("02:00:00:00:99:03", "2c0404", "Headset Pro"),
        device("02:00:00:00:99:04", "240414", "Speaker BT-20"),
        device("02:00:00:00:99:05", "0c010c", "Laptop"),
        device("02:00:00:00:99:06", "002540", "Keyboard K3"),
        device("02:00:00:00:99:07", "5a020c", ""),
        device("02:00:00:00:99:08", kHeadphoneClass, "Hidden Headphones"),
    };
    devices[5].pairable = false;  // the speaker refuses
    devices[8].inNames = false;   // answers the inquiry, never its name
    devices[9].inInquiry = false; // only its name is heard
    return devices;
}

void BtModuleSim::setInquiryDevices(const QList<InquiryDevice>& devices)
{
    post([this, devices] {
        m_inquiryDevices = devices;
        m_inquiryScripted = true;
    });
}

void BtModuleSim::resetInquiryDevices()
{
    post([this] {
        m_inquiryDevices.clear();
        m_inquiryScripted = false;
    });
}

void BtModuleSim::setPairingAnswer(PairingAnswer answer)
{
    post([this, answer] { m_pairingAnswer = answer; });
}

void BtModuleSim::setTestDevice(bool present, const QString& addressFile, const QString& builtIn)
{
    post([this, present, addressFile, builtIn] {
        m_testDevice.set(present, addressFile, builtIn);
        emit linksChanged();
    });
}

void BtModuleSim::setTestSensorValue(const QString& value, const QString& activeTime)
{
    post([this, value, activeTime] {
        m_testDevice.setSensorValue(value, activeTime);
    });
}

void BtModuleSim::setOtherModule(BtModuleSim* other)
{
    m_other = other;
}

bool BtModuleSim::isOtherModule(const QString& address) const
{
    return m_other && address.compare(m_other->m_address, Qt::CaseInsensitive) == 0;
}

QString BtModuleSim::peerKind(const QString& address) const
{
    const bool sink = m_role == Role::Sink;
    if (isOtherModule(address))
        return QLatin1String(sink ? "source-module" : "sink-module");
    if (m_testDevice.isAt(address))
        return QLatin1String(sink ? "test-microphone" : "test-headphone");
    return QLatin1String(sink ? "unit" : "headphones");
}

// The peer answers a call: in range, the test devices only while present, the source
// module only for the sink and only while it holds the test-mode set-up.
bool BtModuleSim::peerReachable(const QString& address) const
{
    if (!m_peerPresent || address.compare(m_peerAddress, Qt::CaseInsensitive) != 0)
        return false;
    if (isOtherModule(address))
        return m_role == Role::Sink && m_other->m_testMode;
    if (m_testDevice.isAt(address))
        return m_testDevice.isPresent();
    return true;
}

// ---- transcript --------------------------------------------------------------------

void BtModuleSim::record(bool data, const QString& line)
{
    {
        QMutexLocker lock(&m_transcriptMutex);
        m_transcript.append({data, line, m_clock.elapsed()});
    }
    if (!m_transcriptFile.isEmpty()) {
        QFile file(m_transcriptFile);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write((QLatin1String(m_role == Role::Sink ? "ttyO2 " : "ttyO3 ") + QLatin1String(data ? "D " : "C ") + line
                        + QLatin1Char('\n'))
                           .toLatin1());
    }
    emit lineReceived(line, data);
}

QStringList BtModuleSim::transcript() const
{
    QMutexLocker lock(&m_transcriptMutex);
    QStringList lines;
    for (const Entry& e : m_transcript)
        lines.append(e.line);
    return lines;
}

QStringList BtModuleSim::commandLines() const
{
    QMutexLocker lock(&m_transcriptMutex);
    QStringList lines;
    for (const Entry& e : m_transcript) {
        if (!e.data)
            lines.append(e.line);
    }
    return lines;
}

QStringList BtModuleSim::unitLines() const
{
    QMutexLocker lock(&m_transcriptMutex);
    QStringList lines;
    for (const Entry& e : m_transcript) {
        if (e.data)
            lines.append(e.line);
    }
    return lines;
}

QList<qint64> BtModuleSim::unitLineTimes(const QString& line) const
{
    QMutexLocker lock(&m_transcriptMutex);
    QList<qint64> times;
    for (const Entry& e : m_transcript) {
        if (e.data && e.line.trimmed() == line)
            times.append(e.ms);
    }
    return times;
}

void BtModuleSim::clearTranscript()
{
    QMutexLocker lock(&m_transcriptMutex);
    m_transcript.clear();
}

void BtModuleSim::setTranscriptFile(const QString& path)
{
    post([this, path] { m_transcriptFile = path; });
}

// ---- queries -------------------------------------------------------------------------

bool BtModuleSim::isDataMode() const
{
    return ask<bool>([this] { return m_dataMode; });
}

QList<BtModuleSim::Link> BtModuleSim::links() const
{
    return ask<QList<Link>>([this] { return m_links.values(); });
}

bool BtModuleSim::hasLink(const QString& profile) const
{
    return ask<bool>([this, profile] {
        for (const Link& link : m_links) {
            if (link.profile == profile)
                return true;
        }
        return false;
    });
}

bool BtModuleSim::isAutoCallOn() const
{
    return ask<bool>([this] { return !setting(QStringLiteral("CONTROL AUTOCALL")).isEmpty(); });
}

QString BtModuleSim::setting(const QString& key) const
{
    return ask<QString>([this, key] {
        for (const auto& s : m_settings) {
            if (s.first == key)
                return s.second;
        }
        return QString();
    });
}

QStringList BtModuleSim::pairedDevices() const
{
    return ask<QStringList>([this] { return m_paired; });
}

QString BtModuleSim::unitMuteState() const
{
    return ask<QString>([this] { return m_unit.muteState(); });
}

QString BtModuleSim::unitButtonMode() const
{
    return ask<QString>([this] { return m_unit.buttonMode(); });
}

int BtModuleSim::unitMicGain() const
{
    return ask<int>([this] { return m_unit.micGain(); });
}

int BtModuleSim::headphoneVolume() const
{
    return ask<int>([this] { return m_headphones.volume(); });
}

// ---- output ---------------------------------------------------------------------------

void BtModuleSim::writeLine(const QString& line)
{
    if (m_pty)
        m_pty->write(line.toUtf8() + m_lineEnd);
}

void BtModuleSim::emitLine(const QString& line)
{
    // In data mode the line is the sensor unit's alone; the module keeps its events.
    if (m_dataMode) {
        if (m_heldEvents.size() < kHeldOutputLimit)
            m_heldEvents += line.toUtf8() + m_lineEnd;
        return;
    }
    writeLine(line);
}

void BtModuleSim::sendToInstrument(const QString& line)
{
    if (!m_dataMode) {
        if (m_heldUnitOutput.size() < kHeldOutputLimit)
            m_heldUnitOutput += line.toUtf8() + m_lineEnd;
        return;
    }
    writeLine(line);
}

void BtModuleSim::later(int ms, std::function<void()> f)
{
    const int generation = m_generation;
    QTimer::singleShot(qMax(0, ms), this, [this, generation, f] {
        if (generation == m_generation)
            f();
    });
}

void BtModuleSim::afterwards(int ms, std::function<void()> f)
{
    QTimer::singleShot(qMax(0, ms), this, f);
}

// ---- modes -----------------------------------------------------------------------------

void BtModuleSim::enterDataMode(int linkId)
{
    m_dataLink = linkId;
    if (m_dataMode)
        return;
    m_dataMode = true;
    if (m_lines)
        m_lines->dataModeChanged();
    if (!m_heldUnitOutput.isEmpty() && m_pty) {
        m_pty->write(m_heldUnitOutput);
        m_heldUnitOutput.clear();
    }
}

void BtModuleSim::leaveDataMode()
{
    if (!m_dataMode)
        return;
    m_dataMode = false;
    if (m_lines)
        m_lines->dataModeChanged();
    if (!m_heldEvents.isEmpty() && m_pty) {
        m_pty->write(m_heldEvents);
        m_heldEvents.clear();
    }
}

void BtModuleSim::drainInput()
{
    // What the instrument wrote before it raised DTR still belongs to the data channel:
    // take it in before switching.
    if (!m_pty)
        return;
    if (QSocketNotifier* notifier = m_pty->findChild<QSocketNotifier*>()) {
        QEvent activate(QEvent::SockAct);
        QCoreApplication::sendEvent(notifier, &activate);
    }
}

void BtModuleSim::onDtrRaised()
{
    if (!m_dataMode)
        return;
    drainInput();
    leaveDataMode();
}

// ---- input -------------------------------------------------------------------------------

void BtModuleSim::onReceived(const QByteArray& data)
{
    m_rx += data;
    int start = 0;
    for (;;) {
        const int end = m_rx.indexOf('\n', start);
        if (end < 0)
            break;
        QByteArray raw = m_rx.mid(start, end - start);
        start = end + 1;
        if (raw.endsWith('\r'))
            raw.chop(1);
        handleLine(QString::fromLatin1(raw));
    }
    m_rx.remove(0, start);
    if (m_rx.size() > kMaxPendingInput)
        m_rx.clear();
}

void BtModuleSim::handleLine(const QString& line)
{
    const bool data = m_dataMode;
    record(data, line);
    if (data)
        m_unit.receive(line, m_role == Role::Sink && m_testDevice.isAt(m_peerAddress) ? &m_testDevice : nullptr);
    else
        handleCommand(line);
}

// ---- links ---------------------------------------------------------------------------------

int BtModuleSim::freeLinkId() const
{
    int id = 0;
    while (m_links.contains(id) || id == m_pendingCall)
        ++id;
    return id;
}

int BtModuleSim::addLink(const QString& profile, const QString& peer)
{
    const int id = freeLinkId();
    m_links.insert(id, Link{id, profile, peer});
    emit linksChanged();
    return id;
}

void BtModuleSim::closeLink(int id, bool report, bool tellOther)
{
    if (id == m_pendingCall) {
        m_pendingCall = -1;
        if (report)
            emitLine(QStringLiteral("NO CARRIER %1 ERROR 0").arg(id));
        return;
    }
    if (!m_links.contains(id))
        return;
    const Link link = m_links.take(id);
    if (id == m_dataLink) {
        m_dataLink = -1;
        leaveDataMode();
    }
    if (link.profile == QLatin1String("A2DP")) {
        bool streamLeft = false;
        for (const Link& other : m_links)
            streamLeft = streamLeft || other.profile == QLatin1String("A2DP");
        if (!streamLeft && report)
            emitLine(QStringLiteral("A2DP STREAMING STOP"));
    }
    if (report)
        emitLine(QStringLiteral("NO CARRIER %1 ERROR 0").arg(id));
    emit linksChanged();
    // The loop's far end goes down with it.
    if (tellOther && isOtherModule(link.peer))
        m_other->otherModuleGone(m_address);
}

void BtModuleSim::otherModuleGone(const QString& address)
{
    for (const Link& link : m_links.values()) {
        if (link.peer.compare(address, Qt::CaseInsensitive) == 0)
            closeLink(link.id, true, false);
    }
}

// The sink module's audio call arrives at the source module in test mode.
void BtModuleSim::acceptLoopAudio(const QString& from)
{
    for (const Link& link : m_links) {
        if (link.profile == QLatin1String("A2DP") && link.peer.compare(from, Qt::CaseInsensitive) == 0)
            return;
    }
    for (int i = 0; i < 2; ++i) {
        const int id = addLink(QStringLiteral("A2DP"), from);
        emitLine(QStringLiteral("RING %1 %2 %3 A2DP").arg(id).arg(from).arg(kAudioStreamPsm, 0, 16));
    }
}

void BtModuleSim::connectAudio()
{
    // The audio link takes two link ids (signalling and media).
    const int first = addLink(QStringLiteral("A2DP"), m_peerAddress);
    emitLine(QStringLiteral("CONNECT %1 A2DP %2").arg(first).arg(kAudioStreamPsm, 0, 16));
    const int second = addLink(QStringLiteral("A2DP"), m_peerAddress);
    emitLine(QStringLiteral("CONNECT %1 A2DP %2").arg(second).arg(kAudioStreamPsm, 0, 16));
    emitLine(QStringLiteral("A2DP STREAMING START"));
    if (isOtherModule(m_peerAddress))
        m_other->acceptLoopAudio(m_address);
    if (m_role == Role::Source) {
        // The headphones open their remote-control link themselves.
        later(m_timing.peerOpenDelayMs, [this] {
            if (!m_peerPresent || !hasLink(QStringLiteral("A2DP")) || hasLink(QStringLiteral("AVRCP")))
                return;
            const int id = addLink(QStringLiteral("AVRCP"), m_peerAddress);
            emitLine(QStringLiteral("RING %1 %2 17 AVRCP").arg(id).arg(m_peerAddress));
        });
    }
}

void BtModuleSim::restartAutoCall()
{
    if (!m_autoCallTimer)
        return;
    QString value;
    for (const auto& s : m_settings) {
        if (s.first == QLatin1String("CONTROL AUTOCALL"))
            value = s.second;
    }
    if (value.isEmpty()) {
        m_autoCallTimer->stop();
        return;
    }
    int interval = value.section(QLatin1Char(' '), 1, 1).toInt();
    if (m_timing.autoCallMs > 0)
        interval = m_timing.autoCallMs;
    m_autoCallTimer->start(qMax(10, interval));
}

void BtModuleSim::autoCallTick()
{
    if (!peerReachable(m_peerAddress) || !m_paired.contains(m_peerAddress))
        return;
    for (const Link& link : m_links) {
        if (link.profile == QLatin1String("A2DP"))
            return;
    }
    connectAudio();
}

void BtModuleSim::dropPeerLinks(int outageMs)
{
    post([this, outageMs] {
        m_peerPresent = false;
        m_pendingCall = -1;
        ++m_generation;
        // The data channel goes first; the module is then back in command mode and reports.
        QList<int> ids = m_links.keys();
        std::sort(ids.begin(), ids.end(), [this](int a, int b) {
            const bool da = a == m_dataLink, db = b == m_dataLink;
            return da != db ? da : a < b;
        });
        for (int id : ids)
            closeLink(id, true);
        if (outageMs >= 0)
            later(outageMs, [this] { m_peerPresent = true; });
    });
}

void BtModuleSim::reboot()
{
    ++m_generation;
    bool looped = false;
    for (const Link& link : m_links)
        looped = looped || isOtherModule(link.peer);
    m_links.clear();
    m_testMode = false;
    emit linksChanged();
    if (looped)
        m_other->otherModuleGone(m_address);
    m_pendingCall = -1;
    m_dataLink = -1;
    m_heldEvents.clear();
    m_heldUnitOutput.clear();
    leaveDataMode();
    later(m_timing.bootDelayMs, [this] {
        if (m_restartBanner) {
            writeLine(QStringLiteral("WRAP THOR AI (host simulation)"));
            writeLine(QStringLiteral("Simulated module, no radio attached"));
            writeLine(QStringLiteral("READY."));
        }
        if (m_role == Role::Source) {
            for (const auto& setting : qAsConst(m_settings))
                m_testMode = m_testMode
                    || (setting.first == QLatin1String("BT NAME") && setting.second == QLatin1String(kTestModeName));
            emit linksChanged();
        }
        restartAutoCall();
    });
    if (m_autoCallTimer)
        m_autoCallTimer->stop();
}

// ---- module commands ---------------------------------------------------------------------

void BtModuleSim::handleCommand(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return;
    if (m_echo)
        writeLine(trimmed);
    if (m_moduleSilent)
        return;
    const QStringList tokens = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString command = tokens.value(0);

    if (command == QLatin1String("AT")) {
        emitLine(QStringLiteral("OK"));
    } else if (command == QLatin1String("LIST")) {
        emitLine(QStringLiteral("LIST %1").arg(m_links.size()));
        for (const Link& link : m_links)
            emitLine(QStringLiteral("LIST %1 CONNECTED %2 %3").arg(link.id).arg(link.profile, link.peer));
    } else if (command == QLatin1String("SET")) {
        if (tokens.size() == 1)
            dumpSettings();
        else
            handleSet(tokens);
    } else if (command == QLatin1String("CALL")) {
        handleCall(tokens);
    } else if (command == QLatin1String("SELECT")) {
        bool ok = false;
        const int id = tokens.value(1).toInt(&ok);
        if (ok && m_links.value(id).profile == QLatin1String("RFCOMM"))
            enterDataMode(id);
        else
            emitLine(QStringLiteral("SYNTAX ERROR"));
    } else if (command == QLatin1String("KILL")) {
        const QString peer = tokens.value(1);
        if (m_pendingCall >= 0 && peer.compare(m_peerAddress, Qt::CaseInsensitive) == 0)
            closeLink(m_pendingCall, true);
        for (const Link& link : m_links.values()) {
            if (link.peer.compare(peer, Qt::CaseInsensitive) == 0)
                closeLink(link.id, true);
        }
    } else if (command == QLatin1String("CLOSE")) {
        bool ok = false;
        const int id = tokens.value(1).toInt(&ok);
        if (ok)
            closeLink(id, true);
    } else if (command == QLatin1String("RESET")) {
        reboot();
    } else if (command == QLatin1String("INQUIRY")) {
        handleInquiry(tokens);
    } else if (command == QLatin1String("PAIR")) {
        handlePair(tokens);
    } else if (command == QLatin1String("AVRCP")) {
        handleAvrcp(tokens);
    } else if (command.startsWith(QLatin1Char('@'))) {
        handleHfpCommand(tokens);
    } else {
        emitLine(QStringLiteral("SYNTAX ERROR"));
    }
}

void BtModuleSim::handleSet(const QStringList& tokens)
{
    if (tokens.value(1) == QLatin1String("RESET")) {
        if (!m_ignoreSetup) {
            factorySettings(m_role);
            m_paired.clear();
        }
        reboot();
        return;
    }
    if (tokens.size() < 3) {
        emitLine(QStringLiteral("SYNTAX ERROR"));
        return;
    }
    const QString key = tokens.value(1) + QLatin1Char(' ') + tokens.value(2);
    if (key == QLatin1String("BT BDADDR")) {
        // Fixed in the module: a query is answered with it, a new value ignored.
        if (tokens.size() == 3)
            emitLine(QStringLiteral("SET BT BDADDR ") + m_address);
        return;
    }
    if (m_ignoreSetup)
        return;
    const QString value = tokens.mid(3).join(QLatin1Char(' '));
    if (key == QLatin1String("BT PAIR")) {
        // "*" forgets every pairing; an address with its key stores that one.
        if (value == QLatin1String("*"))
            m_paired.clear();
        else if (!value.isEmpty())
            m_paired = QStringList(tokens.value(3));
        return;
    }
    for (int i = 0; i < m_settings.size(); ++i) {
        if (m_settings.at(i).first == key) {
            m_settings.removeAt(i);
            break;
        }
    }
    if (!value.isEmpty())
        m_settings.append({key, value});
    if (key == QLatin1String("CONTROL AUTOCALL"))
        restartAutoCall();
}

void BtModuleSim::dumpSettings()
{
    emitLine(QStringLiteral("SET BT BDADDR ") + m_address);
    for (const auto& s : m_settings)
        emitLine(QStringLiteral("SET ") + s.first + QLatin1Char(' ') + s.second);
    for (const QString& peer : m_paired)
        emitLine(QStringLiteral("SET BT PAIR ") + peer + QStringLiteral(" 0123456789abcdef0123456789abcdef"));
    emitLine(QStringLiteral("SET"));
}

void BtModuleSim::handleCall(const QStringList& tokens)
{
    const QString peer = tokens.value(1);
    const QString profile = tokens.value(3);
    if (peer.isEmpty() || profile.isEmpty()) {
        emitLine(QStringLiteral("SYNTAX ERROR"));
        return;
    }
    const int id = freeLinkId();
    m_pendingCall = id;
    emitLine(QStringLiteral("CALL %1").arg(id));
    const bool reachable = peerReachable(peer);
    later(m_timing.connectDelayMs, [this, id, profile, reachable] {
        if (m_pendingCall != id)
            return; // closed or killed meanwhile
        if (!reachable) {
            m_pendingCall = -1;
            emitLine(QStringLiteral("NO CARRIER %1 ERROR 0 PAGE_TIMEOUT").arg(id));
            return;
        }
        if (profile == QLatin1String("RFCOMM") && m_role == Role::Sink) {
            if (!m_answerDataCalls)
                return; // the call hangs until it is killed or closed
            m_pendingCall = -1;
            m_links.insert(id, Link{id, profile, m_peerAddress});
            emitLine(QStringLiteral("CONNECT %1 RFCOMM 1").arg(id));
            // The module goes into data mode by itself.
            enterDataMode(id);
        } else if (profile == QLatin1String("HFP-AG") && m_role == Role::Source) {
            m_pendingCall = -1;
            m_links.insert(id, Link{id, profile, m_peerAddress});
            emitLine(QStringLiteral("CONNECT %1 HFP-AG 3").arg(id));
            emitLine(QStringLiteral("HFP-AG %1 READY").arg(id));
        } else if (profile == QLatin1String("A2DP")) {
            m_pendingCall = -1;
            if (!hasLink(QStringLiteral("A2DP")))
                connectAudio();
        } else {
            m_pendingCall = -1;
            emitLine(QStringLiteral("NO CARRIER %1 ERROR 0 PROFILE_NOT_SUPPORTED").arg(id));
        }
    });
}

QList<BtModuleSim::InquiryDevice> BtModuleSim::inquiryDevices() const
{
    if (m_inquiryScripted)
        return m_inquiryDevices;
    // The peer first (it is the nearest), then everything else in range. The default unit
    // and headphones stay in range when the module has another peer.
    InquiryDevice unit;
    unit.address = QString::fromLatin1(kDefaultUnitAddress);
    unit.deviceClass = QString::fromLatin1(kUnitClass);
    unit.name = QString::fromLatin1(SensorUnitSim::kName);
    InquiryDevice phones;
    phones.address = QString::fromLatin1(kDefaultHeadphoneAddress);
    phones.deviceClass = QString::fromLatin1(kHeadphoneClass);
    phones.name = QString::fromLatin1(HeadphoneSim::kName);
    QList<InquiryDevice> others = {unit, phones};
    const QString testAddress = m_testDevice.address();
    if (m_testDevice.isPresent() && !testAddress.isEmpty()) {
        InquiryDevice test;
        test.address = testAddress;
        test.deviceClass = QString::fromLatin1(m_role == Role::Sink ? kUnitClass : kHeadphoneClass);
        test.name = QString::fromLatin1(m_role == Role::Sink ? TestDeviceSim::kMicrophoneName : TestDeviceSim::kHeadphoneName);
        others.append(test);
    }
    if (m_role == Role::Sink && m_other && m_other->m_testMode) {
        InquiryDevice loop;
        loop.address = m_other->m_address;
        for (const auto& setting : qAsConst(m_other->m_settings)) {
            if (setting.first == QLatin1String("BT CLASS"))
                loop.deviceClass = setting.second;
            if (setting.first == QLatin1String("BT NAME"))
                loop.name = setting.second;
        }
        others.append(loop);
    }
    others += neighbourhood();

    QList<InquiryDevice> devices;
    if (m_peerPresent) {
        InquiryDevice peer = m_role == Role::Sink ? unit : phones;
        for (const InquiryDevice& d : others) {
            if (d.address.compare(m_peerAddress, Qt::CaseInsensitive) == 0)
                peer = d;
        }
        peer.address = m_peerAddress;
        peer.inInquiry = peer.inNames = peer.pairable = true;
        devices.append(peer);
    }
    for (const InquiryDevice& d : others) {
        if (d.address.compare(m_peerAddress, Qt::CaseInsensitive) != 0)
            devices.append(d);
    }
    return devices;
}

bool BtModuleSim::suitsRole(const QString& deviceClass) const
{
    bool ok = false;
    const unsigned bits = deviceClass.left(4).toUInt(&ok, 16);
    const unsigned wanted = m_role == Role::Sink ? kSinkPeerBits : kSourcePeerBits;
    return ok && (bits & wanted) == wanted;
}

void BtModuleSim::handleInquiry(const QStringList& tokens)
{
    const bool names = tokens.contains(QStringLiteral("NAME"));
    later(m_timing.inquiryDelayMs, [this, names] {
        const QList<InquiryDevice> found = inquiryDevices();
        auto inquiryLine = [](const QString& head, const InquiryDevice& d) {
            QString line = head + QLatin1Char(' ') + d.address;
            if (!d.deviceClass.isEmpty())
                line += QLatin1Char(' ') + d.deviceClass;
            return line;
        };
        int count = 0;
        for (const InquiryDevice& d : found) {
            if (d.inInquiry) {
                emitLine(inquiryLine(QStringLiteral("INQUIRY_PARTIAL"), d));
                ++count;
            }
        }
        emitLine(QStringLiteral("INQUIRY %1").arg(count));
        for (const InquiryDevice& d : found) {
            if (d.inInquiry)
                emitLine(inquiryLine(QStringLiteral("INQUIRY"), d));
        }
        if (!names)
            return;
        for (const InquiryDevice& d : found) {
            if (!d.inNames)
                continue;
            if (d.name.isEmpty())
                emitLine(QStringLiteral("NAME ERROR 0x104 %1 HCI_ERROR_PAGE_TIMEOUT").arg(d.address));
            else
                emitLine(QStringLiteral("NAME %1 \"%2\"").arg(d.address, d.name));
        }
    });
}

void BtModuleSim::handlePair(const QStringList& tokens)
{
    const QString peer = tokens.value(1);
    bool known = false;
    bool suits = false;
    for (const InquiryDevice& d : inquiryDevices()) {
        if (d.pairable && peer.compare(d.address, Qt::CaseInsensitive) == 0) {
            known = true;
            suits = suitsRole(d.deviceClass);
        }
    }
    if (peerReachable(peer))
        known = suits = true;
    if (m_pairingAnswer == PairingAnswer::Fail)
        known = false;
    if (m_pairingAnswer == PairingAnswer::None || peer.isEmpty())
        return;
    later(m_timing.pairDelayMs, [this, peer, known, suits] {
        if (!known) {
            emitLine(QStringLiteral("PAIR %1 FAIL").arg(peer));
            return;
        }
        // One pairing only: the new peer replaces the old one.
        m_paired = QStringList(peer);
        if (suits) {
            m_peerAddress = peer;
            m_peerPresent = true;
        }
        // The source module in test mode takes the pairing as its own.
        if (isOtherModule(peer))
            m_other->m_paired = QStringList(m_address);
        emitLine(QStringLiteral("PAIR %1 OK").arg(peer));
    });
}

void BtModuleSim::handleAvrcp(const QStringList& tokens)
{
    if (m_role != Role::Source || !hasLink(QStringLiteral("AVRCP")))
        return;
    if (m_headphones.remoteControl(tokens))
        headphoneVolumeChanged(m_headphones.volume());
}

void BtModuleSim::handleHfpCommand(const QStringList& tokens)
{
    bool ok = false;
    const int id = tokens.value(0).mid(1).toInt(&ok);
    if (!ok || m_links.value(id).profile != QLatin1String("HFP-AG"))
        return;
    // The headset answers the hold query with its accessory report, battery level included.
    emitLine(QStringLiteral("HFP-AG %1 UNKNOWN 0 ").arg(id) + m_headphones.accessoryReport());
}

// ---- the headphones --------------------------------------------------------------------

void BtModuleSim::setHeadphoneBatteryLevel(int level)
{
    post([this, level] { m_headphones.setBatteryLevel(level); });
}

void BtModuleSim::headphoneVolumeChanged(int percent)
{
    post([this, percent] {
        m_headphones.setVolume(percent);
        for (const Link& link : m_links) {
            if (link.profile == QLatin1String("AVRCP")) {
                emitLine(QStringLiteral("AVRCP %1 NOTIFY CHANGED VOLUME_CHANGED %2").arg(link.id).arg(percent));
                return;
            }
        }
    });
}

// ---- the sensor unit ---------------------------------------------------------------------

void BtModuleSim::setFirmwareFault(FirmwareFault fault, int packet, int ms)
{
    post([this, fault, packet, ms] { m_unit.setFirmwareFault(fault, packet, ms); });
}

QByteArray BtModuleSim::firmwareImage() const
{
    return ask<QByteArray>([this] { return m_unit.firmwareImage(); });
}

QString BtModuleSim::unitFirmwareVersion() const
{
    return ask<QString>([this] { return m_unit.firmwareVersion(); });
}

void BtModuleSim::pressMuteKey()
{
    post([this] { m_unit.pressMuteKey(); });
}

void BtModuleSim::releaseMuteKey()
{
    post([this] { m_unit.releaseMuteKey(); });
}

void BtModuleSim::setUnitMuted(bool muted)
{
    post([this, muted] { m_unit.setMuted(muted); });
}

void BtModuleSim::sendUnitLine(const QString& line)
{
    post([this, line] { m_unit.sendLine(line); });
}

void BtModuleSim::setUnitBattery(int millivolts)
{
    post([this, millivolts] { m_unit.setBattery(millivolts); });
}

void BtModuleSim::setUnitSensorType(int type)
{
    post([this, type] { m_unit.setSensorType(type); });
}

void BtModuleSim::setUnitVersions(const QString& firmware, const QString& hardware)
{
    post([this, firmware, hardware] { m_unit.setVersions(firmware, hardware); });
}

void BtModuleSim::setUnitConfigDump(const QStringList& lines)
{
    post([this, lines] { m_unit.setConfigDump(lines); });
}

void BtModuleSim::setH2Raw(double raw)
{
    post([this, raw] { m_unit.h2().setRaw(raw, clockMs()); });
}

void BtModuleSim::setH2Leak(double raw, double seconds)
{
    post([this, raw, seconds] { m_unit.h2().setLeak(raw, seconds, clockMs()); });
}

void BtModuleSim::setH2Noise(double amplitude)
{
    post([this, amplitude] { m_unit.h2().setNoise(amplitude); });
}

void BtModuleSim::setH2Script(const QStringList& values)
{
    post([this, values] { m_unit.h2().setScript(values); });
}

bool BtModuleSim::loadH2Script(const QString& path, QString* error)
{
    QStringList values;
    if (!H2SensorSim::readScript(path, &values, error))
        return false;
    setH2Script(values);
    return true;
}

void BtModuleSim::setH2ActiveTime(int seconds)
{
    post([this, seconds] { m_unit.h2().setActiveTime(seconds, clockMs()); });
}

void BtModuleSim::unitRestarted()
{
    post([this] { m_unit.restarted(); });
}

// ---- chaos ---------------------------------------------------------------------------------

void BtModuleSim::chaosTick()
{
    if (!m_pty)
        return;
    auto next = [this] {
        // xorshift32: reproducible from the seed.
        m_chaosState ^= m_chaosState << 13;
        m_chaosState ^= m_chaosState >> 17;
        m_chaosState ^= m_chaosState << 5;
        return m_chaosState;
    };
    static const char* const shortLines[] = {
        "CALL", "LIST", "BT_RX", "BT_TX I", "HFP-AG 1 X Y AT+IPHONEACCEV", "HFP-AG 1 X Y AT+IPHONEACCEV=2,1",
        "CONNECT", "CONNECT x RFCOMM", "CONNECT 1", "NO CARRIER", "RING 1", "RING x a b AVRCP",
        "AVRCP 1 2 3 VOLUME_CHANGED", "AVRCP 1 2 3 VOLUME_CHANGED loud", "SET BT NAME", "SET BT BDADDR",
        "SET PROFILE A2DP", "LIST x CONNECTED RFCOMM", "LIST 1 CONNECTED", "BT_RX MUTE_STATE", "BT_RX ALERT",
        "BT_RX FD", "BT_RX FD x OK", "BT_RX SENSVAL 1", "BT_RX RDY 3900", "BT_RX FW-VERSION", "READY.",
        "CALL 02:00:00:00:51:01 1101 RFCOMM", "SET CONTROL GAIN 5 f", "\xff\xfe\xfd", "BT_RX \xc3",
    };
    QByteArray out;
    switch (next() % 7) {
    case 0: { // garbage bytes, NULs included
        const int n = 1 + int(next() % 64);
        for (int i = 0; i < n; ++i)
            out.append(char(next() & 0xff));
        break;
    }
    case 1: { // a burst of several kilobytes in one write
        while (out.size() < 4096 + int(next() % 8192)) {
            out.append(shortLines[next() % (sizeof shortLines / sizeof *shortLines)]);
            out.append(next() % 3 ? "\r\n" : "\n");
            if (next() % 5 == 0)
                out.append(char(next() & 0xff));
        }
        break;
    }
    case 2: // a short or malformed line
        out = QByteArray(shortLines[next() % (sizeof shortLines / sizeof *shortLines)]) + "\r\n";
        break;
    case 3: // a line ended by a lone "\n"
        out = QByteArray(shortLines[next() % (sizeof shortLines / sizeof *shortLines)]) + "\n";
        break;
    case 4: // NULs in and around a line
        out = QByteArray("\0\0BT_R\0X\0", 9) + "\r\n" + QByteArray(16, '\0');
        break;
    case 5: // text without any line end, longer than any line
        out = QByteArray(6000 + int(next() % 4000), 'x');
        break;
    default: // a lone carriage return and stray line ends
        out = QByteArray("\r\r\n\n\r");
        break;
    }
    m_pty->write(out);
}
