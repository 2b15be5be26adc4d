#include "Hardware/bluetooth.h"

#include "Hardware/devicepaths.h"
#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Hardware/usbexport.h"
#include "Management/systemsettings.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSerialPort>
#include <QThread>
#include <QTime>
#include <QTimer>

#include <termios.h>

namespace {

QString traceFile()
{
    return DevicePaths::onDataPartition(QStringLiteral("btInfo.txt"));
}

const char* const kAutoCallOn = "SET CONTROL AUTOCALL 19 500 A2DP";
const char* const kAutoCallOff = "SET CONTROL AUTOCALL";
constexpr unsigned int kGpioDtr = 58;
constexpr unsigned int kGpioCarrierDetect = 59;

// What a link takes from the settings store when it starts or is reset.
struct StoredLinkSettings
{
    QString microphoneId;
    QString headphoneId;
    int headphoneGain = 5;
};

StoredLinkSettings fromStore(const Systemsettings& store)
{
    StoredLinkSettings s;
    s.microphoneId = store.getBtIdMicrophone();
    s.headphoneId = store.getBtIdHeadphone();
    s.headphoneGain = store.getHeadphoneGain();
    return s;
}

StoredLinkSettings readStoredLinkSettings()
{
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        if (const Systemsettings* store = mainMenu->getInstanceSystemsettings())
            return fromStore(*store);
    }
    // Service tools and host tests run a link without the main window: read the store itself.
    const Systemsettings store;
    return fromStore(store);
}

// A link id or packet number from a module or unit line; garbage is refused rather than
// read as 0, which is a real link id.
bool toNumber(const QString& text, int* value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < 0)
        return false;
    *value = v;
    return true;
}

} // namespace

Bluetooth::Timing& Bluetooth::timing()
{
    static Timing periods;
    return periods;
}

Bluetooth::Bluetooth(QObject* parent)
    : QObject(parent)
    , uartPort(new QSerialPort(this))
    , m_btStateTimer(new QTimer(this))
    , m_btTimerTransmit(new QTimer(this))
{
    m_btStateTimer->setObjectName(QStringLiteral("btStateTimer"));
    m_btTimerTransmit->setObjectName(QStringLiteral("btTimerTransmit"));
    m_btTimerTransmit->setSingleShot(true);
    // A peer that vanishes (a pseudo-terminal closed on the host, a driver fault on the
    // board) would otherwise wake the event loop for ever with read errors.
    connect(uartPort, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::ResourceError)
            return;
        qDebug() << "Bluetooth: port" << m_portName << "lost:" << uartPort->errorString();
        uartPort->close();
    });
}

Bluetooth::~Bluetooth()
{
    m_btStateTimer->stop();
    m_btTimerTransmit->stop();
    if (uartPort->isOpen())
        uartPort->close();
}

// ---- set-up ------------------------------------------------------------------------

QString Bluetooth::acceptPeerAddress(const QString& address) const
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return QString();
    if (Systemsettings::isValidBtAddress(trimmed))
        return trimmed;
    // The address goes into module commands; anything else could smuggle a command in.
    qWarning() << "Bluetooth: refusing malformed peer address" << address;
    return QString();
}

void Bluetooth::rereadStoredSettings()
{
    const StoredLinkSettings stored = readStoredLinkSettings();
    m_btIdMicrophone = stored.microphoneId;
    m_btIdHeadphone = stored.headphoneId;
    m_btAdcGain = stored.headphoneGain;
    m_btLastAdcGain = stored.headphoneGain;
}

void Bluetooth::resetLinkFields()
{
    m_btAnswer.clear();
    m_discardToLineEnd = false;
    m_btState = -1;
    m_linkId0_A2DP = m_linkId1_A2DP = m_linkId2_RFCOMM = m_linkId2_AVRCP = m_linkId3_HFP = -1;
    m_connectedA2DP = m_connectedRFCOMM = m_connectedAVRCP = m_connectedHFP = false;
    m_callBtDeviceRfcomm = false;
    m_switchToDataMode = m_switchToCommandMode = false;
    m_waitCntConnectRfcomm = 0;
    m_btExtMicGain = 15;
    m_btDacGain = 15;
    m_btExtHeadphoneBatteryState = -1;
    m_btExtHeadphoneGain = 8;
    m_btMode = 0;
    m_btWaitForReadyAfterReset = false;
    m_waitForBTRX = false;
    rereadStoredSettings();
    if (m_btId.isEmpty())
        qDebug() << "Bluetooth:" << m_portName << "has no peer; it will not call";
}

