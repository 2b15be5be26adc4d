#include "Audio/backgroundrecording.h"

#include "Audio/audioiodevice.h"
#include "Hardware/devicepaths.h"
#include "Hardware/platform.h"

#include <QAudioInput>
#include <QAudioOutput>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QMutexLocker>
#include <QThread>
#include <QtEndian>

#include <algorithm>

namespace {

// Bytes waiting at the input beyond this are logged: the audio thread falls behind.
constexpr qint64 kBacklogBytes = 4096;

QByteArray littleEndian32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray littleEndian16(quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 2);
}

// The RIFF/WAVE header of a PCM clip with both size fields still 0.
QByteArray wavHeader(const QAudioFormat& format)
{
    const int bytesPerFrame = format.channelCount() * format.sampleSize() / 8;
    QByteArray header;
    header.reserve(BackgroundRecording::kWavHeaderBytes);
    header += "RIFF";
    header += littleEndian32(0);
    header += "WAVE";
    header += "fmt ";
    header += littleEndian32(16);
    header += littleEndian16(1);
    header += littleEndian16(quint16(format.channelCount()));
    header += littleEndian32(quint32(format.sampleRate()));
    header += littleEndian32(quint32(format.sampleRate() * bytesPerFrame));
    header += littleEndian16(quint16(bytesPerFrame));
    header += littleEndian16(quint16(format.sampleSize()));
    header += "data";
    header += littleEndian32(0);
    return header;
}

// Clips this recorder wrote play from their samples; any other file from its first byte.
bool isOwnClip(const QByteArray& head)
{
    return head.size() == BackgroundRecording::kWavHeaderBytes && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE"
        && head.mid(36, 4) == "data";
}

// Callers name the file as the instrument sees it; a path already resolved below the
// simulated device's root is taken as it is.
QString playbackPath(const QString& path)
{
    if (Platform::isSimulated() && path.startsWith(Platform::rootDirectory() + QLatin1Char('/')))
        return path;
    return Platform::devicePath(path);
}

// The last available device whose name starts with "sysdefault", else the default one.
QAudioDeviceInfo selectDevice(QAudio::Mode mode)
{
    const char* const direction = mode == QAudio::AudioInput ? "IN" : "OUT";
    QAudioDeviceInfo selected =
        mode == QAudio::AudioInput ? QAudioDeviceInfo::defaultInputDevice() : QAudioDeviceInfo::defaultOutputDevice();
    for (const QAudioDeviceInfo& device : QAudioDeviceInfo::availableDevices(mode)) {
        qDebug().nospace() << "Device name (" << direction << "):  " << device.deviceName();
        if (device.deviceName().startsWith(QLatin1String("sysdefault"))) {
            selected = device;
            qDebug().nospace() << "Selected Device (" << direction << "):  " << device.deviceName();
        }
    }
    return selected;
}

} // namespace

BackgroundRecording::BackgroundRecording()
    : m_playbackFile(this)
{
    qDebug() << "Konstruktor Backgroundrecording";
    audioFormat.setSampleRate(16000);
    audioFormat.setChannelCount(1);
    audioFormat.setSampleSize(16);
    audioFormat.setCodec(QStringLiteral("audio/pcm"));
    audioFormat.setByteOrder(QAudioFormat::LittleEndian);
    audioFormat.setSampleType(QAudioFormat::SignedInt);

    m_Inputdevice = selectDevice(QAudio::AudioInput);
    m_Outputdevice = selectDevice(QAudio::AudioOutput);
    if (!m_Inputdevice.isFormatSupported(audioFormat)) {
        qDebug() << "Format wird nicht unterstützt.";
        audioFormat = m_Inputdevice.nearestFormat(audioFormat);
    }
    qDebug() << "Selected Audioformat" << audioFormat;
    qDebug() << "DefaultInputDevice" << m_Inputdevice.deviceName();
    qDebug() << "SupportedCodecs" << m_Inputdevice.supportedCodecs();
    qDebug() << "SupportedSampleRates" << m_Inputdevice.supportedSampleRates();
}

QString BackgroundRecording::clipDirectory()
{
    return Platform::devicePath(QString::fromLatin1(DevicePaths::kClipDirectory)) + QLatin1Char('/');
}

QString BackgroundRecording::clipPath(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char('/')) || trimmed.contains(QLatin1String("..")))
        return QString();
    return clipDirectory() + trimmed + QStringLiteral(".wav");
}

bool BackgroundRecording::waitForStores(quint64 count, int timeoutMs)
{
    QMutexLocker lock(&m_storeMutex);
    const QDeadlineTimer deadline(timeoutMs);
    while (m_finishedStores < count) {
        if (!m_storeFinished.wait(&m_storeMutex, deadline))
            return m_finishedStores >= count;
    }
    return true;
}

bool BackgroundRecording::waitForStoreOrGiveUp(quint64 request, int timeoutMs)
{
    QMutexLocker lock(&m_storeMutex);
    const QDeadlineTimer deadline(timeoutMs);
    while (m_finishedStores < request) {
        if (!m_storeFinished.wait(&m_storeMutex, deadline) && m_finishedStores < request) {
            m_lastGivenUpStore = std::max(m_lastGivenUpStore, request);
            return false;
        }
    }
    return true;
}

