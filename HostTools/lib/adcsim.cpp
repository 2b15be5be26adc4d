#include "adcsim.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

#include <cmath>

namespace {
const double kPi = 3.14159265358979323846;
const char kEnablePath[] = "/sys/bus/iio/devices/iio:device0/buffer/enable";
const char kDevicePath[] = "/dev/iio:device0";
} // namespace

// ---- LeakSignal --------------------------------------------------------------------

double LeakSignal::Biquad::run(double x)
{
    const double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return y;
}

LeakSignal::LeakSignal(double sampleRate, const Settings& settings)
    : m_sampleRate(sampleRate)
    , m_settings(settings)
    , m_random(settings.seed)
{
    design();
}

void LeakSignal::setSettings(const Settings& settings)
{
    const Settings old = m_settings;
    m_settings = settings;
    if (settings.seed != old.seed) {
        m_random.seed(settings.seed);
        m_haveSpare = false;
    }
    if (settings.noiseLowHz != old.noiseLowHz || settings.noiseHighHz != old.noiseHighHz
        || settings.noiseRms != old.noiseRms || settings.seed != old.seed)
        design();
}

// Two second-order sections on each side of the band: 24 dB per octave outside it. The
// gain makes the filtered unit-variance noise come out at the RMS asked for, from the
// energy of the cascade's impulse response.
void LeakSignal::design()
{
    auto section = [this](double hz, bool highPass) {
        const double w0 = 2 * kPi * hz / m_sampleRate;
        const double cosw = std::cos(w0);
        const double alpha = std::sin(w0) / (2 * std::sqrt(0.5));
        const double a0 = 1 + alpha;
        Biquad q;
        if (highPass) {
            q.b0 = (1 + cosw) / 2 / a0;
            q.b1 = -(1 + cosw) / a0;
        } else {
            q.b0 = (1 - cosw) / 2 / a0;
            q.b1 = (1 - cosw) / a0;
        }
        q.b2 = q.b0;
        q.a1 = -2 * cosw / a0;
        q.a2 = (1 - alpha) / a0;
        return q;
    };
    m_filters = 0;
    const double nyquist = m_sampleRate / 2;
    if (m_settings.noiseLowHz > 0 && m_settings.noiseLowHz < nyquist) {
        m_filter[m_filters++] = section(m_settings.noiseLowHz, true);
        m_filter[m_filters++] = section(m_settings.noiseLowHz, true);
    }
    if (m_settings.noiseHighHz > 0 && m_settings.noiseHighHz < 0.95 * nyquist) {
        m_filter[m_filters++] = section(m_settings.noiseHighHz, false);
        m_filter[m_filters++] = section(m_settings.noiseHighHz, false);
    }
    Biquad probe[4];
    for (int i = 0; i < m_filters; ++i)
        probe[i] = m_filter[i];
    double energy = 0;
    for (int n = 0; n < 1 << 14; ++n) {
        double y = n == 0 ? 1.0 : 0.0;
        for (int i = 0; i < m_filters; ++i)
            y = probe[i].run(y);
        energy += y * y;
    }
    m_noiseGain = energy > 0 ? m_settings.noiseRms / std::sqrt(energy) : 0;
}

double LeakSignal::gaussian()
{
    if (m_haveSpare) {
        m_haveSpare = false;
        return m_spare;
    }
    double u = 0;
    while (u <= 1e-300)
        u = m_random.generateDouble();
    const double v = m_random.generateDouble();
    const double radius = std::sqrt(-2 * std::log(u));
    m_spare = radius * std::sin(2 * kPi * v);
    m_haveSpare = true;
    return radius * std::cos(2 * kPi * v);
}

double LeakSignal::nextNoise()
{
    double y = gaussian();
    for (int i = 0; i < m_filters; ++i)
        y = m_filter[i].run(y);
    return y * m_noiseGain;
}

double LeakSignal::expectedRms() const
{
    const double tone = m_settings.toneHz > 0 ? m_settings.toneRms : 0;
    return std::sqrt(m_settings.noiseRms * m_settings.noiseRms + tone * tone);
}

