#include "Management/configuration.h"
#include "ui_configuration.h"

#include "Hardware/bluetooth.h"
#include "Management/systemsettings.h"
#include "Tools/escapekey.h"
#include "Tools/statusbar.h"
#include "Tools/textsize.h"
#include "mainmenu.h"

#include <QDebug>
#include <QRegularExpression>
#include <QTimer>

namespace {

// One item of the unit's configuration dump: a line "BT_RX <word> <value>". Only the
// start of a line counts, so the word inside another line's value is no item.
QString itemValue(const QString& text, const char* word, const char* valueChars)
{
    const QRegularExpression item(QStringLiteral("^[ \\t]*(BT_RX)[ \\t]+(%1)[ \\t]+(%2)")
                                      .arg(QLatin1String(word), QLatin1String(valueChars)),
                                  QRegularExpression::MultilineOption);
    return item.match(text).captured(3).trimmed();
}

} // namespace

int& Configuration::answerTimeoutMs()
{
    static int timeout = kDefaultAnswerTimeoutMs;
    return timeout;
}

Configuration::Configuration(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::Configuration)
    , m_timer(new QTimer(this))
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    ui->setupUi(this);
    // The fields are a pixel too low for the descenders in the form's size.
    setTextPixelSize({ui->editSensorType, ui->editGain, ui->editBatteryState, ui->editFirmwareVersion,
                      ui->editHardwareVersion, ui->editButtonMode, ui->editBtName, ui->editBtId},
                     16);
    ui->mainArea->setCurrentWidget(ui->settings_1);
    ui->subMenu->setCurrentWidget(ui->page);
    // A focused button must not click itself on Return or Enter.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        m_btSource = mainMenu->getBtSourceInstance();
        m_btSink = mainMenu->getBtSinkInstance();
    }
    if (m_btSink)
        connect(m_btSink, &Bluetooth::terminationStringDetected, this, &Configuration::readBtAnswer);
    m_timer->setObjectName(QStringLiteral("answerTimer"));
    m_timer->setSingleShot(true);
    // A coarse timer may end up to 5 % early; the unit is given its full answer time.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &Configuration::readBtAnswer);
    init();
}

Configuration::~Configuration()
{
    m_timer->stop();
    delete ui;
}

QString Configuration::sensorName(const QString& code)
{
    bool ok = false;
    switch (code.toInt(&ok)) {
    case 0:
        return ok ? tr("noSensor") : tr("unknown");
    case 1:
        return QStringLiteral("K-2");
    case 2:
        return QStringLiteral("M-4");
    case 3:
        return QStringLiteral("H2");
    default:
        return tr("unknown");
    }
}

QString Configuration::gainStepText(const QString& code)
{
    // The sensor-gain codes of the six microphone gain steps the instrument sends.
    bool ok = false;
    const int value = code.toInt(&ok, 16);
    if (!ok)
        return QStringLiteral("(?)");
    switch (value) {
    case 0x0A:
        return QStringLiteral("(1 / 3dB)");
    case 0x0D:
        return QStringLiteral("(2 / 12dB)");
    case 0x0F:
        return QStringLiteral("(3 / 18dB)");
    case 0x11:
        return QStringLiteral("(4 / 24dB)");
    case 0x13:
        return QStringLiteral("(5 / 30dB)");
    case 0x15:
        return QStringLiteral("(6 / 36dB)");
    default:
        return QStringLiteral("(?)");
    }
}

void Configuration::init()
{
    ui->retranslateUi(this);
    for (QString* text : {&m_micFirmwareVersion, &m_micBatteryState, &m_micGain, &m_micSensorType, &m_micButtonMode,
                          &m_micHardwareVersion, &m_micBtName, &m_micBtId, &m_buttonModeReported, &m_muteStateReported})
        text->clear();
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        if (const Systemsettings* store = mainMenu->getInstanceSystemsettings()) {
            m_micBtId = store->getBtIdMicrophone();
            m_micBtName = store->getBtNameMicrophone();
        }
    }
    // Only what the unit says from now on answers this request.
    for (Bluetooth* link : {m_btSink, m_btSource}) {
        if (link)
            link->clearData();
    }
    if (m_btSink)
        m_btSink->sendData(QStringLiteral("BT_TX P\n"));
    m_timer->start(answerTimeoutMs());
    showValues();
}

void Configuration::on_butReadAgain_clicked()
{
    init();
}

void Configuration::showValues()
{
    ui->editSensorType->setText(m_micSensorType);
    ui->editGain->setText(m_micGain.isEmpty() ? QString() : m_micGain + QLatin1Char(' ') + gainStepText(m_micGain));
    ui->editBatteryState->setText(m_micBatteryState);
    ui->editFirmwareVersion->setText(m_micFirmwareVersion);
    ui->editHardwareVersion->setText(m_micHardwareVersion);
    ui->editButtonMode->setText(m_micButtonMode);
    ui->editBtName->setText(m_micBtName);
    ui->editBtId->setText(m_micBtId);
}

void Configuration::readBtAnswer()
{
    const QString text = m_btSink ? m_btSink->getData() : QString();
    if (!text.isEmpty()) {
        const QString sensor = itemValue(text, "SENSOR", "[0-9]+");
        if (!sensor.isEmpty())
            m_micSensorType = sensorName(sensor);

        const QString gain = itemValue(text, "MIC-GAIN", "[0-9a-fA-FxX]+");
        if (!gain.isEmpty())
            m_micGain = gain;

        const QString battery = itemValue(text, "BATT_VOLTAGE", "[0-9]+");
        if (!battery.isEmpty()) {
            // The percentage is the status data's, from the unit's last battery report.
            const int percent = StatusbarData()->batteryMicrophone();
            m_micBatteryState = battery + QStringLiteral(" mV") + QStringLiteral(" (%1 %)").arg(percent);
            qDebug() << "value" << percent;
        }

        const QString firmware = itemValue(text, "FW-VERSION", "[0-9.]+");
        if (!firmware.isEmpty())
            m_micFirmwareVersion = QStringLiteral("V ") + firmware;

        const QString hardware = itemValue(text, "HW-VERSION", "[0-9.]+");
        if (!hardware.isEmpty())
            m_micHardwareVersion = QStringLiteral("V ") + hardware;

        const QString button = itemValue(text, "BUTTON", "[a-zA-Z0-9]+");
        if (!button.isEmpty())
            m_buttonModeReported = button;
        const QString mute = itemValue(text, "MUTE_STATE", "[a-zA-Z0-9]+");
        if (!mute.isEmpty())
            m_muteStateReported = mute;
        if (!button.isEmpty() || !mute.isEmpty()) {
            m_micButtonMode = m_buttonModeReported;
            if (!m_muteStateReported.isEmpty())
                m_micButtonMode += QStringLiteral(" (") + m_muteStateReported + QLatin1Char(')');
        }
        showValues();
    }
    qDebug() << "Received Config:" << text;
    // Nobody else reads the headphone module's text while this dialog runs.
    if (m_btSource)
        m_btSource->getData();
    m_timer->stop();
}

void Configuration::on_butMenuBack_clicked()
{
    close();
}

void Configuration::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QWidget::keyPressEvent(event);
}

void Configuration::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        close();
    else
        QWidget::keyReleaseEvent(event);
}