bool BackgroundRecording::storeFailed(quint64 request)
{
    QMutexLocker lock(&m_storeMutex);
    return m_lastFailedStore == request;
}

bool BackgroundRecording::storeHadSound(quint64 request)
{
    QMutexLocker lock(&m_storeMutex);
    return !m_storesWithoutSound.contains(request);
}

void BackgroundRecording::init()
{
    qDebug() << "BackgroundRecording::init" << QThread::currentThreadId();
    m_audioInput = new QAudioInput(m_Inputdevice, audioFormat, this);
    connect(m_audioInput, &QAudioInput::stateChanged, this, &BackgroundRecording::handleStateChanged,
            Qt::UniqueConnection);
    m_audioOutput = new QAudioOutput(m_Outputdevice, audioFormat, this);
    connect(m_audioOutput, &QAudioOutput::stateChanged, this, &BackgroundRecording::handleStateChangedPlayback,
            Qt::UniqueConnection);
    m_audioInputIODevice = new AudioIODevice(audioFormat, this);
    m_buffer = QByteArray(kReadBufferBytes, '\0');
}

void BackgroundRecording::startAudioRecording()
{
    clearQueue();
    qDebug() << "BackgroundRecording::startAudioRecording" << QThread::currentThreadId();

    m_audioOutputIODevice = m_audioOutput->start();
    if (!m_audioOutputIODevice)
        qWarning() << "BackgroundRecording: the audio output could not be started:" << m_audioOutput->error();

    if (m_audioInputIODevice->isOpen())
        m_audioInputIODevice->close();
    qDebug() << "QIODevice open" << m_audioInputIODevice->open(QIODevice::ReadWrite | QIODevice::Truncate);

    m_recordedBytes = 0;
    m_pauseRecording = true;

    m_input = m_audioInput->start();
    if (!m_input) {
        // Without a capture device there is nothing to record: stay stopped; pause,
        // store and stop still work (a store writes an empty clip).
        qWarning() << "BackgroundRecording: capture could not be started on" << m_Inputdevice.deviceName() << "-"
                   << m_audioInput->error();
        stopDevices();
        return;
    }
    // The ALSA back end never deletes the last device it handed out; it goes with the input.
    m_input->setParent(m_audioInput);
    connect(m_input, &QIODevice::readyRead, this, &BackgroundRecording::readMore, Qt::UniqueConnection);
    qDebug() << "Recording started" << m_input << m_audioInput->state() << m_audioInput->error();
}

void BackgroundRecording::pauseAudioRecording(bool pause)
{
    if (pause) {
        m_pauseRecording = true;
        return;
    }
    // Each opening starts a new recording, but sound kept for a refused store's retry stays
    // until this opening brings its own: one made while the audio thread was busy recorded
    // nothing, and the retry must still find what the first try would have stored.
    m_replaceOnNewSound = !m_keptFor.isEmpty();
    if (!m_replaceOnNewSound)
        clearQueue();
    m_recordedBytes = 0;
    m_pauseRecording = false;
}

void BackgroundRecording::forgetKeptSound(QString filename)
{
    if (!m_keptFor.isEmpty() && m_keptFor == filename.trimmed())
        clearQueue();
}

void BackgroundRecording::clearQueue()
{
    m_audioQueue.clear();
    m_keptFor.clear();
    m_replaceOnNewSound = false;
}

void BackgroundRecording::readMore()
{
    if (!m_input || !m_input->isOpen())
        return;
    if (m_pauseRecording) {
        m_input->read(m_buffer.data(), kMaxReadBytes);
        return;
    }
    if (!m_audioInputIODevice) {
        qDebug() << "Invalid m_audioInputIODevice";
        return;
    }
    const qint64 ready = m_audioInput->bytesReady();
    if (ready > kBacklogBytes)
        qDebug() << "m_audioInput->bytesReady()" << ready;
    const qint64 read = m_input->read(m_buffer.data(), kMaxReadBytes);
    if (read <= 0)
        return;
    if (m_replaceOnNewSound)
        clearQueue();
    m_recordedBytes += read;
    m_audioQueue.append(QByteArray(m_buffer.constData(), int(read)));
}

void BackgroundRecording::storeAudioData(QString filename)
{
    const QString name = filename.trimmed();
    // Sound kept across an opening belongs to the clip it was kept for; any other clip
    // gets what was recorded since the path was opened: nothing yet.
    if (m_replaceOnNewSound && name != m_keptFor)
        clearQueue();
    const bool withSound = m_audioQueue.byteCount() > 0;
    const bool written = writeClip(filename);
    QMutexLocker lock(&m_storeMutex);
    const quint64 request = ++m_finishedStores;
    if (!written || !withSound)
        m_storesWithoutSound.insert(request);
    // The sound leaves the queue only for a caller that took the clip; one that gave up
    // refused its save, and the retry must find the same sound.
    if (written && request > m_lastGivenUpStore) {
        m_audioQueue.dropOldest(kClipDataBytes);
        m_keptFor.clear();
    } else {
        m_keptFor = name;
    }
    if (!written)
        m_lastFailedStore = request;
    m_storeFinished.wakeAll();
}

