// The 24 catalogues on the screens: in every language each label and button text of the
// screens and dialogs fits its widget (with a picture of the main screens per language
// in screenshots/<language>/), the Chinese, Japanese and Korean texts have their glyphs,
// and a language picked on the language page reaches every screen.
//
// TK9400_LANGUAGES=DE,FR (catalogue prefixes) restricts the rows to those languages.
#include "Debug/debugaudiolevelfft.h"
#include "Debug/debugbluetoothcommand.h"
#include "Debug/debuggain.h"
#include "Debug/debuginitbluetooth.h"
#include "Debug/debugmenu.h"
#include "Hardware/bluetooth.h"
#include "Management/measmanagement.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenu.h"
#include "Testmenu/testmenuaudio.h"
#include "Testmenu/testmenuaudioloopback.h"
#include "Testmenu/testmenubattery.h"
#include "Testmenu/testmenudisplay.h"
#include "Testmenu/testmenuflashupdate.h"
#include "Testmenu/testmenugps.h"
#include "Testmenu/testmenuinitbluetooth.h"
#include "Testmenu/testmenukeyboard.h"
#include "Testmenu/testmenuled.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Testmenu/testmenusdcard.h"
#include "Testmenu/testmenuselftest.h"
#include "Testmenu/testmenusensordetection.h"
#include "Testmenu/testmenuuartusbswitch.h"
#include "Testmenu/testmenuusb.h"
#include "Tools/messagedialog.h"
#include "Tools/settingsbutton.h"
#include "Tools/waitnote.h"
#include "dialogdriver.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "startup.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QSettings>
#include <QStackedWidget>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <cstdio>

using TestSupport::button;
using TestSupport::child;
using TestSupport::DeviceRoot;

namespace {

const QString kMeasurements = QStringLiteral("/media/tk9400/meas");
const QString kStoredLevel = QStringLiteral("LE_20240315_142530_Hydrant 3");

// The catalogue prefix of each language number.
QString languageCode(int number)
{
    return MainMenu::languageFileName(number).left(2);
}

int languageNumber(const QString& code)
{
    for (int n = 1; n <= 24; ++n) {
        if (languageCode(n) == code)
            return n;
    }
    return 0;
}

// One row per language, or per language of TK9400_LANGUAGES.
void addLanguageRows()
{
    QTest::addColumn<int>("language");
    const QStringList wanted = qEnvironmentVariable("TK9400_LANGUAGES").toUpper().split(',', Qt::SkipEmptyParts);
    for (int n = 1; n <= 24; ++n) {
        const QString code = languageCode(n);
        if (wanted.isEmpty() || wanted.contains(code))
            QTest::newRow(qPrintable(code)) << n;
    }
}

// The instrument in one language, with a stored measurement and paired devices, so that
// the pages show the values they show in use.
struct Instrument
{
    explicit Instrument(int language, const QVariantMap& settings = {})
    {
        TestSupport::writeSettings(device,
                                   {{"Local-Settings/Language", language},
                                    {"Bluetooth/Headphone_Name", "Ear Pods"},
                                    {"Bluetooth/Microphone_Name", "QJ5 1234"}},
                                   settings);
        device.write(kMeasurements + '/' + kStoredLevel + "/info.ini",
                     "[Measurementinfo]\nMeasurementname=Hydrant 3\n[Levels]\nLevel=43.680\nFrequency=270\n"
                     "[FFT]\nFFT-Size=3\nFFT-Values=\"20;35;12\"\n[Filter]\nFiltertype=Bandpass\n"
                     "LowCutOff-Frequency=250\nHighCutOff-Frequency=1000\n");
        menu.reset(new MainMenu);
        menu->show();
    }
    ~Instrument() { menu.reset(); }

    DeviceRoot device;
    std::unique_ptr<MainMenu> menu;
};

// Looks at each form it is given and at every page of its stacked widgets; keeps the
// texts that do not fit (or the buttons whose focus cannot be seen) and a picture of the
// form on request.
class Sweep
{
public:
    enum Check { Texts, Focus };
    explicit Sweep(const QString& language, Check what = Texts)
        : m_language(language)
        , m_what(what)
    {
    }

