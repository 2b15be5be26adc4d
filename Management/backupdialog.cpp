#include "Management/backupdialog.h"
#include "ui_backupdialog.h"

#include "Hardware/devicepaths.h"
#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Hardware/usbexport.h"
#include "Management/systemsettings.h"
#include "Tools/durablefile.h"
#include "Tools/escapekey.h"
#include "Tools/messagedialog.h"
#include "mainmenu.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace {

const char* const kHome = "/home/root";
const char* const kSettingsFile = "/home/root/settings.ini";

QString specialFilePath(const char* name)
{
    return DevicePaths::onDataPartition(QLatin1String(name));
}

// Reads a special file the PC left, at most limit + 1 bytes (enough to see it is too
// large). False when there is none to read: no file, or something that is not a file.
bool readSpecialFile(const QString& path, qint64 limit, QByteArray* content)
{
    return Platform::readRegularFileStart(Platform::devicePath(path), limit + 1, content);
}

// Replaces target with content so that a power cut or a failed write never leaves the
// device without the file or with half of it.
bool replaceFile(const QString& target, const QByteArray& content)
{
    QString error;
    const bool written = writeFileDurably(Platform::devicePath(target), content, &error);
    if (!written)
        qWarning().noquote() << "Could not write" << target << ":" << error;
    return written;
}

void deleteSpecialFile(const char* name)
{
    const QString path = Platform::devicePath(specialFilePath(name));
    if (!QFile::remove(path)) {
        qDebug().noquote() << QStringLiteral("File %1 could not be deleted. Error.").arg(QLatin1String(name));
        return;
    }
    qDebug().noquote() << QStringLiteral("File %1 deleted. OK.").arg(QLatin1String(name));
    // A removal that a power cut undoes would apply the file again at the next Disconnect:
    // the universal script would run twice.
    if (!Platform::syncDirectory(QFileInfo(path).absolutePath()))
        qWarning().noquote() << QStringLiteral("The removal of %1 may not have reached the card.").arg(QLatin1String(name));
}

// The special file stays on the partition, so the next Disconnect tries it again.
void keepSpecialFile(const char* name, const QString& reason)
{
    qWarning().noquote() << QStringLiteral("File %1 not applied (%2). Error.").arg(QLatin1String(name), reason);
}

} // namespace

BackupDialog::BackupDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::BackupDialog)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    ui->setupUi(this);
    ui->mainArea->setCurrentWidget(ui->page);
    ui->subMenu->setCurrentWidget(ui->page_3);
    // The shared connector in its USB position; it stays there after the dialog.
    Gpio::selectConnector(Gpio::Connector::Usb);
    showExported(false);
}

BackupDialog::~BackupDialog()
{
    // However the dialog goes, the device never stays without its partition.
    if (isExported() && UsbExport::isExported())
        UsbExport::returnPartition();
    delete ui;
}

bool BackupDialog::isExported() const
{
    return !ui->butDisconnect->isHidden();
}

void BackupDialog::showExported(bool exported)
{
    ui->butConnect->setVisible(!exported);
    ui->butDisconnect->setVisible(exported);
}

bool BackupDialog::takePartitionBack()
{
    if (UsbExport::returnPartition())
        return true;
    MessageDialog::showOk(MessageDialog::IconWarning, tr("Warning"), tr("DataMemoryNotMounted"));
    return false;
}

void BackupDialog::on_butConnect_clicked()
{
    if (UsbExport::exportPartition() != UsbExport::Exported) {
        MessageDialog::showOk(MessageDialog::IconError, tr("Error"), tr("DataTransferNotPossible"));
        return;
    }
    showExported(true);
}

void BackupDialog::on_butDisconnect_clicked()
{
    const bool mounted = takePartitionBack();
    // A gadget that could not be removed keeps the partition: Disconnect may be tried again.
    showExported(UsbExport::isExported());
    // Without the partition the special files are not there to read; they wait.
    if (mounted)
        checkForSpecialFiles();
}

