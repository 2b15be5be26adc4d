// The key test with the front keys arriving through the application's real key filter and
// the real main window: which keys count, what the filter must then leave alone, and the
// flag that makes it stand aside.
#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenukeyboard.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Tools/statusbar.h"
#include "eventhandler.h"
#include "globals.h"
#include "keyrepeatpairs.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using TestSupport::DeviceRoot;

namespace {

const QString kFile = QStringLiteral("/media/ramdisk/production");
const QString kBacklight = QStringLiteral("/sys/class/backlight/backlight/brightness");
const char* const kKeys[] = {"IO", "FAV", "UP", "OK", "DOWN", "MUTE"};

void key(QObject* target, QEvent::Type type, int k, bool repeat = false)
{
    QKeyEvent event(type, k, Qt::NoModifier, QString(), repeat);
    QCoreApplication::sendEvent(target, &event);
}

void tap(QObject* target, int k)
{
    key(target, QEvent::KeyPress, k);
    key(target, QEvent::KeyRelease, k);
}

// Records the keys the filter posts to the window.
class KeyRecorder : public QObject
{
public:
    QList<int> keys;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            keys << static_cast<QKeyEvent*>(event)->key();
        return false;
    }
};

bool done(const TestmenuKeyboard& dialog, const QString& name)
{
    const bool green = TestSupport::child<QPushButton>(dialog, ("butTest" + name).toLatin1())
                           ->styleSheet()
                           .contains("rgb(138, 226, 52)");
    const QString status = TestSupport::child<QLabel>(dialog, ("label" + name).toLatin1())->text();
    return green && status == "OK";
}

QStringList doneKeys(const TestmenuKeyboard& dialog)
{
    QStringList result;
    for (const char* name : kKeys)
        if (done(dialog, name))
            result << name;
    return result;
}

} // namespace

class TestTestmenuKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        qApp->installEventFilter(new EventHandler(this));
    }
    void init() { TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000; }
    void cleanup()
    {
        g_hardwareTestActive = false;
        KeyRepeatPairs::arriveInPairs() = false;
        TestmenuRemoteCtrl::pollIntervalMs() = TestmenuRemoteCtrl::kDefaultPollIntervalMs;
        TestSupport::verifyExpectedMessagesSeen();
    }

    void keysCountOncePressedAndReleased()
    {
        DeviceRoot device;
        MainMenu menu;
        TestmenuKeyboard dialog;
        auto* poll = dialog.findChild<QTimer*>();
        QCOMPARE(poll->interval(), TestmenuKeyboard::kPollIntervalMs);
        QTRY_VERIFY_WITH_TIMEOUT(g_hardwareTestActive, 1000);

        tap(&dialog, Qt::Key_F3);
        key(&dialog, QEvent::KeyPress, Qt::Key_F4); // still held
        key(&dialog, QEvent::KeyRelease, Qt::Key_F5); // held when the test opened ...
        emit poll->timeout({});
        QCOMPARE(doneKeys(dialog), QStringList("UP"));
        QCOMPARE(TestSupport::child<QLabel>(dialog, "labelOK")->text(), QString("unknown"));
        key(&dialog, QEvent::KeyPress, Qt::Key_F5); // ... and pressed again later
        key(&dialog, QEvent::KeyPress, Qt::Key_Escape);
        emit poll->timeout({});
        QCOMPARE(doneKeys(dialog), QStringList({"UP", "DOWN"}));
        QVERIFY(!dialog.findChild<QPushButton*>("butPass")->isVisibleTo(&dialog));
        dialog.show();
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenu-keyboard.png")));

        for (int k : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F4, Qt::Key_F6})
            tap(&dialog, k);
        QVERIFY(TestSupport::logged("IO released"));
        emit poll->timeout({});
        QCOMPARE(doneKeys(dialog).size(), 6);
        QVERIFY(dialog.findChild<QPushButton*>("butPass")->isVisibleTo(&dialog));
        QVERIFY(dialog.isVisible()); // neither Escape nor the on/off key closed it
        QTest::mouseClick(dialog.findChild<QPushButton*>("butPass"), Qt::LeftButton);
        QCOMPARE(device.read(kFile), QByteArray("resPassed\n"));
        QVERIFY(!g_hardwareTestActive);
    }

    // An X11 window repeats a held key as release and press pairs: the key stays held.
    void heldKeyRepeatingInPairsIsNotReleased()
    {
        DeviceRoot device;
        KeyRepeatPairs::arriveInPairs() = true;
        TestmenuKeyboard dialog;
        auto* poll = dialog.findChild<QTimer*>();
        emit poll->timeout({});
        key(&dialog, QEvent::KeyPress, Qt::Key_F3);
        for (int i = 0; i < 3; ++i) {
            key(&dialog, QEvent::KeyRelease, Qt::Key_F3);
            key(&dialog, QEvent::KeyPress, Qt::Key_F3, true);
        }
        QTest::qWait(3 * KeyRepeatPairs::kRepeatPairMs);
        emit poll->timeout({});
        QVERIFY(!done(dialog, "UP"));
        key(&dialog, QEvent::KeyRelease, Qt::Key_F3);
        QTRY_VERIFY((emit poll->timeout({}), done(dialog, "UP")));
    }

    void heldOnOffKeyDoesNotPowerDown()
    {
        DeviceRoot device;
        int terminated = 0;
        Platform::setTerminateHandler([&](int) { ++terminated; });
        MainMenu menu;
        const QByteArray backlight = device.read(kBacklight);
        TestmenuKeyboard dialog;
        KeyRecorder recorder;
        dialog.installEventFilter(&recorder);
        emit dialog.findChild<QTimer*>()->timeout({});
        key(&dialog, QEvent::KeyPress, Qt::Key_F1);
        for (int i = 0; i < 10; ++i)
            key(&dialog, QEvent::KeyPress, Qt::Key_F1, true);
        key(&dialog, QEvent::KeyRelease, Qt::Key_F1);
        QCoreApplication::processEvents();
        QVERIFY(!recorder.keys.contains(Qt::Key_F11) && !recorder.keys.contains(Qt::Key_F12));
        QCOMPARE(device.read(kBacklight), backlight);
        QVERIFY(!TestSupport::logged("Power down"));
        QCOMPARE(terminated, 0);
    }

    void wakingPressSetsNoFlag()
    {
        DeviceRoot device;
        MainMenu menu;
        TestmenuKeyboard dialog;
        auto* poll = dialog.findChild<QTimer*>();
        emit poll->timeout({});
        device.write("/home/root/settings.ini", "[Systemsettings]\nDisplayOffTime=2\nBrightness=6\n");
        menu.getInstanceSystemsettings()->loadSystemsettings();
        StatusbarData()->resetPowerSavingCnt();
        StatusbarData()->update();
        QVERIFY(StatusbarData()->isPowerSavingActive());
        key(&dialog, QEvent::KeyPress, Qt::Key_F2);
        QVERIFY(!StatusbarData()->isPowerSavingActive());
        key(&dialog, QEvent::KeyRelease, Qt::Key_F2);
        emit poll->timeout({});
        QVERIFY(!done(dialog, "FAV"));
    }

    void flagClearedWhicheverWayTheTestEnds_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("pass") << QByteArray("cmdPass") << QByteArray("resPassed\n");
        QTest::newRow("exit") << QByteArray("cmdExit") << QByteArray("resCanceled\n");
        QTest::newRow("destroyed") << QByteArray() << QByteArray();
    }
    void flagClearedWhicheverWayTheTestEnds()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, answer);
        DeviceRoot device;
        {
            TestmenuKeyboard dialog;
            emit dialog.findChild<QTimer*>()->timeout({});
            QVERIFY(g_hardwareTestActive);
            if (!command.isEmpty()) {
                device.write(kFile, command + "\n");
                dialog.channel()->readCommandFile();
                QCOMPARE(device.read(kFile), answer);
                QVERIFY(!g_hardwareTestActive);
                g_hardwareTestActive = true;
            }
        }
        QVERIFY(!g_hardwareTestActive);
    }
};

QTEST_MAIN(TestTestmenuKeyboard)
#include "tst_testmenukeyboard.moc"
