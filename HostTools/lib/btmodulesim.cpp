#include "btmodulesim.h"

#include "ptypeer.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTimer>


const char* const BtModuleSim::kDefaultUnitAddress = "02:00:00:00:51:01";
const char* const BtModuleSim::kDefaultHeadphoneAddress = "02:00:00:00:48:01";

namespace {

const char* const kSinkAddress = "02:00:00:00:4D:02";
const char* const kSourceAddress = "02:00:00:00:4D:03";
const char* const kUnitClass = "280404";
const char* const kHeadphoneClass = "240404";
const char* const kUnitName = "QJ5-0001";
const char* const kHeadphoneName = "SIM Headphones";

// Class-of-device bits (upper 16 of 24) a module's peer needs: audio service, capturing
// (the sensor unit sends its sound) or rendering (the headphones play it), major class
// audio/video.
const unsigned kSinkPeerBits = 0x2804;
const unsigned kSourcePeerBits = 0x2404;

const int kMaxPendingInput = 64 * 1024;
const int kHeldOutputLimit = 64 * 1024;
const int kAudioStreamPsm = 0x19;

// Headphone volume steps as the headphones report them, in percent.
const int kVolumeStepPercent[16] = {0, 6, 12, 18, 25, 31, 37, 44, 50, 56, 62, 69, 75, 81, 88, 94};

int volumeStep(int percent)
{
    int best = 0;
    for (int step = 0; step < 16; ++step) {
        if (kVolumeStepPercent[step] <= percent)
            best = step;
    }
    return best;
}

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
    m_h2.powerOn(0);
    factorySettings();
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

void BtModuleSim::factorySettings()
{
    // As after the instrument's set-up list: the module keeps its settings.
    m_settings.clear();
    const bool sink = m_role == Role::Sink;
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

void BtModuleSim::setUnitSilent(bool silent)
{
    post([this, silent] { m_unitSilent = silent; });
}

void BtModuleSim::setUnitReplyDelay(int ms)
{
    post([this, ms] { m_unitReplyDelayMs = qMax(0, ms); });
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
    return ask<QString>([this] { return m_unitMuteState; });
}

QString BtModuleSim::unitButtonMode() const
{
    return ask<QString>([this] { return m_unitButtonMode; });
}

int BtModuleSim::unitMicGain() const
{
    return ask<int>([this] { return m_unitMicGain; });
}

int BtModuleSim::headphoneVolume() const
{
    return ask<int>([this] { return m_headphoneVolume; });
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

void BtModuleSim::emitUnitLine(const QString& line)
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
        handleUnitLine(line);
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
    return id;
}

void BtModuleSim::closeLink(int id, bool report)
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
}

void BtModuleSim::connectAudio()
{
    // The audio link takes two link ids (signalling and media).
    const int first = addLink(QStringLiteral("A2DP"), m_peerAddress);
    emitLine(QStringLiteral("CONNECT %1 A2DP %2").arg(first).arg(kAudioStreamPsm, 0, 16));
    const int second = addLink(QStringLiteral("A2DP"), m_peerAddress);
    emitLine(QStringLiteral("CONNECT %1 A2DP %2").arg(second).arg(kAudioStreamPsm, 0, 16));
    emitLine(QStringLiteral("A2DP STREAMING START"));
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
    if (!m_peerPresent || !m_paired.contains(m_peerAddress))
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
    m_links.clear();
    m_pendingCall = -1;
    m_dataLink = -1;
    m_heldEvents.clear();
    m_heldUnitOutput.clear();
    leaveDataMode();
    later(m_timing.bootDelayMs, [this] {
        writeLine(QStringLiteral("WRAP THOR AI (host simulation)"));
        writeLine(QStringLiteral("Simulated module, no radio attached"));
        writeLine(QStringLiteral("READY."));
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
        factorySettings();
        m_paired.clear();
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
    const QString value = tokens.mid(3).join(QLatin1Char(' '));
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
    const bool reachable = m_peerPresent && peer.compare(m_peerAddress, Qt::CaseInsensitive) == 0;
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
    unit.name = QString::fromLatin1(kUnitName);
    InquiryDevice phones;
    phones.address = QString::fromLatin1(kDefaultHeadphoneAddress);
    phones.deviceClass = QString::fromLatin1(kHeadphoneClass);
    phones.name = QString::fromLatin1(kHeadphoneName);
    const QList<InquiryDevice> others = QList<InquiryDevice>{unit, phones} + neighbourhood();

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
    if (m_peerPresent && peer.compare(m_peerAddress, Qt::CaseInsensitive) == 0)
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
        emitLine(QStringLiteral("PAIR %1 OK").arg(peer));
    });
}

void BtModuleSim::handleAvrcp(const QStringList& tokens)
{
    if (m_role != Role::Source || !hasLink(QStringLiteral("AVRCP")))
        return;
    const QString what = tokens.value(1);
    if (what == QLatin1String("PDU") && tokens.value(2) == QLatin1String("50")) {
        bool ok = false;
        const int percent = tokens.value(3).toInt(&ok);
        if (ok)
            m_headphoneVolume = qBound(0, percent, 100);
        return;
    }
    int step = volumeStep(m_headphoneVolume);
    if (what == QLatin1String("UP"))
        step = qMin(step + 1, 15);
    else if (what == QLatin1String("DN"))
        step = qMax(step - 1, 0);
    else
        return;
    m_headphoneVolume = kVolumeStepPercent[step];
    headphoneVolumeChanged(m_headphoneVolume);
}

void BtModuleSim::handleHfpCommand(const QStringList& tokens)
{
    bool ok = false;
    const int id = tokens.value(0).mid(1).toInt(&ok);
    if (!ok || m_links.value(id).profile != QLatin1String("HFP-AG"))
        return;
    // The headset answers the hold query with its accessory report, battery level included.
    emitLine(QStringLiteral("HFP-AG %1 UNKNOWN 0 AT+IPHONEACCEV=2,1,%2,2,0").arg(id).arg(m_headphoneBatteryLevel));
}

// ---- the headphones --------------------------------------------------------------------

void BtModuleSim::setHeadphoneBatteryLevel(int level)
{
    post([this, level] { m_headphoneBatteryLevel = level; });
}

void BtModuleSim::headphoneVolumeChanged(int percent)
{
    post([this, percent] {
        m_headphoneVolume = percent;
        for (const Link& link : m_links) {
            if (link.profile == QLatin1String("AVRCP")) {
                emitLine(QStringLiteral("AVRCP %1 NOTIFY CHANGED VOLUME_CHANGED %2").arg(link.id).arg(percent));
                return;
            }
        }
    });
}

// ---- the sensor unit ---------------------------------------------------------------------

void BtModuleSim::handleUnitLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1String("BT_TX")) || m_unitSilent)
        return;
    const QStringList replies = unitReplies(trimmed);
    if (m_unitReplyDelayMs <= 0) {
        for (const QString& reply : replies)
            emitUnitLine(reply);
        return;
    }
    later(m_unitReplyDelayMs, [this, replies] {
        for (const QString& reply : replies)
            emitUnitLine(reply);
    });
}

