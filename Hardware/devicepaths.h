#ifndef DEVICEPATHS_H
#define DEVICEPATHS_H

#include <QString>

// Device paths that several parts of the program share, defined once; resolve them with
// Platform::devicePath() before use.
namespace DevicePaths {

// The data partition: the measurement store and everything a PC reads or leaves there
// while it holds the partition over USB.
constexpr char kDataPartition[] = "/media/tk9400";
// The block device the data partition lives on.
constexpr char kDataPartitionDevice[] = "/dev/mmcblk0p3";
// The background recording's clips, from which a saved measurement takes its sound.
constexpr char kClipDirectory[] = "/home/root/meas/wav_temp";

// A path below the data partition ("meas/", "settings.ini", ...).
inline QString onDataPartition(const QString& relative)
{
    return QLatin1String(kDataPartition) + QLatin1Char('/') + relative;
}

} // namespace DevicePaths

#endif // DEVICEPATHS_H
