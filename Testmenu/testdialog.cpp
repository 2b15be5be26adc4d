#include "Testmenu/testdialog.h"

#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Testmenu/testmenuremotectrl.h"

#include <QFile>

TestDialog::TestDialog(const QString& openingCommand, QWidget* parent)
    : QDialog(parent)
    , m_openingCommand(openingCommand)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

TestDialog::~TestDialog()
{
    delete remoteCtrl;
}

bool TestDialog::readAttribute(const char* absolutePath, QString* text)
{
    QFile file(Platform::devicePath(QString::fromLatin1(absolutePath)));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = QString::fromLatin1(file.read(kMaxAttributeBytes)).toLower().trimmed();
    return true;
}

void TestDialog::startFrame(Connector connector)
{
    if (connector != Connector::Keep)
        Gpio::selectConnector(connector == Connector::Uart ? Gpio::Connector::Uart : Gpio::Connector::Usb);
    remoteCtrl = new TestmenuRemoteCtrl(this);
    connect(remoteCtrl, &TestmenuRemoteCtrl::sendCommand, this, &TestDialog::executeCommand, Qt::UniqueConnection);
}

bool TestDialog::executeOwnCommand(const QString&)
{
    return false;
}

void TestDialog::executeCommand(QString line)
{
    commandArriving(line);
    if (line.startsWith(QLatin1String("cmdExit")))
        on_butBack_clicked();
    else if (line.startsWith(QLatin1String("cmdPass")))
        on_butPass_clicked();
    else if (line.startsWith(QLatin1String("cmdFail")))
        on_butFail_clicked();
    else if (line.startsWith(m_openingCommand))
        remoteCtrl->writeResult(QStringLiteral("staActive"));
    else if (!executeOwnCommand(line))
        remoteCtrl->writeResult(QStringLiteral("staUnknownCommand"));
}

void TestDialog::leaveWith(const QString& answer)
{
    m_leaving = true;
    const bool restored = leaving();
    remoteCtrl->writeResult(restored ? answer : QStringLiteral("resFailed"));
    // Not close(): inside a close from outside it would do nothing.
    QDialog::reject();
    m_leaving = false;
}

void TestDialog::reject()
{
    if (m_leaving)
        QDialog::reject();
    else
        on_butBack_clicked();
}

void TestDialog::on_butBack_clicked()
{
    leaveWith(backAnswer());
}

void TestDialog::on_butPass_clicked()
{
    leaveWith(QStringLiteral("resPassed"));
}

void TestDialog::on_butFail_clicked()
{
    leaveWith(QStringLiteral("resFailed"));
}