QStringList BtModuleSim::unitReplies(const QString& line)
{
    const QStringList t = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString command = t.value(1);
    const QString ok = QStringLiteral("BT_RX OK");
    if (command == QLatin1String("B"))
        return {QStringLiteral("BT_RX BATT_VOLTAGE %1").arg(m_unitBatteryMv)};
    if (command == QLatin1String("T"))
        return {QStringLiteral("BT_RX SENSOR %1").arg(m_unitSensorType)};
    if (command == QLatin1String("S")) {
        const H2SensorSim::Reading reading = m_h2.read(m_clock.elapsed());
        if (!reading.answered)
            return {};
        return {QStringLiteral("BT_RX SENSVAL %1 %2").arg(reading.value).arg(reading.activeTime)};
    }
    if (command == QLatin1String("I")) {
        bool valid = false;
        const int gain = t.value(2).toInt(&valid, 16);
        const QString mute = t.value(3);
        const QString button = t.value(4);
        if (!valid || (mute != QLatin1String("MUTE") && mute != QLatin1String("ACTIVE"))
            || (button != QLatin1String("SWITCH") && button != QLatin1String("PUSHBUT")))
            return {QStringLiteral("BT_RX ERROR I")};
        m_unitMicGain = gain;
        m_unitMuteState = mute;
        m_unitButtonMode = button;
        return {ok};
    }
    if (command == QLatin1String("G")) {
        bool valid = false;
        const int gain = t.value(2).toInt(&valid, 16);
        if (!valid)
            return {QStringLiteral("BT_RX ERROR G")};
        m_unitMicGain = gain;
        return {ok};
    }
    if (command == QLatin1String("P")) {
        if (!m_unitConfigDump.isEmpty())
            return m_unitConfigDump;
        return {QStringLiteral("BT_RX SENSOR %1").arg(m_unitSensorType),
                QStringLiteral("BT_RX MIC-GAIN %1").arg(m_unitMicGain, 2, 16, QLatin1Char('0')).toUpper(),
                QStringLiteral("BT_RX BATT_VOLTAGE %1").arg(m_unitBatteryMv),
                QStringLiteral("BT_RX FW-VERSION ") + m_unitFirmware,
                QStringLiteral("BT_RX HW-VERSION ") + m_unitHardware,
                QStringLiteral("BT_RX BUTTON ") + (m_unitButtonMode == QLatin1String("SWITCH") ? QStringLiteral("SWITCH")
                                                                                              : QStringLiteral("PUSHBUT")),
                QStringLiteral("BT_RX MUTE_STATE ") + m_unitMuteState,
                QStringLiteral("!$!")};
    }
    if (command == QLatin1String("O") || command == QLatin1String("RP") || command == QLatin1String("RS"))
        return {ok};
    if (command == QLatin1String("X"))
        return {QStringLiteral("BT_RX X 1")};
    if (command == QLatin1String("FH") || command == QLatin1String("FD") || command == QLatin1String("FS"))
        return firmwareReplies(t);
    return {QStringLiteral("BT_RX ERROR ") + command};
}