void Bluetooth::initBluetooth(QString portName, QString btId)
{
    if (g_debugFeatures == 1)
        QFile::remove(Platform::devicePath(traceFile()));

    m_portName = portName;
    if (uartPort->isOpen())
        uartPort->close();
    uartPort->setPortName(Platform::devicePath(portName));
    const bool opened = uartPort->open(QIODevice::ReadWrite);
    uartPort->setBaudRate(QSerialPort::Baud115200, QSerialPort::AllDirections);
    if (opened)
        qDebug() << "Bluetooth: opened" << portName;
    else
        qDebug() << "Bluetooth: cannot open" << portName << uartPort->errorString();
    connect(uartPort, &QSerialPort::readyRead, this, &Bluetooth::readTtyData, Qt::UniqueConnection);

    m_btId = acceptPeerAddress(btId);
    m_btName = QStringLiteral("unknown");
    m_btProfile = 0;
    resetLinkFields();

    Gpio::setValue(kGpioDtr, 0);
    if (Gpio::getValue(kGpioCarrierDetect)) {
        qDebug() << "Bluetooth: module on" << portName << "still in data mode";
        Gpio::setValue(kGpioDtr, 0);
        QThread::msleep(static_cast<unsigned long>(timing().dataModeSettleMs));
        Gpio::setValue(kGpioDtr, 1);
        if (!waitForCarrierDetect(false))
            qWarning() << "Bluetooth: carrier detect stays high on" << portName
                       << "- going on as if the module were in command mode";
    }

    connect(m_btStateTimer, &QTimer::timeout, this, &Bluetooth::updateState, Qt::UniqueConnection);
    connect(m_btTimerTransmit, &QTimer::timeout, this, &Bluetooth::transmitTimeout, Qt::UniqueConnection);
    connect(this, &Bluetooth::btAnswerFromDeviceReceived, this, &Bluetooth::transmitTimeout, Qt::UniqueConnection);

    sendData(QStringLiteral("LIST"));
}

void Bluetooth::resetBluetooth(QString btId)
{
    if (!btId.isEmpty()) {
        // A malformed address is refused; the peer the link had stays.
        const QString accepted = acceptPeerAddress(btId);
        if (!accepted.isEmpty() || btId.trimmed().isEmpty())
            m_btId = accepted;
    }
    resetLinkFields();
    updateState();
}

// ---- state machine -------------------------------------------------------------------

void Bluetooth::callBtDeviceA2DP(bool rfcomm)
{
    m_callBtDeviceRfcomm = rfcomm;
    if (!m_connectedA2DP && !m_connectedRFCOMM)
        m_btState = 0;
    updateState();
}

void Bluetooth::callBtDeviceRFCOMM()
{
    if (m_btId.isEmpty()) {
        qDebug() << "Bluetooth: no peer to call on" << m_portName;
        return;
    }
    sendData(QStringLiteral("CALL ") + m_btId + QStringLiteral(" 1101 RFCOMM"));
}

void Bluetooth::switchBtMode(int btMode)
{
    if (btMode == 1) {
        m_switchToDataMode = true;
        m_switchToCommandMode = false;
    } else {
        m_switchToCommandMode = true;
        m_switchToDataMode = false;
    }
    updateState();
}

void Bluetooth::dropAllLinks()
{
    m_connectedRFCOMM = m_connectedA2DP = m_connectedAVRCP = m_connectedHFP = false;
    m_linkId0_A2DP = m_linkId1_A2DP = m_linkId2_RFCOMM = m_linkId2_AVRCP = m_linkId3_HFP = -1;
}

void Bluetooth::tearDownDataChannel()
{
    // Command mode first, so that the tear-down goes to the module and not into the data
    // channel (and sendData does not ask for another state step from inside this one).
    m_btMode = 0;
    if (!m_btId.isEmpty())
        sendData(QStringLiteral("KILL ") + m_btId);
    for (int link = 0; link < 4; ++link)
        sendData(QStringLiteral("CLOSE %1").arg(link));
    m_callBtDeviceRfcomm = true;
    dropAllLinks();
}

