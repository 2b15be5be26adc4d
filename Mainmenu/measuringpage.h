#ifndef MEASURINGPAGE_H
#define MEASURINGPAGE_H

#include <QString>
#include <QWidget>

class AudioCodecSetup;
class Bluetooth;
class MeasManagement;
class QDialog;
class QLabel;
class SoundPlayer;
class StoredInfo;
class QTimer;

// The frame that every measuring page but the pressure page runs in: start-up live or as
// the view of a stored measurement, the listening path, the device's and the sensor
// unit's mute keys, the watch on the sensor unit's data link, the save road and the two
// ways out. A page derives from it, passes its Config and fills in the hooks below.
//
// The form. A page's form provides (by object name) a QStackedWidget "subMenu" whose page
// 0 is the live button bar and page 1 (Config::storedBar) the stored view's bar, a Statusbar
// "widgetStatusbar", and push buttons "butMenuMainmenu" (live), "butMenuMainmenu_2" and
// "butMenuStoredBack" (stored), optionally "butMenuHome" (the live leaving button of pages
// that name it so, as "butMenuMainmenu"), "butMenuSave", "butMenuStoredPlay" and
// "butMenuStoredStop". Call frameReady() at the end of the page's constructor, once the
// form is set up: it connects those buttons that are there to the operations of the same
// name below (they are plain functions, so uic's connection by name leaves them alone).
// Create m_player with SoundPlayer::create(this).
//
// init(variant) runs, in this order: setTooltips(), the sensor note (live only, when
// needsSensorNote()), applyDisplaySettings(), resetBeforeLinks(), both links called, the
// unit's mute key connected, the codec's init(), resetDisplays(), then startLive() or
// startStoredView().
class MeasuringPage : public QWidget
{
    Q_OBJECT
public:
    // Where a page reports its favourite number to the main window.
    enum FavouriteReport { ReportInConstructor, ReportInInit, ReportAtEndOfLiveInit };
    // Order of the steps on the way to the main page: the level page mutes after stopping
    // the recording; pinpointing, pipe locating and H2 mute first; the long-term page mutes
    // through its own wrapper after stopping its timers.
    enum LeaveOrder { MuteAfterRecording, MuteFirst, OwnMuteAfterTimers };
    // Who starts the reading timer: the wrapper on opening the path, live init (it runs
    // until the page is left), or the page itself (the frame leaves the timer alone).
    enum ReadingStart { StartOnOpening, StartInLiveInit, StartByPage };

    struct Config
    {
        int widgetNumber = 0;
        int favouriteNumber = 0;
        FavouriteReport favouriteReport = ReportInConstructor;
        int readingIntervalMs = 300;
        ReadingStart readingStart = StartOnOpening;
        LeaveOrder leaveOrder = MuteAfterRecording;
        bool stopCaptureOnLeave = false;
        // Back from the stored view mutes through the main window's switch instead of the codec.
        bool backMutesPath = false;
        // Log "Text: ..." / "Text: verworfen" for the save keyboard's result.
        bool logSaveText = true;
        // Save mutes the path first when it is open; false leaves it as it is and pauses the
        // recording while the keyboard is open instead.
        bool saveMutesPath = true;
        // Routing for the stored view's playback; -1 leaves the codec's routing alone.
        int storedRouting = 1;
        // The page of "subMenu" that the stored view shows.
        int storedBar = 1;
        // The sensor unit's mute key is connected in the stored view too.
        bool muteKeyInStoredView = true;
    };

    static const int kLinkCheckMs = 1700;

    MeasuringPage(const Config& config, QWidget* parent = nullptr);
    ~MeasuringPage() override;

    // 1 shows the stored measurement MeasManagement has selected; any other value is live.
    void init(int variant);