// ---- the sensor unit's firmware receiver ---------------------------------------------

void BtModuleSim::setFirmwareFault(FirmwareFault fault, int packet, int ms)
{
    post([this, fault, packet, ms] {
        m_fwFault = fault;
        m_fwFaultPacket = packet;
        m_fwFaultMs = ms;
    });
}

QByteArray BtModuleSim::firmwareImage() const
{
    return ask<QByteArray>([this] { return m_fwImage.left(int(m_fwReceived)); });
}

QString BtModuleSim::unitFirmwareVersion() const
{
    return ask<QString>([this] { return m_unitFirmware; });
}

// A fault fires once, at the line it names.
bool BtModuleSim::firmwareFaultAt(FirmwareFault fault, int packet)
{
    if (m_fwFault != fault || packet != m_fwFaultPacket)
        return false;
    m_fwFault = FirmwareFault::None;
    return true;
}

QStringList BtModuleSim::firmwareReplies(const QStringList& t)
{
    const QString command = t.value(1);
    bool silent = false;
    QString reply;
    if (command == QLatin1String("FH")) {
        silent = firmwareFaultAt(FirmwareFault::SilentAtHeader, 0);
        reply = firmwareHeader(t);
    } else if (command == QLatin1String("FD")) {
        reply = firmwareData(t, &silent);
    } else {
        reply = firmwareStart(&silent);
    }
    if (silent)
        return {};
    return {reply};
}

QString BtModuleSim::firmwareHeader(const QStringList& t)
{
    static const QRegularExpression version(QStringLiteral("^\\d+(\\.\\d+)*$"));
    bool sized = false;
    const qint64 size = t.value(2).toLongLong(&sized);
    if (t.size() != 4 || !sized || size <= 0 || size > 64 * 1024 * 1024 || !version.match(t.value(3)).hasMatch())
        return QStringLiteral("BT_RX FH ERR");
    m_fwSize = size;
    m_fwReceived = 0;
    m_fwExpectedPacket = 0;
    m_fwImage = QByteArray(int(size), '\0');
    m_fwNewVersion = t.value(3);
    return QStringLiteral("BT_RX FH OK");
}

