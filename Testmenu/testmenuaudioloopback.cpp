#include "Testmenu/testmenuaudioloopback.h"
#include "ui_testmenuaudioloopback.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Hardware/bluetooth.h"
#include "Hardware/gpio.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Tools/textsize.h"
#include "mainmenu.h"

#include <QDebug>
#include <QTimer>

#include <limits>

namespace {

const char* const kNoAudioData = "No audio data";
const char* const kConnected = "Connected in Testmode";

TestMenuAudioLoopback::Reading analysisReading()
{
    AnalogInputWorker* worker = Analoginputworker();
    float rms = 0, peak = 0, minimum = 0;
    worker->getAudioLevel(&rms, &peak, &minimum);
    TestMenuAudioLoopback::Reading reading;
    reading.levelDb = AnalogInputWorker::audioLevelToDb(rms);
    reading.frequencyHz = int(worker->getSignificandFrequency());
    reading.blocks = worker->blocksAnalysed();
    return reading;
}

} // namespace

TestMenuAudioLoopback::TestMenuAudioLoopback(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestAudioLoopback"), parent)
    , ui(new Ui::TestMenuAudioLoopback)
{
    ui->setupUi(this);
    setTextPixelSize({ui->labelStatus, ui->labelLevel, ui->labelFrequency}, 17);
    Gpio::selectConnector(Gpio::Connector::Uart);
    // Without the main window (a menu on its own) there are no links and no codec: the
    // dialog offers its frame only.
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        m_btSource = mainMenu->getBtSourceInstance();
        m_btSink = mainMenu->getBtSinkInstance();
        m_audioCodec = mainMenu->getAudioCodecInstance();
        openChain(mainMenu);
    }

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("stateTimer"));
    connect(m_timer, &QTimer::timeout, this, &TestMenuAudioLoopback::updateState, Qt::UniqueConnection);
    m_timerValues = new QTimer(this);
    m_timerValues->setObjectName(QStringLiteral("valueTimer"));
    connect(m_timerValues, &QTimer::timeout, this, &TestMenuAudioLoopback::updateValues, Qt::UniqueConnection);
    setReadingSource(analysisReading);
    startFrame(Connector::Keep);
    ui->butPass->hide();
}

TestMenuAudioLoopback::~TestMenuAudioLoopback()
{
    stopTimers();
    delete m_timer;
    delete m_timerValues;
    delete ui;
}

void TestMenuAudioLoopback::openChain(MainMenu* mainMenu)
{
    connect(m_btSink, &Bluetooth::btModulReset, this, &TestMenuAudioLoopback::btModulResetReceivedSink,
            Qt::UniqueConnection);
    connect(m_btSource, &Bluetooth::btModulReset, this, &TestMenuAudioLoopback::btModulResetReceivedSource,
            Qt::UniqueConnection);
    connect(m_btSink, &Bluetooth::btPairingOk, this, &TestMenuAudioLoopback::btModulPairingSinkOk,
            Qt::UniqueConnection);

    // The source link learns its module's own address from the answer; the pairing needs it.
    m_btSource->sendData(QStringLiteral("SET BT BDADDR"));
    m_btSink->sendData(QStringLiteral("SET BT BDADDR"));

    m_audioCodec->init();
    m_audioCodec->setFilter(std::numeric_limits<quint32>::max(), std::numeric_limits<quint32>::max(), 0);
    m_audioCodec->setRouting(0);

    mainMenu->muteAudioPath(false, true);
    Audioworker()->startAudioRecording();
    Analoginputworker()->startCapture();
    // Capture and recording start paused; they run while the path is open, as it is now.
    Audioworker()->pauseAudioRecording(mainMenu->isAudioPathMuted());
    m_audioCodec->setLoopbackEnable(true);
    mainMenu->setMicGainStep(3);
}

void TestMenuAudioLoopback::setReadingSource(ReadingSource source)
{
    m_readingSource = std::move(source);
    m_blocksSeen = m_readingSource().blocks;
}

void TestMenuAudioLoopback::stopTimers()
{
    m_timer->stop();
    m_timerValues->stop();
}

void TestMenuAudioLoopback::on_butEnableBtLoop_clicked()
{
    if (!m_btSink || !m_btSource)
        return;
    m_btSink->disconnectBtDevice();
    m_btSource->disconnectBtDevice();
    m_sinkResetReceived = false;
    m_sourceResetReceived = false;
    ui->labelStatus->setText(QStringLiteral("Init started. Please wait..."));

    m_btSink->initBtModulSink();
    m_btSink->sendData(QStringLiteral("RESET"));
    m_btSink->resetBluetooth(QString());

    m_btSource->sendData(QStringLiteral("SET CONTROL PAIR *"));
    m_btSource->initBtModulSourceTestmode();
    m_btSource->sendData(QStringLiteral("RESET"));
    m_btSource->resetBluetooth(QString());

    m_loopbackMode = true;
}

