#include "Hardware/platform.h"
#include "Mainmenu/measuringpage.h"
#include "Management/systemsettings.h"
#include "Tools/favouritebutton.h"
#include "Tools/messagedialog.h"
#include "eventhandler.h"
#include "failingcard.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using TestSupport::DeviceRoot;
using TestSupport::ModalCloser;

namespace {
// Records that a page was given its leaving steps.
int g_escapes = 0;
class EscapeCounter : public QObject
{
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
            ++g_escapes;
        return false;
    }
};
} // namespace

class TestFavouriteButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }

    void opensTheFavourite_data()
    {
        QTest::addColumn<int>("favourite");
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("pinpointing") << 1 << QByteArray("Pinpointing");
        QTest::newRow("level") << 2 << QByteArray("Levelmeasurement");
        QTest::newRow("long-term") << 3 << QByteArray("Longtermmeasurement");
        QTest::newRow("H2") << 4 << QByteArray("H2Sensor");
        QTest::newRow("pipe locating") << 5 << QByteArray("Pipelocating");
    }
    void opensTheFavourite()
    {
        QFETCH(int, favourite);
        QFETCH(QByteArray, page);
        DeviceRoot device;
        MainMenu menu;
        TestSupport::ModalCloser closer; // the H2 page's note without its sensor
        menu.getInstanceSystemsettings()->setFavouriteButton(favourite);
        menu.getFavouriteButtonInsance()->execFavouriteFunction();
        QCOMPARE(QByteArray(menu.currentPage()->metaObject()->className()), page);
        QCOMPARE(menu.getCurrentMenuLevel(), 0);
    }

    void leavingPageTakesItsLeavingSteps()
    {
        DeviceRoot device;
        MainMenu menu;
        TestSupport::ModalCloser closer; // the H2 page's note without its sensor
        menu.displayWidget(1, 1, 0);
        EscapeCounter counter;
        menu.currentPage()->installEventFilter(&counter);
        g_escapes = 0;
        // The favourite is the page already shown: nothing to leave.
        menu.getFavouriteButtonInsance()->execFavouriteFunction();
        QCOMPARE(g_escapes, 0);
        menu.getInstanceSystemsettings()->setFavouriteButton(4);
        menu.getFavouriteButtonInsance()->execFavouriteFunction();
        QCOMPARE(g_escapes, 1);
        QCOMPARE(menu.currentPage()->metaObject()->className(), "H2Sensor");
    }

    // Over any dialog but a measuring page's the key does nothing: what is under way goes on
    // (the data partition with the PC, the restart after a firmware copy), and no page
    // starts behind the dialog or is left for the main page once the dialog is closed.
    void nothingOverOtherDialogs_data()
    {
        QTest::addColumn<QString>("opener"); // the Management screen's button; none: the test menu
        QTest::addColumn<QStringList>("presses"); // on the dialog before the key
        QTest::addColumn<QString>("running"); // the dialog's timer that runs at the key and after it
        QTest::newRow("USB export") << "butDatatransmission" << QStringList("butConnect") << "";
        QTest::newRow("firmware restart")
            << "butFirmwareupdate" << QStringList({"butUpdateTK9400", "butAccept"}) << "timerReboot";
        QTest::newRow("sensor unit's configuration") << "butDeviceConfig" << QStringList() << "answerTimer";
        QTest::newRow("production test menu") << "" << QStringList() << "";
    }
    void nothingOverOtherDialogs()
    {
        QFETCH(QString, opener);
        QFETCH(QStringList, presses);
        QFETCH(QString, running);
        DeviceRoot device;
        device.write("/media/tk9400/FW_TKR9400_1-2-3.tk9", QByteArray(5000, 'f'));
        QList<int> exits;
        Platform::setTerminateHandler([&exits](int code) { exits << code; });
        MainMenu menu;
        menu.getInstanceSystemsettings()->setFavouriteButton(2);
        EventHandler keys;
        qApp->installEventFilter(&keys);
        QString keyedOn;
        QString openAfter;
        bool runsOn = false;
        QStringList commands;
        int pagesAtKey = -1;
        QTimer driver;
        connect(&driver, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !keyedOn.isEmpty())
                return;
            if (!presses.isEmpty()) {
                TestSupport::button(dialog, presses.takeFirst())->click();
                return;
            }
            QTimer* timer = running.isEmpty() ? nullptr : dialog->findChild<QTimer*>(running);
            if (timer && !timer->isActive())
                return; // the copy before the restart
            keyedOn = dialog->metaObject()->className();
            commands = device.commands();
            QTest::keyClick(dialog, Qt::Key_F2);
            QWidget* open = QApplication::activeModalWidget();
            openAfter = open ? open->metaObject()->className() : "";
            runsOn = !timer || timer->isActive();
            commands = device.commands().mid(commands.size());
            pagesAtKey = menu.findChildren<MeasuringPage*>().size();
            dialog->done(QDialog::Rejected);
        });
        driver.start(0);
        if (opener.isEmpty()) {
            menu.showWidget(100);
        } else {
            TestSupport::button(&menu, "butManagement")->click();
            TestSupport::button(menu.currentPage(), opener)->click();
        }
        driver.stop();
        qApp->removeEventFilter(&keys);
        Platform::setTerminateHandler(nullptr);
        QVERIFY(!keyedOn.isEmpty());
        QCOMPARE(openAfter, keyedOn);
        QVERIFY(runsOn);
        QCOMPARE(commands, QStringList());
        QCOMPARE(pagesAtKey, 0);
        QVERIFY(menu.findChildren<MeasuringPage*>().isEmpty());
        QVERIFY(exits.isEmpty());
        QVERIFY(TestSupport::logged("Favourite key ignored over " + keyedOn));
    }

    void storesThePageLastShown()
    {
        DeviceRoot device;
        MainMenu menu;
        ModalCloser closer;
        menu.getFavouriteButtonInsance()->storeFavouriteFunction();
        QCOMPARE(menu.getInstanceSystemsettings()->getFavouriteButton(nullptr), 2); // right after start
        menu.displayWidget(8, 1, 0);
        menu.displayWidget(0, 0, 0);
        menu.getFavouriteButtonInsance()->storeFavouriteFunction();
        QCOMPARE(menu.getInstanceSystemsettings()->getFavouriteButton(nullptr), 5);
        QCOMPARE(closer.seen(), QStringList({"PopupInfo", "PopupInfo"}));
        QVERIFY(TestSupport::logged("New Favourite-Button fuction stored"));

        // One that cannot be stored is not shown as stored, and the old one stays.
        menu.setCurrentVisibleDlgNum(1);
        FailingCard card(FailingCard::WritesFail, device.hostPath("/home/root"));
        QVERIFY(card.fail());
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write settings file:"));
        const QStringList seen = closer.seen();
        QCOMPARE(menu.getFavouriteButtonInsance()->storeFavouriteFunction(), -1);
        QCOMPARE(closer.seen(), seen + QStringList("MessageDialog"));
        QCOMPARE(menu.getInstanceSystemsettings()->getFavouriteButton(nullptr), 5);
    }

    void screenshots()
    {
        DeviceRoot device;
        MainMenu menu;
        menu.show();
        ModalCloser closer;
        menu.getInstanceSystemsettings()->setFavouriteButton(0);
        FavouriteButton* favourite = menu.getFavouriteButtonInsance();
        favourite->execFavouriteFunction();
        const QString first = device.hostPath("/media/tk9400/screenshots/pic_000.png");
        QCOMPARE(favourite->lastScreenshotFile(), first);
        QImage picture(first);
        QCOMPARE(picture.size(), QSize(480, 272));
        QCOMPARE(closer.seen(), QStringList("PopupInfo"));

        // After a restart the numbering goes on after the highest picture there.
        device.write("/media/tk9400/screenshots/pic_041.png", "x");
        FavouriteButton restarted;
        restarted.generateScreenshot();
        QCOMPARE(restarted.lastScreenshotFile(), device.hostPath("/media/tk9400/screenshots/pic_042.png"));
        QVERIFY(QFile::exists(first));
        device.write("/media/tk9400/screenshots/pic_999.png", "x");
        restarted.generateScreenshot();
        QCOMPARE(restarted.lastScreenshotFile(), device.hostPath("/media/tk9400/screenshots/pic_1000.png"));
    }

    // A main window away from the screen's corner and without a frame, as on a PC's bare X
    // server: a dialog stands over it with or without a parent (Qt alone puts a parented one
    // 10 x 40 px up and left of it), and the screenshot shows it whole at its place.
    void dialogOverAMovedMainWindow_data()
    {
        QTest::addColumn<bool>("parented");
        QTest::newRow("alert without parent") << false;
        QTest::newRow("dialog of the main window") << true;
    }
    void dialogOverAMovedMainWindow()
    {
        QFETCH(bool, parented);
        DeviceRoot device;
        EventHandler handler;
        qApp->installEventFilter(&handler);
        MainMenu menu;
        menu.setWindowFlag(Qt::FramelessWindowHint);
        menu.move(200, 150);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        MessageDialog dialog(parented ? &menu : nullptr);
        dialog.setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog); // as the settings dialogs
        dialog.setStyleSheet("QDialog { background: rgb(0, 200, 0); }");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.mapToGlobal(QPoint()), menu.mapToGlobal(QPoint()));
        dialog.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &dialog);
        ModalCloser closer;
        menu.getFavouriteButtonInsance()->generateScreenshot();
        const QImage picture(menu.getFavouriteButtonInsance()->lastScreenshotFile());
        QCOMPARE(picture.pixelColor(240, 205), QColor(0, 200, 0));
        QCOMPARE(picture.pixelColor(2, 2), QColor(0, 200, 0));
    }
};

QTEST_MAIN(TestFavouriteButton)
#include "tst_favouritebutton.moc"
