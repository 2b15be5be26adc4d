#include "Management/systemsettings.h"
#include "ui_systemsettings.h"

#include "Hardware/bluetooth.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Management/SettingsAdjust/customizedialogs.h"
#include "Management/SettingsAdjust/datetimeadjust.h"
#include "Management/SettingsAdjust/displaysettings.h"
#include "Management/SettingsAdjust/hearingprotection.h"
#include "Management/SettingsAdjust/powersaving.h"
#include "Management/SettingsAdjust/resetsettings.h"
#include "Management/SettingsAdjust/selectfavouritebutton.h"
#include "Management/SettingsAdjust/selectswitchmode.h"
#include "Management/SettingsAdjust/selecttimezone.h"
#include "Management/SettingsAdjust/systeminformation.h"
#include "Management/bluetoothpairing.h"
#include "Management/languageselect.h"
#include "Tools/durablefile.h"
#include "Tools/escapekey.h"
#include "Tools/inifile.h"
#include "Tools/messagedialog.h"
#include "Tools/settingsbutton.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDate>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTime>
#include <QHash>
#include <cctype>

namespace {

const char* const kSettingsFile = "/home/root/settings.ini";

// The file is read anew on every call: the framework's settings class keeps a per-process
// cache that can miss a file replaced within the same instant.
QHash<QString, QString> readIni(const QString& path)
{
    QByteArray contents;
    if (!Platform::readBoundedFile(path, Systemsettings::kMaxSettingsFileBytes, &contents))
        return {};
    return IniFile::parse(contents);
}

} // namespace

// One stored key: its group, name, and the member (or global) it comes from.
struct SettingsField
{
    enum Kind { Text, TrimmedText, Number, Flag, DebugFlag };
    const char* group;
    const char* key;
    Kind kind;
    QString Systemsettings::*text;
    int Systemsettings::*number;
    bool Systemsettings::*flag;
};

#define TK_TEXT(g, k, m) {g, k, SettingsField::Text, &Systemsettings::m, nullptr, nullptr}
#define TK_TRIMMED(g, k, m) {g, k, SettingsField::TrimmedText, &Systemsettings::m, nullptr, nullptr}
#define TK_NUMBER(g, k, m) {g, k, SettingsField::Number, nullptr, &Systemsettings::m, nullptr}
#define TK_FLAG(g, k, m) {g, k, SettingsField::Flag, nullptr, nullptr, &Systemsettings::m}

