#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "eventhandler.h"
#include "globals.h"
#include "keyrepeatpairs.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QPushButton>
#include <QtTest>

using TestSupport::DeviceRoot;
using TestSupport::ModalCloser;

namespace {

// A widget that records the keys that reach it.
class KeyProbe : public QWidget
{
public:
    QStringList keys;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys << QStringLiteral("press %1").arg(name(e->key())); }
    void keyReleaseEvent(QKeyEvent* e) override { keys << QStringLiteral("release %1").arg(name(e->key())); }

private:
    static QString name(int key) { return QKeySequence(key).toString(); }
};

void key(QObject* target, QEvent::Type type, int k, bool repeat = false)
{
    QKeyEvent event(type, k, Qt::NoModifier, QString(), repeat);
    QCoreApplication::sendEvent(target, &event);
}

void tap(QObject* target, int k)
{
    key(target, QEvent::KeyPress, k);
    QCoreApplication::processEvents(); // a finger is slower than the event queue
    key(target, QEvent::KeyRelease, k);
}

// How the window system reports a held key: the board repeats marked presses, an X11
// window sends an unmarked release and a marked press for each repeat.
bool g_repeatAsPairs = false;

void repeatAsPairs(bool pairs)
{
    g_repeatAsPairs = pairs;
    KeyRepeatPairs::arriveInPairs() = pairs;
}

void hold(QObject* target, int k, int repeats)
{
    key(target, QEvent::KeyPress, k);
    for (int i = 0; i < repeats; ++i) {
        if (g_repeatAsPairs)
            key(target, QEvent::KeyRelease, k);
        key(target, QEvent::KeyPress, k, true);
    }
}

// Lets a release that waits for a possible repeat take effect.
void settle()
{
    if (g_repeatAsPairs)
        QTest::qWait(3 * KeyRepeatPairs::kRepeatPairMs);
}

void goDark(const DeviceRoot& device)
{
    device.write("/home/root/settings.ini", "[Systemsettings]\nDisplayOffTime=2\nBrightness=6\n");
    MainMenu::getInstanceMainMenu()->getInstanceSystemsettings()->loadSystemsettings();
    StatusbarData()->resetPowerSavingCnt();
    StatusbarData()->update();
    QVERIFY(StatusbarData()->isPowerSavingActive());
}

} // namespace

