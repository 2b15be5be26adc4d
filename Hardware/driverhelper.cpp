#include "Hardware/driverhelper.h"

#include "Hardware/platform.h"

#include <cstdio>

namespace {

FILE* openDeviceFile(const char* filename, const char* mode)
{
    return std::fopen(Platform::devicePathLocal(filename).constData(), mode);
}

} // namespace

int DriverHelper::writeFile(const char* filename, const char* value)
{
    FILE* f = openDeviceFile(filename, "w");
    if (!f)
        return 0;
    std::fputs(value, f);
    std::fclose(f);
    Platform::journalWrite(filename, QByteArray(value));
    return 1;
}

int DriverHelper::writeFile(const char* filename, int value)
{
    FILE* f = openDeviceFile(filename, "w");
    if (!f)
        return 0;
    std::fprintf(f, "%d", value);
    std::fclose(f);
    Platform::journalWrite(filename, QByteArray::number(value));
    return 1;
}

int DriverHelper::readFile(const char* filename, char* data, unsigned int dataLen)
{
    FILE* f = openDeviceFile(filename, "r");
    if (!f)
        return 0;
    const size_t n = std::fread(data, 1, dataLen, f);
    std::fclose(f);
    return n > 0 || dataLen == 0 ? 1 : 0;
}

int DriverHelper::readFile(const char* filename, int& value)
{
    FILE* f = openDeviceFile(filename, "r");
    if (!f)
        return 0;
    const int matched = std::fscanf(f, "%d", &value);
    std::fclose(f);
    return matched == 1 ? 1 : 0;
}