const QVector<SettingsField>& Systemsettings::fields()
{
    static const QVector<SettingsField> table = {
        TK_TRIMMED("Bluetooth", "Headphone_Name", m_btNameHeadphone),
        TK_TRIMMED("Bluetooth", "Headphone_ID", m_btIdHeadphone),
        TK_TRIMMED("Bluetooth", "Microphone_Name", m_btNameMicrophone),
        TK_TRIMMED("Bluetooth", "Microphone_ID", m_btIdMicrophone),
        {"Debug", "Debugfeatures", SettingsField::DebugFlag, nullptr, nullptr, nullptr},
        TK_NUMBER("Local-Settings", "Language", m_selectedLanguageNum),
        TK_TEXT("Local-Settings", "Timezone", m_timezoneName),
        TK_NUMBER("Local-Settings", "TimezoneNum", m_timezoneNum),
        TK_NUMBER("Local-Settings", "TimezoneOffset", m_timezoneOffset),
        TK_NUMBER("Local-Settings", "DaylightSavingTime", m_daylightSavingTime),
        TK_TEXT("Local-Settings", "Dateformat", m_dateFormat),
        TK_TEXT("Local-Settings", "DateTimeSource", m_dateTimeSource),
        TK_TEXT("Systemsettings", "Switchmode", m_switchmode),
        TK_NUMBER("Systemsettings", "FavouriteButton", m_favouriteButton),
        TK_NUMBER("Systemsettings", "Brightness", m_brightness),
        TK_NUMBER("Systemsettings", "PowerOffTime", m_powerOffTime),
        TK_NUMBER("Systemsettings", "DisplayOffTime", m_displayOffTime),
        TK_FLAG("Systemsettings", "HearingProtection", m_hearingProtection),
        TK_NUMBER("Systemsettings", "HeadphoneVolumeOffset", m_headphoneVolumeOffset),
        TK_FLAG("Dialogconfiguration", "LevelMeasurement_ShowFft", m_levelMeasShowFft),
        TK_FLAG("Dialogconfiguration", "LevelMeasurement_ShowFrequencyValue", m_levelMeasShowFrequencyValue),
        TK_FLAG("Dialogconfiguration", "LevelMeasurement_UseFrequencyColorForLevelbar", m_levelMeasUseFrequColorForBar),
        TK_FLAG("Dialogconfiguration", "LevelMeasurement_ShowPeakLevelBar", m_levelMeasShowPeakLevelBar),
        TK_FLAG("Dialogconfiguration", "Pinpointing_ShowFrequencyValue", m_pinpointingShowFrequencyValuePP),
        TK_FLAG("Dialogconfiguration", "Pinpointing_UseFrequencyColorForLevelbar", m_pinpointingUseFrequencyColorForLevelbarPP),
        TK_FLAG("Dialogconfiguration", "Pinpointing_ShowFilterParameter", m_pinpointingShowFilterParameter),
        TK_FLAG("Dialogconfiguration", "Pinpointing_DynamicScaling", m_pinpointingDynamicScaling),
        TK_FLAG("Dialogconfiguration", "Longterm_ShowFrequencyValue", m_longtermShowFrequencyValueLT),
        TK_FLAG("Dialogconfiguration", "Longterm_UseFrequencyColorForLevelbar", m_longtermUseFrequencyColorForLevelbarLT),
        TK_FLAG("Dialogconfiguration", "Longterm_ShowGrid", m_longtermShowGridLT),
        TK_FLAG("Dialogconfiguration", "Longterm_ShowFilterParameter", m_longtermShowFilterParameterLT),
        TK_FLAG("Dialogconfiguration", "H2Sensor_ShowHistogram", m_h2ShowHistogramH2),
        TK_FLAG("Dialogconfiguration", "H2Sensor_ShowGrid", m_h2ShowGridH2),
        TK_FLAG("Dialogconfiguration", "H2Sensor_DynamicScaling", m_h2DynamicScaling),
        TK_FLAG("Dialogconfiguration", "H2Sensor_ShowWorkingRange", m_h2ShowWorkingRangeH2),
        TK_FLAG("Dialogconfiguration", "Pipelocating_ShowFft", m_pipelocatingShowFftPL),
        TK_FLAG("Dialogconfiguration", "Pipelocating_UseFrequencyColorForLevelbar", m_pipelocatingUseFrequencyColorForLevelbarPL),
        TK_FLAG("Dialogconfiguration", "Pipelocating_ShowFrequencyValue", m_pipelocatingShowFrequencyValuePL),
        TK_FLAG("Dialogconfiguration", "Pipelocating_ShowFilterParameter", m_pipelocatingShowFilterParameterPL),
        TK_FLAG("Dialogconfiguration", "Startup_UseFavouriteForStartup", m_startupUseFavouriteForStartup),
        TK_FLAG("Dialogconfiguration", "Startup_UseFilterForStartup", m_startupUseFilterForStartup),
        TK_FLAG("Dialogconfiguration", "Startup_UseGpsForStartup", m_startupUseGpsForStartup),
    };
    return table;
}

#undef TK_TEXT
#undef TK_TRIMMED
#undef TK_NUMBER
#undef TK_FLAG

Systemsettings::Systemsettings(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Systemsettings)
{
    ui->setupUi(this);
    ui->subMenu->setCurrentWidget(ui->page);
    showPage(1);
    m_selectLanguage = new LanguageSelect(this);

    // Only a regular file of sensible size is read (a device or FIFO there would hang or
    // flood the start); anything else is replaced by the defaults.
    QByteArray contents;
    if (!Platform::readBoundedFile(settingsFilePath(), kMaxSettingsFileBytes, &contents)) {
        qDebug() << "File für Systemeinstellungen mit Defaultwerten erzeugen";
        // Defaults that cannot be written hold until the next start tries again: a load
        // now would find no file and leave every value empty.
        if (!resetToDefaultSettings())
            return;
    }
    loadSystemsettings();
}

Systemsettings::~Systemsettings()
{
    delete m_selectLanguage;
    delete ui;
}

QString Systemsettings::settingsFilePath()
{
    return Platform::devicePath(QString::fromLatin1(kSettingsFile));
}

QString Systemsettings::readBtAddress(const QVariant& value, const char* key) const
{
    const QString address = value.toString().trimmed();
    if (address.isEmpty() || isValidBtAddress(address))
        return address;
    // The address goes into module commands: a malformed one is treated as "not paired".
    qWarning() << "Ignoring malformed Bluetooth address in settings:" << key << address;
    return QString();
}

bool Systemsettings::isValidBtAddress(const QString& address)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{2}(:[0-9A-Fa-f]{2}){5}$"));
    return pattern.match(address).hasMatch();
}

