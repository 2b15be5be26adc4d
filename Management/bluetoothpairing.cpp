#include "Management/bluetoothpairing.h"
#include "ui_bluetoothpairing.h"

#include "Hardware/bluetooth.h"
#include "Management/systemsettings.h"
#include "Tools/escapekey.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTimer>

namespace {

const char* const kInquiryCommand = "INQUIRY 4 NAME\n";
const char* const kPictureHeadphone = "image: url(:/Resources/Icons/Management/Bluetooth/PairingInfo_HP.png);";
const char* const kPictureSensorUnit = "image: url(:/Resources/Icons/Management/Bluetooth/PairingInfo_QJ-5.png);";

// Device buttons carry the picture of what is paired on their left.
QString deviceButtonStyle(const QString& picture)
{
    const QString normal = QStringLiteral(":/Resources/Icons/Allgemein/%1_ws_44px.png").arg(picture);
    const QString pressed = QStringLiteral(":/Resources/Icons/Allgemein/%1_sw_44px.png").arg(picture);
    return QStringLiteral("QPushButton {image: url(%1); image-position: left; padding: 5px 5px; border: 0px; "
                          "text-align: center center;}\n"
                          "QPushButton:focus {image: url(%1);}\n"
                          "QPushButton:hover {image: url(%1);}\n"
                          "QPushButton:pressed {image: url(%2);}")
        .arg(normal, pressed);
}

} // namespace

BluetoothPairing::Timing& BluetoothPairing::timing()
{
    static Timing periods;
    return periods;
}

BluetoothPairing::BluetoothPairing(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::BluetoothPairing)
    , m_timer(new QTimer(this))
    , m_timerPairing(new QTimer(this))
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
    ui->setupUi(this);
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
        m_btSource = mainMenu->getBtSourceInstance();
        m_btSink = mainMenu->getBtSinkInstance();
    }
    for (Bluetooth* link : {m_btSink, m_btSource}) {
        if (link)
            connect(link, &Bluetooth::btPairingOk, this, &BluetoothPairing::pairingOkReceived, Qt::UniqueConnection);
    }

    ui->subMenu->setCurrentWidget(ui->page);
    ui->mainArea->setCurrentWidget(ui->mainPage);
    m_pairingDevice = 0;
    m_currentPage = 1;
    ui->prgbSearching->setValue(0);
    ui->butInfo->setVisible(g_debugFeatures == 1);

    m_stylesheetMic = deviceButtonStyle(QStringLiteral("Microphone"));
    m_stylesheetHp = deviceButtonStyle(QStringLiteral("Headphone"));
    for (QPushButton* device : {ui->butBtDev_1, ui->butBtDev_2, ui->butBtDev_3})
        device->hide();
    ui->prgbSearching->hide();
    // A focused button must not click itself on Return or Enter.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    if (g_debugFeatures == 1) {
        QString microphoneId, microphoneName, headphoneId, headphoneName;
        if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu()) {
            if (const Systemsettings* store = mainMenu->getInstanceSystemsettings()) {
                microphoneId = store->getBtIdMicrophone();
                microphoneName = store->getBtNameMicrophone();
                headphoneId = store->getBtIdHeadphone();
                headphoneName = store->getBtNameHeadphone();
            }
        }
        // Eleven lines: smaller than the screen's text so that they fit above the buttons.
        QFont small = ui->label->font();
        small.setPixelSize(14);
        ui->label->setFont(small);
        ui->label->setText(QStringLiteral("Enable pairing mode\nand press Search-Button ...\n") + QStringLiteral("\nCurrent microphone:\n")
                           + microphoneId + QLatin1Char('\n') + microphoneName + QStringLiteral("\nCurrent headphone:\n")
                           + headphoneId + QLatin1Char('\n') + headphoneName);
    } else {
        ui->label->setText(tr("EnablePairingModeAndPressSearchButton"));
    }

    ui->labelPairingInfo->hide();
    for (Bluetooth* link : {m_btSink, m_btSource}) {
        if (link)
            link->clearData();
    }
    ui->textBluetoothRcv->clear();

    m_timer->setObjectName(QStringLiteral("searchTimer"));
    m_timerPairing->setObjectName(QStringLiteral("pairingTimer"));
    connect(m_timer, &QTimer::timeout, this, &BluetoothPairing::updateProgbar);
    connect(m_timerPairing, &QTimer::timeout, this, &BluetoothPairing::waitForPairing);
    m_milliseconds = 0;
}

