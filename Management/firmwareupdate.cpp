#include "Management/firmwareupdate.h"
#include "ui_firmwareupdate.h"

#include "Hardware/bluetooth.h"
#include "Hardware/devicepaths.h"
#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Hardware/usbexport.h"
#include "Management/backupdialog.h"
#include "Management/systemsettings.h"
#include "Tools/durablefile.h"
#include "Tools/escapekey.h"
#include "Tools/filecopythread.h"
#include "mainmenu.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

#include <unistd.h>

namespace {

const char* const kStagingDir = "/home/root/firmware";
const char* const kStagedSettings = "/home/root/firmware/settings.ini";
const char* const kRunmodeFile = "/media/ramdisk/runmode";
const char* const kInstalledVersion = "1.8.0";
const char* const kNoVersion = "---";

QString hostPath(const char* path)
{
    return Platform::devicePath(QString::fromLatin1(path));
}

// Opens the chosen firmware file for reading: its name is one plain path element and a
// regular file stands there.
bool openFirmwareFile(const QString& name, QFile* file)
{
    return Platform::isPlainName(name)
        && Platform::openRegularFile(file->fileName(), -1, file) == Platform::ReadStatus::Read;
}

} // namespace

Firmwareupdate::Timing& Firmwareupdate::timing()
{
    static Timing t;
    return t;
}

Firmwareupdate::Firmwareupdate(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::Firmwareupdate)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    ui->setupUi(this);
    ui->mainArea->setCurrentWidget(ui->pageSelectUnit);
    ui->subMenu->setCurrentWidget(ui->page_3);
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
        m_btSink = mainMenu->getBtSinkInstance();

    m_timerProgress = new QTimer(this);
    m_timerCheck = new QTimer(this);
    m_timerWaitRestart = new QTimer(this);
    m_timerReboot = new QTimer(this);
    m_timerProgress->setObjectName(QStringLiteral("timerProgress"));
    m_timerCheck->setObjectName(QStringLiteral("timerCheck"));
    m_timerWaitRestart->setObjectName(QStringLiteral("timerWaitRestart"));
    m_timerReboot->setObjectName(QStringLiteral("timerReboot"));
    m_timerReboot->setSingleShot(true);
    connect(m_timerProgress, &QTimer::timeout, this, &Firmwareupdate::updateProgress, Qt::UniqueConnection);
    connect(m_timerCheck, &QTimer::timeout, this, &Firmwareupdate::updateError, Qt::UniqueConnection);
    connect(m_timerWaitRestart, &QTimer::timeout, this, &Firmwareupdate::checkRestart, Qt::UniqueConnection);
    connect(m_timerReboot, &QTimer::timeout, this, &Firmwareupdate::doRebootTKR9400, Qt::UniqueConnection);

    firmwareFile = new FileCopyThread;
    firmwareFile->moveToThread(&m_fileCopy);
    connect(&m_fileCopy, &QThread::finished, firmwareFile, &QObject::deleteLater, Qt::UniqueConnection);
    connect(this, &Firmwareupdate::startCopy, firmwareFile, &FileCopyThread::copyFile, Qt::UniqueConnection);
    connect(firmwareFile, &FileCopyThread::copyFinished, this, &Firmwareupdate::copyFinished, Qt::UniqueConnection);
    m_fileCopy.start(QThread::InheritPriority);
}

Firmwareupdate::~Firmwareupdate()
{
    // A running copy stops at its next part and leaves nothing staged.
    firmwareFile->setCancelled(true);
    m_fileCopy.quit();
    m_fileCopy.wait();
    // A copy that ended unseen (its end was still queued) is not left staged either.
    if (m_copying)
        removeStagedFirmware();
    if (m_connectedWithUsb && UsbExport::isExported())
        UsbExport::returnPartition();
    delete ui;
}

// ---- file search -----------------------------------------------------------------------

