#include "sensorunitsim.h"

#include "btpeerchannel.h"
#include "testdevicesim.h"

#include <QRegularExpression>

const char* const SensorUnitSim::kName = "QJ5-0001";
const char* const SensorUnitSim::kDeviceClass = "280404";

SensorUnitSim::SensorUnitSim(BtPeerChannel* channel)
    : m_channel(channel)
{
    m_h2.powerOn(0);
}

void SensorUnitSim::receive(const QString& line, const TestDeviceSim* testMicrophone)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1String("BT_TX")) || m_silent)
        return;
    const QStringList answers = replies(trimmed, testMicrophone);
    if (m_replyDelayMs <= 0) {
        for (const QString& reply : answers)
            m_channel->sendToInstrument(reply);
        return;
    }
    m_channel->later(m_replyDelayMs, [this, answers] {
        for (const QString& reply : answers)
            m_channel->sendToInstrument(reply);
    });
}

QStringList SensorUnitSim::replies(const QString& line, const TestDeviceSim* testMicrophone)
{
    const QStringList t = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString command = t.value(1);
    const QString ok = QStringLiteral("BT_RX OK");
    if (command == QLatin1String("B"))
        return {QStringLiteral("BT_RX BATT_VOLTAGE %1").arg(m_batteryMv)};
    if (command == QLatin1String("T"))
        return {QStringLiteral("BT_RX SENSOR %1").arg(m_sensorType)};
    if (command == QLatin1String("S") && testMicrophone)
        return {testMicrophone->sensorValueLine()};
    if (command == QLatin1String("S")) {
        const H2SensorSim::Reading reading = m_h2.read(m_channel->clockMs());
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
        m_micGain = gain;
        m_muteState = mute;
        m_buttonMode = button;
        return {ok};
    }
    if (command == QLatin1String("G")) {
        bool valid = false;
        const int gain = t.value(2).toInt(&valid, 16);
        if (!valid)
            return {QStringLiteral("BT_RX ERROR G")};
        m_micGain = gain;
        return {ok};
    }
    if (command == QLatin1String("P")) {
        if (!m_configDump.isEmpty())
            return m_configDump;
        return {QStringLiteral("BT_RX SENSOR %1").arg(m_sensorType),
                QStringLiteral("BT_RX MIC-GAIN %1").arg(m_micGain, 2, 16, QLatin1Char('0')).toUpper(),
                QStringLiteral("BT_RX BATT_VOLTAGE %1").arg(m_batteryMv),
                QStringLiteral("BT_RX FW-VERSION ") + m_firmware,
                QStringLiteral("BT_RX HW-VERSION ") + m_hardware,
                QStringLiteral("BT_RX BUTTON ") + (m_buttonMode == QLatin1String("SWITCH") ? QStringLiteral("SWITCH")
                                                                                          : QStringLiteral("PUSHBUT")),
                QStringLiteral("BT_RX MUTE_STATE ") + m_muteState,
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

// ---- the mute key and unsolicited lines ------------------------------------------------

void SensorUnitSim::sendMuteState()
{
    m_channel->sendToInstrument(QStringLiteral("BT_RX MUTE_STATE ") + m_muteState);
}

void SensorUnitSim::pressMuteKey()
{
    if (m_buttonMode == QLatin1String("SWITCH"))
        m_muteState = m_muteState == QLatin1String("MUTE") ? QStringLiteral("ACTIVE") : QStringLiteral("MUTE");
    else
        m_muteState = QStringLiteral("ACTIVE");
    sendMuteState();
}

void SensorUnitSim::releaseMuteKey()
{
    if (m_buttonMode == QLatin1String("SWITCH"))
        return;
    m_muteState = QStringLiteral("MUTE");
    sendMuteState();
}

void SensorUnitSim::setMuted(bool muted)
{
    m_muteState = muted ? QStringLiteral("MUTE") : QStringLiteral("ACTIVE");
    sendMuteState();
}

void SensorUnitSim::sendLine(const QString& line)
{
    m_channel->sendToInstrument(line);
}

void SensorUnitSim::setVersions(const QString& firmware, const QString& hardware)
{
    m_firmware = firmware;
    m_hardware = hardware;
}

QString SensorUnitSim::readyLine() const
{
    return QStringLiteral("BT_RX RDY %1 %2").arg(m_batteryMv).arg(m_sensorType);
}

void SensorUnitSim::restarted()
{
    m_h2.powerOn(m_channel->clockMs());
    m_channel->sendToInstrument(readyLine());
}

// ---- the firmware receiver --------------------------------------------------------------

void SensorUnitSim::setFirmwareFault(FirmwareFault fault, int packet, int ms)
{
    m_fwFault = fault;
    m_fwFaultPacket = packet;
    m_fwFaultMs = ms;
}

// A fault fires once, at the line it names.
bool SensorUnitSim::firmwareFaultAt(FirmwareFault fault, int packet)
{
    if (m_fwFault != fault || packet != m_fwFaultPacket)
        return false;
    m_fwFault = FirmwareFault::None;
    return true;
}

QStringList SensorUnitSim::firmwareReplies(const QStringList& t)
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

QString SensorUnitSim::firmwareHeader(const QStringList& t)
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

QString SensorUnitSim::firmwareData(const QStringList& t, bool* silent)
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
        m_channel->dropPeerLinks(m_fwFaultMs > 0 ? m_fwFaultMs : m_restartDelayMs);
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
        m_channel->sendToInstrument(ok);
    if (firmwareFaultAt(FirmwareFault::LateAck, packet)) {
        *silent = true;
        m_channel->later(m_fwFaultMs, [this, ok] { m_channel->sendToInstrument(ok); });
    }
    return ok;
}

QString SensorUnitSim::firmwareStart(bool* silent)
{
    if (firmwareFaultAt(FirmwareFault::SilentAtStart, 0)) {
        *silent = true;
        return QString();
    }
    if (m_fwSize <= 0 || m_fwReceived != m_fwSize || qint64(m_fwExpectedPacket) * 64 < m_fwSize)
        return QStringLiteral("BT_RX FS ERR");
    // The answer goes out first, then the unit restarts into the new image.
    m_channel->afterwards(0, [this] { firmwareRestart(); });
    return QStringLiteral("BT_RX FS OK");
}

void SensorUnitSim::firmwareRestart()
{
    m_firmware = m_fwNewVersion;
    m_fwSize = -1;
    const bool noRdy = firmwareFaultAt(FirmwareFault::RestartWithoutRdy, 0);
    const int outage = firmwareFaultAt(FirmwareFault::RestartLinkDown, 0) ? m_fwFaultMs : m_restartDelayMs;
    m_channel->dropPeerLinks(outage);
    if (noRdy)
        return;
    m_channel->afterwards(outage, [this] { readyWhenLinked(1500); });
}

// Ready once the instrument has its data channel back (polled, for at most tries x 20 ms).
void SensorUnitSim::readyWhenLinked(int tries)
{
    if (m_channel->dataChannelOpen()) {
        m_channel->sendToInstrument(readyLine());
        return;
    }
    if (tries > 0)
        m_channel->afterwards(20, [this, tries] { readyWhenLinked(tries - 1); });
}
