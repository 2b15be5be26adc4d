#ifndef DIALOGDRIVER_H
#define DIALOGDRIVER_H

#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QTimer;

// Answers the modal dialogs that the code under test opens, while it lives.
//
// A MessageDialog gets the next queued button (answerMessage), or the default button
// (OK unless changed) when none is queued; its icon, headline and text are recorded
// first. A VirtualKeyboard gets the next queued entry: a text typed in and accepted
// (typeText) or a cancel (cancelKeyboard); without one it is cancelled. A dialog with
// queued presses (pressButtons) gets them one at a time. Any other modal dialog is
// closed and its class name recorded.
class DialogDriver
{
public:
    struct Message
    {
        int icon = -1; // MessageDialog::IconCode
        QString headline;
        QString text;
        QImage image; // what the dialog showed, when grabbing is on
    };

    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // MessageDialog::ButtonCode to press on the next message dialog.
    void answerMessage(int button);
    void setDefaultButton(int button) { m_defaultButton = button; }
    void typeText(const QString& text);
    void cancelKeyboard();
    // Presses the buttons (object names; "Key_" and a key's name taps that key, "Key_Escape"
    // the on/off key as the page sees it, "Key_F1" the front key itself) in turn on the
    // next dialog of that class. Each press comes from the dialog's own event loop, so a
    // dialog that a press opens is answered like any other.
    void pressButtons(const QString& className, const QStringList& buttons);
    // Keep a picture of each message dialog as it is answered.
    void grabMessages(bool grab) { m_grab = grab; }
    // Called with every dialog before it is answered, and before each press.
    void setInspector(std::function<void(QWidget*)> inspect) { m_inspect = std::move(inspect); }

    QList<Message> messages() const { return m_messages; }
    int keyboardsSeen() const { return m_keyboards; }
    QStringList otherDialogs() const { return m_others; }
    void clear();

private:
    struct KeyboardEntry
    {
        bool accept;
        QString text;
    };

    void handle(QWidget* modal);
    void answer(QWidget* dialog, int button);
    bool press(QWidget* dialog);

    QTimer* m_timer;
    QList<int> m_buttons;
    QList<KeyboardEntry> m_keyboardEntries;
    QList<QPair<QString, QStringList>> m_presses;
    bool m_pressing = false;
    QPointer<QWidget> m_pressTarget;
    int m_defaultButton = 0;
    bool m_grab = false;
    std::function<void(QWidget*)> m_inspect;
    QList<Message> m_messages;
    int m_keyboards = 0;
    QStringList m_others;
};

#endif // DIALOGDRIVER_H