int Firmwareupdate::getFwFilename(QString* filename, QString directory, QString nameFilter)
{
    if (nameFilter.isEmpty() || directory.isEmpty())
        return -1;
    Platform::setWorkingDirectory(directory);
    const QStringList names = QDir(Platform::devicePath(directory))
                                  .entryList(QStringList(nameFilter), QDir::Files, QDir::Time);
    if (names.isEmpty()) {
        filename->clear();
        return -2;
    }
    *filename = names.first();
    return names.size();
}

QString Firmwareupdate::getFwVersionFromFilename(QString filename)
{
    static const QRegularExpression version(QStringLiteral("\\d+-\\d+-\\d+"));
    return version.match(filename).captured().replace(QLatin1Char('-'), QLatin1Char('.'));
}

QString Firmwareupdate::firmwarePath() const
{
    return DevicePaths::onDataPartition(m_newFwFilename);
}

QString Firmwareupdate::stagingPath() const
{
    return QStringLiteral("%1/%2").arg(QLatin1String(kStagingDir), m_newFwFilename);
}

void Firmwareupdate::removeFirmwareFile()
{
    if (!Platform::isPlainName(m_newFwFilename))
        return;
    const bool removed = QFile::remove(Platform::devicePath(firmwarePath()));
    qDebug().noquote() << "File removed" << (removed ? "true" : "false") << m_newFwFilename;
}

// ---- choosing the unit -----------------------------------------------------------------

void Firmwareupdate::chooseUnit(int unit, const char* filter, const char* logPrefix)
{
    m_updateUnit = unit;
    const int count
        = getFwFilename(&m_newFwFilename, QLatin1String(DevicePaths::kDataPartition), QLatin1String(filter));
    m_newFwVersion = getFwVersionFromFilename(m_newFwFilename);
    qDebug().noquote() << logPrefix << m_newFwFilename << m_newFwVersion;
    if (count > 0 && !m_newFwVersion.isEmpty())
        displayConfirmPage();
    else
        displayConnectUsbPage();
}

void Firmwareupdate::on_butUpdateTK9400_clicked()
{
    m_currentFwVersion = QLatin1String(kInstalledVersion);
    chooseUnit(0, "FW_TKR9400_*.tk9", "TKR9400:");
}

void Firmwareupdate::on_butUpdateQJ5_clicked()
{
    m_currentFwVersion = QLatin1String(kNoVersion);
    if (m_btSink) {
        connect(m_btSink, &Bluetooth::btFirmwareVersion, this, &Firmwareupdate::fwVersionReceived,
                Qt::UniqueConnection);
        m_btSink->sendData(QStringLiteral("BT_TX P"));
    }
    chooseUnit(1, "FW_QJ5_*.qj5", "QJ5:");
}

void Firmwareupdate::fwVersionReceived(QString version)
{
    // A late answer to a query of the sensor unit is not the version of the instrument.
    if (m_updateUnit != 1)
        return;
    m_currentFwVersion = version;
    ui->lineEditConfirmCurrentFw->setText(version);
}

// ---- connect page ----------------------------------------------------------------------

void Firmwareupdate::displayConnectUsbPage()
{
    ui->mainArea->setCurrentWidget(ui->pageConnect);
    Gpio::selectConnector(Gpio::Connector::Usb);
    ui->labelConnectMessage->setText(tr("ConnectTheTKR9400ToYourPCAndPressTheButtonConnect"));
    m_connectedWithUsb = false;
    ui->butConnect->show();
    ui->butDisconnect->hide();
}

void Firmwareupdate::on_butConnect_clicked()
{
    if (UsbExport::exportPartition() != UsbExport::Exported) {
        ui->labelConnectMessage->setText(tr("DataTransferNotPossible"));
        return;
    }
    qDebug().noquote() << "Verzeichnis:" << Platform::workingDirectory();
    m_connectedWithUsb = true;
    ui->labelConnectMessage->setText(tr("PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied"));
    ui->butConnect->hide();
    ui->butDisconnect->show();
}

