#ifndef POWERSAVING_H
#define POWERSAVING_H

#include "Management/SettingsAdjust/settingsdialog.h"

#include <QString>

namespace Ui {
class PowerSaving;
}
class QPushButton;

// Chooses the two inactivity times in seconds: after how long the device switches itself
// off and after how long the backlight goes dark; 0 means never. Each is one of six fixed
// values; any other value is shown and returned as that group's fall-back.
class PowerSaving : public SettingsDialog
{
    Q_OBJECT

public:
    explicit PowerSaving(QWidget* parent = nullptr);
    ~PowerSaving() override;

    void init(int powerOffTime, int backlightOffTime);
    int getPowerOffTime(QString* text);
    int getBacklightOffTime(QString* text);

private slots:
    void on_butPow_1_clicked();
    void on_butPow_2_clicked();
    void on_butPow_3_clicked();
    void on_butPow_4_clicked();
    void on_butPow_5_clicked();
    void on_butPow_6_clicked();
    void on_butBl_1_clicked();
    void on_butBl_2_clicked();
    void on_butBl_3_clicked();
    void on_butBl_4_clicked();
    void on_butBl_5_clicked();
    void on_butBl_6_clicked();
    void on_butSwitchPower_clicked();
    void on_butSwitchBacklight_clicked();

private:
    struct Choices;
    static const Choices& powerChoices();
    static const Choices& backlightChoices();
    static int position(const Choices& choices, int seconds);
    static int normalised(const Choices& choices, int seconds);
    static QString text(const Choices& choices, int seconds);
    static int next(const Choices& choices, int seconds);

    void setPower(int seconds);
    void setBacklight(int seconds);
    void updateStylesheetPower();
    void updateStylesheetBacklight();

    Ui::PowerSaving* ui;
    int m_powerOffTime = 0;
    int m_backlightOffTime = 0;
};

#endif // POWERSAVING_H