    const Config& config() const { return m_config; }
    bool isStoredView() const { return m_storedMeasurement; }
    bool isLinkWarningArmed() const { return m_enableWarningBtConnection; }
    // The store of an accepted save is under way, its messages included: a start of the
    // page now would take the clips it is about to copy.
    bool isStoring() const { return m_storing; }
    QString selectedMeasurementDir() const { return m_selectedMeasurementDir; }
    QTimer* readingTimer() const { return m_timerLevel; }
    QTimer* linkCheckTimer() const { return m_timerCheckBtConnection; }

public slots:
    // The page's switch of the listening path: stored view plays or stops the stored
    // sound; live switches the main window's path, then pathOpened() or pathMuted().
    virtual void muteAudioPath(bool a_mute, bool a_sendToMic);
    // The sensor unit's mute key (true: the unit is muted); nothing is sent back.
    virtual void switchActiveMute(bool muted);
    // Every kLinkCheckMs while live: warns once per loss of the sensor unit's data link.
    void checkBtConnection();

public:
    // The bars' buttons (frameReady() connects them); the tests and the keys call them too.
    void on_butMenuMainmenu_clicked();
    void on_butMenuMainmenu_2_clicked();
    void on_butMenuStoredBack_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuStoredPlay_clicked();
    void on_butMenuStoredStop_clicked();

signals:
    void exit();
    void gotoWidget(int widget, int direction, int variant);

protected:
    // ---- hooks: what a page does differently ------------------------------------------
    // Tooltips of both bars from the page's own text ids; init runs it every time.
    virtual void setTooltips() {}
    // The note before a live start: by default when the H2 sensor is fitted.
    virtual bool needsSensorNote() const;
    virtual QString sensorNoteText() const;
    // Shows or hides the page's display elements by the settings.
    virtual void applyDisplaySettings() {}
    // For a page that clears its running values and mutes the path before the links are
    // called and the codec is set up (both variants).
    virtual void resetBeforeLinks() {}
    // Puts the page's displays back to their start values (both variants).
    virtual void resetDisplays() {}
    // The live start: filter to the codec, muted start, analysis cleared, gain step, the
    // recording started, the link check and the booted-to-favourite rule. A page with
    // another start (H2) replaces it; applyBootedToFavouriteRule() is there for it.
    virtual void startLive();
    // Reads "info.ini" of m_selectedMeasurementDir and shows the stored values (a page
    // applies its stored filter here). The default reads only the name.
    virtual void analyseInfoFile();
    // The live path just opened / was muted; the defaults run the reading timer (when the
    // wrapper owns it) and call resetRunningValues() and setDrawingEnabled().
    virtual void pathOpened();
    virtual void pathMuted();
    // Whether the listening path is open as the page sees it; by default the main window's
    // switch. A page that keeps its own state answers from it.
    virtual bool isPathOpen() const;
    virtual void resetRunningValues() {}
    virtual void setDrawingEnabled(bool enabled) { Q_UNUSED(enabled) }
    // The stored view's sound.
    virtual void playStoredSound() {}
    virtual void stopStoredSound() {}
    // The accepted save (on_butMenuSave_clicked() has muted the path and asked for the
    // name): write the clip with AudioWorker::storeAudioData(), which returns once it is
    // complete, fill a value-initialised MeasInfoStructure and call
    // MeasurementData()->storeMeasurement(type, name, record); when the clip could not be
    // written, MeasurementData()->refuse() instead. The path stays muted.
    virtual void saveMeasurement(const QString& name) { Q_UNUSED(name) }
    // The page's reading slot: every tick of m_timerLevel.
    virtual void updateReading() {}

    // ---- pieces for the pages ----------------------------------------------------------
    // Whether the main window shows this page: the on/off key or the favourite key on a
    // dialog of the page shows another one while the dialog's exec() has yet to return.
    bool isShownPage() const;
    // Whether it shows as the start m_starts had then: the favourite key on a dialog of the
    // page, with the page the favourite, starts it anew before the dialog's exec() returns.
    bool isShownAs(int start) const;
    // Runs a dialog of the page modally; true when the page still shows as the start that
    // opened it, however the dialog was closed there (also by a PC keyboard's Escape), so
    // that what follows it (a timer restarted, the recording resumed) runs on this start
    // alone, never behind another page or over a fresh start.
    bool execOnShownPage(QDialog& dialog);
    // Call at the end of the page's constructor, when the form is there.
    void frameReady();
    void showButtonBar(int index);
    // Gives the codec the main window's current filter.
    void applyCurrentFilter();
    // Arms the link warning unless the device booted straight into this page as favourite.
    void applyBootedToFavouriteRule();
    void reportFavourite();
    // The selected measurement's "info.ini" as a host path.
    QString storedInfoFile() const;
    // The listening filter as the pages show it: type 1 band-pass, 2 band-stop; any other
    // type is no filter, 0 to 4000 Hz. readStoredFilter() takes it from the group "Filter"
    // of an information file; showFilterLabels() puts it right first and shows the type's
    // symbol (the band-pass one for no filter) and "LOW Hz\nHIGH Hz" in the two labels.
    static void readStoredFilter(const StoredInfo& info, int* type, quint32* low, quint32* high);
    static void showFilterLabels(QLabel* symbol, QLabel* range, int* type, quint32* low, quint32* high);
    static QString filterTypeSymbolStyle(int type);
    // A frequency as the pages show it: "N Hz".
    static QString hertz(qint64 frequency);
    // Gives a widget that style sheet unless it has it already. Every setting polishes the
    // widget anew, and with an image in the style its next paint caches a new picture of
    // the image (some 8 kB for a button icon, kept until the pixmap cache is full): styles
    // set on a timer or at every mute go through here.
    static void restyle(QWidget* widget, const QString& style);
    // A level bar's chunk in the colour of its frequency: blue at 0 Hz, red at 150 Hz,
    // yellow from 300 Hz on.
    static QString frequencyChunkStyle(int frequency);

    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    QTimer* m_timerLevel = nullptr;
    QTimer* m_timerCheckBtConnection = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    MeasManagement* m_measManagement = nullptr;
    SoundPlayer* m_player = nullptr;
    bool m_storedMeasurement = false;
    QString m_selectedMeasurementDir;
    QString m_storedMeasurementName;
    bool m_enableWarningBtConnection = false;
    // A save is under way (its name keyboard, then the store): the result shown is the one
    // it stores.
    bool m_saving = false;
    bool m_storing = false;
    // Counts the starts (init), so that a start held up by its sensor note knows whether
    // another began meanwhile.
    int m_starts = 0;

    // F10 (the device's mute key) by the switch mode; the release of Escape (on/off key) leaves.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // Another page shown in this one's place without its own way out (the on/off key on a
    // dialog of the page closes only the dialog): nothing of this page runs on behind it.
    void hideEvent(QHideEvent* event) override;

private:
    // What the page's own way out does but the change of page and the path, which the page
    // shown next sets up for itself.
    void stopRunning();
    void startStoredView();
    void leaveToMainMenu();
    // Ends the stored sound: the player goes and the codec back to the listening route.
    void endStoredSound();
    void disconnectMuteKey();

    Config m_config;
};

#endif // MEASURINGPAGE_H
