#include "dialogdriver.h"

#include "Tools/messagedialog.h"
#include "Tools/virtualkeyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

// The dialog shows its icon only through the style sheet of its icon label.
int iconOf(const QWidget* dialog)
{
    const QLabel* label = dialog->findChild<QLabel*>(QStringLiteral("labelIcon"));
    const QString sheet = label ? label->styleSheet() : QString();
    static const char* const names[] = {"Information.png", "Warning.png", "Error.png", "Question.png"};
    for (int i = 0; i < 4; ++i) {
        if (sheet.contains(QLatin1String(names[i])))
            return i;
    }
    return -1;
}

QString labelText(const QWidget* dialog, const char* name)
{
    const QLabel* label = dialog->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
}

} // namespace

DialogDriver::DialogDriver()
    : m_timer(new QTimer)
{
    QObject::connect(m_timer, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget())
            handle(modal);
    });
    m_timer->start(0);
}

DialogDriver::~DialogDriver()
{
    delete m_timer;
}

void DialogDriver::answerMessage(int button)
{
    m_buttons.append(button);
}

void DialogDriver::typeText(const QString& text)
{
    m_keyboardEntries.append({true, text});
}

void DialogDriver::cancelKeyboard()
{
    m_keyboardEntries.append({false, QString()});
}

void DialogDriver::clear()
{
    m_messages.clear();
    m_others.clear();
    m_keyboards = 0;
}

void DialogDriver::pressButtons(const QString& className, const QStringList& buttons)
{
    m_presses.append({className, buttons});
}

// The next queued press for this dialog, posted to its event loop; true while the dialog
// has presses (or one is under way), so that it is not closed.
bool DialogDriver::press(QWidget* dialog)
{
    if (m_pressing && dialog == m_pressTarget)
        return true;
    const QString className = QString::fromLatin1(dialog->metaObject()->className());
    if (m_presses.isEmpty() || m_presses.first().first != className)
        return false;
    if (m_inspect)
        m_inspect(dialog);
    const QString name = m_presses.first().second.takeFirst();
    if (m_presses.first().second.isEmpty())
        m_presses.removeFirst();
    m_pressing = true;
    m_pressTarget = dialog;
    QPointer<QWidget> target = dialog;
    QTimer::singleShot(0, dialog, [this, target, name] {
        if (name.startsWith(QLatin1String("Key_")))
            QTest::keyClick(target, Qt::Key(QKeySequence(name.mid(4))[0]));
        else if (auto* button = target->findChild<QAbstractButton*>(name))
            button->click();
        m_pressing = false;
    });
    return true;
}

void DialogDriver::handle(QWidget* modal)
{
    if (press(modal))
        return;
    if (m_inspect)
        m_inspect(modal);
    if (auto* message = qobject_cast<MessageDialog*>(modal)) {
        Message seen;
        seen.icon = iconOf(message);
        seen.headline = labelText(message, "labelHeadline");
        seen.text = labelText(message, "labelInfotext");
        if (m_grab)
            seen.image = message->grab().toImage();
        m_messages.append(seen);
        answer(message, m_buttons.isEmpty() ? m_defaultButton : m_buttons.takeFirst());
    } else if (auto* keyboard = qobject_cast<VirtualKeyboard*>(modal)) {
        ++m_keyboards;
        const KeyboardEntry entry = m_keyboardEntries.isEmpty() ? KeyboardEntry{false, QString()}
                                                                : m_keyboardEntries.takeFirst();
        if (entry.accept) {
            keyboard->findChild<QPlainTextEdit*>(QStringLiteral("textEdit"))->setPlainText(entry.text);
            keyboard->findChild<QPushButton*>(QStringLiteral("but_Accept"))->click();
        } else {
            keyboard->findChild<QPushButton*>(QStringLiteral("but_Close"))->click();
        }
    } else {
        m_others.append(QString::fromLatin1(modal->metaObject()->className()));
        modal->close();
    }
}

// Presses the shown button whose label belongs to the code; a code without a button of
// its own (Escape's cancel, for instance) closes the dialog as Escape does.
void DialogDriver::answer(QWidget* dialog, int button)
{
    static const char* const labels[] = {"OK", "Cancel", "Yes", "No"};
    if (button >= 0 && button < 4) {
        const QString label = QCoreApplication::translate("MessageDialog", labels[button]);
        for (const char* name : {"butLeft", "butMiddle", "butRight"}) {
            auto* candidate = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
            if (candidate && candidate->isVisible() && candidate->text() == label) {
                candidate->click();
                return;
            }
        }
    }
    QMetaObject::invokeMethod(dialog, button == MessageDialog::ClosedByTimeout ? "autoCloseDialog" : "close");
}
