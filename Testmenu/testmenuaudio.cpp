#include "Testmenu/testmenuaudio.h"
#include "ui_testmenuaudio.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Hardware/bluetooth.h"
#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Tools/textsize.h"
#include "mainmenu.h"

#include <QDebug>
#include <QFile>
#include <QTimer>

#include <cmath>
#include <limits>

namespace {

const char* const kMicIdFile = "/home/root/testBtIdMic";
const char* const kHpIdFile = "/home/root/testBtIdHp";
const char* const kPwmPeriod = "/sys/class/pwm/pwmchip1/pwm0/period";
const char* const kPwmDutyCycle = "/sys/class/pwm/pwmchip1/pwm0/duty_cycle";
const char* const kPwmEnable = "/sys/class/pwm/pwmchip1/pwm0/enable";
constexpr int kAddressBytes = 17;
// Far beyond any sensor value; keeps a wild reading inside an int.
constexpr float kMaxSensorValue = 1e9f;

// The address in a test-device file: its first 17 bytes up to a NUL; the built-in address
// when the file cannot be read, with *fromFile false.
QString readAddressFile(const char* absolutePath, const char* builtIn, bool* fromFile)
{
    *fromFile = false;
    // Not a regular file (a link, or a FIFO that would block the open): as if it were not there.
    QByteArray bytes;
    if (!Platform::readRegularFileStart(Platform::devicePath(QString::fromLatin1(absolutePath)), kAddressBytes, &bytes))
        return QString::fromLatin1(builtIn);
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    *fromFile = true;
    return QString::fromUtf8(bytes);
}

// The display level of a reading: fixed notation, no decimals, at least two characters.
QString levelText(float level)
{
    return QStringLiteral("%1").arg(static_cast<double>(level), 2, 'f', 0);
}

MainMenu* mainMenu()
{
    return MainMenu::getInstanceMainMenu();
}

} // namespace

const char* const TestmenuAudio::kDefaultMicId = "00:07:80:CA:E6:45";
const char* const TestmenuAudio::kDefaultHpId = "00:07:80:32:86:D3";

TestmenuAudio::Timing& TestmenuAudio::timing()
{
    static Timing periods;
    return periods;
}

