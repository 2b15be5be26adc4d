#include "Testmenu/testmenuflashupdate.h"
#include "ui_testmenuflashupdate.h"

#include "Hardware/platform.h"

#include <QDebug>

namespace {
const char* const kBootMount = "/media/boot";
const char* const kMarker = ".do_update";
} // namespace

TestMenuFlashUpdate::TestMenuFlashUpdate(QWidget* parent)
    : TestDialog(QStringLiteral("cmdFlashUpdate"), parent)
    , ui(new Ui::TestMenuFlashUpdate)
{
    ui->setupUi(this);
    startFrame();
    ui->butPass->hide();
}

TestMenuFlashUpdate::~TestMenuFlashUpdate()
{
    delete ui;
}

bool TestMenuFlashUpdate::listsMarker(const QByteArray& listing)
{
    for (const QByteArray& line : listing.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.last() == kMarker)
            return true;
    }
    return false;
}

void TestMenuFlashUpdate::on_butStart_clicked()
{
    // mkdir fails when the directory is there from an earlier run, mount when the
    // partition is mounted already: neither status says anything; the mount table does.
    Platform::runCommand(QStringLiteral("mkdir /media/boot"));
    Platform::runCommand(QStringLiteral("mount /dev/mmcblk0p1 /media/boot/"));
    const int touchStatus = Platform::runCommand(QStringLiteral("touch /media/boot/.do_update"));
    const Platform::CommandResult listing
        = Platform::runCommandResult(QStringLiteral("ls -la /media/boot"), kOutputWaitMs, kOutputWaitMs, kMaxListingBytes);
    qDebug() << "TestmenuFlashUpdate:" << listing.output;
    ui->textEdit->setPlainText(QString::fromLatin1(listing.output.constData()));
    // Without the mount the marker lands in the bare directory of the root file system,
    // where the start-up never looks.
    const bool mounted = Platform::isMounted(QString::fromLatin1(kBootMount));
    const bool generated = mounted && touchStatus == 0 && listing.started && listing.exitStatus == 0
        && !listing.timedOut && listsMarker(listing.output);
    if (generated) {
        ui->labelStatus->setText(QStringLiteral("File for flash update generated."));
    } else {
        qWarning() << "TestmenuFlashUpdate: marker not generated, mounted" << mounted << "touch status" << touchStatus;
        ui->labelStatus->setText(QStringLiteral("Error: file for flash update not generated."));
    }
    ui->butPass->setVisible(generated);
}

bool TestMenuFlashUpdate::executeOwnCommand(const QString& line)
{
    if (!line.startsWith(QLatin1String("cmdGenerateFlashUpdateFile")))
        return false;
    on_butStart_clicked();
    return true;
}
