#include "Debug/debuggain.h"
#include "ui_debuggain.h"

#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Debug/btconsolelog.h"
#include "Hardware/bluetooth.h"
#include "mainmenu.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

namespace {

const QColor kSinkColour = Qt::blue;
const QColor kSourceColour = Qt::black;

// "18 dB (0x0f)": the dB value and the step as two hexadecimal digits.
QString hexStepLabel(int dB, int step)
{
    return QStringLiteral("%1 dB (0x%2)").arg(dB).arg(step, 2, 16, QLatin1Char('0'));
}

// "-0.4 dB (1)": the dB value in its shortest form and the step.
QString stepLabel(float dB, int step)
{
    return QStringLiteral("%1 dB (%2)").arg(QString::number(double(dB), 'g', 6)).arg(step);
}

// The codec takes its gains in hundredths of a dB.
long hundredths(float dB)
{
    return long(dB * 100.0f);
}

} // namespace

DebugGain::DebugGain(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DebugGain)
{
    ui->setupUi(this);
}

DebugGain::~DebugGain()
{
    // Only init() makes the timer and starts the recording.
    if (m_timer) {
        m_timer->stop();
        Audioworker()->stopAudioRecording();
    }
    delete ui;
    delete m_timer;
}

float DebugGain::mixerAmpGain_dB(int step)
{
    static const float table[] = {0.0f,   -0.4f,  -0.9f,  -1.3f,  -1.8f,  -2.3f,  -2.9f,  -3.3f,  -3.9f,  -4.3f,
                                  -4.8f,  -5.2f,  -5.8f,  -6.3f,  -6.6f,  -7.2f,  -7.8f,  -8.2f,  -8.5f,  -9.3f,
                                  -9.7f,  -10.1f, -10.6f, -11.0f, -11.5f, -12.0f, -12.6f, -13.2f, -13.8f, -14.5f,
                                  -15.3f, -16.1f, -17.0f, -18.1f, -19.2f, -20.6f, -22.1f, -24.1f, -26.6f, -30.1f};
    if (step < 0 || step >= int(sizeof table / sizeof table[0]))
        return 0.0f;
    return table[step];
}

void DebugGain::init()
{
    if (MainMenu* menu = MainMenu::getInstanceMainMenu()) {
        m_btSource = menu->getBtSourceInstance();
        m_btSink = menu->getBtSinkInstance();
        m_audioCodec = menu->getAudioCodecInstance();
    }
    selectPage(PageOverview);
    if (m_audioCodec) {
        m_audioCodec->init();
        m_audioCodec->setFilter(0xFFFFFFFF, 0xFFFFFFFF, 0);
    }
    on_butDefault_clicked();
    if (MainMenu* menu = MainMenu::getInstanceMainMenu())
        menu->muteAudioPath(true, true);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("replyTimer"));
    connect(m_timer, &QTimer::timeout, this, &DebugGain::updateBtInfo);
    m_timer->start(kUpdateIntervalMs);
    Audioworker()->startAudioRecording();
}

void DebugGain::selectPage(int page)
{
    if (page >= PageBtMic && page <= PageBtHeadphone) {
        m_currentPage = page;
        m_lastPage = page;
    } else if (page == PageMessages) {
        m_currentPage = page;
    } else {
        page = PageOverview;
        m_currentPage = page;
        m_lastPage = page;
        updateOverview();
    }
    ui->mainArea->setCurrentIndex(page - 1);
}

void DebugGain::appendOverviewLine(const QString& line)
{
    BtConsoleLog::append(ui->textEditDefaultValues, Qt::black, line);
}

