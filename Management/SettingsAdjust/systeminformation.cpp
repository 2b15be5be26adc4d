#include "systeminformation.h"
#include "ui_systeminformation.h"

#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "Tools/textsize.h"
#include "Tools/virtualkeyboard.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>

namespace {

const int kPollIntervalMs = 1000;
const int kDfStartTimeoutMs = 30000;
const int kDfFinishTimeoutMs = 10000;
const int kDfMaxOutputBytes = 2048;
const char* const kDebugEnabledText = "Debug Enabled";
const char* const kAccessCode = "vzk";
const char* const kAdcDir = "/sys/bus/iio/devices/iio:device0/";
const char* const kAdcBufferEnable = "/sys/bus/iio/devices/iio:device0/buffer/enable";
const char* const kGaugeDir = "/sys/class/power_supply/bq27426-0/";
// Both ADC inputs of the identification divider read inside this window on hardware 1.
const int kHardware1Low = 1001;
const int kHardware1High = 1399;

// At most `maxBytes` of a device file as UTF-8; `ok` tells whether it could be opened.
QString readDeviceFile(const QString& path, qint64 maxBytes, bool* ok)
{
    QFile file(Platform::devicePath(path));
    *ok = file.open(QIODevice::ReadOnly);
    if (!*ok)
        return QString();
    return QString::fromUtf8(file.read(maxBytes));
}

int readAdcInput(const char* channel, const char* name)
{
    bool ok = false;
    const QString text = readDeviceFile(QLatin1String(kAdcDir) + QLatin1String(channel), 32, &ok);
    if (!ok) {
        qDebug().noquote() << "Cannot read analog input" << name;
        return 0;
    }
    const int value = text.trimmed().toInt(nullptr, 10);
    qDebug().noquote() << "AD-Value" << name << value;
    return value;
}

} // namespace

Systeminformation::Systeminformation(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::Systeminformation)
    , m_timer(new QTimer(this))
    , m_btSource(nullptr)
    , m_btSink(nullptr)
    , m_pressedCnt(0)
    , m_hardwareVersion(QStringLiteral("V 0"))
{
    ui->setupUi(this);
    // The fields are a pixel too low for the descenders in the form's size.
    setTextPixelSize({ui->editFirmwareversion, ui->editSerialnumber, ui->editBluetoothIdTx, ui->editBluetoothIdRx,
                      ui->editHardwareversion, ui->editOperatingSystem, ui->editBattery},
                     14);
    connect(m_timer, &QTimer::timeout, this, &Systeminformation::updateInfo);
}

Systeminformation::~Systeminformation()
{
    delete ui;
}

void Systeminformation::init()
{
    m_pressedCnt = 0;
    ui->butDebugFeatures->setText(g_debugFeatures == 1 ? QLatin1String(kDebugEnabledText) : QString());

    // The modules answer with their own addresses asynchronously; the poll picks them up.
    if (MainMenu* menu = MainMenu::getInstanceMainMenu()) {
        m_btSink = menu->getBtSinkInstance();
        m_btSource = menu->getBtSourceInstance();
    }
    if (m_btSink)
        m_btSink->sendData(QStringLiteral("SET BT BDADDR"));
    if (m_btSource)
        m_btSource->sendData(QStringLiteral("SET BT BDADDR"));
    m_timer->start(kPollIntervalMs);

    ui->editFirmwareversion->setText(
        QStringLiteral("V %1 (%2)").arg(QLatin1String(g_softwareVersion), readStorageLetter()));

    readHardwareVersion();
    ui->editHardwareversion->setText(m_hardwareVersion);

    ui->editBluetoothIdRx->setText(tr("unknown"));
    ui->editBluetoothIdTx->setText(tr("unknown"));

    ui->editOperatingSystem->setText(readOperatingSystem().trimmed());
    ui->editSerialnumber->setText(readSerialNumber().trimmed());
    ui->editBattery->setText(readBattery());
}

QString Systeminformation::readStorageLetter()
{
    bool started = false;
    const QString output = Platform::runCommandOutput(QStringLiteral("df -Th"), kDfStartTimeoutMs,
                                                      kDfFinishTimeoutMs, kDfMaxOutputBytes, &started);
    if (!started) {
        qDebug().noquote() << "Prozess konnte nicht gestartet werden.";
        return QString();
    }
    if (output.contains(QLatin1String("/dev/root"))) {
        qDebug().noquote() << "Filesystem: SD-Karte";
        return QStringLiteral("S");
    }
    if (output.contains(QLatin1String("ubi0:root"))) {
        qDebug().noquote() << "Filesystem: Flash";
        return QStringLiteral("F");
    }
    qDebug().noquote() << "Filesystem: Unknown";
    return QString();
}