void Firmwareupdate::on_butDisconnect_clicked()
{
    const bool mounted = BackupDialog::takePartitionBack();
    // A gadget that could not be removed keeps the partition: Disconnect may be tried again.
    m_connectedWithUsb = UsbExport::isExported();
    ui->butConnect->setVisible(!m_connectedWithUsb);
    ui->butDisconnect->setVisible(m_connectedWithUsb);
    if (m_connectedWithUsb)
        return;
    if (!mounted) {
        // Without the partition there is nothing to look for; the export can be tried again.
        ui->labelConnectMessage->setText(tr("DataMemoryNotMounted"));
        return;
    }
    ui->mainArea->setCurrentWidget(ui->pageSelectUnit);
    if (m_updateUnit == 0)
        on_butUpdateTK9400_clicked();
    else if (m_updateUnit == 1)
        on_butUpdateQJ5_clicked();
}

// ---- confirm page ----------------------------------------------------------------------

void Firmwareupdate::displayConfirmPage()
{
    ui->mainArea->setCurrentWidget(ui->pageConfirm);
    if (m_updateUnit == 0)
        ui->labelConfirmHeadline->setText(tr("UpdateTKR9400"));
    else if (m_updateUnit == 1)
        ui->labelConfirmHeadline->setText(tr("UpdateQJ-5"));
    ui->lineEditConfirmCurrentFw->setText(m_currentFwVersion);
    ui->lineEditConfirmNewFw->setText(m_newFwVersion);
}

void Firmwareupdate::on_butAccept_clicked()
{
    // A copy still ending after a cancel is not started over.
    if (m_copying)
        return;
    if (m_updateUnit == 0)
        doUpdateTKR9400();
    else if (m_updateUnit == 1)
        doUpdateQJ5();
}

void Firmwareupdate::on_butCancel_clicked()
{
    m_updateUnit = 1;
    m_newFwFilename.clear();
    m_newFwVersion.clear();
    ui->mainArea->setCurrentWidget(ui->pageSelectUnit);
}

void Firmwareupdate::firmwareFileUnusable(bool opened, bool removeIt)
{
    ui->progressBar->setValue(0);
    ui->labelProgressStatus->setText(tr("CouldNotReadFirmwarefile"));
    ui->mainArea->setCurrentWidget(ui->pageProgress);
    qDebug().noquote() << "Error reading firmwarefile" << m_newFwFilename << (opened ? "true" : "false");
    if (removeIt)
        removeFirmwareFile();
    m_newFwFilename.clear();
    m_newFwVersion.clear();
    ui->lineEditConfirmNewFw->setText(m_newFwVersion);
}

// ---- the instrument --------------------------------------------------------------------

void Firmwareupdate::doUpdateTKR9400()
{
    ui->progressBar->setValue(0);
    ui->labelProgressHeadline->setText(tr("UpdatingTKR9400"));
    ui->mainArea->setCurrentWidget(ui->pageProgress);

    const QString source = Platform::devicePath(firmwarePath());
    QFile file(source);
    const bool opened = openFirmwareFile(m_newFwFilename, &file);
    if (!opened || file.size() <= kMinFirmwareBytes) {
        firmwareFileUnusable(opened, true);
        return;
    }
    file.close();

    const QString staging = hostPath(kStagingDir);
    if (!QDir().mkpath(staging)) {
        qWarning().noquote() << "Could not make the staging directory" << kStagingDir;
        showCopyFailed();
        return;
    }
    // Left by a copy that a power cut interrupted.
    for (const QString& part : QDir(staging).entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden))
        QFile::remove(QDir(staging).filePath(part));

    m_cancelUpdate = false;
    m_copying = true;
    firmwareFile->setCancelled(false);
    ui->labelProgressStatus->setText(tr("CopyingFilesPleaseWait"));
    ui->butMenuCancel->hide();
    ui->butCancelUpdate->setEnabled(true);
    m_timerProgress->start(timing().progressMs);
    emit startCopy(source, Platform::devicePath(stagingPath()));
}

