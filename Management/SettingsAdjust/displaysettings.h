#ifndef DISPLAYSETTINGS_H
#define DISPLAYSETTINGS_H

#include "Management/SettingsAdjust/settingsdialog.h"

#include <QByteArray>
#include <QString>

namespace Ui {
class Displaysettings;
}
class QFile;

// Chooses the display brightness (5 low, 6 medium, 7 high). Every choice goes to the
// backlight at once so the user sees it before accepting; leaving without accepting
// puts back the level the backlight had when the dialog opened.
class Displaysettings : public SettingsDialog
{
    Q_OBJECT

public:
    explicit Displaysettings(QWidget* parent = nullptr);
    ~Displaysettings() override;

    void init();
    int getBrightness(QString* text);
    static QString brightness2text(int level);
    void setBrightness(int level) { m_brightness = level; }
    // The backlight as it was when the dialog opened: after leaving without accepting, and
    // after an accepted level that could not be stored.
    void restoreBacklight();

public slots:
    void done(int result) override;

private slots:
    void on_butBrightnessHigh_clicked();
    void on_butBrightnessMedium_clicked();
    void on_butBrightnessLow_clicked();
    void on_butBrightnessSelect_clicked();

private:
    void choose(int level);
    void updateStylesheetBrightness();
    void writeBacklight(const QByteArray& value);

    Ui::Displaysettings* ui;
    QFile* fileBrightness;
    int m_brightness = 6;
    // What the backlight file held when the dialog opened; empty when it could not be read.
    QByteArray m_brightnessAtOpen;
};

#endif // DISPLAYSETTINGS_H
