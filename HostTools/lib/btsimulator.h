#ifndef BTSIMULATOR_H
#define BTSIMULATOR_H

#include "btmodulesim.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

class BtControlLines;

// Both modules with their shared control lines, as the executable and the tests use them.
class BtSimulator : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        QString root;
        bool sink = true;   // "/dev/ttyO2", sensor unit behind it
        bool source = true; // "/dev/ttyO3", headphones behind it
        bool paired = false; // the modules know unit and headphones, so the links come up
        bool testDevices = false; // the test station's microphone and headphone in range
        QString unitAddress = QString::fromLatin1(BtModuleSim::kDefaultUnitAddress);
        QString headphoneAddress = QString::fromLatin1(BtModuleSim::kDefaultHeadphoneAddress);
        BtModuleSim::Timing timing;
    };

    explicit BtSimulator(QObject* parent = nullptr);
    ~BtSimulator() override;

    // Simulator thread only.
    bool start(const Options& options, QString* error = nullptr);
    BtModuleSim* sink() const { return m_sink; }
    BtModuleSim* source() const { return m_source; }

    // One control line from the run script ("mute", "unmute", "press", "release", ...);
    // returns an answer for the operator, empty when the line was not understood.
    QString control(const QString& line);
    static QString controlHelp();

    // "ROOT/bt-links", replaced whole at every change: one line per link of each module,
    // "MODULE ID PROFILE PEER KIND" (MODULE "sink" or "source", KIND as peerKind() says),
    // then "source testmode" while the source holds the test-mode set-up and "loopaudio
    // off" while the loop carries silence.
    static constexpr const char* kLinksFile = "bt-links";
    // The station's test devices in range (as "testdevices on|off").
    void setTestDevices(bool present);
    // The loop between the two modules carries sound (as "loopaudio on|off").
    void setLoopAudio(bool audio);

    // Puts the two peer addresses into the instrument's settings file when it exists and
    // holds none yet, as after a pairing. Returns true when the file was changed.
    static bool fillSettingsAddresses(const QString& root, const QString& unitAddress, const QString& headphoneAddress);

private:
    static bool firmwareControl(BtModuleSim* unit, const QStringList& tokens);
    static QString h2Control(BtModuleSim* unit, const QStringList& tokens);

    template <typename F> void onOwnThread(F&& f);
    void writeLinks();

    BtControlLines* m_lines = nullptr;
    BtModuleSim* m_sink = nullptr;
    BtModuleSim* m_source = nullptr;
    QString m_root;
    bool m_loopAudio = true;
};

// A simulator on a thread of its own, as a separate device is: the instrument's blocking
// waits for carrier detect see it answer. For tests; destroy it after the links that use it.
class BtSimulatorThread
{
public:
    BtSimulatorThread();
    ~BtSimulatorThread();
    BtSimulatorThread(const BtSimulatorThread&) = delete;
    BtSimulatorThread& operator=(const BtSimulatorThread&) = delete;

    bool start(const BtSimulator::Options& options, QString* error = nullptr);
    BtSimulator* simulator() const { return m_sim; }
    BtModuleSim* sink() const;
    BtModuleSim* source() const;

private:
    QThread m_thread;
    BtSimulator* m_sim = nullptr;
};

#endif // BTSIMULATOR_H