void Systemsettings::loadSystemsettings()
{
    // A value corrected into range that cannot be written back still holds until the
    // next start corrects it again.
    if (takeValues(readIni(settingsFilePath())))
        storeSystemsettings();
}

bool Systemsettings::takeValues(const QHash<QString, QString>& file)
{
    for (const SettingsField& f : fields()) {
        // No defaults: a key missing from an existing file reads as empty, 0 or false.
        const QString name = QString::fromLatin1(f.group) + QLatin1Char('/') + QString::fromLatin1(f.key);
        const QVariant value = file.contains(name) ? QVariant(file.value(name)) : QVariant();
        switch (f.kind) {
        case SettingsField::Text:
            this->*f.text = value.toString();
            break;
        case SettingsField::TrimmedText:
            this->*f.text = value.toString().trimmed();
            break;
        case SettingsField::Number:
            this->*f.number = value.toInt();
            break;
        case SettingsField::Flag:
            this->*f.flag = value.toBool();
            break;
        case SettingsField::DebugFlag:
            g_debugFeatures = value.toInt();
            break;
        }
    }

    m_btIdHeadphone = readBtAddress(m_btIdHeadphone, "Headphone_ID");
    m_btIdMicrophone = readBtAddress(m_btIdMicrophone, "Microphone_ID");
    m_daylightSavingTimeOffset = m_daylightSavingTime == 1 ? 3600 : 0;
    return correctOutOfRangeValues();
}

namespace {
bool isTableOffset(int offset)
{
    for (int zone = 0; zone < SelectTimezone::kNumTimezones; ++zone) {
        if (SelectTimezone::getTimezoneOffset(zone) == offset)
            return true;
    }
    return false;
}

// Corrects `value` into first..last; logs and returns whether it had to.
bool clampSetting(int* value, int first, int last, const char* key)
{
    const int corrected = qBound(first, *value, last);
    if (corrected == *value)
        return false;
    qWarning() << "Settings: out-of-range" << key << *value << "corrected to" << corrected;
    *value = corrected;
    return true;
}
} // namespace

bool Systemsettings::correctOutOfRangeValues()
{
    // These values reach module commands, the backlight and the system clock.
    bool corrected = clampSetting(&m_headphoneVolumeOffset, kMinHeadphoneVolumeOffset, kMaxHeadphoneVolumeOffset,
                                  "HeadphoneVolumeOffset");
    // 0 is a missing brightness, which the backlight reads as the medium level.
    if (m_brightness != 0)
        corrected |= clampSetting(&m_brightness, kMinBrightness, kMaxBrightness, "Brightness");
    if (!isTableOffset(m_timezoneOffset)) {
        const int offset = SelectTimezone::getTimezoneOffset(
            m_timezoneNum >= 0 && m_timezoneNum < SelectTimezone::kNumTimezones ? m_timezoneNum : SelectTimezone::kLondon);
        qWarning() << "Settings: out-of-range TimezoneOffset" << m_timezoneOffset << "corrected to" << offset;
        m_timezoneOffset = offset;
        corrected = true;
    }
    return corrected;
}

bool Systemsettings::holdsKnownSetting(const QByteArray& contents)
{
    const QHash<QString, QString> file = IniFile::parse(contents);
    for (const SettingsField& f : fields()) {
        if (file.contains(QString::fromLatin1(f.group) + QLatin1Char('/') + QString::fromLatin1(f.key)))
            return true;
    }
    return false;
}

bool Systemsettings::storeSystemsettings()
{
    QByteArray ini;
    QString currentGroup;
    for (const SettingsField& f : fields()) {
        const QString group = QString::fromLatin1(f.group);
        if (group != currentGroup) {
            if (!currentGroup.isEmpty())
                ini += '\n';
            ini += '[' + group.toLatin1() + "]\n";
            currentGroup = group;
        }
        ini += f.key;
        ini += '=';
        switch (f.kind) {
        case SettingsField::Text:
        case SettingsField::TrimmedText:
            ini += IniFile::escapedValue((this->*f.text).trimmed());
            break;
        case SettingsField::Number:
            ini += QByteArray::number(this->*f.number);
            break;
        case SettingsField::Flag:
            ini += (this->*f.flag) ? "true" : "false";
            break;
        case SettingsField::DebugFlag:
            ini += QByteArray::number(g_debugFeatures);
            break;
        }
        ini += '\n';
    }

    // A link in place of the file is replaced, never followed: the write must not reach
    // what it points to (a device, another file).
    if (QFileInfo(settingsFilePath()).isSymLink())
        QFile::remove(settingsFilePath());
    // A new file renamed over the old one: a full or failing disk, or a power cut, never
    // leaves half a file.
    QString error;
    if (writeFileDurably(settingsFilePath(), ini, &error))
        return true;
    qWarning() << "Could not write settings file:" << settingsFilePath() << error;
    return false;
}