void Systeminformation::readHardwareVersion()
{
    // Buffered capture holds the ADC; stop it so the single reads below get fresh values.
    QFile enable(Platform::devicePath(QLatin1String(kAdcBufferEnable)));
    if (enable.open(QIODevice::ReadWrite)) {
        enable.write("0");
        enable.close();
        Platform::journalWrite(kAdcBufferEnable, "0");
    } else {
        qDebug().noquote() << "Error: Could not open buffer/enable";
    }

    const int ain4 = readAdcInput("in_voltage4_raw", "AIN4");
    const int ain5 = readAdcInput("in_voltage5_raw", "AIN5");
    const auto inWindow = [](int value) { return value >= kHardware1Low && value <= kHardware1High; };
    if (inWindow(ain4) && inWindow(ain5)) {
        m_hardwareVersion = QStringLiteral("V 1");
    } else {
        m_hardwareVersion = QStringLiteral("unknown");
        qDebug().noquote() << "Unknown HardwareVersion" << ain4 << ain5;
    }
}

QString Systeminformation::readOperatingSystem()
{
    bool ok = false;
    const QString text = readDeviceFile(QStringLiteral("/home/root/bspinfo"), 1024, &ok);
    if (!ok)
        return tr("unknown");
    static const QRegularExpression bsp(QStringLiteral("(BSP) (V)(\\d+.\\d+.\\d+|)"));
    const QRegularExpressionMatch match = bsp.match(text);
    if (!match.hasMatch())
        return tr("unknown");
    return QStringLiteral("V ") + match.captured(3);
}

QString Systeminformation::readSerialNumber()
{
    bool ok = false;
    const QString text = readDeviceFile(QStringLiteral("/home/root/serialNumber"), 12, &ok);
    return ok ? text : tr("unknown");
}

QString Systeminformation::readBattery()
{
    bool ok = false;
    const QString capacity =
        readDeviceFile(QLatin1String(kGaugeDir) + QStringLiteral("capacity"), 32, &ok).toLower().trimmed();
    const int percent = ok ? capacity.toInt() : 0;
    const QString microvolts =
        readDeviceFile(QLatin1String(kGaugeDir) + QStringLiteral("voltage_now"), 32, &ok).toLower().trimmed();
    const float volts = ok ? microvolts.toFloat() / 1000000.0f : 0.0f;
    return QStringLiteral("%1 V (%2 %)").arg(volts).arg(percent);
}

void Systeminformation::updateInfo()
{
    const QString source = m_btSource ? m_btSource->getBtIdModul() : QString();
    qDebug().noquote() << "BT-ID Source" << source;
    ui->editBluetoothIdTx->setText(source);

    const QString sink = m_btSink ? m_btSink->getBtIdModul() : QString();
    qDebug().noquote() << "BT-ID Sink" << sink;
    ui->editBluetoothIdRx->setText(sink);

    if (!source.isEmpty() && !sink.isEmpty())
        m_timer->stop();
}

void Systeminformation::on_butDebugFeatures_clicked()
{
    ++m_pressedCnt;
    if (m_pressedCnt < 3 && g_debugFeatures != 1)
        return;

    VirtualKeyboard keyboard(this);
    keyboard.setText(QString());
    keyboard.useEnterAsAccept(true);
    const bool accepted = keyboard.exec() == QDialog::Accepted;
    // The same prompt switches the features off: anything but the code turns them off.
    g_debugFeatures = accepted && keyboard.getText().toLower() == QLatin1String(kAccessCode) ? 1 : 0;
    m_pressedCnt = 0;

    // A change that is not stored is taken back.
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    if (Systemsettings* settings = menu ? menu->getInstanceSystemsettings() : nullptr)
        settings->storeChange();
    ui->butDebugFeatures->setText(g_debugFeatures == 1 ? QLatin1String(kDebugEnabledText) : QString());
}

void Systeminformation::on_butMenuBack_clicked()
{
    reject();
}
