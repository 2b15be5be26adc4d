#include "Hardware/usbexport.h"

#include "Hardware/platform.h"

#include <QDebug>

const char* const UsbExport::kDataPartition = "/media/tk9400";

namespace {

bool g_exported = false;

const char* const kUnmount = "umount /media/tk9400";
const char* const kLoadGadget = "modprobe g_mass_storage file=/dev/mmcblk0p3 stall=0 removable=y iSerialNumber=1234567890";
const char* const kRemoveGadget = "modprobe g_mass_storage -r";
const char* const kMount = "mount /dev/mmcblk0p3 /media/tk9400";

} // namespace

UsbExport::ExportResult UsbExport::exportPartition()
{
    Platform::setWorkingDirectory(QStringLiteral("/home/root"));
    Platform::runCommand(QString::fromLatin1(kUnmount));
    // Two writers on one file system destroy it: the PC gets the partition only once the
    // device has let go of it.
    if (isPartitionMounted()) {
        qWarning() << "Data partition still mounted after umount; not exported";
        return PartitionInUse;
    }
    const int status = Platform::runCommand(QString::fromLatin1(kLoadGadget));
    if (status != 0) {
        qWarning() << "USB mass-storage gadget did not load, status" << status;
        Platform::runCommand(QString::fromLatin1(kMount));
        return GadgetFailed;
    }
    g_exported = true;
    return Exported;
}

bool UsbExport::returnPartition()
{
    const int status = Platform::runCommand(QString::fromLatin1(kRemoveGadget));
    // While the gadget stands the PC may still write the partition: mounting it now would
    // give one file system two writers. It stays with the PC until a removal succeeds.
    if (status != 0 && g_exported) {
        qWarning().noquote() << QStringLiteral("USB mass-storage gadget not removed, status %1; partition left with the PC")
                                    .arg(status);
        return false;
    }
    Platform::runCommand(QString::fromLatin1(kMount));
    g_exported = false;
    // Judged by the mount table, not by mount's status: mounting a partition that is
    // still mounted fails and leaves it usable.
    const bool mounted = isPartitionMounted();
    if (!mounted)
        qWarning() << "Data partition not mounted after return";
    return mounted;
}

bool UsbExport::isExported()
{
    return g_exported;
}

bool UsbExport::isPartitionMounted()
{
    return Platform::isMounted(QString::fromLatin1(kDataPartition));
}
