// The measuring page frame in the main window, against the simulated Bluetooth modules,
// sensor unit and headphones: mute keys, the link warning, the sensor note, the stored
// view and the ways out.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/backgroundrecording.h"
#include "Hardware/bluetooth.h"
#include "Mainmenu/h2sensor.h"
#include "Mainmenu/levelmeasurement.h"
#include "Mainmenu/measuringpage.h"
#include "Mainmenu/pinpointing.h"
#include "Management/measmanagement.h"
#include "Tools/favouritebutton.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "Tools/waitnote.h"
#include "adcsim.h"
#include "codecmixer.h"
#include "dialogdriver.h"
#include "eventhandler.h"
#include "mainmenu.h"
#include "recordingplayer.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QKeySequence>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

struct Instrument : TestSupport::PairedInstrument
{
    explicit Instrument(const QVariantMap& settings = {}, bool unitPresent = true)
        : PairedInstrument({{"Systemsettings/Switchmode", "Push"}}, settings)
    {
        unit()->setPeerPresent(unitPresent);
    }

    bool start(bool waitForLink = true)
    {
        startMainMenu();
        return !waitForLink || linkUp(true);
    }
    bool linkUp(bool up)
    {
        return QTest::qWaitFor(
            [this, up] { return menu->getBtSinkInstance()->isConnectedRFCOMM() == up; }, TestSupport::timeBound(8000));
    }
    void unitGoes() { unit()->dropPeerLinks(-1); }
    void unitComes() { unit()->setPeerPresent(true); }
    bool sensorType(int type)
    {
        unit()->setUnitSensorType(type);
        unit()->unitRestarted();
        return QTest::qWaitFor([type] { return StatusbarData()->sensorType() == type; }, TestSupport::timeBound(3000));
    }

    // Shows the page live, with the link check driven by the test alone.
    MeasuringPage* show(int widget)
    {
        menu->displayWidget(widget, 1, 0);
        auto* page = qobject_cast<MeasuringPage*>(menu->currentPage());
        if (page)
            page->linkCheckTimer()->stop();
        return page;
    }

    // Commands the headphone link wrote before may still be on their way to the module;
    // a transcript cleared before they arrive would show them as new ones.
    void phonesCaughtUp() const
    {
        const QString port = menu->getBtSourceInstance()->getPortName();
        const bool caughtUp = QTest::qWaitFor(
            [&] {
                const int sent = TestSupport::loggedMessages().filter("BT send").filter(port).filter("SET CONTROL").size();
                return phones()->commandLines().filter("SET CONTROL").size() >= sent;
            },
            TestSupport::timeBound(5000));
        // A comparison after this shows what is missing.
        Q_UNUSED(caughtUp)
    }

    BtModuleSim* unit() const { return sim.sink(); }
    BtModuleSim* phones() const { return sim.source(); }
    QByteArray audioGpio() const { return device.read("/sys/class/gpio/gpio17/value"); }
    bool pathOpen() const
    {
        return !menu->isAudioPathMuted() && !menu->getAudioCodecInstance()->isMuted() && audioGpio() == "1";
    }
    bool pathMuted() const
    {
        return menu->isAudioPathMuted() && menu->getAudioCodecInstance()->isMuted() && audioGpio() == "0";
    }
};

QList<DialogDriver::Message> warnings(const DialogDriver& driver)
{
    QList<DialogDriver::Message> found;
    for (const DialogDriver::Message& m : driver.messages()) {
        if (m.text.startsWith("No bluetooth connection."))
            found << m;
    }
    return found;
}

} // namespace

