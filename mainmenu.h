#ifndef MAINMENU_H
#define MAINMENU_H

#include <QMainWindow>
#include <QTranslator>

namespace Ui {
class MainMenu;
}

class AudioCodecSetup;
class Bluetooth;
class FavouriteButton;
class Gps;
class GpsMonitor;
class H2Sensor;
class Levelmeasurement;
class Longtermmeasurement;
class Management;
class MeasManagement;
class Pinpointing;
class Pipelocating;
class PressureSensor;
class QTimer;
class Systemsettings;

// The main window: brings the device up, owns the device objects and the pages,
// switches between the pages and keeps the menu history and the listening path.
class MainMenu : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget* parent = nullptr);
    ~MainMenu() override;

    static MainMenu* getInstanceMainMenu() { return m_instanceMainMenu; }

    Bluetooth* getBtSourceInstance() const { return m_btSource; }
    Bluetooth* getBtSinkInstance() const { return m_btSink; }
    Systemsettings* getInstanceSystemsettings() const { return m_systemsettings; }
    MeasManagement* getInstanceMeasManagement() const { return m_measManagement; }
    AudioCodecSetup* getAudioCodecInstance() const { return m_audioCodec; }
    Gps* getGpsInstance() const { return gpsModul; }
    FavouriteButton* getFavouriteButtonInsance() const { return m_favouriteButton; }

    int getMicGainStep() const { return m_micGainStep; }
    float getMicPgaGain() const { return m_micPgaGain; }
    void setHeadphoneGainStep(int step) { m_headphoneGainStep = step; }
    int getHeadphoneGainStep() const { return m_headphoneGainStep; }
    int setCurrentVisibleDlgNum(int a_dlgNum);
    int getCurrentVisibleDlgNum() const { return m_currentVisibleDlgNum; }
    bool isMainMenuVisible() const { return m_mainMenuVisible; }
    bool isAudioPathMuted() const { return m_muted; }
    bool isMuteKeySwitchmode() const;
    void setCurrentMicGainStep(int gainStep) { m_currentMicGainStep = gainStep; }
    int getCurrentMicGainStep() const { return m_currentMicGainStep; }
    void setCurrentHeadphoneVolumeStep(int volStep) { m_currentHeadphoneVolStep = volStep; }
    int getCurrentHeadphoneVolumeStep() const { return m_currentHeadphoneVolStep; }
    void setCurrentFilter(quint32 lowCutOffFreq, quint32 highCutOffFreq, int filterType);
    void getCurrentFilter(quint32* lowCutOffFreq, quint32* highCutOffFreq, int* filterType) const;
    bool isBootedToFavouriteFunction() const { return m_directlyBootedToFavouriteFunction; }
    int resetBootedToFavouriteFunction();

    void init();
    void showWidget(int widget);
    void displayDebugMenu();

    // Navigation and menu history
    int displayFavouriteDialog(int a_widget);
    void setMenuDirection(int dir);
    void menuLevelDown();
    void menuLevelUp();
    void menuLevelEqual();
    void resetMenuLevel();
    int getCurrentMenuLevel() const { return m_currentMenuLevel; }
    int getStoredWidget(int level) const;
    int getCurrentWidget() const { return m_widget; }
    QWidget* currentPage() const;

    // Listening path and the sensor unit's microphone parameters
    void muteAudioPath(bool a_mute, bool a_sendToMic);
    void setMicGainStep(int step);
    int setMicInitParameter(int a_gain, int a_mute, int a_button);
    int initQj5(int a_gain, int a_mute, int a_button);
    int setMicParameterGain(int a_gain);
    int setMicParameterMute(int a_mute);
    int setMicParameterButton(int a_button);
    void updateMicrophoneParameter();
    void getMicInitParameter(int* a_gain, int* a_mute, int* a_button) const;
    // Whether a report of the sensor unit's mute key goes on to its receiver. The unit's key
    // acts where the front mute key would: not while the GUI thread waits for a clip, and
    // under a dialog or pop-up not on the page (a dialog that takes the front key switches
    // the path, as that key does there). A report that does not act leaves the unit told
    // the path's state, so that its next press starts from there as the front key's would.
    bool unitMuteKeyGoesOn(bool muted);

    // System log, power-down and pop-ups
    void writeSystemInfo(const QString& infoText);
    void beforePowerDown();
    void displayPopup(int picture);

    // Language
    void loadLanguageFile(const QString& a_filename);
    static QString languageFileName(int num);

public slots:
    void displayWidget(int widget, int dir, int variant);
    void displayMainMenu();
    void changeLanguage(int num);
    void switchActiveMute(bool mute);
    void writeSystemInfo();
    void powerDown();

private slots:
    void on_butLevelmeasurement_clicked();
    void on_butPinpointing_clicked();
    void on_butH2Sensor_clicked();
    void on_butPipelocating_clicked();
    void on_butLongtermmeasurement_clicked();
    void on_butManagement_clicked();
    void on_butTestMenu_clicked();
    void on_butDebugMenu_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    template <typename Page> Page* measuringPage(Page*& page);
    // Builds the measuring page on first use and shows it, leaving the main page's mute-key handling.
    template <typename Page> void showMeasuringPage(Page*& page, int dir, int variant);
    void createManagement();
    void showPage(QWidget* page, int dir);
    void setModeButtonTexts();
    void applyHeadphoneGainRule();
    void loadStyleSheet();
    void restoreMixerState();
    void runTestMenu();
    void runDebugMenu();

    Ui::MainMenu* ui;

    Levelmeasurement* m_levelMeasurement = nullptr;
    Pinpointing* m_pinpointing = nullptr;
    Management* m_management = nullptr;
    Systemsettings* m_systemsettings = nullptr;
    GpsMonitor* m_gpsMonitor = nullptr;
    H2Sensor* m_h2sensor = nullptr;
    MeasManagement* m_measManagement = nullptr;
    Pipelocating* m_pipelocating = nullptr;
    PressureSensor* m_pressureSensor = nullptr;
    Longtermmeasurement* m_longtermMeasurement = nullptr;

    FavouriteButton* m_favouriteButton = nullptr;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    Gps* gpsModul = nullptr;
    QTimer* m_timerSystemMonitor = nullptr;

    int m_widget = 0;
    int m_storedWidgetMenu[10] = {};
    int m_currentMenuLevel = 0;

    QTranslator translator;
    QByteArray m_catalogueData; // a catalogue from the data partition, read by the translator in place

    int m_micGainStep = 0;
    int m_micGain = 0;
    float m_micPgaGain = 0.0f;
    int m_headphoneGainStep = 0;
    int m_currentVisibleDlgNum = 0;
    bool m_mainMenuVisible = true;
    bool m_muted = true;
    // The sensor unit's key, in push-button mode, was pressed and its press went on.
    bool m_unitKeyHeldOnPage = false;
    int m_micParameterGain = 0;
    int m_micParameterMute = 0;
    int m_micParameterButton = 0;
    int m_currentMicGainStep = 3;
    int m_currentHeadphoneVolStep = 8;
    quint32 m_currentLowCutOffFreq = 0;
    quint32 m_currentHighCutOffFreq = 4000;
    int m_currentFilterType = 0;
    bool m_directlyBootedToFavouriteFunction = false;
    bool m_powerDownStarted = false;

    static MainMenu* m_instanceMainMenu;
};

#endif // MAINMENU_H