TestmenuAudio::TestmenuAudio(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestAudioChannels"), parent)
    , ui(new Ui::TestmenuAudio)
{
    ui->setupUi(this);
    setTextPixelSize({ui->labelStatusSink, ui->labelStatusSource}, 17);
    startFrame();
    MainMenu* menu = mainMenu();
    if (menu) {
        m_btSource = menu->getBtSourceInstance();
        m_btSink = menu->getBtSinkInstance();
        m_audioCodec = menu->getAudioCodecInstance();
    }

    if (m_btSink && m_btSource) {
        m_btSink->disconnectBtDevice();
        m_btSource->disconnectBtDevice();
        connect(m_btSink, &Bluetooth::btModulReset, this, &TestmenuAudio::btModulResetReceivedSink, Qt::UniqueConnection);
        connect(m_btSource, &Bluetooth::btModulReset, this, &TestmenuAudio::btModulResetReceivedSource,
                Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btPairingOk, this, &TestmenuAudio::btModulPairingSinkOk, Qt::UniqueConnection);
        connect(m_btSource, &Bluetooth::btPairingOk, this, &TestmenuAudio::btModulPairingSourceOk, Qt::UniqueConnection);
        m_btSource->sendData(QStringLiteral("SET BT BDADDR"));
        m_btSink->sendData(QStringLiteral("SET BT BDADDR"));
    }

    if (m_audioCodec) {
        m_audioCodec->init();
        m_audioCodec->setFilter(std::numeric_limits<quint32>::max(), std::numeric_limits<quint32>::max(), 0);
        m_audioCodec->setRouting(0);
        m_audioCodec->setInputPath(1);
    }
    m_inputPath = 1;
    if (menu)
        menu->muteAudioPath(false, true);
    Audioworker()->startAudioRecording();
    Analoginputworker()->startCapture();
    // Capture and recording start paused; they run while the path is open, as it is now,
    // so the headphone call alone already gives readings.
    if (menu)
        Audioworker()->pauseAudioRecording(menu->isAudioPathMuted());
    if (m_audioCodec)
        m_audioCodec->setLoopbackEnable(true);
    if (menu)
        menu->setMicGainStep(3);
    m_blocksAtLastReading = Analoginputworker()->blocksAnalysed();

    m_timerSink = new QTimer(this);
    m_timerSource = new QTimer(this);
    m_timerValueUpdate = new QTimer(this);
    m_timerCheckBtConnectionSink = new QTimer(this);
    m_timerCheckBtConnectionSource = new QTimer(this);
    m_timerSink->setObjectName(QStringLiteral("timerSink"));
    m_timerSource->setObjectName(QStringLiteral("timerSource"));
    m_timerValueUpdate->setObjectName(QStringLiteral("timerValueUpdate"));
    m_timerCheckBtConnectionSink->setObjectName(QStringLiteral("timerCheckBtConnectionSink"));
    m_timerCheckBtConnectionSource->setObjectName(QStringLiteral("timerCheckBtConnectionSource"));
    connect(m_timerSink, &QTimer::timeout, this, &TestmenuAudio::updateStateSink, Qt::UniqueConnection);
    connect(m_timerSource, &QTimer::timeout, this, &TestmenuAudio::updateStateSource, Qt::UniqueConnection);
    connect(m_timerValueUpdate, &QTimer::timeout, this, &TestmenuAudio::updateValue, Qt::UniqueConnection);
    connect(m_timerCheckBtConnectionSink, &QTimer::timeout, this, &TestmenuAudio::checkConnectionSink,
            Qt::UniqueConnection);
    connect(m_timerCheckBtConnectionSource, &QTimer::timeout, this, &TestmenuAudio::checkConnectionSource,
            Qt::UniqueConnection);
    if (m_btSink)
        connect(m_btSink, &Bluetooth::btSensorvalueReceived, this, &TestmenuAudio::btReceivedSensorvalue,
                Qt::UniqueConnection);
    m_filePeriod = new QFile(Platform::devicePath(QString::fromLatin1(kPwmPeriod)));

    readAddressFiles();
    showAddresses();
    ui->butPass->hide();
}

TestmenuAudio::~TestmenuAudio()
{
    m_timerSink->stop();
    m_timerSource->stop();
    m_timerValueUpdate->stop();
    m_timerCheckBtConnectionSink->stop();
    m_timerCheckBtConnectionSource->stop();
    delete ui;
    delete m_timerSink;
    delete m_timerSource;
    delete m_timerValueUpdate;
    delete m_timerCheckBtConnectionSink;
    delete m_timerCheckBtConnectionSource;
    delete m_filePeriod;
}

void TestmenuAudio::readAddressFiles()
{
    bool fromFile = false;
    const QString mic = readAddressFile(kMicIdFile, kDefaultMicId, &fromFile);
    if (fromFile)
        qDebug().noquote() << "BT-Id MIC from file:" << mic;
    const QString hp = readAddressFile(kHpIdFile, kDefaultHpId, &fromFile);
    if (fromFile)
        qDebug().noquote() << "BT-Id HP from file:" << hp;

    // The addresses go into module commands: a line end or a second command must not.
    m_btIdMic = mic.trimmed();
    m_btIdMicValid = Systemsettings::isValidBtAddress(m_btIdMic);
    if (!m_btIdMicValid)
        qDebug() << "Audio test: invalid test microphone address, the sink is not started:" << mic;
    m_btIdHp = hp.trimmed();
    m_btIdHpValid = Systemsettings::isValidBtAddress(m_btIdHp);
    if (!m_btIdHpValid)
        qDebug() << "Audio test: invalid test headphone address, the source is not started:" << hp;
}

void TestmenuAudio::showAddresses()
{
    ui->labelStatusSink->setText(m_btIdMicValid ? QStringLiteral("Sink-Id: %1").arg(m_btIdMic)
                                                : QStringLiteral("Invalid BT-ID: %1").arg(m_btIdMic));
    ui->labelStatusSource->setText(m_btIdHpValid ? QStringLiteral("Source-Id: %1").arg(m_btIdHp)
                                                 : QStringLiteral("Invalid BT-ID: %1").arg(m_btIdHp));
}

// ---- the links --------------------------------------------------------------------------

void TestmenuAudio::on_butStartConnection_clicked()
{
    m_timerSink->stop();
    m_timerSource->stop();
    m_timerValueUpdate->stop();
    if (!m_btSink || !m_btSource)
        return;
    m_btSink->disconnectBtDevice();
    m_btSource->disconnectBtDevice();
    readAddressFiles();
    qDebug().noquote() << "Used BT-ID's Mic:" << m_btIdMic << "Hp:" << m_btIdHp;
    showAddresses();

    if (m_btIdMicValid) {
        ui->labelStatusSink->setText(QStringLiteral("Init started. Please wait..."));
        m_btSink->sendData(QStringLiteral("SET CONTROL PAIR *"));
        m_btSink->initBtModulSink();
        m_btSink->sendData(QStringLiteral("RESET"));
        m_btSink->resetBluetooth(m_btIdMic);
    }
    if (m_btIdHpValid) {
        ui->labelStatusSource->setText(QStringLiteral("Init started. Please wait..."));
        m_btSource->sendData(QStringLiteral("SET CONTROL PAIR *"));
        m_btSource->initBtModulSource();
        m_btSource->sendData(QStringLiteral("RESET"));
        m_btSource->resetBluetooth(m_btIdHp);
    }
}

// A side whose address was refused is not started: its label keeps telling why.
void TestmenuAudio::btModulResetReceivedSink()
{
    if (!m_btIdMicValid)
        return;
    ui->labelStatusSink->setText(QStringLiteral("Modul Sink reset received."));
    m_btSink->sendData(QStringLiteral("SET CONTROL PAIR *"));
    m_btSink->initBtModulSink();
    m_btSink->setBtDacGain(15);
    if (MainMenu* menu = mainMenu())
        menu->setMicGainStep(3);
    m_btSink->sendData(QStringLiteral("PAIR %1").arg(m_btIdMic));
    qDebug().noquote() << "Pair Transmitter:" << m_btIdMic;
}

void TestmenuAudio::btModulResetReceivedSource()
{
    if (!m_btIdHpValid)
        return;
    ui->labelStatusSource->setText(QStringLiteral("Modul Source reset received."));
    m_btSource->sendData(QStringLiteral("SET CONTROL PAIR *"));
    m_btSource->initBtModulSource();
    m_btSource->sendData(QStringLiteral("PAIR %1").arg(m_btIdHp));
    qDebug().noquote() << "Pair Receiver:" << m_btIdHp;
}

void TestmenuAudio::btModulPairingSinkOk()
{
    if (!m_btIdMicValid)
        return;
    ui->labelStatusSink->setText(QStringLiteral("Modul Sink paired. Starting call ..."));
    m_btSink->callBtDeviceA2DP(true);
    m_timerSink->start(timing().callStateMs);
}

void TestmenuAudio::btModulPairingSourceOk()
{
    if (!m_btIdHpValid)
        return;
    ui->labelStatusSource->setText(QStringLiteral("Modul Source paired. Starting call ..."));
    m_btSource->setBtAdcGain(9);
    m_btSource->callBtDeviceA2DP(false);
    m_timerSource->start(timing().callStateMs);
}

void TestmenuAudio::updateStateSink()
{
    if (!m_btSink->isConnectedRFCOMM()) {
        ui->labelStatusSink->setText(m_btSink->isConnectedA2DP() ? QStringLiteral("A2DP OK. Waiting for data ...")
                                                                 : QStringLiteral("Waiting for call ..."));
        return;
    }
    m_timerSink->stop();
    ui->labelStatusSink->setText(QStringLiteral("Call active to microphone"));
    if (m_audioCodec) {
        m_audioCodec->setMicPgaGain(300);
        m_audioCodec->setInputPath(1);
    }
    m_inputPath = 1;
    if (MainMenu* menu = mainMenu())
        menu->muteAudioPath(false, true);
    m_btSink->sendData(QStringLiteral("BT_TX X DEBUG"));
    m_timerCheckBtConnectionSink->start(timing().linkWatchMs);
    ui->butPass->show();
}

void TestmenuAudio::updateStateSource()
{
    if (!m_btSource->isConnectedA2DP()) {
        ui->labelStatusSource->setText(QStringLiteral("Waiting for call ..."));
        return;
    }
    m_timerSource->stop();
    ui->labelStatusSource->setText(QStringLiteral("Call active to headphone"));
    m_timerValueUpdate->start(timing().valueUpdateMs);
    m_timerCheckBtConnectionSource->start(timing().linkWatchMs);
    ui->butPass->show();
}

void TestmenuAudio::checkConnectionSink()
{
    if (m_btSink->isConnectedRFCOMM())
        return;
    ui->labelStatusSink->setText(QStringLiteral("Sink: Connection lost!"));
    m_timerSink->start(timing().lostRetryMs);
}

void TestmenuAudio::checkConnectionSource()
{
    if (m_btSource->isConnectedA2DP())
        return;
    ui->labelStatusSource->setText(QStringLiteral("Source: Connection lost!"));
    m_timerSource->start(timing().lostRetryMs);
}

void TestmenuAudio::on_butPair_clicked()
{
    if (!m_btSink || !m_btSource)
        return;
    m_btSink->disconnectBtDevice();
    m_btSource->disconnectBtDevice();
    if (m_btIdHpValid) {
        m_btSource->sendData(QStringLiteral("PAIR %1").arg(m_btIdHp));
        qDebug().noquote() << "Pair Receiver:" << m_btIdHp;
    }
    if (m_btIdMicValid) {
        m_btSink->sendData(QStringLiteral("PAIR %1").arg(m_btIdMic));
        qDebug().noquote() << "Pair Transmitter:" << m_btIdMic;
    }
}

void TestmenuAudio::on_butCall_clicked()
{
    if (!m_btSink || !m_btSource)
        return;
    if (m_btIdHpValid) {
        m_btSource->callBtDeviceA2DP(false);
        qDebug() << "Call Receiver";
        m_timerSource->start(timing().callStateMs);
    }
    if (m_btIdMicValid) {
        m_btSink->callBtDeviceA2DP(true);
        qDebug() << "Call Transmitter";
        m_timerSink->start(timing().callStateMs);
    }
    if (m_audioCodec) {
        m_audioCodec->setMicPgaGain(300);
        m_audioCodec->setInputPath(1);
    }
    m_inputPath = 1;
}

void TestmenuAudio::on_butMute_clicked()
{
    MainMenu* menu = mainMenu();
    if (!menu)
        return;
    if (menu->isAudioPathMuted()) {
        menu->muteAudioPath(false, true);
        ui->butMute->setText(QStringLiteral("Mute"));
    } else {
        menu->muteAudioPath(true, true);
        ui->butMute->setText(QStringLiteral("Unmute"));
    }
}

// ---- the channels -----------------------------------------------------------------------

void TestmenuAudio::on_butSelCh_1_clicked()
{
    if (m_audioCodec) {
        m_audioCodec->setMicPgaGain(300);
        m_audioCodec->setInputPath(1);
    }
    m_inputPath = 1;
}

void TestmenuAudio::on_butSelCh_2_clicked()
{
    writePwm(kPwmPeriod, "50000000");
    writePwm(kPwmDutyCycle, "100000");
    writePwm(kPwmEnable, "1");
    if (m_audioCodec)
        m_audioCodec->setInputPath(2);
    m_inputPath = 2;
    if (m_btSink)
        connect(m_btSink, &Bluetooth::btSensorvalueReceived, this, &TestmenuAudio::btReceivedSensorvalue,
                Qt::UniqueConnection);
}

void TestmenuAudio::on_butSelCh_3_clicked()
{
    if (m_audioCodec) {
        m_audioCodec->setMicPgaGain(2250);
        m_audioCodec->setInputPath(3);
    }
    m_inputPath = 3;
}

bool TestmenuAudio::writePwm(const char* absolutePath, const QByteArray& value)
{
    QFile other(Platform::devicePath(QString::fromLatin1(absolutePath)));
    QFile* file = qstrcmp(absolutePath, kPwmPeriod) == 0 ? m_filePeriod : &other;
    // ExistingOnly: without the PWM driver the attribute stays missing instead of being
    // created; a missing one is skipped.
    if (!file->open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Truncate))
        return false;
    file->write(value);
    file->close();
    Platform::journalWrite(absolutePath, value);
    return true;
}

