#include "Management/SettingsAdjust/datetimeadjust.h"
#include "Management/SettingsAdjust/settingsdialog.h"
#include "Tools/messagedialog.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

using TestSupport::button;
using TestSupport::child;
using TestSupport::DeviceRoot;
using TestSupport::ModalCloser;
using TestSupport::screenshotPath;

namespace {

class FixedClockDateTime : public DateTimeAdjust
{
public:
    QDateTime now = QDateTime(QDate(2019, 6, 12), QTime(10, 20, 5));

protected:
    QDateTime currentLocalDateTime() const override { return now; }
};

QString field(QWidget& dialog, const QString& name)
{
    return child<QLineEdit>(dialog, "edit" + name)->text();
}

const QStringList kFields = {"Day", "Month", "Year", "Hour", "Minute", "Second"};

QStringList upDownButtons()
{
    QStringList names;
    for (const QString& f : kFields)
        names << "but" + f + "Up" << "but" + f + "Down";
    return names;
}

QStringList enabledStates(QWidget& dialog)
{
    QStringList states;
    for (const QString& name : upDownButtons())
        states << name + (button(dialog, name)->isEnabled() ? "=on" : "=off");
    return states;
}

QStringList allStates(bool on)
{
    QStringList states;
    for (const QString& name : upDownButtons())
        states << name + (on ? "=on" : "=off");
    return states;
}

QStringList clockCommands(const QString& date, const QString& time)
{
    return {"date +%F -s " + date, "date +%T -s " + time, "hwclock -w -f /dev/rtc0"};
}

} // namespace

