#ifndef SELECTSWITCHMODE_H
#define SELECTSWITCHMODE_H

#include "Management/SettingsAdjust/settingsdialog.h"

#include <QString>

namespace Ui {
class SelectSwitchmode;
}

// Chooses how the mute key works: "Switch" (each press toggles the listening path) or
// "Push-Button" (the path is open while the key is held).
class SelectSwitchmode : public SettingsDialog
{
    Q_OBJECT

public:
    explicit SelectSwitchmode(QWidget* parent = nullptr);
    ~SelectSwitchmode() override;

    void init(QString mode);
    QString getSwitchmode() const { return m_switchmode; }

private slots:
    void on_butSwitch_clicked();
    void on_butPushButton_clicked();
    void on_butSwitchSelect_clicked();

private:
    void updateStylesheetSwitchmode();

    Ui::SelectSwitchmode* ui;
    // Kept as given: a stored text that is neither mode is handed back unchanged unless
    // the user picks one.
    QString m_switchmode;
};

#endif // SELECTSWITCHMODE_H
