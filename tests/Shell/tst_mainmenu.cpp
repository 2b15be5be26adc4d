#include "Debug/debugmenu.h"
#include "Hardware/platform.h"
#include "Mainmenu/h2sensor.h"
#include "Mainmenu/levelmeasurement.h"
#include "Mainmenu/longtermmeasurement.h"
#include "Mainmenu/management.h"
#include "Testmenu/testmenu.h"
#include "globals.h"
#include "mainmenu.h"
#include "startup.h"
#include "testsupport.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>
#include <sys/stat.h>

using TestSupport::DeviceRoot;
using TestSupport::writeSettings;

namespace {

const char* const kSettings = "/home/root/settings.ini";

QString buttonText(MainMenu& menu, const char* name)
{
    return menu.findChild<QPushButton*>(QString::fromLatin1(name))->text();
}

// The contrast of a text to its ground: the colour most pixels have against the one
// farthest from it.
double textContrast(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        ground = it.value() > counts.value(ground) ? it.key() : ground;
    double most = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        most = qMax(most, TestSupport::contrastRatio(QColor(ground), QColor(it.key())));
    return most;
}

} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void startUpRecordsCommandsAndRestoresMixer()
    {
        DeviceRoot device;
        {
            MainMenu menu;
            QCOMPARE(MainMenu::getInstanceMainMenu(), &menu);
            QCOMPARE(device.commands(),
                     QStringList({"fsck -Mya /dev/mmcblk0p3", "mount /dev/mmcblk0p3 /media/tk9400",
                                  "alsactl --file /var/lib/alsa/asound.state restore"}));
            QFile builtIn(":/Resources/Files/asound.state");
            QVERIFY(builtIn.open(QIODevice::ReadOnly));
            QCOMPARE(device.read("/var/lib/alsa/asound.state"), builtIn.readAll());
            QVERIFY(QFile::exists(device.hostPath(kSettings)));
            QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
            QVERIFY(menu.isAudioPathMuted());
            QVERIFY(menu.isMainMenuVisible());
            QCOMPARE(menu.getCurrentVisibleDlgNum(), 2);
            QCOMPARE(menu.getCurrentMicGainStep(), 3);
            QCOMPARE(menu.getCurrentHeadphoneVolumeStep(), 8);
            quint32 low = 1, high = 1;
            int type = -1;
            menu.getCurrentFilter(&low, &high, &type);
            QCOMPARE(low, 0u);
            QCOMPARE(high, 4000u);
            QCOMPARE(type, 0);
            QCOMPARE(device.read("/sys/class/gpio/gpio16/value"), QByteArray("1")); // GPS on by default
            QCOMPARE(device.read("/sys/class/gpio/gpio17/value"), QByteArray("0")); // listening path muted
            QVERIFY(!menu.findChild<QPushButton*>("butTestMenu")->isVisibleTo(&menu));
            QVERIFY(menu.getGpsInstance() && menu.getBtSinkInstance() && menu.getBtSourceInstance());
            QVERIFY(!menu.getInstanceMeasManagement());
            QVERIFY(TestSupport::logged("Load language file from resource"));
        }
        QCOMPARE(MainMenu::getInstanceMainMenu(), nullptr);

        // A second start replaces the mixer state file that the first one left.
        device.write("/var/lib/alsa/asound.state", "stale");
        MainMenu again;
        QVERIFY(device.read("/var/lib/alsa/asound.state") != QByteArray("stale"));
    }

    void startUpSettingsDecideFilterGpsAndDebugButtons()
    {
        DeviceRoot device;
        writeSettings(device, {{"Dialogconfiguration/Startup_UseFilterForStartup", true},
                               {"Dialogconfiguration/Startup_UseGpsForStartup", false},
                               {"Debug/Debugfeatures", 1}});
        MainMenu menu;
        quint32 low = 0, high = 0;
        int type = 0;
        menu.getCurrentFilter(&low, &high, &type);
        QCOMPARE(low, 160u);
        QCOMPARE(high, 1250u);
        QCOMPARE(type, 1);
        QVERIFY(TestSupport::logged("Starting with Filter: 160 / 1250 / Bandpass"));
        QCOMPARE(device.read("/sys/class/gpio/gpio16/value"), QByteArray("0"));
        QVERIFY(menu.findChild<QPushButton*>("butTestMenu")->isVisibleTo(&menu));
        QVERIFY(menu.findChild<QPushButton*>("butDebugMenu")->isVisibleTo(&menu));
        // Both stand on a tile: readable over its picture, also while the tile or the button
        // itself is held down.
        const QList<QPair<QString, QString>> onTiles = {{"butH2Sensor", "butTestMenu"},
                                                        {"butManagement", "butDebugMenu"}};
        for (const auto& onTile : onTiles) {
            auto* tile = menu.findChild<QPushButton*>(onTile.first);
            auto* button = menu.findChild<QPushButton*>(onTile.second);
            for (QPushButton* held : {static_cast<QPushButton*>(nullptr), tile, button}) {
                if (held)
                    held->setDown(true);
                const QRect inside = QRect(button->mapTo(&menu, QPoint()), button->size()).adjusted(3, 3, -3, -3);
                const QString shown = QString("%1-%2").arg(onTile.second, held ? held->objectName() : "none");
                menu.grab(QRect(tile->mapTo(&menu, QPoint()), tile->size()))
                    .save(TestSupport::screenshotPath(QString("mainmenu-%1.png").arg(shown)));
                QVERIFY2(textContrast(menu.grab(inside).toImage()) >= 4.5, qPrintable(shown));
                if (held)
                    held->setDown(false);
            }
        }
        // With the debug features a status line goes to the system information log.
        const QByteArray log = device.read("/media/tk9400/systemInfo.txt");
        QVERIFY2(log.endsWith(";80;3.85;-0.15;0;25;0;0;0;-1;System started.\n"), log.constData());
        g_debugFeatures = 0;
    }

    void systemLogKeepsItsColumnsAndTheUnmountedPartitionClean()
    {
        DeviceRoot device;
        TestSupport::writeSettings(device, {{"Debug/Debugfeatures", 1}});
        MainMenu menu;
        const QString log = "/media/tk9400/systemInfo.txt";
        QVERIFY(device.remove("/sys/class/power_supply/bq27426-0/temp"));
        menu.writeSystemInfo("no gauge temperature");
        QByteArray lines = device.read(log);
        QVERIFY2(lines.endsWith(";80;3.85;-0.15;0;;0;0;0;-1;no gauge temperature\n"), lines.constData());
        QCOMPARE(lines.split('\n').last().count(';'), 0);
        QCOMPARE(lines.split('\n').at(1).count(';'), lines.split('\n').at(0).count(';'));

        // While the partition is away (a USB export) nothing lands in the bare mount point.
        Platform::runCommand("umount /media/tk9400");
        menu.writeSystemInfo();
        QCOMPARE(device.read(log), lines);
        Platform::runCommand("mount /dev/mmcblk0p3 /media/tk9400");
        menu.writeSystemInfo();
        QVERIFY(device.read(log).size() > lines.size());
        g_debugFeatures = 0;
    }

    void serviceMenuArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QByteArray>("gpio65");
        QTest::newRow("test") << QStringList({"tk9400", "test"}) << "TestMenu" << QByteArray("1");
        QTest::newRow("debug") << QStringList({"tk9400", "debug"}) << "DebugMenu" << QByteArray("0");
        QTest::newRow("both: only the test menu") << QStringList({"tk9400", "debug", "test"}) << "TestMenu" << QByteArray("1");
        QTest::newRow("none") << QStringList({"tk9400"}) << "" << QByteArray("0");
    }
    void serviceMenuArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, dialog);
        QFETCH(QByteArray, gpio65);
        DeviceRoot device;
        MainMenu menu;
        QStringList opened;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened.append(QString::fromLatin1(modal->metaObject()->className()));
                modal->close();
            }
        });
        closer.start(0);
        Startup::openServiceMenu(menu, arguments);
        closer.stop();
        QCOMPARE(opened, dialog.isEmpty() ? QStringList() : QStringList(dialog));
        QCOMPARE(device.read("/sys/class/gpio/gpio65/value"), gpio65);
    }

    void languageCatalogues()
    {
        DeviceRoot device;
        MainMenu menu;
        QCOMPARE(buttonText(menu, "butLongtermmeasurement"), QString("Long-term"));
        QCOMPARE(buttonText(menu, "butPipelocating"), QString("Pipe locating"));

        // A catalogue on the data partition takes the place of the built-in one.
        QFile builtIn(":/Languages/DE_TK9400.qm");
        QVERIFY(builtIn.open(QIODevice::ReadOnly));
        device.write("/media/tk9400/DE_TK9400.qm", builtIn.readAll());
        TestSupport::clearLoggedMessages();
        menu.changeLanguage(2);
        QVERIFY(TestSupport::logged("Load language file from mass storage"));
        QVERIFY(!TestSupport::logged("Load language file from resource"));

        // One that cannot be loaded falls back to the built-in catalogue.
        device.write("/media/tk9400/DE_TK9400.qm", "this is no catalogue");
        TestSupport::clearLoggedMessages();
        menu.changeLanguage(2);
        QVERIFY(TestSupport::logged("cannot be loaded"));
        QVERIFY(TestSupport::logged("Load language file from resource \":/Languages/DE_TK9400.qm\""));

        // A valid header without messages, or a FIFO, is no catalogue either.
        device.write("/media/tk9400/DE_TK9400.qm", QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd"));
        TestSupport::clearLoggedMessages();
        menu.changeLanguage(2);
        QVERIFY(TestSupport::logged("cannot be loaded"));
        QVERIFY(device.remove("/media/tk9400/DE_TK9400.qm"));
        QCOMPARE(::mkfifo(QFile::encodeName(device.hostPath("/media/tk9400/DE_TK9400.qm")).constData(), 0600), 0);
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("Not a regular file"));
        menu.changeLanguage(2);
        TestSupport::verifyExpectedMessagesSeen();

        // Numbers outside 1..24 load the built-in English catalogue, nothing from the partition.
        device.write("/media/tk9400/GB_TK9400.qm", "this is no catalogue");
        for (int num : {0, 25}) {
            TestSupport::clearLoggedMessages();
            menu.changeLanguage(num);
            QVERIFY(!TestSupport::logged("mass storage"));
            QCOMPARE(buttonText(menu, "butLongtermmeasurement"), QString("Long-term"));
        }
    }

    void everyLanguageHasACatalogue()
    {
        for (int num = 1; num <= 24; ++num) {
            const QString name = MainMenu::languageFileName(num);
            QVERIFY2(QFile::exists(":/Languages/" + name), qPrintable(name));
            QTranslator translator;
            QVERIFY(translator.load(":/Languages/" + name));
        }
        QCOMPARE(MainMenu::languageFileName(1), QString("GB_TK9400.qm"));
        QCOMPARE(MainMenu::languageFileName(24), QString("TR_TK9400.qm"));
        QCOMPARE(MainMenu::languageFileName(25), QString());
    }

    void menuHistory()
    {
        DeviceRoot device;
        MainMenu menu;
        menu.displayWidget(4, 1, 0);
        QCOMPARE(menu.getCurrentMenuLevel(), 1);
        QVERIFY(qobject_cast<Management*>(menu.currentPage()));
        menu.displayWidget(5, 1, 0);
        QCOMPARE(menu.getCurrentMenuLevel(), 2);
        QCOMPARE(menu.getStoredWidget(1), 4);
        QCOMPARE(menu.getStoredWidget(2), 5);

        // One level up shows the page stored one level higher, history untouched.
        menu.displayWidget(-1, 0, 0);
        QCOMPARE(menu.getCurrentMenuLevel(), 1);
        QVERIFY(qobject_cast<Management*>(menu.currentPage()));

        // Up from level 1: the main page, history cleared.
        menu.menuLevelUp();
        QCOMPARE(menu.getCurrentMenuLevel(), 0);
        QCOMPARE(menu.getStoredWidget(1), 0);
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));

        // Ten levels at most: further steps down overwrite entry 9.
        for (int i = 0; i < 11; ++i)
            menu.displayWidget(i % 2 ? 5 : 4, 1, 0);
        QCOMPARE(menu.getCurrentMenuLevel(), 9);
        QCOMPARE(menu.getStoredWidget(9), 4);
        menu.displayWidget(10, 1, 0);
        QCOMPARE(menu.getStoredWidget(9), 10);

        // Direction 0 replaces the current level, -1 leaves the history alone.
        menu.displayWidget(5, 0, 0);
        QCOMPARE(menu.getStoredWidget(9), 5);
        menu.displayWidget(1, -1, 0);
        QCOMPARE(menu.getStoredWidget(9), 5);
        QVERIFY(qobject_cast<Levelmeasurement*>(menu.currentPage()));

        menu.resetMenuLevel();
        QCOMPARE(menu.getCurrentMenuLevel(), 0);
        for (int level = 0; level < 10; ++level)
            QCOMPARE(menu.getStoredWidget(level), 0);
    }

    void pagesWithoutNumberShowTheMainPageOnly()
    {
        DeviceRoot device;
        MainMenu menu;
        menu.displayWidget(4, 1, 0);
        TestSupport::clearLoggedMessages();
        menu.displayWidget(2, 1, 0);
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
        QCOMPARE(menu.getCurrentMenuLevel(), 0);
        QVERIFY(!TestSupport::logged("Audiopath: MUTED"));
        QVERIFY(!TestSupport::logged("BT_TX B"));
        QVERIFY(!menu.isMainMenuVisible());

        menu.displayWidget(0, 1, 0);
        QVERIFY(TestSupport::logged("Audiopath: MUTED"));
        QVERIFY(TestSupport::logged("BT_TX B"));
        QVERIFY(menu.isMainMenuVisible());
    }

    void favouriteNumberFollowsThePage_data()
    {
        QTest::addColumn<int>("widget");
        QTest::addColumn<int>("favourite");
        QTest::newRow("level measurement") << 1 << 2;
        QTest::newRow("pinpointing") << 3 << 1;
        QTest::newRow("H2 sensor") << 6 << 4;
        QTest::newRow("pipe locating") << 8 << 5;
        QTest::newRow("long-term") << 9 << 3;
    }
    void favouriteNumberFollowsThePage()
    {
        QFETCH(int, widget);
        QFETCH(int, favourite);
        DeviceRoot device;
        MainMenu menu;
        TestSupport::ModalCloser closer; // the H2 page's note without its sensor
        // Visit every page once, so pages that report their number only when built
        // cannot help; then the page under test must still give its own number.
        for (int other : {1, 3, 6, 8, 9})
            menu.displayWidget(other, 1, 0);
        menu.displayWidget(0, 0, 0);
        menu.displayWidget(widget, 1, 0);
        QCOMPARE(menu.getCurrentVisibleDlgNum(), favourite);
        // The main page leaves the number of the page last shown.
        menu.displayWidget(0, 0, 0);
        QCOMPARE(menu.getCurrentVisibleDlgNum(), favourite);
    }

    void leavingAMeasuringPageRestoresLinks()
    {
        DeviceRoot device;
        MainMenu menu;
        menu.displayWidget(9, 1, 0);
        auto* page = qobject_cast<Longtermmeasurement*>(menu.currentPage());
        QVERIFY(page);
        TestSupport::clearLoggedMessages();
        emit page->exit();
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
        QVERIFY(TestSupport::logged("BT_TX B"));
    }

    void favouriteAtStartUp_data()
    {
        QTest::addColumn<int>("favourite");
        QTest::addColumn<QString>("page");
        QTest::newRow("screenshot: nothing at start-up") << 0 << "MainMenu";
        QTest::newRow("long-term") << 3 << "Longtermmeasurement";
        QTest::newRow("H2 sensor") << 4 << "H2Sensor";
    }
    void favouriteAtStartUp()
    {
        QFETCH(int, favourite);
        QFETCH(QString, page);
        DeviceRoot device;
        writeSettings(device, {{"Dialogconfiguration/Startup_UseFavouriteForStartup", true},
                               {"Systemsettings/FavouriteButton", favourite}});
        MainMenu menu;
        const QString shown = menu.currentPage()->objectName() == "mainPage"
            ? QString("MainMenu")
            : QString::fromLatin1(menu.currentPage()->metaObject()->className());
        QCOMPARE(shown, page);
        QVERIFY(!menu.isBootedToFavouriteFunction());
        QCOMPARE(menu.getCurrentMenuLevel(), 0);
    }

    void keys()
    {
        DeviceRoot device;
        MainMenu menu;
        int exitCode = 0;
        Platform::setTerminateHandler([&exitCode](int code) { exitCode = code; });

        QTest::keyRelease(&menu, Qt::Key_F13);
        // F13 switches the connector to the serial console and shows the bug picture.
        QTimer::singleShot(0, [] {});
        QCOMPARE(device.read("/sys/class/gpio/gpio65/value"), QByteArray("1"));
        QCOMPARE(device.read("/sys/class/gpio/gpio50/value"), QByteArray("0"));
        QVERIFY(TestSupport::logged("Popup closed"));

        TestSupport::clearLoggedMessages();
        QTest::keyRelease(&menu, Qt::Key_F12);
        QVERIFY(TestSupport::logged("Key: SwitchOff"));
        QVERIFY(TestSupport::logged("beforePowerDown: Finish"));
        // A second request while going down only logs.
        TestSupport::clearLoggedMessages();
        menu.beforePowerDown();
        QVERIFY(!TestSupport::logged("beforePowerDown: Mute"));
        menu.powerDown();
        QCOMPARE(device.commands().mid(3), QStringList({"umount /media/tk9400", "poweroff"}));
        QVERIFY(device.commandLines().last().startsWith("/home/root\t"));
        QCOMPARE(exitCode, int(Platform::ExitPoweroff));
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
