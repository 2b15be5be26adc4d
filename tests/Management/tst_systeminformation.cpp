#include "Management/SettingsAdjust/systeminformation.h"
#include "Tools/virtualkeyboard.h"
#include "failingcard.h"
#include "globals.h"
#include "mainmenu.h"
#include "ptypeer.h"
#include "simulatedpeers.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

using TestSupport::DeviceRoot;
using TestSupport::ModalCloser;
using TestSupport::screenshotPath;

namespace {

const char* const kAdc = "/sys/bus/iio/devices/iio:device0/";
const char* const kGauge = "/sys/class/power_supply/bq27426-0/";

QString text(QWidget& dialog, const char* edit)
{
    return TestSupport::child<QLineEdit>(dialog, edit)->text();
}

QPushButton* debugButton(QWidget& dialog)
{
    return dialog.findChild<QPushButton*>(QStringLiteral("butDebugFeatures"));
}

void setAdc(const DeviceRoot& device, const QByteArray& ain4, const QByteArray& ain5)
{
    const QString dir = QString::fromLatin1(kAdc);
    if (ain4.isNull())
        device.remove(dir + "in_voltage4_raw");
    else
        device.write(dir + "in_voltage4_raw", ain4);
    if (ain5.isNull())
        device.remove(dir + "in_voltage5_raw");
    else
        device.write(dir + "in_voltage5_raw", ain5);
}

// Types `code` into the keyboard that the hidden button opens and accepts it.
std::function<void(QWidget*)> typeCode(const QString& code)
{
    return [code](QWidget* modal) {
        auto* keyboard = qobject_cast<VirtualKeyboard*>(modal);
        QVERIFY(keyboard);
        keyboard->setText(code);
        modal->findChild<QPushButton*>(QStringLiteral("but_Accept"))->click();
    };
}

int storedDebugFeatures(const DeviceRoot& device)
{
    QSettings file(device.hostPath("/home/root/settings.ini"), QSettings::IniFormat);
    return file.value("Debug/Debugfeatures", -1).toInt();
}

} // namespace

