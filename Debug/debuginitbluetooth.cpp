#include "Debug/debuginitbluetooth.h"
#include "ui_debuginitbluetooth.h"

#include "Debug/btconsolelog.h"
#include "Hardware/bluetooth.h"
#include "Tools/textsize.h"
#include "mainmenu.h"

#include <QTimer>

using namespace BtConsoleLog;

DebugInitBluetooth::DebugInitBluetooth(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DebugInitBluetooth)
{
    ui->setupUi(this);
    setTextPixelSize({ui->butInitUart, ui->butInitBtSource, ui->butInitBtSink}, 16);
    setTextPixelSize({ui->butCancel, ui->butAt, ui->butAt_2, ui->butClear}, 11);
    if (MainMenu* menu = MainMenu::getInstanceMainMenu()) {
        btSource = menu->getBtSourceInstance();
        btSink = menu->getBtSinkInstance();
    }
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("logTimer"));
    connect(m_timer, &QTimer::timeout, this, &DebugInitBluetooth::updateBtInfo);
    m_timer->start(kUpdateIntervalMs);
}

DebugInitBluetooth::~DebugInitBluetooth()
{
    m_timer->stop();
    delete m_timer;
    delete ui;
}

void DebugInitBluetooth::updateBtInfo()
{
    if (appendReceived(ui->textBtInfo, btSink, kFromSink))
        btSink->clearData();
    if (appendReceived(ui->textBtInfo, btSource, kFromSource))
        btSource->clearData();
}

void DebugInitBluetooth::on_butInitUart_clicked() {}

void DebugInitBluetooth::on_butInitBtSource_clicked()
{
    append(ui->textBtInfo, kToSource, QStringLiteral("Transmitting Init-Sequence for Source-Mode ..."));
    if (btSource) {
        btSource->disconnectBtDevice();
        btSource->initBtModulSource();
        btSource->sendData(QStringLiteral("RESET"));
    }
    append(ui->textBtInfo, kToSource, QStringLiteral("Finished."));
}

void DebugInitBluetooth::on_butInitBtSink_clicked()
{
    append(ui->textBtInfo, kToSink, QStringLiteral("Transmitting Init-Sequence for Sink-Mode ..."));
    if (btSink) {
        btSink->disconnectBtDevice();
        btSink->initBtModulSink();
        btSink->sendData(QStringLiteral("RESET"));
    }
    append(ui->textBtInfo, kToSink, QStringLiteral("Finished."));
}

void DebugInitBluetooth::on_butAt_clicked()
{
    insert(ui->textBtInfo, kToSource, QStringLiteral("AT"));
    if (btSource)
        btSource->sendData(QStringLiteral("AT"));
}

void DebugInitBluetooth::on_butAt_2_clicked()
{
    insert(ui->textBtInfo, kToSink, QStringLiteral("AT"));
    if (btSink)
        btSink->sendData(QStringLiteral("AT"));
}

void DebugInitBluetooth::on_butClear_clicked()
{
    ui->textBtInfo->clear();
}

void DebugInitBluetooth::on_butCancel_clicked()
{
    close();
}