void TestmenuAudio::updateValue()
{
    // Values the analysis kept from before (no block since the last reading: the ADC or
    // the capture stopped) are no reading of this signal.
    AnalogInputWorker* analysis = Analoginputworker();
    const quint64 blocks = analysis->blocksAnalysed();
    float level = 0;
    int frequency = 0;
    if (blocks != m_blocksAtLastReading) {
        float rms = 0;
        analysis->getAudioLevel(&rms);
        level = AnalogInputWorker::audioLevelToDb(rms);
        frequency = static_cast<int>(analysis->getSignificandFrequency());
    }
    m_blocksAtLastReading = blocks;

    const QString reading = QStringLiteral("%1dB/%2Hz").arg(levelText(level)).arg(frequency);
    const QString none = QStringLiteral("---");
    if (m_inputPath == 1) {
        ui->labelValCh1->setText(reading);
        ui->labelValCh2->setText(none);
        ui->labelValCh3->setText(none);
        m_levelCh1 = level;
        m_frequCh1 = frequency;
        m_levelCh2 = m_levelCh3 = 0;
        m_frequCh2 = m_frequCh3 = 0;
    } else if (m_inputPath == 3) {
        ui->labelValCh3->setText(reading);
        ui->labelValCh1->setText(none);
        ui->labelValCh2->setText(none);
        m_levelCh3 = level;
        m_frequCh3 = frequency;
        m_levelCh1 = m_levelCh2 = 0;
        m_frequCh1 = m_frequCh2 = 0;
    } else if (m_inputPath == 2) {
        if (m_btSink)
            m_btSink->sendData(QStringLiteral("BT_TX S"));
        ui->labelValCh1->setText(none);
        ui->labelValCh3->setText(none);
        m_levelCh1 = m_levelCh3 = 0;
    }
}

