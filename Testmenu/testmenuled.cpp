#include "Testmenu/testmenuled.h"
#include "ui_testmenuled.h"

#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Tools/textsize.h"

#include <QDebug>
#include <QFile>

namespace {

const char* const kIoLedBrightness = "/sys/class/leds/on_led/brightness";
constexpr unsigned int kDebugLedPin = 115;

} // namespace

TestmenuLed::TestmenuLed(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestLed"), parent)
    , ui(new Ui::TestmenuLed)
{
    ui->setupUi(this);
    setTextPixelSize({ui->butIO_ON, ui->butIO_OFF, ui->butCHRG_ON, ui->butCHRG_OFF, ui->butDBG_ON, ui->butDBG_OFF}, 15);
    ui->butCHRG_ON->hide();
    ui->butCHRG_OFF->hide();
    ui->labelCHRG_LED->hide();
    startFrame();
    ui->butPass->hide();
}

TestmenuLed::~TestmenuLed()
{
    delete ui;
}

bool TestmenuLed::setIoLed(const QByteArray& brightness)
{
    // ExistingOnly: without the LED driver the attribute must stay missing, not be created.
    // Unbuffered: the driver's answer to the write is the write's result, not the close's.
    QFile file(Platform::devicePath(QLatin1String(kIoLedBrightness)));
    const bool opened = file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Truncate
                                  | QIODevice::Unbuffered);
    const bool written = opened && file.write(brightness) == brightness.size();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        qDebug().noquote() << (opened ? "LED test: could not write" : "LED test: could not open") << kIoLedBrightness;
        ui->labelIO_LED->setText(QStringLiteral("I/O-LED: not available"));
        return false;
    }
    ui->labelIO_LED->setText(QStringLiteral("I/O-LED"));
    Platform::journalWrite(kIoLedBrightness, brightness);
    return true;
}

void TestmenuLed::on_butIO_ON_clicked()
{
    ui->butPass->setVisible(setIoLed("255"));
}

void TestmenuLed::on_butIO_OFF_clicked()
{
    ui->butPass->setVisible(setIoLed("0"));
}

void TestmenuLed::on_butDBG_ON_clicked()
{
    Gpio::setValue(kDebugLedPin, 1);
    ui->butPass->show();
}

void TestmenuLed::on_butDBG_OFF_clicked()
{
    Gpio::setValue(kDebugLedPin, 0);
    ui->butPass->show();
}

bool TestmenuLed::leaving()
{
    setIoLed("255");
    Gpio::setValue(kDebugLedPin, 0);
    return true;
}

bool TestmenuLed::executeOwnCommand(const QString& line)
{
    if (line.startsWith(QLatin1String("cmdLedIoOn")))
        on_butIO_ON_clicked();
    else if (line.startsWith(QLatin1String("cmdLedIoOff")))
        on_butIO_OFF_clicked();
    else if (line.startsWith(QLatin1String("cmdLedChrgOn")))
        on_butCHRG_ON_clicked();
    else if (line.startsWith(QLatin1String("cmdLedChrgOff")))
        on_butCHRG_OFF_clicked();
    else if (line.startsWith(QLatin1String("cmdLedDbgOn")))
        on_butDBG_ON_clicked();
    else if (line.startsWith(QLatin1String("cmdLedDbgOff")))
        on_butDBG_OFF_clicked();
    else
        return false;
    return true;
}
