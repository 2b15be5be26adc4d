// The LED test against the simulated LED attribute and GPIO line: what each action and
// each way of leaving writes, in order, and a board without the LED driver.
#include "Testmenu/testmenuled.h"
#include "Testmenu/testmenuremotectrl.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {

const QString kBrightness = QStringLiteral("/sys/class/leds/on_led/brightness");
const QString kDebugLed = QStringLiteral("/sys/class/gpio/gpio115/value");

bool passOffered(const QWidget& dialog)
{
    return dialog.findChild<QPushButton*>("butPass")->isVisibleTo(&dialog);
}

} // namespace

class TestTestmenuLed : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::useDeviceLook());
    }
    void init() { TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000; }
    void cleanup()
    {
        TestmenuRemoteCtrl::pollIntervalMs() = TestmenuRemoteCtrl::kDefaultPollIntervalMs;
        TestSupport::verifyExpectedMessagesSeen();
    }

    void actionsAndLeaving_data()
    {
        QTest::addColumn<QByteArrayList>("commands");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QByteArray>("answer");
        const QString on = kBrightness + " 255", off = kBrightness + " 0";
        const QString dbgOn = kDebugLed + " 1", dbgOff = kDebugLed + " 0";
        QTest::newRow("I/O off, back") << QByteArrayList({"cmdLedIoOff", "cmdExit"})
                                       << QStringList({off, on, dbgOff}) << QByteArray("resCanceled\n");
        QTest::newRow("I/O on") << QByteArrayList({"cmdLedIoOn", "cmdFail"}) << QStringList({on, on, dbgOff})
                                << QByteArray("resFailed\n");
        QTest::newRow("debug on, pass") << QByteArrayList({"cmdLedDbgOn", "cmdPass"})
                                        << QStringList({dbgOn, on, dbgOff}) << QByteArray("resPassed\n");
        QTest::newRow("charge LED does nothing") << QByteArrayList({"cmdLedChrgOn", "cmdLedChrgOff", "cmdExit"})
                                                 << QStringList({on, dbgOff}) << QByteArray("resCanceled\n");
    }
    void actionsAndLeaving()
    {
        QFETCH(QByteArrayList, commands);
        QFETCH(QByteArray, answer);
        DeviceRoot device;
        TestmenuLed dialog;
        device.journalWrites();
        const QByteArray last = commands.takeLast();
        for (const QByteArray& command : commands)
            QCOMPARE(ask(device, dialog, command), QByteArray("staActive\n"));
        QCOMPARE(passOffered(dialog), !commands.first().startsWith("cmdLedChrg"));
        QCOMPARE(ask(device, dialog, last), answer);
        QTEST(device.writes(), "writes");
        QCOMPARE(device.read(kBrightness), QByteArray("255"));
    }

    // Each I/O action shows its own outcome: a driver that goes and comes back, one that
    // refuses the value.
    void missingLedDriverIsShownAndNotPassed()
    {
        DeviceRoot device;
        TestmenuLed dialog;
        auto* label = dialog.findChild<QLabel*>("labelIO_LED");
        QTest::mouseClick(dialog.findChild<QPushButton*>("butIO_ON"), Qt::LeftButton);
        QVERIFY(passOffered(dialog));
        QVERIFY(device.remove(kBrightness));
        QTest::mouseClick(dialog.findChild<QPushButton*>("butIO_OFF"), Qt::LeftButton);
        QCOMPARE(label->text(), QString("I/O-LED: not available"));
        QVERIFY(TestSupport::logged("LED test: could not open /sys/class/leds/on_led/brightness"));
        QVERIFY(!passOffered(dialog));
        dialog.show();
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenu-led.png")));
        device.write(kBrightness, "0");
        QTest::mouseClick(dialog.findChild<QPushButton*>("butIO_ON"), Qt::LeftButton);
        QCOMPARE(label->text(), QString("I/O-LED"));
        QVERIFY(passOffered(dialog));
        // A driver that refuses the value.
        QVERIFY(device.remove(kBrightness));
        QVERIFY(QFile::link("/dev/full", device.hostPath(kBrightness)));
        QTest::mouseClick(dialog.findChild<QPushButton*>("butIO_OFF"), Qt::LeftButton);
        QCOMPARE(label->text(), QString("I/O-LED: not available"));
        QVERIFY(TestSupport::logged("LED test: could not write /sys/class/leds/on_led/brightness"));
        QVERIFY(!passOffered(dialog));
        QVERIFY(device.remove(kBrightness));
        QCOMPARE(ask(device, dialog, "cmdExit"), QByteArray("resCanceled\n"));
        QVERIFY(!QFile::exists(device.hostPath(kBrightness)));
    }
};

QTEST_MAIN(TestTestmenuLed)
#include "tst_testmenuled.moc"