void Bluetooth::updateState()
{
    // A step that sends a module command may ask for another step (sendData ->
    // switchBtMode); this step restarts the timer when it ends.
    if (m_inStateStep)
        return;
    m_inStateStep = true;
    const Timing& t = timing();
    int delay = t.idleTickMs;

    switch (m_btState) {
    case 0:
    case 1: {
        const bool autoCall = m_btState == 0;
        m_btMode = 0;
        dropAllLinks();
        // The module is back in command mode: commands held back during data mode go out
        // now instead of at some later excursion, where they would hit a fresh connection.
        if (!m_commandOutputBuffer.isEmpty() && !Gpio::getValue(kGpioCarrierDetect))
            flushCommandOutputBuffer();
        if (autoCall)
            sendData(QString::fromLatin1(kAutoCallOn));
        m_btState = 2;
        delay = t.slowTickMs;
        break;
    }
    case 2:
        m_connectedRFCOMM = false;
        m_linkId2_RFCOMM = -1;
        if (m_connectedA2DP)
            m_btState = 3;
        delay = t.slowTickMs;
        break;
    case 3:
        m_connectedRFCOMM = false;
        m_switchToDataMode = m_switchToCommandMode = false;
        m_linkId2_RFCOMM = -1;
        // Without a peer there is nobody to call; the link rests here.
        if (m_callBtDeviceRfcomm && !m_btId.isEmpty()) {
            sendData(QStringLiteral("CALL ") + m_btId + QStringLiteral(" 1101 RFCOMM"));
            m_waitCntConnectRfcomm = 0;
            m_btState = 4;
        }
        delay = t.slowTickMs;
        break;
    case 4:
        if (m_connectedRFCOMM) {
            m_btState = 5;
            delay = t.fastTickMs;
        } else if (++m_waitCntConnectRfcomm <= kRfcommWaitTicks) {
            delay = t.fastTickMs;
        } else {
            qDebug() << "Bluetooth: no data channel on" << m_portName << "- tearing down and calling again";
            m_btState = 1; // the tear-down goes to the module, whatever carrier detect says
            tearDownDataChannel();
            delay = t.retryDelayMs;
        }
        break;
    case 5:
        if (Gpio::getValue(kGpioCarrierDetect))
            m_btState = 6;
        delay = t.fastTickMs;
        break;
    case 6:
        m_switchToDataMode = false;
        m_btMode = 1;
        Gpio::setValue(kGpioDtr, 0);
        if (m_switchToCommandMode) {
            // Data written before DTR rises must reach the unit, not the command parser.
            drainOutput();
            Gpio::setValue(kGpioDtr, 1);
            m_btState = 7;
            delay = t.fastTickMs;
        } else {
            if (!m_waitForBTRX)
                sendNextQueuedLine();
            delay = t.slowTickMs;
        }
        break;
    case 7:
        if (!Gpio::getValue(kGpioCarrierDetect))
            m_btState = 8;
        delay = t.fastTickMs;
        break;
    case 8:
        m_btMode = 0;
        m_switchToCommandMode = false;
        flushCommandOutputBuffer();
        // Unit lines held back during the excursion go out once the data channel is selected.
        if (m_numDataToTransmit > 0)
            m_switchToDataMode = true;
        if (m_switchToDataMode && m_linkId2_RFCOMM >= 0) {
            Gpio::setValue(kGpioDtr, 0);
            sendData(QStringLiteral("SELECT %1").arg(m_linkId2_RFCOMM));
            m_btState = 5;
            delay = t.fastTickMs;
        } else {
            m_switchToDataMode = false;
            delay = t.slowTickMs;
        }
        break;
    case 9:
        m_connectedRFCOMM = m_connectedA2DP = m_connectedAVRCP = m_connectedHFP = false;
        m_btState = 1;
        break;
    default:
        break;
    }

    m_inStateStep = false;
    m_btStateTimer->start(delay);
}

bool Bluetooth::waitForCarrierDetect(bool high)
{
    QElapsedTimer waited;
    waited.start();
    while (Gpio::getValue(kGpioCarrierDetect) != high) {
        if (waited.elapsed() >= timing().carrierWaitLimitMs)
            return false;
        QThread::msleep(static_cast<unsigned long>(timing().carrierPollMs));
    }
    return true;
}

void Bluetooth::returnToCommandModeNow()
{
    qDebug() << "Bluetooth: leaving data mode on" << m_portName;
    drainOutput();
    Gpio::setValue(kGpioDtr, 1);
    if (!waitForCarrierDetect(false))
        qWarning() << "Bluetooth: carrier detect stays high on" << m_portName << "- sending the module commands anyway";
    m_btMode = 0;
    m_switchToCommandMode = m_switchToDataMode = false;
    flushCommandOutputBuffer();
}

void Bluetooth::flushCommandOutputBuffer()
{
    if (m_commandOutputBuffer.isEmpty())
        return;
    writeToPort(m_commandOutputBuffer.toLatin1());
    m_commandOutputBuffer.clear();
}

// ---- outgoing path -------------------------------------------------------------------

void Bluetooth::writeToPort(const QByteArray& bytes)
{
    if (!uartPort->isOpen())
        return;
    uartPort->write(bytes);
    // Out now, in the order of the calls: blocking pauses and DTR changes follow writes.
    uartPort->flush();
}

