#ifndef SENSORUNITSIM_H
#define SENSORUNITSIM_H

#include "h2sensorsim.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class BtPeerChannel;
class TestDeviceSim;

// The sensor unit behind the sink module: answers the instrument's "BT_TX" lines with
// "BT_RX" lines through the module's data channel, reports its mute key, and takes a new
// firmware image ("BT_TX FH <size> <version>" starts it, each "BT_TX FD" is checked against
// the packet expected and stored at its place, "BT_TX FS" on a complete image restarts the
// unit: data channel down and up, then "BT_RX RDY", with the new version).
// Simulator thread only.
class SensorUnitSim
{
public:
    static const char* const kName;
    static const char* const kDeviceClass;

    // Firmware receiver misbehaviours, each once at the line named (packet number or the
    // header/start line):
    enum class FirmwareFault {
        None,
        SilentAtHeader, // no answer to "FH"
        SilentAtPacket, // no answer to packet k
        SilentAtStart,  // no answer to "FS"
        NakAtPacket,    // packet k refused
        DuplicateAck,   // packet k acknowledged twice
        LateAck,        // packet k acknowledged ms late
        DropAtPacket,   // the link drops at packet k (for ms, default the restart delay), no answer
        RestartWithoutRdy, // the restart brings the link back but sends no "RDY"
        RestartLinkDown    // the restart keeps the link down for ms
    };

    explicit SensorUnitSim(BtPeerChannel* channel);

    // A line of the instrument from the data channel. While the test microphone stands in
    // for the unit it answers "BT_TX S" itself.
    void receive(const QString& line, const TestDeviceSim* testMicrophone);

    // Misbehaviour: the unit stays silent / answers late.
    void setSilent(bool silent) { m_silent = silent; }
    void setReplyDelay(int ms) { m_replyDelayMs = qMax(0, ms); }
    // Firmware start until the unit reports ready.
    void setRestartDelay(int ms) { m_restartDelayMs = ms; }

    void pressMuteKey();
    void releaseMuteKey();
    void setMuted(bool muted);
    void sendLine(const QString& line);
    void setBattery(int millivolts) { m_batteryMv = millivolts; }
    void setSensorType(int type) { m_sensorType = type; }
    void restarted(); // "BT_RX RDY"
    void setVersions(const QString& firmware, const QString& hardware);
    // Answers "BT_TX P" with exactly these lines instead of the configuration dump; an
    // empty list restores the dump.
    void setConfigDump(const QStringList& lines) { m_configDump = lines; }
    // The H2 sensor (the answer to "BT_TX S"), driven on the simulator's clock.
    H2SensorSim& h2() { return m_h2; }

    void setFirmwareFault(FirmwareFault fault, int packet, int ms);
    // The image as received so far (the whole image after a good "FS").
    QByteArray firmwareImage() const { return m_fwImage.left(int(m_fwReceived)); }
    QString firmwareVersion() const { return m_firmware; }

    QString muteState() const { return m_muteState; }   // "MUTE" or "ACTIVE"
    QString buttonMode() const { return m_buttonMode; } // "SWITCH" or "PUSHBUT"
    int micGain() const { return m_micGain; }

private:
    QStringList replies(const QString& line, const TestDeviceSim* testMicrophone);
    QStringList firmwareReplies(const QStringList& tokens);
    QString firmwareHeader(const QStringList& tokens);
    QString firmwareData(const QStringList& tokens, bool* silent);
    QString firmwareStart(bool* silent);
    void firmwareRestart();
    void readyWhenLinked(int tries);
    bool firmwareFaultAt(FirmwareFault fault, int packet);
    void sendMuteState();
    QString readyLine() const;

    BtPeerChannel* const m_channel;
    bool m_silent = false;
    int m_replyDelayMs = 0;
    int m_restartDelayMs = 300;
    int m_micGain = 15;
    QString m_muteState = QStringLiteral("MUTE");
    QString m_buttonMode = QStringLiteral("PUSHBUT");
    int m_batteryMv = 3950;
    int m_sensorType = 1;
    QString m_firmware = QStringLiteral("1.4.2");
    QString m_hardware = QStringLiteral("2.0");
    QStringList m_configDump;
    H2SensorSim m_h2;

    // The firmware receiver.
    QByteArray m_fwImage;
    qint64 m_fwSize = -1; // -1: no header accepted
    qint64 m_fwReceived = 0;
    int m_fwExpectedPacket = 0;
    QString m_fwNewVersion;
    FirmwareFault m_fwFault = FirmwareFault::None;
    int m_fwFaultPacket = 0;
    int m_fwFaultMs = 0;
};

#endif // SENSORUNITSIM_H
