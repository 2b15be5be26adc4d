#ifndef TESTMENUAUDIOLOOPBACK_H
#define TESTMENUAUDIOLOOPBACK_H

#include "Testmenu/testdialog.h"

#include <functional>

class AudioCodecSetup;
class Bluetooth;
class MainMenu;
class QTimer;

namespace Ui {
class TestMenuAudioLoopback;
}

// The audio loopback test of the production test menu, opened by its button or by
// "cmdTestAudioLoopback": the instrument's sink module pairs with and calls its own source
// module, set up in test mode, so that the tone at the external connector comes back
// through both modules to the codec; the dialog judges its level and dominant frequency
// against fixed windows and tells the station on request. Closing leaves the modules,
// the codec (listening path open) and the shared connector as they are.
class TestMenuAudioLoopback : public TestDialog
{
    Q_OBJECT

public:
    static constexpr int kStatePeriodMs = 500;
    static constexpr int kValuesPeriodMs = 500;
    // Pass windows, both bounds included.
    static constexpr float kLevelMinDb = 78.0f;
    static constexpr float kLevelMaxDb = 86.0f;
    static constexpr int kFrequencyMinHz = 350;
    static constexpr int kFrequencyMaxHz = 450;

    // What the analysis shows now: the level in the instrument's dB, the dominant
    // frequency, and how many blocks it has analysed so far.
    struct Reading
    {
        float levelDb = 0;
        int frequencyHz = 0;
        quint64 blocks = 0;
    };
    using ReadingSource = std::function<Reading()>;

    explicit TestMenuAudioLoopback(QWidget* parent = nullptr);
    ~TestMenuAudioLoopback() override;

    // The readings come from the analysis worker unless replaced; the block count the new
    // source shows now counts as seen.
    void setReadingSource(ReadingSource source);

    bool isLoopbackMode() const { return m_loopbackMode; }
    float levelDb() const { return m_rmsLevelValdB; }
    int frequencyHz() const { return m_significandFrequency; }

public slots:
    void on_butEnableBtLoop_clicked();
    void btModulResetReceivedSink();
    void btModulResetReceivedSource();
    void btModulPairingSinkOk();
    void startPairingModuls();
    void updateState();
    void updateValues();

protected:
    bool executeOwnCommand(const QString& line) override;
    bool leaving() override;

private:
    void openChain(MainMenu* mainMenu);
    void stopTimers();

    Ui::TestMenuAudioLoopback* ui;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    QTimer* m_timer = nullptr;
    QTimer* m_timerValues = nullptr;
    ReadingSource m_readingSource;
    quint64 m_blocksSeen = 0;
    bool m_loopbackMode = false;
    bool m_sinkResetReceived = false;
    bool m_sourceResetReceived = false;
    bool m_measuredFrequencyOk = false;
    bool m_measuredLevelOk = false;
    float m_rmsLevelValdB = 0;
    int m_significandFrequency = 0;
};

#endif // TESTMENUAUDIOLOOPBACK_H
