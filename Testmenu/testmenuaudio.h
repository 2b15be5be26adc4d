#ifndef TESTMENUAUDIO_H
#define TESTMENUAUDIO_H

#include "Testmenu/testdialog.h"

#include <QString>

class AudioCodecSetup;
class Bluetooth;
class QFile;
class QTimer;

namespace Ui {
class TestmenuAudio;
}

// The audio channel test of the production test menu, opened by its button or by
// "cmdTestAudioChannels". The sink module pairs with and calls the station's test
// microphone, the source module its test headphone; then one of three codec inputs is
// selected and its level and frequency (channels 1 and 3) or the test microphone's sensor
// value (channel 2, the PWM input) are shown and answered. The dialog judges nothing.
//
// Leaving it restores neither the modules, the codec, the PWM output nor the connector:
// the listening path stays open.
class TestmenuAudio : public TestDialog
{
    Q_OBJECT

public:
    // Periods in milliseconds; tests shorten them.
    struct Timing
    {
        int callStateMs = 500;   // call-state checks after a pairing or a call
        int valueUpdateMs = 500; // readings while the headphone call is up
        int linkWatchMs = 1000;  // watch of a call that is up
        int lostRetryMs = 2000;  // call-state check after a lost link
    };
    static Timing& timing();

    // Built in when the address file is missing.
    static const char* const kDefaultMicId;
    static const char* const kDefaultHpId;

    explicit TestmenuAudio(QWidget* parent = nullptr);
    ~TestmenuAudio() override;

public slots:
    void updateStateSink();
    void updateStateSource();
    void updateValue();
    void checkConnectionSink();
    void checkConnectionSource();
    void btModulResetReceivedSink();
    void btModulResetReceivedSource();
    void btModulPairingSinkOk();
    void btModulPairingSourceOk();
    void btReceivedSensorvalue(QString sensorvalue, QString activeTime);

protected:
    bool executeOwnCommand(const QString& line) override;
    bool leaving() override;

private slots:
    void on_butSelCh_1_clicked();
    void on_butSelCh_2_clicked();
    void on_butSelCh_3_clicked();
    void on_butStartConnection_clicked();
    void on_butMute_clicked();
    void on_butPair_clicked();
    void on_butCall_clicked();

private:
    void readAddressFiles();
    void showAddresses();
    bool writePwm(const char* absolutePath, const QByteArray& value);
    QString levelAnswer(int channel) const;
    QString frequencyAnswer(int channel) const;

    Ui::TestmenuAudio* ui;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    QTimer* m_timerSink = nullptr;
    QTimer* m_timerSource = nullptr;
    QTimer* m_timerValueUpdate = nullptr;
    QTimer* m_timerCheckBtConnectionSink = nullptr;
    QTimer* m_timerCheckBtConnectionSource = nullptr;
    QFile* m_filePeriod = nullptr;
    int m_inputPath = 1;
    // The test devices' addresses as read; only a well-formed one goes into module commands.
    QString m_btIdMic;
    QString m_btIdHp;
    bool m_btIdMicValid = false;
    bool m_btIdHpValid = false;
    int m_h2level = 0;
    float m_levelCh1 = 0;
    float m_levelCh2 = 0;
    float m_levelCh3 = 0;
    int m_frequCh1 = 0;
    int m_frequCh2 = 0;
    int m_frequCh3 = 0;
    // The analysis' block count at the last reading: a reading counts only after a new block.
    quint64 m_blocksAtLastReading = 0;
};

#endif // TESTMENUAUDIO_H