void Bluetooth::writeLine(const QString& line)
{
    writeToPort(line.toLatin1() + '\n');
}

void Bluetooth::drainOutput()
{
    if (!uartPort->isOpen())
        return;
    uartPort->flush();
    ::tcdrain(static_cast<int>(uartPort->handle()));
}

void Bluetooth::sendData(QString data)
{
    qDebug() << "BT send" << m_portName << data;

    if (data.startsWith(QLatin1String("AT"))) {
        writeLine(data);
        return;
    }

    if (!data.startsWith(QLatin1String("BT_TX"))) {
        if (moduleTakesData())
            switchBtMode(0);
        if (moduleTakesData()) {
            m_commandOutputBuffer += data + QLatin1Char('\n');
            return;
        }
        writeLine(data);
        return;
    }

    // A line for the sensor unit.
    if (data.startsWith(QLatin1String("BT_TX I"))) {
        bool ok = false;
        const int gain = data.section(QLatin1Char(' '), 2, 2).toInt(&ok, 16);
        if (ok)
            m_btExtMicGain = gain;
    }
    if (m_switchToCommandMode) {
        qDebug() << "Bluetooth: dropped while switching to command mode:" << data;
        return;
    }
    if (m_btMode == 0)
        switchBtMode(1);
    if (!m_connectedRFCOMM) {
        qDebug() << "Bluetooth: no data channel, not sent:" << data;
        return;
    }
    if (g_debugFeatures == 1)
        writeBluetoothCmdsDbg(QStringLiteral("H->M ") + data + QLatin1Char('\n'));
    // Lines still queued go first, so a new line never overtakes them.
    if (m_waitForBTRX || m_numDataToTransmit > 0) {
        addToTransmitBuffer(data);
        if (!m_waitForBTRX)
            sendNextQueuedLine();
        return;
    }
    writeUnitLine(data);
}

bool Bluetooth::moduleTakesData() const
{
    if (m_btMode == 1)
        return true;
    // The module enters data mode by itself when the data channel connects, and after
    // "SELECT", before the state machine has seen carrier detect: a module command written
    // then would go to the sensor unit. The lines are shared, so only the link that waits
    // for its data channel reads carrier detect as its own.
    if (m_btState >= 5 && m_btState <= 7)
        return true;
    return m_btState == 4 && Gpio::getValue(kGpioCarrierDetect);
}

void Bluetooth::writeUnitLine(const QString& line)
{
    m_waitForBTRX = true;
    m_btTimerTransmit->start(timing().replyTimeoutMs);
    writeLine(line);
}

void Bluetooth::sendDebugCmd()
{
    sendData(QStringLiteral("BT_TX X DEBUG"));
}

void Bluetooth::addToTransmitBuffer(QString data)
{
    // Full: the newest queued line gives way, the older ones keep their turn.
    m_numDataToTransmit = qMin(m_numDataToTransmit + 1, kTransmitSlots);
    m_transmitBuffer[m_numDataToTransmit] = data;
}

void Bluetooth::transmitTimeout()
{
    m_btTimerTransmit->stop();
    m_waitForBTRX = false;
    sendNextQueuedLine();
}

void Bluetooth::sendNextQueuedLine()
{
    if (m_numDataToTransmit <= 0) {
        m_numDataToTransmit = 0;
        return;
    }
    // While the data channel is away (an excursion to command mode, a lost channel) the
    // queue waits as it is; the state machine resumes it in data mode.
    if (!m_connectedRFCOMM || m_switchToCommandMode || m_btMode != 1)
        return;
    for (int slot = 0; slot < kTransmitSlots; ++slot)
        m_transmitBuffer[slot] = m_transmitBuffer[slot + 1];
    m_transmitBuffer[kTransmitSlots].clear();
    --m_numDataToTransmit;
    writeUnitLine(m_transmitBuffer[0]);
}

// ---- gains and headphone volume ------------------------------------------------------

void Bluetooth::setBtExtMicGain(int gain)
{
    m_btExtMicGain = qBound(0, gain, 255); // one byte on the wire
    sendData(QStringLiteral("BT_TX G ") + QStringLiteral("%1").arg(m_btExtMicGain, 2, 16, QLatin1Char('0')));
}

void Bluetooth::setBtDacGain(int gain)
{
    m_btDacGain = gain;
    sendData(QStringLiteral("SET CONTROL GAIN %1 %2\n").arg(m_btAdcGain, 0, 16).arg(m_btDacGain, 0, 16));
}

