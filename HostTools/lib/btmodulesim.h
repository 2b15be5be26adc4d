#ifndef BTMODULESIM_H
#define BTMODULESIM_H

#include "h2sensorsim.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QThread>

#include <functional>

class PtyPeer;
class QTimer;
class BtControlLines;

// One simulated Bluetooth module on a pseudo-terminal, with its peer behind it: the
// sensor unit behind the sink module ("/dev/ttyO2"), the headphones behind the source
// module ("/dev/ttyO3").
//
// In command mode it answers the module command set with the events the instrument
// parses; in data mode every line goes through the data channel to the sensor unit,
// which answers "BT_TX" lines with "BT_RX" lines. Data mode is entered by "SELECT" or
// by a data channel that comes up; a rising DTR (GPIO 58) returns to command mode;
// carrier detect (GPIO 59) follows data mode. Every line received is kept in a
// transcript.
//
// All of it runs on the thread the object lives in. The control and misbehaviour
// setters may be called from any thread (they are queued to the simulator's thread and
// run in call order); the queries wait for an answer from that thread; the transcript
// is read directly.
class BtModuleSim : public QObject
{
    Q_OBJECT
public:
    enum class Role { Sink, Source };

    struct Link
    {
        int id = -1;
        QString profile; // "A2DP", "RFCOMM", "AVRCP", "HFP-AG"
        QString peer;
    };

    // A device in range, as an inquiry reports it.
    struct InquiryDevice
    {
        QString address;
        QString deviceClass;   // class of device, six hexadecimal digits; empty: the inquiry lines lack it
        QString name;          // friendly name; empty: the name request fails ("NAME ERROR")
        bool inInquiry = true; // reported in the inquiry lines ("INQUIRY_PARTIAL", "INQUIRY")
        bool inNames = true;   // reported in a name line
        bool pairable = true;  // takes a pairing; otherwise "PAIR ... FAIL"
    };

    // How the module answers "PAIR": by the device asked for (pairable and in range, or
    // the peer), always "FAIL", or not at all.
    enum class PairingAnswer { ByDevice, Fail, None };

    // Delays of the simulated firmware and peers, in milliseconds.
    struct Timing
    {
        int connectDelayMs = 50;     // a call until the peer answers
        int autoCallMs = -1;         // auto-call interval; -1: the one the command sets
        int peerOpenDelayMs = 50;    // headphones open their remote-control link after A2DP
        int bootDelayMs = 100;       // "RESET" until the banner
        int inquiryDelayMs = 300;    // "INQUIRY" until the results
        int pairDelayMs = 200;       // "PAIR" until its answer
        int unitRestartDelayMs = 300; // firmware start until the unit reports ready
    };

    static const char* const kDefaultUnitAddress;
    static const char* const kDefaultHeadphoneAddress;

    BtModuleSim(Role role, BtControlLines* lines, QObject* parent = nullptr);
    ~BtModuleSim() override;

    // Creates the pseudo-terminal and links its slave at linkPath. Simulator thread only.
    bool open(const QString& linkPath, QString* error = nullptr);
    void close();

    Role role() const { return m_role; }
    QString address() const { return m_address; }
    QString peerAddress() const { return m_peerAddress; }

