#ifndef STATIONCOMMANDS_H
#define STATIONCOMMANDS_H

#include "Testmenu/testdialog.h"
#include "Testmenu/testmenuremotectrl.h"
#include "testsupport.h"

#include <QByteArray>
#include <QString>

namespace TestSupport {

// The file through which the test station talks to the open test dialog.
inline const QString kStationFile = QStringLiteral("/media/ramdisk/production");

// Writes one station command into the file, lets the dialog's channel read it and returns
// what the dialog answered there.
inline QByteArray ask(const DeviceRoot& device, const TestDialog& dialog, const QByteArray& command)
{
    device.write(kStationFile, command + "\n");
    dialog.channel()->readCommandFile();
    return device.read(kStationFile);
}

} // namespace TestSupport

#endif // STATIONCOMMANDS_H
