#include "Testmenu/testmenu.h"
#include "ui_testmenu.h"

#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuaudio.h"
#include "Testmenu/testmenuaudioloopback.h"
#include "Testmenu/testmenubattery.h"
#include "Testmenu/testmenudisplay.h"
#include "Testmenu/testmenuflashupdate.h"
#include "Testmenu/testmenugps.h"
#include "Testmenu/testmenuinitbluetooth.h"
#include "Testmenu/testmenukeyboard.h"
#include "Testmenu/testmenuled.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Testmenu/testmenusdcard.h"
#include "Testmenu/testmenuselftest.h"
#include "Testmenu/testmenusensordetection.h"
#include "Testmenu/testmenuuartusbswitch.h"
#include "Testmenu/testmenuusb.h"

#include <QDebug>
#include <QFile>
#include <QKeyEvent>

namespace {

struct OpeningCommand
{
    const char* command;
    void (TestMenu::*open)();
};

} // namespace

TestMenu::TestMenu(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::TestMenu)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    ui->setupUi(this);

    Gpio::selectConnector(Gpio::Connector::Uart);

    showPage(1);

    if (!TestmenuRemoteCtrl::writeCommandFile("staActiveMenu\n"))
        qDebug().noquote() << "ERROR: Could not open file:" << TestmenuRemoteCtrl::kCommandFile;

    remoteCtrl = new TestmenuRemoteCtrl(this);
    connect(remoteCtrl, &TestmenuRemoteCtrl::sendCommand, this, &TestMenu::executeCommand, Qt::UniqueConnection);
}

TestMenu::~TestMenu()
{
    delete remoteCtrl;
    delete ui;
}

void TestMenu::showPage(int page)
{
    m_currentPage = page;
    ui->mainArea->setCurrentIndex(page - 1);
}

void TestMenu::on_butUp_clicked()
{
    showPage(m_currentPage == 1 ? kPages : m_currentPage - 1);
}

void TestMenu::on_butDown_clicked()
{
    showPage(m_currentPage == kPages ? 1 : m_currentPage + 1);
}

void TestMenu::on_butCancel_clicked()
{
    close();
}

void TestMenu::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11) {
        close();
        return;
    }
    // Not the dialog's handling: Escape must not close the menu.
    QWidget::keyPressEvent(event);
}

void TestMenu::executeCommand(QString line)
{
    static const OpeningCommand kCommands[] = {
        {"cmdTestDisplay", &TestMenu::on_butDisplay_clicked},
        {"cmdTestUartUsbSwitch", &TestMenu::on_butUartUsbSwitch_clicked},
        {"cmdTestBluetooth", &TestMenu::on_butInitBt_clicked},
        {"cmdTestBattery", &TestMenu::on_butBattery_clicked},
        {"cmdTestKeyboard", &TestMenu::on_butKeyboard_clicked},
        {"cmdTestSensordetection", &TestMenu::on_butSensordetection_clicked},
        {"cmdTestAudioChannels", &TestMenu::on_butAudio_clicked},
        {"cmdTestAudioLoopback", &TestMenu::on_butAudioLoopback_clicked},
        {"cmdTestLed", &TestMenu::on_butLed_clicked},
        {"cmdTestGps", &TestMenu::on_butGps_clicked},
        {"cmdTestUsb", &TestMenu::on_butUsb_clicked},
        {"cmdTestSelftest", &TestMenu::on_butSelftest_clicked},
        {"cmdTestSdcard", &TestMenu::on_butSdcard_clicked},
        {"cmdFlashUpdate", &TestMenu::on_butEnableFlashUpdate_clicked},
        {"cmdFinish", &TestMenu::on_butCancel_clicked},
    };
    for (const OpeningCommand& c : kCommands) {
        if (line.startsWith(QLatin1String(c.command))) {
            (this->*c.open)();
            return;
        }
    }
    remoteCtrl->writeResult(QStringLiteral("staUnknownCommand"));
}

template <typename Dialog> void TestMenu::runDialog()
{
    Dialog dialog(this);
    dialog.exec();
}

void TestMenu::on_butBattery_clicked() { runDialog<TestmenuBattery>(); }
void TestMenu::on_butKeyboard_clicked() { runDialog<TestmenuKeyboard>(); }
void TestMenu::on_butLed_clicked() { runDialog<TestmenuLed>(); }
void TestMenu::on_butDisplay_clicked() { runDialog<TestmenuDisplay>(); }
void TestMenu::on_butSensordetection_clicked() { runDialog<TestmenuSensordetection>(); }
void TestMenu::on_butUsb_clicked() { runDialog<TestmenuUsb>(); }
void TestMenu::on_butInitBt_clicked() { runDialog<TestmenuInitBluetooth>(); }
void TestMenu::on_butSelftest_clicked() { runDialog<TestmenuSelftest>(); }
void TestMenu::on_butGps_clicked() { runDialog<TestmenuGps>(); }
void TestMenu::on_butAudio_clicked() { runDialog<TestmenuAudio>(); }
void TestMenu::on_butUartUsbSwitch_clicked() { runDialog<TestmenuUartUsbSwitch>(); }
void TestMenu::on_butSdcard_clicked() { runDialog<TestmenuSdcard>(); }
void TestMenu::on_butAudioLoopback_clicked() { runDialog<TestMenuAudioLoopback>(); }
void TestMenu::on_butEnableFlashUpdate_clicked() { runDialog<TestMenuFlashUpdate>(); }
