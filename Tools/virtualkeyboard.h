#ifndef VIRTUALKEYBOARD_H
#define VIRTUALKEYBOARD_H

#include <QDialog>
#include <QList>
#include <QString>
#include <QTextCursor>

namespace Ui {
class VirtualKeyboard;
}
class QPushButton;

// The touch keyboard for names and codes: preset the text with setText(), run exec(),
// and when it returns 1 take getText().
class VirtualKeyboard : public QDialog
{
    Q_OBJECT
public:
    explicit VirtualKeyboard(QWidget* parent = nullptr);
    ~VirtualKeyboard() override;

    void setText(const QString& text);
    // The entered text without white space at either end.
    QString getText() const;
    // In lower case the digit row then shows punctuation.
    void enableSpecialChar(bool enable);
    void useEnterAsAccept(bool enable);

    bool isLowerCase() const;

public slots:
    void addText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_but_Del_clicked();
    void on_but_Enter_clicked();
    void on_but_Shift_clicked();
    void on_but_Accept_clicked();
    void on_but_Close_clicked();
    void takeFieldText();

private:
    void applyCaseRule();
    void updateButtonText();
    void placeCursor(int position);

    Ui::VirtualKeyboard* ui;
    // Always the text field's text: every change of the field, whichever way it came
    // (key field, front keys, a USB keyboard), is copied here at once.
    QString m_enteredText;
    bool m_lowerCase = false;
    bool m_enableSpecialChar = false;
    bool m_enterAsAccept = false;
    QTextCursor m_textCursor;

    QList<QPushButton*> m_digitKeys;  // 1 ... 9, 0
    QList<QPushButton*> m_letterKeys; // A ... Z
};

#endif // VIRTUALKEYBOARD_H