BluetoothPairing::~BluetoothPairing()
{
    m_timer->stop();
    m_timerPairing->stop();
    delete ui;
}

Bluetooth* BluetoothPairing::selectedLink() const
{
    return m_pairingDevice == 1 ? m_btSink : m_btSource;
}

void BluetoothPairing::setPairingDevice(int device)
{
    m_pairingDevice = device == 1 ? 1 : 0;
    ui->labelPairingInfo->setStyleSheet(
        QString::fromLatin1(m_pairingDevice == 1 ? kPictureSensorUnit : kPictureHeadphone));
    ui->labelPairingInfo->show();
    if (g_debugFeatures == 1)
        ui->labelPairingInfo->hide();
    // The module pairs only while it holds no connection to its current peer.
    if (Bluetooth* link = selectedLink())
        link->disconnectBtDevice();
}

QString BluetoothPairing::getBluetoothId() const
{
    return m_selBtDevice >= 0 && m_selBtDevice < kDeviceButtons ? m_bluetoothIdButton[m_selBtDevice] : QString();
}

QString BluetoothPairing::getBluetoothName() const
{
    return m_selBtDevice >= 0 && m_selBtDevice < kDeviceButtons ? m_bluetoothNameButton[m_selBtDevice] : QString();
}

// ---- receive log -----------------------------------------------------------------------

void BluetoothPairing::appendToLog(const QString& text, const QColor& color)
{
    // Inserted as plain text: a module line that looks like markup must not turn into it.
    QTextDocument* document = ui->textBluetoothRcv->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    if (!document->isEmpty())
        cursor.insertBlock();
    QTextCharFormat format;
    format.setForeground(color);
    cursor.insertText(text, format);
    ui->textBluetoothRcv->moveCursor(QTextCursor::End);
    ui->textBluetoothRcv->ensureCursorVisible();
}

void BluetoothPairing::updateBtInfo()
{
    const QString sink = m_btSink ? m_btSink->getData() : QString();
    if (!sink.isEmpty())
        appendToLog(sink.trimmed(), Qt::black);
    const QString source = m_btSource ? m_btSource->getData() : QString();
    if (!source.isEmpty())
        appendToLog(source.trimmed(), Qt::blue);
    if (m_timerPairing->isActive())
        m_pairingAnswer += m_pairingDevice == 1 ? sink : source;
}

// ---- search ------------------------------------------------------------------------------

void BluetoothPairing::on_butSearch_clicked()
{
    // A new search ends a pairing wait: nothing said from now on confirms that pairing.
    m_timerPairing->stop();
    m_pairingAnswer.clear();

    ui->labelPairingInfo->hide();
    for (Bluetooth* link : {m_btSink, m_btSource}) {
        if (link)
            link->clearData();
    }
    ui->textBluetoothRcv->clear();
    for (int i = 0; i < kMaxResults; ++i) {
        m_bluetoothIdInquiry[i].clear();
        m_bluetoothClass[i].clear();
        m_bluetoothIdName[i].clear();
        m_bluetoothNameTmp[i].clear();
        m_bluetoothName[i].clear();
    }
    ui->label->setText(tr("Searching") + QStringLiteral(" ..."));
    ui->prgbSearching->show();
    for (QPushButton* device : {ui->butBtDev_1, ui->butBtDev_2, ui->butBtDev_3})
        device->hide();

    const QString command = QString::fromLatin1(kInquiryCommand);
    appendToLog(command.trimmed(), Qt::red);
    if (Bluetooth* link = selectedLink())
        link->sendData(command);

    m_milliseconds = 0;
    ui->prgbSearching->setMaximum(timing().searchMs);
    ui->prgbSearching->setValue(0);
    m_timer->start(timing().tickMs);
}

void BluetoothPairing::updateProgbar()
{
    if (!m_timer->isActive())
        return; // the search has ended already
    m_milliseconds += timing().tickMs;
    ui->prgbSearching->setValue(qMin(m_milliseconds, ui->prgbSearching->maximum()));
    updateBtInfo();
    if (m_milliseconds >= ui->prgbSearching->maximum()) {
        m_timer->stop();
        analyseReceivedData();
    }
}

