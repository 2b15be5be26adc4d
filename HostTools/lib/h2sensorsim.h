#ifndef H2SENSORSIM_H
#define H2SENSORSIM_H

#include <QString>
#include <QStringList>

// The hydrogen sensor of the simulated sensor unit: what the unit answers to "BT_TX S".
// Either a script (raw values answered one per request, in order, garbage and silence
// included) or, once a script has run out or without one, a generator: a baseline, a rise
// towards a leak value with a time constant, and noise. The active (heating) time counts up
// in seconds from the unit's power-on or from a value set.
//
// Times are milliseconds of the caller's steady clock, so the generator can be driven
// without waiting. Not thread-safe: the unit's thread owns it.
class H2SensorSim
{
public:
    static constexpr double kDefaultRaw = 123.0;

    struct Reading
    {
        bool answered = false; // false: the unit stays silent this time
        QString value;         // raw value as the unit sends it (any text a script gives)
        int activeTime = 0;    // seconds
    };

    H2SensorSim();

    // Steady at raw from now on (noise still added).
    void setRaw(double raw, qint64 nowMs);
    // From the present value towards raw: value = raw + (start - raw) * exp(-t / seconds);
    // seconds <= 0 jumps at once.
    void setLeak(double raw, double seconds, qint64 nowMs);
    // Uniform noise of +-amplitude on every generated value (0: none); deterministic.
    void setNoise(double amplitude);
    // Answers in order, one per request; an empty entry answers nothing. An empty list
    // hands the answers back to the generator.
    void setScript(const QStringList& values);
    // A script file: one entry a line, the value text or "silence"; empty lines and lines
    // starting with "#" are skipped.
    static bool readScript(const QString& path, QStringList* values, QString* error = nullptr);
    int scriptRemaining() const { return m_script.size() - m_scriptPos; }
    // The active time is `seconds` now and counts up from there.
    void setActiveTime(int seconds, qint64 nowMs);
    // The unit was switched on: active time 0 now.
    void powerOn(qint64 nowMs) { setActiveTime(0, nowMs); }

    // The generator's value at that time, without noise.
    double generatedValue(qint64 nowMs) const;
    int activeTime(qint64 nowMs) const;
    // The answer to one request.
    Reading read(qint64 nowMs);

private:
    double m_start = kDefaultRaw;
    double m_target = kDefaultRaw;
    double m_timeConstantS = 0;
    qint64 m_changeMs = 0;
    double m_noise = 0;
    quint32 m_noiseState = 1;
    QStringList m_script;
    int m_scriptPos = 0;
    int m_activeBase = 0;
    qint64 m_activeSinceMs = 0;
};

#endif // H2SENSORSIM_H
