#ifndef BLUETOOTHPAIRING_H
#define BLUETOOTHPAIRING_H

#include <QDialog>
#include <QString>

namespace Ui {
class BluetoothPairing;
}
class Bluetooth;
class QColor;
class QKeyEvent;
class QTimer;

// Pairs a new Bluetooth peer for the headphone link (device 0, the source module) or the
// sensor-unit link (device 1, the sink module): an inquiry on the chosen module, up to
// three devices of the right class offered as buttons, "PAIR" for the one touched.
//
// The dialog is accepted only when the module the user pairs on confirms the pairing of
// exactly the chosen address while the pairing wait runs; the opener then stores
// getBluetoothId() and getBluetoothName() and restarts the link. Every other way out
// rejects it.
class BluetoothPairing : public QDialog
{
    Q_OBJECT

public:
    // Periods in milliseconds. The device runs with the defaults; host tests shorten them.
    struct Timing
    {
        int tickMs = 500;         // progress and receive-log updates
        int searchMs = 15000;     // the inquiry runs this long before the log is analysed
        int pairingWaitMs = 10000; // the module's pairing confirmation is awaited this long
    };
    static Timing& timing();

    static constexpr int kMaxResults = 10;   // inquiry results and name results kept
    static constexpr int kDeviceButtons = 3; // devices offered
    // Class-of-device bits (upper 16 of the 24) a peer must have: audio service, major
    // class audio/video, and rendering (headphones) or capturing (sensor unit).
    static constexpr unsigned kHeadphoneClassMask = 0x2404;
    static constexpr unsigned kSensorUnitClassMask = 0x2804;

    explicit BluetoothPairing(QWidget* parent = nullptr);
    ~BluetoothPairing() override;

    // 1 selects the sensor unit; every other value the headphones (stored as 0). Drops the
    // selected link's current peer: pairing needs the module free.
    void setPairingDevice(int device);
    int getPairingDevice() const { return m_pairingDevice; }
    // Address and name of the device chosen last; empty before one was chosen.
    QString getBluetoothId() const;
    QString getBluetoothName() const;

public slots:
    void updateProgbar();
    void waitForPairing();
    void pairingOkReceived();

private slots:
    void on_butSearch_clicked();
    void on_butCancel_clicked();
    void on_butInfo_clicked();
    void on_butBtDev_1_clicked();
    void on_butBtDev_2_clicked();
    void on_butBtDev_3_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    Bluetooth* selectedLink() const;
    void updateBtInfo();
    void appendToLog(const QString& text, const QColor& color);
    void analyseReceivedData();
    void chooseDevice(int index);
    void pairBtDevice(int n);
    bool pairingConfirmed() const;

    Ui::BluetoothPairing* ui;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    QTimer* m_timer;
    QTimer* m_timerPairing;
    int m_currentPage = 1;
    QString m_stylesheetMic;
    QString m_stylesheetHp;
    int m_milliseconds = 0;
    int m_selBtDevice = -1; // none chosen yet
    QString m_bluetoothIdButton[kMaxResults];
    QString m_bluetoothNameButton[kMaxResults];
    QString m_bluetoothIdInquiry[kMaxResults];
    QString m_bluetoothIdName[kMaxResults];
    QString m_bluetoothNameTmp[kMaxResults];
    QString m_bluetoothName[kMaxResults];
    QString m_bluetoothClass[kMaxResults];
    int m_pairingDevice = 0;

    // What the selected module said since the pairing command: only here counts its
    // confirmation, not in text of the other module or of an earlier search.
    QString m_pairingAnswer;
};

#endif // BLUETOOTHPAIRING_H
