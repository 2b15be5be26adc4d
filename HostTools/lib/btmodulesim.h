#ifndef BTMODULESIM_H
#define BTMODULESIM_H

#include "btpeerchannel.h"
#include "headphonesim.h"
#include "sensorunitsim.h"
#include "testdevicesim.h"

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
// sensor unit (SensorUnitSim) behind the sink module ("/dev/ttyO2"), the headphones
// (HeadphoneSim) behind the source module ("/dev/ttyO3"), the test station's device
// (TestDeviceSim) behind either.
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
class BtModuleSim : public QObject, private BtPeerChannel
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
    // The production test station's devices when their address files name none.
    static const char* const kTestMicrophoneAddress;
    static const char* const kTestHeadphoneAddress;
    // The module name of the source module's test-mode set-up: after a restart with it the
    // source module takes the sink module's pairing and call (the instrument's own loop).
    static const char* const kTestModeName;

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
    // Misbehaviour: a restart ("RESET", "SET RESET") writes no banner ("WRAP THOR ...",
    // "READY."), so the instrument never hears of it.
    void setRestartBanner(bool banner);
    // Misbehaviour: set-up lines ("SET <key> <value>", "SET BT PAIR *") change nothing and
    // "SET RESET" keeps the settings; queries ("SET", "SET BT BDADDR") are still answered.
    void setIgnoreSetupLines(bool ignore);
    // The stored settings become the factory set-up of a module of that role (a source
    // module still set up as a sink, say).
    void setSettingsOf(Role role);
    // Misbehaviour: the sensor unit stays silent / answers late.
    void setUnitSilent(bool silent);
    void setUnitReplyDelay(int ms);
    // The peer goes out of range: every link to it drops; it comes back after outageMs
    // (never when negative).
    void dropPeerLinks(int outageMs) override;
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
    // The production test station's device behind this module (test microphone behind the
    // sink, test headphone behind the source): in range, pairable and callable while
    // present; its address is the first line of addressFile, or builtIn without the file.
    // The test microphone answers like the sensor unit, "BT_TX S" with the value set here.
    void setTestDevice(bool present, const QString& addressFile, const QString& builtIn);
    void setTestSensorValue(const QString& value, const QString& activeTime);
    // The other module of the instrument (same thread): the sink pairs with and calls the
    // source while the source holds the test-mode set-up.
    void setOtherModule(BtModuleSim* other);
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

    // --- the sensor unit's firmware receiver (sink; see SensorUnitSim) --------------
    using FirmwareFault = SensorUnitSim::FirmwareFault;
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
    qint64 clockMs() const override { return m_clock.elapsed(); }
    // Also appends every line received to this file, after the port name and "C " or "D "
    // (command or data mode).
    void setTranscriptFile(const QString& path);

    // Called by the control lines on a rising DTR.
    void onDtrRaised();

    // Simulator thread only: the source module restarted with the test-mode set-up; what
    // kind of device an address is to this module ("unit", "headphones", "test-microphone",
    // "test-headphone", "sink-module", "source-module"); the links as they are now.
    bool inTestMode() const { return m_testMode; }
    QString peerKind(const QString& address) const;
    QList<Link> currentLinks() const { return m_links.values(); }

signals:
    void lineReceived(const QString& line, bool dataMode);
    // A link came or went, or the test mode changed (simulator thread).
    void linksChanged();

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

    // What the peers see of the module (BtPeerChannel).
    void sendToInstrument(const QString& line) override;
    void later(int ms, std::function<void()> f) override;
    void afterwards(int ms, std::function<void()> f) override;
    bool dataChannelOpen() const override { return m_dataLink >= 0 && m_dataMode; }

    void emitLine(const QString& line);
    void writeLine(const QString& line);
    void enterDataMode(int linkId);
    void leaveDataMode();
    void drainInput();
    int freeLinkId() const;
    int addLink(const QString& profile, const QString& peer);
    void closeLink(int id, bool report, bool tellOther = true);
    bool isOtherModule(const QString& address) const;
    bool peerReachable(const QString& address) const;
    void acceptLoopAudio(const QString& from);
    void otherModuleGone(const QString& address);
    void connectAudio();
    void autoCallTick();
    void restartAutoCall();
    void reboot();
    void factorySettings(Role role);
    void dumpSettings();
    void chaosTick();
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
    bool m_restartBanner = true;
    bool m_ignoreSetup = false;
    bool m_inquiryScripted = false;
    QList<InquiryDevice> m_inquiryDevices;
    PairingAnswer m_pairingAnswer = PairingAnswer::ByDevice;
    TestDeviceSim m_testDevice;
    BtModuleSim* m_other = nullptr;
    bool m_testMode = false;
    quint32 m_chaosState = 1;

    // The peers behind the module: only the sink's unit and the source's headphones are
    // ever reached.
    SensorUnitSim m_unit{this};
    HeadphoneSim m_headphones;

    QElapsedTimer m_clock;
    mutable QMutex m_transcriptMutex;
    QList<Entry> m_transcript;
    QString m_transcriptFile;
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
