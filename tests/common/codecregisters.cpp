#include "codecregisters.h"

namespace CodecRegisters {

namespace {
const QString kRegisters = QStringLiteral("/sys/bus/i2c/devices/1-0018/registers ");
}

QStringList writes(const TestSupport::DeviceRoot& device)
{
    QStringList values;
    for (const QString& line : device.writes()) {
        if (line.startsWith(kRegisters))
            values << line.mid(kRegisters.size());
    }
    return values;
}

QStringList word(int reg, qint32 value)
{
    QStringList lines;
    for (int i = 0; i < 3; ++i)
        lines << QString::number(reg + i, 16) + QLatin1Char(' ') + QString::number((quint32(value) >> (24 - 8 * i)) & 0xff, 16);
    return lines;
}

} // namespace CodecRegisters