QByteArray LeakSignal::next(int count)
{
    QByteArray out(2 * qMax(0, count), '\0');
    const double amplitude = m_settings.toneHz > 0 ? m_settings.toneRms * std::sqrt(2.0) : 0;
    const double step = m_settings.toneHz / m_sampleRate;
    for (int n = 0; n < count; ++n) {
        double value = nextNoise();
        if (amplitude > 0)
            value += amplitude * std::sin(2 * kPi * m_phase);
        m_phase += step;
        m_phase -= std::floor(m_phase);
        const int sample = int(std::lround(qBound(-32768.0, value, 32767.0)));
        out[2 * n] = char(sample & 0xff);
        out[2 * n + 1] = char((sample >> 8) & 0xff);
    }
    return out;
}

QByteArray LeakSignal::counting(qint64 first, int count)
{
    QByteArray out(2 * qMax(0, count), '\0');
    for (int n = 0; n < count; ++n) {
        const quint16 value = quint16((first + n) & 0xffff);
        out[2 * n] = char(value & 0xff);
        out[2 * n + 1] = char(value >> 8);
    }
    return out;
}

// ---- AdcSimulator ------------------------------------------------------------------

namespace {
LeakSignal::Settings floorSettings()
{
    LeakSignal::Settings s;
    s.seed = 7;
    s.noiseLowHz = 50;
    s.noiseHighHz = 3600;
    s.noiseRms = AdcSimulator::kFloorRms;
    return s;
}

QVector<double> samplesOf(const QByteArray& bytes)
{
    QVector<double> samples(bytes.size() / 2);
    for (int n = 0; n < samples.size(); ++n)
        samples[n] = qint16(quint16(uchar(bytes[2 * n]) | (uchar(bytes[2 * n + 1]) << 8)));
    return samples;
}

// The lines of a small state file of the tree (none without the file or the tree).
QStringList treeLines(const QString& root, const char* name)
{
    if (root.isEmpty())
        return {};
    const QString path = root + QLatin1Char('/') + QLatin1String(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(64 * 1024)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

AdcSimulator::AdcSimulator(const LeakSignal::Settings& settings, QObject* parent)
    : QObject(parent)
    , m_signal(kSampleRate, settings)
    , m_timer(new QTimer(this))
    , m_floor(kSampleRate, floorSettings())
{
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &AdcSimulator::publish);
}

AdcSimulator::~AdcSimulator() = default;

void AdcSimulator::setRoot(const QString& root)
{
    m_root = QDir(root).absolutePath();
    m_lastState = -1;
}

QString AdcSimulator::devicePath() const
{
    return m_root + QLatin1String(kDevicePath);
}

void AdcSimulator::start(int periodMs)
{
    m_timer->start(periodMs);
}

void AdcSimulator::stop()
{
    m_timer->stop();
}

void AdcSimulator::setMode(Mode mode, int shortBytes)
{
    m_mode = mode;
    m_shortBytes = qBound(0, shortBytes, kBlockBytes);
}

void AdcSimulator::setMicTone(double hz, double rms)
{
    m_mic.hz = hz;
    m_mic.rms = rms;
}

void AdcSimulator::setExtTone(double hz, double rms)
{
    m_ext.hz = hz;
    m_ext.rms = rms;
}

void AdcSimulator::addTone(QVector<double>& samples, Tone& tone)
{
    const double amplitude = tone.hz > 0 ? tone.rms * std::sqrt(2.0) : 0;
    const double step = tone.hz / kSampleRate;
    for (double& sample : samples) {
        sample += amplitude * std::sin(2 * kPi * tone.phase);
        tone.phase += step;
        tone.phase -= std::floor(tone.phase);
    }
}

QByteArray AdcSimulator::chainBlock()
{
    // Every source goes on in time whether it is heard or not.
    QVector<double> samples = samplesOf(m_floor.next(kBlockSamples));
    const QVector<double> leak = samplesOf(m_signal.next(kBlockSamples));
    QVector<double> mic(kBlockSamples, 0.0), ext(kBlockSamples, 0.0);
    addTone(mic, m_mic);
    addTone(ext, m_ext);

    bool in1 = false, in3 = false;
    for (const QString& line : treeLines(m_root, "codec-mixer.state")) {
        const bool on = line.section(QLatin1Char('\t'), -1).trimmed() != QLatin1String("0");
        const QString name = line.section(QLatin1Char('\t'), 0, 0);
        if (name.endsWith(QLatin1String("Input Mixer IN1_L P")) || name.endsWith(QLatin1String("Input Mixer IN1_R P")))
            in1 = in1 || on;
        if (name.endsWith(QLatin1String("Input Mixer IN3_L P")) || name.endsWith(QLatin1String("Input Mixer IN3_R P")))
            in3 = in3 || on;
    }
    bool unit = false, testMicrophone = false, loop = false, testMode = false, loopAudio = true;
    for (const QString& line : treeLines(m_root, "bt-links")) {
        const QStringList w = line.simplified().split(QLatin1Char(' '));
        if (w.size() == 5 && w.at(0) == QLatin1String("sink") && w.at(2) == QLatin1String("A2DP")) {
            unit = unit || w.at(4) == QLatin1String("unit");
            testMicrophone = testMicrophone || w.at(4) == QLatin1String("test-microphone");
            loop = loop || w.at(4) == QLatin1String("source-module");
        }
        testMode = testMode || line.simplified() == QLatin1String("source testmode");
        loopAudio = loopAudio && line.simplified() != QLatin1String("loopaudio off");
    }
    for (int n = 0; n < kBlockSamples; ++n) {
        if (in1 && unit)
            samples[n] += leak[n];
        if (in1 && testMicrophone)
            samples[n] += mic[n];
        if (in3 && (!testMode || (loop && loopAudio)))
            samples[n] += ext[n];
    }
    QByteArray out(kBlockBytes, '\0');
    for (int n = 0; n < kBlockSamples; ++n) {
        const int sample = int(std::lround(qBound(-32768.0, samples[n], 32767.0)));
        out[2 * n] = char(sample & 0xff);
        out[2 * n + 1] = char((sample >> 8) & 0xff);
    }
    return out;
}

QByteArray AdcSimulator::nextBlock()
{
    QByteArray block = m_chain ? chainBlock() : m_signal.next(kBlockSamples);
    if (m_mode == Mode::Silence)
        block.fill('\0');
    else if (m_mode == Mode::Short)
        block.truncate(m_shortBytes);
    return block;
}

bool AdcSimulator::bufferEnabled() const
{
    QFile enable(m_root + QLatin1String(kEnablePath));
    return enable.open(QIODevice::ReadOnly) && enable.readAll().trimmed() == "1";
}

bool AdcSimulator::writeDevice(const QByteArray& bytes)
{
    const QString path = devicePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Renamed over the old file: the reader sees a whole block or the one before.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

void AdcSimulator::publish()
{
    const QByteArray block = nextBlock();
    if (m_root.isEmpty())
        return;
    if (m_mode == Mode::Missing) {
        if (m_lastState != 2) {
            QFile::remove(devicePath());
            m_transcript.append(QStringLiteral("device file removed"));
        }
        m_lastState = 2;
        return;
    }
    if (!bufferEnabled()) {
        if (m_lastState != 0) {
            writeDevice(QByteArray());
            m_transcript.append(QStringLiteral("buffer disabled: device file empty"));
        }
        m_lastState = 0;
        return;
    }
    if (m_lastState != 1)
        m_transcript.append(QStringLiteral("buffer enabled: serving blocks"));
    m_lastState = 1;
    if (writeDevice(block))
        ++m_blocksServed;
}

QString AdcSimulator::controlHelp()
{
    return QStringLiteral(
        "  tone HZ LEVEL          add a sine of LEVEL counts RMS (\"tone off\" removes it)\n"
        "  noise LEVEL            noise of LEVEL counts RMS in the current band\n"
        "  noise LOW HIGH LEVEL   band-limited noise from LOW to HIGH Hz (\"noise off\": none)\n"
        "  seed N                 start the noise afresh from seed N\n"
        "  silence                blocks of zeros\n"
        "  short N                blocks of only N bytes (0 to 2047)\n"
        "  missing                no device file\n"
        "  mic HZ LEVEL           chain mode: the test microphone's tone (\"mic off\" removes it)\n"
        "  ext HZ LEVEL           chain mode: the tone at the external connector (\"ext off\")\n"
        "  normal                 the signal again\n"
        "  status                 what the converter is doing\n");
}

QString AdcSimulator::status() const
{
    QString mode;
    switch (m_mode) {
    case Mode::Normal:
        mode = QStringLiteral("normal");
        break;
    case Mode::Silence:
        mode = QStringLiteral("silence");
        break;
    case Mode::Short:
        mode = QStringLiteral("short %1").arg(m_shortBytes);
        break;
    case Mode::Missing:
        mode = QStringLiteral("missing");
        break;
    }
    const LeakSignal::Settings s = m_signal.settings();
    QString tone = QStringLiteral("no tone");
    if (s.toneHz > 0 && s.toneRms > 0)
        tone = QStringLiteral("tone %1 Hz %2 RMS").arg(s.toneHz).arg(s.toneRms);
    QString chain;
    if (m_chain) {
        auto toneText = [](const Tone& t) {
            return t.hz > 0 && t.rms > 0 ? QStringLiteral("%1 Hz %2 RMS").arg(t.hz).arg(t.rms) : QStringLiteral("none");
        };
        chain = QStringLiteral(", chain: mic %1, ext %2").arg(toneText(m_mic), toneText(m_ext));
    }
    return QStringLiteral("%1, %2, %3 blocks served, noise %4-%5 Hz %6 RMS, %7, seed %8%9")
        .arg(mode, m_root.isEmpty() ? QStringLiteral("no tree") : bufferEnabled() ? QStringLiteral("buffer enabled")
                                                                                  : QStringLiteral("buffer disabled"))
        .arg(m_blocksServed)
        .arg(s.noiseLowHz)
        .arg(s.noiseHighHz)
        .arg(s.noiseRms)
        .arg(tone)
        .arg(s.seed)
        .arg(chain);
}

QString AdcSimulator::control(const QString& line)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QString();
    const QString command = words.first().toLower();
    QList<double> numbers;
    bool allNumbers = true;
    for (const QString& word : words.mid(1)) {
        bool ok = false;
        numbers.append(word.toDouble(&ok));
        allNumbers = allNumbers && ok && numbers.last() >= 0;
    }
    const bool off = words.size() == 2 && words.at(1).toLower() == QLatin1String("off");
    const double nyquist = kSampleRate / 2;
    LeakSignal::Settings s = m_signal.settings();
    QString answer;

    if (command == QLatin1String("help") && words.size() == 1)
        return controlHelp();
    if (command == QLatin1String("status") && words.size() == 1)
        return status();
    if (command == QLatin1String("mic") || command == QLatin1String("ext")) {
        Tone wanted;
        if (!off) {
            if (words.size() != 3 || !allNumbers || numbers.at(0) >= nyquist)
                return QStringLiteral("%1 takes HZ (below %2) and LEVEL (counts RMS), or off").arg(command).arg(nyquist);
            wanted.hz = numbers.at(0);
            wanted.rms = numbers.at(1);
        }
        if (command == QLatin1String("mic"))
            setMicTone(wanted.hz, wanted.rms);
        else
            setExtTone(wanted.hz, wanted.rms);
    } else if (command == QLatin1String("tone")) {
        if (off) {
            s.toneHz = 0;
            s.toneRms = 0;
        } else if (words.size() == 3 && allNumbers && numbers.at(0) < nyquist) {
            s.toneHz = numbers.at(0);
            s.toneRms = numbers.at(1);
        } else {
            return QStringLiteral("tone takes HZ (below %1) and LEVEL (counts RMS), or off").arg(nyquist);
        }
    } else if (command == QLatin1String("noise")) {
        if (off) {
            s.noiseRms = 0;
        } else if (words.size() == 2 && allNumbers) {
            s.noiseRms = numbers.at(0);
        } else if (words.size() == 4 && allNumbers && numbers.at(0) < numbers.at(1)) {
            s.noiseLowHz = numbers.at(0);
            s.noiseHighHz = numbers.at(1);
            s.noiseRms = numbers.at(2);
        } else {
            return QStringLiteral("noise takes LEVEL, or LOW HIGH LEVEL with LOW below HIGH, or off");
        }
    } else if (command == QLatin1String("seed")) {
        if (words.size() != 2 || !allNumbers || numbers.at(0) > 4294967295.0)
            return QStringLiteral("seed takes a number");
        s.seed = quint32(numbers.at(0));
    } else if (words.size() == 1 && command == QLatin1String("silence")) {
        setMode(Mode::Silence);
    } else if (words.size() == 1 && command == QLatin1String("missing")) {
        setMode(Mode::Missing);
    } else if (words.size() == 1 && command == QLatin1String("normal")) {
        setMode(Mode::Normal);
    } else if (command == QLatin1String("short")) {
        if (words.size() != 2 || !allNumbers || numbers.at(0) >= kBlockBytes || numbers.at(0) != std::floor(numbers.at(0)))
            return QStringLiteral("short takes a byte count from 0 to %1").arg(kBlockBytes - 1);
        setMode(Mode::Short, int(numbers.at(0)));
    } else {
        return QString();
    }
    m_signal.setSettings(s);
    m_transcript.append(QStringLiteral("control: ") + line.simplified());
    return status();
}
