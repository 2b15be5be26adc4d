#include "Management/systemsettings.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "gpssim.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QPainter>
#include <QtTest>

using TestSupport::DeviceRoot;

namespace {

// The status line region at x as the icon would draw it on black.
bool showsIcon(const QImage& image, int x, const char* name)
{
    QImage expected(20, 20, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter painter(&expected);
    painter.drawPixmap(0, 0, QPixmap(QStringLiteral(":/Resources/Icons/Tools/Statusbar/") + QString::fromLatin1(name)));
    painter.end();
    return image.copy(x, 0, 20, 20) == expected;
}

int countPixels(const QImage& image, const QRect& area, QColor colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

bool blank(const QImage& image, const QRect& area)
{
    return countPixels(image, area, Qt::black) == area.width() * area.height();
}

} // namespace

class TestStatusbar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }

    void batterySymbol_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("greenRows");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("half") << 50 << 7;
        QTest::newRow("full") << 100 << 14;
        QTest::newRow("over full is clamped") << 180 << 14;
        QTest::newRow("negative is clamped") << -20 << 0;
    }
    void batterySymbol()
    {
        QFETCH(int, percent);
        QFETCH(int, greenRows);
        QImage image(12, 20, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        Statusbar::drawAccu(&painter, QRect(QPoint(0, 0), QPoint(11, 19)), percent);
        painter.end();
        QCOMPARE(countPixels(image, QRect(1, 0, 10, 20), Qt::green), greenRows * 10);
        QCOMPARE(image.pixelColor(5, 0), QColor(Qt::white)); // terminal cap
        QCOMPARE(image.pixelColor(0, 10), QColor(Qt::white)); // body outline
        if (greenRows)
            QCOMPARE(image.pixelColor(5, 18), QColor(Qt::green)); // filled from the bottom
    }

    void mainStates()
    {
        DeviceRoot device;
        MainMenu menu;
        Statusbar line;
        line.init(480, 20);
        QImage image = line.getImage();
        QVERIFY(showsIcon(image, 0, "TK9400_20px.png"));
        QVERIFY(countPixels(image, QRect(25, 0, 10, 20), Qt::green) > 0); // 80 %
        QVERIFY(countPixels(image, QRect(24, 0, 12, 20), Qt::red) == 0);
        QVERIFY(showsIcon(image, 50, "microphone_k2_rt_20px.png"));
        QVERIFY(blank(image, QRect(70, 0, 12, 20))); // unit battery unknown
        QVERIFY(showsIcon(image, 92, "headphone_rt_20px.png"));
        QVERIFY(blank(image, QRect(116, 0, 12, 20))); // no headphones, no battery
        QVERIFY(showsIcon(image, 138, "satellite_rt_20px.png"));
        QVERIFY(showsIcon(image, 190, "SwitchMode_Switch_bl_20px.png"));
        QVERIFY(showsIcon(image, 220, "speaker_mute_ws_20px.png"));
        QVERIFY(!blank(image, QRect(380, 0, 100, 20))); // the clock

        // Charging, a wired sensor, push-button mode and an open path.
        device.write("/sys/class/power_supply/bq24190-battery/status", "Charging\n");
        device.write("/sys/class/gpio/gpio48/value", "1");
        device.write("/home/root/settings.ini", "[Systemsettings]\nSwitchmode=Push-Button\n");
        menu.getInstanceSystemsettings()->loadSystemsettings();
        StatusbarData()->update();
        menu.muteAudioPath(false, false);
        line.updateTime();
        image = line.getImage();
        QVERIFY(countPixels(image, QRect(24, 0, 12, 20), Qt::red) > 10);
        QVERIFY(showsIcon(image, 46, "B-sensor_gn_20px.png"));
        QVERIFY(blank(image, QRect(70, 0, 12, 20)));
        QVERIFY(showsIcon(image, 190, "SwitchMode_Button_bl_20px.png"));
        QVERIFY(showsIcon(image, 220, "speaker_active_ws_20px.png"));
    }

    void sensorTypeIcons_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("x");
        QTest::addColumn<QByteArray>("icon");
        QTest::newRow("microphone") << "1" << 50 << QByteArray("microphone_k2_rt_20px.png");
        QTest::newRow("T-sensor") << "2" << 46 << QByteArray("T-sensor_rt_20px.png");
        QTest::newRow("H2") << "3" << 46 << QByteArray("h2-sensor_rt_20px.png");
    }
    void sensorTypeIcons()
    {
        QFETCH(QString, reply);
        QFETCH(int, x);
        QFETCH(QByteArray, icon);
        DeviceRoot device;
        MainMenu menu;
        StatusbarData()->btReceivedSensortype(reply);
        Statusbar line;
        line.init(480, 20);
        // The link is down: the sensor shows red.
        QVERIFY(showsIcon(line.getImage(), x, icon.constData()));
    }

    // With the simulated unit, headphones and receiver linked: green icons and the
    // batteries of the unit and the headphones beside them.
    void linkedStates()
    {
        TestSupport::PairedInstrument instrument;
        QVERIFY(instrument.simStarted);
        GpsSimulator receiver;
        QVERIFY(receiver.open(instrument.device.hostPath("/dev/ttyO1")));
        receiver.start(200);
        instrument.startMainMenu();
        Statusbardata* status = StatusbarData();
        QTRY_VERIFY_WITH_TIMEOUT(status->stateMicrophone() && status->batteryMicrophone() >= 0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(status->stateHeadphone(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(status->stateGps(), 10000);
        status->rareUpdate(); // asks the headphones for their battery
        QTRY_VERIFY_WITH_TIMEOUT(instrument.menu->getBtSourceInstance()->getBtExtHeadphoneBatteryState() >= 0, 10000);
        status->rareUpdate();

        Statusbar line;
        line.init(480, 20);
        const QImage image = line.getImage();
        QVERIFY(showsIcon(image, 50, "microphone_k2_gn_20px.png"));
        QVERIFY(countPixels(image, QRect(71, 0, 10, 20), Qt::green) > 0);
        QVERIFY(showsIcon(image, 92, "headphone_gn_20px.png"));
        QVERIFY(countPixels(image, QRect(117, 0, 10, 20), Qt::green) > 0);
        QVERIFY(showsIcon(image, 138, "satellite_gn_20px.png"));
    }

    void partialRepaintKeepsTheImageInPlace()
    {
        DeviceRoot device;
        MainMenu menu;
        Statusbar line;
        line.resize(480, 20);
        line.init(480, 20);
        QImage target(480, 20, QImage::Format_RGB32);
        target.fill(Qt::blue);
        line.render(&target, QPoint(190, 0), QRegion(190, 0, 60, 20));
        QCOMPARE(target.copy(190, 0, 60, 20), line.getImage().copy(190, 0, 60, 20));
    }
};

QTEST_MAIN(TestStatusbar)
#include "tst_statusbar.moc"
