// The sensor unit's firmware update against the simulated unit over the running
// sensor-unit link: the transfer, its end and restart, and the unit misbehaving.
#include "Hardware/bluetooth.h"
#include "Management/firmwareupdate.h"
#include "btmodulesim.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "firmwarewizard.h"
#include "testsupport.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

using Fault = BtModuleSim::FirmwareFault;
using TestSupport::button;
using TestSupport::shootWizard;
using TestSupport::wizardPage;
using TestSupport::wizardText;

namespace {

const QString kName = "FW_QJ5_V1-22-33.qj5";
const QString kPath = "/media/tk9400/" + kName;
const QString kNoAnswer = "Error during update. Please try again.\nNo answer received from bluetooth device.";

// The block the debug menu writes as a test image.
QByteArray testImage()
{
    QByteArray block;
    for (int i = 0; i < 256; ++i)
        block += char(i);
    block += QByteArray(256, char(0xA1)) + QByteArray(256, char(0xB2)) + QByteArray(256, char(0xC3));
    return block + QByteArray(17, char(0xD4));
}

struct Instrument : TestSupport::PairedInstrument
{
    Instrument(bool unitInRange = true)
    {
        sim.sink()->setPeerPresent(unitInRange);
        startMainMenu();
    }
    bool linkUp() const
    {
        Bluetooth* sink = menu->getBtSinkInstance();
        return QTest::qWaitFor(
            [&] { return sink->isConnectedRFCOMM() && sink->getBtMode() == 1; }, TestSupport::timeBound(5000));
    }
    BtModuleSim* unit() const { return sim.sink(); }
    QStringList firmwareLines() const { return unit()->unitLines().filter(QRegularExpression("^BT_TX F[HDS]")); }
};

int progress(const Firmwareupdate& wizard)
{
    return TestSupport::child<QProgressBar>(wizard, "progressBar")->value();
}

// Unit chosen, confirm page shown, Accept.
void start(Firmwareupdate& wizard)
{
    button(wizard, "butUpdateQJ5")->click();
    QCOMPARE(wizardPage(wizard), QString("pageConfirm"));
    button(wizard, "butAccept")->click();
}

bool finished(const Firmwareupdate& wizard)
{
    return QTest::qWaitFor([&] { return wizardPage(wizard) == "pageFinal"; }, TestSupport::timeBound(10000));
}

} // namespace

class TestFirmwareTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::installEnglish(m_english));
        QVERIFY(TestSupport::useDeviceLook());
    }
    void init()
    {
        Bluetooth::timing() = TestSupport::quickLinkTiming();
        Firmwareupdate::timing() = Firmwareupdate::Timing();
        Firmwareupdate::timing().answerMs = 300;
        Firmwareupdate::timing().startAnswerMs = 300;
        Firmwareupdate::timing().restartMs = 800;
    }
    void cleanup()
    {
        Bluetooth::timing() = Bluetooth::Timing();
        TestSupport::verifyExpectedMessagesSeen();
    }

    void transfersTestImage()
    {
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        const QByteArray image = testImage();
        QVERIFY(instrument.device.write(kPath, image));
        Firmwareupdate wizard(instrument.menu.get());
        wizard.show();
        shootWizard(wizard, "select_unit");
        button(wizard, "butUpdateQJ5")->click();
        QCOMPARE(wizardPage(wizard), QString("pageConfirm"));
        QTRY_COMPARE(wizardText(wizard, "lineEditConfirmCurrentFw"), QString("1.4.2"));
        QCOMPARE(wizardText(wizard, "lineEditConfirmNewFw"), QString("1.22.33"));
        QCOMPARE(wizardText(wizard, "labelConfirmHeadline"), QString("Update QJ-5"));
        shootWizard(wizard, "confirm_qj5");

        QList<int> shown;
        connect(TestSupport::child<QProgressBar>(wizard, "progressBar"), &QProgressBar::valueChanged,
                [&](int value) { shown << value; });
        button(wizard, "butAccept")->click();
        QCOMPARE(wizardText(wizard, "labelProgressHeadline"), QString("Transmitting firmware"));
        shootWizard(wizard, "transmitting");
        QVERIFY(finished(wizard));
        shootWizard(wizard, "final_qj5");
        QCOMPARE(wizardText(wizard, "labelFinalMessage"), QString("Firmwareupdate successfully finished."));

        const QStringList lines = instrument.firmwareLines();
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines.first(), QString("BT_TX FH 1041 1.22.33"));
        QCOMPARE(lines[1].size(), 145);
        QCOMPARE(lines[17], "BT_TX FD 016 017 " + QString("d4").repeated(17));
        QCOMPARE(lines.last(), QString("BT_TX FS"));
        QList<int> expected;
        for (int k = 0; k < 17; ++k)
            expected << qMin(64 * (k + 1), 1041) * 100 / 1041;
        QCOMPARE(shown, expected);
        QVERIFY(instrument.unit()->firmwareImage() == image);
        QCOMPARE(instrument.unit()->unitFirmwareVersion(), QString("1.22.33"));
        QVERIFY(!QFile::exists(instrument.device.hostPath(kPath)));
        QVERIFY(TestSupport::logged("QJ-5: RDY received"));
    }

    void fourDigitPacketNumbers()
    {
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        QByteArray image(64001, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char(i * 7 + i / 251);
        QVERIFY(instrument.device.write(kPath, image));
        Firmwareupdate wizard(instrument.menu.get());
        start(wizard);
        QVERIFY(QTest::qWaitFor([&] { return wizardPage(wizard) == "pageFinal"; }, TestSupport::timeBound(60000)));
        const QStringList lines = instrument.firmwareLines();
        QVERIFY(lines[1000].startsWith("BT_TX FD 999 064 "));
        QCOMPARE(lines[1001], QString("BT_TX FD 1000 001 ") + image.right(1).toHex());
        QVERIFY(instrument.unit()->firmwareImage() == image);
    }

    // Misbehaviours during the transfer: what gets through and what the user sees; a
    // transfer that stalls completes after Cancel and a new Accept.
    void misbehavingUnit_data()
    {
        QTest::addColumn<QString>("control"); // the simulator's control line
        QTest::addColumn<bool>("stalls");
        QTest::newRow("duplicate ack") << "fw dup 5" << false;
        QTest::newRow("late ack") << "fw late 5 700" << false;
        QTest::newRow("refused packet") << "fw nak 5" << true;
        QTest::newRow("silent at header") << "fw silent header" << true;
        QTest::newRow("silent at packet") << "fw silent 3" << true;
        QTest::newRow("link dropped") << "fw drop 8 200" << true;
    }
    void misbehavingUnit()
    {
        QFETCH(QString, control);
        QFETCH(bool, stalls);
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        const QByteArray image = testImage();
        QVERIFY(instrument.device.write(kPath, image));
        QCOMPARE(instrument.sim.simulator()->control(control), QString("ok"));
        Firmwareupdate wizard(instrument.menu.get());
        start(wizard);
        if (stalls) {
            QTRY_COMPARE(wizardText(wizard, "labelProgressStatus"), kNoAnswer);
            QTest::qWait(400); // a second watchdog period: still nothing sent on
            QVERIFY(!instrument.firmwareLines().contains("BT_TX FS"));
            QVERIFY(QFile::exists(instrument.device.hostPath(kPath)));
            if (control == "fw nak 5")
                shootWizard(wizard, "no_answer");
            QVERIFY(instrument.linkUp());
            button(wizard, "butCancelUpdate")->click();
            instrument.unit()->clearTranscript();
            button(wizard, "butAccept")->click();
        }
        QVERIFY(finished(wizard));
        QCOMPARE(instrument.firmwareLines().count("BT_TX FS"), 1);
        QVERIFY(instrument.unit()->firmwareImage() == image);
    }

    // Cancel while the last packet's answer is out: the unit is not told to update.
    void cancelBeforeLastAck()
    {
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        QVERIFY(instrument.device.write(kPath, testImage()));
        instrument.unit()->setFirmwareFault(Fault::LateAck, 16, 300);
        Firmwareupdate wizard(instrument.menu.get());
        start(wizard);
        QTRY_VERIFY(instrument.firmwareLines().filter("BT_TX FD 016").size() == 1);
        button(wizard, "butCancelUpdate")->click();
        QCOMPARE(wizardText(wizard, "labelProgressStatus"), QString("Firmware update cancelled."));
        QTest::qWait(600);
        QVERIFY(!instrument.firmwareLines().contains("BT_TX FS"));
        QCOMPARE(wizardPage(wizard), QString("pageConfirm"));
    }

    // The end of the transfer: a refused start, a restart without "RDY" (link up: done),
    // a restart with the link still down (not done).
    void updateStart_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("done");
        QTest::newRow("start refused") << int(Fault::SilentAtStart)
                                       << "Error during firmware update.\nPlease try again." << false;
        QTest::newRow("no RDY, link up") << int(Fault::RestartWithoutRdy) << "Firmwareupdate successful." << true;
        QTest::newRow("link stays down") << int(Fault::RestartLinkDown) << kNoAnswer << false;
    }
    void updateStart()
    {
        QFETCH(int, fault);
        QFETCH(QString, status);
        QFETCH(bool, done);
        Instrument instrument;
        QVERIFY(instrument.linkUp());
        QVERIFY(instrument.device.write(kPath, testImage()));
        instrument.unit()->setFirmwareFault(Fault(fault), 0, 100000);
        Firmwareupdate wizard(instrument.menu.get());
        start(wizard);
        QTRY_VERIFY(instrument.firmwareLines().contains("BT_TX FS"));
        QVERIFY(!button(wizard, "butCancelUpdate")->isEnabled());
        if (fault == int(Fault::SilentAtStart))
            instrument.unit()->sendUnitLine("BT_RX FS ERR");
        QTRY_COMPARE_WITH_TIMEOUT(wizardText(wizard, "labelProgressStatus"), status, 5000);
        QCOMPARE(wizardPage(wizard) == "pageFinal", done);
        if (!done) {
            shootWizard(wizard, fault == int(Fault::SilentAtStart) ? "start_refused" : "restart_missing");
            QCOMPARE(progress(wizard), 100);
            QTest::qWait(900); // past the next 30 s mark
            QVERIFY(wizardPage(wizard) != "pageFinal");
            QVERIFY(QFile::exists(instrument.device.hostPath(kPath)));
        } else {
            QVERIFY(TestSupport::logged("QJ-5: no RDY, data link up: restart assumed"));
        }
    }

    // Files that are not sent: the link down shows no current version; too large is kept.
    void notSent()
    {
        Instrument instrument(false);
        QVERIFY(instrument.device.write(kPath, QByteArray(Firmwareupdate::kMaxQj5FirmwareBytes + 1, 'x')));
        Firmwareupdate wizard(instrument.menu.get());
        wizard.show();
        start(wizard);
        QCOMPARE(wizardText(wizard, "lineEditConfirmCurrentFw"), QString("---"));
        QCOMPARE(wizardText(wizard, "labelProgressStatus"), QString("Could not read firmwarefile.\nPlease try again."));
        QVERIFY(QFile::exists(instrument.device.hostPath(kPath)));
        QVERIFY(instrument.firmwareLines().isEmpty());
    }

private:
    QTranslator m_english;
};

QTEST_MAIN(TestFirmwareTransfer)
#include "tst_firmwaretransfer.moc"
