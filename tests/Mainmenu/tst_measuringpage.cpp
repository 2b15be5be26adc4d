// The measuring page frame in the main window, against the simulated Bluetooth modules,
// sensor unit and headphones: mute keys, the link warning, the sensor note, the stored
// view and the ways out.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Hardware/bluetooth.h"
#include "Mainmenu/h2sensor.h"
#include "Mainmenu/levelmeasurement.h"
#include "Mainmenu/measuringpage.h"
#include "Management/measmanagement.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "codecmixer.h"
#include "dialogdriver.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

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
    // dialog while it runs) closes the dialog and shows the main page: nothing of the page
    // runs on behind it.
    void leftFromADialogOfThePage_data()
    {
        QTest::addColumn<int>("widget");
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QString>("button"); // opens the dialog on the live page; none: the note
        QTest::newRow("level, the note") << 1 << 3 << "";
        QTest::newRow("H2, the note") << 6 << 1 << "";
        QTest::newRow("level, headphone settings") << 1 << 1 << "butMenuHeadphone";
        QTest::newRow("H2, headphone settings") << 6 << 3 << "butMenuHeadphone";
    }
    void leftFromADialogOfThePage()
    {
        QFETCH(int, widget);
        QFETCH(int, sensor);
        QFETCH(QString, button);
        Instrument instrument;
        QVERIFY(instrument.start());
        QVERIFY(instrument.sensorType(sensor));
        DialogDriver driver;
        // As the key filter does on the key's release: Escape to the dialog, then the main page.
        const auto onOffKey = [&instrument](QWidget*) { instrument.menu->displayFavouriteDialog(0); };
        if (button.isEmpty())
            driver.setInspector(onOffKey);
        instrument.menu->displayWidget(widget, 1, 0);
        auto* page = instrument.menu->findChild<MeasuringPage*>();
        QVERIFY(page);
        if (button.isEmpty()) {
            QCOMPARE(driver.messages().size(), 1);
        } else {
            QCOMPARE(instrument.menu->currentPage(), page);
            QVERIFY(page->linkCheckTimer()->isActive());
            driver.setInspector(onOffKey);
            TestSupport::button(page, button)->click();
            QCOMPARE(driver.otherDialogs().size(), 1);
        }
        QCOMPARE(instrument.menu->getCurrentWidget(), 0);
        QVERIFY(!page->readingTimer()->isActive());
        QVERIFY(!page->linkCheckTimer()->isActive());
        QVERIFY(!Analoginputworker()->isCaptureStarted());
        QVERIFY(instrument.pathMuted());
        // The unit's mute key reaches the main page alone: the path stays muted.
        emit instrument.menu->getBtSinkInstance()->stateActiveMuteChanged(false);
        QVERIFY(instrument.pathMuted());
        QVERIFY(!page->readingTimer()->isActive());
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
    // again (pipe locating would end its point a second time).
    void saveMutesOnlyAnOpenPath_data()
    {
        QTest::addColumn<int>("widget");
        QTest::addColumn<bool>("open");
        QTest::newRow("level, open") << 1 << true;
        QTest::newRow("level, muted") << 1 << false;
        QTest::newRow("pinpointing, muted") << 3 << false;
        QTest::newRow("pipe locating, open") << 8 << true;
        QTest::newRow("pipe locating, muted") << 8 << false;
        QTest::newRow("long-term, muted") << 9 << false;
    }
    void saveMutesOnlyAnOpenPath()
    {
        QFETCH(int, widget);
        QFETCH(bool, open);
        Instrument instrument;
        QVERIFY(instrument.start());
        DialogDriver driver;
        MeasuringPage* page = instrument.show(widget);
        if (open)
            page->muteAudioPath(false, false);
        TestSupport::clearLoggedMessages();
        driver.cancelKeyboard();
        page->on_butMenuSave_clicked();
        QCOMPARE(driver.keyboardsSeen(), 1);
        QVERIFY(instrument.pathMuted());
        QCOMPARE(TestSupport::loggedMessages().filter("Audiopath: MUTED").size(), open ? 1 : 0);
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