void DebugGain::updateOverview()
{
    ui->textEditDefaultValues->clear();
    appendOverviewLine(QStringLiteral("Ground-Microphone Gain: ") + hexStepLabel(m_groundMicGain_dB, m_groundMicGain));
    switch (m_acRoutingInputPath) {
    case 1:
        appendOverviewLine(QStringLiteral("Routing: IN1 (Bluetooth)"));
        break;
    case 2:
        appendOverviewLine(QStringLiteral("Routing: IN2 (PWM H2-Sensor)"));
        break;
    case 3:
        appendOverviewLine(QStringLiteral("Routing: IN3 (external Mic)"));
        break;
    default:
        appendOverviewLine(QStringLiteral("Routing: unknown"));
        break;
    }
    appendOverviewLine(QStringLiteral("DAC Bluetooth: ") + hexStepLabel(m_btDacGain_dB, m_btDacGain));
    appendOverviewLine(QStringLiteral("MicPGA Gain Codec: ") + stepLabel(m_acPgaGain_dB, m_acPgaGain));
    appendOverviewLine(QStringLiteral("ADC Level Gain Codec: ") + stepLabel(m_acAdcLevelgain_dB, m_acAdcLevelgain));
    appendOverviewLine(QStringLiteral("MixerAmp Gain Codec: ") + stepLabel(m_acMixerAmpGain_dB, m_acMixerAmpGain));
    appendOverviewLine(QStringLiteral("DAC PCM Gain Codec: ") + stepLabel(m_acDacPcmGain_dB, m_acDacPcmGain));
    appendOverviewLine(QStringLiteral("Line-Out Gain Codec: ") + stepLabel(m_acLineOutGain_dB, m_acLineOutGain));
    appendOverviewLine(QStringLiteral("ADC Bluetooth: ") + hexStepLabel(m_btAdcGain_dB, m_btAdcGain));
    appendOverviewLine(QStringLiteral("Headphone Vol-Step: %1").arg(m_headphoneVolStep));
}

void DebugGain::logMessage(const QString& marker, const QString& text)
{
    const QColor colour = marker.startsWith(QLatin1Char('M')) ? kSinkColour : kSourceColour;
    BtConsoleLog::append(ui->textEditMessages, colour, QStringLiteral("%1 %2").arg(marker, text).trimmed());
}

void DebugGain::sendToSink(const QString& command)
{
    if (m_btSink)
        m_btSink->sendData(command);
    logMessage(QStringLiteral("M<"), command);
}

void DebugGain::sendToSource(const QString& command)
{
    if (m_btSource)
        m_btSource->sendData(command);
    logMessage(QStringLiteral("H<"), command);
}

void DebugGain::updateBtInfo()
{
    if (m_btSink) {
        const QString text = m_btSink->getData().trimmed();
        if (!text.isEmpty()) {
            BtConsoleLog::append(ui->textMicResp, Qt::black, text);
            logMessage(QStringLiteral("M>"), text);
        }
    }
    if (m_btSource) {
        const QString text = m_btSource->getData().trimmed();
        if (!text.isEmpty())
            logMessage(QStringLiteral("H>"), text);
    }
}

// ---- sliders --------------------------------------------------------------------------

void DebugGain::on_slideGainMic_valueChanged(int value)
{
    m_groundMicGain = value;
    m_groundMicGain_dB = 3 * value - 27;
    ui->labGainMic->setText(hexStepLabel(m_groundMicGain_dB, value));
    sendToSink(QStringLiteral("BT_TX G %1").arg(value, 2, 16, QLatin1Char('0')));
}

void DebugGain::on_slideGainMixerAmpAudiocodec_valueChanged(int value)
{
    // No codec control behind it: the step is only shown.
    m_acMixerAmpGain = value;
    m_acMixerAmpGain_dB = mixerAmpGain_dB(value);
    ui->labelGainMixerAmpAudiocodec->setText(stepLabel(m_acMixerAmpGain_dB, value));
}

void DebugGain::on_slideGainDacBluetooth_valueChanged(int value)
{
    m_btDacGain = value;
    m_btDacGain_dB = 3 * value - 42;
    ui->labelGainDacBluetooth->setText(hexStepLabel(m_btDacGain_dB, value));
    const QString command = QStringLiteral("SET CONTROL GAIN 10 %1\n").arg(value, 0, 16);
    if (m_btSink)
        m_btSink->sendData(command);
    logMessage(QStringLiteral("M<"), command);
}

void DebugGain::on_slideGainPgaAudiocodec_valueChanged(int value)
{
    m_acPgaGain = value;
    m_acPgaGain_dB = value / 2.0f;
    ui->labelGainPgaAudiocodec->setText(stepLabel(m_acPgaGain_dB, value));
    if (m_audioCodec)
        m_audioCodec->setMicPgaGain(hundredths(m_acPgaGain_dB));
}

void DebugGain::on_slideGainAdcLevelgain_valueChanged(int value)
{
    m_acAdcLevelgain = value;
    m_acAdcLevelgain_dB = value / 2.0f;
    ui->labelGainAdcLevelgain->setText(stepLabel(m_acAdcLevelgain_dB, value));
    if (m_audioCodec)
        m_audioCodec->setAdcGain(hundredths(m_acAdcLevelgain_dB));
}

