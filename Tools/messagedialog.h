#ifndef MESSAGEDIALOG_H
#define MESSAGEDIALOG_H

#include <QDialog>

namespace Ui {
class MessageDialog;
}
class QTimer;

// The one message box of the device: icon, headline, info text, one to three buttons
// and an optional automatic close. Run it with exec() and read getPressedButton().
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    // Button codes returned by getPressedButton().
    enum ButtonCode {
        NoButton = -1,
        ButtonOk = 0,
        ButtonCancel = 1, // also the Escape key
        ButtonYes = 2,
        ButtonNo = 3,
        ClosedByTimeout = 4
    };
    // Dialog types for setDialogType().
    enum DialogType { TypeOk = 0, TypeOkCancel = 1, TypeYesNo = 2, TypeYesNoCancel = 3 };
    // Icons for setIcon().
    enum IconCode { IconInformation = 0, IconWarning = 1, IconError = 2, IconQuestion = 3 };

    static const int kMinAutoCloseSeconds = 1;
    static const int kMaxAutoCloseSeconds = 86399;

    explicit MessageDialog(QWidget* parent = nullptr);
    ~MessageDialog() override;

    // Runs a modal box without parent with one "OK" button; returns what exec() returned
    // and puts the button code into *pressedButton.
    static int showOk(int icon, const QString& headline, const QString& text, int* pressedButton = nullptr);

    void setDialogType(int type);
    void setIcon(int icon);
    void setHeadline(const QString& text);
    void setInfotext(const QString& text);
    // The time runs from this call, not from exec().
    void setAutoCloseTimeout(int seconds);
    int getAutoCloseTimeout() const;
    int getPressedButton() const;

public slots:
    void autoCloseDialog();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butLeft_clicked();
    void on_butMiddle_clicked();
    void on_butRight_clicked();

private:
    void closeWith(int code);

    Ui::MessageDialog* ui;
    QTimer* m_timer;
    int m_pressedButton = NoButton;
    int m_leftButton = NoButton;
    int m_middleButton = NoButton;
    int m_rightButton = NoButton;
    int m_timeoutClose = -1;
};

#endif // MESSAGEDIALOG_H