QString BtModuleSim::firmwareData(const QStringList& t, bool* silent)
{
    static const QRegularExpression number(QStringLiteral("^\\d{3,}$"));
    static const QRegularExpression length(QStringLiteral("^\\d{3}$"));
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]*$"));
    const QString received = t.value(2);
    const QString refused = QStringLiteral("BT_RX FD %1 ERR").arg(received);
    const int packet = number.match(received).hasMatch() ? received.toInt() : -1;
    const int bytes = length.match(t.value(3)).hasMatch() ? t.value(3).toInt() : -1;
    const QString data = t.value(4);

    if (firmwareFaultAt(FirmwareFault::SilentAtPacket, packet)) {
        *silent = true;
        return QString();
    }
    if (firmwareFaultAt(FirmwareFault::DropAtPacket, packet)) {
        *silent = true;
        dropPeerLinks(m_fwFaultMs > 0 ? m_fwFaultMs : m_timing.unitRestartDelayMs);
        return QString();
    }
    if (firmwareFaultAt(FirmwareFault::NakAtPacket, packet))
        return refused;
    if (m_fwSize < 0 || t.size() != 5 || packet != m_fwExpectedPacket || bytes < 1 || bytes > 64
        || data.size() != 2 * bytes || !hex.match(data).hasMatch() || qint64(packet) * 64 + bytes > m_fwSize)
        return refused;
    const QByteArray decoded = QByteArray::fromHex(data.toLatin1());
    const qint64 offset = qint64(packet) * 64;
    m_fwImage.replace(int(offset), decoded.size(), decoded);
    m_fwReceived = qMax(m_fwReceived, offset + decoded.size());
    ++m_fwExpectedPacket;

    const QString ok = QStringLiteral("BT_RX FD %1 OK").arg(received);
    if (firmwareFaultAt(FirmwareFault::DuplicateAck, packet))
        emitUnitLine(ok);
    if (firmwareFaultAt(FirmwareFault::LateAck, packet)) {
        *silent = true;
        later(m_fwFaultMs, [this, ok] { emitUnitLine(ok); });
    }
    return ok;
}

QString BtModuleSim::firmwareStart(bool* silent)
{
    if (firmwareFaultAt(FirmwareFault::SilentAtStart, 0)) {
        *silent = true;
        return QString();
    }
    if (m_fwSize <= 0 || m_fwReceived != m_fwSize || qint64(m_fwExpectedPacket) * 64 < m_fwSize)
        return QStringLiteral("BT_RX FS ERR");
    // The answer goes out first, then the unit restarts into the new image.
    QTimer::singleShot(0, this, [this] { firmwareRestart(); });
    return QStringLiteral("BT_RX FS OK");
}

void BtModuleSim::firmwareRestart()
{
    m_unitFirmware = m_fwNewVersion;
    m_fwSize = -1;
    const bool noRdy = firmwareFaultAt(FirmwareFault::RestartWithoutRdy, 0);
    const int outage = firmwareFaultAt(FirmwareFault::RestartLinkDown, 0) ? m_fwFaultMs : m_timing.unitRestartDelayMs;
    dropPeerLinks(outage);
    if (noRdy)
        return;
    QTimer::singleShot(qMax(0, outage), this, [this] { firmwareReadyWhenLinked(1500); });
}

// Ready once the instrument has its data channel back (polled, for at most tries x 20 ms).
void BtModuleSim::firmwareReadyWhenLinked(int tries)
{
    if (m_dataLink >= 0 && m_dataMode) {
        emitUnitLine(QStringLiteral("BT_RX RDY %1 %2").arg(m_unitBatteryMv).arg(m_unitSensorType));
        return;
    }
    if (tries > 0)
        QTimer::singleShot(20, this, [this, tries] { firmwareReadyWhenLinked(tries - 1); });
}

