// The microphone gain dialog with the main window on a fresh device tree, for the wired
// sensor and for the sensor unit.
#include "Audio/micsettings.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "codecmixer.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>
#include <memory>

using TestSupport::button;
using TestSupport::child;
using TestSupport::DeviceRoot;

class TestMicsettings : public QObject
{
    Q_OBJECT

    std::unique_ptr<DeviceRoot> m_device;
    std::unique_ptr<MainMenu> m_menu;
    QTranslator m_english;

    void fitWiredSensor(bool wired)
    {
        m_device->write("/sys/class/gpio/gpio48/value", wired ? "1" : "0");
        StatusbarData()->update();
        QCOMPARE(StatusbarData()->sensorType() == 4, wired);
    }

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
        m_device.reset(new DeviceRoot);
        m_menu.reset(new MainMenu);
    }
    void cleanup()
    {
        fitWiredSensor(false);
        m_menu.reset();
        m_device.reset();
        TestSupport::verifyExpectedMessagesSeen();
    }

    void gainTextAndFocus_data()
    {
        QTest::addColumn<bool>("wired");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("wired, step 3") << true << 3 << "3(22.5 dB)";
        QTest::newRow("wired, step 1") << true << 1 << "1(9 dB)";
        QTest::newRow("sensor unit, step 3") << false << 3 << "3(18 dB)";
        QTest::newRow("sensor unit, step 6") << false << 6 << "6(36 dB)";
    }
    void gainTextAndFocus()
    {
        QFETCH(bool, wired);
        QFETCH(int, step);
        QFETCH(QString, text);
        fitWiredSensor(wired);
        m_menu->setMicGainStep(step);
        Micsettings dialog;
        QCOMPARE(child<QLabel>(dialog, "labelMicGain")->text(), text);
        // The English title is the window's only: never on the screen, in any language.
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            QVERIFY(label->text() != dialog.windowTitle());
        QCOMPARE(dialog.focusWidget(), button(dialog, QString("butGain%1").arg(step)));

        // Choosing another step shows its gain at once.
        button(dialog, "butGain2")->click();
        QCOMPARE(child<QLabel>(dialog, "labelMicGain")->text(), QString(wired ? "2(18 dB)" : "2(12 dB)"));
        if (wired && step == 3)
            QVERIFY(dialog.grab().save(TestSupport::screenshotPath("micsettings.png")));
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
        fitWiredSensor(true);
        m_menu->setMicGainStep(3);
        Micsettings dialog;
        dialog.show();
        button(dialog, "butGain5")->click();
        QCOMPARE(CodecMixer::state(*m_device).value("PGA Level"), 3500L);
        if (accept)
            button(dialog, "butClose")->click();
        else
            TestSupport::holdEscape(&dialog, [&] { QVERIFY(dialog.isVisible()); });
        QCOMPARE(dialog.result(), accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
        // The gain stays applied either way; only the check button makes the step current.
        QCOMPARE(m_menu->getMicGainStep(), 5);
        QCOMPARE(m_menu->getCurrentMicGainStep(), accept ? 5 : 3);
    }
};

QTEST_MAIN(TestMicsettings)
#include "tst_micsettings.moc"