bool Systemsettings::storeChange()
{
    if (storeSystemsettings())
        return true;
    // The values a start would find: the file in place, or the reset values when there is
    // none to read.
    QByteArray contents;
    if (Platform::readBoundedFile(settingsFilePath(), kMaxSettingsFileBytes, &contents))
        takeValues(IniFile::parse(contents));
    else
        setResetValues();
    showValues();
    showNotStored();
    return false;
}

void Systemsettings::showNotStored()
{
    MessageDialog::showOk(MessageDialog::IconError, tr("Error"), tr("SettingCouldNotBeStored"));
}

bool Systemsettings::resetToDefaultSettings()
{
    setResetValues();
    return storeSystemsettings();
}

void Systemsettings::setResetValues()
{
    m_btNameHeadphone.clear();
    m_btIdHeadphone.clear();
    m_btNameMicrophone.clear();
    m_btIdMicrophone.clear();
    g_debugFeatures = 0;
    m_selectedLanguageNum = 1;
    m_timezoneName = tr("Berlin") + QStringLiteral(" (+1 h)");
    m_timezoneNum = 13;
    m_timezoneOffset = 3600;
    m_daylightSavingTime = 0;
    m_daylightSavingTimeOffset = 0;
    m_dateFormat = QStringLiteral("DDMMYYYY");
    m_dateTimeSource = QStringLiteral("GPS");
    m_switchmode = QStringLiteral("Switch");
    m_favouriteButton = 2;
    m_brightness = 6;
    m_powerOffTime = 3600;
    m_displayOffTime = 600;
    m_hearingProtection = false;
    m_headphoneVolumeOffset = 0;
    m_levelMeasShowFft = true;
    m_levelMeasShowFrequencyValue = true;
    m_levelMeasUseFrequColorForBar = false;
    m_levelMeasShowPeakLevelBar = false;
    m_pinpointingShowFrequencyValuePP = true;
    m_pinpointingUseFrequencyColorForLevelbarPP = false;
    m_pinpointingShowFilterParameter = true;
    m_pinpointingDynamicScaling = true;
    m_longtermShowFrequencyValueLT = true;
    m_longtermUseFrequencyColorForLevelbarLT = false;
    m_longtermShowGridLT = true;
    m_longtermShowFilterParameterLT = true;
    m_h2ShowHistogramH2 = true;
    m_h2ShowGridH2 = false;
    m_h2DynamicScaling = true;
    m_h2ShowWorkingRangeH2 = false;
    m_pipelocatingShowFftPL = false;
    m_pipelocatingUseFrequencyColorForLevelbarPL = false;
    m_pipelocatingShowFrequencyValuePL = true;
    m_pipelocatingShowFilterParameterPL = true;
    m_startupUseFavouriteForStartup = false;
    m_startupUseFilterForStartup = false;
    m_startupUseGpsForStartup = true;
}

int Systemsettings::setFavouriteButton(int favouriteNum)
{
    if (favouriteNum < 0 || favouriteNum > 5)
        return -1;
    m_favouriteButton = favouriteNum;
    return storeChange() ? 0 : -1;
}

bool Systemsettings::clearBtHeadphone()
{
    m_btIdHeadphone.clear();
    m_btNameHeadphone.clear();
    return storeChange();
}

bool Systemsettings::clearBtMicrophone()
{
    m_btIdMicrophone.clear();
    m_btNameMicrophone.clear();
    return storeChange();
}

int Systemsettings::getBacklightBrightness() const
{
    return m_brightness > 0 ? m_brightness : 6;
}

QString Systemsettings::getFormatStringTime() const
{
    return QStringLiteral("hh:mm:ss");
}

QString Systemsettings::getFormatStringDate() const
{
    const QString format = m_dateFormat.trimmed();
    if (format == QLatin1String("YYYYMMDD"))
        return QStringLiteral("yyyy-MM-dd");
    if (format == QLatin1String("MMDDYYYY"))
        return QStringLiteral("MM/dd/yyyy");
    return QStringLiteral("dd.MM.yyyy");
}