void BtModuleSim::sendUnitMuteState()
{
    emitUnitLine(QStringLiteral("BT_RX MUTE_STATE ") + m_unitMuteState);
}

void BtModuleSim::pressMuteKey()
{
    post([this] {
        if (m_unitButtonMode == QLatin1String("SWITCH"))
            m_unitMuteState = m_unitMuteState == QLatin1String("MUTE") ? QStringLiteral("ACTIVE") : QStringLiteral("MUTE");
        else
            m_unitMuteState = QStringLiteral("ACTIVE");
        sendUnitMuteState();
    });
}

void BtModuleSim::releaseMuteKey()
{
    post([this] {
        if (m_unitButtonMode == QLatin1String("SWITCH"))
            return;
        m_unitMuteState = QStringLiteral("MUTE");
        sendUnitMuteState();
    });
}

void BtModuleSim::setUnitMuted(bool muted)
{
    post([this, muted] {
        m_unitMuteState = muted ? QStringLiteral("MUTE") : QStringLiteral("ACTIVE");
        sendUnitMuteState();
    });
}

void BtModuleSim::sendUnitLine(const QString& line)
{
    post([this, line] { emitUnitLine(line); });
}

void BtModuleSim::setUnitBattery(int millivolts)
{
    post([this, millivolts] { m_unitBatteryMv = millivolts; });
}

void BtModuleSim::setUnitSensorType(int type)
{
    post([this, type] { m_unitSensorType = type; });
}

void BtModuleSim::setUnitVersions(const QString& firmware, const QString& hardware)
{
    post([this, firmware, hardware] {
        m_unitFirmware = firmware;
        m_unitHardware = hardware;
    });
}

void BtModuleSim::setUnitConfigDump(const QStringList& lines)
{
    post([this, lines] { m_unitConfigDump = lines; });
}

void BtModuleSim::setH2Raw(double raw)
{
    post([this, raw] { m_h2.setRaw(raw, m_clock.elapsed()); });
}

void BtModuleSim::setH2Leak(double raw, double seconds)
{
    post([this, raw, seconds] { m_h2.setLeak(raw, seconds, m_clock.elapsed()); });
}

void BtModuleSim::setH2Noise(double amplitude)
{
    post([this, amplitude] { m_h2.setNoise(amplitude); });
}

void BtModuleSim::setH2Script(const QStringList& values)
{
    post([this, values] { m_h2.setScript(values); });
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
    post([this, seconds] { m_h2.setActiveTime(seconds, m_clock.elapsed()); });
}

void BtModuleSim::unitRestarted()
{
    post([this] {
        m_h2.powerOn(m_clock.elapsed());
        emitUnitLine(QStringLiteral("BT_RX RDY %1 %2").arg(m_unitBatteryMv).arg(m_unitSensorType));
    });
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

// ---- BtControlLines -------------------------------------------------------------------------

namespace {
QMutex& controlLinesMutex()
{
    static QMutex mutex;
    return mutex;
}
QList<QPointer<BtControlLines>>& liveControlLines()
{
    static QList<QPointer<BtControlLines>> lines;
    return lines;
}
} // namespace

BtControlLines::BtControlLines(const QString& root, QObject* parent)
    : QObject(parent)
    , m_dtrFile(QDir::cleanPath(root + QStringLiteral("/sys/class/gpio/gpio58/value")))
    , m_cdFile(root + QStringLiteral("/sys/class/gpio/gpio59/value"))
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &BtControlLines::poll);
}

void BtControlLines::start()
{
    QFile dtr(m_dtrFile);
    if (dtr.open(QIODevice::ReadOnly))
        m_dtr = dtr.read(1) == "1";
    writeCarrierDetect(false);
    m_timer->start(kPollMs);
    QMutexLocker lock(&controlLinesMutex());
    liveControlLines().append(this);
}

void BtControlLines::attach(BtModuleSim* module)
{
    m_modules.append(module);
}

BtControlLines::~BtControlLines()
{
    QMutexLocker lock(&controlLinesMutex());
    liveControlLines().removeAll(this);
    liveControlLines().removeAll(nullptr);
}

