// The filter dialog against the main window's codec on a fresh device tree: steppers,
// automatic and no filter, the debug filters, leaving, the mute key and the spectrum.
#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/filtercoeffs.h"
#include "Audio/filtersettings.h"
#include "Mainmenu/measuringpage.h"
#include "Tools/freqspectrum.h"
#include "Tools/statusbar.h"
#include "globals.h"
#include "mainmenu.h"
#include "codecmixer.h"
#include "codecregisters.h"
#include "testsupport.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>
#include <cmath>
#include <memory>

using TestSupport::button;
using TestSupport::child;
using TestSupport::DeviceRoot;

namespace {

using Filter = QVector<quint32>; // low, high, type

Filter codecFilter()
{
    quint32 low = 1, high = 1;
    int type = -1;
    MainMenu::getInstanceMainMenu()->getAudioCodecInstance()->getFilter(&low, &high, &type);
    return {low, high, quint32(type)};
}

Filter currentFilter()
{
    quint32 low = 1, high = 1;
    int type = -1;
    MainMenu::getInstanceMainMenu()->getCurrentFilter(&low, &high, &type);
    return {low, high, quint32(type)};
}

// One ADC block of a sine of the given amplitude in counts, as the converter delivers it.
QByteArray toneBlock(int amplitude, double hz)
{
    QByteArray block;
    for (int n = 0; n < 1024; ++n) {
        const qint16 s = qint16(std::lround(amplitude * std::sin(2 * M_PI * hz * n / 7670.0)));
        block.append(char(s & 0xff)).append(char((s >> 8) & 0xff));
    }
    return block;
}

QStringList labels(const Filtersettings& dialog)
{
    return {child<QLabel>(dialog, "labelFreqLow")->text(), child<QLabel>(dialog, "labelFreqHigh")->text()};
}

} // namespace

