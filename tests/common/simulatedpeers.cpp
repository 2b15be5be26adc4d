#include "simulatedpeers.h"

#include "Hardware/platform.h"
#include "mainmenu.h"

#include <QtTest>

namespace TestSupport {

QVariantMap pairedPeers()
{
    return {{QStringLiteral("Bluetooth/Microphone_ID"), kUnit},
            {QStringLiteral("Bluetooth/Headphone_ID"), kHeadphones}};
}

Bluetooth::Timing quickLinkTiming()
{
    Bluetooth::Timing t;
    t.slowTickMs = 20;
    t.retryDelayMs = 60;
    t.disconnectPauseMs = 10;
    return t;
}

void initLinkTest()
{
    Bluetooth::timing() = quickLinkTiming();
    clearLoggedMessages();
}

void cleanupLinkTest()
{
    Bluetooth::timing() = Bluetooth::Timing();
    verifyExpectedMessagesSeen();
}

void PageTest::initTestCase()
{
    installStrictMessageHandler();
    useDeviceLook();
}

BtSimulator::Options quickSimOptions(const DeviceRoot& device, bool paired)
{
    BtSimulator::Options options;
    options.root = device.root();
    options.paired = paired;
    options.timing.connectDelayMs = 5;
    options.timing.autoCallMs = 20;
    options.timing.peerOpenDelayMs = 5;
    options.timing.bootDelayMs = 5;
    options.timing.inquiryDelayMs = 5;
    options.timing.pairDelayMs = 5;
    return options;
}

bool waitForRestingLinks(const MainMenu& menu, int timeoutMs)
{
    return QTest::qWaitFor(
        [&menu] {
            return menu.getBtSinkInstance()->getBtState() == 2 && menu.getBtSourceInstance()->getBtState() == 2;
        },
        TestSupport::timeBound(timeoutMs));
}

PairedInstrument::PairedInstrument(const QVariantMap& settings, const QVariantMap& overrides)
{
    QVariantMap values = pairedPeers();
    values.insert(settings);
    writeSettings(device, values, overrides);
    simStarted = sim.start(quickSimOptions(device, true));
    Platform::setTerminateHandler([](int) {});
}

PairedInstrument::~PairedInstrument() = default;

bool PairedInstrument::waitForLinksUp() const
{
    const Bluetooth* sink = menu->getBtSinkInstance();
    const Bluetooth* source = menu->getBtSourceInstance();
    return QTest::qWaitFor(
        [&] {
            return sink->getBtState() == 6 && sink->getBtMode() == 1 && source->isConnectedAVRCP()
                && source->getBtExtHeadphoneBatteryState() >= 0
                && sim.source()->transcript().contains(QStringLiteral("AVRCP PDU 50 50"));
        },
        TestSupport::timeBound(5000));
}

void PairedInstrument::startMainMenu()
{
    menu.reset(new MainMenu);
}

} // namespace TestSupport
