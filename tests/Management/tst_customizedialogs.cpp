#include "Hardware/gps.h"
#include "Management/SettingsAdjust/customizedialogs.h"
#include "Management/systemsettings.h"
#include "Tools/iconbutton.h"
#include "mainmenu.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

using TestSupport::DeviceRoot;
using TestSupport::ModalCloser;
using TestSupport::screenshotPath;

namespace {

// The 23 flags in the order the settings screen passes them, with the button of each
// and its settings key.
struct Flag {
    const char* button;
    const char* key;
};
const Flag kFlags[23] = {
    {"butShowFft", "LevelMeasurement_ShowFft"},
    {"butShowFrequencyValue", "LevelMeasurement_ShowFrequencyValue"},
    {"butShowPeakLevelBar", "LevelMeasurement_ShowPeakLevelBar"},
    {"butUseFrequencyColorForLevelbar", "LevelMeasurement_UseFrequencyColorForLevelbar"},
    {"butShowFrequencyValuePP", "Pinpointing_ShowFrequencyValue"},
    {"butUseFrequencyColorForLevelbarPP", "Pinpointing_UseFrequencyColorForLevelbar"},
    {"butShowFilterParameter", "Pinpointing_ShowFilterParameter"},
    {"butDynamicScaling", "Pinpointing_DynamicScaling"},
    {"butShowFrequencyValueLT", "Longterm_ShowFrequencyValue"},
    {"butUseFrequencyColorForLevelbarLT", "Longterm_UseFrequencyColorForLevelbar"},
    {"butShowGridLT", "Longterm_ShowGrid"},
    {"butShowFilterParameterLT", "Longterm_ShowFilterParameter"},
    {"butShowHistogramH2", "H2Sensor_ShowHistogram"},
    {"butShowGridH2", "H2Sensor_ShowGrid"},
    {"butDynamicScalingH2", "H2Sensor_DynamicScaling"},
    {"butShowWorkingRangeH2", "H2Sensor_ShowWorkingRange"},
    {"butShowFftPL", "Pipelocating_ShowFft"},
    {"butShowFrequencyValuePL", "Pipelocating_ShowFrequencyValue"},
    {"butUseFrequencyColorForLevelbarPL", "Pipelocating_UseFrequencyColorForLevelbar"},
    {"butShowFilterParameterPL", "Pipelocating_ShowFilterParameter"},
    {"butStartWithFavourite", "Startup_UseFavouriteForStartup"},
    {"butStartWithFilter", "Startup_UseFilterForStartup"},
    {"butStartWithGps", "Startup_UseGpsForStartup"},
};

// The flags as 23 characters ('1' on, '0' off), in the order above.
QString flags(const CustomizeDialogs& dialog)
{
    bool f[23];
    dialog.getLevelParameter(&f[0], &f[1], &f[2], &f[3]);
    dialog.getPinpointingParameter(&f[4], &f[5], &f[6], &f[7]);
    dialog.getLongtermParameter(&f[8], &f[9], &f[10], &f[11]);
    dialog.getH2Parameter(&f[12], &f[13], &f[14], &f[15]);
    dialog.getPipelocatingParameter(&f[16], &f[17], &f[18], &f[19]);
    dialog.getStartupParameter(&f[20], &f[21], &f[22]);
    QString s;
    for (bool b : f)
        s += b ? '1' : '0';
    return s;
}

void setFlags(CustomizeDialogs& dialog, const QString& s)
{
    const auto f = [&s](int i) { return s.at(i) == '1'; };
    dialog.setLevelParameter(f(0), f(1), f(2), f(3));
    dialog.setPinpointingParameter(f(4), f(5), f(6), f(7));
    dialog.setLongtermParameter(f(8), f(9), f(10), f(11));
    dialog.setH2Parameter(f(12), f(13), f(14), f(15));
    dialog.setPipelocatingParameter(f(16), f(17), f(18), f(19));
    dialog.setStartupParameter(f(20), f(21), f(22));
}

// What the check boxes show, in the same form.
QString drawn(QWidget& dialog)
{
    QString s;
    for (const Flag& flag : kFlags) {
        QPushButton* b = dialog.findChild<QPushButton*>(QLatin1String(flag.button));
        s += b->styleSheet().contains("Checkbox_checked_44px.png") ? '1'
             : b->styleSheet().contains("Checkbox_unchecked_44px.png") ? '0'
                                                                        : '?';
    }
    return s;
}

void click(QWidget& dialog, const char* name)
{
    TestSupport::button(dialog, name)->click();
}

int page(QWidget& dialog)
{
    return dialog.findChild<QStackedWidget*>(QStringLiteral("mainArea"))->currentIndex() + 1;
}

QString storedFlags(const DeviceRoot& device)
{
    QSettings file(device.hostPath("/home/root/settings.ini"), QSettings::IniFormat);
    QString s;
    for (const Flag& flag : kFlags)
        s += file.value(QStringLiteral("Dialogconfiguration/") + QLatin1String(flag.key)).toBool() ? '1' : '0';
    return s;
}

const QString kDefaults = "11111111111111111111001";

} // namespace

class TestCustomizeDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void defaultsAndSetters()
    {
        CustomizeDialogs dialog;
        QCOMPARE(flags(dialog), kDefaults);
        QCOMPARE(drawn(dialog), kDefaults);
        // Every position separately, so a swapped argument shows.
        for (int i = 0; i < 23; ++i) {
            QString one(23, '0');
            one[i] = '1';
            setFlags(dialog, one);
            QCOMPARE(flags(dialog), one);
            QCOMPARE(drawn(dialog), one);
        }
        // Values that break a coupling pass unchanged.
        const QString broken = "00000000000001001110" "000"; // H2 grid without histogram, PL all on
        setFlags(dialog, broken);
        QCOMPARE(flags(dialog), broken);
    }

    // A plain flag button flips its own flag and nothing else.
    void plainToggle_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 23; ++i) {
            if (i == 12 || i == 13 || i == 16 || i == 17 || i == 19 || i == 22)
                continue; // coupled or GPS: below
            QTest::newRow(kFlags[i].button) << i;
        }
    }
    void plainToggle()
    {
        QFETCH(int, index);
        CustomizeDialogs dialog;
        const QString start = "10110100101101101011010";
        setFlags(dialog, start);
        QString expected = start;
        expected[index] = start.at(index) == '1' ? '0' : '1';
        click(dialog, kFlags[index].button);
        QCOMPARE(flags(dialog), expected);
        QCOMPARE(drawn(dialog), expected);
        click(dialog, kFlags[index].button);
        QCOMPARE(flags(dialog), start);
    }

    void couplings_data()
    {
        // H2: histogram, grid; pipe locating: spectrum, frequency value, colour, filter.
        QTest::addColumn<QString>("h2Before");
        QTest::addColumn<QString>("plBefore");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("h2After");
        QTest::addColumn<QString>("plAfter");
        QTest::newRow("grid on turns histogram on") << "0011" << "0000" << "butShowGridH2" << "1111" << "0000";
        QTest::newRow("grid off leaves histogram") << "1111" << "0000" << "butShowGridH2" << "1011" << "0000";
        QTest::newRow("histogram off takes grid") << "1111" << "0000" << "butShowHistogramH2" << "0011" << "0000";
        QTest::newRow("histogram on alone") << "0011" << "0000" << "butShowHistogramH2" << "1011" << "0000";
        QTest::newRow("spectrum on clears value and filter") << "0000" << "0111" << "butShowFftPL" << "0000" << "1010";
        QTest::newRow("spectrum off alone") << "0000" << "1010" << "butShowFftPL" << "0000" << "0010";
        QTest::newRow("value on clears spectrum") << "0000" << "1000" << "butShowFrequencyValuePL" << "0000" << "0100";
        QTest::newRow("value off alone") << "0000" << "0101" << "butShowFrequencyValuePL" << "0000" << "0001";
        QTest::newRow("filter on clears spectrum") << "0000" << "1000" << "butShowFilterParameterPL" << "0000" << "0001";
        QTest::newRow("value and filter may be on together") << "0000" << "0100" << "butShowFilterParameterPL" << "0000" << "0101";
        QTest::newRow("filter off alone") << "0000" << "0001" << "butShowFilterParameterPL" << "0000" << "0000";
    }
    void couplings()
    {
        QFETCH(QString, h2Before);
        QFETCH(QString, plBefore);
        QFETCH(QString, button);
        QFETCH(QString, h2After);
        QFETCH(QString, plAfter);
        CustomizeDialogs dialog;
        const QString before = "0000" "0000" "0000" + h2Before + plBefore + "000";
        setFlags(dialog, before);
        click(dialog, qPrintable(button));
        const QString after = "0000" "0000" "0000" + h2After + plAfter + "000";
        QCOMPARE(flags(dialog), after);
        QCOMPARE(drawn(dialog), after);
    }

    void paging()
    {
        CustomizeDialogs dialog;
        QCOMPARE(page(dialog), 1);
        QStringList down;
        for (int i = 0; i < 6; ++i) {
            click(dialog, "butMenuDown");
            down << QString::number(page(dialog));
        }
        QCOMPARE(down, QStringList({"2", "3", "4", "5", "6", "1"}));
        click(dialog, "butMenuUp");
        QCOMPARE(page(dialog), 6);
        QCOMPARE(dialog.currentPage(), 6);
        QCOMPARE(dialog.findChild<QStackedWidget*>("mainArea")->currentWidget()->objectName(), QString("pageStartup"));
        click(dialog, "butMenuUp");
        QCOMPARE(page(dialog), 5);
        dialog.init();
        QCOMPARE(page(dialog), 1);
    }

    // The GPS flag switches the receiver at once; a cancelled dialog switches it back.
    void gpsToggle()
    {
        DeviceRoot device;
        MainMenu menu;
        Gps* gps = menu.getGpsInstance();
        QVERIFY(gps->isGpsEnabled()); // on at start-up by default
        {
            CustomizeDialogs dialog(&menu);
            setFlags(dialog, kDefaults);
            click(dialog, "butStartWithGps");
            QVERIFY(!gps->isGpsEnabled());
            click(dialog, "butStartWithGps");
            QVERIFY(gps->isGpsEnabled());
            click(dialog, "butStartWithGps");
            QVERIFY(!gps->isGpsEnabled());
            click(dialog, "butClose");
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(gps->isGpsEnabled());
        }
        {
            // The on/off key cancels the same way.
            CustomizeDialogs dialog(&menu);
            setFlags(dialog, kDefaults);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            click(dialog, "butStartWithGps");
            QVERIFY(!gps->isGpsEnabled());
            QTest::keyClick(&dialog, Qt::Key_Return);
            TestSupport::holdEscape(&dialog, [&] { QVERIFY(dialog.isVisible()); });
            QVERIFY(!dialog.isVisible());
            QVERIFY(gps->isGpsEnabled());
        }
        {
            // A receiver that was off although the start-up flag is on stays off.
            gps->switchOffGpsModul();
            CustomizeDialogs dialog(&menu);
            setFlags(dialog, kDefaults);
            click(dialog, "butStartWithGps"); // flag off: switched off (already)
            click(dialog, "butStartWithGps"); // flag on: switched on
            QVERIFY(gps->isGpsEnabled());
            click(dialog, "butClose");
            QVERIFY(!gps->isGpsEnabled());
        }
        {
            CustomizeDialogs dialog(&menu);
            setFlags(dialog, kDefaults.left(22) + "0");
            click(dialog, "butStartWithGps");
            QVERIFY(gps->isGpsEnabled());
            click(dialog, "butAccept");
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(gps->isGpsEnabled());
            bool favourite = true, filter = true, useGps = false;
            dialog.getStartupParameter(&favourite, &filter, &useGps);
            QVERIFY(!favourite && !filter && useGps);
        }
    }

    // Through the settings screen: written on Accept, untouched on Cancel.
    void storedOnAcceptOnly()
    {
        DeviceRoot device;
        {
            Systemsettings defaults; // creates the file
        }
        {
            QSettings file(device.hostPath("/home/root/settings.ini"), QSettings::IniFormat);
            for (int i = 0; i < 23; ++i)
                file.setValue(QStringLiteral("Dialogconfiguration/") + QLatin1String(kFlags[i].key),
                              kDefaults.at(i) == '1' ? "true" : "false");
        }
        MainMenu menu;
        Systemsettings* settings = menu.getInstanceSystemsettings();
        settings->init();
        const QString before = storedFlags(device);
        QCOMPARE(before, kDefaults);
        QPushButton* entry = settings->findChild<QPushButton*>(QStringLiteral("butCustomize"));
        QVERIFY(entry);

        const auto changeOnePerPage = [](QWidget* modal) {
            QCOMPARE(page(*modal), 1);
            for (const char* name : {"butShowFft", "butDynamicScaling", "butShowGridLT", "butShowHistogramH2",
                                     "butShowFrequencyValuePL", "butStartWithFavourite", "butStartWithFilter"})
                click(*modal, name);
        };
        {
            ModalCloser cancel([&changeOnePerPage](QWidget* modal) {
                changeOnePerPage(modal);
                click(*modal, "butClose");
            });
            entry->click();
            QCOMPARE(cancel.seen(), QStringList({"CustomizeDialogs"}));
        }
        QCOMPARE(storedFlags(device), before);
        {
            ModalCloser accept([&changeOnePerPage](QWidget* modal) {
                changeOnePerPage(modal);
                click(*modal, "butAccept");
            });
            entry->click();
            QCOMPARE(accept.seen(), QStringList({"CustomizeDialogs"}));
        }
        //                             level pinp  long  H2   PL   start
        QCOMPARE(storedFlags(device), QString("0111" "1110" "1101" "0011" "1011" "111"));
    }

    void screenshots()
    {
        QVERIFY(TestSupport::useDeviceLook());
        QTranslator english;
        QVERIFY(TestSupport::installEnglish(english));
        {
            CustomizeDialogs dialog;
            setFlags(dialog, "1011" "1101" "0110" "1011" "1001" "011");
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            for (int p = 1; p <= 6; ++p) {
                const QImage image = dialog.grab().toImage();
                QCOMPARE(image.size(), QSize(480, 272));
                QVERIFY(image.save(screenshotPath(QStringLiteral("customizedialogs_page%1.png").arg(p))));
                QWidget* shown = dialog.findChild<QStackedWidget*>("mainArea")->currentWidget();
                for (IconButton* b : shown->findChildren<IconButton*>())
                    QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width() - IconButton::kTextLeft - 4,
                             qPrintable(b->objectName()));
                for (QLabel* l : shown->findChildren<QLabel*>())
                    QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->objectName()));
                click(dialog, "butMenuDown");
            }
        }
        qApp->removeTranslator(&english);
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestCustomizeDialogs)
#include "tst_customizedialogs.moc"
