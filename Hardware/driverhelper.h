#ifndef DRIVERHELPER_H
#define DRIVERHELPER_H

// Minimal file layer for sysfs attributes. File names are absolute device paths;
// each function returns 1 on success and 0 when the file cannot be opened or read.
class DriverHelper
{
public:
    static int writeFile(const char* filename, const char* value);
    static int writeFile(const char* filename, int value);
    static int readFile(const char* filename, char* data, unsigned int dataLen);
    static int readFile(const char* filename, int& value);
};

#endif // DRIVERHELPER_H
