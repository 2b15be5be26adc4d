#include "Tools/virtualkeyboard.h"
#include "ui_virtualkeyboard.h"

#include "Tools/escapekey.h"

#include <QDebug>

namespace {
// What the digit keys 1 ... 9, 0 show in lower case with punctuation on.
const char* const kPunctuation[] = {"!", ":", ".", ",", "+", "/", "\"", "*", "@", "?"};
}

VirtualKeyboard::VirtualKeyboard(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::VirtualKeyboard)
{
    ui->setupUi(this);

    m_digitKeys = {ui->but_1, ui->but_2, ui->but_3, ui->but_4, ui->but_5,
                   ui->but_6, ui->but_7, ui->but_8, ui->but_9, ui->but_0};
    m_letterKeys = {ui->but_A, ui->but_B, ui->but_C, ui->but_D, ui->but_E, ui->but_F, ui->but_G,
                    ui->but_H, ui->but_I, ui->but_J, ui->but_K, ui->but_L, ui->but_M, ui->but_N,
                    ui->but_O, ui->but_P, ui->but_Q, ui->but_R, ui->but_S, ui->but_T, ui->but_U,
                    ui->but_V, ui->but_W, ui->but_X, ui->but_Y, ui->but_Z};

    QList<QPushButton*> characterKeys = m_digitKeys + m_letterKeys;
    characterKeys << ui->but_Minus << ui->but_Underline << ui->but_Space;
    for (QPushButton* key : qAsConst(characterKeys))
        connect(key, &QPushButton::clicked, this, &VirtualKeyboard::addText);

    connect(ui->textEdit, &QPlainTextEdit::textChanged, this, &VirtualKeyboard::takeFieldText);

    m_enteredText.clear();
    ui->textEdit->setPlainText(m_enteredText);
    m_textCursor = ui->textEdit->textCursor();
    ui->textEdit->setFocus(Qt::OtherFocusReason);
}

VirtualKeyboard::~VirtualKeyboard()
{
    delete ui;
}

void VirtualKeyboard::takeFieldText()
{
    m_enteredText = ui->textEdit->toPlainText();
}

void VirtualKeyboard::setText(const QString& text)
{
    ui->textEdit->setPlainText(text);
    m_textCursor = ui->textEdit->textCursor();
    const bool moved = m_textCursor.movePosition(QTextCursor::End);
    ui->textEdit->setTextCursor(m_textCursor);
    qDebug() << "TextCursor" << moved << m_textCursor.position();
    applyCaseRule();
    updateButtonText();
}

QString VirtualKeyboard::getText() const
{
    return m_enteredText.trimmed();
}

void VirtualKeyboard::enableSpecialChar(bool enable)
{
    m_enableSpecialChar = enable;
}

void VirtualKeyboard::useEnterAsAccept(bool enable)
{
    m_enterAsAccept = enable;
}

bool VirtualKeyboard::isLowerCase() const
{
    return m_lowerCase;
}

void VirtualKeyboard::placeCursor(int position)
{
    m_textCursor.setPosition(qBound(0, position, m_enteredText.length()));
    ui->textEdit->setTextCursor(m_textCursor);
    ui->textEdit->setFocus(Qt::OtherFocusReason);
}

void VirtualKeyboard::addText()
{
    const QPushButton* key = qobject_cast<const QPushButton*>(sender());
    if (!key || key->text().isEmpty())
        return;

    m_textCursor = ui->textEdit->textCursor();
    const int position = qBound(0, m_textCursor.position(), m_enteredText.length());
    m_textCursor.setPosition(position);
    m_textCursor.insertText(key->text().left(1));
    placeCursor(position + 1);
    applyCaseRule();
    updateButtonText();
}

void VirtualKeyboard::on_but_Del_clicked()
{
    m_textCursor = ui->textEdit->textCursor();
    const int position = qBound(0, m_textCursor.position(), m_enteredText.length());
    if (position <= 0)
        return;
    m_textCursor.setPosition(position);
    m_textCursor.deletePreviousChar();
    placeCursor(m_textCursor.position());
}

void VirtualKeyboard::on_but_Enter_clicked()
{
    if (m_enterAsAccept) {
        accept();
        return;
    }
    // The line break always goes to the end, wherever the cursor stands.
    m_textCursor = ui->textEdit->textCursor();
    m_textCursor.movePosition(QTextCursor::End);
    m_textCursor.insertText(QStringLiteral("\n"));
    placeCursor(m_enteredText.length());
}

void VirtualKeyboard::on_but_Shift_clicked()
{
    m_lowerCase = !m_lowerCase;
    updateButtonText();
}

void VirtualKeyboard::on_but_Accept_clicked()
{
    accept();
}

void VirtualKeyboard::on_but_Close_clicked()
{
    close();
}

// A name starts with a capital and continues in lower case unless Shift is pressed.
void VirtualKeyboard::applyCaseRule()
{
    if (m_enteredText.isEmpty())
        m_lowerCase = false;
    else if (m_enteredText.length() == 1)
        m_lowerCase = true;
}

void VirtualKeyboard::updateButtonText()
{
    const bool punctuation = m_lowerCase && m_enableSpecialChar;
    for (int i = 0; i < m_digitKeys.size(); ++i) {
        m_digitKeys.at(i)->setText(punctuation ? QString::fromLatin1(kPunctuation[i])
                                               : QString::number((i + 1) % 10));
    }
    ui->but_Underline->setText(punctuation ? QStringLiteral("=") : QStringLiteral("_"));
    for (int i = 0; i < m_letterKeys.size(); ++i) {
        const QChar letter = QLatin1Char(char((m_lowerCase ? 'a' : 'A') + i));
        m_letterKeys.at(i)->setText(QString(letter));
    }
    ui->but_Minus->setText(QStringLiteral("-"));
    ui->but_Space->setText(QStringLiteral(" "));
}

// Escape acts on its release, so the release does not reach the screen beneath once the
// keyboard is gone. The plain widget handling (not QDialog's) keeps Return and Enter
// from pressing a default button.
void VirtualKeyboard::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QWidget::keyPressEvent(event);
}

void VirtualKeyboard::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        close();
    else
        QWidget::keyReleaseEvent(event);
}
