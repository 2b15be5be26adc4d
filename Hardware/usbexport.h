#ifndef USBEXPORT_H
#define USBEXPORT_H

#include <QString>

// Hands the data partition to a PC as a USB mass-storage drive and takes it back. The
// data-transfer dialog, the firmware update and the production USB test share it, so the
// partition is never given away while the device still has it mounted.
class UsbExport
{
public:
    enum ExportResult {
        Exported,
        // The partition is still mounted after the unmount (a file open on it): no drive
        // was offered, the device keeps it.
        PartitionInUse,
        // The gadget did not load: the partition was mounted again.
        GadgetFailed
    };

    // The commands that mount the data partition and unmount it; the start and the
    // power-down use them too.
    static QString mountCommand();
    static QString unmountCommand();

    // Changes the working directory to "/home/root" (off the partition), unmounts the
    // partition and loads the USB mass-storage gadget with it.
    static ExportResult exportPartition();
    // Removes the gadget and mounts the partition again, also when nothing was exported.
    // True when the partition is mounted afterwards. A gadget that cannot be removed after
    // an export keeps the partition: it is not mounted and stays exported.
    static bool returnPartition();
    // Whether the partition is with the PC now. The PC may be writing meanwhile, so the
    // device counts it as activity.
    static bool isExported();
    // Whether the device has the partition mounted: what writes files there checks it
    // first, or the file lands in the bare mount point and vanishes under the next mount.
    static bool isPartitionMounted();
};

#endif // USBEXPORT_H
