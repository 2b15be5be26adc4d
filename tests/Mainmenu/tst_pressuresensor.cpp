// The pressure page on the instrument, fed through the sensor-unit link's pressure
// signals: conversion, the buffer, statistics, windows, zoom, the analyse view, the
// temporary files, the save and the ways out.
#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "Mainmenu/pressuresensor.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "dialogdriver.h"
#include "failingcard.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

const QString kRoot = "/media/tk9400/meas";
const QString kTemp = "/media/tk9400/temp";

// A packet as the unit would send it: each raw converter value as 3 hex digits and ";".
QString packetText(const QVector<int>& raws)
{
    QString text;
    for (int raw : raws)
        text += QString("%1;").arg(raw, 3, 16, QLatin1Char('0')).toUpper();
    return text;
}

QString packetText(int count, int raw)
{
    return packetText(QVector<int>(count, raw));
}

// One instrument for the whole run: every test starts the page live, which begins afresh.
struct Instrument : TestSupport::PairedInstrument
{
    Instrument()
        : PairedInstrument({{"Systemsettings/Switchmode", "Push"}})
    {
    }

    enum Calibration { Kept, StartValues, Tenths };

    // Live and open; with the start calibration, or with raw = tenths of a bar (full scale
    // 100 bar at raw 1000), or with whatever calibration the page has.
    PressureSensor* show(Calibration calibration = StartValues)
    {
        menu->displayWidget(11, 1, 0);
        page = qobject_cast<PressureSensor*>(menu->currentPage());
        if (!page)
            return nullptr;
        if (calibration == Tenths)
            link()->btEnableReceivePressuredata(true, 100, 0, 1000);
        else if (calibration == StartValues)
            link()->btEnableReceivePressuredata(true, 25, 409, 3685);
        link()->stateActiveMuteChanged(false);
        return page;
    }
    void send(int count, const QString& text) { link()->btPressuredataReceived(count, text); }
    void send(int packets, int count, int raw)
    {
        for (int p = 0; p < packets; ++p)
            send(count, packetText(count, raw));
    }
    void click(const char* name) { TestSupport::button(page, name)->click(); }
    QString label(const char* name) const { return TestSupport::child<QLabel>(page, name)->text(); }
    QByteArray temp(const char* file) const { return device.read(kTemp + "/" + file); }
    QStringList measurements() const
    {
        return QDir(device.hostPath(kRoot)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    bool unitGot(const QString& line, int times)
    {
        return QTest::qWaitFor(
            [&] { return sim.sink()->unitLines().count(line) == times; }, TestSupport::timeBound(3000));
    }
    void screenshot(const QString& name) const { QVERIFY(page->grab().save(TestSupport::screenshotPath(name))); }

    Bluetooth* link() const { return menu->getBtSinkInstance(); }
    PressureSensor* page = nullptr;
};

std::unique_ptr<Instrument> g_instrument;

} // namespace

class TestPressureSensor : public QObject
{
    Q_OBJECT

    Instrument& instrument() { return *g_instrument; }

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestSupport::useDeviceLook();
        // The files take "." whatever the language.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Bluetooth::timing() = TestSupport::quickLinkTiming();
        g_instrument.reset(new Instrument);
        instrument().startMainMenu();
        QVERIFY(
            QTest::qWaitFor([] { return g_instrument->link()->isConnectedRFCOMM(); }, TestSupport::timeBound(8000)));
    }
    void cleanupTestCase()
    {
        g_instrument.reset();
        Bluetooth::timing() = Bluetooth::Timing();
    }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void convertsAndKeepsTheNewestMinute()
    {
        PressureSensor* page = instrument().show();
        QVERIFY(page);
        QCOMPARE(instrument().menu->getCurrentVisibleDlgNum(), 5);
        instrument().send(4, "FFF;199;100;xyz;");
        QCOMPARE(page->dataCount(), 4);
        const float expected[] = {28.13f, 0, 0, 0};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(qAbs(page->values()[i] - expected[i]) < 0.005f, qPrintable(QString::number(page->values()[i])));

        // Packet k holds raw 409 + k: after 61 the first value is packet 2's.
        instrument().show();
        for (int k = 1; k <= 61; ++k)
            instrument().send(1, 100, 409 + k);
        QCOMPARE(page->dataCount(), 6000);
        const float step = 25.0f / (3685 - 409);
        QVERIFY(qAbs(page->values()[0] - 2 * step) < 1e-4f);
        QVERIFY(qAbs(page->values()[5999] - 61 * step) < 1e-4f);
    }