void Firmwareupdate::updateProgress()
{
    ui->progressBar->setValue(firmwareFile->getProgress());
}

void Firmwareupdate::showCopyFailed()
{
    ui->progressBar->setValue(0);
    ui->labelProgressStatus->setText(tr("CouldNotCopyFirmwarefile"));
    ui->butMenuCancel->show();
}

void Firmwareupdate::removeStagedFirmware()
{
    QFile::remove(Platform::devicePath(stagingPath()));
}

void Firmwareupdate::copyFinished()
{
    qDebug().noquote() << "Copy in Thread finished";
    m_copying = false;
    m_timerProgress->stop();
    ui->butMenuCancel->show();
    if (m_cancelUpdate) {
        // The user left the copy: whatever it reached is not staged.
        if (firmwareFile->lastResult())
            removeStagedFirmware();
        return;
    }
    ui->progressBar->setValue(100);
    if (!firmwareFile->lastResult() || !stageSettings()) {
        removeStagedFirmware();
        showCopyFailed();
        return;
    }
    displayFinalPage();
}

// The installation takes the settings file beside the firmware: the partition's one, or
// none (an older staged one would be installed in its place).
bool Firmwareupdate::stageSettings()
{
    const QString staged = hostPath(kStagedSettings);
    const QString partitionSettings = DevicePaths::onDataPartition(QStringLiteral("settings.ini"));
    QByteArray content;
    const Platform::ReadStatus status = Platform::readRegularFile(Platform::devicePath(partitionSettings),
                                                                  Systemsettings::kMaxSettingsFileBytes, &content);
    if (status == Platform::ReadStatus::Missing || status == Platform::ReadStatus::NotRegular) {
        if (QFileInfo::exists(staged) && !QFile::remove(staged)) {
            qWarning().noquote() << "Could not remove the old" << kStagedSettings;
            return false;
        }
        return true;
    }
    if (status != Platform::ReadStatus::Read || !writeFileDurably(staged, content)) {
        qWarning().noquote() << "Could not stage" << partitionSettings;
        return false;
    }
    return true;
}

void Firmwareupdate::displayFinalPage()
{
    ui->mainArea->setCurrentWidget(ui->pageFinal);
    if (m_updateUnit == 1) {
        ui->labelFinalHeadline->setText(tr("FirmwareupdateQJ-5"));
        ui->labelFinalMessage->setText(tr("FirmwareupdateSuccessfullyFinished."));
        ui->butFinalOk->show();
        ui->butMenuCancel->show();
        removeFirmwareFile();
        return;
    }
    ui->labelFinalHeadline->setText(tr("FirmwareupdateTKR9400"));
    ui->labelFinalMessage->setText(tr("AllFilesCopiedPleaseWaitForReboot"));
    removeFirmwareFile();
    m_timerReboot->start(timing().rebootDelayMs);
    ui->butFinalOk->hide();
    ui->butMenuCancel->hide();
}

void Firmwareupdate::doRebootTKR9400()
{
    qDebug().noquote() << "Restarting device";
    QFile runmode(hostPath(kRunmodeFile));
    // Truncated: a longer old mode must not leave its tail behind "reboot".
    if (runmode.open(QIODevice::WriteOnly | QIODevice::Truncate) && runmode.write("reboot") == 6 && runmode.flush()
        && ::fsync(runmode.handle()) == 0) {
        runmode.close();
        qDebug().noquote() << "Runmode Reboot written";
    } else {
        qWarning().noquote() << "Could not write runmode";
    }
    Platform::runCommand(QStringLiteral("reboot"));
}

// ---- progress page and leaving ---------------------------------------------------------

