#include "devicetree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>

namespace {

using Attribute = QPair<const char*, const char*>;

// Attribute files and their first contents.
const Attribute kAttributes[] = {
    {"/sys/class/gpio/export", ""},
    {"/sys/class/gpio/unexport", ""},
    {"/sys/class/pwm/pwmchip1/export", ""},
    {"/sys/class/pwm/pwmchip1/pwm0/period", "0"},
    {"/sys/class/pwm/pwmchip1/pwm0/duty_cycle", "0"},
    {"/sys/class/pwm/pwmchip1/pwm0/enable", "0"},
    {"/sys/class/backlight/backlight/brightness", "6"},
    {"/sys/class/backlight/backlight/max_brightness", "7"},
    {"/sys/class/leds/on_led/brightness", "0"},
    {"/sys/class/power_supply/bq27426-0/capacity", "80\n"},
    {"/sys/class/power_supply/bq27426-0/status", "Discharging\n"},
    {"/sys/class/power_supply/bq27426-0/voltage_now", "3850000\n"},
    {"/sys/class/power_supply/bq27426-0/current_now", "-150000\n"},
    {"/sys/class/power_supply/bq27426-0/temp", "250\n"},
    {"/sys/class/power_supply/bq24190-battery/status", "Discharging\n"},
    {"/sys/class/power_supply/bq24190-battery/device/name", "bq24190\n"},
    {"/sys/class/power_supply/bq27426-0/device/name", "bq27426\n"},
    {"/sys/bus/iio/devices/iio:device0/buffer/enable", "0"},
    {"/sys/bus/iio/devices/iio:device0/buffer/length", "0"},
    {"/sys/bus/iio/devices/iio:device0/scan_elements/in_voltage0_en", "0"},
    {"/sys/bus/iio/devices/iio:device0/in_voltage1_raw", "0\n"},
    {"/sys/bus/iio/devices/iio:device0/in_voltage2_raw", "2048\n"},
    // The hardware-version inputs of a first-series board (1001..1399 on both).
    {"/sys/bus/iio/devices/iio:device0/in_voltage4_raw", "1200\n"},
    {"/sys/bus/iio/devices/iio:device0/in_voltage5_raw", "1200\n"},
    {"/sys/bus/i2c/devices/1-0018/registers", ""},
    // The board-support version line of a real board, so the system information shows one.
    {"/home/root/bspinfo", "BSP V1.0.0 host simulation\n"},
    {"/home/root/serialNumber", "0000000\n"},
    {"/home/root/productionDate", "01.01.2026\n"},
    {"/command-output/df_-Th",
     "Filesystem     Type      Size  Used Avail Use% Mounted on\n"
     "/dev/root      ext4      1.8G  412M  1.3G  25% /\n"
     "/dev/mmcblk0p3 vfat      5.2G   12M  5.2G   1% /media/tk9400\n"},
    // The self-test sets the codec's PCM level twice and reads the mixer's answer.
    {"/command-output/amixer_sset__PCM__22",
     "Simple mixer control 'PCM',0\n"
     "  Capabilities: pvolume pvolume-joined\n"
     "  Playback channels: Mono\n"
     "  Limits: Playback 0 - 127\n"
     "  Mono: Playback 22 [17%] [-52.50dB]\n"},
    {"/command-output/amixer_sset__PCM__127",
     "Simple mixer control 'PCM',0\n"
     "  Capabilities: pvolume pvolume-joined\n"
     "  Playback channels: Mono\n"
     "  Limits: Playback 0 - 127\n"
     "  Mono: Playback 127 [100%] [0.00dB]\n"},
    // The production tests read the card's partition table and list the boot partition.
    {"/command-output/parted_-sm__dev_mmcblk0_print_free",
     "BYT;\n"
     "/dev/mmcblk0:7948206080B:sd/mmc:512:512:msdos:SD SC08G:;\n"
     "1:32256B:4194303B:4162048B:free;\n"
     "1:4194304B:71303167B:67108864B:fat16::boot, lba;\n"
     "2:71303168B:2218786815B:2147483648B:ext4::;\n"
     "3:2218786816B:7948206079B:5729419264B:fat32::lba;\n"},
    {"/command-output/ls_-la__media_boot",
     "drwxr-xr-x    2 root     root         16384 Jan  1  1970 .\n"
     "drwxr-xr-x    5 root     root          1024 Jan  1 00:00 ..\n"
     "-rwxr-xr-x    1 root     root             0 Jan  1 00:01 .do_update\n"
     "-rwxr-xr-x    1 root     root         56716 Jan  1  1970 MLO\n"
     "-rwxr-xr-x    1 root     root        456932 Jan  1  1970 u-boot.img\n"
     "-rwxr-xr-x    1 root     root       4563456 Jan  1  1970 zImage\n"},
};

const char* const kDirectories[] = {
    "/dev", "/media/tk9400", "/media/tk9400/meas", "/media/ramdisk", "/home/root", "/home/root/fonts",
    "/var/lib/alsa", "/usr/lib/fonts", "/command-output", "/command-status",
};

QString under(const QString& root, const QString& absolutePath)
{
    return QDir(root).absolutePath() + absolutePath;
}

bool ensureFile(const QString& path, const QByteArray& contents)
{
    if (QFileInfo::exists(path))
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(contents) == contents.size();
}

} // namespace

const QList<int>& DeviceTree::gpioLines()
{
    static const QList<int> lines = {16, 17, 48, 50, 54, 58, 59, 65, 96, 113, 114, 115};
    return lines;
}

bool DeviceTree::create(const QString& root, QString* error)
{
    auto fail = [error](const QString& what) {
        if (error)
            *error = what;
        return false;
    };
    for (const char* dir : kDirectories) {
        if (!QDir().mkpath(under(root, QString::fromLatin1(dir))))
            return fail(QStringLiteral("cannot create ") + QString::fromLatin1(dir));
    }
    for (const Attribute& a : kAttributes) {
        if (!ensureFile(under(root, QString::fromLatin1(a.first)), QByteArray(a.second)))
            return fail(QStringLiteral("cannot create ") + QString::fromLatin1(a.first));
    }
    for (int line : gpioLines()) {
        const QString dir = under(root, QStringLiteral("/sys/class/gpio/gpio%1").arg(line));
        // Inputs start low: no wired sensor (48), module in command mode (59).
        if (!ensureFile(dir + QStringLiteral("/direction"), line == 48 || line == 59 ? "in" : "out")
            || !ensureFile(dir + QStringLiteral("/value"), "0"))
            return fail(QStringLiteral("cannot create gpio%1").arg(line));
    }
    return true;
}

bool DeviceTree::writeAttribute(const QString& root, const QString& absolutePath, const QByteArray& value)
{
    const QString path = under(root, absolutePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(value) == value.size();
}

QByteArray DeviceTree::readAttribute(const QString& root, const QString& absolutePath)
{
    QFile f(under(root, absolutePath));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}
