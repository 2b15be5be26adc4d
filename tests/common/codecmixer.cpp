#include "codecmixer.h"

namespace CodecMixer {

namespace {

QStringList lines(const TestSupport::DeviceRoot& device, const QString& file)
{
    return QString::fromUtf8(device.read(file)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

QMap<QString, long> state(const TestSupport::DeviceRoot& device)
{
    QMap<QString, long> values;
    for (const QString& line : lines(device, QStringLiteral("/codec-mixer.state")))
        values.insert(line.section(QLatin1Char('\t'), 0, 0), line.section(QLatin1Char('\t'), 1).toLong());
    return values;
}

int inputPath(const TestSupport::DeviceRoot& device)
{
    const QMap<QString, long> values = state(device);
    int selected = 0;
    for (int input = 1; input <= 3; ++input) {
        const long left = values.value(QStringLiteral("Left Input Mixer IN%1_L P").arg(input));
        const long right = values.value(QStringLiteral("Right Input Mixer IN%1_R P").arg(input));
        if (left != right || (left == 1 && selected != 0))
            return -1;
        if (left == 1)
            selected = input;
    }
    return selected;
}

QStringList trace(const TestSupport::DeviceRoot& device)
{
    QStringList writes = lines(device, QStringLiteral("/codec-mixer.log"));
    for (QString& write : writes)
        write.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return writes;
}

void clearTrace(const TestSupport::DeviceRoot& device)
{
    device.remove(QStringLiteral("/codec-mixer.log"));
}

void setMissing(const TestSupport::DeviceRoot& device, const QStringList& controls)
{
    device.write(QStringLiteral("/codec-mixer.missing"), controls.join(QLatin1Char('\n')).toUtf8());
}

} // namespace CodecMixer