void Bluetooth::setBtAdcGain(int gain)
{
    m_btAdcGain = gain;
    if (gain > 0)
        m_btLastAdcGain = gain;
    sendData(QStringLiteral("SET CONTROL GAIN %1 %2\n").arg(m_btAdcGain, 0, 16).arg(m_btDacGain, 0, 16));
}

void Bluetooth::setBtLastAdcGain()
{
    setBtAdcGain(m_btLastAdcGain);
}

void Bluetooth::setBtExtHeadphoneGain(int volPercent)
{
    sendData(QStringLiteral("AVRCP PDU 50 %1").arg(volPercent));
    m_btExtHeadphoneGain = convertVolPercentToVolStep(volPercent);
}

void Bluetooth::setBtExtHeadphoneVolUp()
{
    m_btExtHeadphoneGain = qMin(m_btExtHeadphoneGain + 1, 15);
    sendData(QStringLiteral("AVRCP UP"));
}

void Bluetooth::setBtExtHeadphoneVolDown()
{
    m_btExtHeadphoneGain = qMax(m_btExtHeadphoneGain - 1, 0);
    sendData(QStringLiteral("AVRCP DN"));
}

int Bluetooth::convertVolPercentToVolStep(int a_volPercent)
{
    // Upper bound of each step's percent range.
    static const int upper[] = {3, 9, 15, 21, 28, 34, 40, 47, 53, 59, 65, 72, 78, 84, 91, 100};
    if (a_volPercent < 0 || a_volPercent > 100)
        return 8;
    for (int step = 0; step < 16; ++step) {
        if (a_volPercent <= upper[step])
            return step;
    }
    return 8;
}

int Bluetooth::convertVolStepToVolPercent(int a_volStep)
{
    static const int percent[] = {0, 6, 12, 18, 25, 31, 37, 44, 50, 56, 62, 69, 75, 81, 88, 94};
    if (a_volStep < 0 || a_volStep > 15)
        return 50;
    return percent[a_volStep];
}

// ---- disconnect, headphone battery, module set-up ------------------------------------

void Bluetooth::disconnectBtDevice()
{
    // In data mode the module commands below would be held back and fire at the next
    // excursion to command mode - on whatever connection exists by then, or go into the
    // data channel when the module has just entered data mode and the link has not seen it
    // yet. Carrier detect tells; the lines are shared, so only a link that may be in data
    // mode (it called the data channel) reads them as its own.
    const bool mayBeInDataMode = m_btMode == 1 || (m_btState >= 4 && m_btState <= 8);
    if (mayBeInDataMode && Gpio::getValue(kGpioCarrierDetect))
        returnToCommandModeNow();
    // Idle and in command mode from here: the commands below go out at once.
    m_btState = -1;
    m_btMode = 0;
    m_switchToCommandMode = m_switchToDataMode = false;

    sendData(QString::fromLatin1(kAutoCallOff));
    QThread::msleep(static_cast<unsigned long>(timing().disconnectPauseMs));
    if (!m_btId.isEmpty())
        sendData(QStringLiteral("KILL ") + m_btId);
    for (int link = 0; link < 4; ++link)
        sendData(QStringLiteral("CLOSE %1").arg(link));
    sendData(QString::fromLatin1(kAutoCallOff));

    dropAllLinks();
    m_callBtDeviceRfcomm = false;
    qDebug() << "Autocall disabled";
}

void Bluetooth::requestHeadphoneBatteryState()
{
    if (m_linkId3_HFP > 0)
        sendData(QStringLiteral("@%1 +CHLD=0").arg(m_linkId3_HFP));
}

void Bluetooth::initBtModulSource()
{
    static const char* const lines[] = {
        "SET BT PAGEMODE 0 2000 2", "SET CONTROL ECHO 5", "SET BT FILTER 200400 200400", "SET BT PAIRCOUNT 1",
        "SET BT NAME TKR9400_HP", "SET CONTROL PREAMP 0 0", "SET CONTROL CD 04 1", "SET CONTROL ESCAPE - 02 1",
        "SET PROFILE A2DP SOURCE", "SET PROFILE AVRCP TARGET 7", "SET PROFILE HFP-AG ON", "SET BT CLASS 280428",
    };
    for (const char* line : lines)
        sendData(QString::fromLatin1(line));
}

void Bluetooth::initBtModulSink()
{
    static const char* const lines[] = {
        "SET BT PAGEMODE 0 2000 2", "SET CONTROL ECHO 5", "SET BT FILTER 200400 200400", "SET BT PAIRCOUNT 1",
        "SET BT NAME TKR9400_MIC", "SET CONTROL PREAMP 0 0", "SET CONTROL CD 04 1", "SET CONTROL ESCAPE - 02 1",
        "SET PROFILE A2DP SINK", "SET PROFILE AVRCP CONTROLLER 3", "SET BT CLASS 280438",
    };
    for (const char* line : lines)
        sendData(QString::fromLatin1(line));
}

