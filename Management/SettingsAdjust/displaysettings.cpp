#include "Management/SettingsAdjust/displaysettings.h"
#include "ui_displaysettings.h"

#include "Hardware/driverhelper.h"
#include "Hardware/platform.h"

#include <QDebug>
#include <QFile>

namespace {
const char* const kBacklight = "/sys/class/backlight/backlight/brightness";
const int kLow = 5;
const int kMedium = 6;
const int kHigh = 7;
}

Displaysettings::Displaysettings(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::Displaysettings)
    , fileBrightness(new QFile(Platform::devicePath(QString::fromLatin1(kBacklight))))
{
    ui->setupUi(this);
    initFrame();
}

Displaysettings::~Displaysettings()
{
    delete fileBrightness;
    delete ui;
}

void Displaysettings::init()
{
    m_brightnessAtOpen.clear();
    if (fileBrightness->open(QIODevice::ReadOnly)) {
        const QByteArray read = fileBrightness->read(10);
        fileBrightness->close();
        m_brightnessAtOpen = read.trimmed();
        m_brightness = m_brightnessAtOpen.toInt(); // no number gives 0, shown as medium
        qDebug() << "Current Brightness Value from file:" << read << m_brightness;
    }
    qDebug() << "Current Brightness:" << m_brightness;
    updateStylesheetBrightness();
    // The keys start on the current choice, so the focus box and the switch agree.
    (m_brightness == kHigh ? ui->butBrightnessHigh : m_brightness == kLow ? ui->butBrightnessLow : ui->butBrightnessMedium)
        ->setFocus();
}

int Displaysettings::getBrightness(QString* text)
{
    if (text)
        *text = brightness2text(m_brightness);
    return m_brightness;
}

QString Displaysettings::brightness2text(int level)
{
    switch (level) {
    case kLow: return tr("low");
    case kMedium: return tr("medium");
    case kHigh: return tr("high");
    default: return QString();
    }
}

void Displaysettings::choose(int level)
{
    m_brightness = level;
    updateStylesheetBrightness();
}

void Displaysettings::on_butBrightnessHigh_clicked() { choose(kHigh); }
void Displaysettings::on_butBrightnessMedium_clicked() { choose(kMedium); }
void Displaysettings::on_butBrightnessLow_clicked() { choose(kLow); }

void Displaysettings::on_butBrightnessSelect_clicked()
{
    switch (m_brightness) {
    case kMedium: choose(kLow); break;
    case kLow: choose(kHigh); break;
    case kHigh: choose(kMedium); break;
    default: choose(kMedium); break;
    }
}

void Displaysettings::updateStylesheetBrightness()
{
    QString image;
    switch (m_brightness) {
    case kHigh: image = QStringLiteral("Radioswitch_top_3x40px.png"); break;
    case kLow: image = QStringLiteral("Radioswitch_bottom_3x40px.png"); break;
    default:
        m_brightness = kMedium;
        image = QStringLiteral("Radioswitch_middle_3x40px.png");
        break;
    }
    setRadioSwitch(ui->butBrightnessSelect, image);
    writeBacklight(QByteArray::number(m_brightness));
}

void Displaysettings::writeBacklight(const QByteArray& value)
{
    // A backlight that cannot be written leaves the dialog working on its own value.
    DriverHelper::writeFile(kBacklight, value.constData());
}

void Displaysettings::done(int result)
{
    // The level was tried out on the display; not taking it means the display goes back
    // to what it showed before, not to the last level tried.
    if (result != QDialog::Accepted)
        restoreBacklight();
    SettingsDialog::done(result);
}

void Displaysettings::restoreBacklight()
{
    if (!m_brightnessAtOpen.isEmpty())
        writeBacklight(m_brightnessAtOpen);
}
