// The headphone volume dialog over the headphone link to the simulated headphones.
#include "Audio/headphonesettings.h"
#include "Hardware/bluetooth.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

using TestSupport::button;
using TestSupport::child;

namespace {

// The percentage the headphones report for a volume step.
int percentOfStep(int step)
{
    static const int percent[] = {0, 6, 12, 18, 25, 31, 37, 44, 50, 56, 62, 69, 75, 81, 88, 94};
    return percent[step];
}

struct Instrument : TestSupport::PairedInstrument
{
    explicit Instrument(bool protection)
        : PairedInstrument({{"Systemsettings/HearingProtection", protection}})
    {
        startMainMenu();
    }
    Bluetooth* link() const { return menu->getBtSourceInstance(); }
    BtModuleSim* phones() const { return sim.source(); }
    // Linked, with the volume the instrument gives each new connection set and answered:
    // a wheel turned before the status tick sets it would be turned back.
    bool linked() const
    {
        if (!QTest::qWaitFor([this] { return link()->isConnectedAVRCP() && link()->isConnectedA2DP(); },
                             TestSupport::timeBound(5000)))
            return false;
        StatusbarData()->stateHeadphone(); // what the next tick would do, if it has not yet
        return QTest::qWaitFor([this] { return phones()->commandLines().contains("AVRCP PDU 50 50"); },
                               TestSupport::timeBound(5000));
    }
    // Turns the headphones' own wheel to a step and waits until the link has it.
    bool turnWheel(int step) const
    {
        phones()->headphoneVolumeChanged(percentOfStep(step));
        return QTest::qWaitFor(
            [this, step] { return link()->getBtExtHeadphoneGain() == step; }, TestSupport::timeBound(2000));
    }
};

} // namespace

class TestHeadphonesettings : public QObject
{
    Q_OBJECT

    QTranslator m_english;

    static void verifyShown(Headphonesettings& dialog, int step, bool warning)
    {
        QCOMPARE(dialog.getVolume(), step);
        QCOMPARE(child<QLabel>(dialog, "labelVolume")->text(), QString::number(step));
        QCOMPARE(child<QProgressBar>(dialog, "progBarVol")->value(), step);
        QLabel* label = child<QLabel>(dialog, "labelWarning");
        QCOMPARE(label->isVisibleTo(&dialog), warning);
        if (warning)
            QCOMPARE(label->text(), QString("Warning!\nHigh volumes can lead to hearing damage."));
        QVERIFY(child<QProgressBar>(dialog, "progBarVol")->styleSheet().contains(warning ? "red" : "yellow"));
        // The English title is the window's only: never on the screen, in any language.
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            QVERIFY(label->text() != dialog.windowTitle());
    }

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::useDeviceLook());
        QVERIFY(TestSupport::installEnglish(m_english));
    }
    void init() { TestSupport::initLinkTest(); }
    void cleanup() { TestSupport::cleanupLinkTest(); }

    void warningFromTheThreshold_data()
    {
        QTest::addColumn<bool>("protection");
        QTest::addColumn<int>("below");
        QTest::newRow("hearing protection on") << true << 13;
        QTest::newRow("hearing protection off") << false << 8;
    }
    void warningFromTheThreshold()
    {
        QFETCH(bool, protection);
        QFETCH(int, below);
        Instrument instrument(protection);
        QVERIFY(instrument.simStarted);
        QVERIFY(instrument.linked());
        QVERIFY(instrument.turnWheel(below));
        instrument.phones()->clearTranscript();

        Headphonesettings dialog;
        QTRY_VERIFY(instrument.phones()->commandLines().contains("AVRCP PDU 31 D"));
        verifyShown(dialog, below, false);
        // Turned on the headphones while the dialog is open.
        QVERIFY(instrument.turnWheel(below + 1));
        QTRY_COMPARE(dialog.getVolume(), below + 1);
        QVERIFY(TestSupport::logged("Headphone volume changed"));
        verifyShown(dialog, below + 1, true);
        if (protection)
            QVERIFY(dialog.grab().save(TestSupport::screenshotPath("headphonesettings.png")));
    }

    void stepsAtTheTopAndLeaving()
    {
        Instrument instrument(true);
        QVERIFY(instrument.linked());
        QVERIFY(instrument.turnWheel(15));
        Headphonesettings dialog;
        dialog.show();
        instrument.phones()->clearTranscript();

        button(dialog, "butVolUp")->click();
        QTRY_VERIFY(instrument.phones()->commandLines().contains("AVRCP UP"));
        verifyShown(dialog, 15, true);
        button(dialog, "butVolDown")->click();
        verifyShown(dialog, 14, true);
        QTRY_VERIFY(instrument.phones()->commandLines().contains("AVRCP DN"));

        TestSupport::holdEscape(&dialog, [&] { QVERIFY(dialog.isVisible()); });
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        // The link learns the step from the headphones' answer, which may still be on its way.
        QTRY_COMPARE(instrument.link()->getBtExtHeadphoneGain(), 14);
    }
};

QTEST_MAIN(TestHeadphonesettings)
#include "tst_headphonesettings.moc"