void Firmwareupdate::on_butCancelUpdate_clicked()
{
    m_cancelUpdate = true;
    firmwareFile->setCancelled(true);
    m_transferState = TransferState::Idle;
    m_timerCheck->stop();
    m_timerWaitRestart->stop();
    ui->progressBar->setValue(0);
    ui->labelProgressStatus->setText(tr("FirmwareupdateCancelled"));
    ui->butMenuCancel->show();
    ui->mainArea->setCurrentWidget(ui->pageConfirm);
}

void Firmwareupdate::on_butMenuCancel_clicked()
{
    if (m_connectedWithUsb) {
        BackupDialog::takePartitionBack();
        m_connectedWithUsb = false;
    }
    reject();
}

void Firmwareupdate::on_butFinalOk_clicked()
{
    accept();
}

void Firmwareupdate::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QDialog::keyPressEvent(event);
}

void Firmwareupdate::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        on_butMenuCancel_clicked();
    else
        QDialog::keyReleaseEvent(event);
}

// ---- the sensor unit -------------------------------------------------------------------

void Firmwareupdate::doUpdateQJ5()
{
    m_cancelUpdate = false;
    m_transferState = TransferState::Idle;
    const QString path = Platform::devicePath(firmwarePath());
    QFile file(path);
    const bool opened = openFirmwareFile(m_newFwFilename, &file);
    const qint64 size = opened ? file.size() : 0;
    if (!opened || size <= kMinFirmwareBytes || size > kMaxQj5FirmwareBytes) {
        // Only a file too short to be an image goes: a large one may be anything the user keeps.
        firmwareFileUnusable(opened, size <= kMinFirmwareBytes);
        return;
    }
    m_dataFwQj5 = file.readAll();
    file.close();
    if (m_dataFwQj5.size() != size) {
        m_dataFwQj5.clear();
        firmwareFileUnusable(true, false);
        return;
    }
    m_sizeFwQj5 = size;
    m_transmittedBytesFwQj5 = 0;
    m_currentPacketNum = 0;
    qDebug().noquote() << "Firmwarefile read" << m_newFwFilename << "true";

    if (m_btSink) {
        connect(m_btSink, &Bluetooth::btFwHeaderReceived, this, &Firmwareupdate::btFwHeaderReceived,
                Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btFwDataReceived, this, &Firmwareupdate::btFwDataReceived, Qt::UniqueConnection);
        connect(m_btSink, &Bluetooth::btFwStartUpdateReceived, this, &Firmwareupdate::btFwStartUpdateReceived,
                Qt::UniqueConnection);
    }
    m_transferState = TransferState::WaitHeader;
    if (m_btSink)
        m_btSink->sendData(QStringLiteral("BT_TX FH %1 %2").arg(m_sizeFwQj5).arg(m_newFwVersion));
    ui->progressBar->setValue(0);
    ui->labelProgressHeadline->setText(tr("TransmittingFirmware"));
    ui->labelProgressStatus->setText(tr("TransmittingFirmwarePleaseWait"));
    ui->butCancelUpdate->setEnabled(true);
    ui->mainArea->setCurrentWidget(ui->pageProgress);
    m_timerCheck->start(timing().answerMs);
}

// Packet k always carries the bytes from 64 k on, whatever came before.
void Firmwareupdate::sendPacket(int number)
{
    const qint64 offset = qint64(PacketSize) * number;
    const qint64 length = qMin<qint64>(PacketSize, m_sizeFwQj5 - offset);
    const QString line = QStringLiteral("BT_TX FD %1 %2 ")
                             .arg(number, 3, 10, QLatin1Char('0'))
                             .arg(length, 3, 10, QLatin1Char('0'))
        + QString::fromLatin1(m_dataFwQj5.mid(int(offset), int(length)).toHex());
    m_currentPacketNum = number;
    m_transmittedBytesFwQj5 = offset + length;
    m_transferState = TransferState::WaitData;
    qDebug().noquote() << "Updatestring" << line << number << m_transmittedBytesFwQj5;
    if (m_btSink)
        m_btSink->sendData(line);
    m_timerCheck->start(timing().answerMs);
    ui->progressBar->setValue(int(m_transmittedBytesFwQj5 * 100 / m_sizeFwQj5));
}