class TestEventHandler : public QObject
{
    Q_OBJECT

private:
    EventHandler* m_filter = nullptr;

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        m_filter = new EventHandler(this);
        qApp->installEventFilter(m_filter);
    }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup()
    {
        g_hardwareTestActive = false;
        repeatAsPairs(false);
        TestSupport::verifyExpectedMessagesSeen();
    }

    void translatesFrontKeys_data()
    {
        QTest::addColumn<int>("frontKey");
        QTest::addColumn<QStringList>("reached");
        QTest::newRow("F3 up") << int(Qt::Key_F3) << QStringList({"press Up", "release Up"});
        QTest::newRow("F4 select") << int(Qt::Key_F4) << QStringList({"press Space", "release Space"});
        QTest::newRow("F5 down") << int(Qt::Key_F5) << QStringList({"press Down", "release Down"});
        QTest::newRow("F6 mute") << int(Qt::Key_F6) << QStringList({"press F10", "release F10"});
        QTest::newRow("other keys unchanged") << int(Qt::Key_A) << QStringList({"press A", "release A"});
    }
    void translatesFrontKeys()
    {
        QFETCH(int, frontKey);
        QFETCH(QStringList, reached);
        DeviceRoot device;
        MainMenu menu;
        KeyProbe probe;
        tap(&probe, frontKey);
        QCoreApplication::processEvents();
        QCOMPARE(probe.keys, reached);
    }

    void muteKeyRepeatsAreSwallowed()
    {
        DeviceRoot device;
        MainMenu menu;
        KeyProbe probe;
        hold(&probe, Qt::Key_F6, 5);
        key(&probe, QEvent::KeyRelease, Qt::Key_F6);
        QCoreApplication::processEvents();
        QCOMPARE(probe.keys, QStringList({"press F10", "release F10"}));
    }

    // A dialog opened over the page while the mute key is held (the headphone volume set
    // while listening) must not take its release: the path would stay open.
    void muteKeyEndsWhereItBegan_data()
    {
        QTest::addColumn<bool>("pressedShows");
        QTest::newRow("a window opened over the one pressed") << true;
        QTest::newRow("the one pressed hidden meanwhile") << false;
    }
    void muteKeyEndsWhereItBegan()
    {
        QFETCH(bool, pressedShows);
        DeviceRoot device;
        MainMenu menu;
        KeyProbe page;
        KeyProbe dialog;
        page.show();
        key(&page, QEvent::KeyPress, Qt::Key_F6);
        if (!pressedShows)
            page.hide();
        dialog.show();
        key(&dialog, QEvent::KeyRelease, Qt::Key_F6);
        QCoreApplication::processEvents();
        QCOMPARE(page.keys, pressedShows ? QStringList({"press F10", "release F10"}) : QStringList("press F10"));
        QCOMPARE(dialog.keys, pressedShows ? QStringList() : QStringList("release F10"));
    }

    void hardwareTestPassesKeysThrough()
    {
        DeviceRoot device;
        MainMenu menu;
        KeyProbe probe;
        g_hardwareTestActive = true;
        tap(&probe, Qt::Key_F1);
        tap(&probe, Qt::Key_F6);
        QCOMPARE(probe.keys, QStringList({"press F1", "release F1", "press F6", "release F6"}));
        QVERIFY(menu.currentPage()->objectName() == "mainPage");
    }

    void onOffKey()
    {
        DeviceRoot device;
        int exitCode = 0;
        Platform::setTerminateHandler([&exitCode](int code) { exitCode = code; });
        MainMenu menu;
        KeyProbe probe;

        // A short press leaves the page (Escape release) and shows the main page.
        menu.displayWidget(4, 1, 0);
        tap(&probe, Qt::Key_F1);
        QCoreApplication::processEvents();
        QCOMPARE(probe.keys, QStringList({"press F11", "release Esc"}));
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
        QVERIFY(!m_filter->isShutdownArmed());
        // From a dialog opened from another every one closes, innermost first, down to one
        // that does not leave on the key (a service menu), which stays.
        menu.displayWidget(4, 1, 0);
        QDialog stays;
        MessageDialog outer;
        MessageDialog inner;
        for (QDialog* dialog : {&stays, static_cast<QDialog*>(&outer), static_cast<QDialog*>(&inner)}) {
            dialog->setModal(true);
            dialog->show();
        }
        tap(&inner, Qt::Key_F1);
        QCOMPARE(QApplication::activeModalWidget(), &stays);
        QVERIFY(!outer.isVisible() && !inner.isVisible());
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
        stays.hide();

        // Seven repeats are not enough...
        hold(&probe, Qt::Key_F1, 7);
        QVERIFY(!m_filter->isShutdownArmed());
        QVERIFY(!TestSupport::logged("Power down"));
        // ...the eighth darkens the display and arms the power-down.
        key(&probe, QEvent::KeyPress, Qt::Key_F1, true);
        QVERIFY(m_filter->isShutdownArmed());
        QCOMPARE(device.read("/sys/class/backlight/backlight/brightness"), QByteArray("0"));
        key(&probe, QEvent::KeyRelease, Qt::Key_F1);
        QVERIFY(TestSupport::logged("Send Event for shutdown"));
        QVERIFY(TestSupport::logged("Key: SwitchOff"));
        QVERIFY(TestSupport::logged("beforePowerDown: Finish"));
        // The event loop runs on for 3 s, then the partition is released and the power cut.
        QTest::qWait(2500);
        QCOMPARE(exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(exitCode, int(Platform::ExitPoweroff), 2000);
        QCOMPARE(device.commands().mid(3), QStringList({"umount /media/tk9400", "poweroff"}));

        // A fresh press disarms it again.
        key(&probe, QEvent::KeyPress, Qt::Key_F1);
        QVERIFY(!m_filter->isShutdownArmed());
    }

    void favouriteKey_data()
    {
        QTest::addColumn<bool>("pairs");
        QTest::newRow("board") << false;
        QTest::newRow("X11 window") << true;
    }
    void favouriteKey()
    {
        QFETCH(bool, pairs);
        repeatAsPairs(pairs);
        DeviceRoot device;
        MainMenu menu;
        KeyProbe probe;
        ModalCloser closer;

        // Held for eight repeats: stores the page last shown; the release opens nothing.
        menu.displayWidget(6, 1, 0);
        menu.displayWidget(0, 0, 0);
        hold(&probe, Qt::Key_F2, 8);
        key(&probe, QEvent::KeyRelease, Qt::Key_F2);
        settle();
        QCOMPARE(menu.getInstanceSystemsettings()->getFavouriteButton(nullptr), 4);
        QVERIFY(TestSupport::logged("Neue Funktion speichern"));
        // The H2 page's note without its sensor, then the confirmation.
        QCOMPARE(closer.seen(), QStringList({"MessageDialog", "PopupInfo"}));
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));

        // Seven repeats: the release opens the favourite, without a history entry.
        hold(&probe, Qt::Key_F2, 7);
        key(&probe, QEvent::KeyRelease, Qt::Key_F2);
        settle();
        QCOMPARE(menu.currentPage()->metaObject()->className(), "H2Sensor");
        QCOMPARE(menu.getCurrentMenuLevel(), 0);
        QVERIFY(probe.keys.isEmpty());
    }

    void heldKeysUnderAnX11Window()
    {
        DeviceRoot device;
        MainMenu menu;
        KeyProbe probe;
        repeatAsPairs(true);
        hold(&probe, Qt::Key_F6, 5);
        hold(&probe, Qt::Key_F1, 8);
        QCoreApplication::processEvents();
        QVERIFY(m_filter->isShutdownArmed());
        QCOMPARE(probe.keys.filter("release"), QStringList());
        QCOMPARE(probe.keys.filter("F10"), QStringList("press F10"));
        key(&probe, QEvent::KeyPress, Qt::Key_F1); // disarm for the next tests
        QVERIFY(!m_filter->isShutdownArmed());
        // A real release, not followed by a repeat, still counts.
        key(&probe, QEvent::KeyRelease, Qt::Key_F6);
        QTRY_COMPARE(probe.keys.filter("release"), QStringList("release F10"));
    }

    void consoleCombination()
    {
        DeviceRoot device;
        MainMenu menu;
        KeyProbe probe;
        ModalCloser closer;
        hold(&probe, Qt::Key_F3, 3);
        hold(&probe, Qt::Key_F5, 3);
        key(&probe, QEvent::KeyRelease, Qt::Key_F5);
        key(&probe, QEvent::KeyRelease, Qt::Key_F3);
        QCoreApplication::processEvents();
        QCOMPARE(probe.keys.filter("release"), QStringList());
        QCOMPARE(device.read("/sys/class/gpio/gpio65/value"), QByteArray("1"));
        QCOMPARE(closer.seen(), QStringList({"PopupInfo", "PopupInfo"}));
        // Two repeats each are not the combination.
        hold(&probe, Qt::Key_F3, 2);
        hold(&probe, Qt::Key_F5, 2);
        key(&probe, QEvent::KeyRelease, Qt::Key_F5);
        QCoreApplication::processEvents();
        QCOMPARE(probe.keys.filter("release"), QStringList("release Down"));
    }

    void wakingKeyIsSwallowedButItsReleaseActs()
    {
        DeviceRoot device;
        MainMenu menu;
        KeyProbe probe;
        menu.displayWidget(4, 1, 0);
        goDark(device);
        key(&probe, QEvent::KeyPress, Qt::Key_F1);
        QVERIFY(!StatusbarData()->isPowerSavingActive());
        QCOMPARE(device.read("/sys/class/backlight/backlight/brightness"), QByteArray("6"));
        QCoreApplication::processEvents();
        QVERIFY(probe.keys.isEmpty());
        key(&probe, QEvent::KeyRelease, Qt::Key_F1);
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
    }

    void wakingTouchNeverPressesAButton()
    {
        DeviceRoot device;
        MainMenu menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        auto* button = menu.findChild<QPushButton*>("butManagement");
        goDark(device);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!StatusbarData()->isPowerSavingActive());
        QCOMPARE(menu.currentPage()->objectName(), QString("mainPage"));
        // With the display on, the same tap works and counts as activity.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(menu.currentPage()->metaObject()->className(), "Management");
    }
};

QTEST_MAIN(TestEventHandler)
#include "tst_eventhandler.moc"