void TestmenuAudio::btReceivedSensorvalue(QString sensorvalue, QString)
{
    // Not a number counts as 0; a wild one must not overflow the integer.
    float value = sensorvalue.toFloat();
    if (!std::isfinite(value))
        value = 0;
    m_h2level = static_cast<int>(qBound(-kMaxSensorValue, value, kMaxSensorValue));
    ui->labelValCh2->setText(QStringLiteral("%1").arg(m_h2level));
    m_levelCh2 = static_cast<float>(m_h2level);

    qint64 period = 1000000000;
    if (m_h2level > 4096) {
        period = 10000000;
    } else if (m_h2level > 0) {
        const int n = static_cast<int>(4096.0 / m_h2level * 10.0);
        if (n <= 9)
            period = 10000000;
        else if (n > 1000)
            period = 1000000000;
        else
            period = qint64(n) * 1000000;
    }
    writePwm(kPwmPeriod, QByteArray::number(period));
}

// ---- the station --------------------------------------------------------------------------

QString TestmenuAudio::levelAnswer(int channel) const
{
    const float levels[] = {m_levelCh1, m_levelCh2, m_levelCh3};
    const QString value = m_inputPath == channel ? levelText(levels[channel - 1]) : QStringLiteral("-");
    return QStringLiteral("resAudioLevelCh%1=%2").arg(channel).arg(value);
}