bool BackgroundRecording::writeClip(const QString& filename)
{
    const QString path = clipPath(filename);
    if (path.isEmpty()) {
        qDebug() << "Cannot open file:" << clipDirectory() + filename.trimmed() + QStringLiteral(".wav")
                 << "(a clip name is not blank and holds no \"/\" and no \"..\")";
        return false;
    }
    const QString directory = clipDirectory();
    if (!QDir(directory).exists()) {
        qDebug() << "Directory doesn't exist -> generate directory:" << directory;
        QDir().mkpath(directory);
    }
    qDebug() << "Bytes in queue:" << m_audioQueue.byteCount() << "in" << m_audioQueue.chunkCount() << "chunks";

    QFile file(path);
    // Unbuffered: every write reaches the file at once, so its result tells.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered)) {
        qDebug() << "Cannot open file:" << path;
        return false;
    }
    // The sound stays queued until the clip is on disk (and its caller still waits for
    // it): a retry after a failed write (space freed) stores the same sound.
    const QByteArray data = m_audioQueue.oldest(kClipDataBytes);
    const quint32 fileSize = quint32(kWavHeaderBytes + data.size());
    const auto writeAll = [&file](const QByteArray& bytes) { return file.write(bytes) == bytes.size(); };
    bool written = writeAll(wavHeader(audioFormat)) && writeAll(data) && file.seek(4)
        && writeAll(littleEndian32(fileSize - 8)) && file.seek(40) && writeAll(littleEndian32(fileSize - 44));
    QString error = file.errorString();
    if (written) {
        file.close();
        written = file.error() == QFileDevice::NoError;
        error = file.errorString();
    }
    if (!written) {
        qWarning() << "Could not write clip:" << path << "-" << error;
        file.close();
        QFile::remove(path);
        return false;
    }
    qDebug() << "File written:" << path << fileSize;
    return true;
}

void BackgroundRecording::startAudioPlayback(QString filename)
{
    if (++m_playbacksHandled <= m_playbacksStopped.load()) {
        qDebug() << "Playback stopped before it started:" << filename;
        return;
    }
    // The output lets go of the file it plays before another one takes its place.
    m_audioOutput->stop();
    m_playbackFile.close();
    m_playbackFile.setFileName(playbackPath(filename));
    if (!m_playbackFile.open(QIODevice::ReadOnly)) {
        qWarning() << "Cannot open file for playback:" << m_playbackFile.fileName() << "-" << m_playbackFile.errorString();
        return;
    }
    if (isOwnClip(m_playbackFile.peek(kWavHeaderBytes)))
        m_playbackFile.seek(kWavHeaderBytes);
    m_audioOutput->start(&m_playbackFile);
}

void BackgroundRecording::stopAudioPlayback()
{
    if (m_audioOutput->state() != QAudio::ActiveState)
        return;
    qDebug() << "Stop playing";
    m_audioOutput->stop();
}

void BackgroundRecording::stopAudioRecording()
{
    qDebug() << "stopAudioRecording";
    stopDevices();
}

void BackgroundRecording::stopDevices()
{
    m_pauseRecording = true;
    m_audioInput->stop();
    m_audioOutput->stop();
    m_audioInputIODevice->close();
    m_input = nullptr; // the input replaces its device at the next start
}

void BackgroundRecording::release()
{
    if (m_audioInput)
        stopDevices();
    m_playbackFile.close();
    // Deleted in its own thread as that ends (the audio input's destructor runs the pending
    // events of the thread it is deleted in). A thread cut off before it came here leaves
    // the recorder alone, half-way as it may be.
    deleteLater();
    thread()->quit();
}

void BackgroundRecording::handleStateChanged(QAudio::State newState)
{
    switch (newState) {
    case QAudio::ActiveState:
        qDebug() << "handleStateChanged: Started recording";
        break;
    case QAudio::SuspendedState:
        qDebug() << "handleStateChanged: Suspended";
        break;
    case QAudio::StoppedState:
        if (m_audioInput->error() != QAudio::NoError)
            qDebug() << "handleStateChanged: Error recording";
        else
            qDebug() << "handleStateChanged: Finished recording";
        break;
    default:
        qDebug() << "handleStateChanged: State:" << newState;
        break;
    }
}

void BackgroundRecording::handleStateChangedPlayback(QAudio::State newState)
{
    switch (newState) {
    case QAudio::StoppedState:
        if (m_audioOutput->error() != QAudio::NoError)
            qDebug() << "handleStateChangedPlayback: Error playing";
        else
            qDebug() << "handleStateChangedPlayback: StoppedState Finished playing";
        break;
    case QAudio::IdleState:
        qDebug() << "handleStateChangedPlayback: Idle";
        break;
    default:
        qDebug() << "handleStateChangedPlayback: State:" << newState;
        break;
    }
}
