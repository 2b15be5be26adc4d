#include "Hardware/bluetooth.h"

#include <QDebug>

Bluetooth::Bluetooth(QObject* parent)
    : QObject(parent)
{
}

Bluetooth::~Bluetooth() = default;

void Bluetooth::initBluetooth(QString portName, QString btId)
{
    m_portName = portName;
    m_btId = btId;
    qDebug() << "Bluetooth link" << portName << "peer" << btId;
}

void Bluetooth::resetBluetooth(QString btId)
{
    if (!btId.isEmpty())
        m_btId = btId;
}

void Bluetooth::callBtDeviceA2DP(bool rfcomm)
{
    m_callBtDeviceRfcomm = rfcomm;
}

void Bluetooth::callBtDeviceRFCOMM()
{
    sendData(QStringLiteral("CALL ") + m_btId + QStringLiteral(" 1101 RFCOMM"));
}

void Bluetooth::switchBtMode(int btMode)
{
    Q_UNUSED(btMode)
}

void Bluetooth::sendData(QString data)
{
    qDebug() << "BT send" << m_portName << data;
}

QString Bluetooth::getData()
{
    return QString();
}

void Bluetooth::clearData()
{
}

void Bluetooth::setBtAdcGain(int gain)
{
    m_btAdcGain = gain;
    if (gain != 0)
        m_btLastAdcGain = gain;
}

void Bluetooth::setBtLastAdcGain()
{
    m_btAdcGain = m_btLastAdcGain;
}

void Bluetooth::setBtExtHeadphoneGain(int volPercent)
{
    m_btExtHeadphoneStep = qBound(0, volPercent * 15 / 100, 15);
}

void Bluetooth::setBtExtHeadphoneVolUp()
{
    m_btExtHeadphoneStep = qMin(m_btExtHeadphoneStep + 1, 15);
}

void Bluetooth::setBtExtHeadphoneVolDown()
{
    m_btExtHeadphoneStep = qMax(m_btExtHeadphoneStep - 1, 0);
}

void Bluetooth::disconnectBtDevice()
{
    m_connectedA2DP = m_connectedRFCOMM = m_connectedAVRCP = false;
}

void Bluetooth::requestHeadphoneBatteryState()
{
}

void Bluetooth::initBtModulSource()
{
}

void Bluetooth::initBtModulSink()
{
}

void Bluetooth::initBtModulSourceTestmode()
{
}

void Bluetooth::updateState()
{
}

void Bluetooth::sendDebugCmd()
{
    sendData(QStringLiteral("BT_TX X DEBUG"));
}

void Bluetooth::readTtyData()
{
}

void Bluetooth::transmitTimeout()
{
}
