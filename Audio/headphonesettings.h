#ifndef HEADPHONESETTINGS_H
#define HEADPHONESETTINGS_H

#include "Tools/escapedialog.h"

namespace Ui {
class Headphonesettings;
}
class Bluetooth;

// The volume of the Bluetooth headphones, which keep it themselves: the buttons ask the
// headphone link for a step up or down, and the dialog shows the step the link holds,
// 0 to 15, also when it is changed on the headphones. From a threshold on (later with
// the hearing protection on) a warning about hearing damage shows. Nothing is undone
// on leaving, whichever way.
class Headphonesettings : public EscapeDialog
{
    Q_OBJECT

public:
    // Steps from which the warning shows, with and without the hearing protection.
    static constexpr int kWarningStepProtected = 14;
    static constexpr int kWarningStepUnprotected = 9;

    explicit Headphonesettings(QWidget* parent = nullptr);
    ~Headphonesettings() override;

    int getVolume() const { return m_headphoneVolStep; }

public slots:
    void headphoneVolumeChanged(int a_volPercent);
    void updateColors();

private slots:
    void on_butVolUp_clicked();
    void on_butVolDown_clicked();
    void on_butClose_clicked();

private:
    void changeVolume(bool up);
    void showVolume();

    Ui::Headphonesettings* ui;
    Bluetooth* m_btSource = nullptr;
    int m_headphoneVolStep = 0;
};

#endif // HEADPHONESETTINGS_H