    // --- set-up and scripting (any thread) -----------------------------------------
    void setTiming(const Timing& timing);
    void setPeerAddress(const QString& address);
    // The peer is in range and takes calls.
    void setPeerPresent(bool present);
    // The module has the peer in its pairing list, so its auto-call reaches it.
    void setPaired(bool paired);
    // Misbehaviour: commands get no answer at all.
    void setModuleSilent(bool silent);
    // Misbehaviour: every command line is sent back before its answer.
    void setEchoCommands(bool echo);
    // Misbehaviour: lines go out ended by this instead of "\r\n" (e.g. a lone "\n").
    void setLineEnd(const QByteArray& lineEnd);
    // Misbehaviour: data-channel calls hang without any answer.
    void setAnswerDataCalls(bool answer);
    // Misbehaviour: the sensor unit stays silent / answers late.
    void setUnitSilent(bool silent);
    void setUnitReplyDelay(int ms);
    // The peer goes out of range: every link to it drops; it comes back after outageMs
    // (never when negative).
    void dropPeerLinks(int outageMs);
    // Inquiry: the devices reported, in this order, instead of the peer followed by the
    // rest of the neighbourhood (the default, restored by resetInquiryDevices).
    void setInquiryDevices(const QList<InquiryDevice>& devices);
    void resetInquiryDevices();
    // The devices in range of both modules besides the configured peers: a second sensor
    // unit and headphones, a phone, speakers, a laptop..., two of them reported only in
    // one kind of line and one that refuses pairing. With the default unit and headphones
    // they make the twelve devices a default inquiry reports.
    static QList<InquiryDevice> neighbourhood();
    // A successful pairing with a device whose class suits the module (audio capturing
    // for the sink, audio rendering for the source) makes it the peer: the module then
    // calls it, and the simulated unit or headphones answer under its address.
    void setPairingAnswer(PairingAnswer answer);
    // Writes bytes as they are, whatever the mode (garbage, NULs, bursts, broken lines).
    void writeRaw(const QByteArray& bytes);
    // A module line, with the current line end (held back while in data mode).
    void sendModuleLine(const QString& line);
    // Random garbage, bursts, short lines, NULs and lone "\n" every periodMs until stopped.
    void startChaos(int periodMs, quint32 seed);
    void stopChaos();

    // --- the sensor unit (sink) ----------------------------------------------------
    void pressMuteKey();
    void releaseMuteKey();
    void setUnitMuted(bool muted);
    void sendUnitLine(const QString& line);
    void setUnitBattery(int millivolts);
    void setUnitSensorType(int type);
    void unitRestarted(); // "BT_RX RDY"
    // The unit's H2 sensor (its answer to "BT_TX S"; H2SensorSim): steady raw value, a
    // rise towards a leak value, noise, a script of answers, the heating time now.
    void setH2Raw(double raw);
    void setH2Leak(double raw, double seconds);
    void setH2Noise(double amplitude);
    void setH2Script(const QStringList& values);
    bool loadH2Script(const QString& path, QString* error = nullptr);
    void setH2ActiveTime(int seconds);
    // The versions the unit reports in its configuration dump.
    void setUnitVersions(const QString& firmware, const QString& hardware);
    // The unit answers "BT_TX P" with exactly these lines (terminator included or not)
    // instead of its configuration; an empty list restores the configuration dump.
    void setUnitConfigDump(const QStringList& lines);

    // --- the sensor unit's firmware receiver (sink) ---------------------------------
    // "BT_TX FH <size> <version>" starts an image, each "BT_TX FD" is checked against
    // the packet expected and stored at its place, "BT_TX FS" on a complete image
    // restarts the unit (data channel down and up, then "BT_RX RDY") with the new version.
    // Misbehaviours, each once at the line named (packet number or the header/start line):
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
    void setFirmwareFault(FirmwareFault fault, int packet = 0, int ms = 0);
    // The image as received so far (the whole image after a good "FS").
    QByteArray firmwareImage() const;
    QString unitFirmwareVersion() const;

    // --- the headphones (source) ---------------------------------------------------
    void setHeadphoneBatteryLevel(int level); // 0..9
    void headphoneVolumeChanged(int percent); // the user turns the headphones' wheel

    // --- queries (any thread) --------------------------------------------------------
    bool isDataMode() const;
    QList<Link> links() const;
    bool hasLink(const QString& profile) const;
    bool isAutoCallOn() const;
    QString setting(const QString& key) const;
    QStringList pairedDevices() const;
    QString unitMuteState() const;   // "MUTE" or "ACTIVE"
    QString unitButtonMode() const;  // "SWITCH" or "PUSHBUT"
    int unitMicGain() const;
    int headphoneVolume() const;     // percent

    // --- transcript (any thread) -------------------------------------------------------
    // Every line received (without its line end), in order; data-mode lines too.
    QStringList transcript() const;
    // Only the lines taken as module commands / passed to the sensor unit.
    QStringList commandLines() const;
    QStringList unitLines() const;
    void clearTranscript();
    // When each received data line equal to `line` came (e.g. "BT_TX S"), in ms of clockMs().
    QList<qint64> unitLineTimes(const QString& line) const;
    // The simulator's steady clock: ms since it was made.
    qint64 clockMs() const { return m_clock.elapsed(); }
    // Also appends every line received to this file, after the port name and "C " or "D "
    // (command or data mode).
    void setTranscriptFile(const QString& path);