    void check(QWidget* form, const QString& picture = QString())
    {
        QApplication::processEvents();
        const QString name = form->objectName().isEmpty() ? QString::fromLatin1(form->metaObject()->className())
                                                          : form->objectName();
        auto keep = [&](const QStringList& found) {
            for (const QString& f : found) {
                const QString line = QStringLiteral("%1 %2: %3").arg(m_language, name, f);
                if (!m_failures.contains(line))
                    m_failures << line;
            }
        };
        keep(findings(form));
        for (QStackedWidget* stack : form->findChildren<QStackedWidget*>()) {
            // A stack on a page of another one is looked at with that page shown.
            QList<QPair<QStackedWidget*, int>> shown;
            for (QWidget* w = stack; w != form; w = w->parentWidget()) {
                if (auto* outer = qobject_cast<QStackedWidget*>(w->parentWidget())) {
                    shown.append({outer, outer->currentIndex()});
                    outer->setCurrentWidget(w);
                }
            }
            shown.append({stack, stack->currentIndex()});
            for (int i = 0; i < stack->count(); ++i) {
                stack->setCurrentIndex(i);
                keep(findings(stack->widget(i)));
            }
            for (auto it = shown.rbegin(); it != shown.rend(); ++it)
                it->first->setCurrentIndex(it->second);
        }
        if (!picture.isEmpty())
            save(form, picture);
    }

    void save(QWidget* form, const QString& picture)
    {
        if (m_what != Texts)
            return;
        const QString dir = TestSupport::screenshotPath(m_language);
        QDir().mkpath(dir);
        form->grab();
        if (!form->grab().save(dir + '/' + picture + ".png"))
            m_failures << QStringLiteral("%1: picture %2 not saved").arg(m_language, picture);
    }

    // All of them, one a line (a failure message would be cut short); true when none.
    bool report() const
    {
        for (const QString& failure : m_failures)
            std::fprintf(stdout, "%s\n", failure.toUtf8().constData());
        return m_failures.isEmpty();
    }
    int count() const { return m_failures.size(); }

private:
    QStringList findings(QWidget* widget) const
    {
        return m_what == Focus ? TestSupport::unseenFocus(widget) : TestSupport::textOverflows(widget);
    }

    QString m_language;
    Check m_what;
    QStringList m_failures;
};

// Every translation of a catalogue source, as a translator wrote it.
QStringList catalogueTexts(const QString& code)
{
    QFile file(qEnvironmentVariable("TK9400_SOURCE_DIR", QStringLiteral(".")) + "/Languages/" + code + "_TK9400.ts");
    QStringList texts;
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("translation"))
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return texts;
}

// The characters of text that the fonts drawing it in font lack (they would show as boxes).
QString missingGlyphs(const QFont& font, const QString& text, QStringList* families)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QString missing;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        if (!families->contains(raw.familyName()))
            *families << raw.familyName();
        if (run.glyphIndexes().contains(0))
            missing += QStringLiteral("[%1 in %2]").arg(text, raw.familyName());
    }
    for (const QChar c : text) {
        if (c.isLetter() && !QFontMetrics(font).inFont(c))
            missing += c;
    }
    return missing;
}

// Builds the dialog on the main window, shows it and has the sweep look at it.
template <typename Dialog>
void sweepDialog(Sweep& sweep, QWidget* parent)
{
    Dialog dialog(parent);
    dialog.show();
    sweep.check(&dialog, QString::fromLatin1(dialog.metaObject()->className()).toLower());
}

const char* const kSettingsEntries[] = {
    "butLanguage",       "butTime",          "butDate",          "butTimezone",         "butDaylightSavingTime",
    "butSwitchmode",     "butFavouriteButton", "butBrightness",  "butPowerSaving",      "butCustomize",
    "butHearingProtection", "butSysteminformation", "butReset",  "butPairedHeadphone",  "butPairedMicrophone",
};

