#include "Testmenu/testmenusdcard.h"
#include "ui_testmenusdcard.h"

#include "Hardware/platform.h"

#include <QDebug>
#include <QRegularExpression>

namespace {

// Whole (not cut at the bound) and naming at least one partition: the tool's machine
// format gives each a row "<number>:<start>:<end>:<size>:<file system>:<name>:<flags>;"
// and numbers the free space too, as "<number>:<start>:<end>:<size>:free;".
bool isPartitionTable(const QByteArray& output)
{
    static const QRegularExpression partitionRow(QStringLiteral("^\\d+:(?!.*:free;\\s*$)"),
                                                 QRegularExpression::MultilineOption);
    return output.size() < TestDialog::kMaxListingBytes && QString::fromLatin1(output).contains(partitionRow);
}

} // namespace

TestmenuSdcard::TestmenuSdcard(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestSdcard"), parent)
    , ui(new Ui::TestmenuSdcard)
{
    ui->setupUi(this);
    startFrame();
    ui->butPass->hide();
}

TestmenuSdcard::~TestmenuSdcard()
{
    delete ui;
}

void TestmenuSdcard::on_butStart_clicked()
{
    const Platform::CommandResult result = Platform::runCommandResult(
        QStringLiteral("parted -sm /dev/mmcblk0 print free"), kOutputWaitMs, kOutputWaitMs, kMaxListingBytes);
    qDebug() << "TestmenuSdcard:" << result.output;
    // A listing cut short or an error text is no partition table to pass the card on.
    const bool read = result.started && !result.timedOut && result.exitStatus == 0 && isPartitionTable(result.output);
    if (read) {
        ui->labelStatus->setText(QStringLiteral("Partition table read."));
        ui->textEdit->setPlainText(QString::fromLatin1(result.output.constData()));
    } else {
        qWarning() << "TestmenuSdcard: partition table could not be read, started" << result.started << "timed out"
                   << result.timedOut << "status" << result.exitStatus;
        ui->labelStatus->setText(QStringLiteral("Error: partition table could not be read."));
        ui->textEdit->clear();
    }
    ui->butPass->setVisible(read);
}

bool TestmenuSdcard::executeOwnCommand(const QString& line)
{
    if (!line.startsWith(QLatin1String("cmdSdcardPartition")))
        return false;
    on_butStart_clicked();
    return true;
}
