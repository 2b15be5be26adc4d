#include "testdevicesim.h"

#include <QFile>

const char* const TestDeviceSim::kMicrophoneName = "TEST-MIC";
const char* const TestDeviceSim::kHeadphoneName = "TEST-HP";

void TestDeviceSim::set(bool present, const QString& addressFile, const QString& builtIn)
{
    m_present = present;
    m_addressFile = addressFile;
    m_builtIn = builtIn;
}

QString TestDeviceSim::address() const
{
    if (m_addressFile.isEmpty())
        return QString();
    QFile file(m_addressFile);
    if (!file.open(QIODevice::ReadOnly))
        return m_builtIn;
    return QString::fromUtf8(file.read(64)).section(QLatin1Char('\n'), 0, 0).trimmed();
}

bool TestDeviceSim::isAt(const QString& address) const
{
    const QString test = this->address();
    return !test.isEmpty() && address.compare(test, Qt::CaseInsensitive) == 0;
}

void TestDeviceSim::setSensorValue(const QString& value, const QString& activeTime)
{
    m_sensorValue = value;
    m_sensorTime = activeTime;
}

QString TestDeviceSim::sensorValueLine() const
{
    return QStringLiteral("BT_RX SENSVAL %1 %2").arg(m_sensorValue, m_sensorTime);
}