// Opens the instrument in language and hands each screen and dialog to sweep: the main
// page, the settings screen with the dialogs behind its entries, Management and what it
// opens, the measurement list with its edit mode, the measuring pages and the message box.
void walkScreens(int language, Sweep& sweep)
{
    DialogDriver driver;
    driver.setInspector([&](QWidget* dialog) { sweep.check(dialog); });
    Instrument instrument(language);
    MainMenu* menu = instrument.menu.get();
    sweep.check(menu, "main");

    // The settings screen, its three pages and every dialog behind its entries.
    menu->displayWidget(5, 1, 0);
    Systemsettings* screen = menu->getInstanceSystemsettings();
    QCOMPARE(menu->currentPage(), screen);
    sweep.check(screen);
    for (int page = 1; page <= 3; ++page) {
        sweep.save(screen, QStringLiteral("settings_page%1").arg(page));
        button(screen, "butMenuDown")->click();
    }
    for (const char* entry : kSettingsEntries) {
        child<SettingsButton>(screen, entry)->click();
    }

    // Management and what it opens.
    menu->displayWidget(4, 1, 0);
    QWidget* management = menu->currentPage();
    sweep.check(management);
    for (const char* entry : {"butDatatransmission", "butFirmwareupdate", "butDeviceConfig"}) {
        button(management, entry)->click();
    }
    menu->displayWidget(10, 1, 0);
    sweep.check(menu->currentPage());

    // The measurement list, its edit mode and the edit dialog.
    menu->displayWidget(7, 1, 0);
    MeasManagement* list = menu->getInstanceMeasManagement();
    sweep.check(list, "measurements");
    button(list, "butMenuEdit")->click();
    sweep.check(list);
    for (SettingsButton* entry : list->findChildren<SettingsButton*>()) {
        if (entry->getAdditionalInfo() == kStoredLevel)
            entry->click();
    }

    // The measuring pages live and a stored one. Each live page is left with the on/off
    // key before the next opens, as on the instrument: a page left open keeps checking
    // the link and would raise its warning under the next page's dialogs.
    for (int widget : {1, 3, 6, 8, 9, 11}) {
        menu->displayWidget(widget, 1, 0);
        QWidget* page = menu->currentPage();
        sweep.check(page, widget == 1 ? "level_live" : QString());
        TestSupport::tapEscape(page);
        QVERIFY(menu->isMainMenuVisible());
    }
    menu->displayWidget(7, 1, 0);
    list->openStoredMeasurement(kStoredLevel);
    sweep.check(menu->currentPage(), "level_stored");

    // The message box in each of its layouts, then the messages that tell of what was lost.
    const auto checkMessage = [&sweep](int icon, const char* context, const QString& text, int type,
                                       const QString& screenshot) {
        MessageDialog dialog;
        dialog.setIcon(icon);
        const char* const headline = icon == MessageDialog::IconError ? "Error" : "Warning";
        dialog.setHeadline(QCoreApplication::translate(context, headline));
        dialog.setInfotext(text);
        dialog.setDialogType(type);
        dialog.show();
        sweep.check(&dialog, screenshot);
    };
    for (int type = MessageDialog::TypeOk; type <= MessageDialog::TypeYesNoCancel; ++type) {
        checkMessage(MessageDialog::IconQuestion, "BackupDialog",
                     QCoreApplication::translate("BackupDialog", "DataMemoryNotMounted"), type,
                     type == MessageDialog::TypeYesNoCancel ? "message" : QString());
    }
    checkMessage(MessageDialog::IconError, "Systemsettings",
                 QCoreApplication::translate("Systemsettings", "SettingCouldNotBeStored"), MessageDialog::TypeOk,
                 QStringLiteral("message_setting_not_stored"));
    // A survey stored without the sound of some points names them all, up to every point.
    for (const QString& points : {QStringLiteral("3"), QStringLiteral("3, 7, 10"),
                                  QStringLiteral("1, 2, 3, 4, 5, 6, 7, 8, 9, 10")}) {
        const int count = points.count(',') + 1;
        checkMessage(MessageDialog::IconWarning, "Pinpointing",
                     QCoreApplication::translate("Pinpointing", "StoredWithoutTheSoundOfPoint", nullptr, count)
                         .arg(points),
                     MessageDialog::TypeOk, QStringLiteral("message_sound_lost_%1").arg(count));
    }
    // A delete that took the measurement out of the list but not all of its files.
    checkMessage(MessageDialog::IconWarning, "MeasManagement",
                 QCoreApplication::translate("MeasManagement", "MeasurementDeletedFilesRemain"), MessageDialog::TypeOk,
                 QStringLiteral("message_delete_files_remain"));
    // The note while the instrument waits for a clip.
    {
        const WaitNote note(QCoreApplication::translate("AudioWorker", "StoringTheSoundPleaseWait"));
        QVERIFY(WaitNote::shownNote());
        sweep.check(WaitNote::shownNote(), "wait_note");
    }
    QTRY_VERIFY(!WaitNote::isHoldingInput());
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::useDeviceLook());
    }
    void init()
    {
        // Closing the pairing dialog drops the links: no pauses of the device's length.
        Bluetooth::timing() = TestSupport::quickLinkTiming();
        TestSupport::clearLoggedMessages();
    }
    void cleanup()
    {
        Bluetooth::timing() = Bluetooth::Timing();
        TestSupport::verifyExpectedMessagesSeen();
    }

    void textsFitTheirWidgets_data() { addLanguageRows(); }
    void textsFitTheirWidgets()
    {
        QFETCH(int, language);
        Sweep sweep(languageCode(language));
        walkScreens(language, sweep);
        {
            // The service menus' buttons beside the tiles, which keep their texts whole.
            Instrument service(language, {{"Debug/Debugfeatures", 1}});
            sweep.check(service.menu.get(), QStringLiteral("main_service"));
        }
        QVERIFY2(sweep.report(), qPrintable(QStringLiteral("%1 texts do not fit (listed above)").arg(sweep.count())));
    }

    // The key focus can be seen on every button the keys reach, on every screen and dialog.
    void focusIsSeenEverywhere()
    {
        Sweep sweep(languageCode(1), Sweep::Focus);
        walkScreens(1, sweep);
        QVERIFY2(sweep.report(), qPrintable(QStringLiteral("%1 buttons show no focus (listed above)").arg(sweep.count())));
    }

    // The fit checks measure in the font the program draws in: on a PC Liberation Sans,
    // Arial's widths, whether the application or a form asks for the device family or a
    // settings entry for the default family.
    void screensUseTheProgramsFont()
    {
        QCOMPARE(QApplication::font(), Startup::applicationFont());
        const QFont device(QStringLiteral("Arial Unicode MS"), 12);
        for (const QFont& font : {QApplication::font(), device, QFont(device.defaultFamily(), 12, QFont::Bold)})
            QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    }

    // The service menus keep their fixed English in every language: each text fits, also
    // the longest a test shows (a battery not charging, a refused test address), and the
    // main page's buttons that open them with the debug features on.
    void serviceDialogsFit()
    {
        Sweep sweep(QStringLiteral("service"));
        Instrument instrument(languageNumber(QStringLiteral("DE")), {{"Debug/Debugfeatures", 1}});
        sweep.check(instrument.menu.get(), QStringLiteral("main"));
        // The measuring pages with their debug-only elements, each left before the next.
        DialogDriver driver;
        for (int widget : {1, 3, 6, 8, 9}) {
            instrument.menu->displayWidget(widget, 1, 0);
            QWidget* page = instrument.menu->currentPage();
            sweep.check(page, QStringLiteral("page%1").arg(widget));
            TestSupport::tapEscape(page);
        }
        instrument.device.write("/sys/class/power_supply/bq24190-battery/status", "Discharging\n");
        instrument.device.write("/home/root/testBtIdMic", "00:07:80:CA:E6:4G");
        TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000;
        QWidget* parent = instrument.menu.get();
        sweepDialog<TestMenu>(sweep, parent);
        sweepDialog<TestmenuBattery>(sweep, parent);
        sweepDialog<TestmenuKeyboard>(sweep, parent);
        sweepDialog<TestmenuLed>(sweep, parent);
        sweepDialog<TestmenuDisplay>(sweep, parent);
        sweepDialog<TestmenuSensordetection>(sweep, parent);
        sweepDialog<TestmenuUsb>(sweep, parent);
        sweepDialog<TestmenuInitBluetooth>(sweep, parent);
        sweepDialog<TestmenuSelftest>(sweep, parent);
        sweepDialog<TestmenuGps>(sweep, parent);
        sweepDialog<TestmenuAudio>(sweep, parent);
        sweepDialog<TestMenuAudioLoopback>(sweep, parent);
        sweepDialog<TestmenuUartUsbSwitch>(sweep, parent);
        sweepDialog<TestmenuSdcard>(sweep, parent);
        sweepDialog<TestMenuFlashUpdate>(sweep, parent);
        sweepDialog<DebugMenu>(sweep, parent);
        sweepDialog<DebugInitBluetooth>(sweep, parent);
        sweepDialog<DebugBluetoothCommand>(sweep, parent);
        sweepDialog<DebugAudioLevelFft>(sweep, parent);
        DebugGain gain(parent);
        gain.init();
        gain.show();
        sweep.check(&gain, QStringLiteral("debuggain"));
        TestmenuRemoteCtrl::pollIntervalMs() = TestmenuRemoteCtrl::kDefaultPollIntervalMs;
        QVERIFY2(sweep.report(), qPrintable(QStringLiteral("%1 texts do not fit (listed above)").arg(sweep.count())));
    }

    // The check sees the cut it is there for: the battery test's state in the screen's
    // 20 px, whose descenders its field cuts off, and not in the size the dialog gives it.
    void fitCheckSeesCutDescenders()
    {
        DeviceRoot device;
        device.write("/sys/class/power_supply/bq24190-battery/status", "Discharging\n");
        TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000;
        TestmenuBattery dialog;
        dialog.show();
        auto* field = child<QLineEdit>(&dialog, "lineEditCharging");
        QCOMPARE(field->text(), QString("Discharging"));
        QCOMPARE(TestSupport::textOverflows(field), QStringList());
        QFont screen = field->font();
        screen.setPixelSize(20);
        field->setFont(screen);
        const QStringList cut = TestSupport::textOverflows(field);
        TestmenuRemoteCtrl::pollIntervalMs() = TestmenuRemoteCtrl::kDefaultPollIntervalMs;
        QCOMPARE(cut.size(), 1);
        QVERIFY2(cut.first().startsWith("lineEditCharging \"Discharging\" needs "), qPrintable(cut.first()));
    }

    // The fonts on the screens have the glyphs of every text of the catalogue and of a
    // sample in the language's script, on a label of a page as it resolves its font.
    void cjkTextsHaveTheirGlyphs_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("sample");
        QTest::newRow("CN") << "CN" << QStringLiteral("测量电平过滤器耳机");
        QTest::newRow("JP") << "JP" << QStringLiteral("測定レベルのフィルターとヘッドホン");
        QTest::newRow("KR") << "KR" << QStringLiteral("측정 레벨 필터 헤드폰");
    }
    void cjkTextsHaveTheirGlyphs()
    {
        QFETCH(QString, code);
        QFETCH(QString, sample);
        Instrument instrument(languageNumber(code));
        auto* label = child<QPushButton>(instrument.menu.get(), "butLevelmeasurement");
        const QStringList texts = QStringList{sample, label->text()} + catalogueTexts(code);
        QVERIFY(texts.size() > 100);
        QStringList families;
        QString missing;
        for (const QString& text : texts)
            missing += missingGlyphs(label->font(), text, &families);
        const QString fonts = QFontInfo(label->font()).family() + " falling back to " + families.join(", ");
        QVERIFY2(missing.isEmpty(), qPrintable(code + " lacks " + missing + " (" + fonts + ")"));
        // The script's own font beside the Latin one.
        QVERIFY2(families.size() > 1, qPrintable(fonts));
    }

    // Picked on the language page, as a user does from the main page, the language
    // reaches the open settings screen, the pages built before and the pages built after.
    void languagePageSwitchesEveryScreen_data()
    {
        QTest::addColumn<int>("language");
        for (const char* code : {"DE", "JP", "RU"})
            QTest::newRow(code) << languageNumber(QString::fromLatin1(code));
    }
    void languagePageSwitchesEveryScreen()
    {
        QFETCH(int, language);
        const QString code = languageCode(language);
        QStringList presses;
        if (code == "DE")
            presses = QStringList{"butGerman"};
        else if (code == "RU")
            presses = QStringList{"butMenuDown", "butRussian"};
        else
            presses = QStringList{"butMenuDown", "butMenuDown", "butJapanese"};
        QTranslator expected;
        QVERIFY(expected.load(":/Languages/" + MainMenu::languageFileName(language)));
        auto want = [&](const char* context, const char* id) {
            const QString text = expected.translate(context, id);
            return text.isEmpty() ? QString::fromLatin1(id) : text;
        };

        Instrument instrument(1);
        MainMenu* menu = instrument.menu.get();
        menu->displayWidget(10, 1, 0); // the GPS monitor, made at the start
        menu->displayWidget(0, -1, 0);
        button(menu, "butManagement")->click();
        QWidget* management = menu->currentPage();
        button(management, "butSystemsettings")->click();
        Systemsettings* screen = menu->getInstanceSystemsettings();
        QCOMPARE(menu->currentPage(), screen);
        QCOMPARE(child<SettingsButton>(screen, "butLanguage")->getText1(), QString("Language"));

        {
            DialogDriver driver;
            driver.pressButtons("LanguageSelect", presses);
            child<SettingsButton>(screen, "butLanguage")->click();
            QVERIFY(driver.otherDialogs().isEmpty());
        }
        QVERIFY(TestSupport::logged("Load language file from resource \":/Languages/" + code + "_TK9400.qm\""));
        QCOMPARE(QSettings(instrument.device.hostPath("/home/root/settings.ini"), QSettings::IniFormat)
                     .value("Local-Settings/Language")
                     .toInt(),
                 language);

        // The screen that stays open, then every page on the way back and beyond.
        QCOMPARE(menu->currentPage(), screen);
        QCOMPARE(child<SettingsButton>(screen, "butLanguage")->getText1(), want("Systemsettings", "Language"));
        QCOMPARE(child<SettingsButton>(screen, "butTime")->getText1(), want("Systemsettings", "Time"));
        button(screen, "butMenuBack")->click();
        QCOMPARE(menu->currentPage()->objectName(), QString("mainPage"));
        QCOMPARE(button(menu, "butLevelmeasurement")->text(), want("MainMenu", "Level"));
        QCOMPARE(button(menu, "butPipelocating")->text(), want("MainMenu", "Pipelocating"));
        button(menu, "butManagement")->click();
        QCOMPARE(menu->currentPage(), management);
        QCOMPARE(button(management, "butMeasurements")->text(), want("Management", "Measurements"));
        QCOMPARE(button(management, "butSystemsettings")->text(), want("Management", "Settings"));
        menu->displayWidget(10, 1, 0);
        QCOMPARE(child<QLabel>(menu->currentPage(), "labelPageNamePosition")->text(), want("GpsMonitor", "GpsInformation"));
        menu->displayWidget(7, 1, 0);
        QCOMPARE(button(menu->getInstanceMeasManagement(), "butMenuEdit")->toolTip(),
                 want("MeasManagement", "EditMeasurement"));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