void Bluetooth::initBtModulSourceTestmode()
{
    static const char* const lines[] = {
        "SET BT PAGEMODE 3 4000 1", "SET CONTROL ECHO 5", "SET BT FILTER 200400 200400", "SET BT PAIRCOUNT 1",
        "SET BT NAME TKR9400_SIM_MIC", "SET CONTROL PREAMP 0 0", "SET CONTROL CD 04 1", "SET CONTROL ESCAPE - 02 1",
        "SET PROFILE A2DP SOURCE", "SET PROFILE AVRCP TARGET 7", "SET BT CLASS 280428",
    };
    for (const char* line : lines)
        sendData(QString::fromLatin1(line));
}

void Bluetooth::forgetModuleSettings()
{
    m_btName.clear();
    m_btProfile = 0;
}

// ---- incoming path -------------------------------------------------------------------

QString Bluetooth::getData()
{
    if (!m_btAnswerCopy.contains(QLatin1Char('\n')))
        return QString();
    QString data;
    data.swap(m_btAnswerCopy);
    return data;
}

void Bluetooth::clearData()
{
    m_btAnswer.clear();
    m_btAnswerCopy.clear();
    m_discardToLineEnd = false;
}

void Bluetooth::collect(const QString& text)
{
    m_btAnswerCopy += text;
    if (m_btAnswerCopy.size() <= kMaxCollectedChars)
        return;
    // Nobody collects: keep the newest whole lines.
    int cut = m_btAnswerCopy.indexOf(QLatin1Char('\n'), m_btAnswerCopy.size() - kMaxCollectedChars);
    cut = cut < 0 ? m_btAnswerCopy.size() : cut + 1;
    m_btAnswerCopy.remove(0, cut);
}

void Bluetooth::readTtyData()
{
    QByteArray data = uartPort->readAll();
    // NULs from a module that powers up or from line noise are no text.
    int kept = 0;
    for (int i = 0; i < data.size(); ++i) {
        if (data.at(i) != '\0')
            data[kept++] = data.at(i);
    }
    data.truncate(kept);
    if (data.isEmpty())
        return;
    m_btAnswer.append(data);
    if (m_btAnswer.contains('\n') || m_btAnswer.size() > kMaxLineBytes)
        analyseAnswer();
}

void Bluetooth::analyseAnswer()
{
    // A receiver may run an event loop (a dialog) and so read the port again; the loop
    // that runs already takes the new lines, in order.
    if (m_analysing)
        return;
    m_analysing = true;
    for (;;) {
        const int end = m_btAnswer.indexOf('\n');
        if (end < 0)
            break;
        QByteArray raw = m_btAnswer.left(end);
        m_btAnswer.remove(0, end + 1);
        if (m_discardToLineEnd) {
            m_discardToLineEnd = false;
            continue;
        }
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (raw.size() > kMaxLineBytes) {
            qDebug() << "Bluetooth: dropped an overlong line of" << raw.size() << "bytes on" << m_portName;
            continue;
        }
        const QString text = QString::fromUtf8(raw);
        collect(text + QLatin1Char('\n'));
        analyseLine(text.trimmed());
    }
    if (m_btAnswer.size() > kMaxLineBytes) {
        // Text without line ends: drop it, and what follows up to the next line end.
        qDebug() << "Bluetooth: dropped" << m_btAnswer.size() << "bytes without a line end on" << m_portName;
        m_btAnswer.clear();
        m_discardToLineEnd = true;
    }
    m_analysing = false;
}

bool Bluetooth::isSensorUnitLink() const
{
    return !m_btId.isEmpty() && m_btId == m_btIdMicrophone;
}

