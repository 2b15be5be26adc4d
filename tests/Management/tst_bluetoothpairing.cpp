// Pairing a new sensor unit or new headphones against the simulated modules: the search
// and the devices it offers, the pairing and its confirmation, the confirmations that
// must not count, the keys, and pairing through the settings screen up to the link
// calling its new peer.
#include "Hardware/bluetooth.h"
#include "Management/bluetoothpairing.h"
#include "Management/systemsettings.h"
#include "Tools/settingsbutton.h"
#include "btmodulesim.h"
#include "globals.h"
#include "mainmenu.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <memory>

using TestSupport::button;
using TestSupport::kHeadphones;
using TestSupport::kUnit;
using TestSupport::screenshotPath;
using Device = BtModuleSim::InquiryDevice;
Q_DECLARE_METATYPE(BtModuleSim::InquiryDevice)

namespace {

const char* const kSettings = "/home/root/settings.ini";

Device device(const QString& address, const QString& deviceClass, const QString& name)
{
    Device d;
    d.address = address;
    d.deviceClass = deviceClass;
    d.name = name;
    return d;
}

// A dozen devices around the instrument, in the order the module reports them.
QList<Device> crowd()
{
    Device noClass = device("02:00:00:00:51:0E", "", "QJ5 No Class");
    Device badAddress = device("02:00:00:00:51", "280404", "QJ5 Cut Off");
    Device ghost = device("02:00:00:00:51:0B", "280404", "QJ5 Ghost");
    ghost.inInquiry = false; // heard only by name
    Device lowerCase = device("02:00:00:00:51:0c", "280404", "");
    lowerCase.inNames = false;
    Device upperCaseName = device("02:00:00:00:51:0C", "280404", "QJ5 Case");
    upperCaseName.inInquiry = false;
    return {
        device("02:00:00:00:99:01", "5a020c", "Phone"),
        noClass,
        badAddress,
        device("02:00:00:00:51:0A", "280404", "QJ5 Alpha"),
        device("02:00:00:00:48:0A", "240404", "Ear Pods"),
        ghost,
        lowerCase,
        upperCaseName,
        device("02:00:00:00:99:03", "2c0404", "Headset Pro"),
        device("02:00:00:00:51:0D", "280404", "QJ5 Fourth"),
        device("02:00:00:00:48:0B", "240404", "Ear Pods 2"),
        device("02:00:00:00:99:04", "240414", "Speaker"),
        device("02:00:00:00:99:06", "002540", "Keyboard"),
    };
}

// The instrument on a fresh tree, paired with the simulated unit and headphones.
struct Instrument : TestSupport::PairedInstrument
{
    explicit Instrument(const QVariantMap& settings = {})
        : PairedInstrument({{"Bluetooth/Microphone_Name", "QJ5-0001"}, {"Bluetooth/Headphone_Name", "SIM Headphones"}},
                           settings)
    {
        startMainMenu();
    }

    bool linksUp() const
    {
        return QTest::qWaitFor(
            [this] {
                Bluetooth* sink = menu->getBtSinkInstance();
                return sink->getBtState() == 6 && sink->getBtMode() == 1
                    && menu->getBtSourceInstance()->isConnectedAVRCP();
            },
            TestSupport::timeBound(5000));
    }
    BtModuleSim* module(bool sensorUnit) const { return sensorUnit ? sim.sink() : sim.source(); }
};

SettingsButton* deviceButton(QWidget* dialog, int n)
{
    return dialog->findChild<SettingsButton*>(QStringLiteral("butBtDev_%1").arg(n));
}

QString labelText(QWidget* dialog)
{
    return dialog->findChild<QLabel*>(QStringLiteral("label"))->text();
}

QString log(QWidget* dialog)
{
    return dialog->findChild<QTextEdit*>(QStringLiteral("textBluetoothRcv"))->toPlainText();
}

bool searchEnded(QWidget* dialog)
{
    return !dialog->findChild<QTimer*>(QStringLiteral("searchTimer"))->isActive();
}

bool pairingWaitEnded(QWidget* dialog)
{
    return !dialog->findChild<QTimer*>(QStringLiteral("pairingTimer"))->isActive();
}

// (name, address) of the device buttons shown.
QList<QPair<QString, QString>> offered(QWidget* dialog)
{
    QList<QPair<QString, QString>> devices;
    for (int n = 1; n <= 3; ++n) {
        SettingsButton* b = deviceButton(dialog, n);
        if (b->isVisibleTo(dialog))
            devices.append({b->getText1(), b->getText2()});
    }
    return devices;
}

// Runs a search in the dialog and waits for its end.
bool search(QWidget* dialog)
{
    button(dialog, "butSearch")->click();
    return QTest::qWaitFor([dialog] { return searchEnded(dialog); }, TestSupport::timeBound(5000));
}

} // namespace

