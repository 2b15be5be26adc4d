#ifndef SETTINGSDIALOG_H
#define SETTINGSDIALOG_H

#include <QDialog>
#include <QString>

class QKeyEvent;
class QPushButton;

// The frame shared by the dialogs of the settings screen: a full-screen modal dialog with
// the content on the left and a column of icon buttons on the right ("butAccept" and
// "butClose" of the single-setting dialogs, or navigation buttons).
//
// The opener runs it with exec() and reads the value back only on result 1; nothing a
// dialog changes reaches the settings before that. The on/off key arrives as an Escape
// release and leaves the dialog like Cancel; its press is swallowed. Return and Enter
// never press a button by themselves.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // Style sheet of a radio switch showing one picture of the settings picture set,
    // e.g. "Radioswitch_top_2x40px.png".
    static QString radioSwitchStyle(const QString& image);
    static void setRadioSwitch(QPushButton* radioSwitch, const QString& image);
    // The picture currently shown by a radio switch (file name only), for checks.
    static QString radioSwitchImage(const QPushButton* radioSwitch);

protected:
    explicit SettingsDialog(QWidget* parent = nullptr);

    // Call after the form is built: connects the frame's buttons and puts both stacks on
    // their first page.
    void initFrame();

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void acceptClicked();
    void closeClicked();
};

#endif // SETTINGSDIALOG_H