void Bluetooth::analyseLine(const QString& line)
{
    if (line.isEmpty())
        return;
    if (isSensorUnitLink()) {
        qDebug() << "BT_M:" << line;
        if (g_debugFeatures == 1)
            writeBluetoothCmdsDbg(QStringLiteral("M->H ") + line + QLatin1Char('\n'));
    } else if (!m_btId.isEmpty() && m_btId == m_btIdHeadphone) {
        qDebug() << "BT_H:" << line;
    } else {
        qDebug() << "BT:" << line;
    }

    // Fields are looked up with value(): a short or echoed line yields empty fields and
    // so matches nothing below.
    const QStringList section = line.split(QLatin1Char(' '));
    int id = -1;

    if (line.startsWith(QLatin1String("CALL")) && toNumber(section.value(1), &id))
        m_tempLinkId = id;

    if (line.startsWith(QLatin1String("CONNECT")) && toNumber(section.value(1), &id)) {
        if (section.value(2) == QLatin1String("A2DP")) {
            if (m_linkId0_A2DP < 0)
                m_linkId0_A2DP = id;
            else if (m_linkId1_A2DP < 0)
                m_linkId1_A2DP = id;
        } else if (section.value(2) == QLatin1String("RFCOMM")) {
            m_linkId2_RFCOMM = id;
            m_connectedRFCOMM = true;
            updateState();
            if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
                mainMenu->updateMicrophoneParameter();
        }
    }

    if (line.startsWith(QLatin1String("A2DP STREAMING START"))) {
        m_connectedA2DP = true;
        updateState();
    }

    if (line.startsWith(QLatin1String("RING")) && section.value(4) == QLatin1String("AVRCP")
        && toNumber(section.value(1), &id)) {
        m_linkId2_AVRCP = id;
        m_connectedAVRCP = true;
        if (m_connectedHFP) {
            m_btExtHeadphoneBatteryState = -1;
            requestHeadphoneBatteryState();
        } else if (!m_btId.isEmpty()) {
            sendData(QStringLiteral("CALL ") + m_btId + QStringLiteral(" 111E HFP-AG"));
        }
    }

    if (line.startsWith(QLatin1String("HFP-AG"))) {
        if (section.value(2) == QLatin1String("READY") && toNumber(section.value(1), &id)) {
            m_linkId3_HFP = id;
            m_connectedHFP = true;
            m_btExtHeadphoneBatteryState = -1;
            requestHeadphoneBatteryState();
        }
        const QString report = section.value(4);
        if (report.startsWith(QLatin1String("AT+IPHONEACCEV"))) {
            // The headset reports its battery as a level 0..9.
            int level = -1;
            if (toNumber(report.section(QLatin1Char(','), 2, 2), &level) && level <= 9) {
                m_btExtHeadphoneBatteryState = (level + 1) * 10;
                emit btHeadphoneBatteryStateReceived(m_btExtHeadphoneBatteryState);
            }
        }
    }

    const bool linkLost = line.startsWith(QLatin1String("A2DP STREAMING STOP"))
        || (line.startsWith(QLatin1String("NO CARRIER")) && section.size() > 2
            && section.value(2) != QLatin1String("3"));
    if (linkLost) {
        // The line in flight went down with the channel: its answer will not come.
        m_btTimerTransmit->stop();
        m_waitForBTRX = false;
        m_connectedA2DP = m_connectedRFCOMM = m_connectedAVRCP = m_connectedHFP = false;
        m_btState = 1;
        updateState();
    }

    if (line.startsWith(QLatin1String("OK")))
        emit btAtOk();

    if (line.startsWith(QLatin1String("LIST")) && section.value(2) == QLatin1String("CONNECTED")
        && toNumber(section.value(1), &id)) {
        const QString profile = section.value(3);
        if (profile == QLatin1String("A2DP")) {
            m_connectedA2DP = true;
            m_linkId1_A2DP = 1;
            m_linkId0_A2DP = 0;
            if (m_callBtDeviceRfcomm) {
                m_waitCntConnectRfcomm = 0;
                m_btState = 4;
            } else {
                m_btState = 3;
            }
            updateState();
        } else if (profile == QLatin1String("RFCOMM")) {
            m_connectedRFCOMM = true;
            m_linkId2_RFCOMM = id;
            m_btState = 6;
            m_switchToCommandMode = true;
            updateState();
            emit btConnectedRfcomm();
            if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
                mainMenu->updateMicrophoneParameter();
        } else if (profile == QLatin1String("AVRCP")) {
            m_linkId2_AVRCP = id;
            m_connectedAVRCP = true;
        } else if (profile == QLatin1String("HFP-AG")) {
            m_linkId3_HFP = id;
            m_connectedHFP = true;
        }
    }

    if (line.startsWith(QLatin1String("BT_RX")))
        analyseUnitLine(line);

    if (line.startsWith(QLatin1String("!$!")))
        emit terminationStringDetected();

    if (line.startsWith(QLatin1String("AVRCP")) && section.value(4) == QLatin1String("VOLUME_CHANGED")) {
        bool ok = false;
        const int volume = section.value(5).toInt(&ok);
        if (ok) {
            m_btExtHeadphoneGain = qMin(convertVolPercentToVolStep(volume), 15);
            emit btHeadphoneVolumeChanged(volume);
        }
    }

    if (line.startsWith(QLatin1String("SET BT BDADDR")) && !section.value(3).isEmpty())
        m_btIdModul = section.value(3).trimmed();
    if (line.startsWith(QLatin1String("SET BT NAME")) && !section.value(3).isEmpty())
        m_btName = section.value(3).trimmed();
    if (line.startsWith(QLatin1String("SET PROFILE A2DP")) && section.size() > 3) {
        const QString role = section.value(3);
        if (role.startsWith(QLatin1String("SINK"), Qt::CaseInsensitive))
            m_btProfile = 1;
        else if (role.startsWith(QLatin1String("SOURCE"), Qt::CaseInsensitive))
            m_btProfile = 2;
        else
            m_btProfile = 0;
    }

    if (line.startsWith(QLatin1String("WRAP THOR")))
        m_btWaitForReadyAfterReset = true;
    if (line.startsWith(QLatin1String("READY.")) && m_btWaitForReadyAfterReset) {
        m_btWaitForReadyAfterReset = false;
        emit btModulReset();
    }

    if (line.startsWith(QLatin1String("PAIR")) && line.endsWith(QLatin1String("OK")))
        emit btPairingOk();
}

