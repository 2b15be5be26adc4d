// The settings screen in the running instrument: its three pages, the entries' values,
// and every entry's dialog as the user runs it - what an accepted dialog writes to the
// settings file, that any other way out writes nothing, the language switch, the
// headphone gain, the reset to the delivery state and the pairing placeholders.
#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "Tools/settingsbutton.h"
#include "btsimulator.h"
#include "failingcard.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using TestSupport::button;
using TestSupport::changeSettings;
using TestSupport::DeviceRoot;
using TestSupport::quickSimOptions;
using TestSupport::screenshotPath;
using TestSupport::writeSettings;

namespace {

const char* const kSettings = "/home/root/settings.ini";
const char* const kBacklight = "/sys/class/backlight/backlight/brightness";

using Act = std::function<void(QWidget*)>;

SettingsButton* entry(Systemsettings* screen, const char* name)
{
    return TestSupport::child<SettingsButton>(screen, name);
}

// "group/key" -> value text of an INI file as it stands.
QMap<QString, QString> iniValues(const QByteArray& ini)
{
    QMap<QString, QString> values;
    for (const QPair<QString, QString>& e : TestSupport::iniEntries(ini))
        values.insert(e.first, e.second);
    return values;
}

// "group/key=value" for every key whose value differs.
QStringList changes(const QByteArray& before, const QByteArray& after)
{
    const QMap<QString, QString> a = iniValues(before);
    const QMap<QString, QString> b = iniValues(after);
    QStringList out;
    for (auto it = b.begin(); it != b.end(); ++it) {
        if (a.value(it.key()) != it.value() || !a.contains(it.key()))
            out << it.key() + '=' + it.value();
    }
    for (auto it = a.begin(); it != a.end(); ++it) {
        if (!b.contains(it.key()))
            out << it.key() + " removed";
    }
    return out;
}

// Acts on a dialog from outside its event handling, so that an act may open a further
// modal dialog without blocking the one that watches for it.
Act clicks(const QStringList& names)
{
    return [names](QWidget* dialog) {
        QTimer::singleShot(0, dialog, [dialog, names] {
            for (const QString& name : names)
                button(dialog, name)->click();
        });
    };
}

Act escape()
{
    return [](QWidget* dialog) { QTimer::singleShot(0, dialog, [dialog] { TestSupport::tapEscape(dialog); }); };
}

Act screenshotThen(const QString& name, Act then)
{
    return [name, then](QWidget* dialog) {
        QCOMPARE(dialog->size(), QSize(480, 272));
        QVERIFY(dialog->grab().save(screenshotPath(name)));
        then(dialog);
    };
}

// Clicks the trigger and gives the n-th modal dialog that shows to acts[n]; a dialog
// beyond the acts is closed, so that a test never hangs. Returns the classes seen.
QStringList runDialogs(QPushButton* trigger, const QList<Act>& acts)
{
    QStringList seen;
    QList<QWidget*> handled;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || handled.contains(modal))
            return;
        handled.append(modal);
        seen.append(QString::fromLatin1(modal->metaObject()->className()));
        if (seen.size() <= acts.size())
            acts.at(seen.size() - 1)(modal);
        else
            modal->close();
    });
    watcher.start(0);
    trigger->click();
    watcher.stop();
    return seen;
}

// Shows the settings screen as the navigation does and returns it.
Systemsettings* openScreen(MainMenu& menu)
{
    menu.displayWidget(5, 1, 0);
    auto* screen = menu.getInstanceSystemsettings();
    if (menu.currentPage() != screen)
        qFatal("the settings screen is not shown");
    return screen;
}

Bluetooth::Timing quickTiming()
{
    Bluetooth::Timing t = TestSupport::quickLinkTiming();
    t.dataModeSettleMs = 30;
    t.disconnectPauseMs = 50;
    t.carrierWaitLimitMs = 2000;
    return t;
}

QStringList gainLines(const QStringList& lines)
{
    return lines.filter(QRegularExpression("^SET CONTROL GAIN "));
}

} // namespace

class TestSettingsScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestSupport::useDeviceFont();
    }
    void init()
    {
        Bluetooth::timing() = quickTiming();
        TestSupport::clearLoggedMessages();
    }
    void cleanup()
    {
        Bluetooth::timing() = Bluetooth::Timing();
        TestSupport::verifyExpectedMessagesSeen();
    }

    void pagesCycleAndShowingAgainStartsOnPageOne()
    {
        DeviceRoot device;
        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        QCOMPARE(screen->currentPage(), 1);
        QList<int> pages;
        for (int i = 0; i < 3; ++i) {
            button(screen, "butMenuDown")->click();
            pages << screen->currentPage();
        }
        QCOMPARE(pages, QList<int>({2, 3, 1}));
        button(screen, "butMenuUp")->click();
        QCOMPARE(screen->currentPage(), 3);
        QCOMPARE(entry(screen, "butLanguage")->isVisibleTo(screen), true);
        QCOMPARE(entry(screen, "butSwitchmode")->isVisibleTo(screen), false);

        menu.displayWidget(0, -1, 0);
        openScreen(menu);
        QCOMPARE(screen->currentPage(), 1);
        QVERIFY(entry(screen, "butSwitchmode")->isVisibleTo(screen));
    }

    // The on/off key arrives as Escape: the screen leaves on its release, not its press.
    void escapeReleaseAndHomeReturnToTheMainPage()
    {
        DeviceRoot device;
        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        QSignalSpy requests(screen, &Systemsettings::gotoWidget);
        TestSupport::holdEscape(screen, [&] {
            QCOMPARE(requests.count(), 0);
            QCOMPARE(menu.currentPage(), screen);
        });
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first(), QVariantList({0, -1, 0}));
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));

        openScreen(menu);
        button(screen, "butMenuBack")->click();
        QCOMPARE(requests.count(), 2);
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
    }

    void entriesShowTheStoredValues()
    {
        DeviceRoot device;
        MainMenu menu;
        changeSettings(device, {{"Systemsettings/Switchmode", "switch"},
                                {"Systemsettings/Brightness", 9},
                                {"Systemsettings/PowerOffTime", 0},
                                {"Systemsettings/DisplayOffTime", 600},
                                {"Systemsettings/FavouriteButton", 9},
                                {"Systemsettings/HearingProtection", true},
                                {"Bluetooth/Headphone_Name", "  Ear Pods  "},
                                {"Bluetooth/Microphone_Name", "QJ5 1234"},
                                {"Local-Settings/Language", 4},
                                {"Local-Settings/Timezone", "Tokyo (+9 h)"},
                                {"Local-Settings/DaylightSavingTime", 1},
                                {"Local-Settings/Dateformat", "YYYYMMDD"}});
        // A brightness beyond the dialog's range is corrected before it reaches the backlight.
        TestSupport::expectMessage(QtWarningMsg, "Settings: out-of-range Brightness 9 corrected to 7");
        Systemsettings* screen = openScreen(menu);
        const QList<QPair<const char*, QStringList>> expected = {
            {"butSwitchmode", {"Muting", "Pushbutton"}}, // only "Switch" exactly is the switch mode
            {"butHearingProtection", {"Hearing protection", "Active"}},
            {"butCustomize", {"Customize", "different values"}},
            {"butPairedHeadphone", {"Paired headphone", "Ear Pods"}},
            {"butPairedMicrophone", {"Paired microphone", "QJ5 1234"}},
            {"butBrightness", {"Brightness", "high"}},
            {"butPowerSaving", {"Power saving", "10 min / never"}},
            {"butFavouriteButton", {"Favourite button", "Level measurement"}},
            {"butSysteminformation", {"System information", "FW: 1.8.0"}},
            {"butReset", {"Reset", ""}},
            {"butLanguage", {"Language", "Italian"}},
            {"butTimezone", {"Time zone", "Tokyo (+9 h)"}},
            {"butDaylightSavingTime", {"Daylight saving time", "Summer time"}},
        };
        for (const auto& e : expected) {
            QCOMPARE(entry(screen, e.first)->getText1(), e.second.at(0));
            QCOMPARE(entry(screen, e.first)->getText2(), e.second.at(1));
        }
        QCOMPARE(entry(screen, "butTime")->getText1(), QString("Time"));
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(entry(screen, "butTime")->getText2()).hasMatch());
        QCOMPARE(entry(screen, "butDate")->getText2(), Platform::currentDateTime().date().toString("yyyy-MM-dd"));
        QVERIFY(TestSupport::logged("Favourite button: 2"));

        changeSettings(device, {{"Systemsettings/Switchmode", "Switch"},
                                {"Systemsettings/Brightness", 7},
                                {"Systemsettings/DisplayOffTime", 45},
                                {"Local-Settings/DaylightSavingTime", 0}});
        openScreen(menu);
        QCOMPARE(entry(screen, "butSwitchmode")->getText2(), QString("Switch"));
        QCOMPARE(entry(screen, "butBrightness")->getText2(), QString("high"));
        QCOMPARE(entry(screen, "butPowerSaving")->getText2(), QString("45 s / never"));
        QCOMPARE(entry(screen, "butDaylightSavingTime")->getText2(), QString("Winter time"));
    }

    // An accepted dialog writes exactly its own keys; the entry shows the new value.
    void acceptWritesOnlyItsKeys_data()
    {
        QTest::addColumn<QString>("entryName");
        QTest::addColumn<QStringList>("clicked");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("shown");
        QTest::newRow("mute-key mode") << "butSwitchmode" << QStringList{"butSwitchSelect"} << "SelectSwitchmode"
                                       << QStringList{"Systemsettings/Switchmode=Push-Button"} << "Pushbutton";
        QTest::newRow("favourite") << "butFavouriteButton" << QStringList{"butFav_5"} << "SelectFavouriteButton"
                                   << QStringList{"Systemsettings/FavouriteButton=5"} << "Pipe locating";
        QTest::newRow("brightness") << "butBrightness" << QStringList{"butBrightnessLow"} << "Displaysettings"
                                    << QStringList{"Systemsettings/Brightness=5"} << "low";
        QTest::newRow("power saving") << "butPowerSaving" << QStringList{"butPow_6", "butBl_2"} << "PowerSaving"
                                      << QStringList{"Systemsettings/DisplayOffTime=60", "Systemsettings/PowerOffTime=0"}
                                      << "1 min / never";
        QTest::newRow("hearing protection") << "butHearingProtection" << QStringList{"butEnabled"}
                                            << "HearingProtection"
                                            << QStringList{"Systemsettings/HearingProtection=true"} << "Active";
        QTest::newRow("power saving left as it was") << "butPowerSaving" << QStringList{} << "PowerSaving"
                                                     << QStringList{} << "10 min / 1 h";
        QTest::newRow("customisation") << "butCustomize" << QStringList{"butShowWorkingRangeH2"} << "CustomizeDialogs"
                                       << QStringList{"Dialogconfiguration/H2Sensor_ShowWorkingRange=true"}
                                       << "different values";
        QTest::newRow("time zone") << "butTimezone" << QStringList{"butNext"} << "SelectTimezone"
                                   << QStringList{"Local-Settings/Timezone=Cairo (+2 h)", "Local-Settings/TimezoneNum=14",
                                                  "Local-Settings/TimezoneOffset=7200"}
                                   << "Cairo (+2 h)";
        QTest::newRow("summer time") << "butDaylightSavingTime" << QStringList{"butSummertime"} << "SelectTimezone"
                                     << QStringList{"Local-Settings/DaylightSavingTime=1"} << "Summer time";
        QTest::newRow("date format") << "butDate" << QStringList{"butFormat_YYYYMMDD"} << "DateTimeAdjust"
                                     << QStringList{"Local-Settings/Dateformat=YYYYMMDD"}
                                     << Platform::currentDateTime().date().toString("yyyy-MM-dd");
        QTest::newRow("time set by hand") << "butTime" << QStringList{"butManualTime"} << "DateTimeAdjust"
                                          << QStringList{"Local-Settings/DateTimeSource=MAN"} << "";
    }
    void acceptWritesOnlyItsKeys()
    {
        QFETCH(QString, entryName);
        QFETCH(QStringList, clicked);
        QFETCH(QString, dialog);
        QFETCH(QStringList, written);
        QFETCH(QString, shown);
        DeviceRoot device;
        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        const QByteArray before = device.read(kSettings);
        const QStringList seen = runDialogs(entry(screen, qPrintable(entryName)), {clicks(clicked << "butAccept")});
        QCOMPARE(seen, QStringList{dialog});
        QCOMPARE(changes(before, device.read(kSettings)), written);
        if (shown.isEmpty()) // the clock
            return;
        QCOMPARE(entry(screen, qPrintable(entryName))->getText2(), shown);
        // What the screen shows is what the store now holds.
        openScreen(menu);
        QCOMPARE(entry(screen, qPrintable(entryName))->getText2(), shown);
    }

    // The same dialogs accepted while the settings file cannot be written: the user is told,
    // and the store, the screen, the clock and the backlight keep what the file holds.
    void refusedWriteKeepsWhatIsStored_data() { acceptWritesOnlyItsKeys_data(); }
    void refusedWriteKeepsWhatIsStored()
    {
        QFETCH(QString, entryName);
        QFETCH(QStringList, clicked);
        QFETCH(QString, dialog);
        DeviceRoot device;
        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        const QByteArray before = device.read(kSettings);
        const QByteArray backlight = device.read(kBacklight);
        const QString shown = entry(screen, qPrintable(entryName))->getText2();
        const QDateTime clock = Platform::currentDateTime();
        FailingCard card(FailingCard::WritesFail, device.hostPath("/home/root"));
        QVERIFY(card.fail());
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write settings file:"));
        QStringList message;
        const QStringList seen = runDialogs(entry(screen, qPrintable(entryName)),
                                            {clicks(clicked << "butAccept"), [&message](QWidget* d) {
                                                 message << TestSupport::child<QLabel>(d, "labelHeadline")->text()
                                                         << TestSupport::child<QLabel>(d, "labelInfotext")->text();
                                                 d->close();
                                             }});
        QCOMPARE(seen, QStringList({dialog, "MessageDialog"}));
        QCOMPARE(message, QStringList({"Error", "The setting could not be stored."}));
        QCOMPARE(device.read(kSettings), before);
        QCOMPARE(device.read(kBacklight), backlight);
        const QDateTime now = Platform::currentDateTime();
        QVERIFY2(qAbs(clock.secsTo(now)) < 60, qPrintable(now.toString()));
        if (entryName != "butTime") // the clock
            QCOMPARE(entry(screen, qPrintable(entryName))->getText2(), shown);
    }

    // A language or a reset that cannot be stored changes nothing else: no other catalogue,
    // no module forgets its pairings, no restart.
    void refusedLanguageAndResetChangeNothing()
    {
        DeviceRoot device;
        BtSimulatorThread sim;
        QVERIFY(sim.start(quickSimOptions(device, false)));
        int terminatedWith = -1;
        Platform::setTerminateHandler([&terminatedWith](int code) { terminatedWith = code; });
        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        QSignalSpy languages(screen, &Systemsettings::changeLanguage);
        const QByteArray before = device.read(kSettings);
        FailingCard card(FailingCard::WritesFail, device.hostPath("/home/root"));
        QVERIFY(card.fail());
        for (int i = 0; i < 2; ++i)
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write settings file:"));
        QCOMPARE(runDialogs(entry(screen, "butLanguage"), {clicks({"butGerman"})}),
                 QStringList({"LanguageSelect", "MessageDialog"}));
        QCOMPARE(entry(screen, "butLanguage")->getText2(), QString("English"));
        QCOMPARE(runDialogs(entry(screen, "butReset"), {clicks({"butReset"}), clicks({"butMiddle"})}),
                 QStringList({"ResetSettings", "MessageDialog", "MessageDialog"}));
        QCOMPARE(languages.count(), 0);
        QCOMPARE(device.read(kSettings), before);
        QCOMPARE(terminatedWith, -1);
        QVERIFY(!device.commands().contains("reboot"));
        QTest::qWait(100);
        QVERIFY(!sim.sink()->commandLines().contains("SET BT PAIR *"));
        QVERIFY(!sim.source()->commandLines().contains("SET BT PAIR *"));
    }

    // "never" stored as -1 by older software comes back as 0, not as -1 shown as "---".
    void powerSavingNeverIsStoredAsZero()
    {
        DeviceRoot device;
        MainMenu menu;
        changeSettings(device, {{"Systemsettings/PowerOffTime", -1}, {"Systemsettings/DisplayOffTime", -1}});
        Systemsettings* screen = openScreen(menu);
        QCOMPARE(entry(screen, "butPowerSaving")->getText2(), QString("--- / ---"));
        const QByteArray before = device.read(kSettings);
        runDialogs(entry(screen, "butPowerSaving"), {clicks({"butAccept"})});
        QCOMPARE(changes(before, device.read(kSettings)),
                 QStringList({"Systemsettings/DisplayOffTime=0", "Systemsettings/PowerOffTime=0"}));
        QCOMPARE(entry(screen, "butPowerSaving")->getText2(), QString("never / never"));
    }

    void muteKeyModeReachesTheDevice()
    {
        DeviceRoot device;
        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        QVERIFY(menu.isMuteKeySwitchmode());
        runDialogs(entry(screen, "butSwitchmode"), {clicks({"butPushButton", "butAccept"})});
        QVERIFY(!menu.isMuteKeySwitchmode());
        QVERIFY(!screen->isMuteKeySwitchmode());
        runDialogs(entry(screen, "butSwitchmode"), {clicks({"butSwitch", "butAccept"})});
        QVERIFY(menu.isMuteKeySwitchmode());
        QCOMPARE(QSettings(device.hostPath(kSettings), QSettings::IniFormat).value("Systemsettings/Switchmode").toString(),
                 QString("Switch"));
    }

    // Cancel, Back, the on/off key and every "no" leave the file byte for byte as it was,
    // one after the other on the same screen.
    void leavingWithoutAcceptWritesNothing()
    {
        struct Way
        {
            const char* entry;
            int page;
            QStringList clicked;
            QString leave;  // a button, or "Escape"
            QString answer; // to the question that follows, if any
        };
        QList<Way> ways;
        const QList<Way> entries = {
            {"butSwitchmode", 1, {"butSwitchSelect"}, "butClose", ""},
            {"butHearingProtection", 1, {"butDisabled", "butVolUp", "butPlayPause"}, "butClose", ""},
            {"butCustomize", 1, {}, "butClose", ""},
            {"butPairedHeadphone", 1, {}, "butCancel", ""},
            {"butPairedMicrophone", 1, {}, "butCancel", ""},
            {"butBrightness", 2, {"butBrightnessHigh"}, "butClose", ""},
            {"butPowerSaving", 2, {"butPow_1", "butBl_1"}, "butClose", ""},
            {"butFavouriteButton", 2, {"butFav_6"}, "butClose", ""},
            {"butSysteminformation", 2, {}, "butMenuBack", ""},
            {"butReset", 2, {}, "butMenuBack", ""},
            {"butLanguage", 3, {"butMenuDown"}, "butMenuBack", ""},
            {"butTime", 3, {}, "butClose", ""},
            {"butDate", 3, {}, "butClose", ""},
            {"butTimezone", 3, {}, "butClose", ""},
            {"butDaylightSavingTime", 3, {}, "butClose", ""},
        };
        for (const Way& way : entries) {
            ways << way;
            ways << Way{way.entry, way.page, way.clicked, "Escape", ""};
        }
        ways << Way{"butReset", 2, {}, "butReset", "butRight"};  // "no"
        ways << Way{"butReset", 2, {}, "butReset", "Escape"};    // on/off key in the question

        DeviceRoot device;
        MainMenu menu;
        changeSettings(device, {{"Bluetooth/Headphone_Name", "Ear Pods"}, {"Systemsettings/HeadphoneVolumeOffset", 3}});
        Systemsettings* screen = openScreen(menu);
        const QByteArray before = device.read(kSettings);
        for (const Way& way : ways) {
            const QString what = QString("%1 left by %2 %3").arg(way.entry, way.leave, way.answer);
            while (screen->currentPage() != way.page)
                button(screen, "butMenuDown")->click();
            const QString shown = entry(screen, way.entry)->getText2();

            const Act leaving = way.leave == "Escape" ? escape() : clicks({way.leave});
            const QStringList clicked = way.clicked;
            QList<Act> acts;
            acts << [clicked, leaving](QWidget* dialog) {
                for (const QString& name : clicked)
                    button(dialog, name)->click();
                leaving(dialog);
            };
            if (!way.answer.isEmpty())
                acts << (way.answer == "Escape" ? escape() : clicks({way.answer}));
            const QStringList seen = runDialogs(entry(screen, way.entry), acts);
            QVERIFY2(seen.size() == acts.size(), qPrintable(what));
            QVERIFY2(device.read(kSettings) == before, qPrintable(what));
            if (qstrcmp(way.entry, "butTime") != 0 && qstrcmp(way.entry, "butDate") != 0)
                QVERIFY2(entry(screen, way.entry)->getText2() == shown, qPrintable(what));
            QVERIFY2(menu.currentPage() == screen, qPrintable(what));
            QVERIFY2(menu.isAudioPathMuted(), qPrintable(what));
        }
        QVERIFY(device.commands().filter("reboot").isEmpty());
    }

    // Choosing a language stores it and the open screen at once reads in that language;
    // the language buttons keep their own names.
    void languageChangeRetranslatesTheOpenScreen()
    {
        DeviceRoot device;
        QTemporaryDir dir;
        QFile ts(dir.filePath("de.ts"));
        QVERIFY(ts.open(QIODevice::WriteOnly));
        ts.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"de_DE\">\n"
                 "<context><name>Systemsettings</name>\n"
                 "<message><source>ModeMuteButton</source><translation>Stummtaste</translation></message>\n"
                 "<message><source>Switch</source><translation>Schalter</translation></message>\n"
                 "<message><source>Language</source><translation>Sprache</translation></message>\n"
                 "</context>\n<context><name>LanguageSelect</name>\n"
                 "<message><source>German</source><translation>Deutsch</translation></message>\n"
                 "<message><source>PreviousPage</source><translation>Vorherige Seite</translation></message>\n"
                 "</context>\n</TS>\n");
        ts.close();
        // A catalogue on the data partition takes the place of the built-in one.
        const QString lrelease = QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lrelease";
        QCOMPARE(QProcess::execute(lrelease, {"-silent", ts.fileName(), "-qm",
                                              device.hostPath("/media/tk9400/DE_TK9400.qm")}),
                 0);

        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        QSignalSpy languages(screen, &Systemsettings::changeLanguage);
        for (int i = 0; i < 2; ++i)
            button(screen, "butMenuDown")->click();
        const QByteArray before = device.read(kSettings);
        QWidget* selector = nullptr;
        runDialogs(entry(screen, "butLanguage"), {[&](QWidget* d) {
                       selector = d;
                       clicks({"butGerman"})(d);
                   }});
        QCOMPARE(languages.count(), 1);
        QCOMPARE(languages.first().first().toInt(), 2);
        QCOMPARE(changes(before, device.read(kSettings)), QStringList{"Local-Settings/Language=2"});
        QCOMPARE(menu.currentPage(), screen);
        QCOMPARE(screen->currentPage(), 1);
        QCOMPARE(entry(screen, "butSwitchmode")->getText1(), QString("Stummtaste"));
        QCOMPARE(entry(screen, "butSwitchmode")->getText2(), QString("Schalter"));
        QCOMPARE(entry(screen, "butLanguage")->getText1(), QString("Sprache"));
        QCOMPARE(entry(screen, "butLanguage")->getText2(), QString("Deutsch"));
        QCOMPARE(button(selector, "butGerman")->text(), QString("German"));
        // The dialog is told of the new catalogue by a posted event.
        QTRY_COMPARE(button(selector, "butMenuUp")->toolTip(), QString("Vorherige Seite"));

        runDialogs(entry(screen, "butLanguage"), {clicks({"butEnglish"})});
        QCOMPARE(entry(screen, "butSwitchmode")->getText1(), QString("Muting"));
        QCOMPARE(entry(screen, "butLanguage")->getText2(), QString("English"));
        QTRY_COMPARE(button(selector, "butMenuUp")->toolTip(), QString("Previous page"));
        QCOMPARE(changes(before, device.read(kSettings)), QStringList());
    }

    // The headphone gain follows the hearing protection: offset + 5 without it (the
    // offset held to -4..10), 1 with it. The on/off key in the dialog mutes again.
    void hearingProtectionGainReachesTheHeadphones()
    {
        DeviceRoot device;
        BtSimulatorThread sim;
        QVERIFY(sim.start(quickSimOptions(device, false)));
        writeSettings(device, {{"Systemsettings/HeadphoneVolumeOffset", 9}});
        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        QCOMPARE(entry(screen, "butHearingProtection")->getText2(), QString("Inactive"));
        QTRY_VERIFY(gainLines(sim.source()->commandLines()).contains("SET CONTROL GAIN e f")); // start-up: 9 + 5
        sim.source()->clearTranscript();

        const QByteArray before = device.read(kSettings);
        runDialogs(entry(screen, "butHearingProtection"), {clicks({"butVolUp", "butVolUp", "butAccept"})});
        QCOMPARE(changes(before, device.read(kSettings)), QStringList{"Systemsettings/HeadphoneVolumeOffset=10"});
        QTRY_COMPARE(gainLines(sim.source()->commandLines()).value(0), QString("SET CONTROL GAIN f f"));
        QTRY_COMPARE(gainLines(sim.source()->commandLines()).value(1), QString("SET CONTROL GAIN f f"));
        QTRY_COMPARE(gainLines(sim.source()->commandLines()).last(), QString("SET CONTROL GAIN f f"));

        sim.source()->clearTranscript();
        runDialogs(entry(screen, "butHearingProtection"), {clicks({"butSelect", "butAccept"})});
        QCOMPARE(entry(screen, "butHearingProtection")->getText2(), QString("Active"));
        QTRY_COMPARE(gainLines(sim.source()->commandLines()).value(0, "none"), QString("SET CONTROL GAIN 0 f"));
        QTRY_COMPARE(gainLines(sim.source()->commandLines()).last(), QString("SET CONTROL GAIN 1 f"));
        QCOMPARE(QSettings(device.hostPath(kSettings), QSettings::IniFormat).value("Systemsettings/HearingProtection"),
                 QVariant("true"));

        // The tone playing, the on/off key: the path is muted again and nothing stored.
        const QByteArray stored = device.read(kSettings);
        runDialogs(entry(screen, "butHearingProtection"), {[&](QWidget* dialog) {
                       button(dialog, "butDisabled")->click();
                       button(dialog, "butPlayPause")->click();
                       QVERIFY(!menu.isAudioPathMuted());
                       escape()(dialog);
                   }});
        QVERIFY(menu.isAudioPathMuted());
        QCOMPARE(menu.getBtSourceInstance()->getBtAdcGain(), 0);
        QCOMPARE(device.read(kSettings), stored);
    }

    void resetToTheDeliveryState()
    {
        DeviceRoot device;
        BtSimulatorThread sim;
        QVERIFY(sim.start(quickSimOptions(device, true)));
        const QString transcript = device.hostPath("/bt-transcript.log");
        sim.sink()->setTranscriptFile(transcript);
        sim.source()->setTranscriptFile(transcript);
        int terminatedWith = -1;
        Platform::setTerminateHandler([&terminatedWith](int code) { terminatedWith = code; });

        QByteArray defaults;
        {
            Systemsettings first;
            defaults = device.read(kSettings);
        }
        changeSettings(device, {{"Local-Settings/Language", 3},
                                {"Systemsettings/Brightness", 7},
                                {"Systemsettings/FavouriteButton", 4},
                                {"Bluetooth/Microphone_ID", QString(BtModuleSim::kDefaultUnitAddress)},
                                {"Bluetooth/Headphone_ID", QString(BtModuleSim::kDefaultHeadphoneAddress)},
                                {"Dialogconfiguration/Startup_UseGpsForStartup", false}});
        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        QCOMPARE(screen->getSelectedLanguageNum(), 3);
        QSignalSpy languages(screen, &Systemsettings::changeLanguage);
        // The sensor unit's data channel is up, as it is in use: the reset must bring the
        // module back to its commands first.
        QTRY_VERIFY_WITH_TIMEOUT(menu.getBtSinkInstance()->getBtState() == 6 && sim.sink()->isDataMode(), 10000);
        QFile::remove(transcript);

        const QStringList seen = runDialogs(entry(screen, "butReset"),
                                            {screenshotThen("settings_dialog_reset.png", clicks({"butReset"})),
                                             clicks({"butMiddle"})});
        QCOMPARE(seen, QStringList({"ResetSettings", "MessageDialog"}));

        QCOMPARE(device.read(kSettings), defaults);
        QCOMPARE(languages.count(), 1);
        QCOMPARE(languages.first().first().toInt(), 1);
        QCOMPARE(entry(screen, "butLanguage")->getText2(), QString("English"));
        QCOMPARE(device.commands().last(), QString("reboot"));
        QCOMPARE(terminatedWith, int(Platform::ExitReboot));
        QVERIFY(TestSupport::logged("Restarting TK9400"));

        // Each module gets its set-up list and forgets its pairings: the sensor unit's first.
        // The simulator reads on its own thread: wait until the last line has arrived.
        QTRY_VERIFY2(sim.sink()->commandLines().contains("SET BT PAIR *"), qPrintable(sim.sink()->transcript().join('|')));
        QTRY_VERIFY(sim.source()->commandLines().contains("SET BT PAIR *"));
        const QStringList sinkLines = sim.sink()->commandLines();
        const QStringList sourceLines = sim.source()->commandLines();
        QVERIFY(sinkLines.indexOf("SET BT NAME TKR9400_MIC") >= 0);
        QVERIFY(sinkLines.indexOf("SET BT NAME TKR9400_MIC") < sinkLines.lastIndexOf("SET BT PAIR *"));
        QVERIFY(sourceLines.indexOf("SET BT NAME TKR9400_HP") >= 0);
        QVERIFY(sourceLines.indexOf("SET BT NAME TKR9400_HP") < sourceLines.lastIndexOf("SET BT PAIR *"));
        QStringList both;
        QList<int> pairingsErased;
        int headphoneSetUp = -1;
        const auto readTranscript = [&] {
            QFile log(transcript);
            if (!log.open(QIODevice::ReadOnly))
                return false;
            both = QString::fromUtf8(log.readAll()).split('\n');
            pairingsErased.clear();
            for (int i = 0; i < both.size(); ++i) {
                if (both.at(i).endsWith("C SET BT PAIR *"))
                    pairingsErased << i;
                if (both.at(i).endsWith("C SET BT NAME TKR9400_HP"))
                    headphoneSetUp = i;
            }
            return pairingsErased.size() == 2;
        };
        QTRY_VERIFY2(readTranscript(), qPrintable(both.join('|')));
        QVERIFY(pairingsErased.first() < headphoneSetUp && headphoneSetUp < pairingsErased.last());
    }

    // A pairing left without a device keeps the stored peer, and the link calls its peer
    // again as after any pairing attempt.
    void pairingLeftKeepsThePeerAndCallsAgain_data()
    {
        QTest::addColumn<bool>("headphone");
        QTest::newRow("headphone") << true;
        QTest::newRow("sensor unit") << false;
    }
    void pairingLeftKeepsThePeerAndCallsAgain()
    {
        QFETCH(bool, headphone);
        DeviceRoot device;
        BtSimulatorThread sim;
        QVERIFY(sim.start(quickSimOptions(device, false)));
        MainMenu menu;
        Systemsettings* screen = openScreen(menu);
        BtModuleSim* module = headphone ? sim.source() : sim.sink();
        QTest::qWait(100);
        module->clearTranscript();
        const QByteArray before = device.read(kSettings);
        const QStringList seen = runDialogs(entry(screen, headphone ? "butPairedHeadphone" : "butPairedMicrophone"),
                                            {clicks({"butCancel"})});
        QCOMPARE(seen, QStringList{"BluetoothPairing"});
        QCOMPARE(device.read(kSettings), before);
        QTRY_VERIFY(module->commandLines().contains("SET CONTROL AUTOCALL 19 500 A2DP"));
    }

    // The row the keys act on stands out outdoors: at least 4.5:1 against what it covers,
    // on every row and button of the three pages.
    void focusedRowIsVisible()
    {
        DeviceRoot device;
        MainMenu menu;
        QVERIFY(TestSupport::useDeviceLook());
        Systemsettings* screen = openScreen(menu);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        for (int page = 1; page <= 3; ++page) {
            QCOMPARE(TestSupport::unseenFocus(screen), QStringList());
            button(screen, "butMenuDown")->click();
        }
        qApp->setStyleSheet(QString());
    }

    // Pictures of the three pages and of every dialog, for a look by eye.
    void screenshots()
    {
        DeviceRoot device;
        MainMenu menu;
        changeSettings(device, {{"Bluetooth/Headphone_Name", "Ear Pods"}, {"Bluetooth/Microphone_Name", "QJ5 1234"}});
        Systemsettings* screen = openScreen(menu);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        for (int page = 1; page <= 3; ++page) {
            const QImage image = screen->grab().toImage();
            QCOMPARE(image.size(), QSize(480, 272));
            QVERIFY(image.save(screenshotPath(QString("settings_page%1.png").arg(page))));
            button(screen, "butMenuDown")->click();
        }
        struct Shot
        {
            const char* entry;
            const char* name;
            QStringList clicked;
        };
        const QList<Shot> dialogs = {
            {"butSwitchmode", "switchmode", {}},
            {"butHearingProtection", "hearingprotection", {"butDisabled"}},
            {"butBrightness", "brightness", {}},
            {"butPowerSaving", "powersaving", {}},
            {"butFavouriteButton", "favourite", {"butFav_3"}},
            {"butLanguage", "language", {}},
        };
        for (const Shot& d : dialogs) {
            const Act shot = screenshotThen(QString("settings_dialog_%1.png").arg(d.name), escape());
            const QStringList clicked = d.clicked;
            const QStringList seen = runDialogs(entry(screen, d.entry), {[clicked, shot](QWidget* dialog) {
                                                    for (const QString& name : clicked)
                                                        button(dialog, name)->click();
                                                    shot(dialog);
                                                }});
            QCOMPARE(seen.size(), 1);
        }
        // The question of the reset, over its dialog.
        runDialogs(entry(screen, "butReset"),
                   {clicks({"butReset"}), screenshotThen("settings_dialog_reset_question.png", clicks({"butRight"}))});
        QVERIFY(device.commands().filter("reboot").isEmpty());
    }
};

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