void TestMenuAudioLoopback::btModulResetReceivedSink()
{
    m_sinkResetReceived = true;
    ui->labelStatus->setText(QStringLiteral("Modul Sink reset."));
    if (m_sinkResetReceived && m_sourceResetReceived)
        startPairingModuls();
}

void TestMenuAudioLoopback::btModulResetReceivedSource()
{
    m_sourceResetReceived = true;
    ui->labelStatus->setText(QStringLiteral("Modul Source reset."));
    if (m_sinkResetReceived && m_sourceResetReceived)
        startPairingModuls();
}

void TestMenuAudioLoopback::startPairingModuls()
{
    if (!m_btSink || !m_btSource)
        return;
    ui->labelStatus->setText(QStringLiteral("Moduls resetted. Pairing moduls ..."));
    const QString sourceAddress = m_btSource->getBtIdModul();
    if (sourceAddress.isEmpty()) {
        // The source never told its address: "PAIR " alone would pair with nobody.
        ui->labelStatus->setText(QStringLiteral("Error: source address unknown"));
        qDebug().noquote() << "Testmode: source module address unknown, no pairing";
        return;
    }
    m_btSink->sendData(QStringLiteral("PAIR %1").arg(sourceAddress));
    qDebug().noquote() << "Testmode: pairing sink module with source module" << sourceAddress;
    m_timer->start(kStatePeriodMs);
}

void TestMenuAudioLoopback::btModulPairingSinkOk()
{
    ui->labelStatus->setText(QStringLiteral("Modul Sink paired. Starting call ..."));
    if (m_loopbackMode)
        m_btSink->callBtDeviceA2DP(false);
    m_timer->start(kStatePeriodMs);
}

void TestMenuAudioLoopback::updateState()
{
    if (!m_loopbackMode || !m_btSink || !m_btSink->isConnectedA2DP())
        return;
    ui->labelStatus->setText(QLatin1String(kConnected));
    qDebug().noquote() << kConnected;
    m_timer->stop();
    m_audioCodec->setInputPath(3);
    m_btSink->setBtDacGain(15);
    m_btSource->setBtAdcGain(10);
    m_timerValues->start(kValuesPeriodMs);
    ui->butPass->show();
}

void TestMenuAudioLoopback::updateValues()
{
    const Reading reading = m_readingSource();
    // Without a block analysed since the last tick the analysis still shows old values.
    const bool fresh = reading.blocks != m_blocksSeen;
    m_blocksSeen = reading.blocks;
    m_rmsLevelValdB = fresh ? reading.levelDb : 0.0f;
    m_significandFrequency = fresh ? reading.frequencyHz : 0;
    if (!fresh)
        ui->labelStatus->setText(QLatin1String(kNoAudioData));
    else if (ui->labelStatus->text() == QLatin1String(kNoAudioData))
        ui->labelStatus->setText(QLatin1String(kConnected));

    ui->labelLevel->setText(QStringLiteral("Level = %1 dB").arg(double(m_rmsLevelValdB), 0, 'g', 6));
    ui->labelFrequency->setText(QStringLiteral("Frequency = %1 Hz").arg(m_significandFrequency));
    m_measuredLevelOk = m_rmsLevelValdB >= kLevelMinDb && m_rmsLevelValdB <= kLevelMaxDb;
    m_measuredFrequencyOk = m_significandFrequency >= kFrequencyMinHz && m_significandFrequency <= kFrequencyMaxHz;
}

bool TestMenuAudioLoopback::executeOwnCommand(const QString& line)
{
    const QString ok = QStringLiteral("OK");
    const QString error = QStringLiteral("ERROR");
    if (line.startsWith(QLatin1String("cmdAudioLoopbackBtLoop")))
        on_butEnableBtLoop_clicked();
    else if (line.startsWith(QLatin1String("cmdAudioLoopbackGetLevelResult")))
        remoteCtrl->writeResult(QStringLiteral("resAudioLoopbackLevelResult=") + (m_measuredLevelOk ? ok : error));
    else if (line.startsWith(QLatin1String("cmdAudioLoopbackGetLevelValue")))
        remoteCtrl->writeResult(QStringLiteral("resAudioLoopbackLevelValue=%1 dB").arg(double(m_rmsLevelValdB), 0, 'g', 6));
    else if (line.startsWith(QLatin1String("cmdAudioLoopbackGetFrequencyResult")))
        remoteCtrl->writeResult(QStringLiteral("resAudioLoopbackFrequencyResult=") + (m_measuredFrequencyOk ? ok : error));
    else if (line.startsWith(QLatin1String("cmdAudioLoopbackGetFrequencyValue")))
        remoteCtrl->writeResult(QStringLiteral("resAudioLoopbackFrequencyValue=%1 Hz").arg(m_significandFrequency));
    else
        return false;
    return true;
}

bool TestMenuAudioLoopback::leaving()
{
    stopTimers();
    if (m_audioCodec)
        Audioworker()->stopAudioRecording();
    return true;
}