    void bufferNeverOverflows_data()
    {
        QTest::addColumn<int>("packets");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("samplesInText");
        QTest::addColumn<int>("expected");
        QTest::newRow("128 a packet") << 50 << 128 << 128 << 6000;
        QTest::newRow("one of 7000") << 1 << 7000 << 7000 << 6000;
        QTest::newRow("none") << 3 << 0 << 10 << 0;
        QTest::newRow("negative") << 3 << -5 << 10 << 0;
        QTest::newRow("text shorter than the count") << 2 << 100 << 10 << 20;
        // The last separator may be missing.
        QTest::newRow("text without its last separator") << 1 << 100 << 100 << 100;
    }
    void bufferNeverOverflows()
    {
        QFETCH(int, packets);
        QFETCH(int, count);
        QFETCH(int, samplesInText);
        QFETCH(int, expected);
        PressureSensor* page = instrument().show(Instrument::Tenths);
        QString text = packetText(samplesInText, 123);
        if (QString(QTest::currentDataTag()).contains("separator"))
            text.chop(1);
        for (int p = 0; p < packets; ++p)
            instrument().send(count, text);
        QCOMPARE(page->dataCount(), expected);
        if (expected > 0)
            QVERIFY(qAbs(page->values()[expected - 1] - 12.3f) < 1e-3f);
    }