class TestMeasuringPage : public TestSupport::PageTest
{
    Q_OBJECT

private slots:
    void muteKeyPushesOrSwitches_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("push") << "Push";
        QTest::newRow("switch") << "Switch";
    }
    void muteKeyPushesOrSwitches()
    {
        QFETCH(QString, mode);
        Instrument instrument({{"Systemsettings/Switchmode", mode}});
        QVERIFY(instrument.start());
        MeasuringPage* page = instrument.show(1);
        QVERIFY(page && instrument.pathMuted());
        instrument.phonesCaughtUp();
        instrument.phones()->clearTranscript();

        QTest::keyPress(page, Qt::Key_F10);
        QVERIFY(instrument.pathOpen());
        QVERIFY(page->readingTimer()->isActive());
        QTest::keyRelease(page, Qt::Key_F10);
        if (mode == "Switch") {
            QVERIFY(instrument.pathOpen());
            QTest::keyPress(page, Qt::Key_F10);
        }
        QVERIFY(instrument.pathMuted());
        QVERIFY(!page->readingTimer()->isActive());
        // The headphones were given their gain back and then 0.
        QTRY_COMPARE(instrument.phones()->commandLines().filter("SET CONTROL GAIN").size(), 2);
        QCOMPARE(instrument.phones()->commandLines().filter("SET CONTROL GAIN").last(), QString("SET CONTROL GAIN 0 f"));
    }

    void linkWarningOncePerLoss()
    {
        Instrument instrument;
        QVERIFY(instrument.start());
        MeasuringPage* page = instrument.show(1);
        DialogDriver driver;
        QList<bool> mutedWhenShown;
        driver.setInspector([&](QWidget*) { mutedWhenShown << instrument.menu->isAudioPathMuted(); });
        driver.grabMessages(true);

        // up, down, down, up, down; the path is open each time the link goes.
        const QList<bool> states = {true, false, false, true, false};
        for (bool up : states) {
            if (up) {
                instrument.unitComes();
                QVERIFY(instrument.linkUp(true));
            } else {
                page->muteAudioPath(false, false);
                instrument.unitGoes();
                QVERIFY(instrument.linkUp(false));
            }
            page->checkBtConnection();
        }
        QCOMPARE(warnings(driver).size(), 2);
        QCOMPARE(mutedWhenShown, QList<bool>({true, true}));
        const DialogDriver::Message warning = warnings(driver).first();
        QCOMPARE(warning.icon, int(MessageDialog::IconWarning));
        QCOMPARE(warning.headline, QString("Warning"));
        QVERIFY(warning.image.save(TestSupport::screenshotPath("measuringpage-link-warning.png")));

        // With the wired sensor the link is not needed.
        instrument.unitComes();
        QVERIFY(instrument.linkUp(true));
        page->checkBtConnection();
        instrument.device.write("/sys/class/gpio/gpio48/value", "1");
        StatusbarData()->update();
        QCOMPARE(StatusbarData()->sensorType(), 4);
        instrument.unitGoes();
        QVERIFY(instrument.linkUp(false));
        page->checkBtConnection();
        QCOMPARE(warnings(driver).size(), 2);
    }

    void bootedIntoTheFavouriteWarnsOnlyAfterTheLinkWasUp()
    {
        Instrument instrument({{"Dialogconfiguration/Startup_UseFavouriteForStartup", true},
                               {"Systemsettings/FavouriteButton", 2}},
                              false);
        QVERIFY(instrument.start(false));
        auto* page = qobject_cast<Levelmeasurement*>(instrument.menu->currentPage());
        QVERIFY(page);
        page->linkCheckTimer()->stop();
        QVERIFY(!instrument.menu->isBootedToFavouriteFunction());
        DialogDriver driver;
        page->checkBtConnection();
        QCOMPARE(warnings(driver).size(), 0);
        instrument.unitComes();
        QVERIFY(instrument.linkUp(true));
        page->checkBtConnection();
        instrument.unitGoes();
        QVERIFY(instrument.linkUp(false));
        page->checkBtConnection();
        QCOMPARE(warnings(driver).size(), 1);
    }

    void sensorNoteBeforeTheLiveStart_data()
    {
        QTest::addColumn<int>("widget");
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("note");
        QTest::newRow("level, H2 sensor fitted") << 1 << 3 << "You must connect an acoustical sensor\nto use this measurement.";
        QTest::newRow("level, microphone") << 1 << 1 << "";
        QTest::newRow("H2, microphone") << 6 << 1 << "You must connect a H2-Sensor\nto use this measurement.";
        QTest::newRow("H2, H2 sensor fitted") << 6 << 3 << "";
    }
    void sensorNoteBeforeTheLiveStart()
    {
        QFETCH(int, widget);
        QFETCH(int, sensor);
        QFETCH(QString, note);
        Instrument instrument;
        QVERIFY(instrument.start());
        QVERIFY(instrument.sensorType(sensor));
        DialogDriver driver;
        driver.grabMessages(true);
        instrument.menu->setCurrentFilter(160, 1250, 1);
        MeasuringPage* page = instrument.show(widget);
        QCOMPARE(driver.messages().size(), note.isEmpty() ? 0 : 1);
        if (!note.isEmpty()) {
            const DialogDriver::Message shown = driver.messages().first();
            QCOMPARE(shown.icon, int(MessageDialog::IconInformation));
            QCOMPARE(shown.headline, QString("Remark"));
            QCOMPARE(shown.text, note);
            QVERIFY(shown.image.save(TestSupport::screenshotPath(QString("measuringpage-note-%1.png").arg(widget))));
        }
        // The page runs on live after the note, with the current filter.
        QVERIFY(!page->isStoredView());
        if (widget == 1) {
            quint32 low = 0, high = 0;
            int type = -1;
            instrument.menu->getAudioCodecInstance()->getFilter(&low, &high, &type);
            QCOMPARE(QList<quint32>({low, high, quint32(type)}), QList<quint32>({160, 1250, 1}));
        }
        QVERIFY(page->isLinkWarningArmed());
        QVERIFY(instrument.pathMuted());

        // The stored view never notes.
        driver.clear();
        instrument.menu->displayWidget(7, 1, 0);
        instrument.menu->getInstanceMeasManagement()->openStoredMeasurement(widget == 1 ? "LE_20240101_120000_x"
                                                                                        : "H2_20240101_120000_x");
        QCOMPARE(driver.messages().size(), 0);
    }

    // The on/off key on a dialog of the page (the sensor note before the start, a settings
    // dialog while it runs, one opened from another) closes every dialog and shows the main
    // page, the favourite key the favourite's: nothing of the page runs on behind it, a
    // stored sound included. The favourite key on the favourite's own page, or a dialog of
    // it, starts it anew as from any other; a PC keyboard's Escape closes only its dialog,
    // and the page runs on.
    void leftFromADialogOfThePage_data()
    {
        QTest::addColumn<int>("widget");
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("button"); // opens the dialog on the page; none: the note
        QTest::addColumn<QString>("inner"); // what on the filter dialog opens the next one
        QTest::addColumn<QString>("from"); // the dialog the key is pressed on; none: the page
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<int>("favourite");
        const int onOff = Qt::Key_F1;
        const int favourite = Qt::Key_F2;
        const int escape = Qt::Key_Escape;
        QTest::newRow("level, the note") << 1 << 3 << "" << "" << "MessageDialog" << onOff << false << 2;
        QTest::newRow("H2, the note") << 6 << 1 << "" << "" << "MessageDialog" << onOff << false << 2;
        QTest::newRow("level, headphone settings")
            << 1 << 1 << "butMenuHeadphone" << "" << "Headphonesettings" << onOff << false << 2;
        QTest::newRow("H2, headphone settings")
            << 6 << 3 << "butMenuHeadphone" << "" << "Headphonesettings" << onOff << false << 2;
        QTest::newRow("level, filter, microphone")
            << 1 << 1 << "butMenuFilter" << "butMicrophone" << "Micsettings" << onOff << false << 2;
        QTest::newRow("pinpointing, filter, headphone")
            << 3 << 1 << "butMenuFilter" << "butHeadphone" << "Headphonesettings" << onOff << false << 2;
        // The pop-up lasts its second over the page shown next, and only the pop-up.
        QTest::newRow("level, filter, the screenshot's pop-up")
            << 1 << 1 << "butMenuFilter" << "Key_F2" << "PopupInfo" << onOff << false << 0;
        QTest::newRow("H2, the save keyboard")
            << 6 << 3 << "butMenuSave" << "" << "VirtualKeyboard" << onOff << false << 2;
        QTest::newRow("level, stored, playing, headphone settings")
            << 1 << 1 << "butMenuStoredHeadphone" << "" << "Headphonesettings" << onOff << true << 2;
        // The favourite is the level page, which notes the H2 sensor fitted.
        QTest::newRow("H2, headphone settings, favourite key")
            << 6 << 3 << "butMenuHeadphone" << "" << "Headphonesettings" << favourite << false << 2;
        QTest::newRow("H2, the save keyboard, favourite key, H2 the favourite")
            << 6 << 3 << "butMenuSave" << "" << "VirtualKeyboard" << favourite << false << 4;
        QTest::newRow("level, stored, playing, favourite key, level the favourite")
            << 1 << 1 << "" << "" << "" << favourite << true << 2;
        QTest::newRow("level, filter, PC's Escape")
            << 1 << 1 << "butMenuFilter" << "" << "Filtersettings" << escape << false << 2;
    }
    void leftFromADialogOfThePage()
    {
        QFETCH(int, widget);
        QFETCH(int, sensor);
        QFETCH(QString, button);
        QFETCH(QString, inner);
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(bool, stored);
        QFETCH(int, favourite);
        RecordingPlayer::Install player;
        Instrument instrument({{"Systemsettings/FavouriteButton", favourite}});
        QVERIFY(instrument.start());
        QVERIFY(instrument.sensorType(sensor));
        EventHandler keys;
        qApp->installEventFilter(&keys);
        DialogDriver driver;
        // The key on its dialog (a filter dialog's inner one opened first; once that is gone,
        // its check button); the dialogs seen after the key are the page's shown then alone.
        const QString keyName = QKeySequence(key).toString();
        if (!inner.isEmpty())
            driver.pressButtons("Filtersettings", {inner});
        if (!from.isEmpty())
            driver.pressButtons(from, {"Key_" + keyName});
        if (!inner.isEmpty())
            driver.pressButtons("Filtersettings", {"butClose"});
        QString pressedOn;
        bool keyed = false;
        QStringList afterKey;
        driver.setInspector([&](QWidget* dialog) {
            const QString name = dialog->metaObject()->className();
            if (keyed) {
                afterKey << name;
            } else if (name == from) {
                pressedOn = name;
                keyed = true;
            }
        });
        if (stored) {
            instrument.device.write("/media/tk9400/meas/LE_20240101_120000_x/info.ini", "[Measurementinfo]\n");
            instrument.menu->displayWidget(7, 1, 0);
            instrument.menu->getInstanceMeasManagement()->openStoredMeasurement("LE_20240101_120000_x");
        } else {
            instrument.menu->displayWidget(widget, 1, 0);
        }
        MeasuringPage* page = nullptr;
        for (MeasuringPage* built : instrument.menu->findChildren<MeasuringPage*>())
            page = built->config().widgetNumber == widget ? built : page;
        QVERIFY(page);
        if (stored || !button.isEmpty()) {
            QCOMPARE(instrument.menu->currentPage(), page);
            QVERIFY(stored || page->linkCheckTimer()->isActive());
        }
        if (stored) {
            TestSupport::button(page, "butMenuStoredPlay")->click();
            QVERIFY(RecordingPlayer::last() && RecordingPlayer::last()->isPlaying());
        }
        // Escape closes a dialog of a page that listens.
        if (key == Qt::Key_Escape)
            emit instrument.menu->getBtSinkInstance()->stateActiveMuteChanged(false);
        if (!button.isEmpty())
            TestSupport::button(page, button)->click();
        if (from.isEmpty()) {
            keyed = true;
            QTest::keyClick(page, Qt::Key(key));
        }
        QCOMPARE(pressedOn, from);
        const int shown = key == Qt::Key_F1 ? 0
            : key == Qt::Key_F2            ? FavouriteButton::widgetForFavourite(favourite)
                                           : widget;
        const bool note = key == Qt::Key_F2 && (shown == 6 ? sensor != 3 : sensor == 3);
        const QStringList staying = from == "PopupInfo" ? QStringList(from) : QStringList();
        QCOMPARE(afterKey, note ? QStringList("MessageDialog") : staying);
        QCOMPARE(instrument.menu->getCurrentWidget(), shown);
        QVERIFY(!RecordingPlayer::last());
        if (shown == widget) {
            // Started anew, or on with its path open: as on a start from the main page.
            QCOMPARE(instrument.menu->currentPage(), page);
            const bool open = key == Qt::Key_Escape;
            QVERIFY(open ? instrument.pathOpen() : instrument.pathMuted());
            QCOMPARE(Audioworker()->isPaused(), !open);
            QCOMPARE(Analoginputworker()->isPaused(), !open);
            QVERIFY(Analoginputworker()->isCaptureStarted());
            QCOMPARE(page->readingTimer()->isActive(), open || widget == 6);
            QVERIFY(page->linkCheckTimer()->isActive());
            QVERIFY(QObject::disconnect(instrument.menu->getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, page,
                                        &MeasuringPage::switchActiveMute));
            return;
        }
        QVERIFY(!page->readingTimer()->isActive());
        QVERIFY(!page->linkCheckTimer()->isActive());
        QVERIFY(!QObject::disconnect(instrument.menu->getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, page,
                                     &MeasuringPage::switchActiveMute));
        QVERIFY(instrument.pathMuted());
        if (key != Qt::Key_F1)
            return;
        QVERIFY(!Analoginputworker()->isCaptureStarted());
        QVERIFY(Audioworker()->isPaused());
        // The unit's mute key reaches the main page alone: the path stays muted.
        emit instrument.menu->getBtSinkInstance()->stateActiveMuteChanged(false);
        QVERIFY(instrument.pathMuted());
        QVERIFY(!page->readingTimer()->isActive());
    }

    // The favourite key on a page's sensor note, when that page is the favourite: the page
    // starts anew under the new note, and the start the first note held up is not finished
    // a second time.
    void favouriteOnItsOwnNoteStartsOnce()
    {
        Instrument instrument({{"Systemsettings/FavouriteButton", 2}});
        QVERIFY(instrument.start());
        QVERIFY(instrument.sensorType(3));
        EventHandler keys;
        qApp->installEventFilter(&keys);
        DialogDriver driver;
        driver.pressButtons("MessageDialog", {"Key_F2"});
        int notes = 0;
        driver.setInspector([&](QWidget* dialog) {
            if (qobject_cast<MessageDialog*>(dialog))
                ++notes;
        });
        TestSupport::clearLoggedMessages();
        instrument.menu->displayWidget(1, 1, 0);
        QCOMPARE(notes, 2);
        QCOMPARE(instrument.menu->getCurrentWidget(), 1);
        auto* page = qobject_cast<MeasuringPage*>(instrument.menu->currentPage());
        QVERIFY(page && page->linkCheckTimer()->isActive());
        // One live start: the ADC capture started once.
        QCOMPARE(TestSupport::loggedMessages().filter("AnalogInput::startCapture").size(), 1);
    }

    // The window minimised and restored (on a PC) hides the page and shows it again: it runs
    // on as it was, its link check and the unit's mute key included.
    void runsOnAfterTheWindowWasMinimised()
    {
        Instrument instrument;
        QVERIFY(instrument.start());
        instrument.menu->displayWidget(1, 1, 0);
        auto* page = qobject_cast<MeasuringPage*>(instrument.menu->currentPage());
        QVERIFY(page);
        instrument.menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(instrument.menu.get()));
        instrument.menu->showMinimized();
        instrument.menu->showNormal();
        QVERIFY(page->linkCheckTimer()->isActive());
        emit instrument.menu->getBtSinkInstance()->stateActiveMuteChanged(false);
        QVERIFY(instrument.pathOpen());
        QVERIFY(page->readingTimer()->isActive());
    }

    void storedViewAndItsWayBack_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<int>("widget");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("favourite");
        QTest::addColumn<int>("storedInput"); // 0: playback route; the long-term and H2 views play nothing
        QTest::newRow("LE") << "LE_20240315_142530_Hydrant 3" << 1 << QByteArray("Levelmeasurement") << 2 << 0;
        QTest::newRow("PP") << "PP_20240315_142530_a" << 3 << QByteArray("Pinpointing") << 1 << 0;
        QTest::newRow("H2") << "H2_20240315_142530_a" << 6 << QByteArray("H2Sensor") << 4 << 2; // its PWM input
        // Pipe locating plays nothing either and leaves the listening route.
        QTest::newRow("PL") << "PL_20240315_142530_a" << 8 << QByteArray("Pipelocating") << 5 << 1;
        QTest::newRow("LT") << "LT_20240315_142530_a" << 9 << QByteArray("Longtermmeasurement") << 3 << 1;
        QTest::newRow("lower case opens nothing") << "le_20240315_142530_a" << 7 << QByteArray("MeasManagement") << 0
                                                  << 0;
    }
    void storedViewAndItsWayBack()
    {
        QFETCH(QString, dir);
        QFETCH(int, widget);
        QFETCH(QByteArray, page);
        QFETCH(int, favourite);
        QFETCH(int, storedInput);
        Instrument instrument;
        QVERIFY(instrument.start());
        instrument.device.write("/media/tk9400/meas/" + dir + "/info.ini", "[Measurementinfo]\nMeasurementname=stored\n");
        DialogDriver driver;
        MainMenu& menu = *instrument.menu;
        menu.displayWidget(7, 1, 0);
        menu.getInstanceMeasManagement()->openStoredMeasurement(dir);
        QCOMPARE(menu.getInstanceMeasManagement()->getSelectedMeasurementDir(), dir);
        QCOMPARE(QByteArray(menu.currentPage()->metaObject()->className()), page);
        QCOMPARE(menu.getCurrentWidget(), widget);
        auto* shown = qobject_cast<MeasuringPage*>(menu.currentPage());
        if (!shown)
            return;
        QCOMPARE(menu.getCurrentVisibleDlgNum(), favourite);
        QCOMPARE(shown->config().widgetNumber, widget);
        QVERIFY(shown->isStoredView());
        QCOMPARE(shown->selectedMeasurementDir(), dir);
        // The pinpointing page has a second live bar before the stored one.
        QCOMPARE(shown->findChild<QStackedWidget*>("subMenu")->currentIndex(), widget == 3 ? 2 : 1);
        QVERIFY(!shown->linkCheckTimer()->isActive());
        QVERIFY(!shown->isLinkWarningArmed());
        QCOMPARE(CodecMixer::inputPath(instrument.device), storedInput);

        // Back leaves the unit's key with no page: the hidden page must not play or open.
        shown->on_butMenuStoredBack_clicked();
        QCOMPARE(menu.getCurrentWidget(), 7);
        QCOMPARE(CodecMixer::inputPath(instrument.device), 1); // listening route
        instrument.unit()->pressMuteKey();
        QTest::qWait(200);
        QVERIFY(instrument.pathMuted());
        QVERIFY(!QObject::disconnect(menu.getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, shown,
                                     &MeasuringPage::switchActiveMute));
        QCOMPARE(driver.messages().size(), 0);
    }

    void saveAsksForTheNameMuted()
    {
        Instrument instrument;
        QVERIFY(instrument.start());
        DialogDriver driver;
        MeasuringPage* page = instrument.show(3);
        page->muteAudioPath(false, false);
        driver.cancelKeyboard();
        page->on_butMenuSave_clicked();
        QCOMPARE(driver.keyboardsSeen(), 1);
        QVERIFY(instrument.pathMuted());
        QVERIFY(TestSupport::logged("Text: verworfen"));
        driver.typeText("  Hydrant 3 ");
        page->on_butMenuSave_clicked();
        QVERIFY(TestSupport::logged("Text: Hydrant 3"));
        QVERIFY(instrument.pathMuted());
        const QStringList stored =
            QDir(instrument.device.hostPath("/media/tk9400/meas")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QCOMPARE(stored.size(), 1);
        QVERIFY(stored.first().startsWith("PP_") && stored.first().endsWith("_Hydrant 3"));

        // The level page keeps the names out of the log.
        TestSupport::clearLoggedMessages();
        driver.cancelKeyboard();
        instrument.show(1)->on_butMenuSave_clicked();
        QCOMPARE(driver.keyboardsSeen(), 3);
        QVERIFY(!TestSupport::logged("Text:"));
    }

    // Save mutes an open path; a muted one is neither muted again nor told to the unit
    // again (pipe locating would end its point a second time). The unit's key while the
    // name is typed does not open it: that would start a new result under the one saved.
    void saveMutesOnlyAnOpenPath_data()
    {
        QTest::addColumn<int>("widget");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("unitKey");
        QTest::newRow("level, open") << 1 << true << false;
        QTest::newRow("level, muted") << 1 << false << false;
        QTest::newRow("level, unit's key during the name") << 1 << true << true;
        QTest::newRow("pinpointing, muted") << 3 << false << false;
        QTest::newRow("pinpointing, unit's key during the name") << 3 << false << true;
        QTest::newRow("pipe locating, open") << 8 << true << false;
        QTest::newRow("pipe locating, muted") << 8 << false << false;
        QTest::newRow("long-term, muted") << 9 << false << false;
    }
    void saveMutesOnlyAnOpenPath()
    {
        QFETCH(int, widget);
        QFETCH(bool, open);
        QFETCH(bool, unitKey);
        Instrument instrument;
        QVERIFY(instrument.start());
        DialogDriver driver;
        MeasuringPage* page = instrument.show(widget);
        if (open)
            page->muteAudioPath(false, false);
        if (unitKey) {
            driver.setInspector([&instrument](QWidget* dialog) {
                if (dialog->inherits("VirtualKeyboard"))
                    instrument.menu->getBtSinkInstance()->stateActiveMuteChanged(false);
            });
        }
        TestSupport::clearLoggedMessages();
        driver.cancelKeyboard();
        page->on_butMenuSave_clicked();
        QCOMPARE(driver.keyboardsSeen(), 1);
        QVERIFY(instrument.pathMuted());
        QCOMPARE(TestSupport::loggedMessages().filter("Audiopath: MUTED").size(), open ? 1 : 0);
    }

    // The unit's mute key acts where the front key would. Pressed while a save waits for
    // its clip, it is dropped with its release (acting after the wait, it would start a new
    // result right after the save); under the pop-up or a dialog of the page it does not
    // reach the page, and the filter dialog switches the path, as the front key does there.
    // A dropped press leaves the unit told that the path is muted, so that its next press
    // opens it.
    void unitsKeyActsWhereTheFrontKeyWould_data()
    {
        QTest::addColumn<int>("widget");
        QTest::addColumn<QString>("mode");
        // A wait: "save", "mute"; or the class of a dialog, "held over" it when the key is
        // pressed on the page before the dialog opens and let go under it.
        QTest::addColumn<QString>("over");
        QTest::addColumn<bool>("opens");
        QTest::newRow("level, the save's wait, push") << 1 << "Push" << "save" << false;
        QTest::newRow("level, the save's wait, switch") << 1 << "Switch" << "save" << false;
        QTest::newRow("pinpointing, the mute's wait, switch") << 3 << "Switch" << "mute" << false;
        QTest::newRow("pinpointing, the pop-up, switch") << 3 << "Switch" << "PopupInfo" << false;
        QTest::newRow("level, headphone settings, push") << 1 << "Push" << "Headphonesettings" << false;
        QTest::newRow("level, filter dialog, push") << 1 << "Push" << "Filtersettings" << true;
        QTest::newRow("level, held over headphone settings, push") << 1 << "Push" << "held over Headphonesettings"
                                                                  << false;
        QTest::newRow("pinpointing, held over the filter dialog, push") << 3 << "Push" << "held over Filtersettings"
                                                                       << false;
    }
    void unitsKeyActsWhereTheFrontKeyWould()
    {
        QFETCH(int, widget);
        QFETCH(QString, mode);
        QFETCH(QString, over);
        QFETCH(bool, opens);
        Instrument instrument({{"Systemsettings/Switchmode", mode}});
        QVERIFY(instrument.start());
        DialogDriver driver;
        MeasuringPage* page = instrument.show(widget);
        QVERIFY(page && instrument.pathMuted());
        BtModuleSim* unit = instrument.unit();
        const bool push = mode == "Push";
        const bool wait = over == "save" || over == "mute";
        const auto reports = [] { return TestSupport::loggedMessages().filter("BT_RX MUTE_STATE").size(); };
        const auto openings = [] { return TestSupport::loggedMessages().filter("Audiopath: NOT MUTED").size(); };
        auto* pinpointing = qobject_cast<Pinpointing*>(page);
        // Sound and a reading for the result or point.
        const auto soundAndReading = [pinpointing] {
            if (!QTest::qWaitFor([] { return Audioworker()->recordedBytesSinceResume() > 3200; },
                                 TestSupport::timeBound(8000)))
                return false;
            if (pinpointing) {
                LeakSignal::Settings tone;
                tone.noiseRms = 0;
                tone.toneHz = 500;
                tone.toneRms = 600;
                LeakSignal signal(AdcSimulator::kSampleRate, tone);
                Analoginputworker()->analyseBlock(signal.next(AdcSimulator::kBlockSamples));
                pinpointing->updateLevel();
            }
            return true;
        };
        const bool held = over.startsWith("held over ");
        over.remove("held over ");
        if (held) {
            unit->pressMuteKey();
            QTRY_VERIFY(instrument.pathOpen());
            QVERIFY(soundAndReading());
        }
        const int before = reports();
        int opened = openings();
        if (wait) {
            // Then a clip written late, but in time.
            QTest::keyPress(page, Qt::Key_F10);
            QVERIFY(soundAndReading());
            const auto keyDuringTheWait = [unit, push] {
                QMetaObject::invokeMethod(Audioworker()->backgroundRecording(), [unit, push] {
                    QThread::msleep(400); // the wait's note shows
                    unit->pressMuteKey();
                    QThread::msleep(100);
                    if (push)
                        unit->releaseMuteKey();
                    QThread::msleep(300);
                });
            };
            if (over == "mute")
                keyDuringTheWait();
            opened = openings();
            if (push)
                QTest::keyRelease(page, Qt::Key_F10);
            else
                QTest::keyPress(page, Qt::Key_F10);
            if (over == "save") {
                driver.setInspector([&](QWidget* dialog) {
                    if (dialog->inherits("VirtualKeyboard"))
                        keyDuringTheWait(); // the name is given, the clip asked for next
                });
                driver.typeText("x");
                page->on_butMenuSave_clicked();
                QVERIFY(driver.messages().isEmpty());
            }
            QTRY_VERIFY(!WaitNote::isHoldingInput());
        } else {
            driver.setInspector([&](QWidget* dialog) {
                if (!dialog->inherits(qPrintable(over)) || reports() > before)
                    return;
                if (held)
                    unit->releaseMuteKey();
                else
                    unit->pressMuteKey();
                QVERIFY(QTest::qWaitFor([&] { return reports() > before; }, TestSupport::timeBound(5000)));
                QCOMPARE(instrument.pathOpen(), opens);
                if (held)
                    QCOMPARE(unit->unitMuteState(), QString("MUTE"));
            });
            if (over == "PopupInfo")
                instrument.menu->displayPopup(1);
            else
                TestSupport::button(page, over == "Filtersettings" ? "butMenuFilter" : "butMenuHeadphone")->click();
            // The point measured while the key was held ends with its release: its clip is written.
            if (pinpointing && held) {
                QCOMPARE(pinpointing->currentStep(), 1);
                const QFileInfo clip(BackgroundRecording::clipPath("PP_Sound_1"));
                QVERIFY(clip.size() > BackgroundRecording::kWavHeaderBytes);
            }
            QVERIFY(reports() > before);
            if (opens)
                return;
        }
        QTRY_VERIFY(reports() >= before + (push && wait ? 2 : 1));
        QTest::qWait(100);
        QVERIFY(instrument.pathMuted());
        QCOMPARE(openings(), opened);
        if (mode == "Push")
            return;
        QTRY_COMPARE(unit->unitMuteState(), QString("MUTE"));
        unit->pressMuteKey();
        QTRY_VERIFY(instrument.pathOpen());
    }

    void mainMenuRoadGivesUpTheUnitsKey_data()
    {
        QTest::addColumn<int>("widget");
        for (int widget : {1, 3, 6, 8, 9})
            QTest::newRow(qPrintable(QString::number(widget))) << widget;
    }
    void mainMenuRoadGivesUpTheUnitsKey()
    {
        QFETCH(int, widget);
        Instrument instrument;
        QVERIFY(instrument.start());
        DialogDriver driver;
        MeasuringPage* page = instrument.show(widget);
        page->muteAudioPath(false, false);
        QTest::keyRelease(page, Qt::Key_Escape);
        QCOMPARE(instrument.menu->currentPage()->objectName(), QString("mainPage"));
        QVERIFY(instrument.pathMuted());
        QVERIFY(!page->readingTimer()->isActive() && !page->linkCheckTimer()->isActive());
        QVERIFY(!QObject::disconnect(instrument.menu->getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, page,
                                     &MeasuringPage::switchActiveMute));
    }
};

QTEST_MAIN(TestMeasuringPage)
#include "tst_measuringpage.moc"