int Systemsettings::convertDateFormatToInt(const QString& format)
{
    if (format == QLatin1String("DDMMYYYY"))
        return 0;
    if (format == QLatin1String("YYYYMMDD"))
        return 1;
    if (format == QLatin1String("MMDDYYYY"))
        return 2;
    return -1;
}

int Systemsettings::convertDateTimeSourceToInt(const QString& source)
{
    if (source == QLatin1String("GPS"))
        return 0;
    if (source == QLatin1String("MAN"))
        return 1;
    return -1;
}

QString Systemsettings::getLanguageName(int languageNum) const
{
    switch (languageNum) {
    case 2: return QCoreApplication::translate("LanguageSelect", "German");
    case 3: return QCoreApplication::translate("LanguageSelect", "French");
    case 4: return QCoreApplication::translate("LanguageSelect", "Italian");
    case 5: return QCoreApplication::translate("LanguageSelect", "Spanish");
    case 6: return QCoreApplication::translate("LanguageSelect", "Chinese");
    case 7: return QCoreApplication::translate("LanguageSelect", "Czech");
    case 8: return QCoreApplication::translate("LanguageSelect", "Hungarian");
    case 9: return QCoreApplication::translate("LanguageSelect", "Russian");
    case 10: return QCoreApplication::translate("LanguageSelect", "Slovenian");
    case 11: return QCoreApplication::translate("LanguageSelect", "Japanese");
    case 12: return QCoreApplication::translate("LanguageSelect", "Polish");
    case 13: return QCoreApplication::translate("LanguageSelect", "Portuguese");
    case 14: return QCoreApplication::translate("LanguageSelect", "Romanian");
    case 15: return QCoreApplication::translate("LanguageSelect", "Slovakian");
    case 16: return QCoreApplication::translate("LanguageSelect", "Swedish");
    case 17: return QCoreApplication::translate("LanguageSelect", "Suomi");
    case 18: return QCoreApplication::translate("LanguageSelect", "Danish");
    case 19: return QCoreApplication::translate("LanguageSelect", "Norwegian");
    case 20: return QCoreApplication::translate("LanguageSelect", "Bulgarian");
    case 21: return QCoreApplication::translate("LanguageSelect", "Croatian");
    case 22: return QCoreApplication::translate("LanguageSelect", "Korean");
    case 23: return QCoreApplication::translate("LanguageSelect", "Serbian");
    case 24: return QCoreApplication::translate("LanguageSelect", "Turkish");
    default: return QCoreApplication::translate("LanguageSelect", "English");
    }
}

QString Systemsettings::favouriteFunctionName(int favouriteNum)
{
    switch (favouriteNum) {
    case 0: return tr("Screenshot");
    case 1: return tr("Histogram");
    case 2: return tr("LevelMeasurement");
    case 3: return tr("LongtermMeasurement");
    case 4: return tr("H2-Sensor");
    case 5: return tr("Pipelocating");
    default: return QString();
    }
}

QString Systemsettings::getFavButTextFromNum(int favouriteNum)
{
    if (favouriteNum < 0 || favouriteNum > 5) {
        m_favouriteButton = 2;
        favouriteNum = 2;
    }
    return favouriteFunctionName(favouriteNum);
}

int Systemsettings::getFavouriteButton(QString* text)
{
    const QString name = getFavButTextFromNum(m_favouriteButton);
    if (text)
        *text = name;
    return m_favouriteButton;
}

QString Systemsettings::convertTimeToText(int seconds) const
{
    const unsigned int s = static_cast<unsigned int>(seconds);
    if (s == 0)
        return tr("never");
    if (s < 60)
        return QString::number(s) + QStringLiteral(" s");
    if (s < 3600)
        return QString::number(s / 60) + QStringLiteral(" min");
    if (s < 86400)
        return QString::number(s / 3600) + QStringLiteral(" h");
    return QStringLiteral("---");
}

bool Systemsettings::isMuteKeySwitchmode() const
{
    return m_switchmode == QLatin1String("Switch");
}

// ---- the settings screen ---------------------------------------------------------------

namespace {

// Keeps an entry's name and shows a new value below it.
void setValue(SettingsButton* entry, const QString& value)
{
    entry->setText2(entry->getText1(), value);
}

} // namespace

void Systemsettings::init()
{
    ui->butMenuUp->setToolTip(tr("PreviousPage"));
    ui->butMenuBack->setToolTip(tr("Mainmenu"));
    ui->butMenuDown->setToolTip(tr("NextPage"));

    if (MainMenu* menu = MainMenu::getInstanceMainMenu()) {
        m_btSource = menu->getBtSourceInstance();
        m_btSink = menu->getBtSinkInstance();
    }
    loadSystemsettings();

    showPage(1);
    showValues();
    ui->butMenuBack->setFocus();
}

