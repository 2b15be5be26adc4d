#ifndef ADCSIM_H
#define ADCSIM_H

#include <QByteArray>
#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>

class QTimer;

// Leak-like test signal: band-limited Gaussian noise plus an optional sine, one
// continuous stream of signed 16-bit samples, the same for the same seed.
struct LeakSignalSettings
{
    quint32 seed = 1;
    double noiseLowHz = 200;
    double noiseHighHz = 1500;
    double noiseRms = 300; // counts of the 16-bit full scale
    double toneHz = 0;
    double toneRms = 0; // counts; 0: no tone
};

class LeakSignal
{
public:
    using Settings = LeakSignalSettings;

    explicit LeakSignal(double sampleRate, const Settings& settings = Settings());

    // Takes the new settings without a jump in time; a new seed starts the noise afresh.
    void setSettings(const Settings& settings);
    Settings settings() const { return m_settings; }
    double sampleRate() const { return m_sampleRate; }
    // RMS of the mixture in counts, as a long block of it measures.
    double expectedRms() const;

    // The next count samples as S16LE; the signal goes on from there.
    QByteArray next(int count);
    // Samples first, first + 1, ... as S16LE, each n mod 65536 (for checks of the byte path).
    static QByteArray counting(qint64 first, int count);

private:
    struct Biquad
    {
        double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
        double z1 = 0, z2 = 0;
        double run(double x);
    };

    void design();
    double nextNoise();
    double gaussian();

    double m_sampleRate;
    Settings m_settings;
    QRandomGenerator m_random;
    Biquad m_filter[4];
    int m_filters = 0;
    double m_noiseGain = 0;
    double m_phase = 0; // of the tone, in cycles
    bool m_haveSpare = false;
    double m_spare = 0;
};

// The board's ADC as the instrument reads it: "ROOT/dev/iio:device0" is a regular file
// that holds the newest block, 2048 bytes = 1024 samples at 7670 Hz of one continuous
// leak signal, replaced atomically (a temporary file renamed over it) a block period
// after the last. While "buffer/enable" of the IIO device does not read "1" the file is
// empty. Misbehaviours: silence (zeros), short blocks, no device file.
//
// In chain mode each block is what reaches the codec input that the simulated codec's
// mixer state ("ROOT/codec-mixer.state") selects, over a low noise floor: IN1 the sink
// module's audio, the leak signal while it is linked to the sensor unit or the test
// microphone's tone while linked to that ("mic HZ LEVEL"); IN3 the external connector's
// tone ("ext HZ LEVEL"). While the source module holds its test-mode set-up the connector
// feeds the loop between the two modules, so IN3 carries the tone only while the sink's
// audio link to the source module is up and the loop carries sound. The links come from
// the Bluetooth simulator's "ROOT/bt-links"; without it nothing is linked.
//
// Tests either let it run on its timer against a tree, or take blocks with nextBlock().
class AdcSimulator : public QObject
{
    Q_OBJECT
public:
    static constexpr double kSampleRate = 7670;
    static constexpr int kBlockSamples = 1024;
    static constexpr int kBlockBytes = 2 * kBlockSamples;
    // 1024 / 7670 s
    static constexpr int kBlockPeriodMs = 134;

    enum class Mode { Normal, Silence, Short, Missing };
    // The noise floor of the chain's inputs, counts RMS.
    static constexpr double kFloorRms = 10;

    // A sine that goes on without a jump when it is changed.
    struct Tone
    {
        double hz = 0;
        double rms = 0; // counts; 0: none
        double phase = 0;
    };

    explicit AdcSimulator(const LeakSignal::Settings& settings = LeakSignal::Settings(), QObject* parent = nullptr);
    ~AdcSimulator() override;

    // The tree whose IIO device is served; the files are written from start() on.
    void setRoot(const QString& root);
    QString devicePath() const;
    void start(int periodMs = kBlockPeriodMs);
    void stop();

    // The next block of the signal as served in the current mode (silence: zeros, short:
    // the first N bytes); the signal advances by one block in every mode.
    QByteArray nextBlock();
    // One block period: the next block into the device file (or empty while the buffer is
    // disabled, or no file while missing).
    void publish();

    LeakSignal& signal() { return m_signal; }
    Mode mode() const { return m_mode; }
    void setMode(Mode mode, int shortBytes = 0);
    int blocksServed() const { return m_blocksServed; }
    void setChain(bool chain) { m_chain = chain; }
    bool isChain() const { return m_chain; }
    void setMicTone(double hz, double rms);
    void setExtTone(double hz, double rms);

    // One control line ("help" lists them); the answer, or an empty string when the line
    // is not understood.
    QString control(const QString& line);
    static QString controlHelp();
    QString status() const;
    // The control lines taken and the changes of the buffer's state, in order.
    QStringList transcript() const { return m_transcript; }

private:
    bool bufferEnabled() const;
    QByteArray chainBlock();
    static void addTone(QVector<double>& samples, Tone& tone);
    bool writeDevice(const QByteArray& bytes);

    LeakSignal m_signal;
    QTimer* m_timer = nullptr;
    QString m_root;
    Mode m_mode = Mode::Normal;
    int m_shortBytes = 0;
    int m_blocksServed = 0;
    int m_lastState = -1; // what the file held last: -1 unknown, 0 empty, 1 a block, 2 no file
    bool m_chain = false;
    LeakSignal m_floor;
    Tone m_mic;
    Tone m_ext;
    QStringList m_transcript;
};

#endif // ADCSIM_H