class TestSysteminformation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init()
    {
        TestSupport::clearLoggedMessages();
        g_debugFeatures = 0;
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void firmwareStorage_data()
    {
        QTest::addColumn<QByteArray>("df");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("debug");
        QTest::newRow("SD card") << QByteArray("Filesystem Type Size\n/dev/root ext4 3.5G\n") << "V 1.8.0 (S)" << "Filesystem: SD-Karte";
        QTest::newRow("flash") << QByteArray("Filesystem Type Size\nubi0:root ubifs 200M\n") << "V 1.8.0 (F)" << "Filesystem: Flash";
        QTest::newRow("both: SD card wins") << QByteArray("ubi0:root ubifs\n/dev/root ext4\n") << "V 1.8.0 (S)" << "Filesystem: SD-Karte";
        QTest::newRow("neither") << QByteArray("tmpfs tmpfs 100M\n") << "V 1.8.0 ()" << "Filesystem: Unknown";
        QTest::newRow("no output") << QByteArray("") << "V 1.8.0 ()" << "Filesystem: Unknown";
        // Only the start of a long listing is looked at.
        QTest::newRow("beyond 2048 bytes") << QByteArray(2100, 'x') + "/dev/root" << "V 1.8.0 ()" << "Filesystem: Unknown";
        QTest::newRow("does not start") << QByteArray("nostart") << "V 1.8.0 ()"
                                        << "Prozess konnte nicht gestartet werden.";
    }
    void firmwareStorage()
    {
        QFETCH(QByteArray, df);
        QFETCH(QString, shown);
        QFETCH(QString, debug);
        DeviceRoot device;
        device.write(df == "nostart" ? "/command-status/df_-Th" : "/command-output/df_-Th", df);
        Systeminformation dialog;
        dialog.init();
        QCOMPARE(text(dialog, "editFirmwareversion"), shown);
        QVERIFY(TestSupport::logged(debug));
        QVERIFY(device.commands().contains("df -Th"));
    }

    void hardwareVersion_data()
    {
        QTest::addColumn<QByteArray>("ain4");
        QTest::addColumn<QByteArray>("ain5");
        QTest::addColumn<QString>("version");
        QTest::newRow("1001 both") << QByteArray("1001\n") << QByteArray("1001\n") << "V 1";
        QTest::newRow("1399 both") << QByteArray("1399\n") << QByteArray("1399\n") << "V 1";
        QTest::newRow("1000 on AIN4") << QByteArray("1000\n") << QByteArray("1200\n") << "unknown";
        QTest::newRow("1400 on AIN5") << QByteArray("1200\n") << QByteArray("1400\n") << "unknown";
        QTest::newRow("AIN4 unreadable") << QByteArray() << QByteArray("1200\n") << "unknown";
        QTest::newRow("AIN5 unreadable") << QByteArray("1200\n") << QByteArray() << "unknown";
        QTest::newRow("garbage") << QByteArray("12x0\n") << QByteArray("1200\n") << "unknown";
    }
    void hardwareVersion()
    {
        QFETCH(QByteArray, ain4);
        QFETCH(QByteArray, ain5);
        QFETCH(QString, version);
        DeviceRoot device;
        setAdc(device, ain4, ain5);
        device.write(QString::fromLatin1(kAdc) + "buffer/enable", "1");
        device.journalWrites();
        Systeminformation dialog;
        QCOMPARE(dialog.hardwareVersion(), QString("V 0"));
        dialog.init();
        QCOMPARE(text(dialog, "editHardwareversion"), version);
        // Buffered capture is stopped before the single reads.
        QCOMPARE(device.read(QString::fromLatin1(kAdc) + "buffer/enable"), QByteArray("0"));
        QCOMPARE(device.writes(), QStringList({QString::fromLatin1(kAdc) + "buffer/enable 0"}));
        if (ain4.isNull())
            QVERIFY(TestSupport::logged("Cannot read analog input AIN4"));
        if (version == "unknown")
            QVERIFY(TestSupport::logged("Unknown HardwareVersion"));
    }

    void identityAndBattery_data()
    {
        QTest::addColumn<QByteArray>("bsp");
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<QByteArray>("capacity");
        QTest::addColumn<QByteArray>("voltage");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("all there")
            << QByteArray("Board support BSP V2.3.1 built 2024\n") << QByteArray("TK94-001234\n") << QByteArray(" 87\n")
            << QByteArray("3851230\n") << QStringList({"V 2.3.1", "TK94-001234", "3.85123 V (87 %)"});
        QTest::newRow("no version in the BSP file, long serial cut")
            << QByteArray("host simulation\n") << QByteArray("123456789012345\n") << QByteArray("100\n")
            << QByteArray("4200000\n") << QStringList({"unknown", "123456789012", "4.2 V (100 %)"});
        QTest::newRow("files missing") << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                       << QStringList({"unknown", "unknown", "0 V (0 %)"});
    }
    void identityAndBattery()
    {
        QFETCH(QByteArray, bsp);
        QFETCH(QByteArray, serial);
        QFETCH(QByteArray, capacity);
        QFETCH(QByteArray, voltage);
        QFETCH(QStringList, shown);
        DeviceRoot device;
        const auto put = [&device](const QString& path, const QByteArray& value) {
            if (value.isNull())
                device.remove(path);
            else
                device.write(path, value);
        };
        put("/home/root/bspinfo", bsp);
        put("/home/root/serialNumber", serial);
        put(QString::fromLatin1(kGauge) + "capacity", capacity);
        put(QString::fromLatin1(kGauge) + "voltage_now", voltage);
        Systeminformation dialog;
        dialog.init();
        QCOMPARE(QStringList({text(dialog, "editOperatingSystem"), text(dialog, "editSerialnumber"),
                              text(dialog, "editBattery")}),
                 shown);
        QCOMPARE(text(dialog, "editHardwareversion"), QString("V 1")); // the simulated board's inputs
        // Without links the addresses stay unknown until the first poll.
        QCOMPARE(text(dialog, "editBluetoothIdRx"), QString("unknown"));
        QCOMPARE(text(dialog, "editBluetoothIdTx"), QString("unknown"));
    }

    // Both modules are asked for their own address; each answer shows up at the next poll,
    // a module that has not answered yet shows an empty field, and the poll stops once
    // both are known. The module ends are fed by hand, so the answers come one at a time.
    void moduleAddresses()
    {
        DeviceRoot device;
        PtyPeer sinkModule;
        PtyPeer sourceModule;
        QVERIFY(sinkModule.open(device.hostPath("/dev/ttyO2")));
        QVERIFY(sourceModule.open(device.hostPath("/dev/ttyO3")));
        QByteArray toSink;
        QByteArray toSource;
        connect(&sinkModule, &PtyPeer::received, [&toSink](const QByteArray& data) { toSink += data; });
        connect(&sourceModule, &PtyPeer::received, [&toSource](const QByteArray& data) { toSource += data; });
        MainMenu menu;
        Systeminformation dialog(&menu);
        dialog.init();
        // Before the first poll, which a loaded machine may reach while the questions travel.
        QCOMPARE(text(dialog, "editBluetoothIdRx"), QString("unknown"));
        QTRY_VERIFY(toSink.contains("SET BT BDADDR"));
        QTRY_VERIFY(toSource.contains("SET BT BDADDR"));
        QTimer* poll = dialog.findChild<QTimer*>();
        QVERIFY(poll && poll->isActive());
        QCOMPARE(poll->interval(), 1000);

        QVERIFY(sinkModule.write("SET BT BDADDR 00:07:80:5a:11:01\r\n"));
        QTRY_COMPARE_WITH_TIMEOUT(text(dialog, "editBluetoothIdRx"), QString("00:07:80:5a:11:01"), 3000);
        QCOMPARE(text(dialog, "editBluetoothIdTx"), QString());
        QTest::qWait(1100);
        QVERIFY(poll->isActive());

        QVERIFY(sourceModule.write("SET BT BDADDR 00:07:80:5a:22:02\r\n"));
        QTRY_COMPARE_WITH_TIMEOUT(text(dialog, "editBluetoothIdTx"), QString("00:07:80:5a:22:02"), 3000);
        QVERIFY(!poll->isActive());
        QVERIFY(TestSupport::logged("BT-ID Sink 00:07:80:5a:11:01"));
    }

    // The simulated modules answer the query with their own addresses.
    void moduleAddressesFromTheSimulator()
    {
        DeviceRoot device;
        BtSimulatorThread sim;
        QVERIFY(sim.start(TestSupport::quickSimOptions(device, false)));
        MainMenu menu;
        Systeminformation dialog(&menu);
        dialog.init();
        QTRY_COMPARE_WITH_TIMEOUT(text(dialog, "editBluetoothIdRx"), sim.sink()->address(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(text(dialog, "editBluetoothIdTx"), sim.source()->address(), 5000);
        QVERIFY(!sim.sink()->address().isEmpty() && sim.sink()->address() != sim.source()->address());
        QTRY_VERIFY(!dialog.findChild<QTimer*>()->isActive());
    }

    void debugUnlock()
    {
        DeviceRoot device;
        MainMenu menu;
        Systeminformation dialog(&menu);
        dialog.init();
        QPushButton* hidden = debugButton(dialog);
        QCOMPARE(hidden->text(), QString());
        {
            ModalCloser closer(typeCode("VZK"));
            hidden->click();
            hidden->click();
            QCOMPARE(closer.seen(), QStringList());
            hidden->click();
            QCOMPARE(closer.seen(), QStringList({"VirtualKeyboard"}));
        }
        QCOMPARE(g_debugFeatures, 1);
        QCOMPARE(hidden->text(), QString("Debug Enabled"));
        QCOMPARE(storedDebugFeatures(device), 1);

        // Once on, one press prompts; a wrong code switches the features off.
        {
            ModalCloser closer(typeCode("abc"));
            hidden->click();
            QCOMPARE(closer.seen(), QStringList({"VirtualKeyboard"}));
        }
        QCOMPARE(g_debugFeatures, 0);
        QCOMPARE(hidden->text(), QString());
        QCOMPARE(storedDebugFeatures(device), 0);

        // The count starts again after each prompt; Cancel also switches off.
        {
            ModalCloser closer(typeCode("vzk"));
            for (int i = 0; i < 3; ++i)
                hidden->click();
            QCOMPARE(closer.seen().size(), 1);
        }
        QCOMPARE(g_debugFeatures, 1);
        {
            ModalCloser closer; // cancelled
            hidden->click();
            QCOMPARE(closer.seen(), QStringList({"VirtualKeyboard"}));
        }
        QCOMPARE(g_debugFeatures, 0);
        QCOMPARE(storedDebugFeatures(device), 0);

        // The features come on only with a settings file that says so.
        FailingCard card(FailingCard::WritesFail, device.hostPath("/home/root"));
        QVERIFY(card.fail());
        TestSupport::expectMessage(QtWarningMsg, QRegularExpression("^Could not write settings file:"));
        {
            ModalCloser closer([](QWidget* modal) {
                if (qobject_cast<VirtualKeyboard*>(modal))
                    typeCode("VZK")(modal);
            });
            for (int i = 0; i < 3; ++i)
                hidden->click();
            QCOMPARE(closer.seen(), QStringList({"VirtualKeyboard", "MessageDialog"}));
        }
        QCOMPARE(g_debugFeatures, 0);
        QCOMPARE(hidden->text(), QString());
        QCOMPARE(storedDebugFeatures(device), 0);
    }

    void reopenedWithFeaturesOn()
    {
        DeviceRoot device;
        g_debugFeatures = 1;
        Systeminformation dialog;
        dialog.init();
        QCOMPARE(debugButton(dialog)->text(), QString("Debug Enabled"));
        g_debugFeatures = 0;
    }

    void backAndKeys()
    {
        DeviceRoot device;
        Systeminformation dialog;
        dialog.init();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Return);
        TestSupport::holdEscape(&dialog, [&] { QVERIFY(dialog.isVisible()); });
        QVERIFY(!dialog.isVisible());
        dialog.show();
        dialog.findChild<QPushButton*>(QStringLiteral("butMenuBack"))->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void screenshot()
    {
        DeviceRoot device; // the simulated board's own version files
        device.write("/home/root/serialNumber", "TK94-001234\n");
        setAdc(device, "1200\n", "1200\n");
        QVERIFY(TestSupport::useDeviceLook());
        QTranslator english;
        QVERIFY(TestSupport::installEnglish(english));
        {
            g_debugFeatures = 1;
            Systeminformation dialog;
            dialog.init();
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(text(dialog, "editOperatingSystem"), QString("V 1.0.0"));
            const QImage image = dialog.grab().toImage();
            QCOMPARE(image.size(), QSize(480, 272));
            QVERIFY(image.save(screenshotPath(QStringLiteral("systeminformation.png"))));
            for (QLabel* label : dialog.findChildren<QLabel*>())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->objectName()));
            for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
                QVERIFY2(edit->fontMetrics().horizontalAdvance(edit->text()) < edit->width() - 12,
                         qPrintable(edit->objectName()));
            g_debugFeatures = 0;
        }
        qApp->removeTranslator(&english);
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestSysteminformation)
#include "tst_systeminformation.moc"
