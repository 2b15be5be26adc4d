// The GPS test reading the instrument's real Gps fed by the simulated receiver: a
// receiver that talks, one that fell silent before the test, and the position verdict.
#include "Hardware/gps.h"
#include "Testmenu/testmenugps.h"
#include "Testmenu/testmenuremotectrl.h"
#include "gpsfeed.h"
#include "gpssim.h"
#include "mainmenu.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {


struct Instrument
{
    DeviceRoot device;
    GpsSimulator sim;
    TestSupport::GpsFeed feed;
    std::unique_ptr<MainMenu> menu;

    bool start()
    {
        if (!sim.open(device.hostPath("/dev/ttyO1")))
            return false;
        TestSupport::writeSettings(device);
        menu.reset(new MainMenu);
        return feed.attach(&sim, menu->getGpsInstance())
            && QTest::qWaitFor([this] { return sim.isNavigating(); }, TestSupport::timeBound(5000));
    }
};

bool passOffered(const QWidget& dialog)
{
    return dialog.findChild<QPushButton*>("butPass")->isVisibleTo(&dialog);
}

QByteArray rmc(const QByteArray& latitude, const QByteArray& longitude)
{
    return GpsNmea::sentence("GPRMC,120000.00,A," + latitude + "," + longitude + ",0.0,0.0,091226,,,A");
}

} // namespace

class TestTestmenuGps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000; }
    void cleanup()
    {
        TestmenuRemoteCtrl::pollIntervalMs() = TestmenuRemoteCtrl::kDefaultPollIntervalMs;
        TestSupport::verifyExpectedMessagesSeen();
    }

    void talkingReceiverPasses()
    {
        Instrument instrument;
        QVERIFY(instrument.start());
        TestmenuGps dialog;
        QCOMPARE(dialog.findChild<QTimer*>()->interval(), TestmenuGps::kReadingIntervalMs);
        // Before the first reading neither verdict holds.
        QCOMPARE(ask(instrument.device, dialog, "cmdGpsGetStatusModulConnected"),
                 QByteArray("resGpsStatusModulConnected=ERROR\n"));
        QCOMPARE(ask(instrument.device, dialog, "cmdGpsGetStatusPosition"), QByteArray("resGpsStatusPosition=ERROR\n"));

        const QList<QByteArray> cycle = instrument.sim.nextCycle();
        QVERIFY(instrument.feed.deliver(cycle));
        dialog.updateGpsData();
        QCOMPARE(ask(instrument.device, dialog, "cmdGpsGetStatusModulConnected"),
                 QByteArray("resGpsStatusModulConnected=OK\n"));
        QByteArray lastRmc;
        for (const QByteArray& sentence : cycle)
            if (sentence.mid(3, 3) == "RMC")
                lastRmc = sentence;
        QCOMPARE(dialog.findChild<QPlainTextEdit*>("textEditNmea")->toPlainText(), QString::fromLatin1(lastRmc));
        QVERIFY(passOffered(dialog));
        dialog.show();
        QVERIFY(dialog.grab().save(TestSupport::screenshotPath("testmenu-gps.png")));
    }

    void receiverSilentBeforeTheTestFails()
    {
        Instrument instrument;
        QVERIFY(instrument.start());
        QVERIFY(instrument.feed.emitCycle());
        QVERIFY(instrument.menu->getGpsInstance()->getNmeaString().contains("RMC"));
        instrument.sim.control("off");
        TestmenuGps dialog;
        dialog.updateGpsData();
        QCOMPARE(ask(instrument.device, dialog, "cmdGpsGetStatusModulConnected"),
                 QByteArray("resGpsStatusModulConnected=ERROR\n"));
        QCOMPARE(ask(instrument.device, dialog, "cmdGpsGetStatusPosition"), QByteArray("resGpsStatusPosition=ERROR\n"));
        QVERIFY(!passOffered(dialog));
    }

    void positionVerdict_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("latitude near zero") << rmc("0000.0003,N", "01130.0000,E") << "0.000005"
                                            << QByteArray("resGpsStatusPosition=ERROR\n");
        QTest::newRow("small western longitude") << rmc("4806.0000,N", "00000.0012,W") << "48.100000"
                                                 << QByteArray("resGpsStatusPosition=OK\n");
    }
    void positionVerdict()
    {
        QFETCH(QByteArray, sentence);
        QFETCH(QByteArray, answer);
        Instrument instrument;
        QVERIFY(instrument.start());
        TestmenuGps dialog;
        QVERIFY(instrument.feed.deliver({sentence}));
        dialog.updateGpsData();
        QTEST(dialog.findChild<QLineEdit*>("lineEditLatitude")->text(), "latitude");
        QCOMPARE(ask(instrument.device, dialog, "cmdGpsGetStatusPosition"), answer);
    }
};

QTEST_MAIN(TestTestmenuGps)
#include "tst_testmenugps.moc"