class TestDateTimeAdjust : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void fieldSteps_data()
    {
        QTest::addColumn<QDateTime>("clock");
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("shown");
        const QDateTime late(QDate(2050, 12, 31), QTime(23, 59, 59));
        const QDateTime early(QDate(2016, 1, 1), QTime(0, 0, 0));
        QTest::newRow("day 31 up") << late << "butDayUp" << "Day" << "01";
        QTest::newRow("day 1 down") << early << "butDayDown" << "Day" << "31";
        QTest::newRow("day 31 in April down") << QDateTime(QDate(2019, 4, 30), QTime(1, 2, 3)) << "butDayUp" << "Day" << "31";
        QTest::newRow("month 12 up") << late << "butMonthUp" << "Month" << "01";
        QTest::newRow("month 1 down") << early << "butMonthDown" << "Month" << "12";
        QTest::newRow("year 2050 up") << late << "butYearUp" << "Year" << "2016";
        QTest::newRow("year 2016 down") << early << "butYearDown" << "Year" << "2050";
        QTest::newRow("year 2010 up moves freely") << QDateTime(QDate(2010, 5, 5), QTime(5, 5, 5)) << "butYearUp" << "Year" << "2011";
        QTest::newRow("year 2010 down wraps") << QDateTime(QDate(2010, 5, 5), QTime(5, 5, 5)) << "butYearDown" << "Year" << "2050";
        QTest::newRow("hour 23 up") << late << "butHourUp" << "Hour" << "00";
        QTest::newRow("hour 0 down") << early << "butHourDown" << "Hour" << "23";
        QTest::newRow("minute 59 up") << late << "butMinuteUp" << "Minute" << "00";
        QTest::newRow("minute 0 down") << early << "butMinuteDown" << "Minute" << "59";
        QTest::newRow("second 59 up") << late << "butSecondUp" << "Second" << "00";
        QTest::newRow("second 0 down") << early << "butSecondDown" << "Second" << "59";
        QTest::newRow("second 8 up, padded") << QDateTime(QDate(2019, 6, 12), QTime(10, 20, 8)) << "butSecondUp" << "Second" << "09";
    }
    void fieldSteps()
    {
        QFETCH(QDateTime, clock);
        QFETCH(QString, buttonName);
        QFETCH(QString, fieldName);
        QFETCH(QString, shown);
        FixedClockDateTime dialog;
        dialog.now = clock;
        dialog.init(buttonName.contains(QRegularExpression("Hour|Minute|Second")) ? 1 : 0, 0, DateTimeAdjust::SourceManual);
        button(dialog, buttonName)->click();
        QCOMPARE(field(dialog, fieldName), shown);
    }

    void openingShowsClock()
    {
        FixedClockDateTime dialog;
        dialog.now = QDateTime(QDate(1970, 1, 2), QTime(3, 4, 5));
        dialog.init(0, 0, DateTimeAdjust::SourceManual);
        QStringList shown;
        for (const QString& f : kFields)
            shown << field(dialog, f);
        // A clock that was never set opens on a year that can be set.
        QCOMPARE(shown, QStringList({"02", "01", "2018", "03", "04", "05"}));
        QCOMPARE(child<QStackedWidget>(dialog, "mainArea")->currentWidget()->objectName(), QString("pageDate"));
        dialog.init(7, 0, DateTimeAdjust::SourceManual);
        QCOMPARE(child<QStackedWidget>(dialog, "mainArea")->currentWidget()->objectName(), QString("pageTime"));
    }

    void formatChoice()
    {
        DateTimeAdjust dialog;
        dialog.init(0, DateTimeAdjust::FormatYYYYMMDD, DateTimeAdjust::SourceGps);
        QPushButton* formatSwitch = button(dialog, "butSwitchFormat");
        QCOMPARE(SettingsDialog::radioSwitchImage(formatSwitch), QString("Radioswitch_middle_3x40px.png"));
        QStringList cycle;
        for (int i = 0; i < 3; ++i) {
            formatSwitch->click();
            cycle << QString::number(dialog.getDateFormat()) + ":" + SettingsDialog::radioSwitchImage(formatSwitch);
        }
        QCOMPARE(cycle, QStringList({"2:Radioswitch_bottom_3x40px.png", "0:Radioswitch_top_3x40px.png",
                                     "1:Radioswitch_middle_3x40px.png"}));
        button(dialog, "butFormat_MMDDYYYY")->click();
        QCOMPARE(dialog.getDateFormat(), 2);
        button(dialog, "butFormat_DDMMYYYY")->click();
        QCOMPARE(dialog.getDateFormat(), 0);
        button(dialog, "butFormat_YYYYMMDD")->click();
        QCOMPARE(dialog.getDateFormat(), 1);

        // A stored format out of range: the switch makes it the first one.
        DateTimeAdjust odd;
        odd.init(0, 5, DateTimeAdjust::SourceGps);
        button(odd, "butSwitchFormat")->click();
        QCOMPARE(odd.getDateFormat(), 0);
    }

    void sourceChoice()
    {
        DateTimeAdjust dialog;
        dialog.init(0, 0, DateTimeAdjust::SourceGps);
        QCOMPARE(enabledStates(dialog), allStates(false));
        QCOMPARE(SettingsDialog::radioSwitchImage(button(dialog, "butSwitchGpsMan")), QString("Radioswitch_top_2x40px.png"));

        button(dialog, "butSwitchGpsMan")->click();
        QCOMPARE(dialog.getDateTimeSource(), 1);
        QCOMPARE(enabledStates(dialog), allStates(true));
        for (const char* name : {"butSwitchGpsMan", "butSwitchGpsManTime"})
            QCOMPARE(SettingsDialog::radioSwitchImage(button(dialog, name)), QString("Radioswitch_bottom_2x40px.png"));

        button(dialog, "butGpsTime")->click();
        QCOMPARE(dialog.getDateTimeSource(), 0);
        QCOMPARE(enabledStates(dialog), allStates(false));
        button(dialog, "butManualTime")->click();
        QCOMPARE(enabledStates(dialog), allStates(true));
        button(dialog, "butGps")->click();
        QCOMPARE(enabledStates(dialog), allStates(false));
        button(dialog, "butManual")->click();
        QCOMPARE(dialog.getDateTimeSource(), 1);
        button(dialog, "butSwitchGpsManTime")->click();
        QCOMPARE(dialog.getDateTimeSource(), 0);
        for (const char* name : {"butSwitchGpsMan", "butSwitchGpsManTime"})
            QCOMPARE(SettingsDialog::radioSwitchImage(button(dialog, name)), QString("Radioswitch_top_2x40px.png"));
    }

    // The edited half comes from the buttons; the other half from the clock at Accept,
    // so the time the dialog stood open is not lost.
    void acceptDatePage()
    {
        DeviceRoot device;
        FixedClockDateTime dialog;
        dialog.now = QDateTime(QDate(2019, 1, 3), QTime(8, 0, 0));
        dialog.init(0, 0, DateTimeAdjust::SourceManual);
        button(dialog, "butDayUp")->click();
        button(dialog, "butDayUp")->click();
        button(dialog, "butMonthUp")->click();
        button(dialog, "butMonthUp")->click();
        dialog.now = QDateTime(QDate(2019, 1, 3), QTime(8, 4, 9)); // the user took four minutes
        button(dialog, "butAccept")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(device.commands(), clockCommands("2019-3-5", "8:4:9"));
        QVERIFY(TestSupport::logged("SetDate: true 2019 3 5"));
    }

    void acceptTimePage()
    {
        DeviceRoot device;
        FixedClockDateTime dialog;
        dialog.now = QDateTime(QDate(2019, 12, 31), QTime(23, 59, 0));
        dialog.init(1, 0, DateTimeAdjust::SourceManual);
        button(dialog, "butHourDown")->click();
        button(dialog, "butMinuteUp")->click();
        button(dialog, "butSecondDown")->click();
        dialog.now = QDateTime(QDate(2020, 1, 1), QTime(0, 1, 0)); // midnight passed while open
        button(dialog, "butAccept")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(device.commands(), clockCommands("2020-1-1", "22:0:59"));
        QVERIFY(TestSupport::logged("SetTime: true 22 0 59"));
    }

    void impossibleDate_data()
    {
        QTest::addColumn<QDateTime>("clock");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("shown");
        QTest::newRow("31 April") << QDateTime(QDate(2019, 4, 30), QTime(9, 0, 0)) << 0 << "31.04.2019";
        QTest::newRow("29 February of a common year") << QDateTime(QDate(2019, 2, 28), QTime(9, 0, 0)) << 2 << "02/29/2019";
    }
    void impossibleDate()
    {
        QFETCH(QDateTime, clock);
        QFETCH(int, format);
        QFETCH(QString, shown);
        DeviceRoot device;
        FixedClockDateTime dialog;
        dialog.now = clock;
        dialog.init(0, format, DateTimeAdjust::SourceManual);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        button(dialog, "butDayUp")->click();
        QString info;
        {
            ModalCloser closer([&info](QWidget* modal) {
                info = modal->findChild<QLabel*>("labelInfotext")->text();
            });
            button(dialog, "butAccept")->click();
            QCOMPARE(closer.seen(), QStringList({"MessageDialog"}));
        }
        QCOMPARE(info, shown + "\nDateDoesNotExist"); // no catalogue loaded: the text id
        QVERIFY(dialog.isVisible());
        QCOMPARE(device.commands(), QStringList());

        // Corrected, it goes through.
        button(dialog, "butDayDown")->click();
        button(dialog, "butAccept")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(device.commands().size(), 3);
    }

    void leapDayAccepted()
    {
        DeviceRoot device;
        FixedClockDateTime dialog;
        dialog.now = QDateTime(QDate(2020, 2, 28), QTime(9, 0, 0));
        dialog.init(0, 0, DateTimeAdjust::SourceManual);
        button(dialog, "butDayUp")->click();
        button(dialog, "butAccept")->click();
        QCOMPARE(device.commands(), clockCommands("2020-2-29", "9:0:0"));
    }

    // With GPS the receiver sets the clock at its next fix: writing the opening values
    // back would turn the clock back by the time the dialog stood open.
    void gpsSourceWritesNothing()
    {
        DeviceRoot device;
        for (int page = 0; page < 2; ++page) {
            FixedClockDateTime dialog;
            dialog.init(page, 0, DateTimeAdjust::SourceManual);
            button(dialog, page == 0 ? "butDayUp" : "butHourUp")->click();
            button(dialog, page == 0 ? "butSwitchGpsMan" : "butSwitchGpsManTime")->click();
            button(dialog, "butFormat_MMDDYYYY")->click();
            button(dialog, "butAccept")->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.getDateTimeSource(), 0);
            QCOMPARE(dialog.getDateFormat(), 2);
        }
        QCOMPARE(device.commands(), QStringList());
    }

    void cancelAndKeys()
    {
        DeviceRoot device;
        FixedClockDateTime dialog;
        dialog.init(1, 0, DateTimeAdjust::SourceManual);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        button(dialog, "butHourUp")->click();
        button(dialog, "butManualTime")->setFocus();
        QTest::keyClick(button(dialog, "butManualTime"), Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Enter);
        TestSupport::holdEscape(&dialog, [&] { QVERIFY(dialog.isVisible()); });
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        FixedClockDateTime closed;
        closed.init(0, 0, DateTimeAdjust::SourceManual);
        button(closed, "butDayUp")->click();
        button(closed, "butClose")->click();
        QCOMPARE(closed.result(), int(QDialog::Rejected));
        QCOMPARE(device.commands(), QStringList());
    }

    void screenshots()
    {
        QVERIFY(TestSupport::useDeviceLook());
        QTranslator english;
        QVERIFY(TestSupport::installEnglish(english));
        for (int page = 0; page < 2; ++page) {
            FixedClockDateTime dialog;
            dialog.init(page, DateTimeAdjust::FormatYYYYMMDD, DateTimeAdjust::SourceManual);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            const QImage image = dialog.grab().toImage();
            QCOMPARE(image.size(), QSize(480, 272));
            QVERIFY(image.save(screenshotPath(QStringLiteral("datetimeadjust_page%1.png").arg(page))));
            for (QLabel* label : dialog.findChildren<QLabel*>()) {
                if (label->isVisible())
                    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                             qPrintable(label->objectName()));
            }
            for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
                if (b->isVisible())
                    QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width() - 12, qPrintable(b->objectName()));
            }
        }
        {
            // The warning for an impossible date, in English.
            FixedClockDateTime dialog;
            dialog.now = QDateTime(QDate(2019, 4, 30), QTime(9, 0, 0));
            dialog.init(0, 0, DateTimeAdjust::SourceManual);
            button(dialog, "butDayUp")->click();
            QImage warning;
            ModalCloser closer([&warning](QWidget* modal) { warning = modal->grab().toImage(); });
            button(dialog, "butAccept")->click();
            QVERIFY(warning.save(screenshotPath(QStringLiteral("datetimeadjust_invaliddate.png"))));
        }
        qApp->removeTranslator(&english);
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestDateTimeAdjust)
#include "tst_datetimeadjust.moc"
