#ifndef MICSETTINGS_H
#define MICSETTINGS_H

#include "Tools/escapedialog.h"

namespace Ui {
class Micsettings;
}
class AudioCodecSetup;
class Bluetooth;
class MainMenu;
class QPushButton;

// One of six microphone gain steps, applied at once through MainMenu::setMicGainStep
// (the codec's input amplifier for the wired sensor, the sensor unit's microphone gain
// otherwise) and shown with its gain in dB. Accept makes the step the current one that
// each measuring page applies when it opens; leaving with the on/off key keeps the gain
// applied but the current step as it was.
class Micsettings : public EscapeDialog
{
    Q_OBJECT

public:
    explicit Micsettings(QWidget* parent = nullptr);
    ~Micsettings() override;

    int getMicGainStep() const { return m_micGainStep; }

private slots:
    void on_butGain1_clicked();
    void on_butGain2_clicked();
    void on_butGain3_clicked();
    void on_butGain4_clicked();
    void on_butGain5_clicked();
    void on_butGain6_clicked();
    void on_butClose_clicked();

private:
    void chooseStep(int step);
    void readUnitGain();
    void showGain();
    QPushButton* stepButton(int step) const;

    Ui::Micsettings* ui;
    Bluetooth* m_btSink = nullptr;
    MainMenu* m_mainMenu = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    int m_micGainStep = 0;
    int m_groundMicGain = 0;
    int m_groundMicGain_dB = 0;
    float m_micPgaGain_dB = 0.0f;
};

#endif // MICSETTINGS_H
