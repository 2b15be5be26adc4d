#ifndef SYSTEMSETTINGS_H
#define SYSTEMSETTINGS_H

#include <QHash>
#include <QString>
#include <QWidget>

namespace Ui {
class Systemsettings;
}
class Bluetooth;
class LanguageSelect;
class SettingsButton;
struct SettingsField;
template <typename T> class QVector;

// The settings store behind "/home/root/settings.ini" and, at the same time, the
// settings screen (widget number 5). Every other part reads settings through the
// getters here; every accepted change is written to the file at once.
class Systemsettings : public QWidget
{
    Q_OBJECT

public:
    explicit Systemsettings(QWidget* parent = nullptr);
    ~Systemsettings() override;

    static QString settingsFilePath();
    // Largest settings file read or taken from outside: far above the few kilobytes the
    // store writes.
    static constexpr qint64 kMaxSettingsFileBytes = 64 * 1024;

    // Screen
    static constexpr int kPages = 3;
    void init();
    int currentPage() const { return m_currentPage; }

    // Persistence
    void loadSystemsettings();
    // Ranges of the values that the dialogs offer; a file with others is corrected at load.
    static const int kMinHeadphoneVolumeOffset = -4;
    static const int kMaxHeadphoneVolumeOffset = 10;
    static const int kMinBrightness = 1;
    static const int kMaxBrightness = 7;
    // Writes every key; false, with a warning, when the file stays as it was.
    bool storeSystemsettings();
    // Stores a change the user made. When the file cannot be written, tells the user, takes
    // the values back as a start would find them (from the file in place, or the reset
    // values where there is none) and shows them: nothing shows or acts on a value that the
    // next start would lose. True when stored.
    bool storeChange();
    // Tells the user that settings could not be stored.
    static void showNotStored();
    bool resetToDefaultSettings();
    // 0 when stored; -1 for a number outside 0..5 or when the change is not stored.
    int setFavouriteButton(int favouriteNum);
    bool clearBtHeadphone();
    bool clearBtMicrophone();
    // Whether the text of an INI file sets at least one group/key of the store.
    static bool holdsKnownSetting(const QByteArray& contents);

    // Plain getters
    int getSelectedLanguageNum() const { return m_selectedLanguageNum; }
    QString getBtIdHeadphone() const { return m_btIdHeadphone; }
    QString getBtNameHeadphone() const { return m_btNameHeadphone; }
    QString getBtIdMicrophone() const { return m_btIdMicrophone; }
    QString getBtNameMicrophone() const { return m_btNameMicrophone; }
    QString getDateTimeSource() const { return m_dateTimeSource; }
    QString getTimezoneName() const { return m_timezoneName; }
    int getTimezoneNum() const { return m_timezoneNum; }
    int getTimezoneOffset() const { return m_timezoneOffset; }
    int getDaylightSavingTime() const { return m_daylightSavingTime; }
    int getDaylightSavingTimeOffet() const { return m_daylightSavingTimeOffset; }
    QString getDateFormat() const { return m_dateFormat; }
    QString getSwitchmode() const { return m_switchmode; }
    bool isHearingProtectionEnabled() const { return m_hearingProtection; }
    int getHeadphoneVolumeOffset() const { return m_headphoneVolumeOffset; }
    // The headphone module's gain: 1 under hearing protection, else the offset plus 5.
    int getHeadphoneGain() const { return m_hearingProtection ? 1 : m_headphoneVolumeOffset + 5; }
    int getPowerOffTime() const { return m_powerOffTime; }
    int getDisplayOffTime() const { return m_displayOffTime; }
    int getBrightness() const { return m_brightness; }
    // The value for the backlight: a missing or zero brightness in the file must not
    // leave the display dark, so it counts as the reset value.
    int getBacklightBrightness() const;

    bool isShowFftEnabled() const { return m_levelMeasShowFft; }
    bool isShowFrequencyValueEnabled() const { return m_levelMeasShowFrequencyValue; }
    bool isUseFrequColorForBarEnabled() const { return m_levelMeasUseFrequColorForBar; }
    bool isShowPeakLevelBarEnabled() const { return m_levelMeasShowPeakLevelBar; }
    bool isPPShowFrequencyValueEnabled() const { return m_pinpointingShowFrequencyValuePP; }
    bool isPPUseFrequColorForBarEnabled() const { return m_pinpointingUseFrequencyColorForLevelbarPP; }
    bool isPPShowFilterParameterEnabled() const { return m_pinpointingShowFilterParameter; }
    bool isPPDynamicScalingEnabled() const { return m_pinpointingDynamicScaling; }
    bool isLTShowFrequencyValueEnabled() const { return m_longtermShowFrequencyValueLT; }
    bool isLTUseFrequColorForBarEnabled() const { return m_longtermUseFrequencyColorForLevelbarLT; }
    bool isLTShowGridEnabled() const { return m_longtermShowGridLT; }
    bool isLTShowFilterParameterEnabled() const { return m_longtermShowFilterParameterLT; }
    bool isH2ShowHistogramEnabled() const { return m_h2ShowHistogramH2; }
    bool isH2ShowGridEnabled() const { return m_h2ShowGridH2; }
    bool isH2DynamicScalingEnabled() const { return m_h2DynamicScaling; }
    bool isH2ShowWorkingRangeEnabled() const { return m_h2ShowWorkingRangeH2; }
    bool isPLShowFftEnabled() const { return m_pipelocatingShowFftPL; }
    bool isPLUseFrequColorForBarEnabled() const { return m_pipelocatingUseFrequencyColorForLevelbarPL; }
    bool isPLShowFrequencyValueEnabled() const { return m_pipelocatingShowFrequencyValuePL; }
    bool isPLShowFilterParameterEnabled() const { return m_pipelocatingShowFilterParameterPL; }
    bool isSUUseFavouriteForStartupEnabled() const { return m_startupUseFavouriteForStartup; }
    bool isSUUseFilterForStartupEnabled() const { return m_startupUseFilterForStartup; }
    bool isSUUseGpsForStartupEnabled() const { return m_startupUseGpsForStartup; }