void BackupDialog::on_butMenuCancel_clicked()
{
    takePartitionBack();
    showExported(false);
    reject();
}

void BackupDialog::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QDialog::keyPressEvent(event);
}

void BackupDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        on_butMenuCancel_clicked();
    else
        QDialog::keyReleaseEvent(event);
}

void BackupDialog::checkForSpecialFiles()
{
    applyIdentityFile("do_serialNumber", QStringLiteral("/home/root/serialNumber"), 12, "New Serialnumber = ");
    applyIdentityFile("do_productionDate", QStringLiteral("/home/root/productionDate"), 10, "New production date = ");
    applySettingsFile();
    runUniversalScript();
}

void BackupDialog::applyIdentityFile(const char* name, const QString& target, int logBytes, const char* logText)
{
    QByteArray content;
    if (!readSpecialFile(specialFilePath(name), kMaxIdentityFileBytes, &content))
        return;
    QByteArray shown = content.left(logBytes);
    const int end = shown.indexOf('\0');
    if (end >= 0)
        shown.truncate(end);
    qDebug().noquote() << QLatin1String(logText) + QString::fromLatin1(shown);

    if (content.size() > kMaxIdentityFileBytes) {
        keepSpecialFile(name, QStringLiteral("larger than %1 bytes").arg(kMaxIdentityFileBytes));
        return;
    }
    if (!replaceFile(target, content)) {
        keepSpecialFile(name, QStringLiteral("%1 not written").arg(target));
        return;
    }
    deleteSpecialFile(name);
}

void BackupDialog::applySettingsFile()
{
    const char* const name = "do_settings.ini";
    QByteArray content;
    if (!readSpecialFile(specialFilePath(name), Systemsettings::kMaxSettingsFileBytes, &content))
        return;
    qDebug() << "Updating systemsettings.";

    // The device cannot run without a usable settings file: a file that is not one is
    // refused and the old one kept.
    QString refusal;
    if (content.size() > Systemsettings::kMaxSettingsFileBytes)
        refusal = QStringLiteral("larger than %1 bytes").arg(Systemsettings::kMaxSettingsFileBytes);
    else if (content.contains('\0'))
        refusal = QStringLiteral("not a text file");
    else if (!Systemsettings::holdsKnownSetting(content))
        refusal = QStringLiteral("no known setting");
    if (!refusal.isEmpty()) {
        keepSpecialFile(name, refusal);
        return;
    }
    if (!replaceFile(QString::fromLatin1(kSettingsFile), content)) {
        keepSpecialFile(name, QStringLiteral("settings file not written"));
        // Settings that cannot be written are told of as any other setting is.
        Systemsettings::showNotStored();
        return;
    }
    deleteSpecialFile(name);

    // The running store takes the new values now, with its own checks; otherwise its
    // next write would put the old ones back.
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        if (Systemsettings* store = mainMenu->getInstanceSystemsettings())
            store->loadSystemsettings();
    }
}

void BackupDialog::runUniversalScript()
{
    const char* const name = "do_universalScript.sh";
    QByteArray content;
    // Only the script's fixed path is run; its content and name never reach a command line.
    const QString script = specialFilePath(name);
    if (!readSpecialFile(script, 0, &content))
        return;
    qDebug() << "Executing universal script ...";
    Platform::setWorkingDirectory(QString::fromLatin1(kHome));
    const int status = Platform::runProgram(script, {}, kScriptTimeoutMs);
    switch (status) {
    case Platform::RunNotStarted:
        keepSpecialFile(name, QStringLiteral("could not be started"));
        return;
    case Platform::RunTimedOut:
        qWarning() << "Universal script killed after" << kScriptTimeoutMs / 1000 << "s.";
        break;
    case Platform::RunCrashed:
        qWarning() << "Universal script crashed.";
        break;
    default:
        qDebug() << "Executing universal script. Finished.";
        qDebug() << "Universal script exit status" << status;
        break;
    }
    deleteSpecialFile(name);
}