void BluetoothPairing::analyseReceivedData()
{
    const QStringList lines = ui->textBluetoothRcv->toPlainText().split(QLatin1Char('\n'));
    QStringList nameLines;
    QStringList inquiryLines;
    for (const QString& line : lines) {
        if (line.contains(QLatin1String("NAME "), Qt::CaseInsensitive))
            nameLines.append(line);
        if (line.contains(QLatin1String("INQUIRY_PARTIAL"), Qt::CaseInsensitive))
            inquiryLines.append(line);
    }

    // "INQUIRY_PARTIAL address class": a line without both, or with an address that is
    // none, offers nothing to pair with - and its address must never reach a command or
    // the settings.
    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"));
    int results = 0;
    for (const QString& line : qAsConst(inquiryLines)) {
        if (results >= kMaxResults)
            break;
        const QStringList fields = line.split(whiteSpace);
        const QString address = fields.value(1).trimmed();
        const QString deviceClass = fields.value(2).trimmed();
        if (deviceClass.isEmpty() || !Systemsettings::isValidBtAddress(address)) {
            qDebug() << "BluetoothPairing: inquiry line without address and class skipped:" << line;
            continue;
        }
        m_bluetoothIdInquiry[results] = address;
        m_bluetoothClass[results] = deviceClass;
        ++results;
    }

    // NAME address "friendly name"
    static const QRegularExpression namePattern(
        QStringLiteral("([a-z]+)\\s+([a-z0-9:]+)\\s+\"([a-z0-9-+:_()/*%!$#=.,\\s]+)\""),
        QRegularExpression::CaseInsensitiveOption);
    for (int k = 0; k < qMin(int(nameLines.size()), int(kMaxResults)); ++k) {
        const QRegularExpressionMatch match = namePattern.match(nameLines.at(k));
        if (!match.hasMatch())
            continue;
        m_bluetoothIdName[k] = match.captured(2).trimmed();
        m_bluetoothNameTmp[k] = match.captured(3).trimmed();
    }

    for (int i = 0; i < kMaxResults; ++i) {
        for (int k = 0; k < kMaxResults; ++k) {
            if (!m_bluetoothIdInquiry[i].isEmpty() && m_bluetoothIdName[k] == m_bluetoothIdInquiry[i]) {
                m_bluetoothName[i] = m_bluetoothNameTmp[k];
                break;
            }
        }
        if (m_bluetoothName[i].isEmpty())
            m_bluetoothName[i] = tr("unknown");
    }

    const unsigned mask = m_pairingDevice == 1 ? kSensorUnitClassMask : kHeadphoneClassMask;
    SettingsButton* const buttons[kDeviceButtons] = {ui->butBtDev_1, ui->butBtDev_2, ui->butBtDev_3};
    int offered = 0;
    for (int i = 0; i < kMaxResults && offered < kDeviceButtons; ++i) {
        if (m_bluetoothIdInquiry[i].isEmpty())
            continue;
        bool hex = false;
        unsigned deviceClass = m_bluetoothClass[i].left(4).toUInt(&hex, 16);
        if (!hex)
            deviceClass = 0;
        if ((deviceClass & mask) != mask)
            continue;
        m_bluetoothIdButton[offered] = m_bluetoothIdInquiry[i];
        m_bluetoothNameButton[offered] = m_bluetoothName[i];
        SettingsButton* button = buttons[offered];
        const QString second = g_debugFeatures == 1
            ? m_bluetoothIdInquiry[i] + QStringLiteral("   ") + m_bluetoothClass[i]
            : m_bluetoothIdInquiry[i];
        button->setText2(m_bluetoothName[i], second);
        button->setStyleSheet(m_pairingDevice == 1 ? m_stylesheetMic : m_stylesheetHp);
        button->show();
        ++offered;
    }
    // Buttons not filled by this search are hidden; they keep nothing of an earlier one.
    for (int n = offered; n < kDeviceButtons; ++n) {
        m_bluetoothIdButton[n].clear();
        m_bluetoothNameButton[n].clear();
    }

    ui->label->setText(offered > 0 ? tr("SelectDeviceForPairing") : tr("NoDevicesFoundTryAgain"));
    qDebug() << "InquiryList:" << inquiryLines.size() << inquiryLines;
}