class TestBluetoothPairing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init()
    {
        Bluetooth::timing() = TestSupport::quickLinkTiming();
        BluetoothPairing::Timing p;
        p.tickMs = 10;
        p.searchMs = 300;
        p.pairingWaitMs = 400;
        BluetoothPairing::timing() = p;
        TestSupport::clearLoggedMessages();
    }
    void cleanup()
    {
        Bluetooth::timing() = Bluetooth::Timing();
        BluetoothPairing::timing() = BluetoothPairing::Timing();
        g_debugFeatures = 0;
        TestSupport::verifyExpectedMessagesSeen();
    }

    void startsFreeingTheChosenModule_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<bool>("sensorUnit");
        QTest::newRow("headphones") << 0 << false;
        QTest::newRow("sensor unit") << 1 << true;
        QTest::newRow("any other number means headphones") << 7 << false;
    }
    void startsFreeingTheChosenModule()
    {
        QFETCH(int, device);
        QFETCH(bool, sensorUnit);
        Instrument instrument;
        QVERIFY(instrument.simStarted);
        QVERIFY(instrument.linksUp());
        instrument.sim.sink()->clearTranscript();
        instrument.sim.source()->clearTranscript();

        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(device);
        QCOMPARE(dialog.getPairingDevice(), sensorUnit ? 1 : 0);
        auto* picture = dialog.findChild<QLabel*>("labelPairingInfo");
        QVERIFY(picture->isVisibleTo(&dialog));
        QVERIFY(picture->styleSheet().contains(sensorUnit ? "PairingInfo_QJ-5.png" : "PairingInfo_HP.png"));
        QCOMPARE(labelText(&dialog), QString("Enable pairing mode\nand press Search-Button."));
        QVERIFY(!button(&dialog, "butInfo")->isVisibleTo(&dialog));
        QVERIFY(!dialog.findChild<QProgressBar*>("prgbSearching")->isVisibleTo(&dialog));
        QVERIFY(offered(&dialog).isEmpty());
        QVERIFY(dialog.grab().save(screenshotPath(QString("pairing_start_%1.png").arg(QTest::currentDataTag()).replace(' ', '_'))));

        // The chosen module drops its peer; the other one keeps its link.
        const QString peer = sensorUnit ? kUnit : kHeadphones;
        QTRY_VERIFY(instrument.module(sensorUnit)->commandLines().contains("KILL " + peer));
        QVERIFY(instrument.module(!sensorUnit)->commandLines().filter("KILL").isEmpty());
        QVERIFY(!instrument.module(sensorUnit)->isAutoCallOn());
        QTRY_VERIFY(instrument.module(sensorUnit)->links().isEmpty());
    }

    // A dozen devices: the first three whose class has every bit of the mask are offered,
    // with the name reported for exactly their address.
    void searchOffersTheFirstThreeThatQualify_data()
    {
        QTest::addColumn<bool>("sensorUnit");
        QTest::addColumn<QStringList>("expected"); // name, address, name, address, ...
        QTest::newRow("sensor unit") << true
                                     << QStringList{"QJ5 Alpha", "02:00:00:00:51:0A", "unknown", "02:00:00:00:51:0c",
                                                    "Headset Pro", "02:00:00:00:99:03"};
        QTest::newRow("headphones") << false
                                    << QStringList{"Ear Pods", "02:00:00:00:48:0A", "Headset Pro", "02:00:00:00:99:03",
                                                   "Ear Pods 2", "02:00:00:00:48:0B"};
    }
    void searchOffersTheFirstThreeThatQualify()
    {
        QFETCH(bool, sensorUnit);
        QFETCH(QStringList, expected);
        Instrument instrument;
        QVERIFY(instrument.linksUp());
        BtModuleSim* module = instrument.module(sensorUnit);
        module->setInquiryDevices(crowd());
        instrument.module(!sensorUnit)->setInquiryDevices({device("02:00:00:00:51:0F", "280404", "Other Side")});

        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(sensorUnit ? 1 : 0);
        button(&dialog, "butSearch")->click();
        QCOMPARE(labelText(&dialog), QString("Searching ..."));
        auto* progress = dialog.findChild<QProgressBar*>("prgbSearching");
        QVERIFY(progress->isVisibleTo(&dialog));
        QCOMPARE(progress->maximum(), BluetoothPairing::timing().searchMs);
        QVERIFY(!dialog.findChild<QLabel*>("labelPairingInfo")->isVisibleTo(&dialog));
        QVERIFY(searchEnded(&dialog) == false);
        QTRY_VERIFY_WITH_TIMEOUT(searchEnded(&dialog), 5000);

        QCOMPARE(module->commandLines().filter("INQUIRY"), QStringList("INQUIRY 4 NAME"));
        QCOMPARE(instrument.module(!sensorUnit)->commandLines().filter("INQUIRY"), QStringList());
        QCOMPARE(progress->value(), progress->maximum());
        QCOMPARE(labelText(&dialog), QString("Select device for pairing."));
        QList<QPair<QString, QString>> want;
        for (int i = 0; i + 1 < expected.size(); i += 2)
            want.append({expected.at(i), expected.at(i + 1)});
        QCOMPARE(offered(&dialog), want);
        // Each button carries the picture of what is paired.
        QVERIFY(deviceButton(&dialog, 1)->styleSheet().contains(sensorUnit ? "Microphone_ws_44px" : "Headphone_ws_44px"));
        QVERIFY(TestSupport::logged("InquiryList:"));

        // Heard by name only: not offered although its class would do.
        QVERIFY(log(&dialog).contains("NAME 02:00:00:00:51:0B \"QJ5 Ghost\""));
        QVERIFY(dialog.getBluetoothId().isEmpty()); // nothing chosen yet
    }

    void searchFindingNothingToOffer_data()
    {
        QTest::addColumn<QList<Device>>("devices");
        Device ghost = device("02:00:00:00:51:0B", "280404", "QJ5 Ghost");
        ghost.inInquiry = false;
        QList<Device> tenFirst;
        for (int i = 0; i < 10; ++i)
            tenFirst.append(device(QString("02:00:00:00:99:%1").arg(i + 10), "5a020c", QString("Phone %1").arg(i)));
        tenFirst.append(device("02:00:00:00:51:0A", "280404", "QJ5 Eleventh"));
        QTest::newRow("nobody in range") << QList<Device>();
        QTest::newRow("only other classes") << QList<Device>{device("02:00:00:00:48:0A", "240404", "Ear Pods"),
                                                             device("02:00:00:00:99:01", "5a020c", "Phone"),
                                                             device("02:00:00:00:99:09", "zz0404", "Odd")};
        QTest::newRow("heard only by name") << QList<Device>{ghost};
        QTest::newRow("unit after ten others") << tenFirst;
        QTest::newRow("inquiry lines without class or address")
            << QList<Device>{device("02:00:00:00:51:0A", "", "QJ5 No Class"), device("", "280404", "QJ5 No Address"),
                             device("02:00:00:00:51:0A;RESET", "280404", "QJ5 Injected")};
    }
    void searchFindingNothingToOffer()
    {
        QFETCH(QList<Device>, devices);
        Instrument instrument;
        QVERIFY(instrument.linksUp());
        instrument.sim.sink()->setInquiryDevices(devices);
        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(1);
        QVERIFY(search(&dialog));
        QCOMPARE(labelText(&dialog), QString("No devices found."));
        QVERIFY(offered(&dialog).isEmpty());
        QVERIFY(log(&dialog).contains("INQUIRY 4 NAME"));
        int reported = 0;
        for (const Device& d : devices)
            reported += d.inInquiry ? 1 : 0;
        QVERIFY(log(&dialog).split('\n').contains(QString("INQUIRY %1").arg(reported)));
    }

    // Pairing is confirmed by the module's signal, or at the end of the wait by its answer
    // in what the module said; the dialog then ends accepted with the chosen device.
    void pairingConfirmed_data()
    {
        QTest::addColumn<bool>("bySignal");
        QTest::addColumn<bool>("sensorUnit");
        QTest::newRow("sensor unit, by the signal") << true << true;
        QTest::newRow("headphones, by the signal") << true << false;
        QTest::newRow("sensor unit, by the answer at the time-out") << false << true;
    }
    void pairingConfirmed()
    {
        QFETCH(bool, bySignal);
        QFETCH(bool, sensorUnit);
        Instrument instrument;
        QVERIFY(instrument.linksUp());
        BtModuleSim* module = instrument.module(sensorUnit);
        module->setInquiryDevices(crowd());
        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(sensorUnit ? 1 : 0);
        dialog.show();
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QVERIFY(search(&dialog));
        Bluetooth* link = sensorUnit ? instrument.menu->getBtSinkInstance() : instrument.menu->getBtSourceInstance();

        // Long enough that the signal clearly comes first, or that the answer is in before the end.
        BluetoothPairing::timing().pairingWaitMs = bySignal ? 3000 : 1500;
        std::unique_ptr<QSignalBlocker> quiet;
        if (!bySignal)
            quiet.reset(new QSignalBlocker(link));
        QElapsedTimer waited;
        waited.start();
        deviceButton(&dialog, 3)->click();
        const QString address = sensorUnit ? "02:00:00:00:99:03" : "02:00:00:00:48:0B";
        QCOMPARE(labelText(&dialog), QString("Pairing device ..."));
        QTRY_VERIFY(module->commandLines().contains("PAIR " + address));
        if (!bySignal) {
            QTRY_VERIFY(log(&dialog).contains("PAIR " + address + " OK"));
            quiet.reset();
            QVERIFY(accepted.isEmpty()); // not before the end of the wait
        }
        QTRY_COMPARE_WITH_TIMEOUT(accepted.count(), 1, 5000);
        if (bySignal)
            QVERIFY(waited.elapsed() < BluetoothPairing::timing().pairingWaitMs);
        else
            QVERIFY(waited.elapsed() >= BluetoothPairing::timing().pairingWaitMs);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.getBluetoothId(), address);
        QCOMPARE(dialog.getBluetoothName(), QString(sensorUnit ? "Headset Pro" : "Ear Pods 2"));
        QVERIFY(pairingWaitEnded(&dialog));
        auto* progress = dialog.findChild<QProgressBar*>("prgbSearching");
        QCOMPARE(progress->value(), progress->maximum());
        QCOMPARE(module->pairedDevices(), QStringList(address));
    }

    // A refused pairing keeps the dialog open with its message; another device can be
    // chosen at once.
    void refusedPairingKeepsTheDialogOpen()
    {
        Instrument instrument;
        QVERIFY(instrument.linksUp());
        BtModuleSim* module = instrument.sim.sink();
        module->setInquiryDevices(crowd());
        module->setPairingAnswer(BtModuleSim::PairingAnswer::Fail);
        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(1);
        dialog.show();
        QSignalSpy finished(&dialog, &QDialog::finished);
        QVERIFY(search(&dialog));
        deviceButton(&dialog, 1)->click();
        QTRY_VERIFY_WITH_TIMEOUT(pairingWaitEnded(&dialog), 5000);
        QVERIFY(log(&dialog).contains("PAIR 02:00:00:00:51:0A FAIL"));
        QCOMPARE(labelText(&dialog), QString("Pairing not successful. Please try again."));
        QVERIFY(dialog.isVisible());
        QVERIFY(finished.isEmpty());
        QCOMPARE(offered(&dialog).size(), 3);

        module->setPairingAnswer(BtModuleSim::PairingAnswer::ByDevice);
        deviceButton(&dialog, 2)->click();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
        QCOMPARE(dialog.getBluetoothId(), QString("02:00:00:00:51:0c"));
        QCOMPARE(dialog.getBluetoothName(), QString("unknown"));
    }

    // Only the module paired on, only while its answer is awaited and only for the chosen
    // address confirms a pairing.
    void strayPairingConfirmationsDoNotCount_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("from the other module") << "other module";
        QTest::newRow("during the search") << "search";
        QTest::newRow("for another device") << "other device";
        QTest::newRow("after the wait") << "after";
    }
    void strayPairingConfirmationsDoNotCount()
    {
        QFETCH(QString, when);
        Instrument instrument;
        QVERIFY(instrument.linksUp());
        BtModuleSim* unitModule = instrument.sim.sink();
        unitModule->setInquiryDevices(crowd());
        unitModule->setPairingAnswer(BtModuleSim::PairingAnswer::None);
        const QString chosen = "02:00:00:00:51:0A";
        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(1);
        dialog.show();
        QSignalSpy finished(&dialog, &QDialog::finished);
        QSignalSpy sinkPaired(instrument.menu->getBtSinkInstance(), &Bluetooth::btPairingOk);
        QSignalSpy sourcePaired(instrument.menu->getBtSourceInstance(), &Bluetooth::btPairingOk);

        button(&dialog, "butSearch")->click();
        if (when == "search") {
            unitModule->sendModuleLine("PAIR " + chosen + " OK");
            QTRY_COMPARE(sinkPaired.count(), 1);
        }
        QTRY_VERIFY_WITH_TIMEOUT(searchEnded(&dialog), 5000);
        QCOMPARE(deviceButton(&dialog, 1)->getText2(), chosen);
        deviceButton(&dialog, 1)->click();
        if (when == "other module") {
            instrument.sim.source()->sendModuleLine("PAIR " + chosen + " OK");
            QTRY_COMPARE(sourcePaired.count(), 1);
        } else if (when == "other device") {
            unitModule->sendModuleLine("PAIR 02:00:00:00:99:03 OK");
            QTRY_COMPARE(sinkPaired.count(), 1);
        }
        QTRY_VERIFY_WITH_TIMEOUT(pairingWaitEnded(&dialog), 5000);
        QCOMPARE(labelText(&dialog), QString("Pairing not successful. Please try again."));
        if (when == "after") {
            unitModule->sendModuleLine("PAIR " + chosen + " OK");
            QTRY_COMPARE(sinkPaired.count(), 1);
            QTest::qWait(50);
        }
        QVERIFY(finished.isEmpty());
        QVERIFY(dialog.isVisible());

        // Leaving now rejects the dialog: nothing reaches the settings.
        button(&dialog, "butCancel")->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
    }

    // A new search ends a pairing wait; the answer that comes afterwards counts for nothing.
    void searchAgainDuringThePairingWait()
    {
        Instrument instrument;
        QVERIFY(instrument.linksUp());
        BtModuleSim* module = instrument.sim.source();
        module->setInquiryDevices(crowd());
        module->setPairingAnswer(BtModuleSim::PairingAnswer::None);
        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(0);
        dialog.show();
        QSignalSpy finished(&dialog, &QDialog::finished);
        QVERIFY(search(&dialog));
        deviceButton(&dialog, 1)->click();
        QVERIFY(!pairingWaitEnded(&dialog));
        button(&dialog, "butSearch")->click();
        QVERIFY(pairingWaitEnded(&dialog));
        module->sendModuleLine("PAIR 02:00:00:00:48:0A OK");
        QTRY_VERIFY_WITH_TIMEOUT(searchEnded(&dialog), 5000);
        QVERIFY(finished.isEmpty());
        QCOMPARE(offered(&dialog).size(), 3);
    }

    void leavingByCancelOrTheOnOffKey_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape released") << true;
    }
    void leavingByCancelOrTheOnOffKey()
    {
        QFETCH(bool, escape);
        Instrument instrument;
        QVERIFY(instrument.linksUp());
        instrument.sim.sink()->setInquiryDevices(crowd());
        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &QDialog::finished);

        // Return and Enter press no button, the focused one neither.
        QPushButton* searchButton = button(&dialog, "butSearch");
        searchButton->setFocus();
        for (QWidget* target : {static_cast<QWidget*>(searchButton), static_cast<QWidget*>(&dialog)}) {
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter);
        }
        QTest::qWait(30);
        QVERIFY(!instrument.sim.sink()->commandLines().contains("INQUIRY 4 NAME"));
        QVERIFY(dialog.isVisible());

        QVERIFY(search(&dialog));
        deviceButton(&dialog, 1)->click();
        if (escape) {
            TestSupport::holdEscape(&dialog, [&] {
                QVERIFY(dialog.isVisible());
                QVERIFY(finished.isEmpty());
            });
        } else {
            button(&dialog, "butCancel")->click();
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
        QVERIFY(pairingWaitEnded(&dialog));
        QVERIFY(!dialog.findChild<QLabel*>("labelPairingInfo")->isVisibleTo(&dialog));
    }

    // With the debug features on: the current peers, address and class on the buttons,
    // the receive log behind the info button, no pairing picture.
    void debugFeatures()
    {
        Instrument instrument({{"Debug/Debugfeatures", 1}});
        QVERIFY(instrument.linksUp());
        QCOMPARE(g_debugFeatures, 1);
        instrument.sim.sink()->setInquiryDevices(crowd());
        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(1);
        QVERIFY(button(&dialog, "butInfo")->isVisibleTo(&dialog));
        QVERIFY(!dialog.findChild<QLabel*>("labelPairingInfo")->isVisibleTo(&dialog));
        QCOMPARE(labelText(&dialog), QString("Enable pairing mode\nand press Search-Button ...\n\nCurrent microphone:\n" + kUnit
                                             + "\nQJ5-0001\nCurrent headphone:\n" + kHeadphones + "\nSIM Headphones"));
        QVERIFY(search(&dialog));
        QCOMPARE(deviceButton(&dialog, 1)->getText2(), QString("02:00:00:00:51:0A   280404"));
        QCOMPARE(deviceButton(&dialog, 3)->getText2(), QString("02:00:00:00:99:03   2c0404"));

        auto* pages = dialog.findChild<QStackedWidget*>("mainArea");
        QCOMPARE(pages->currentWidget()->objectName(), QString("mainPage"));
        button(&dialog, "butInfo")->click();
        QCOMPARE(pages->currentWidget()->objectName(), QString("infoPage"));
        // The command in red, the sensor-unit module's lines in black.
        QTextDocument* document = dialog.findChild<QTextEdit*>("textBluetoothRcv")->document();
        QMap<QString, QColor> colours;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (!block.text().isEmpty())
                colours.insert(block.text(), block.begin().fragment().charFormat().foreground().color());
        }
        QCOMPARE(colours.value("INQUIRY 4 NAME"), QColor(Qt::red));
        QCOMPARE(colours.value("INQUIRY_PARTIAL 02:00:00:00:51:0A 280404"), QColor(Qt::black));
        button(&dialog, "butInfo")->click();
        QCOMPARE(pages->currentWidget()->objectName(), QString("mainPage"));
    }

    // Module text goes into the log as it is: markup in it stays text and does not swallow
    // the lines that follow it.
    void moduleTextStaysPlainText()
    {
        Instrument instrument;
        QVERIFY(instrument.linksUp());
        BtModuleSim* module = instrument.sim.sink();
        module->setInquiryDevices({});
        BluetoothPairing dialog(instrument.menu.get());
        dialog.setPairingDevice(1);
        button(&dialog, "butSearch")->click();
        module->writeRaw("<b>bold</b>\r\nINQUIRY_PARTIAL 02:00:00:00:51:0A 280404\r\nNAME 02:00:00:00:51:0A \"QJ5 Alpha\"\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(searchEnded(&dialog), 5000);
        QVERIFY(log(&dialog).contains("<b>bold</b>"));
        QCOMPARE(offered(&dialog), (QList<QPair<QString, QString>>{{"QJ5 Alpha", "02:00:00:00:51:0A"}}));
    }

    // Through the settings screen: the new peer is stored and its link restarted; a
    // pairing that is not confirmed stores nothing and the old peer is called again.
    void pairingFromTheSettingsScreen_data()
    {
        QTest::addColumn<bool>("sensorUnit");
        QTest::addColumn<bool>("refused");
        QTest::newRow("new sensor unit") << true << false;
        QTest::newRow("new headphones") << false << false;
        QTest::newRow("sensor unit refused, then cancelled") << true << true;
    }
    void pairingFromTheSettingsScreen()
    {
        QFETCH(bool, sensorUnit);
        QFETCH(bool, refused);
        Instrument instrument({{"Systemsettings/HeadphoneVolumeOffset", 3}});
        QVERIFY(instrument.linksUp());
        MainMenu& menu = *instrument.menu;
        BtModuleSim* module = instrument.module(sensorUnit);
        if (refused)
            module->setPairingAnswer(BtModuleSim::PairingAnswer::Fail);
        menu.displayWidget(5, 1, 0);
        auto* screen = qobject_cast<Systemsettings*>(menu.currentPage());
        QVERIFY(screen);
        menu.show();
        const QByteArray before = instrument.device.read(kSettings);

        // The neighbourhood of the simulated modules: the second unit or the second
        // headphones are the second or third device offered.
        const QString newPeer = sensorUnit ? "02:00:00:00:51:02" : "02:00:00:00:48:02";
        const QString newName = sensorUnit ? "QJ5-0002" : "SIM Headphones 2";
        bool sawDialog = false;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<BluetoothPairing*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || sawDialog)
                return;
            sawDialog = true;
            QTimer::singleShot(0, dialog, [&, dialog] {
                QVERIFY(search(dialog));
                int index = 0;
                for (int n = 1; n <= 3; ++n) {
                    if (deviceButton(dialog, n)->getText2() == newPeer)
                        index = n;
                }
                QVERIFY(dialog->grab().save(
                    screenshotPath(QString("pairing_%1_found.png").arg(sensorUnit ? "unit" : "headphones"))));
                if (index == 0) {
                    dialog->close();
                    return;
                }
                deviceButton(dialog, index)->click();
                if (refused) {
                    QVERIFY(
                        QTest::qWaitFor([dialog] { return pairingWaitEnded(dialog); }, TestSupport::timeBound(5000)));
                    button(dialog, "butCancel")->click();
                }
            });
        });
        driver.start(0);
        screen->findChild<QPushButton*>(sensorUnit ? "butPairedMicrophone" : "butPairedHeadphone")->click();
        driver.stop();
        QVERIFY(sawDialog);

        Bluetooth* link = sensorUnit ? menu.getBtSinkInstance() : menu.getBtSourceInstance();
        QSettings stored(instrument.device.hostPath(kSettings), QSettings::IniFormat);
        const QString key = sensorUnit ? "Bluetooth/Microphone" : "Bluetooth/Headphone";
        if (refused) {
            QCOMPARE(instrument.device.read(kSettings), before);
            QCOMPARE(link->getBtId(), kUnit);
            // The old peer is called again.
            QTRY_VERIFY_WITH_TIMEOUT(link->getBtState() == 6 && link->getBtMode() == 1, 5000);
            return;
        }
        QCOMPARE(stored.value(key + "_ID").toString(), newPeer);
        QCOMPARE(stored.value(key + "_Name").toString(), newName);
        QCOMPARE(stored.value("Systemsettings/HeadphoneVolumeOffset").toInt(), sensorUnit ? 3 : 0);
        QCOMPARE(screen->findChild<SettingsButton*>(sensorUnit ? "butPairedMicrophone" : "butPairedHeadphone")->getText2(),
                 newName);
        QCOMPARE(link->getBtId(), newPeer);
        QCOMPARE(module->peerAddress(), newPeer);

        // The link calls its new peer and comes up with it.
        if (sensorUnit) {
            QTRY_VERIFY_WITH_TIMEOUT(link->getBtState() == 6 && link->getBtMode() == 1, 5000);
            QVERIFY(module->commandLines().contains("CALL " + newPeer + " 1101 RFCOMM"));
            // The status bar asks the unit for its battery too: on a slow machine its
            // answers come beside the one to this request.
            QSignalSpy battery(link, &Bluetooth::btBatteryvoltageReceived);
            link->sendData("BT_TX B");
            QTRY_VERIFY(battery.count() >= 1);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(link->isConnectedAVRCP(), 5000);
            QTRY_VERIFY(module->commandLines().contains("CALL " + newPeer + " 111E HFP-AG"));
        }
        for (const BtModuleSim::Link& l : module->links())
            QCOMPARE(l.peer, newPeer);
    }
};

QTEST_MAIN(TestBluetoothPairing)
#include "tst_bluetoothpairing.moc"