// An answer counts only when the transfer waits for it; a cancelled transfer takes none.
bool Firmwareupdate::answerExpected(TransferState state, const char* what)
{
    if (m_cancelUpdate) {
        qDebug().noquote() << "Update cancelled." << what << "ignored";
        m_timerCheck->stop();
        return false;
    }
    if (m_transferState != state) {
        qDebug().noquote() << "Firmwareupdate: unexpected" << what << "ignored";
        return false;
    }
    return true;
}

void Firmwareupdate::btFwHeaderReceived(bool ok)
{
    if (!answerExpected(TransferState::WaitHeader, "header answer"))
        return;
    if (!ok) {
        qDebug().noquote() << "Firmwareupdate Header ERROR";
        return;
    }
    sendPacket(0);
}

void Firmwareupdate::btFwDataReceived(int packet, bool ok)
{
    if (!answerExpected(TransferState::WaitData, "data answer"))
        return;
    if (packet != m_currentPacketNum) {
        qDebug().noquote() << "Firmwareupdate: answer for packet" << packet << "while packet" << m_currentPacketNum
                           << "is in flight, ignored";
        return;
    }
    if (!ok) {
        qDebug().noquote() << "Firmwareupdate Data ERROR packet" << packet;
        return;
    }
    if (m_transmittedBytesFwQj5 >= m_sizeFwQj5) {
        m_transferState = TransferState::WaitStart;
        // The unit now updates: there is nothing left to cancel.
        ui->butCancelUpdate->setEnabled(false);
        if (m_btSink)
            m_btSink->sendData(QStringLiteral("BT_TX FS"));
        m_timerCheck->start(timing().startAnswerMs);
        return;
    }
    sendPacket(packet + 1);
}

void Firmwareupdate::btFwStartUpdateReceived(bool ok)
{
    if (!answerExpected(TransferState::WaitStart, "start answer"))
        return;
    m_timerCheck->stop();
    if (!ok) {
        m_transferState = TransferState::Idle;
        ui->progressBar->setValue(100);
        ui->labelProgressStatus->setText(tr("ErrorDuringFirmwareUpdatePleaseTryAgain"));
        ui->butCancelUpdate->setEnabled(true);
        return;
    }
    m_restartSuccessful = false;
    m_transferState = TransferState::WaitRestart;
    m_timerWaitRestart->start(timing().restartMs);
    ui->labelProgressStatus->setText(tr("FirmwareSuccessfulTransmittedPleaseWaitForRestart"));
    if (m_btSink)
        connect(m_btSink, &Bluetooth::btRdyReceived, this, &Firmwareupdate::deviceRestarted, Qt::UniqueConnection);
}

void Firmwareupdate::deviceRestarted()
{
    if (m_transferState != TransferState::WaitRestart)
        return;
    qDebug().noquote() << "QJ-5: RDY received";
    m_restartSuccessful = true;
    checkRestart();
}

void Firmwareupdate::checkRestart()
{
    if (m_transferState != TransferState::WaitRestart)
        return;
    const bool linkUp = m_btSink && m_btSink->isConnectedRFCOMM();
    if (!linkUp && !m_restartSuccessful) {
        updateError();
        return;
    }
    if (!m_restartSuccessful)
        qDebug().noquote() << "QJ-5: no RDY, data link up: restart assumed";
    m_transferState = TransferState::Idle;
    ui->progressBar->setValue(100);
    ui->labelProgressStatus->setText(tr("FirmwareupdateSuccessful"));
    m_timerCheck->stop();
    m_timerWaitRestart->stop();
    displayFinalPage();
}

void Firmwareupdate::updateError()
{
    ui->labelProgressStatus->setText(tr("ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice"));
}
