// The two Bluetooth service consoles against the simulated modules: the receive log
// (line ends, plain text, colours), the set-up sequences, what may be sent, the turning
// bar and the carrier-detect label.
#include "Debug/btconsolelog.h"
#include "Debug/debugbluetoothcommand.h"
#include "Debug/debuginitbluetooth.h"
#include "Hardware/bluetooth.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

struct Instrument : TestSupport::PairedInstrument
{
    Instrument()
    {
        startMainMenu();
        up = waitForLinksUp();
        menu->getBtSinkInstance()->clearData();
        menu->getBtSourceInstance()->clearData();
    }
    bool up = false;
};

QTextEdit* log(const QDialog& console)
{
    return TestSupport::child<QTextEdit>(console, "textBtInfo");
}

QStringList paragraphs(const QDialog& console)
{
    return log(console)->toPlainText().split(QLatin1Char('\n'));
}

void click(const QDialog& console, const char* button)
{
    TestSupport::child<QPushButton>(console, button)->click();
}

} // namespace

class TestBtConsoles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        QVERIFY(TestSupport::useDeviceLook());
    }
    void init() { Bluetooth::timing() = TestSupport::quickLinkTiming(); }
    void cleanup()
    {
        Bluetooth::timing() = Bluetooth::Timing();
        TestSupport::verifyExpectedMessagesSeen();
    }

    void receivedTextWaitsForItsLineEndAndStaysPlain()
    {
        Instrument instrument;
        QVERIFY(instrument.up);
        // The status bar's polls to the unit would be answered into the middle of the line
        // under test: stop them and let an answer already on its way arrive first.
        StatusbarData()->stopTimers();
        QTest::qWait(TestSupport::timeBound(300));
        instrument.menu->getBtSinkInstance()->clearData();
        DebugBluetoothCommand console(instrument.menu.get());
        instrument.sim.sink()->writeRaw("OK");
        QTest::qWait(150);
        console.updateBtInfo();
        QCOMPARE(log(console)->toPlainText(), QString());

        instrument.sim.sink()->writeRaw("\n<b>x</b> & y\r\n");
        QTRY_VERIFY_WITH_TIMEOUT((console.updateBtInfo(), !log(console)->toPlainText().isEmpty()), 3000);
        QCOMPARE(paragraphs(console), QStringList({"OK", "<b>x</b> & y"}));
        const QTextBlock first = log(console)->document()->firstBlock();
        QCOMPARE(first.begin().fragment().charFormat().foreground().color(), QColor(Qt::black));
        QCOMPARE(TestSupport::lowContrastText(log(console)), QStringList());
        QVERIFY(TestSupport::child<QPushButton>(console, "butKeyboard")->text() != "...");
        QVERIFY(console.grab().toImage().save(TestSupport::screenshotPath("debug_btcommand.png")));
    }

    void onlyPrintableLinesReachTheModules_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("sent");
        QTest::newRow("empty line") << QString() << true;
        QTest::newRow("command") << QString("SET BT NAME x") << true;
        QTest::newRow("longest") << QString(250, 'a') << true;
        QTest::newRow("too long: the field keeps 250") << QString(251, 'a') << true;
        QTest::newRow("second command") << QString("SET BT NAME x\rRESET") << false;
        QTest::newRow("line feed") << QString("AT\nRESET") << false;
        QTest::newRow("not ascii") << QString::fromUtf8("SET BT NAME \xc3\xa4") << false;
    }
    void onlyPrintableLinesReachTheModules()
    {
        QFETCH(QString, line);
        QFETCH(bool, sent);
        QVERIFY(!BtConsoleLog::commandLineProblem(QString(251, 'a')).isEmpty());
        Instrument instrument;
        QVERIFY(instrument.up);
        DebugBluetoothCommand console(instrument.menu.get());
        BtModuleSim* source = instrument.sim.source();
        const int before = source->transcript().size();
        TestSupport::child<QLineEdit>(console, "leditCmd")->setText(line);
        line.truncate(BtConsoleLog::kMaxCommandLength);
        click(console, "butSendSource");
        if (sent) {
            QCOMPARE(paragraphs(console), QStringList(line));
            QTRY_VERIFY_WITH_TIMEOUT(source->transcript().size() > before, 3000);
            QCOMPARE(source->transcript().last(), line);
        } else {
            QVERIFY(paragraphs(console).last().startsWith("Not sent:"));
            QTest::qWait(200);
            QCOMPARE(source->transcript().size(), before);
        }
    }

    void barTurnsOnAcrossOpeningsAndLabelFollowsCarrierDetect()
    {
        TestSupport::DeviceRoot device;
        QStringList symbols;
        for (int opening = 0; opening < 2; ++opening) {
            DebugBluetoothCommand console;
            QCOMPARE(TestSupport::child<QPushButton>(console, "butKeyboard")->text(), QString("..."));
            for (int tick = 0; tick < 3; ++tick) {
                console.toggleButtonSymbol();
                symbols << TestSupport::child<QPushButton>(console, "butKeyboard")->text();
            }
        }
        // Six steps of the one turning bar, the second opening going on from the first.
        QVERIFY(QString("/|\\|/|\\|/|\\|").contains(symbols.join(QString())));

        DebugBluetoothCommand console;
        QLabel* label = TestSupport::child<QLabel>(console, "labelCommunicationMode");
        QCOMPARE(label->text(), QString("Cmd"));
        device.write("/sys/class/gpio/gpio59/value", "1");
        click(console, "butCommandMode");
        QCOMPARE(label->text(), QString("Cmd"));
        console.updateBtInfo();
        QCOMPARE(label->text(), QString("Data"));
    }

    void initConsoleSendsTheSetUpAndProbes()
    {
        Instrument instrument;
        QVERIFY(instrument.up);
        DebugInitBluetooth console(instrument.menu.get());
        click(console, "butAt_2");
        click(console, "butAt_2");
        QCOMPARE(paragraphs(console), QStringList("ATAT"));

        BtModuleSim* sink = instrument.sim.sink();
        const int before = sink->transcript().size();
        click(console, "butInitBtSink");
        QCOMPARE(paragraphs(console).mid(1),
                 QStringList({"Transmitting Init-Sequence for Sink-Mode ...", "Finished."}));
        QTRY_VERIFY_WITH_TIMEOUT(sink->transcript().size() > before && sink->transcript().last() == "RESET", 8000);
        const QStringList sent = sink->transcript().mid(before);
        QVERIFY(sent.contains("SET BT NAME TKR9400_MIC"));
        QVERIFY(sent.contains("CLOSE 3"));
        QVERIFY(sent.indexOf("AT") < sent.indexOf("RESET"));
        click(console, "butAt"); // green beside the red
        QCOMPARE(TestSupport::lowContrastText(log(console)), QStringList());
        QVERIFY(console.grab().toImage().save(TestSupport::screenshotPath("debug_btinit.png")));
    }
};

QTEST_MAIN(TestBtConsoles)
#include "tst_btconsoles.moc"