void BtControlLines::notifyWrite(const QString& hostPath, const QByteArray& value)
{
    QMutexLocker lock(&controlLinesMutex());
    for (const QPointer<BtControlLines>& lines : qAsConst(liveControlLines())) {
        if (!lines || lines->m_dtrFile != QDir::cleanPath(hostPath))
            continue;
        const bool high = !value.startsWith('0');
        QMetaObject::invokeMethod(lines.data(), [target = lines, high] {
            if (target)
                target->dtrWritten(high);
        }, Qt::QueuedConnection);
    }
}

void BtControlLines::dtrWritten(bool high)
{
    // Every write arrives from here on: the file would show only the last of a quick pulse.
    m_timer->stop();
    applyDtr(high);
}

void BtControlLines::poll()
{
    QFile file(m_dtrFile);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray value = file.read(1);
    if (value.isEmpty())
        return; // caught between truncate and write
    applyDtr(value != "0");
}

void BtControlLines::applyDtr(bool high)
{
    if (high == m_dtr)
        return;
    m_dtr = high;
    if (!high)
        return;
    for (const QPointer<BtModuleSim>& module : qAsConst(m_modules)) {
        if (module)
            module->onDtrRaised();
    }
}

void BtControlLines::dataModeChanged()
{
    bool any = false;
    for (const QPointer<BtModuleSim>& module : qAsConst(m_modules))
        any = any || (module && module->thread() == thread() && module->isDataMode());
    writeCarrierDetect(any);
}

void BtControlLines::writeCarrierDetect(bool high)
{
    if (m_cd == int(high))
        return;
    m_cd = int(high);
    // Replaced whole, so the instrument never reads a half-written file.
    QDir().mkpath(QFileInfo(m_cdFile).absolutePath());
    QSaveFile file(m_cdFile);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(high ? "1" : "0");
        file.commit();
    }
}

// ---- BtSimulator ------------------------------------------------------------------------------

BtSimulator::BtSimulator(QObject* parent)
    : QObject(parent)
{
}

BtSimulator::~BtSimulator()
{
    delete m_sink;
    delete m_source;
    delete m_lines;
}

bool BtSimulator::start(const Options& options, QString* error)
{
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
    m_lines->start();
    return true;
}

QString BtSimulator::controlHelp()
{
    return QStringLiteral(
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
        "drop [MS]                unit and headphones out of range for MS ms (default 3000)\n"
        "unit on|off              sensor unit in range or not\n"
        "headphones on|off        headphones in range or not\n"
        "hpvol PCT | hpbattery L  headphone volume change / battery level 0..9\n"
        "silent on|off            sensor unit does not answer\n"
        "delay MS                 sensor unit answers MS ms late (0: at once)\n"
        "pairing ok|fail|none     modules pair suitable devices / refuse every pairing / never answer\n"
        "echo on|off | lf on|off  modules echo commands / end lines by a lone LF\n"
        "chaos on|off             garbage, bursts and broken lines on both ports\n"
        "raw sink|source TEXT     write TEXT (\\r, \\n, \\0 understood) to a port\n"
        "fw silent header|start|K sensor unit's firmware receiver: no answer once (to FH, FS or packet K)\n"
        "fw nak K | fw dup K      packet K refused once / acknowledged twice\n"
        "fw late K MS             packet K acknowledged MS ms late\n"
        "fw drop K [MS]           link dropped at packet K (for MS ms)\n"
        "fw nordy | fw down MS    the next restart sends no RDY / keeps the link down MS ms\n"
        "fw normal                no firmware misbehaviour\n");
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
    auto both = [&](const std::function<void(BtModuleSim*)>& f) {
        if (unit)
            f(unit);
        if (phones)
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
        const int ms = t.size() > 1 ? t.value(1).toInt() : 3000;
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
        {"Microphone_Name", kUnitName},
        {"Headphone_ID", headphoneAddress.toLatin1()},
        {"Headphone_Name", kHeadphoneName},
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
