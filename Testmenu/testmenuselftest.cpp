#include "Testmenu/testmenuselftest.h"
#include "ui_testmenuselftest.h"

#include "Hardware/bluetooth.h"
#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuremotectrl.h"
#include "Tools/textsize.h"
#include "mainmenu.h"

#include <QLabel>
#include <QTimer>

namespace {

const char* const kChargerName = "/sys/class/power_supply/bq24190-battery/device/name";
const char* const kChargerStatus = "/sys/class/power_supply/bq24190-battery/status";
const char* const kGaugeName = "/sys/class/power_supply/bq27426-0/device/name";
const char* const kGaugeVoltage = "/sys/class/power_supply/bq27426-0/voltage_now";
constexpr long kMinVoltageMicrovolts = 2000000;
constexpr long kMaxVoltageMicrovolts = 4800000;

const QString kOk = QStringLiteral("OK");
const QString kError = QStringLiteral("ERROR");
const QString kWait = QStringLiteral("wait ...");
const QString kRunning = QStringLiteral("...");

bool isQualifyingSentence(const QString& sentence)
{
    return sentence.startsWith(QLatin1String("$GPRMC")) || sentence.startsWith(QLatin1String("$GNRMC"))
        || sentence.startsWith(QLatin1String("$GPGSA")) || sentence.startsWith(QLatin1String("$GNGSA"));
}

bool mixerAnswers(const QString& command, const QString& expected)
{
    const Platform::CommandResult result = Platform::runCommandResult(
        command, TestmenuSelftest::kMixerWaitMs, TestmenuSelftest::kMixerWaitMs, TestmenuSelftest::kMaxMixerOutputBytes);
    return result.started && QString::fromLocal8Bit(result.output).contains(expected);
}

QTimer* singleShotTimer(QObject* parent)
{
    QTimer* timer = new QTimer(parent);
    timer->setSingleShot(true);
    return timer;
}

} // namespace

int& TestmenuSelftest::btVerdictMs()
{
    static int ms = kDefaultBtVerdictMs;
    return ms;
}

int& TestmenuSelftest::gpsVerdictMs()
{
    static int ms = kDefaultGpsVerdictMs;
    return ms;
}

int& TestmenuSelftest::gpsPollMs()
{
    static int ms = kDefaultGpsPollMs;
    return ms;
}

TestmenuSelftest::TestmenuSelftest(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestSelftest"), parent)
    , ui(new Ui::TestmenuSelftest)
    , m_timerGps(new QTimer(this))
    , m_verdictBtSink(singleShotTimer(this))
    , m_verdictBtSource(singleShotTimer(this))
    , m_verdictGps(singleShotTimer(this))
{
    ui->setupUi(this);
    setTextPixelSize({ui->label_7}, 17);
    // Frame's order: the connector first, the channel last.
    startFrame();
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        m_btSource = mainMenu->getBtSourceInstance();
        m_btSink = mainMenu->getBtSinkInstance();
        m_gpsModul = mainMenu->getGpsInstance();
    }
    connect(m_timerGps, &QTimer::timeout, this, &TestmenuSelftest::updateGps, Qt::UniqueConnection);
    connect(m_verdictBtSink, &QTimer::timeout, this, &TestmenuSelftest::analyseResultBtSink);
    connect(m_verdictBtSource, &QTimer::timeout, this, &TestmenuSelftest::analyseResultBtSource);
    connect(m_verdictGps, &QTimer::timeout, this, &TestmenuSelftest::analyseResultGps);
    ui->butPass->hide();
}

TestmenuSelftest::~TestmenuSelftest()
{
    delete m_timerGps;
    delete ui;
}

bool TestmenuSelftest::allPassed() const
{
    return m_test1 && m_test2 && m_test3 && m_test4 && m_test5 && m_test6;
}

void TestmenuSelftest::showPassWhenAllPassed()
{
    if (allPassed())
        ui->butPass->show();
}

void TestmenuSelftest::on_butStart_clicked()
{
    m_test1 = m_test2 = m_test3 = m_test4 = m_test5 = m_test6 = false;
    QLabel* const states[] = {ui->labelStateChargeController, ui->labelStateFuelGauge, ui->labelStateAudioCodec,
                              ui->labelStateBtIn, ui->labelStateBtOut, ui->labelStateGps};
    for (QLabel* label : states)
        label->setText(kRunning);
    ui->labelStateChargeController->setText(QStringLiteral("started"));

    QString message;
    m_test1 = startTestChargeController(&message) == 0;
    ui->labelStateChargeController->setText(m_test1 ? kOk : message);

    ui->labelStateFuelGauge->setText(kRunning);
    m_test2 = startTestFuelGauge(&message) == 0;
    ui->labelStateFuelGauge->setText(m_test2 ? kOk : message);

    ui->labelStateAudioCodec->setText(kRunning);
    m_test3 = startTestAudioCodec(&message) == 0;
    ui->labelStateAudioCodec->setText(m_test3 ? kOk : message);

    ui->labelStateBtIn->setText(kRunning);
    startTestBluetoothIn(&message);
    ui->labelStateBtIn->setText(message);

    ui->labelStateBtOut->setText(kRunning);
    startTestBluetoothOut(&message);
    ui->labelStateBtOut->setText(message);

    ui->labelStateGps->setText(kRunning);
    startTestGps(&message);
    ui->labelStateGps->setText(message);

    showPassWhenAllPassed();
}