void Systemsettings::showValues()
{
    m_selectedLanguageString = getLanguageName(m_selectedLanguageNum);
    const QDateTime now = Platform::currentDateTime();
    m_time = now.time().toString(getFormatStringTime());
    m_date = now.date().toString(getFormatStringDate());
    QString favourite;
    const int favouriteNum = getFavouriteButton(&favourite);
    qDebug() << "Favourite button:" << favouriteNum << favourite;

    ui->butSwitchmode->setText2(tr("ModeMuteButton"), switchmodeText());
    ui->butHearingProtection->setText2(tr("HearingProtection"), hearingProtectionText());
    ui->butCustomize->setText2(tr("Customize"), tr("differentValues"));
    ui->butPairedHeadphone->setText2(tr("PairedHeadphone"), m_btNameHeadphone);
    ui->butPairedMicrophone->setText2(tr("PairedMicrophone"), m_btNameMicrophone);
    ui->butBrightness->setText2(tr("Brightness"), brightnessText());
    ui->butPowerSaving->setText2(tr("PowerSaving"), powerSavingText());
    ui->butFavouriteButton->setText2(tr("FavouriteButton"), favourite);
    ui->butSysteminformation->setText2(tr("Systeminformation"),
                                       QStringLiteral("FW: %1").arg(QLatin1String(g_softwareVersion)));
    ui->butReset->setText2(tr("ResetToDeliverystate"), QString());
    ui->butLanguage->setText2(tr("Language"), m_selectedLanguageString);
    ui->butTime->setText2(tr("Time"), m_time);
    ui->butDate->setText2(tr("Date"), m_date);
    ui->butTimezone->setText2(tr("Timezone"), m_timezoneName);
    ui->butDaylightSavingTime->setText2(tr("DaylightSavingTime"), daylightSavingText());
}

QString Systemsettings::switchmodeText() const
{
    return isMuteKeySwitchmode() ? tr("Switch") : tr("PushButton");
}

QString Systemsettings::hearingProtectionText() const
{
    return m_hearingProtection ? tr("Active") : tr("Inactive");
}

QString Systemsettings::brightnessText() const
{
    switch (m_brightness) {
    case 5: return tr("low");
    case 6: return tr("medium");
    case 7: return tr("high");
    default: return QString::number(m_brightness);
    }
}

QString Systemsettings::powerSavingText() const
{
    return convertTimeToText(m_displayOffTime) + QStringLiteral(" / ") + convertTimeToText(m_powerOffTime);
}

QString Systemsettings::daylightSavingText() const
{
    return m_daylightSavingTime == 1 ? tr("Summertime") : tr("Wintertime");
}

void Systemsettings::showPage(int page)
{
    m_currentPage = page;
    ui->mainArea->setCurrentIndex(page - 1);
}

void Systemsettings::on_butMenuUp_clicked()
{
    showPage(m_currentPage > 1 ? m_currentPage - 1 : kPages);
}

void Systemsettings::on_butMenuDown_clicked()
{
    showPage(m_currentPage < kPages ? m_currentPage + 1 : 1);
}

void Systemsettings::on_butMenuBack_clicked()
{
    emit gotoWidget(0, -1, 0);
}

void Systemsettings::refreshDateTime()
{
    const QDateTime now = Platform::currentDateTime();
    m_time = now.time().toString(getFormatStringTime());
    m_date = now.date().toString(getFormatStringDate());
    setValue(ui->butTime, m_time);
    setValue(ui->butDate, m_date);
}

void Systemsettings::on_butLanguage_clicked()
{
    if (m_selectLanguage->exec() != QDialog::Accepted)
        return;
    m_selectedLanguageNum = m_selectLanguage->getSelectedLanguage();
    m_selectedLanguageString = getLanguageName(m_selectedLanguageNum);
    if (!storeChange())
        return;
    // The main window loads the catalogue and refreshes this screen.
    emit changeLanguage(m_selectedLanguageNum);
}

void Systemsettings::on_butTime_clicked()
{
    runDateTimeDialog(1);
}

void Systemsettings::on_butDate_clicked()
{
    runDateTimeDialog(0);
}