    // Called by the control lines on a rising DTR.
    void onDtrRaised();

signals:
    void lineReceived(const QString& line, bool dataMode);

private:
    struct Entry
    {
        bool data;
        QString line;
        qint64 ms;
    };

    template <typename F> void post(F&& f);
    template <typename R, typename F> R ask(F&& f) const;

    void onReceived(const QByteArray& data);
    void handleLine(const QString& line);
    void handleCommand(const QString& line);
    void handleSet(const QStringList& tokens);
    void handleCall(const QStringList& tokens);
    void handleInquiry(const QStringList& tokens);
    QList<InquiryDevice> inquiryDevices() const;
    bool suitsRole(const QString& deviceClass) const;
    void handlePair(const QStringList& tokens);
    void handleAvrcp(const QStringList& tokens);
    void handleHfpCommand(const QStringList& tokens);
    void handleUnitLine(const QString& line);
    QStringList unitReplies(const QString& line);
    QStringList firmwareReplies(const QStringList& tokens);
    QString firmwareHeader(const QStringList& tokens);
    QString firmwareData(const QStringList& tokens, bool* silent);
    QString firmwareStart(bool* silent);
    void firmwareRestart();
    void firmwareReadyWhenLinked(int tries);
    bool firmwareFaultAt(FirmwareFault fault, int packet);

    void emitLine(const QString& line);
    void emitUnitLine(const QString& line);
    void writeLine(const QString& line);
    void enterDataMode(int linkId);
    void leaveDataMode();
    void drainInput();
    int freeLinkId() const;
    int addLink(const QString& profile, const QString& peer);
    void closeLink(int id, bool report);
    void connectAudio();
    void autoCallTick();
    void restartAutoCall();
    void reboot();
    void factorySettings();
    void dumpSettings();
    void sendUnitMuteState();
    void chaosTick();
    void later(int ms, std::function<void()> f);
    void record(bool data, const QString& line);

    const Role m_role;
    BtControlLines* m_lines;
    PtyPeer* m_pty = nullptr;
    QTimer* m_autoCallTimer = nullptr;
    QTimer* m_chaosTimer = nullptr;
    Timing m_timing;

    QString m_address;
    QString m_peerAddress;
    bool m_peerPresent = false;
    QStringList m_paired;
    QList<QPair<QString, QString>> m_settings; // "BT NAME" -> "TKR9400_MIC", in set order
    QMap<int, Link> m_links;
    bool m_dataMode = false;
    int m_dataLink = -1;
    int m_pendingCall = -1;
    int m_generation = 0; // bumps on reboot and link loss: delayed answers of before die
    QByteArray m_rx;
    QByteArray m_heldEvents;     // module events while in data mode
    QByteArray m_heldUnitOutput; // unit lines while in command mode
    QByteArray m_lineEnd = "\r\n";
    bool m_moduleSilent = false;
    bool m_echo = false;
    bool m_answerDataCalls = true;
    bool m_inquiryScripted = false;
    QList<InquiryDevice> m_inquiryDevices;
    PairingAnswer m_pairingAnswer = PairingAnswer::ByDevice;
    quint32 m_chaosState = 1;

    // The sensor unit.
    bool m_unitSilent = false;
    int m_unitReplyDelayMs = 0;
    int m_unitMicGain = 15;
    QString m_unitMuteState = QStringLiteral("MUTE");
    QString m_unitButtonMode = QStringLiteral("PUSHBUT");
    int m_unitBatteryMv = 3950;
    int m_unitSensorType = 1;
    QString m_unitFirmware = QStringLiteral("1.4.2");
    QString m_unitHardware = QStringLiteral("2.0");
    QStringList m_unitConfigDump;
    // The firmware receiver.
    QByteArray m_fwImage;
    qint64 m_fwSize = -1; // -1: no header accepted
    qint64 m_fwReceived = 0;
    int m_fwExpectedPacket = 0;
    QString m_fwNewVersion;
    FirmwareFault m_fwFault = FirmwareFault::None;
    int m_fwFaultPacket = 0;
    int m_fwFaultMs = 0;
    H2SensorSim m_h2;

