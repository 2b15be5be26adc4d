#include "Testmenu/testmenuinitbluetooth.h"
#include "ui_testmenuinitbluetooth.h"

#include "Hardware/bluetooth.h"
#include "Management/systemsettings.h"
#include "mainmenu.h"

#include <QDebug>
#include <QTimer>

namespace {

Systemsettings* settings()
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    return mainMenu ? mainMenu->getInstanceSystemsettings() : nullptr;
}

// The module took its set-up when it answers with a name of ours and the profile asked for.
bool setUpAs(const Bluetooth& module, int profile)
{
    return module.getBtName().startsWith(QLatin1String("TKR9400")) && module.getBtProfile() == profile;
}

} // namespace

int& TestmenuInitBluetooth::checkDelayMs()
{
    static int delay = kDefaultCheckDelayMs;
    return delay;
}

TestmenuInitBluetooth::TestmenuInitBluetooth(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestBluetooth"), parent)
    , ui(new Ui::TestmenuInitBluetooth)
{
    ui->setupUi(this);
    startFrame();
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        m_btSource = mainMenu->getBtSourceInstance();
        m_btSink = mainMenu->getBtSinkInstance();
    }
    ui->butPass->hide();
    ui->butPairBtSource->hide();
    ui->butPairBtSink->hide();
    ui->butResetBtSource->move(280, 20);
    ui->butResetBtSink->move(280, 150);
}

TestmenuInitBluetooth::~TestmenuInitBluetooth()
{
    delete ui;
}

void TestmenuInitBluetooth::on_butInitBtSource_clicked()
{
    if (!m_btSource)
        return;
    m_btSource->disconnectBtDevice();
    if (Systemsettings* store = settings())
        store->clearBtHeadphone();
    ui->labelInfoSource->setText(QStringLiteral("Transmitting Init-Sequence for Source-Mode ..."));
    m_btSource->initBtModulSource();
    ui->labelInfoSource->setText(QStringLiteral("Checking transmitted values ..."));
    // Only the answer to this query may pass the check, not one the module gave earlier.
    m_btSource->forgetModuleSettings();
    m_btSource->sendData(QStringLiteral("SET"));
    QTimer::singleShot(checkDelayMs(), this, &TestmenuInitBluetooth::updateSourceData);
}

void TestmenuInitBluetooth::on_butInitBtSink_clicked()
{
    if (!m_btSink)
        return;
    m_btSink->disconnectBtDevice();
    if (Systemsettings* store = settings())
        store->clearBtMicrophone();
    ui->labelInfoSink->setText(QStringLiteral("Transmitting Init-Sequence for Sink-Mode ..."));
    m_btSink->initBtModulSink();
    ui->labelInfoSink->setText(QStringLiteral("Checking transmitted values ..."));
    m_btSink->forgetModuleSettings();
    m_btSink->sendData(QStringLiteral("SET"));
    QTimer::singleShot(checkDelayMs(), this, &TestmenuInitBluetooth::updateSinkData);
}

void TestmenuInitBluetooth::updateSourceData()
{
    if (!m_btSource)
        return;
    if (setUpAs(*m_btSource, 2)) {
        ui->labelInfoSource->setText(QStringLiteral("Finished. OK."));
        m_btSource->sendData(QStringLiteral("RESET"));
        ui->butPass->show();
    } else {
        ui->labelInfoSource->setText(QStringLiteral("Error!"));
        qDebug().noquote() << "Source-Values:" << m_btSource->getBtName() << m_btSource->getBtProfile();
    }
}

void TestmenuInitBluetooth::updateSinkData()
{
    if (!m_btSink)
        return;
    if (setUpAs(*m_btSink, 1)) {
        ui->labelInfoSink->setText(QStringLiteral("Finished. OK."));
        m_btSink->sendData(QStringLiteral("RESET"));
        ui->butPass->show();
    } else {
        ui->labelInfoSink->setText(QStringLiteral("Error!"));
        qDebug().noquote() << "Sink-Values:" << m_btSink->getBtName() << m_btSink->getBtProfile();
    }
}

void TestmenuInitBluetooth::resetModule(Bluetooth* module)
{
    if (!module)
        return;
    module->sendData(QStringLiteral("SET BT PAIR *"));
    module->sendData(QStringLiteral("SET RESET"));
}

void TestmenuInitBluetooth::on_butResetBtSource_clicked()
{
    resetModule(m_btSource);
}

void TestmenuInitBluetooth::on_butResetBtSink_clicked()
{
    resetModule(m_btSink);
}

// The pairing buttons stay hidden; pairing is the audio channel test's.
void TestmenuInitBluetooth::on_butPairBtSource_clicked() {}

void TestmenuInitBluetooth::on_butPairBtSink_clicked() {}

bool TestmenuInitBluetooth::executeOwnCommand(const QString& line)
{
    if (line.startsWith(QLatin1String("cmdBluetoothInitSource")))
        on_butInitBtSource_clicked();
    else if (line.startsWith(QLatin1String("cmdBluetoothInitSink")))
        on_butInitBtSink_clicked();
    else if (line.startsWith(QLatin1String("cmdBluetoothPairSource")) || line.startsWith(QLatin1String("cmdBluetoothPairSink"))) {
        // taken; nothing to do
    } else if (line.startsWith(QLatin1String("cmdBluetoothResetSource")))
        on_butResetBtSource_clicked();
    else if (line.startsWith(QLatin1String("cmdBluetoothResetSink")))
        on_butResetBtSink_clicked();
    else
        return false;
    return true;
}
