#include "Hardware/usbexport.h"

#include "Hardware/devicepaths.h"
#include "Hardware/platform.h"

#include <QDebug>

namespace {

bool g_exported = false;

const char* const kRemoveGadget = "modprobe g_mass_storage -r";

QString loadGadgetCommand()
{
    return QStringLiteral("modprobe g_mass_storage file=%1 stall=0 removable=y iSerialNumber=1234567890")
        .arg(QLatin1String(DevicePaths::kDataPartitionDevice));
}

} // namespace

UsbExport::ExportResult UsbExport::exportPartition()
{
    Platform::setWorkingDirectory(QStringLiteral("/home/root"));
    Platform::runCommand(unmountCommand());
    // Two writers on one file system destroy it: the PC gets the partition only once the
    // device has let go of it.
    if (isPartitionMounted()) {
        qWarning() << "Data partition still mounted after umount; not exported";
        return PartitionInUse;
    }
    const int status = Platform::runCommand(loadGadgetCommand());
    if (status != 0) {
        qWarning() << "USB mass-storage gadget did not load, status" << status;
        Platform::runCommand(mountCommand());
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
    Platform::runCommand(mountCommand());
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
    return Platform::isMounted(QString::fromLatin1(DevicePaths::kDataPartition));
}

QString UsbExport::mountCommand()
{
    return QStringLiteral("mount %1 %2").arg(QLatin1String(DevicePaths::kDataPartitionDevice),
                                             QLatin1String(DevicePaths::kDataPartition));
}

QString UsbExport::unmountCommand()
{
    return QStringLiteral("umount %1").arg(QLatin1String(DevicePaths::kDataPartition));
}