QString TestmenuAudio::frequencyAnswer(int channel) const
{
    const int frequencies[] = {m_frequCh1, m_frequCh2, m_frequCh3};
    const bool measured = channel != 2 && m_inputPath == channel;
    const QString value = measured ? QString::number(frequencies[channel - 1]) : QStringLiteral("-");
    return QStringLiteral("resAudioFrequencyCh%1=%2").arg(channel).arg(value);
}

bool TestmenuAudio::leaving()
{
    Audioworker()->stopAudioRecording();
    return true;
}

bool TestmenuAudio::executeOwnCommand(const QString& line)
{
    static const QString selectChannel = QStringLiteral("cmdAudioSelCh");
    static const QString getLevel = QStringLiteral("cmdAudioGetLevelCh");
    static const QString getFrequency = QStringLiteral("cmdAudioGetFrequencyCh");
    // The channel digit right after the command word.
    auto channelAfter = [&line](const QString& word) {
        if (!line.startsWith(word) || line.size() <= word.size())
            return 0;
        const QChar digit = line.at(word.size());
        return digit >= QLatin1Char('1') && digit <= QLatin1Char('3') ? digit.digitValue() : 0;
    };

    if (const int channel = channelAfter(selectChannel)) {
        if (channel == 1)
            on_butSelCh_1_clicked();
        else if (channel == 2)
            on_butSelCh_2_clicked();
        else
            on_butSelCh_3_clicked();
    } else if (const int channel = channelAfter(getLevel)) {
        remoteCtrl->writeResult(levelAnswer(channel));
    } else if (const int channel = channelAfter(getFrequency)) {
        remoteCtrl->writeResult(frequencyAnswer(channel));
    } else if (line.startsWith(QLatin1String("cmdAudioStartConnection"))) {
        on_butStartConnection_clicked();
    } else if (line.startsWith(QLatin1String("cmdAudioMute"))) {
        on_butMute_clicked();
    } else if (line.startsWith(QLatin1String("cmdAudioPair"))) {
        on_butPair_clicked();
    } else if (line.startsWith(QLatin1String("cmdAudioCall"))) {
        on_butCall_clicked();
    } else {
        return false;
    }
    return true;
}
