#include "h2sensorsim.h"

#include <QFile>
#include <QtMath>

H2SensorSim::H2SensorSim() = default;

void H2SensorSim::setRaw(double raw, qint64 nowMs)
{
    m_start = raw;
    m_target = raw;
    m_timeConstantS = 0;
    m_changeMs = nowMs;
}

void H2SensorSim::setLeak(double raw, double seconds, qint64 nowMs)
{
    m_start = generatedValue(nowMs);
    m_target = raw;
    m_timeConstantS = seconds;
    m_changeMs = nowMs;
}

void H2SensorSim::setNoise(double amplitude)
{
    m_noise = qAbs(amplitude);
}

void H2SensorSim::setScript(const QStringList& values)
{
    m_script = values;
    m_scriptPos = 0;
}

bool H2SensorSim::readScript(const QString& path, QStringList* values, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    values->clear();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        values->append(line == QLatin1String("silence") ? QString() : line);
    }
    return true;
}

void H2SensorSim::setActiveTime(int seconds, qint64 nowMs)
{
    m_activeBase = seconds;
    m_activeSinceMs = nowMs;
}

double H2SensorSim::generatedValue(qint64 nowMs) const
{
    if (m_timeConstantS <= 0)
        return m_target;
    const double t = qMax<qint64>(0, nowMs - m_changeMs) / 1000.0;
    return m_target + (m_start - m_target) * qExp(-t / m_timeConstantS);
}

int H2SensorSim::activeTime(qint64 nowMs) const
{
    return m_activeBase + int(qMax<qint64>(0, nowMs - m_activeSinceMs) / 1000);
}

H2SensorSim::Reading H2SensorSim::read(qint64 nowMs)
{
    Reading reading;
    reading.activeTime = activeTime(nowMs);
    if (m_scriptPos < m_script.size()) {
        reading.value = m_script.at(m_scriptPos++);
        reading.answered = !reading.value.isEmpty();
        return reading;
    }
    double value = generatedValue(nowMs);
    if (m_noise > 0) {
        // A small linear congruential generator: the same run gives the same readings.
        m_noiseState = m_noiseState * 1664525u + 1013904223u;
        value += m_noise * (2.0 * (m_noiseState >> 8) / double(1u << 24) - 1.0);
    }
    reading.answered = true;
    reading.value = QString::number(qMax(0.0, value), 'f', 1);
    return reading;
}