    // Derived values
    QString getFormatStringTime() const;
    QString getFormatStringDate() const;
    static int convertDateFormatToInt(const QString& format);
    static int convertDateTimeSourceToInt(const QString& source);
    QString getLanguageName(int languageNum) const;
    QString getFavButTextFromNum(int favouriteNum);
    // Translated name of a favourite function 0..5; empty for any other number.
    static QString favouriteFunctionName(int favouriteNum);
    int getFavouriteButton(QString* text);
    QString convertTimeToText(int seconds) const;
    bool isMuteKeySwitchmode() const;

    // A Bluetooth address as the modules expect it ("00:07:80:12:34:56").
    static bool isValidBtAddress(const QString& address);

signals:
    void gotoWidget(int widget, int direction, int variant);
    void changeLanguage(int language);

private slots:
    void on_butMenuUp_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuDown_clicked();

    void on_butSwitchmode_clicked();
    void on_butHearingProtection_clicked();
    void on_butCustomize_clicked();
    void on_butPairedHeadphone_clicked();
    void on_butPairedMicrophone_clicked();
    void on_butBrightness_clicked();
    void on_butPowerSaving_clicked();
    void on_butFavouriteButton_clicked();
    void on_butSysteminformation_clicked();
    void on_butReset_clicked();
    void on_butLanguage_clicked();
    void on_butTime_clicked();
    void on_butDate_clicked();
    void on_butTimezone_clicked();
    void on_butDaylightSavingTime_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Takes the values of the file's text; true when one had to be corrected into range.
    bool takeValues(const QHash<QString, QString>& file);
    void setResetValues();
    bool correctOutOfRangeValues();
    friend struct SettingsField;
    static const QVector<SettingsField>& fields();
    QString readBtAddress(const QVariant& value, const char* key) const;

    void showPage(int page);
    // Every value of the screen's entries from the members.
    void showValues();
    void refreshDateTime();
    void runDateTimeDialog(int page);
    void runTimezoneDialog(int page);
    QString switchmodeText() const;
    QString brightnessText() const;
    QString powerSavingText() const;
    QString daylightSavingText() const;
    QString hearingProtectionText() const;

    Ui::Systemsettings* ui;
    LanguageSelect* m_selectLanguage = nullptr;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    int m_currentPage = 1;
    QString m_time;
    QString m_date;

    QString m_btIdHeadphone;
    QString m_btNameHeadphone;
    QString m_btIdMicrophone;
    QString m_btNameMicrophone;
    int m_selectedLanguageNum = 1;
    QString m_selectedLanguageString;
    QString m_timezoneName;
    int m_timezoneNum = 13;
    int m_timezoneOffset = 3600;
    QString m_dateFormat;
    QString m_dateTimeSource;
    int m_daylightSavingTime = 0;
    int m_daylightSavingTimeOffset = 0;
    QString m_switchmode;
    int m_favouriteButton = 2;
    int m_brightness = 6;
    int m_powerOffTime = 3600;
    int m_displayOffTime = 600;
    bool m_hearingProtection = false;
    int m_headphoneVolumeOffset = 0;

    bool m_levelMeasShowFft = true;
    bool m_levelMeasShowFrequencyValue = true;
    bool m_levelMeasUseFrequColorForBar = false;
    bool m_levelMeasShowPeakLevelBar = false;
    bool m_pinpointingShowFrequencyValuePP = true;
    bool m_pinpointingUseFrequencyColorForLevelbarPP = false;
    bool m_pinpointingShowFilterParameter = true;
    bool m_pinpointingDynamicScaling = true;
    bool m_longtermShowFrequencyValueLT = true;
    bool m_longtermUseFrequencyColorForLevelbarLT = false;
    bool m_longtermShowGridLT = true;
    bool m_longtermShowFilterParameterLT = true;
    bool m_h2ShowHistogramH2 = true;
    bool m_h2ShowGridH2 = false;
    bool m_h2DynamicScaling = true;
    bool m_h2ShowWorkingRangeH2 = false;
    bool m_pipelocatingShowFftPL = false;
    bool m_pipelocatingUseFrequencyColorForLevelbarPL = false;
    bool m_pipelocatingShowFrequencyValuePL = true;
    bool m_pipelocatingShowFilterParameterPL = true;
    bool m_startupUseFavouriteForStartup = false;
    bool m_startupUseFilterForStartup = false;
    bool m_startupUseGpsForStartup = true;
};

#endif // SYSTEMSETTINGS_H
