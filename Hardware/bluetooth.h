#ifndef BLUETOOTH_H
#define BLUETOOTH_H

#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialPort;
class QTimer;

// One Bluetooth module on a serial port: the sink module links the sensor unit on
// "/dev/ttyO2" (A2DP sink plus an RFCOMM data channel for the unit's line protocol),
// the source module the headphones on "/dev/ttyO3" (A2DP source, AVRCP target, HFP
// audio gateway).
//
// The module speaks text commands in command mode; in data mode the serial line is a
// transparent channel to the sensor unit. DTR (GPIO 58) asks for command mode, carrier
// detect (GPIO 59) is high while the module is in data mode. A small state machine
// (updateState) calls the peer, keeps the data channel up and switches the modes.
// Everything runs on the GUI thread.
class Bluetooth : public QObject
{
    Q_OBJECT
public:
    // Periods of the link in milliseconds. The device runs with the defaults; host tests
    // shorten them to drive the link quickly.
    struct Timing
    {
        int idleTickMs = 50;            // idle state and lost-link state
        int slowTickMs = 1000;          // calling and resting states
        int fastTickMs = 10;            // waiting for the data channel and for carrier detect
        int retryDelayMs = 2000;        // after giving up on the data channel
        int replyTimeoutMs = 2000;      // window for the sensor unit's reply
        int dataModeSettleMs = 2000;    // link start: module found in data mode
        int carrierPollMs = 10;         // blocking carrier-detect polls
        int carrierWaitLimitMs = 3000;  // blocking carrier-detect waits give up after this
        int disconnectPauseMs = 500;    // between switching auto-call off and the kill
    };
    static Timing& timing();

    // Fast ticks spent waiting for the data channel before it is torn down and called again.
    static constexpr int kRfcommWaitTicks = 200;
    // Sensor-unit lines that can wait behind the one in flight.
    static constexpr int kTransmitSlots = 32;
    // A received line longer than this is dropped; so is the rest of it up to its line end.
    static constexpr int kMaxLineBytes = 4096;
    // getData() keeps at most this much of what was received and not yet collected.
    static constexpr int kMaxCollectedChars = 64 * 1024;
    // A flood of unit lines must not fill the data partition: the trace starts anew beyond this.
    static constexpr qint64 kMaxTraceBytes = 1024 * 1024;

    explicit Bluetooth(QObject* parent = nullptr);
    ~Bluetooth() override;

    void initBluetooth(QString portName, QString btId);
    void resetBluetooth(QString btId);
    void callBtDeviceA2DP(bool rfcomm);
    void callBtDeviceRFCOMM();
    void switchBtMode(int btMode);

    void sendData(QString data);
    QString getData();
    void clearData();

    bool isConnectedA2DP() const { return m_connectedA2DP; }
    bool isConnectedRFCOMM() const { return m_connectedRFCOMM; }
    bool isConnectedAVRCP() const { return m_connectedAVRCP; }

    void setBtExtMicGain(int gain);
    int getBtExtMicGain() const { return m_btExtMicGain; }
    void setBtDacGain(int gain);
    int getBtDacGain() const { return m_btDacGain; }
    void setBtAdcGain(int gain);
    void setBtLastAdcGain();
    int getBtAdcGain() const { return m_btAdcGain; }

    void setBtExtHeadphoneGain(int volPercent);
    void setBtExtHeadphoneVolUp();
    void setBtExtHeadphoneVolDown();
    int getBtExtHeadphoneGain() const { return m_btExtHeadphoneGain; }

    void disconnectBtDevice();
    void requestHeadphoneBatteryState();
    int getBtExtHeadphoneBatteryState() const { return m_btExtHeadphoneBatteryState; }

    void initBtModulSource();
    void initBtModulSink();
    void initBtModulSourceTestmode();

    QString getBtIdModul() const { return m_btIdModul; }
    QString getBtName() const { return m_btName; }
    int getBtProfile() const { return m_btProfile; }
    // Forgets the module name and profile parsed so far, so that only the module's next
    // answer to "SET" can tell them again (a silent module then reads as unnamed).
    void forgetModuleSettings();
    QString getPortName() const { return m_portName; }
    QString getBtId() const { return m_btId; }
    QString getFwVersion() const { return m_fwVersion; }
    // Link state (-1 idle, 0..9) and module mode (0 command, 1 data), for diagnostics.
    int getBtState() const { return m_btState; }
    int getBtMode() const { return m_btMode; }