class TestFiltersettings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DeviceRoot> m_device;
    std::unique_ptr<MainMenu> m_menu;
    QTranslator m_english;

    void start(const QVariantMap& settings = {})
    {
        // The old window goes before its tree: it must never see the real board's paths.
        m_menu.reset();
        m_device.reset();
        m_device.reset(new DeviceRoot);
        TestSupport::writeSettings(*m_device, settings);
        m_menu.reset(new MainMenu);
    }
    AudioCodecSetup& codec() { return *m_menu->getAudioCodecInstance(); }

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::useDeviceLook());
        QVERIFY(TestSupport::installEnglish(m_english));
    }
    void init()
    {
        TestSupport::clearLoggedMessages();
        start();
    }
    void cleanup()
    {
        g_debugFeatures = 0;
        Analoginputworker()->clearAllData();
        StatusbarData()->btReceivedSensortype(QStringLiteral("0"));
        m_menu.reset();
        m_device.reset();
        TestSupport::verifyExpectedMessagesSeen();
    }

    void steppers_data()
    {
        QTest::addColumn<Filter>("opened");
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<Filter>("result");
        QTest::newRow("no filter: any stepper opens the range") << Filter{0, 4000, 0} << QStringList{"butHighCutOffDown"}
                                                                << Filter{20, 3900, 1};
        QTest::newRow("low up stops below high") << Filter{800, 1000, 1} << QStringList{"butLowCutOffUp"}
                                                 << Filter{800, 1000, 1};
        QTest::newRow("low down to 0 Hz and no further")
            << Filter{20, 1000, 1} << QStringList{"butLowCutOffDown", "butLowCutOffDown"} << Filter{0, 1000, 1};
        QTest::newRow("high up at 4000 Hz stays") << Filter{160, 4000, 1} << QStringList{"butHighCutOffUp"}
                                                  << Filter{160, 4000, 1};
        QTest::newRow("both ways") << Filter{160, 1000, 1}
                                   << QStringList{"butHighCutOffDown", "butLowCutOffUp", "butHighCutOffUp"}
                                   << Filter{200, 1000, 1};
        QTest::newRow("band-stop: the corners stay")
            << Filter{160, 1000, 2} << QStringList{"butLowCutOffUp"} << Filter{4000, 0, 2};
    }
    void steppers()
    {
        QFETCH(Filter, opened);
        QFETCH(QStringList, presses);
        QFETCH(Filter, result);
        codec().setFilter(opened[0], opened[1], int(opened[2]));
        Filtersettings dialog;
        QCOMPARE(dialog.spectrum()->picture().size(), QSize(416, 126));
        if (opened[2] == 0)
            QCOMPARE(labels(dialog), QStringList({"--- Hz", "--- Hz"}));
        for (const QString& name : presses)
            button(dialog, name)->click();
        QCOMPARE(codecFilter(), result);
        QCOMPARE(labels(dialog), QStringList({QString("%1 Hz").arg(result[0]), QString("%1 Hz").arg(result[1])}));
        quint32 low, high;
        int type;
        dialog.getFiltersettings(&type, &low, &high);
        QCOMPARE(Filter({low, high, quint32(type)}), result);
        QCOMPARE(currentFilter(), Filter({0, 4000, 0})); // only the check button makes it current
    }

    void automaticAndNoFilter_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<Filter>("band");
        QTest::newRow("microphone") << 1 << Filter{160, 800, 1};
        QTest::newRow("T-sensor") << 2 << Filter{400, 1000, 1};
        QTest::newRow("wired sensor") << 4 << Filter{160, 1000, 1};
        QTest::newRow("no sensor") << 0 << Filter{160, 4000, 1};
    }
    void automaticAndNoFilter()
    {
        QFETCH(int, sensor);
        QFETCH(Filter, band);
        if (sensor == 4) {
            m_device->write("/sys/class/gpio/gpio48/value", "1");
            StatusbarData()->update();
        } else {
            StatusbarData()->btReceivedSensortype(QString::number(sensor));
        }
        QCOMPARE(StatusbarData()->sensorType(), sensor);
        Filtersettings dialog;
        button(dialog, "butAutoFilter")->click();
        QCOMPARE(codecFilter(), band);
        quint32 low, high;
        int type;
        dialog.spectrum()->getFilter(&low, &high, &type);
        QCOMPARE(Filter({low, high, quint32(type)}), band);

        m_device->journalWrites();
        button(dialog, "butNoFilter")->click();
        QCOMPARE(codecFilter(), Filter({0, 4000, 0}));
        const QStringList writes = CodecRegisters::writes(*m_device);
        QCOMPARE(writes.size(), CodecRegisters::kWritesPerFilter);
        QCOMPARE(writes.mid(CodecRegisters::kLeft1, 3), CodecRegisters::word(0x0c, 0x7FFFFFFF));
        QCOMPARE(writes.mid(CodecRegisters::kLeft3, 3), CodecRegisters::word(0x34, 0x7FFFFFFF));
        QCOMPARE(labels(dialog), QStringList({"--- Hz", "--- Hz"}));
    }

    void debugFilters()
    {
        {
            Filtersettings dialog;
            QVERIFY(!button(dialog, "but50HzFilter")->isVisibleTo(&dialog));
            QVERIFY(!button(dialog, "butPreemphase")->isVisibleTo(&dialog));
        }
        g_debugFeatures = 1;
        Filtersettings dialog;
        QPushButton* hum = button(dialog, "but50HzFilter");
        QPushButton* preemphasis = button(dialog, "butPreemphase");
        QVERIFY(hum->isVisibleTo(&dialog) && preemphasis->isVisibleTo(&dialog));
        QCOMPARE(hum->text(), QString("50 Hz = Off"));
        // Every text whole, the debug buttons' among them.
        dialog.show();
        const QStringList cut = TestSupport::textOverflows(&dialog);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("filtersettings-debug.png")));
        m_device->journalWrites();
        hum->click();
        QCOMPARE(hum->text(), QString("50 Hz = 1"));
        QCOMPARE(CodecRegisters::writes(*m_device).mid(CodecRegisters::kLeft5, 3),
                 CodecRegisters::word(0x5c, filterCoeffs_50Hz[1].n0));
        preemphasis->click();
        preemphasis->click();
        QCOMPARE(preemphasis->text(), QString("Preem = 0"));
        hum->click();
        QCOMPARE(hum->text(), QString("50 Hz = 0"));
    }

    void leaving_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("check button") << true;
        QTest::newRow("on/off key") << false;
    }
    void leaving()
    {
        QFETCH(bool, accept);
        Filtersettings dialog;
        dialog.show();
        button(dialog, "butAutoFilter")->click();
        button(dialog, "butHighCutOffDown")->click(); // 160-3900
        if (accept) {
            button(dialog, "butClose")->click();
        } else {
            TestSupport::holdEscape(&dialog, [&] { QVERIFY(dialog.isVisible()); });
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
        // The codec keeps the last change either way.
        QCOMPARE(codecFilter(), Filter({160, 3900, 1}));
        QCOMPARE(currentFilter(), accept ? Filter({160, 3900, 1}) : Filter({0, 4000, 0}));
    }

    // The down key walks the buttons row by row: the two steppers of each edge, left to
    // right, then the column at the right edge, top to bottom, and round again.
    void downKeyWalksRowByRow()
    {
        Filtersettings dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QStringList order = {"butLowCutOffDown", "butLowCutOffUp", "butHighCutOffDown", "butHighCutOffUp",
                                   "butClose",         "butMicrophone",  "butHeadphone",      "butAutoFilter",
                                   "butNoFilter"};
        button(dialog, order.first())->setFocus();
        QStringList walked;
        for (int i = 0; i <= order.size(); ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        }
        QCOMPARE(walked, order + QStringList{order.first()});
    }

    void muteKey_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("push-to-listen") << "Push";
        QTest::newRow("switch") << "Switch";
    }
    void muteKey()
    {
        QFETCH(QString, mode);
        start({{"Systemsettings/Switchmode", mode}});
        const bool toggles = mode == "Switch";
        Filtersettings dialog;
        auto gpio = [this] { return m_device->read("/sys/class/gpio/gpio17/value"); };
        QVERIFY(m_menu->isAudioPathMuted());

        QTest::keyPress(&dialog, Qt::Key_F10);
        QVERIFY(TestSupport::logged("Filtersettings Mute-Key pressed"));
        QVERIFY(!m_menu->isAudioPathMuted());
        QCOMPARE(gpio(), QByteArray("1"));
        QCOMPARE(CodecMixer::state(*m_device).value("LO DAC"), 1L);
        QTest::keyRelease(&dialog, Qt::Key_F10);
        QVERIFY(TestSupport::logged("Levelmeas Mute-Key released"));
        QCOMPARE(m_menu->isAudioPathMuted(), !toggles);
        if (toggles) {
            QTest::keyPress(&dialog, Qt::Key_F10);
            QTest::keyRelease(&dialog, Qt::Key_F10);
        }
        QVERIFY(m_menu->isAudioPathMuted());
        QCOMPARE(gpio(), QByteArray("0"));
        QCOMPARE(CodecMixer::state(*m_device).value("LO DAC"), 0L);
    }

    void levelDragAndTheOtherDialogs()
    {
        Filtersettings dialog;
        dialog.show();
        FreqSpectrum* spectrum = dialog.spectrum();
        // RMS 327 counts of 32768 is -40 dB of full scale: 66.6 on the display scale.
        Analoginputworker()->analyseBlock(toneBlock(463, 500));
        dialog.updateLevel();
        QCOMPARE(child<QLabel>(dialog, "labelLevel")->text(), QString("67"));
        QCOMPARE(child<QProgressBar>(dialog, "prgbLevel")->value(), 66);
        QVERIFY2(qAbs(spectrum->peakBin() - 67) <= 1, qPrintable(QString::number(spectrum->peakBin())));

        QTest::mousePress(spectrum, Qt::LeftButton, {}, QPoint(200, 60));
        QTest::mouseRelease(spectrum, Qt::LeftButton, {}, QPoint(300, 60));
        QCOMPARE(labels(dialog), QStringList({"250 Hz", "1000 Hz"}));
        QCOMPARE(codecFilter(), Filter({250, 1000, 1}));
        Analoginputworker()->analyseBlock(toneBlock(463, 500));
        dialog.updateLevel();
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("filtersettings.png")));

        TestSupport::ModalCloser closer;
        button(dialog, "butHeadphone")->click();
        button(dialog, "butMicrophone")->click();
        QCOMPARE(closer.seen(), QStringList({"Headphonesettings", "Micsettings"}));
        QVERIFY(dialog.isVisible());
    }

    void openedFromTheLevelPage()
    {
        m_menu->setCurrentFilter(160, 1250, 1);
        m_menu->displayWidget(1, 1, 0);
        QCOMPARE(codecFilter(), Filter({160, 1250, 1}));
        auto* page = qobject_cast<MeasuringPage*>(m_menu->currentPage());
        QVERIFY(page);
        // No sensor unit here: the page's link check would warn over the filter dialog
        // when a slow machine takes longer than one check period to open it.
        page->linkCheckTimer()->stop();
        TestSupport::ModalCloser closer;
        button(page, "butMenuFilter")->click();
        QCOMPARE(closer.seen(), QStringList("Filtersettings"));
    }
};

QTEST_MAIN(TestFiltersettings)
#include "tst_filtersettings.moc"
