#ifndef SIMULATEDPEERS_H
#define SIMULATEDPEERS_H

#include "Hardware/bluetooth.h"
#include "btsimulator.h"
#include "testsupport.h"

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <memory>

class MainMenu;

// For the tests against the simulated sensor unit and headphones behind the instrument's
// Bluetooth modules.
namespace TestSupport {

inline const QString kUnit = QString::fromLatin1(BtModuleSim::kDefaultUnitAddress);
inline const QString kHeadphones = QString::fromLatin1(BtModuleSim::kDefaultHeadphoneAddress);

// The settings of an instrument paired with the two: their addresses.
QVariantMap pairedPeers();

// Link timing with short ticks and pauses, so that a link against the simulated modules
// goes through its states within a test's patience.
Bluetooth::Timing quickLinkTiming();
// The init() and cleanup() of a test against the simulated links: each test function
// starts with the quick link timing and no messages of the one before, and gives the
// default timing back once the messages it announced were checked.
void initLinkTest();
void cleanupLinkTest();

// The base of a test of the measuring pages in the main window: QtTest finds these slots
// as the test's own, the strict message handler and the device's look for the whole run
// and the link test's init() and cleanup() around each test function.
class PageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { initLinkTest(); }
    void cleanup() { cleanupLinkTest(); }
};

// Options for simulated modules on device's tree that answer within milliseconds, so that
// links come up, searches end and pairings answer well within a test's patience.
BtSimulator::Options quickSimOptions(const DeviceRoot& device, bool paired);

// Waits until both links of the main window rest in command mode with no call going on,
// as they do against modules that know no peer. False when they do not within timeoutMs.
bool waitForRestingLinks(const MainMenu& menu, int timeoutMs = 5000);

// An instrument on a fresh device tree, paired with the simulated unit and headphones: its
// settings name them (with settings and then overrides over them, as writeSettings()
// takes them) and the simulated modules know them. A request to power off or reboot is
// ignored, so that the test outlives it.
struct PairedInstrument
{
    explicit PairedInstrument(const QVariantMap& settings = {}, const QVariantMap& overrides = {});
    ~PairedInstrument();
    PairedInstrument(const PairedInstrument&) = delete;
    PairedInstrument& operator=(const PairedInstrument&) = delete;

    // The main window, which brings both links up.
    void startMainMenu();
    // Whether both links came all the way up: the sensor unit's in data mode, the
    // headphones' with remote control, battery report and the start volume the status bar
    // sets. Events of a link still coming up would reach a test's dialog.
    bool waitForLinksUp() const;

    DeviceRoot device;
    BtSimulatorThread sim; // outlives the main window, whose links use it
    std::unique_ptr<MainMenu> menu;
    bool simStarted = false;
};

} // namespace TestSupport

#endif // SIMULATEDPEERS_H