void DebugGain::on_slideGainLineOutAudiocodec_valueChanged(int value)
{
    m_acLineOutGain = value;
    m_acLineOutGain_dB = float(value);
    ui->labelGainLineOutAudiocodec->setText(stepLabel(m_acLineOutGain_dB, value));
    if (m_audioCodec)
        m_audioCodec->setLineOutGain(hundredths(m_acLineOutGain_dB));
}

void DebugGain::on_slideGainAdcBluetooth_valueChanged(int value)
{
    m_btAdcGain = value;
    m_btAdcGain_dB = 3 * value - 27;
    ui->labelGainAdcBluetooth->setText(hexStepLabel(m_btAdcGain_dB, value));
    const QString command = QStringLiteral("SET CONTROL GAIN %1 E\n").arg(value, 0, 16);
    if (m_btSource)
        m_btSource->sendData(command);
    logMessage(QStringLiteral("H<"), command);
}

void DebugGain::on_slideGainDacPcmAudiocodec_valueChanged(int value)
{
    m_acDacPcmGain = value;
    m_acDacPcmGain_dB = value / 2.0f;
    ui->labelGainDacPcmAudiocodec->setText(stepLabel(m_acDacPcmGain_dB, value));
    if (m_audioCodec)
        m_audioCodec->setDacGain(hundredths(m_acDacPcmGain_dB));
}

void DebugGain::on_slideGainHeadphone_valueChanged(int)
{
    // Moved by the VOL buttons, which show the step.
}

// ---- buttons --------------------------------------------------------------------------

void DebugGain::on_butInfoMicSettings_clicked()
{
    sendToSink(QStringLiteral("BT_TX P"));
}

void DebugGain::selectInputPath(int input)
{
    static const char* const labels[] = {"IN 1\nBluetooth", "IN 2\nPWM H2-Sensor", "IN 3\nExternal Mic"};
    m_acRoutingInputPath = input;
    if (m_audioCodec)
        m_audioCodec->setInputPath(input);
    ui->labelSelectedInput->setText(QString::fromLatin1(labels[input - 1]));
}

void DebugGain::on_butIn1_clicked() { selectInputPath(1); }
void DebugGain::on_butIn2_clicked() { selectInputPath(2); }
void DebugGain::on_butIn3_clicked() { selectInputPath(3); }

void DebugGain::on_butCM_0x78_clicked()
{
    if (m_audioCodec)
        m_audioCodec->setCommonModeControl();
}

void DebugGain::on_butEnableLoopback_clicked()
{
    if (m_audioCodec)
        m_audioCodec->setLoopbackEnable(true);
}

void DebugGain::on_butStartRecording_clicked()
{
    Audioworker()->startAudioRecording();
}

void DebugGain::showHeadphoneVolStep(int step)
{
    m_headphoneVolStep = step;
    ui->slideGainHeadphone->setValue(step);
    ui->labelGainHeadphone->setText(QString::number(step));
}

void DebugGain::on_butVolHpUp_clicked()
{
    sendToSource(QStringLiteral("AVRCP UP"));
    showHeadphoneVolStep(qMin(m_headphoneVolStep + 1, 15));
}

void DebugGain::on_butVolHpDown_clicked()
{
    sendToSource(QStringLiteral("AVRCP DN"));
    showHeadphoneVolStep(qMax(m_headphoneVolStep - 1, 0));
}