int TestmenuSelftest::startTestChargeController(QString* message)
{
    QString text;
    if (!readAttribute(kChargerName, &text)) {
        *message = QStringLiteral("ERR: File open 1");
        return -2;
    }
    if (text != QLatin1String("bq24190")) {
        *message = QStringLiteral("ERR: Wrong name");
        return -1;
    }
    if (!readAttribute(kChargerStatus, &text)) {
        *message = QStringLiteral("ERR: File open 2");
        return -4;
    }
    if (text != QLatin1String("charging") && text != QLatin1String("discharging") && text != QLatin1String("full")) {
        *message = QStringLiteral("ERR: Stat:") + text;
        return -3;
    }
    *message = kOk;
    return 0;
}

int TestmenuSelftest::startTestFuelGauge(QString* message)
{
    QString text;
    if (!readAttribute(kGaugeName, &text)) {
        *message = QStringLiteral("ERR: File open 1");
        return -2;
    }
    if (text != QLatin1String("bq27426")) {
        *message = QStringLiteral("ERR: Wrong name");
        return -1;
    }
    if (!readAttribute(kGaugeVoltage, &text)) {
        *message = QStringLiteral("ERR: File open 2");
        return -4;
    }
    const long microvolts = text.toLong(); // no number counts as 0
    if (microvolts < kMinVoltageMicrovolts || microvolts > kMaxVoltageMicrovolts) {
        *message = QStringLiteral("ERR: Wrong voltage");
        return -3;
    }
    *message = kOk;
    return 0;
}

int TestmenuSelftest::startTestAudioCodec(QString* message)
{
    if (!mixerAnswers(QStringLiteral("amixer sset \"PCM\" 22"), QStringLiteral("Playback 22"))) {
        *message = QStringLiteral("ERR: Mixer 1");
        return -1;
    }
    // Left at 127, the level the listening path expects.
    if (!mixerAnswers(QStringLiteral("amixer sset \"PCM\" 127"), QStringLiteral("Playback 127"))) {
        *message = QStringLiteral("ERR: Mixer 2");
        return -2;
    }
    *message = kOk;
    return 0;
}

int TestmenuSelftest::startTestBluetoothIn(QString* message)
{
    return startAtCheck(m_btSink, &TestmenuSelftest::receivedAtOkSink, &m_btSinkAtOkReceived, m_verdictBtSink, message);
}

int TestmenuSelftest::startTestBluetoothOut(QString* message)
{
    return startAtCheck(m_btSource, &TestmenuSelftest::receivedAtOkSource, &m_btSourceAtOkReceived, m_verdictBtSource,
                        message);
}

int TestmenuSelftest::startAtCheck(Bluetooth* module, void (TestmenuSelftest::*onOk)(), bool* okReceived, QTimer* verdict,
                                   QString* message)
{
    *okReceived = false;
    if (module) {
        connect(module, &Bluetooth::btAtOk, this, onOk, Qt::UniqueConnection);
        module->sendData(QStringLiteral("AT"));
    }
    *message = kWait;
    verdict->start(btVerdictMs());
    return 1;
}

int TestmenuSelftest::startTestGps(QString* message)
{
    m_currentGpsLine = 1;
    m_gpsLine1.clear();
    m_gpsLine2.clear();
    // Sentences kept from before the run would pass a receiver that has since fallen silent.
    if (m_gpsModul)
        m_gpsModul->clearLastGpsData();
    m_timerGps->start(gpsPollMs());
    *message = kWait;
    m_verdictGps->start(gpsVerdictMs());
    return 1;
}

void TestmenuSelftest::receivedAtOkSink()
{
    m_btSinkAtOkReceived = true;
}

void TestmenuSelftest::receivedAtOkSource()
{
    m_btSourceAtOkReceived = true;
}

int TestmenuSelftest::analyseResultBtSink()
{
    return decide(m_btSinkAtOkReceived, ui->labelStateBtIn, &m_test4);
}

int TestmenuSelftest::analyseResultBtSource()
{
    return decide(m_btSourceAtOkReceived, ui->labelStateBtOut, &m_test5);
}

int TestmenuSelftest::decide(bool passed, QLabel* label, bool* result)
{
    if (!passed) {
        label->setText(kError);
        return -1;
    }
    label->setText(kOk);
    *result = true;
    showPassWhenAllPassed();
    return 0;
}

void TestmenuSelftest::updateGps()
{
    if (!m_gpsModul)
        return;
    const QStringList parts = m_gpsModul->getNmeaString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString sentence = part.trimmed();
        if (!isQualifyingSentence(sentence))
            continue;
        if (m_currentGpsLine == 1) {
            m_gpsLine1 = sentence;
            m_currentGpsLine = 2;
        } else {
            m_gpsLine2 = sentence;
            m_currentGpsLine = 1;
        }
    }
}

int TestmenuSelftest::analyseResultGps()
{
    m_timerGps->stop();
    return decide(m_gpsLine1 != m_gpsLine2 && isQualifyingSentence(m_gpsLine1), ui->labelStateGps, &m_test6);
}

void TestmenuSelftest::answerStatus(const char* name, bool passed)
{
    remoteCtrl->writeResult(QStringLiteral("resSelftestStatus%1=%2").arg(QLatin1String(name), passed ? kOk : kError));
}

bool TestmenuSelftest::executeOwnCommand(const QString& line)
{
    struct Status
    {
        const char* name;
        bool passed;
    };
    const Status statuses[] = {
        {"ChargeController", m_test1}, {"FuelGauge", m_test2}, {"AudioCodec", m_test3}, {"BtIn", m_test4},
        {"BtOut", m_test5},            {"GPS", m_test6},       {"Selftest", allPassed()},
    };
    if (line.startsWith(QLatin1String("cmdSelftestStart"))) {
        on_butStart_clicked();
        return true;
    }
    for (const Status& s : statuses) {
        if (line.startsWith(QLatin1String("cmdSelftestGetStatus") + QLatin1String(s.name))) {
            answerStatus(s.name, s.passed);
            return true;
        }
    }
    return false;
}