void Bluetooth::analyseUnitLine(const QString& line)
{
    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"));
    const QStringList section = line.split(QLatin1Char(' '));
    const QStringList value = line.split(whiteSpace, Qt::SkipEmptyParts);
    const QString keyword = section.value(1);
    const QString value2 = value.value(2);
    const QString value3 = value.value(3);

    m_waitForBTRX = false;
    emit btAnswerFromDeviceReceived();

    if (keyword == QLatin1String("MUTE_STATE") && !value2.isEmpty()) {
        const bool muted = value2 != QLatin1String("ACTIVE");
        // Not while the GUI thread waits for a clip, nor on the page under a dialog.
        MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
        if (!mainMenu || mainMenu->unitMuteKeyGoesOn(muted))
            emit stateActiveMuteChanged(muted);
    } else if (keyword == QLatin1String("ALERT") && !value2.isEmpty()) {
        // The receiver shows a modal dialog; it must not run inside this parser.
        QMetaObject::invokeMethod(
            this, [this, value2] { emit btAlertMessageReceived(value2); }, Qt::QueuedConnection);
    } else if (keyword == QLatin1String("SENSOR") && !value2.isEmpty()) {
        emit btSensortypeReceived(value2);
    } else if (keyword == QLatin1String("BATT_VOLTAGE") && !value2.isEmpty()) {
        emit btBatteryvoltageReceived(value2);
    } else if (keyword == QLatin1String("SENSVAL")) {
        emit btSensorvalueReceived(value2, value3);
    } else if (keyword == QLatin1String("OK")) {
        qDebug() << "OK received from QJ-5";
    } else if (keyword == QLatin1String("RCVOK")) {
        qDebug() << "RCVOK received from QJ-5 Mode:" << value2;
    } else if (keyword == QLatin1String("X")) {
        qDebug() << "Debug-/Service-Mode =" << value2;
    } else if (keyword == QLatin1String("RDY")) {
        qDebug() << "Mic ready" << value2 << value3;
        if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
            mainMenu->updateMicrophoneParameter();
        emit btBatteryvoltageReceived(value2);
        emit btSensortypeReceived(value3);
        emit btRdyReceived();
    } else if (keyword == QLatin1String("FH") && section.size() > 2) {
        emit btFwHeaderReceived(section.value(2) == QLatin1String("OK"));
    } else if (keyword == QLatin1String("FD") && section.size() > 3) {
        int packet = 0;
        if (toNumber(section.value(2), &packet))
            emit btFwDataReceived(packet, section.value(3) == QLatin1String("OK"));
    } else if (keyword == QLatin1String("FS") && section.size() > 2) {
        emit btFwStartUpdateReceived(section.value(2) == QLatin1String("OK"));
    } else if (keyword == QLatin1String("FW-VERSION") && !value2.isEmpty()) {
        m_fwVersion = value2;
        emit btFirmwareVersion(m_fwVersion);
    }
}

// ---- trace file ----------------------------------------------------------------------

void Bluetooth::writeBluetoothCmdsDbg(QString text)
{
    if (!UsbExport::isPartitionMounted())
        return;
    QString timeFormat = QStringLiteral("hh:mm:ss");
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        if (const Systemsettings* store = mainMenu->getInstanceSystemsettings())
            timeFormat = store->getFormatStringTime();
    }
    const QString path = traceFile();
    QFile file(Platform::devicePath(path));
    if (file.size() >= kMaxTraceBytes)
        file.remove();
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        qDebug() << "Could not open file:" << path;
        return;
    }
    file.write((Platform::currentDateTime().time().toString(timeFormat) + QLatin1Char(' ') + text).toLatin1());
}