void Systemsettings::runDateTimeDialog(int page)
{
    DateTimeAdjust dialog(this);
    dialog.init(page, convertDateFormatToInt(m_dateFormat), convertDateTimeSourceToInt(m_dateTimeSource));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (page == 0) {
        switch (dialog.getDateFormat()) {
        case 1: m_dateFormat = QStringLiteral("YYYYMMDD"); break;
        case 2: m_dateFormat = QStringLiteral("MMDDYYYY"); break;
        default: m_dateFormat = QStringLiteral("DDMMYYYY"); break;
        }
    }
    // The dialog has set the clock.
    refreshDateTime();
    m_dateTimeSource = dialog.getDateTimeSource() == 1 ? QStringLiteral("MAN") : QStringLiteral("GPS");
    storeChange();
    // The receiver sets the clock as the stored source says.
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    if (Gps* gps = menu ? menu->getGpsInstance() : nullptr)
        gps->enableSystemTimeSettingViaGps(m_dateTimeSource == QLatin1String("GPS"));
}

void Systemsettings::on_butTimezone_clicked()
{
    runTimezoneDialog(0);
}

void Systemsettings::on_butDaylightSavingTime_clicked()
{
    runTimezoneDialog(1);
}

void Systemsettings::runTimezoneDialog(int page)
{
    SelectTimezone dialog(this);
    dialog.init(page, m_timezoneNum, m_daylightSavingTime);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (page == 0) {
        m_timezoneName = dialog.getTimezoneName();
        m_timezoneNum = dialog.getSelectedTimezone();
        m_timezoneOffset = dialog.getTimezoneOffset();
        setValue(ui->butTimezone, m_timezoneName);
    } else {
        m_daylightSavingTime = dialog.getDaylightSavingTime();
        m_daylightSavingTimeOffset = dialog.getDaylightSavingTimeOffset();
        setValue(ui->butDaylightSavingTime, daylightSavingText());
    }
    // The dialog has moved the clock by the change of offset; a zone that is not stored
    // takes its time back with it.
    if (!storeChange())
        dialog.undoClockShift();
    refreshDateTime();
}

void Systemsettings::on_butPairedHeadphone_clicked()
{
    BluetoothPairing dialog(this);
    dialog.setPairingDevice(0);
    if (dialog.exec() == QDialog::Accepted) {
        m_btIdHeadphone = dialog.getBluetoothId();
        m_btNameHeadphone = dialog.getBluetoothName();
        setValue(ui->butPairedHeadphone, m_btNameHeadphone);
        // New headphones start from the neutral volume.
        m_headphoneVolumeOffset = 0;
        // A pairing that is not stored leaves the link with the peer a start would call.
        if (storeChange() && m_btSource)
            m_btSource->resetBluetooth(m_btIdHeadphone);
    }
    // A pairing attempt drops the link, whether it succeeded or not.
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
}

void Systemsettings::on_butPairedMicrophone_clicked()
{
    BluetoothPairing dialog(this);
    dialog.setPairingDevice(1);
    if (dialog.exec() == QDialog::Accepted) {
        m_btIdMicrophone = dialog.getBluetoothId();
        m_btNameMicrophone = dialog.getBluetoothName();
        setValue(ui->butPairedMicrophone, m_btNameMicrophone);
        if (storeChange() && m_btSink)
            m_btSink->resetBluetooth(m_btIdMicrophone);
    }
    if (m_btSink)
        m_btSink->callBtDeviceA2DP(true);
}

void Systemsettings::on_butSwitchmode_clicked()
{
    SelectSwitchmode dialog(this);
    dialog.init(m_switchmode);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_switchmode = dialog.getSwitchmode();
    setValue(ui->butSwitchmode, switchmodeText());
    storeChange();
}

void Systemsettings::on_butFavouriteButton_clicked()
{
    SelectFavouriteButton dialog(this);
    dialog.init(m_favouriteButton);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString text;
    m_favouriteButton = dialog.getFavouriteButton(&text);
    setValue(ui->butFavouriteButton, text);
    storeChange();
}

void Systemsettings::on_butBrightness_clicked()
{
    Displaysettings dialog(this);
    dialog.init();
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_brightness = dialog.getBrightness(nullptr);
    setValue(ui->butBrightness, brightnessText());
    if (!storeChange())
        dialog.restoreBacklight();
}

void Systemsettings::on_butPowerSaving_clicked()
{
    PowerSaving dialog(this);
    dialog.init(m_powerOffTime, m_displayOffTime);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString powerOffText;
    QString backlightOffText;
    m_powerOffTime = dialog.getPowerOffTime(&powerOffText);
    m_displayOffTime = dialog.getBacklightOffTime(&backlightOffText);
    setValue(ui->butPowerSaving, backlightOffText + QStringLiteral(" / ") + powerOffText);
    storeChange();
}