    static int convertVolPercentToVolStep(int a_volPercent);
    static int convertVolStepToVolPercent(int a_volStep);

public slots:
    void updateState();
    void sendDebugCmd();
    void readTtyData();
    void transmitTimeout();

signals:
    void connectionLost();
    void stateActiveMuteChanged(bool muted);
    void terminationStringDetected();
    void btAlertMessageReceived(QString alert);
    void btSensortypeReceived(QString type);
    void btBatteryvoltageReceived(QString millivolts);
    void btSensorvalueReceived(QString value, QString activeTime);
    void btHeadphoneBatteryStateReceived(int percent);
    void btConnectedRfcomm();
    void btHeadphoneVolumeChanged(int volume);
    void btModulReset();
    void btPairingOk();
    void btAtOk();
    void btFwHeaderReceived(bool ok);
    void btFwDataReceived(int packet, bool ok);
    void btFwStartUpdateReceived(bool ok);
    void btAnswerFromDeviceReceived();
    void btRdyReceived();
    void btFirmwareVersion(QString version);
    // The pressure stream of the sensor unit. No line of the unit's protocol carries it yet,
    // so the link emits neither; the pressure page takes them. Before a stream: enable true,
    // sensor the full scale in whole bar, adMin and adMax the converter values at 0 bar and
    // at full scale (adMax > adMin); enable false when it ends.
    void btEnableReceivePressuredata(bool enable, int sensor, unsigned short adMin, unsigned short adMax);
    // One packet: dataCnt samples at 100 a second, sample i as 3 hex digits at character
    // 4 * i of pressuredata, each followed by one separator.
    void btPressuredataReceived(int dataCnt, QString pressuredata);

private:
    void resetLinkFields();
    void rereadStoredSettings();
    QString acceptPeerAddress(const QString& address) const;
    // Whether the module is in data mode or may have entered it: module commands wait.
    bool moduleTakesData() const;
    void addToTransmitBuffer(QString data);
    void sendNextQueuedLine();
    void writeUnitLine(const QString& line);
    void analyseAnswer();
    void analyseLine(const QString& line);
    void analyseUnitLine(const QString& line);
    void writeToPort(const QByteArray& bytes);
    void writeLine(const QString& line);
    void drainOutput();
    bool waitForCarrierDetect(bool high);
    void returnToCommandModeNow();
    void flushCommandOutputBuffer();
    void dropAllLinks();
    void tearDownDataChannel();
    void collect(const QString& text);
    void writeBluetoothCmdsDbg(QString text);
    bool isSensorUnitLink() const;

    QSerialPort* uartPort;
    QTimer* m_btStateTimer;
    QTimer* m_btTimerTransmit;
    QString m_btId;
    QString m_btIdModul;
    // Bytes received and not yet split into lines; kept as bytes so that a character
    // split across two reads is decoded whole.
    QByteArray m_btAnswer;
    QString m_btAnswerCopy;
    QString m_btIdMicrophone;
    QString m_btIdHeadphone;
    int m_btMode = 0;
    int m_tempLinkId = -1;
    int m_linkId0_A2DP = -1;
    int m_linkId1_A2DP = -1;
    int m_linkId2_RFCOMM = -1;
    int m_linkId2_AVRCP = -1;
    int m_linkId3_HFP = -1;
    bool m_connectedA2DP = false;
    bool m_connectedRFCOMM = false;
    int m_waitCntConnectRfcomm = 0;
    bool m_connectedAVRCP = false;
    bool m_connectedHFP = false;
    bool m_callBtDeviceRfcomm = false;
    bool m_switchToDataMode = false;
    bool m_switchToCommandMode = false;
    int m_btExtMicGain = 15;
    int m_btDacGain = 15;
    int m_btAdcGain = 0;
    int m_btLastAdcGain = 0;
    int m_btExtHeadphoneGain = 8;
    int m_btExtHeadphoneBatteryState = -1;
    QString m_btName = QStringLiteral("unknown");
    int m_btProfile = 0;
    bool m_btWaitForReadyAfterReset = false;
    QString m_fwVersion;
    int m_btState = -1;
    QString m_commandOutputBuffer;
    bool m_waitForBTRX = false;
    QString m_transmitBuffer[kTransmitSlots + 1];
    int m_numDataToTransmit = 0;

    QString m_portName;
    bool m_analysing = false;        // analyseAnswer() is on the stack
    bool m_discardToLineEnd = false; // the rest of an overlong line is still arriving
    bool m_inStateStep = false;      // updateState() is on the stack
};

#endif // BLUETOOTH_H