    // The headphones.
    int m_headphoneBatteryLevel = 5;
    int m_headphoneVolume = 50;

    QElapsedTimer m_clock;
    mutable QMutex m_transcriptMutex;
    QList<Entry> m_transcript;
    QString m_transcriptFile;
};

// The DTR and carrier-detect lines that both modules share (GPIO 58 and 59 in the
// simulated tree): watches the DTR value file the instrument writes and writes carrier
// detect high while any module is in data mode.
class BtControlLines : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPollMs = 2;

    explicit BtControlLines(const QString& root, QObject* parent = nullptr);
    ~BtControlLines() override;

    void start();
    void attach(BtModuleSim* module);
    void dataModeChanged();
    bool dtr() const { return m_dtr; }

    // A write of the instrument in the same process, as it happens (any thread): the
    // control lines of the tree that holds hostPath hear it in write order and stop
    // polling, so no pulse is lost however late their thread runs.
    static void notifyWrite(const QString& hostPath, const QByteArray& value);

private:
    void poll();
    void dtrWritten(bool high);
    void applyDtr(bool high);
    void writeCarrierDetect(bool high);

    QString m_dtrFile;
    QString m_cdFile;
    QTimer* m_timer;
    QList<QPointer<BtModuleSim>> m_modules;
    bool m_dtr = false;
    int m_cd = -1;
};

// Both modules with their shared control lines, as the executable and the tests use them.
class BtSimulator : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        QString root;
        bool sink = true;   // "/dev/ttyO2", sensor unit behind it
        bool source = true; // "/dev/ttyO3", headphones behind it
        bool paired = false; // the modules know unit and headphones, so the links come up
        QString unitAddress = QString::fromLatin1(BtModuleSim::kDefaultUnitAddress);
        QString headphoneAddress = QString::fromLatin1(BtModuleSim::kDefaultHeadphoneAddress);
        BtModuleSim::Timing timing;
    };

    explicit BtSimulator(QObject* parent = nullptr);
    ~BtSimulator() override;

    // Simulator thread only.
    bool start(const Options& options, QString* error = nullptr);
    BtModuleSim* sink() const { return m_sink; }
    BtModuleSim* source() const { return m_source; }

    // One control line from the run script ("mute", "unmute", "press", "release", ...);
    // returns an answer for the operator, empty when the line was not understood.
    QString control(const QString& line);
    static QString controlHelp();

    // Puts the two peer addresses into the instrument's settings file when it exists and
    // holds none yet, as after a pairing. Returns true when the file was changed.
    static bool fillSettingsAddresses(const QString& root, const QString& unitAddress, const QString& headphoneAddress);

private:
    static bool firmwareControl(BtModuleSim* unit, const QStringList& tokens);
    static QString h2Control(BtModuleSim* unit, const QStringList& tokens);

    BtControlLines* m_lines = nullptr;
    BtModuleSim* m_sink = nullptr;
    BtModuleSim* m_source = nullptr;
};

// A simulator on a thread of its own, as a separate device is: the instrument's blocking
// waits for carrier detect see it answer. For tests; destroy it after the links that use it.
class BtSimulatorThread
{
public:
    BtSimulatorThread();
    ~BtSimulatorThread();
    BtSimulatorThread(const BtSimulatorThread&) = delete;
    BtSimulatorThread& operator=(const BtSimulatorThread&) = delete;

    bool start(const BtSimulator::Options& options, QString* error = nullptr);
    BtSimulator* simulator() const { return m_sim; }
    BtModuleSim* sink() const;
    BtModuleSim* source() const;

private:
    QThread m_thread;
    BtSimulator* m_sim = nullptr;
};

template <typename F> void BtModuleSim::post(F&& f)
{
    if (QThread::currentThread() == thread())
        f();
    else
        QMetaObject::invokeMethod(this, std::forward<F>(f), Qt::QueuedConnection);
}

template <typename R, typename F> R BtModuleSim::ask(F&& f) const
{
    if (QThread::currentThread() == thread())
        return f();
    R result{};
    QMetaObject::invokeMethod(
        const_cast<BtModuleSim*>(this), [&result, &f] { result = f(); }, Qt::BlockingQueuedConnection);
    return result;
}

#endif // BTMODULESIM_H
