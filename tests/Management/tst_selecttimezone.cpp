#include "Management/SettingsAdjust/selecttimezone.h"
#include "Management/SettingsAdjust/settingsdialog.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

using TestSupport::button;
using TestSupport::child;
using TestSupport::DeviceRoot;
using TestSupport::screenshotPath;

namespace {

// The dialog with its clock fixed, so the clock commands are known in advance.
class FixedClockTimezone : public SelectTimezone
{
public:
    QDateTime now = QDateTime(QDate(2019, 6, 12), QTime(10, 20, 5));

protected:
    QDateTime currentLocalDateTime() const override { return now; }
};

// A finger lifted at x on the map (y does not matter).
void releaseOnMap(QWidget& dialog, qreal x)
{
    QWidget* map = child<QWidget>(dialog, "mapButton");
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(x, 100.0), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(map, &release);
}

const int kBerlin = 13;
const int kKabul = 18;
const int kKatmandu = 21;
const int kNewfoundland = 8;

} // namespace

class TestSelectTimezone : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void mapTap_data()
    {
        QTest::addColumn<qreal>("x");
        QTest::addColumn<int>("zone");
        QTest::newRow("left edge") << 0.0 << 0;
        QTest::newRow("just inside, truncated toward zero") << -0.5 << 0;
        QTest::newRow("left of the map") << -1.0 << 12;
        QTest::newRow("16 Midway") << 16.0 << 0;
        QTest::newRow("16.9 still Midway") << 16.9 << 0;
        QTest::newRow("17 Hawaii") << 17.0 << 1;
        QTest::newRow("119 Manaus") << 119.0 << 7;
        QTest::newRow("120 Newfoundland") << 120.0 << 8;
        QTest::newRow("189 London") << 189.0 << 12;
        QTest::newRow("190 Berlin") << 190.0 << 13;
        QTest::newRow("276 New Delhi") << 276.0 << 20;
        QTest::newRow("277 Katmandu") << 277.0 << 21;
        QTest::newRow("400 Fiji") << 400.0 << 30;
        QTest::newRow("401 right of the map") << 401.0 << 12;
    }
    void mapTap()
    {
        QFETCH(qreal, x);
        QFETCH(int, zone);
        SelectTimezone dialog;
        dialog.init(0, 5, 0);
        releaseOnMap(dialog, x);
        QCOMPARE(dialog.getSelectedTimezone(), zone);
        QCOMPARE(dialog.getTimezoneOffset(), SelectTimezone::getTimezoneOffset(zone));
        QCOMPARE(child<QLineEdit>(dialog, "editTimezone")->text(), dialog.getTimezoneName());
    }

    // Every zone of the table: its marker, offset and name, reached by arrows from London.
    void everyZoneShown()
    {
        const int offsets[SelectTimezone::kNumTimezones] = {
            -39600, -36000, -32400, -28800, -25200, -21600, -18000, -14400, -12600, -10800, -7200,
            -3600,  0,      3600,   7200,   10800,  12600,  14400,  16200,  18000,  19800,  20700,
            21600,  23400,  25200,  28800,  32400,  34200,  36000,  39600,  43200};
        const int selectorX[SelectTimezone::kNumTimezones] = {
            13,  30,  47,  64,  81,  97,  113, 128, 133, 145, 162, 179, 192, 203, 227, 244,
            252, 261, 269, 278, 286, 290, 295, 303, 309, 326, 343, 351, 359, 378, 395};
        SelectTimezone dialog;
        dialog.init(0, 0, 0);
        QLabel* marker = child<QLabel>(dialog, "timezoneSelector");
        for (int zone = 0; zone < SelectTimezone::kNumTimezones; ++zone) {
            QCOMPARE(dialog.getSelectedTimezone(), zone);
            QCOMPARE(dialog.getTimezoneOffset(), offsets[zone]);
            QCOMPARE(marker->geometry(), QRect(selectorX[zone], 6, 17, 200));
            // The marker covers the place tapped to choose it.
            QCOMPARE(SelectTimezone::timezoneFromMapX(selectorX[zone] - 13), zone);
            button(dialog, "butNext")->click();
        }
        QCOMPARE(dialog.getSelectedTimezone(), 0); // Fiji -> Midway Islands
        button(dialog, "butPrev")->click();
        QCOMPARE(dialog.getSelectedTimezone(), 30);
        QCOMPARE(SelectTimezone::getTimezoneOffset(-1), 0);
        QCOMPARE(SelectTimezone::getTimezoneOffset(31), 0);
    }

    void names()
    {
        SelectTimezone dialog;
        dialog.init(0, kKabul, 0);
        QCOMPARE(dialog.getTimezoneName(), QString("Kabul (+4,5 h)"));
        button(dialog, "butPrev")->click();
        QCOMPARE(dialog.getTimezoneName(), QString("AbuDhabi (+4 h)"));
        releaseOnMap(dialog, 280);
        QCOMPARE(dialog.getTimezoneName(), QString("Katmandu (+5,75 h)"));
    }

    void unknownZoneShownAsLondon()
    {
        SelectTimezone dialog;
        dialog.init(0, 40, 0);
        QCOMPARE(dialog.getSelectedTimezone(), 40);
        QCOMPARE(dialog.getTimezoneName(), QString("London (0 h)"));
        QCOMPARE(dialog.getTimezoneOffset(), 0);
        QCOMPARE(child<QLabel>(dialog, "timezoneSelector")->x(), 189);
        button(dialog, "butPrev")->click();
        QCOMPARE(dialog.getSelectedTimezone(), 39);
        QCOMPARE(dialog.getTimezoneName(), QString("London (0 h)"));
        button(dialog, "butNext")->click(); // 40 is above the table too: wraps to the first zone
        QCOMPARE(dialog.getSelectedTimezone(), 0);
        QCOMPARE(child<QLabel>(dialog, "timezoneSelector")->x(), 13);
    }

    // The clock follows the zone: shifted with carry into hours and the date, then the
    // hardware clock written.
    void acceptShiftsClock_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("zoneFrom");
        QTest::addColumn<int>("dstFrom");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        const QDateTime morning(QDate(2019, 6, 12), QTime(10, 20, 5));
        QTest::newRow("Berlin to Kabul") << 0 << kBerlin << 0 << morning << "map:260" << "2019-6-12" << "13:50:5";
        QTest::newRow("Kabul to Berlin") << 0 << kKabul << 0 << morning << "map:200" << "2019-6-12" << "6:50:5";
        QTest::newRow("Berlin to Katmandu, late") << 0 << kBerlin << 0 << QDateTime(QDate(2019, 6, 12), QTime(23, 30, 0))
                                                  << "map:279" << "2019-6-13" << "4:15:0";
        QTest::newRow("Berlin to Katmandu, new year") << 0 << kBerlin << 0 << QDateTime(QDate(2019, 12, 31), QTime(22, 0, 59))
                                                      << "map:279" << "2020-1-1" << "2:45:59";
        QTest::newRow("London to Newfoundland after midnight") << 0 << 12 << 0 << QDateTime(QDate(2020, 1, 1), QTime(1, 10, 0))
                                                               << "map:125" << "2019-12-31" << "21:40:0";
        QTest::newRow("Fiji to Midway, a whole day back") << 0 << 30 << 0 << QDateTime(QDate(2020, 3, 1), QTime(12, 0, 0))
                                                          << "next" << "2020-2-29" << "13:0:0";
        QTest::newRow("summer time on") << 1 << kBerlin << 0 << morning << "summer" << "2019-6-12" << "11:20:5";
        QTest::newRow("summer time off") << 1 << kBerlin << 1 << morning << "winter" << "2019-6-12" << "9:20:5";
        QTest::newRow("switch toggles summer time on") << 1 << kBerlin << 0 << morning << "switch" << "2019-6-12" << "11:20:5";
        QTest::newRow("summer time off just after midnight") << 1 << kBerlin << 1 << QDateTime(QDate(2019, 3, 1), QTime(0, 30, 0))
                                                             << "winter" << "2019-2-28" << "23:30:0";
    }
    void acceptShiftsClock()
    {
        QFETCH(int, page);
        QFETCH(int, zoneFrom);
        QFETCH(int, dstFrom);
        QFETCH(QDateTime, now);
        QFETCH(QString, clicks);
        QFETCH(QString, date);
        QFETCH(QString, time);
        DeviceRoot device;
        FixedClockTimezone dialog;
        dialog.now = now;
        dialog.init(page, zoneFrom, dstFrom);
        if (clicks.startsWith("map:"))
            releaseOnMap(dialog, clicks.mid(4).toDouble());
        else if (clicks == "next")
            button(dialog, "butNext")->click();
        else if (clicks == "summer")
            button(dialog, "butSummertime")->click();
        else if (clicks == "winter")
            button(dialog, "butWintertime")->click();
        else
            button(dialog, "butSwitchDst")->click();
        button(dialog, "butAccept")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(device.commands(), QStringList({"date +%F -s " + date, "date +%T -s " + time, "hwclock -w -f /dev/rtc0"}));
    }

    void unchangedAcceptRunsNothing()
    {
        DeviceRoot device;
        FixedClockTimezone dialog;
        dialog.init(0, kNewfoundland, 1);
        button(dialog, "butNext")->click();
        button(dialog, "butNext")->click();
        button(dialog, "butPrev")->click();
        button(dialog, "butPrev")->click();
        button(dialog, "butSwitchDst")->click();
        button(dialog, "butSwitchDst")->click();
        button(dialog, "butAccept")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.getSelectedTimezone(), kNewfoundland);
        QCOMPARE(dialog.getDaylightSavingTime(), 1);
        QCOMPARE(dialog.getDaylightSavingTimeOffset(), 3600);
        QCOMPARE(device.commands(), QStringList());
    }

    void cancelAndKeys()
    {
        DeviceRoot device;
        {
            FixedClockTimezone dialog;
            dialog.init(0, kBerlin, 0);
            releaseOnMap(dialog, 300);
            button(dialog, "butClose")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        {
            FixedClockTimezone dialog;
            dialog.init(0, kBerlin, 0);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            releaseOnMap(dialog, 300);
            QTest::keyClick(&dialog, Qt::Key_Return);
            QTest::keyClick(&dialog, Qt::Key_Enter);
            TestSupport::holdEscape(&dialog, [&] { QVERIFY(dialog.isVisible()); });
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(device.commands(), QStringList());
    }

    void summerTimePage()
    {
        SelectTimezone dialog;
        dialog.init(1, kBerlin, 1);
        QCOMPARE(child<QStackedWidget>(dialog, "mainArea")->currentWidget()->objectName(), QString("pageDaylightSaving"));
        QCOMPARE(button(dialog, "butSummertime")->text(), QString("Summertime (+1 h)"));
        QCOMPARE(button(dialog, "butWintertime")->text(), QString("Wintertime (+0 h)"));
        QPushButton* dstSwitch = button(dialog, "butSwitchDst");
        QCOMPARE(SettingsDialog::radioSwitchImage(dstSwitch), QString("Radioswitch_top_2x40px.png"));
        QCOMPARE(dialog.getDaylightSavingTimeOffset(), 3600);
        dstSwitch->click();
        QCOMPARE(dialog.getDaylightSavingTime(), 0);
        QCOMPARE(dialog.getDaylightSavingTimeOffset(), 0);
        QCOMPARE(SettingsDialog::radioSwitchImage(dstSwitch), QString("Radioswitch_bottom_2x40px.png"));
        button(dialog, "butSummertime")->click();
        QCOMPARE(dialog.getDaylightSavingTime(), 1);
        QCOMPARE(SettingsDialog::radioSwitchImage(dstSwitch), QString("Radioswitch_top_2x40px.png"));

        // A flag that is neither 0 nor 1 counts as winter time; the switch turns it to summer.
        SelectTimezone odd;
        odd.init(0, kBerlin, 2);
        QCOMPARE(odd.getDaylightSavingTimeOffset(), 0);
        QCOMPARE(SettingsDialog::radioSwitchImage(button(odd, "butSwitchDst")), QString("Radioswitch_bottom_2x40px.png"));
        button(odd, "butSwitchDst")->click();
        QCOMPARE(odd.getDaylightSavingTime(), 1);
    }

    void screenshots()
    {
        QVERIFY(TestSupport::useDeviceLook());
        QTranslator english;
        QVERIFY(TestSupport::installEnglish(english));
        for (int page = 0; page < 2; ++page) {
            SelectTimezone dialog;
            dialog.init(page, kBerlin, 1);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            const QImage image = dialog.grab().toImage();
            QCOMPARE(image.size(), QSize(480, 272));
            QVERIFY(image.save(screenshotPath(QStringLiteral("selecttimezone_page%1.png").arg(page))));
            QLineEdit* edit = child<QLineEdit>(dialog, "editTimezone");
            QVERIFY(edit->fontMetrics().horizontalAdvance(edit->text()) < edit->width() - 12);
            for (const char* name : {"butSummertime", "butWintertime"})
                QVERIFY(button(dialog, name)->fontMetrics().horizontalAdvance(button(dialog, name)->text())
                        < button(dialog, name)->width() - 12);
        }
        qApp->removeTranslator(&english);
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestSelectTimezone)
#include "tst_selecttimezone.moc"
