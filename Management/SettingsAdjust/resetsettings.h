#ifndef RESETSETTINGS_H
#define RESETSETTINGS_H

#include "Management/SettingsAdjust/settingsdialog.h"

namespace Ui {
class ResetSettings;
}

// Explains the reset to the delivery state and asks once more before it is accepted.
// The reset itself is done by the settings screen.
class ResetSettings : public SettingsDialog
{
    Q_OBJECT

public:
    explicit ResetSettings(QWidget* parent = nullptr);
    ~ResetSettings() override;

private slots:
    void on_butMenuBack_clicked();
    void on_butReset_clicked();

private:
    Ui::ResetSettings* ui;
};

#endif // RESETSETTINGS_H
