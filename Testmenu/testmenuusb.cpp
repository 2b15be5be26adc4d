#include "Testmenu/testmenuusb.h"
#include "ui_testmenuusb.h"

#include "Hardware/devicepaths.h"
#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Hardware/usbexport.h"
#include "Management/backupdialog.h"

#include <QFile>

namespace {
const char* const kInfoSentence = "For more information about your instrument visit https://www.example.com";
}

TestmenuUsb::TestmenuUsb(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestUsb"), parent)
    , ui(new Ui::TestmenuUsb)
{
    ui->setupUi(this);
    m_instructions = ui->label->text();
    writeInfoFile();
    startFrame(Connector::Usb);
    m_connectedWithUsb = false;
    ui->butConnect->show();
    ui->butDisconnect->hide();
    ui->butPass->hide();
}

TestmenuUsb::~TestmenuUsb()
{
    // However the dialog goes, the device never stays without its partition.
    if (m_connectedWithUsb && UsbExport::isExported())
        UsbExport::returnPartition();
    delete ui;
}

void TestmenuUsb::writeInfoFile()
{
    // Truncated, or a longer file from before keeps its tail after the sentence.
    QFile file(Platform::devicePath(DevicePaths::onDataPartition(QStringLiteral("info.txt"))));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(kInfoSentence);
}

void TestmenuUsb::on_butConnect_clicked()
{
    // Each step offers Pass from its own outcome, not from an earlier round's.
    if (UsbExport::exportPartition() != UsbExport::Exported) {
        ui->label->setText(QStringLiteral("Export failed."));
        ui->butPass->hide();
        return;
    }
    m_connectedWithUsb = true;
    ui->label->setText(m_instructions);
    ui->butConnect->hide();
    ui->butDisconnect->show();
    ui->butPass->show();
}

void TestmenuUsb::on_butDisconnect_clicked()
{
    // Special files are only read from a partition the device has mounted again.
    if (!UsbExport::returnPartition()) {
        ui->label->setText(QStringLiteral("Return failed."));
        ui->butPass->hide();
        return;
    }
    m_connectedWithUsb = false;
    ui->label->setText(m_instructions);
    ui->butConnect->show();
    ui->butDisconnect->hide();
    ui->butPass->show();
    BackupDialog backup;
    backup.checkForSpecialFiles();
}

bool TestmenuUsb::leaving()
{
    bool returned = true;
    if (m_connectedWithUsb) {
        // A partition the PC still holds fails the test; the destructor tries again.
        returned = UsbExport::returnPartition();
        if (returned) {
            m_connectedWithUsb = false;
            ui->butConnect->show();
            ui->butDisconnect->hide();
        }
    }
    Gpio::selectConnector(Gpio::Connector::Uart);
    return returned;
}

bool TestmenuUsb::executeOwnCommand(const QString& line)
{
    if (line.startsWith(QLatin1String("cmdUsbConnect")))
        on_butConnect_clicked();
    else if (line.startsWith(QLatin1String("cmdUsbDisconnect")))
        on_butDisconnect_clicked();
    else
        return false;
    return true;
}