// ---- pairing ------------------------------------------------------------------------------

void BluetoothPairing::on_butBtDev_1_clicked()
{
    chooseDevice(0);
}

void BluetoothPairing::on_butBtDev_2_clicked()
{
    chooseDevice(1);
}

void BluetoothPairing::on_butBtDev_3_clicked()
{
    chooseDevice(2);
}

void BluetoothPairing::chooseDevice(int index)
{
    if (!Systemsettings::isValidBtAddress(m_bluetoothIdButton[index]))
        return; // an empty button: nothing to pair with
    ui->label->setText(tr("PairingDevice") + QStringLiteral(" ..."));
    m_selBtDevice = index;
    pairBtDevice(index);
}

void BluetoothPairing::pairBtDevice(int n)
{
    // Whatever the modules said before the command is no answer to it.
    m_timerPairing->stop();
    updateBtInfo();
    m_pairingAnswer.clear();

    const QString command = QStringLiteral("PAIR ") + m_bluetoothIdButton[n] + QLatin1Char('\n');
    appendToLog(command.trimmed(), Qt::green);
    if (Bluetooth* link = selectedLink())
        link->sendData(command);

    m_milliseconds = 0;
    ui->prgbSearching->setMaximum(timing().pairingWaitMs);
    ui->prgbSearching->setValue(0);
    m_timerPairing->start(timing().tickMs);
}

bool BluetoothPairing::pairingConfirmed() const
{
    const QString address = getBluetoothId();
    if (!Systemsettings::isValidBtAddress(address))
        return false;
    const QRegularExpression answer(QStringLiteral("^\\s*PAIR\\s+") + QRegularExpression::escape(address)
                                        + QStringLiteral("\\s+OK\\s*$"),
                                    QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    return answer.match(m_pairingAnswer).hasMatch();
}

void BluetoothPairing::waitForPairing()
{
    if (!m_timerPairing->isActive())
        return; // the wait has ended already
    m_milliseconds += timing().tickMs;
    ui->prgbSearching->setValue(qMin(m_milliseconds, ui->prgbSearching->maximum()));
    updateBtInfo();
    if (m_milliseconds < ui->prgbSearching->maximum())
        return;
    m_timerPairing->stop();
    qDebug() << "search" << QStringLiteral("PAIR ") + getBluetoothId() + QStringLiteral(" OK");
    if (pairingConfirmed()) {
        accept();
        return;
    }
    ui->label->setText(tr("PairingNotSuccessfulPleaseTryAgain"));
}

void BluetoothPairing::pairingOkReceived()
{
    // Both modules report pairings; only the one paired on, while it is awaited, for the
    // device chosen, counts.
    auto* from = qobject_cast<Bluetooth*>(sender());
    if (from && from != selectedLink()) {
        qDebug() << "BluetoothPairing: pairing reported by the other module, ignored";
        return;
    }
    if (!m_timerPairing->isActive()) {
        qDebug() << "BluetoothPairing: pairing reported while none is awaited, ignored";
        return;
    }
    updateBtInfo();
    if (!pairingConfirmed()) {
        qDebug() << "BluetoothPairing: pairing reported for another device, ignored";
        return;
    }
    m_timerPairing->stop();
    m_milliseconds = ui->prgbSearching->maximum();
    ui->prgbSearching->setValue(m_milliseconds);
    accept();
}

// ---- other buttons and keys -----------------------------------------------------------------

void BluetoothPairing::on_butInfo_clicked()
{
    if (m_currentPage == 1) {
        ui->mainArea->setCurrentWidget(ui->infoPage);
        m_currentPage = 2;
    } else {
        ui->mainArea->setCurrentWidget(ui->mainPage);
        m_currentPage = 1;
    }
}

void BluetoothPairing::on_butCancel_clicked()
{
    m_timer->stop();
    m_timerPairing->stop();
    ui->labelPairingInfo->hide();
    for (Bluetooth* link : {m_btSink, m_btSource}) {
        if (link)
            link->clearData();
    }
    close();
}

void BluetoothPairing::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QWidget::keyPressEvent(event);
}

void BluetoothPairing::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        on_butCancel_clicked();
    else
        QWidget::keyReleaseEvent(event);
}
