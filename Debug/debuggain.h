#ifndef DEBUGGAIN_H
#define DEBUGGAIN_H

#include <QDialog>

class AudioCodecSetup;
class Bluetooth;
class QKeyEvent;
class QTimer;

namespace Ui {
class DebugGain;
}

// Service dialog that sets every gain of the listening chain by hand (sensor-unit
// microphone, both Bluetooth modules, the codec's input and output stages, the headphone
// volume) and shows them together on an overview; every change is applied at once and
// nothing is restored on closing. What goes to and comes from the two links is kept in a
// message log: Info shows the overview, and from the overview the log.
class DebugGain : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kUpdateIntervalMs = 100;
    // Page numbers of selectPage().
    enum Page { PageBtMic = 1, PageRoutingCodec, PageCodecIn, PageCodecOut, PageBtHeadphone, PageOverview, PageMessages };

    explicit DebugGain(QWidget* parent = nullptr);
    ~DebugGain() override;

    // Once, after construction: takes the links and the codec, applies the default set,
    // mutes the listening path and starts the reply polling and the background recording.
    void init();
    void updateOverview();
    void selectPage(int page);
    int currentPage() const { return m_currentPage; }

    // The mixer amplifier's attenuation in dB for a step of its slider.
    static float mixerAmpGain_dB(int step);

public slots:
    void updateBtInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_slideGainMic_valueChanged(int value);
    void on_slideGainMixerAmpAudiocodec_valueChanged(int value);
    void on_slideGainDacBluetooth_valueChanged(int value);
    void on_slideGainPgaAudiocodec_valueChanged(int value);
    void on_slideGainAdcLevelgain_valueChanged(int value);
    void on_slideGainLineOutAudiocodec_valueChanged(int value);
    void on_slideGainAdcBluetooth_valueChanged(int value);
    void on_slideGainDacPcmAudiocodec_valueChanged(int value);
    void on_slideGainHeadphone_valueChanged(int value);
    void on_butInfoMicSettings_clicked();
    void on_butIn1_clicked();
    void on_butIn2_clicked();
    void on_butIn3_clicked();
    void on_butCM_0x78_clicked();
    void on_butEnableLoopback_clicked();
    void on_butStartRecording_clicked();
    void on_butVolHpUp_clicked();
    void on_butVolHpDown_clicked();
    void on_butDefault_clicked();
    void on_butCallMic_clicked();
    void on_butCallHeadphone_clicked();
    void on_butUp_clicked();
    void on_butDown_clicked();
    void on_butInfo_clicked();
    void on_butHome_clicked();

private:
    void selectInputPath(int input);
    void showHeadphoneVolStep(int step);
    void sendToSink(const QString& command);
    void sendToSource(const QString& command);
    // One line of the message log: the marker, a blank and the text, trimmed.
    void logMessage(const QString& marker, const QString& text = QString());
    void appendOverviewLine(const QString& line);

    Ui::DebugGain* ui;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    QTimer* m_timer = nullptr;
    int m_currentPage = 0;
    int m_lastPage = 0;
    int m_acRoutingInputPath = 0;
    int m_groundMicGain = 0;
    int m_groundMicGain_dB = 0;
    int m_btDacGain = 0;
    int m_btDacGain_dB = 0;
    int m_acPgaGain = 0;
    float m_acPgaGain_dB = 0;
    int m_acMixerAmpGain = 0;
    float m_acMixerAmpGain_dB = 0;
    int m_acAdcLevelgain = 0;
    float m_acAdcLevelgain_dB = 0;
    int m_acDacPcmGain = 0;
    float m_acDacPcmGain_dB = 0;
    int m_btAdcGain = 0;
    int m_btAdcGain_dB = 0;
    int m_acLineOutGain = 0;
    float m_acLineOutGain_dB = 0;
    int m_headphoneVolStep = 0;
};

#endif // DEBUGGAIN_H
