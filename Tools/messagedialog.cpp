#include "Tools/messagedialog.h"
#include "ui_messagedialog.h"

#include "Tools/escapekey.h"

#include <QFont>
#include <QTimer>

namespace {
const int kButtonY = 212;
const int kButtonWidth = 150;
const int kButtonHeight = 50;
}

MessageDialog::MessageDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::MessageDialog)
    , m_timer(new QTimer(this))
{
    ui->setupUi(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &MessageDialog::autoCloseDialog, Qt::UniqueConnection);
    ui->labelHeadline->setFont(QFont(QStringLiteral("Arial Unicode MS"), 25, 75));
}

MessageDialog::~MessageDialog()
{
    delete ui;
    m_timeoutClose = -1;
    m_timer->stop();
    delete m_timer;
}

int MessageDialog::showOk(int icon, const QString& headline, const QString& text, int* pressedButton)
{
    MessageDialog dialog(nullptr);
    dialog.setIcon(icon);
    dialog.setHeadline(headline);
    dialog.setDialogType(TypeOk);
    dialog.setInfotext(text);
    const int result = dialog.exec();
    if (pressedButton)
        *pressedButton = dialog.getPressedButton();
    return result;
}

void MessageDialog::setDialogType(int type)
{
    const QString centred = QStringLiteral("QPushButton{Text-align: center;}");
    ui->butLeft->setStyleSheet(centred);
    ui->butMiddle->setStyleSheet(centred);
    ui->butRight->setStyleSheet(centred);

    // Each entry: the button, its code (-1 hides it), its label and its x position.
    auto place = [](QPushButton* button, int& codeMember, int code, const QString& text, int x) {
        codeMember = code;
        button->setVisible(code != NoButton);
        if (code == NoButton)
            return;
        button->setText(text);
        button->setGeometry(x, kButtonY, kButtonWidth, kButtonHeight);
    };

    switch (type) {
    case TypeOkCancel:
        place(ui->butLeft, m_leftButton, NoButton, QString(), 5);
        place(ui->butMiddle, m_middleButton, ButtonOk, tr("OK"), 85);
        place(ui->butRight, m_rightButton, ButtonCancel, tr("Cancel"), 245);
        break;
    case TypeYesNo:
        place(ui->butLeft, m_leftButton, NoButton, QString(), 5);
        place(ui->butMiddle, m_middleButton, ButtonYes, tr("Yes"), 85);
        place(ui->butRight, m_rightButton, ButtonNo, tr("No"), 245);
        break;
    case TypeYesNoCancel:
        place(ui->butLeft, m_leftButton, ButtonYes, tr("Yes"), 5);
        place(ui->butMiddle, m_middleButton, ButtonNo, tr("No"), 165);
        place(ui->butRight, m_rightButton, ButtonCancel, tr("Cancel"), 325);
        break;
    case TypeOk:
    default:
        place(ui->butLeft, m_leftButton, NoButton, QString(), 5);
        place(ui->butMiddle, m_middleButton, ButtonOk, tr("OK"), 165);
        place(ui->butRight, m_rightButton, NoButton, QString(), 325);
        break;
    }
}

void MessageDialog::setIcon(int icon)
{
    QString file;
    switch (icon) {
    case IconWarning:
        file = QStringLiteral("Warning");
        break;
    case IconError:
        file = QStringLiteral("Error");
        break;
    case IconQuestion:
        file = QStringLiteral("Question");
        break;
    case IconInformation:
    default:
        file = QStringLiteral("Information");
        break;
    }
    ui->labelIcon->setStyleSheet(QStringLiteral("image: url(:/Resources/Icons/Tools/Messagedialog/%1.png);").arg(file));
    ui->labelIcon->clear();
}

void MessageDialog::setHeadline(const QString& text)
{
    ui->labelHeadline->setText(text);
}

void MessageDialog::setInfotext(const QString& text)
{
    ui->labelInfotext->setText(text);
}

void MessageDialog::setAutoCloseTimeout(int seconds)
{
    if (seconds >= kMinAutoCloseSeconds && seconds <= kMaxAutoCloseSeconds) {
        m_timeoutClose = seconds;
        m_timer->start(1000 * seconds);
    } else {
        m_timeoutClose = -1;
        m_timer->stop();
    }
}

int MessageDialog::getAutoCloseTimeout() const
{
    return m_timeoutClose;
}

int MessageDialog::getPressedButton() const
{
    return m_pressedButton;
}

void MessageDialog::closeWith(int code)
{
    m_pressedButton = code;
    m_timer->stop();
    close();
}

void MessageDialog::on_butLeft_clicked()
{
    closeWith(m_leftButton);
}

void MessageDialog::on_butMiddle_clicked()
{
    closeWith(m_middleButton);
}

void MessageDialog::on_butRight_clicked()
{
    closeWith(m_rightButton);
}

void MessageDialog::autoCloseDialog()
{
    closeWith(ClosedByTimeout);
}

// Escape acts on its release, so the release does not reach whatever lies beneath once
// the dialog is gone. The plain widget handling (not QDialog's) keeps Return and Enter
// from pressing a default button.
void MessageDialog::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QWidget::keyPressEvent(event);
}

void MessageDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        closeWith(ButtonCancel);
    else
        QWidget::keyReleaseEvent(event);
}