void DebugGain::on_butDefault_clicked()
{
    // A slider moved to its default runs its handler as a user's move does; one already
    // there runs nothing.
    ui->textEditMessages->clear();
    if (m_audioCodec) {
        m_audioCodec->init();
        m_audioCodec->setFilter(0xFFFFFFFF, 0xFFFFFFFF, 0);
    }

    m_groundMicGain = 15;
    m_groundMicGain_dB = 18;
    ui->labGainMic->setText(hexStepLabel(m_groundMicGain_dB, m_groundMicGain));
    ui->slideGainMic->setValue(15);

    selectInputPath(1);

    m_btDacGain = 15;
    m_btDacGain_dB = 3;
    ui->labelGainDacBluetooth->setText(hexStepLabel(m_btDacGain_dB, m_btDacGain));
    ui->slideGainDacBluetooth->setValue(15);
    if (m_btSink)
        m_btSink->setBtDacGain(15);
    logMessage(QStringLiteral("M<"));

    m_acPgaGain = 6;
    m_acPgaGain_dB = 3.0f;
    ui->labelGainPgaAudiocodec->setText(stepLabel(m_acPgaGain_dB, m_acPgaGain));
    ui->slideGainPgaAudiocodec->setValue(6);
    if (m_audioCodec)
        m_audioCodec->setMicPgaGain(300);

    m_acAdcLevelgain = 4;
    m_acAdcLevelgain_dB = 2.0f;
    ui->labelGainAdcLevelgain->setText(stepLabel(m_acAdcLevelgain_dB, m_acAdcLevelgain));
    ui->slideGainAdcLevelgain->setValue(4);
    if (m_audioCodec)
        m_audioCodec->setAdcGain(200);

    m_acMixerAmpGain = 0;
    m_acMixerAmpGain_dB = 0.0f;
    ui->labelGainMixerAmpAudiocodec->setText(stepLabel(m_acMixerAmpGain_dB, m_acMixerAmpGain));
    ui->slideGainMixerAmpAudiocodec->setValue(0);

    m_acDacPcmGain = 0;
    m_acDacPcmGain_dB = 0.0f;
    ui->labelGainDacPcmAudiocodec->setText(stepLabel(m_acDacPcmGain_dB, m_acDacPcmGain));
    ui->slideGainDacPcmAudiocodec->setValue(0);
    if (m_audioCodec)
        m_audioCodec->setDacGain(0);

    m_acLineOutGain = 0;
    m_acLineOutGain_dB = 0.0f;
    ui->labelGainLineOutAudiocodec->setText(stepLabel(m_acLineOutGain_dB, m_acLineOutGain));
    ui->slideGainLineOutAudiocodec->setValue(0);
    if (m_audioCodec)
        m_audioCodec->setLineOutGain(0);

    m_btAdcGain = 9;
    m_btAdcGain_dB = 0;
    ui->labelGainAdcBluetooth->setText(hexStepLabel(m_btAdcGain_dB, m_btAdcGain));
    ui->slideGainAdcBluetooth->setValue(9);
    if (m_btSource)
        m_btSource->setBtAdcGain(9);
    logMessage(QStringLiteral("H<"));

    if (m_btSource)
        m_btSource->sendData(QStringLiteral("AVRCP PDU 50 50"));
    showHeadphoneVolStep(8);
    logMessage(QStringLiteral("H<"));

    updateOverview();
}

void DebugGain::on_butCallMic_clicked()
{
    if (m_btSink)
        m_btSink->callBtDeviceA2DP(true);
    logMessage(QStringLiteral("M<"));
}

void DebugGain::on_butCallHeadphone_clicked()
{
    if (m_btSource)
        m_btSource->callBtDeviceA2DP(false);
    logMessage(QStringLiteral("H<"));
}

void DebugGain::on_butUp_clicked()
{
    selectPage(m_currentPage <= PageBtMic ? PageOverview : m_currentPage - 1);
}

void DebugGain::on_butDown_clicked()
{
    selectPage(m_currentPage >= PageOverview ? PageBtMic : m_currentPage + 1);
}

void DebugGain::on_butInfo_clicked()
{
    // The overview from any page; from the overview the message log.
    selectPage(m_currentPage == PageOverview ? PageMessages : PageOverview);
}

void DebugGain::on_butHome_clicked()
{
    Audioworker()->stopAudioRecording();
    close();
}

// ---- mute key -------------------------------------------------------------------------

void DebugGain::keyPressEvent(QKeyEvent* event)
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    if (event->key() != Qt::Key_F10 || !menu) {
        QDialog::keyPressEvent(event);
        return;
    }
    qDebug().noquote() << "Debuggain. Mute Key pressed";
    if (!menu->isMuteKeySwitchmode())
        menu->muteAudioPath(false, true);
    else
        menu->muteAudioPath(!menu->isAudioPathMuted(), true);
}

void DebugGain::keyReleaseEvent(QKeyEvent* event)
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    if (event->key() != Qt::Key_F10 || !menu) {
        QDialog::keyReleaseEvent(event);
        return;
    }
    qDebug().noquote() << "Debuggain. Mute Key released";
    if (!menu->isMuteKeySwitchmode())
        menu->muteAudioPath(true, true);
}
