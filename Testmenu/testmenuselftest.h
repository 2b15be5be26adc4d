#ifndef TESTMENUSELFTEST_H
#define TESTMENUSELFTEST_H

#include "Testmenu/testdialog.h"

#include <QString>

class Bluetooth;
class Gps;
class QLabel;
class QTimer;

namespace Ui {
class TestmenuSelftest;
}

// Checks in one run that the main chips answer: charge controller and fuel gauge (their
// sysfs names and values), the audio codec (two mixer settings read back), both Bluetooth
// modules ("AT" answered "OK" within a second) and the GPS receiver (fresh sentences
// within three seconds). Pass is offered once all six succeeded; the station reads each
// verdict with the status commands.
class TestmenuSelftest : public TestDialog
{
    Q_OBJECT

public:
    static constexpr int kDefaultBtVerdictMs = 1000;
    static constexpr int kDefaultGpsVerdictMs = 3000;
    static constexpr int kDefaultGpsPollMs = 1200;
    // Each mixer command may take this long to start and again to answer.
    static constexpr int kMixerWaitMs = 30000;
    static constexpr int kMaxMixerOutputBytes = 4096;
    // Tests shorten these; a run takes them when it starts.
    static int& btVerdictMs();
    static int& gpsVerdictMs();
    static int& gpsPollMs();

    explicit TestmenuSelftest(QWidget* parent = nullptr);
    ~TestmenuSelftest() override;

    // The six checks: 0 success, 1 verdict later, negative a failure; `message` gets the
    // text of the check's state label.
    int startTestChargeController(QString* message);
    int startTestFuelGauge(QString* message);
    int startTestAudioCodec(QString* message);
    int startTestBluetoothIn(QString* message);
    int startTestBluetoothOut(QString* message);
    int startTestGps(QString* message);

    bool allPassed() const;

public slots:
    void on_butStart_clicked();
    void receivedAtOkSink();
    void receivedAtOkSource();
    int analyseResultBtSink();
    int analyseResultBtSource();
    int analyseResultGps();
    void updateGps();

protected:
    bool executeOwnCommand(const QString& line) override;

private:
    int startAtCheck(Bluetooth* module, void (TestmenuSelftest::*onOk)(), bool* okReceived, QTimer* verdict,
                     QString* message);
    // Shows the verdict of a delayed check and keeps it.
    int decide(bool passed, QLabel* label, bool* result);
    void showPassWhenAllPassed();
    void answerStatus(const char* name, bool passed);

    Ui::TestmenuSelftest* ui;
    Bluetooth* m_btSink = nullptr;
    Bluetooth* m_btSource = nullptr;
    Gps* m_gpsModul = nullptr;
    QTimer* m_timerGps;
    // The delayed verdicts; a new run restarts them, so a verdict of an earlier run never
    // decides a later one.
    QTimer* m_verdictBtSink;
    QTimer* m_verdictBtSource;
    QTimer* m_verdictGps;
    bool m_btSinkAtOkReceived = false;
    bool m_btSourceAtOkReceived = false;
    QString m_gpsLine1;
    QString m_gpsLine2;
    int m_currentGpsLine = 1;
    bool m_test1 = false;
    bool m_test2 = false;
    bool m_test3 = false;
    bool m_test4 = false;
    bool m_test5 = false;
    bool m_test6 = false;
};

#endif // TESTMENUSELFTEST_H
