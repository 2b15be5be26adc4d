#include "Debug/debugbluetoothcommand.h"
#include "ui_debugbluetoothcommand.h"

#include "Debug/btconsolelog.h"
#include "Hardware/bluetooth.h"
#include "Hardware/gpio.h"
#include "Tools/textsize.h"
#include "Tools/virtualkeyboard.h"
#include "mainmenu.h"

#include <QRegularExpressionValidator>
#include <QTimer>

using namespace BtConsoleLog;

namespace {

// The turning bar goes on where the last console left it.
int g_barSymbol = 0;

} // namespace

DebugBluetoothCommand::DebugBluetoothCommand(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DebugBluetoothCommand)
{
    ui->setupUi(this);
    setTextPixelSize({ui->labelCommunicationMode, ui->butCommandMode, ui->butDataMode}, 14);
    setTextPixelSize({ui->butCancel, ui->butSendSource, ui->butSendSink, ui->butAt, ui->butClear}, 11);
    ui->leditCmd->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x20-\\x7e]{0,%1}").arg(kMaxCommandLength)), ui->leditCmd));
    if (MainMenu* menu = MainMenu::getInstanceMainMenu()) {
        btSource = menu->getBtSourceInstance();
        btSink = menu->getBtSinkInstance();
    }
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("logTimer"));
    connect(m_timer, &QTimer::timeout, this, &DebugBluetoothCommand::updateBtInfo);
    m_timer->start(kUpdateIntervalMs);
    showCommunicationMode();
}

DebugBluetoothCommand::~DebugBluetoothCommand()
{
    m_timer->stop();
    delete m_timer;
    delete ui;
}

void DebugBluetoothCommand::showCommunicationMode()
{
    ui->labelCommunicationMode->setText(Gpio::getValue(59) ? QStringLiteral("Data") : QStringLiteral("Cmd"));
}

void DebugBluetoothCommand::updateBtInfo()
{
    appendReceived(ui->textBtInfo, btSink, kFromSink);
    appendReceived(ui->textBtInfo, btSource, kFromSource);
    toggleButtonSymbol();
    showCommunicationMode();
}

void DebugBluetoothCommand::toggleButtonSymbol()
{
    static const char* const kSymbols[] = {"/", "|", "\\", "|"};
    const bool known = g_barSymbol >= 0 && g_barSymbol < 4;
    ui->butKeyboard->setText(QString::fromLatin1(known ? kSymbols[g_barSymbol] : "-"));
    g_barSymbol = known ? (g_barSymbol + 1) % 4 : 0;
}

void DebugBluetoothCommand::send(Bluetooth* link, const QColor& colour)
{
    const QString line = ui->leditCmd->text();
    const QString problem = commandLineProblem(line);
    if (!problem.isEmpty()) {
        append(ui->textBtInfo, colour, problem);
        return;
    }
    if (link)
        link->clearData();
    append(ui->textBtInfo, colour, line);
    if (link)
        link->sendData(line);
}

void DebugBluetoothCommand::on_butAt_clicked()
{
    ui->leditCmd->setText(QStringLiteral("AT"));
}

void DebugBluetoothCommand::on_butSendSource_clicked()
{
    send(btSource, kToSource);
}

void DebugBluetoothCommand::on_butSendSink_clicked()
{
    send(btSink, kToSink);
}

void DebugBluetoothCommand::on_butClear_clicked()
{
    ui->leditCmd->clear();
    ui->textBtInfo->clear();
}

void DebugBluetoothCommand::on_butCommandMode_clicked()
{
    ui->labelCommunicationMode->setText(QStringLiteral("Cmd"));
    if (btSink)
        btSink->switchBtMode(0);
}

void DebugBluetoothCommand::on_butDataMode_clicked()
{
    ui->labelCommunicationMode->setText(QStringLiteral("Data"));
    if (btSink)
        btSink->switchBtMode(1);
}

void DebugBluetoothCommand::on_butKeyboard_clicked()
{
    VirtualKeyboard keyboard(this);
    keyboard.setText(QString());
    keyboard.enableSpecialChar(true);
    // Keyboard text is checked again when it is sent.
    ui->leditCmd->setText(keyboard.exec() == QDialog::Accepted ? keyboard.getText() : QString());
}

void DebugBluetoothCommand::on_butCancel_clicked()
{
    close();
}