    void calibrationIsCheckedAndApplied()
    {
        PressureSensor* page = instrument().show(Instrument::Kept);
        instrument().screenshot("pressuresensor-init.png");
        QCOMPARE(instrument().label("labelSensorType"), QString("-- bar"));
        instrument().link()->btEnableReceivePressuredata(true, 25, 409, 3685);
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Pressure calibration refused: full scale 25 "));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Pressure calibration refused: full scale 0 "));
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Pressure calibration refused: full scale 25 "));
        TestSupport::expectMessage(QtWarningMsg,
                                   QRegularExpression("^Pressure calibration refused: full scale 2147483647 "));
        instrument().link()->btEnableReceivePressuredata(true, 25, 500, 500);
        instrument().link()->btEnableReceivePressuredata(true, 0, 409, 3685);
        instrument().link()->btEnableReceivePressuredata(true, 25, 409, 0x1000); // beyond 3 hex digits
        instrument().link()->btEnableReceivePressuredata(true, 2147483647, 0, 1);
        QCOMPARE(page->fullScale(), 25.0f);
        QCOMPARE(int(page->adcAtZero()), 409);
        QCOMPARE(int(page->adcAtFullScale()), 3685);

        instrument().link()->btEnableReceivePressuredata(true, 10, 400, 3600);
        QVERIFY(TestSupport::logged("Empfang der Druckdaten gestartet 10 400 3600"));
        QCOMPARE(instrument().label("labelSensorType"), QString("10 bar"));
        QCOMPARE(page->minY(), 0.0f);
        QCOMPARE(page->maxY(), 10.0f);
        instrument().send(3, packetText({3600, 2000, 400}));
        QVERIFY(qAbs(page->values()[0] - 10.0f) < 1e-4f);
        QVERIFY(qAbs(page->values()[1] - 5.0f) < 1e-4f);
        instrument().screenshot("pressuresensor-10bar.png");
        instrument().link()->btEnableReceivePressuredata(false, 0, 0, 0);
        QVERIFY(TestSupport::logged("Empfang der Druckdaten beendet"));
        QCOMPARE(page->fullScale(), 10.0f);
    }

    void statistics()
    {
        PressureSensor* page = instrument().show(Instrument::Tenths);
        QCOMPARE(instrument().label("labelMax"), QString("MAX = --- bar"));
        instrument().send(4, packetText({10, 20, 30, 40}));
        QCOMPARE(instrument().label("labelMax"), QString("MAX = 4.00 bar"));
        QCOMPARE(instrument().label("labelMin"), QString("MIN = 1.00 bar"));
        QCOMPARE(instrument().label("labelAverage"), QString("AVG = 2.50 bar"));
        QCOMPARE(instrument().label("labelDeviation"), QString("ACT = 2.50 bar"));
        page->updatePressureValues(0, 4, true);
        QCOMPARE(instrument().label("labelDeviation"), QString("DEV = 1.12 bar"));

        // ACT is the mean of the newest 100; values above full scale count as they are.
        instrument().send(1, 50, 1010);
        instrument().send(1, 100, 1050);
        QCOMPARE(instrument().label("labelDeviation"), QString("ACT = 105.00 bar"));
        QCOMPARE(instrument().label("labelMin"), QString("MIN = 1.00 bar"));
        page->updatePressureValues(54, 100, false);
        QCOMPARE(instrument().label("labelMin"), QString("MIN = 105.00 bar"));

        page->updatePressureValues(0, 0, false);
        QCOMPARE(instrument().label("labelAverage"), QString("AVG = --- bar"));
        QCOMPARE(instrument().label("labelDeviation"), QString("ACT = --- bar"));
        page->updatePressureValues(100, 0, true);
        QCOMPARE(instrument().label("labelDeviation"), QString("DEV = --- bar"));
    }

    void timeWindowsAndZoom()
    {
        PressureSensor* page = instrument().show();
        instrument().click("butMenuScaleY");
        QCOMPARE(page->minY(), 0.0f);
        QCOMPARE(page->maxY(), 25.0f);
        instrument().click("butMenuScaleY");

        instrument().show(Instrument::Tenths);
        instrument().send(30, 100, 34);
        instrument().send(1, 100, 79);
        instrument().screenshot("pressuresensor-live.png");
        instrument().click("butMenuScaleY");
        QCOMPARE(page->minY(), 3.0f);
        QCOMPARE(page->maxY(), 8.0f);
        instrument().screenshot("pressuresensor-zoomed.png");
        instrument().send(1, 100, 50);
        QCOMPARE(page->maxY(), 8.0f);

        QList<float> windows;
        for (int i = 0; i < 5; ++i) {
            instrument().click("butMenuScaleX");
            windows << page->maxX();
            if (page->maxX() == 1.0f)
                instrument().screenshot("pressuresensor-1s.png");
        }
        QCOMPARE(windows, QList<float>({30, 10, 5, 1, 60}));
        instrument().click("butMenuScaleY");
        QCOMPARE(page->maxY(), 100.0f);
    }

    void analyseViewPagesThroughTheFrozenBuffer()
    {
        PressureSensor* page = instrument().show(Instrument::Tenths);
        instrument().send(60, 100, 20);
        page = instrument().show(Instrument::Tenths);
        instrument().send(15, 100, 40);
        instrument().sim.sink()->clearTranscript();
        instrument().click("butMenuAnalyse");
        QVERIFY(page->isMuted() && instrument().menu->isAudioPathMuted());
        QVERIFY(instrument().unitGot("BT_TX RP", 1));
        QCOMPARE(TestSupport::child<QStackedWidget>(page, "subMenu")->currentWidget()->objectName(),
                 QString("subMenu_2"));
        QCOMPARE(instrument().label("labelDeviation"), QString("DEV = 0.00 bar"));
        instrument().screenshot("pressuresensor-analyse.png");

        QList<QPair<int, int>> windows = {{page->analyseStart(), page->analyseEnd()}};
        instrument().click("butMenuAnalyseNext");
        windows << qMakePair(page->analyseStart(), page->analyseEnd());
        QCOMPARE(page->minX(), 10.0f);
        QCOMPARE(page->maxX(), 20.0f);
        // Beyond the 1500 values of this visit: zeros, not the earlier visit's values.
        QCOMPARE(instrument().label("labelMin"), QString("MIN = 0.00 bar"));
        QCOMPARE(page->values()[1500], 0.0f);
        instrument().click("butMenuAnalyseNext");
        windows << qMakePair(page->analyseStart(), page->analyseEnd());
        instrument().click("butMenuAnalysePrev");
        windows << qMakePair(page->analyseStart(), page->analyseEnd());
        QCOMPARE(windows, (QList<QPair<int, int>>{{0, 1000}, {1000, 2000}, {500, 1500}, {0, 1000}}));

        // A wider window near the end stops at the buffer's end.
        instrument().click("butMenuAnalyseNext");
        for (int i = 0; i < 3; ++i)
            instrument().click("butMenuAnalyseScaleX");
        QCOMPARE(page->analyseEnd(), 6000);
        QCOMPARE(page->maxX(), 60.0f);

        // Frozen: neither mute key opens it and packets change nothing; Back leaves the
        // path muted, and only then the key opens it.
        QTest::keyPress(page, Qt::Key_F10);
        instrument().link()->stateActiveMuteChanged(false);
        instrument().send(1, 100, 90);
        QTest::keyRelease(page, Qt::Key_F10);
        QCOMPARE(page->dataCount(), 1500);
        QVERIFY(page->isMuted() && instrument().menu->isAudioPathMuted());
        instrument().click("butMenuAnalyseBack");
        QVERIFY(page->isMuted() && instrument().menu->isAudioPathMuted());
        QCOMPARE(page->maxX(), 60.0f);
        QCOMPARE(instrument().label("labelDeviation"), QString("ACT = 4.00 bar"));
        QTest::keyPress(page, Qt::Key_F10);
        QVERIFY(!page->isMuted());
        QTest::keyRelease(page, Qt::Key_F10);
        // After Analyse's mute the unit hears only this opening and muting.
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QStringList lines =
                    instrument().sim.sink()->unitLines().filter(QRegularExpression("^BT_TX R[PS]$"));
                return lines.mid(lines.indexOf("BT_TX RP") + 1) == QStringList({"BT_TX RS", "BT_TX RP"});
            },
            TestSupport::timeBound(3000)));
    }

    void busyLineAndTheWayOut()
    {
        instrument().sim.sink()->clearTranscript();
        PressureSensor* page = instrument().show();
        QTest::keyPress(page, Qt::Key_F10);
        QVERIFY(!page->isMuted());
        QTest::keyRelease(page, Qt::Key_F10);
        QVERIFY(page->isMuted() && instrument().menu->isAudioPathMuted());
        instrument().link()->stateActiveMuteChanged(false);
        instrument().device.journalWrites();
        instrument().send(1, 100, 1000);
        QCOMPARE(instrument().device.writes().filter("/gpio115/"),
                 QStringList({"/sys/class/gpio/gpio115/value 1", "/sys/class/gpio/gpio115/value 0"}));

        // Escape's release leaves; the unit's key then no longer reaches the hidden page.
        TestSupport::tapEscape(instrument().page);
        QVERIFY(instrument().menu->isMainMenuVisible());
        // The link sends one line at a time: all of this test's have arrived with Home's.
        QVERIFY(instrument().unitGot("BT_TX RP", 2));
        instrument().sim.sink()->clearTranscript();
        const QByteArray high = instrument().temp("pressureHighRes.txt");
        instrument().sim.sink()->setUnitMuted(false);
        instrument().link()->stateActiveMuteChanged(false);
        instrument().send(1, 100, 1000);
        QTest::qWait(100);
        QVERIFY(!instrument().sim.sink()->unitLines().contains("BT_TX RS"));
        QVERIFY(instrument().menu->isAudioPathMuted());
        QCOMPARE(instrument().temp("pressureHighRes.txt"), high);
    }

    void temporaryFiles_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("packets");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("100 a packet") << 100 << 121 << QList<int>({6000, 6000, 100});
        QTest::newRow("128 a packet") << 128 << 95 << QList<int>({6016, 6016, 128});
    }
    void temporaryFiles()
    {
        QFETCH(int, count);
        QFETCH(int, packets);
        QFETCH(QList<int>, rows);
        instrument().show(Instrument::Tenths);
        const QTime before = Platform::currentDateTime().time();
        instrument().send(count, packetText(count, 12));
        const QTime after = Platform::currentDateTime().time();
        QVERIFY(TestSupport::logged("PressureSensor: 1 minute data"));
        const QByteArray high = instrument().temp("pressureHighRes.txt");
        const QString time = QString::fromLatin1(high.mid(2, 8));
        const QTime stamp = QTime::fromString(time, "hh:mm:ss");
        QVERIFY2(stamp >= before.addMSecs(-before.msec()) && stamp <= after, qPrintable(time));
        QCOMPARE(high, "\r\n" + time.toLatin1() + ";" + QByteArray("1.20;").repeated(count));
        QCOMPARE(instrument().temp("pressureLowRes.txt"), time.toLatin1() + ";1.20;1.20;1.20;0.00;\r\n");

        // Muted packets are lost; muting mid-row and opening continue the row.
        instrument().link()->stateActiveMuteChanged(true);
        instrument().send(3, count, 30);
        QCOMPARE(instrument().temp("pressureHighRes.txt"), high);
        instrument().link()->stateActiveMuteChanged(false);
        instrument().send(packets - 1, count, 31);

        const QByteArray highText = instrument().temp("pressureHighRes.txt");
        const QByteArray lowText = instrument().temp("pressureLowRes.txt");
        QList<int> samples;
        for (const QByteArray& row : highText.split('\n').mid(1))
            samples << row.count(';') - 1;
        QCOMPARE(samples, rows);
        QCOMPARE(lowText.count("\r\n"), rows.size());
        for (const QByteArray& text : {highText, lowText}) {
            QCOMPARE(text.count('\n'), text.count("\r\n"));
            QVERIFY(std::none_of(text.begin(), text.end(), [](char c) { return uchar(c) >= 0x80; }));
            QVERIFY(!text.contains(','));
        }
    }

    void savesThePressureMeasurement()
    {
        PressureSensor* page = instrument().show();
        QDir(instrument().device.hostPath(kRoot)).removeRecursively();
        QDir().mkpath(instrument().device.hostPath(kRoot));
        for (int i = 0; i < 100; ++i)
            QDir().mkdir(instrument().device.hostPath(kRoot + QString("/LE_%1").arg(i)));
        instrument().send(2, 100, 1000);
        instrument().sim.sink()->clearTranscript();

        DialogDriver driver;
        driver.typeText("");
        // The unit's key while the name is typed neither opens the path nor adds to the files.
        driver.setInspector([this](QWidget* dialog) {
            if (dialog->inherits("VirtualKeyboard"))
                instrument().link()->stateActiveMuteChanged(false);
        });
        instrument().click("butMenuSave");
        driver.setInspector(nullptr);
        QVERIFY(page->isMuted());
        QVERIFY(instrument().unitGot("BT_TX RP", 1));
        const QStringList saved = instrument().measurements().filter("PS_");
        QCOMPARE(saved.size(), 1);
        QVERIFY2(QRegularExpression("^PS_\\d{8}_\\d{6}_$").match(saved.first()).hasMatch(), qPrintable(saved.first()));
        const QString dir = kRoot + "/" + saved.first();
        QCOMPARE(QDir(instrument().device.hostPath(dir)).entryList(QDir::Files, QDir::Name),
                 QStringList({"HighResData.txt", "LowResData.txt", "info.ini"}));
        QCOMPARE(instrument().device.read(dir + "/HighResData.txt"), instrument().temp("pressureHighRes.txt"));
        QCOMPARE(instrument().device.read(dir + "/LowResData.txt"), instrument().temp("pressureLowRes.txt"));
        const auto entries = TestSupport::iniEntries(instrument().device.read(dir + "/info.ini"));
        QStringList keys;
        QMap<QString, QString> values;
        for (const auto& entry : entries) {
            keys << entry.first;
            values[entry.first] = entry.second;
        }
        keys.sort();
        QCOMPARE(keys, QStringList({"GPS-Positions/GPS-Position", "Measurementinfo/Firmwareversion",
                                    "Measurementinfo/Measurementdate", "Measurementinfo/Measurementname",
                                    "Measurementinfo/Measurementtime", "Measurementinfo/Measurementtype",
                                    "Pressuresensor/MaxCalibrationValue", "Pressuresensor/MinCalibrationValue",
                                    "Pressuresensor/Sensor"}));
        QCOMPARE(values["Measurementinfo/Measurementtype"], QString("Pressuresensor"));
        QCOMPARE(values["Measurementinfo/Measurementname"], QString());
        QSettings info(instrument().device.hostPath(dir + "/info.ini"), QSettings::IniFormat);
        QCOMPARE(info.value("GPS-Positions/GPS-Position").toString(), QString("0.000000, 0.000000"));
        QCOMPARE(values["Pressuresensor/Sensor"], QString("25.0 bar"));
        QCOMPARE(values["Pressuresensor/MinCalibrationValue"], QString("409"));
        QCOMPARE(values["Pressuresensor/MaxCalibrationValue"], QString("3685"));

        // The same name twice in one second, an unsafe name, a cancel.
        driver.typeText("../x");
        driver.typeText("../x");
        instrument().click("butMenuSave");
        instrument().click("butMenuSave");
        QCOMPARE(instrument().measurements().filter(QRegularExpression("^PS_\\d{8}_\\d{6}_\\.\\._x$")).size(), 2);
        driver.cancelKeyboard();
        instrument().click("butMenuSave");
        QVERIFY(TestSupport::logged("Text: verworfen"));
        QCOMPARE(instrument().measurements().filter("PS_").size(), 3);
        QVERIFY(driver.messages().isEmpty());

        // Before any packet: the information file alone.
        instrument().show();
        driver.typeText("empty");
        instrument().click("butMenuSave");
        const QStringList empty = instrument().measurements().filter(QRegularExpression("_empty$"));
        QCOMPARE(empty.size(), 1);
        QCOMPARE(QDir(instrument().device.hostPath(kRoot + "/" + empty.first())).entryList(QDir::Files),
                 QStringList("info.ini"));
    }

    void failedSaveIsReportedAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("warning");
        QTest::newRow("a file cannot be copied") << "copy" << "^Cannot copy";
        QTest::newRow("the recording cannot be written")
            << "recording" << "^The pressure recording could not be written";
        QTest::newRow("the information file cannot be written") << "info" << "^Cannot write .*/info.ini";
    }
    void failedSaveIsReportedAndLeavesNothing()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, warning);
        instrument().show();
        const QString temp = instrument().device.hostPath(kTemp);
        const bool recordingFails = obstacle == "recording";
        std::unique_ptr<FailingCard> card;
        if (recordingFails) {
            // A plain file where the temporary folder should be.
            QVERIFY(QDir(temp).removeRecursively());
            QVERIFY(instrument().device.write(kTemp, "in the way"));
            TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write file: .*pressureHighRes.txt"));
            instrument().send(100, 100, 1000);
        } else if (obstacle == "copy") {
            instrument().send(1, 100, 1000);
            // A directory where the low-resolution file should be cannot be copied.
            QVERIFY(QFile::remove(PressureSensor::lowResPath()));
            QVERIFY(QDir().mkdir(PressureSensor::lowResPath()));
        } else {
            instrument().send(1, 100, 1000);
            card = std::make_unique<FailingCard>(FailingCard::WritesFail, instrument().device.hostPath(kRoot));
            QVERIFY(card->fail());
        }
        const QStringList before = instrument().measurements();
        DialogDriver driver;
        driver.typeText("broken");
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression(warning));
        TestSupport::expectMessage(QtWarningMsg, "Measurement could not be stored");
        instrument().click("butMenuSave");
        QCOMPARE(driver.messages().size(), 1);
        QCOMPARE(driver.messages().first().icon, int(MessageDialog::IconError));
        QCOMPARE(instrument().measurements(), before);
        if (recordingFails) {
            QVERIFY(QFile::remove(temp));
            QVERIFY(QDir().mkpath(temp));
        } else if (obstacle == "copy") {
            QVERIFY(QDir(PressureSensor::lowResPath()).removeRecursively());
        }
    }
};

QTEST_MAIN(TestPressureSensor)
#include "tst_pressuresensor.moc"
