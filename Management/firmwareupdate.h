#ifndef FIRMWAREUPDATE_H
#define FIRMWAREUPDATE_H

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <QThread>

namespace Ui {
class Firmwareupdate;
}
class Bluetooth;
class FileCopyThread;
class QTimer;

// The firmware update wizard, for the instrument itself ("TKR 9400") and for the sensor
// unit ("QJ-5"). The firmware file is the newest matching one in the root of the data
// partition; without one the user is led through the USB export to bring one.
//
// The instrument's firmware is only staged: copied (verified) with the partition's
// settings file into "/home/root/firmware", then "reboot" into the run-mode file and a
// restart; what installs it runs after the restart. The sensor unit's firmware goes over
// the Bluetooth data link in acknowledged 64-byte packets.
class Firmwareupdate : public QDialog
{
    Q_OBJECT
public:
    // The periods of the wizard; tests shorten them.
    struct Timing
    {
        int progressMs = 500;          // progress poll of the staging copy
        int rebootDelayMs = 3000;      // final page until the restart
        int answerMs = 3000;           // the unit's answer to the header and to each packet
        int startAnswerMs = 15000;     // the unit's answer to the update start
        int restartMs = 30000;         // the unit's restart after the update start
    };
    static Timing& timing();

    static const int PacketSize = 64;
    // A sensor-unit image is far below this; a larger file is not one, and is not read.
    static const qint64 kMaxQj5FirmwareBytes = 8 * 1024 * 1024;
    // Of the firmware files, only one longer than this is taken.
    static const qint64 kMinFirmwareBytes = 1000;

    enum class TransferState { Idle, WaitHeader, WaitData, WaitStart, WaitRestart };

    explicit Firmwareupdate(QWidget* parent = nullptr);
    ~Firmwareupdate() override;

    static int getFwFilename(QString* filename, QString directory, QString nameFilter);
    static QString getFwVersionFromFilename(QString filename);

    TransferState transferState() const { return m_transferState; }
    bool isCopying() const { return m_copying; }

signals:
    void startCopy(QString source, QString target);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butUpdateTK9400_clicked();
    void on_butUpdateQJ5_clicked();
    void on_butConnect_clicked();
    void on_butDisconnect_clicked();
    void on_butAccept_clicked();
    void on_butCancel_clicked();
    void on_butCancelUpdate_clicked();
    void on_butMenuCancel_clicked();
    void on_butFinalOk_clicked();

    void updateProgress();
    void copyFinished();
    void doRebootTKR9400();

    void btFwHeaderReceived(bool ok);
    void btFwDataReceived(int packet, bool ok);
    void btFwStartUpdateReceived(bool ok);
    void deviceRestarted();
    void checkRestart();
    void updateError();
    void fwVersionReceived(QString version);

private:
    void chooseUnit(int unit, const char* filter, const char* logPrefix);
    void displayConnectUsbPage();
    void displayConfirmPage();
    void displayFinalPage();
    void doUpdateTKR9400();
    void doUpdateQJ5();
    bool stageSettings();
    void removeStagedFirmware();
    void firmwareFileUnusable(bool opened, bool removeIt);
    void showCopyFailed();
    void removeFirmwareFile();
    void sendPacket(int number);
    bool answerExpected(TransferState state, const char* what);
    QString firmwarePath() const;
    QString stagingPath() const;

    Ui::Firmwareupdate* ui;
    Bluetooth* m_btSink = nullptr;
    QTimer* m_timerProgress;
    FileCopyThread* firmwareFile;
    QTimer* m_timerCheck;
    QTimer* m_timerWaitRestart;
    QTimer* m_timerReboot;
    int m_updateUnit = 1;
    QString m_currentFwVersion;
    QString m_newFwVersion;
    QString m_newFwFilename;
    QThread m_fileCopy;
    bool m_connectedWithUsb = false;
    bool m_copying = false;

    QByteArray m_dataFwQj5;
    qint64 m_sizeFwQj5 = 0;
    qint64 m_transmittedBytesFwQj5 = 0;
    int m_currentPacketNum = 0;
    bool m_cancelUpdate = false;
    bool m_restartSuccessful = false;
    TransferState m_transferState = TransferState::Idle;
};

#endif // FIRMWAREUPDATE_H
