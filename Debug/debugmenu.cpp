#include "Debug/debugmenu.h"
#include "ui_debugmenu.h"

#include "Audio/audiocodecsetup.h"
#include "Debug/debugaudiolevelfft.h"
#include "Debug/debugbluetoothcommand.h"
#include "Debug/debuggain.h"
#include "Debug/debuginitbluetooth.h"
#include "Hardware/bluetooth.h"
#include "Hardware/devicepaths.h"
#include "Hardware/gpio.h"
#include "Hardware/platform.h"
#include "Tools/durablefile.h"
#include "Tools/textsize.h"
#include "mainmenu.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>

const char* const DebugMenu::kAsoundState = "/var/lib/alsa/asound.state";

namespace {

Bluetooth* sinkLink()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    return menu ? menu->getBtSinkInstance() : nullptr;
}

AudioCodecSetup* codec()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    return menu ? menu->getAudioCodecInstance() : nullptr;
}

} // namespace

DebugMenu::DebugMenu(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DebugMenu)
{
    ui->setupUi(this);
    setTextPixelSize({ui->butCancel}, 11);
    showPage(1);

    Gpio::setValue(65, 0);
    Gpio::setValue(50, 0);
    updateUartTerminalText();

    m_anyTimer = new QTimer(this);
    connect(m_anyTimer, &QTimer::timeout, this, &DebugMenu::timerSlot, Qt::UniqueConnection);
    m_btSink = sinkLink();
}

DebugMenu::~DebugMenu()
{
    delete m_anyTimer;
    delete ui;
}

void DebugMenu::showPage(int page)
{
    m_currentPage = page;
    ui->mainArea->setCurrentIndex(page - 1);
}

void DebugMenu::on_butUp_clicked()
{
    showPage(m_currentPage == 1 ? kPages : m_currentPage - 1);
}

void DebugMenu::on_butDown_clicked()
{
    showPage(m_currentPage == kPages ? 1 : m_currentPage + 1);
}

void DebugMenu::on_butCancel_clicked()
{
    m_anyTimer->stop();
    close();
}

void DebugMenu::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11) {
        close();
        return;
    }
    // Not the dialog's handling: Escape must not close the menu.
    QWidget::keyPressEvent(event);
}

void DebugMenu::updateUartTerminalText()
{
    ui->butUartTerminal->setText(m_uartTerminal ? QStringLiteral("UART-Terminal State=enabled")
                                                : QStringLiteral("UART-Terminal State=disabled"));
}

void DebugMenu::on_butUartTerminal_clicked()
{
    m_uartTerminal = !m_uartTerminal;
    Gpio::selectConnector(m_uartTerminal ? Gpio::Connector::Uart : Gpio::Connector::Usb);
    updateUartTerminalText();
}

void DebugMenu::on_butInitBt_clicked()
{
    DebugInitBluetooth dialog(this);
    dialog.exec();
}

void DebugMenu::on_butBtCommand_clicked()
{
    DebugBluetoothCommand dialog(this);
    dialog.exec();
}

void DebugMenu::on_butGain_clicked()
{
    DebugGain dialog(this);
    dialog.init();
    dialog.exec();
}

void DebugMenu::on_butAudioLevelFft_clicked()
{
    DebugAudioLevelFft dialog(this);
    dialog.exec();
}

QByteArray DebugMenu::firmwareTestBlock()
{
    QByteArray block(kFwTestFileBytes, char(0xD4));
    for (int i = 0; i < 256; ++i) {
        block[i] = char(i);
        block[256 + i] = char(0xA1);
        block[512 + i] = char(0xB2);
        block[768 + i] = char(0xC3);
    }
    return block;
}

void DebugMenu::on_butFwTestString_clicked()
{
    const QByteArray block = firmwareTestBlock();
    // Truncated: stale bytes of a longer old file would be sent by the firmware transfer.
    QFile file(Platform::devicePath(fwTestFile()));
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate))
        return;
    file.write(block);
    file.close();
    qDebug() << "Testfile written" << fwTestFile() << block.mid(48, 7);
}

QString DebugMenu::fwTestFile()
{
    return DevicePaths::onDataPartition(QStringLiteral("FW_QJ5_V1-22-33.qj5"));
}

QString DebugMenu::filesystemReport(const QString& listing)
{
    if (listing.contains(QLatin1String("/dev/root")))
        return QStringLiteral("Filesystem: SD-Karte ") + listing;
    if (listing.contains(QLatin1String("ubi0:root")))
        return QStringLiteral("Filesystem: Flash ") + listing;
    return QStringLiteral("Filesystem: Unknown ") + listing;
}

void DebugMenu::on_butDetectFilesystem_clicked()
{
    const Platform::CommandResult result =
        Platform::runCommandResult(QStringLiteral("df -Th"), 30000, 10000, 2048);
    if (!result.started)
        qDebug().noquote() << "Prozess konnte nicht gestartet werden.";
    QByteArray output = result.output.left(2048);
    const int zero = output.indexOf('\0');
    if (zero >= 0)
        output.truncate(zero);
    qDebug().noquote() << filesystemReport(QString::fromUtf8(output));
}

void DebugMenu::on_butStresstestBluetooth_clicked()
{
    m_btSink = sinkLink();
    m_anyTimer->start(kStressIntervalMs);
}

void DebugMenu::timerSlot()
{
    if (m_btSink)
        m_btSink->sendData(QStringLiteral("BT_TX S"));
}

void DebugMenu::on_butResetAudio_clicked()
{
    QFile resource(QStringLiteral(":/Resources/Files/asound.state"));
    if (resource.open(QIODevice::ReadOnly)) {
        // Replaced, not copied over (the file always exists after start-up). A state that
        // could not be written leaves the old one, and nothing is restored from it.
        QString error;
        if (writeFileDurably(Platform::devicePath(QString::fromLatin1(kAsoundState)), resource.readAll(), &error))
            Platform::runCommand(QStringLiteral("alsactl --file /var/lib/alsa/asound.state restore"));
        else
            qWarning().noquote() << "Could not write" << kAsoundState << ":" << error;
    }
    if (AudioCodecSetup* c = codec())
        c->init();
}

void DebugMenu::on_butAudioCodecStresstest_clicked()
{
    AudioCodecSetup* c = codec();
    if (!c)
        return;
    c->init();
    for (int round = 0; round < 50; ++round) {
        c->setFilter(125, 800, 1);
        c->setRouting(0);
        c->setFilter(63, 1600, 1);
        c->setRouting(1);
    }
}

void DebugMenu::on_butSetQJ5ToDebugMode_clicked()
{
    qDebug().noquote() << "Set QJ-5 to debug mode.";
    if (m_btSink)
        m_btSink->sendData(QStringLiteral("BT_TX X DEBUG"));
}

void DebugMenu::on_butCrash_clicked()
{
    qDebug().noquote() << "Crash button pressed: no action.";
}

void DebugMenu::on_butExit_clicked()
{
    leaveApplication(0);
}

void DebugMenu::leaveApplication(int exitCode)
{
    // The menu is hidden while its own loop still runs, as Cancel does. Ended from outside
    // only, the loop would return with the menu still shown and modal, and the window
    // system would go on counting every other window as blocked by it after it has gone:
    // at a start with "debug" no key or touch would reach the main menu again.
    close();
    QCoreApplication::exit(exitCode);
}

void DebugMenu::on_butTetrix_clicked()
{
    const bool started = Platform::startDetached(QStringLiteral("/usr/games/tetrix/tetrix"));
    qDebug() << "Tetrix:" << started;
    leaveApplication(-2);
}
