#ifndef TESTDEVICESIM_H
#define TESTDEVICESIM_H

#include <QString>

// The production test station's device behind a module: the test microphone behind the
// sink, the test headphone behind the source. In range, pairable and callable while
// present; its address is the first line of the station's address file, or a built-in
// one without the file. The test microphone answers like the sensor unit, but "BT_TX S"
// with the sensor value set here.
class TestDeviceSim
{
public:
    static const char* const kMicrophoneName;
    static const char* const kHeadphoneName;

    void set(bool present, const QString& addressFile, const QString& builtIn);
    bool isPresent() const { return m_present; }
    // Read at every use, so that the station's files may change while the simulator runs;
    // empty while no address file is set.
    QString address() const;
    bool isAt(const QString& address) const;

    void setSensorValue(const QString& value, const QString& activeTime);
    // The test microphone's answer to "BT_TX S".
    QString sensorValueLine() const;

private:
    bool m_present = false;
    QString m_addressFile;
    QString m_builtIn;
    QString m_sensorValue = QStringLiteral("2048");
    QString m_sensorTime = QStringLiteral("0");
};

#endif // TESTDEVICESIM_H