void Systemsettings::on_butCustomize_clicked()
{
    CustomizeDialogs dialog(this);
    dialog.init();
    dialog.setLevelParameter(m_levelMeasShowFft, m_levelMeasShowFrequencyValue, m_levelMeasShowPeakLevelBar,
                             m_levelMeasUseFrequColorForBar);
    dialog.setPinpointingParameter(m_pinpointingShowFrequencyValuePP, m_pinpointingUseFrequencyColorForLevelbarPP,
                                   m_pinpointingShowFilterParameter, m_pinpointingDynamicScaling);
    dialog.setLongtermParameter(m_longtermShowFrequencyValueLT, m_longtermUseFrequencyColorForLevelbarLT,
                                m_longtermShowGridLT, m_longtermShowFilterParameterLT);
    dialog.setH2Parameter(m_h2ShowHistogramH2, m_h2ShowGridH2, m_h2DynamicScaling, m_h2ShowWorkingRangeH2);
    dialog.setPipelocatingParameter(m_pipelocatingShowFftPL, m_pipelocatingShowFrequencyValuePL,
                                    m_pipelocatingUseFrequencyColorForLevelbarPL, m_pipelocatingShowFilterParameterPL);
    dialog.setStartupParameter(m_startupUseFavouriteForStartup, m_startupUseFilterForStartup,
                               m_startupUseGpsForStartup);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.getLevelParameter(&m_levelMeasShowFft, &m_levelMeasShowFrequencyValue, &m_levelMeasShowPeakLevelBar,
                             &m_levelMeasUseFrequColorForBar);
    dialog.getPinpointingParameter(&m_pinpointingShowFrequencyValuePP, &m_pinpointingUseFrequencyColorForLevelbarPP,
                                   &m_pinpointingShowFilterParameter, &m_pinpointingDynamicScaling);
    dialog.getLongtermParameter(&m_longtermShowFrequencyValueLT, &m_longtermUseFrequencyColorForLevelbarLT,
                                &m_longtermShowGridLT, &m_longtermShowFilterParameterLT);
    dialog.getH2Parameter(&m_h2ShowHistogramH2, &m_h2ShowGridH2, &m_h2DynamicScaling, &m_h2ShowWorkingRangeH2);
    dialog.getPipelocatingParameter(&m_pipelocatingShowFftPL, &m_pipelocatingShowFrequencyValuePL,
                                    &m_pipelocatingUseFrequencyColorForLevelbarPL,
                                    &m_pipelocatingShowFilterParameterPL);
    dialog.getStartupParameter(&m_startupUseFavouriteForStartup, &m_startupUseFilterForStartup,
                               &m_startupUseGpsForStartup);
    storeChange();
}

void Systemsettings::on_butHearingProtection_clicked()
{
    HearingProtection dialog(this);
    dialog.init(m_hearingProtection, m_headphoneVolumeOffset);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_hearingProtection = dialog.getModeHearingProtection();
    m_headphoneVolumeOffset = dialog.getHeadphoneVolumeOffset();
    setValue(ui->butHearingProtection, hearingProtectionText());
    storeChange();
    // The stored gain, also where the dialog tried another one that could not be stored.
    if (m_btSource)
        m_btSource->setBtAdcGain(getHeadphoneGain());
}

void Systemsettings::on_butSysteminformation_clicked()
{
    Systeminformation dialog(this);
    dialog.init();
    dialog.exec();
}

void Systemsettings::on_butReset_clicked()
{
    ResetSettings dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    // Nothing is reset while the settings file keeps the old values: the modules would
    // forget the pairings that the next start still calls.
    setResetValues();
    if (!storeChange())
        return;
    emit changeLanguage(m_selectedLanguageNum);

    // The modules forget their set-up and their pairings, so nothing old links up again.
    if (m_btSink) {
        m_btSink->disconnectBtDevice();
        m_btSink->initBtModulSink();
        m_btSink->sendData(QStringLiteral("SET BT PAIR *"));
    }
    if (m_btSource) {
        m_btSource->disconnectBtDevice();
        m_btSource->initBtModulSource();
        m_btSource->sendData(QStringLiteral("SET BT PAIR *"));
    }
    qDebug() << "Restarting TK9400";
    Platform::runCommand(QStringLiteral("reboot"));
}

void Systemsettings::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QWidget::keyPressEvent(event);
}

void Systemsettings::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        on_butMenuBack_clicked();
    else
        QWidget::keyReleaseEvent(event);
}
