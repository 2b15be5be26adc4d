#ifndef BLUETOOTH_H
#define BLUETOOTH_H

#include <QObject>
#include <QString>

class QSerialPort;
class QTimer;

// One Bluetooth module on a serial port: the sink module links the sensor unit on
// "/dev/ttyO2", the source module the headphones on "/dev/ttyO3".
// Placeholder: keeps the gains and addresses the rest of the system sets; the serial
// line, the link state machine and the module protocol are not running yet.
class Bluetooth : public QObject
{
    Q_OBJECT
public:
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

    void setBtExtMicGain(int gain) { m_btExtMicGain = gain; }
    int getBtExtMicGain() const { return m_btExtMicGain; }
    void setBtDacGain(int gain) { m_btDacGain = gain; }
    int getBtDacGain() const { return m_btDacGain; }
    void setBtAdcGain(int gain);
    void setBtLastAdcGain();
    int getBtAdcGain() const { return m_btAdcGain; }

    void setBtExtHeadphoneGain(int volPercent);
    void setBtExtHeadphoneVolUp();
    void setBtExtHeadphoneVolDown();
    int getBtExtHeadphoneGain() const { return m_btExtHeadphoneStep; }

    void disconnectBtDevice();
    void requestHeadphoneBatteryState();
    int getBtExtHeadphoneBatteryState() const { return m_btExtHeadphoneBattery; }

    void initBtModulSource();
    void initBtModulSink();
    void initBtModulSourceTestmode();

    QString getBtIdModul() const { return m_btIdModul; }
    QString getBtName() const { return m_btName; }
    int getBtProfile() const { return m_btProfile; }
    QString getPortName() const { return m_portName; }
    QString getBtId() const { return m_btId; }

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
    void btEnableReceivePressuredata(bool enable, int interval, unsigned short low, unsigned short high);
    void btPressuredataReceived(int index, QString data);

private:
    QString m_portName;
    QString m_btId;
    QString m_btIdModul;
    QString m_btName = QStringLiteral("unknown");
    int m_btProfile = 0;
    bool m_connectedA2DP = false;
    bool m_connectedRFCOMM = false;
    bool m_connectedAVRCP = false;
    bool m_callBtDeviceRfcomm = false;
    int m_btExtMicGain = 15;
    int m_btDacGain = 15;
    int m_btAdcGain = 0;
    int m_btLastAdcGain = 0;
    int m_btExtHeadphoneStep = 8;
    int m_btExtHeadphoneBattery = -1;
};

#endif // BLUETOOTH_H
