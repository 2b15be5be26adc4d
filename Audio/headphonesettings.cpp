#include "Audio/headphonesettings.h"
#include "ui_headphonesettings.h"

#include "Hardware/bluetooth.h"
#include "Management/systemsettings.h"
#include "mainmenu.h"

#include <QDebug>

Headphonesettings::Headphonesettings(QWidget* parent)
    : EscapeDialog(parent)
    , ui(new Ui::Headphonesettings)
{
    ui->setupUi(this);
    if (MainMenu* menu = MainMenu::getInstanceMainMenu())
        m_btSource = menu->getBtSourceInstance();
    if (m_btSource) {
        // Register for the headphones' volume-changed event (AVRCP PDU 0x31, event 0x0D),
        // so that a change made on the headphones is reported while the dialog is open.
        m_btSource->sendData(QStringLiteral("AVRCP PDU 31 D"));
        m_headphoneVolStep = m_btSource->getBtExtHeadphoneGain();
        connect(m_btSource, &Bluetooth::btHeadphoneVolumeChanged, this, &Headphonesettings::headphoneVolumeChanged);
    }
    showVolume();
}

Headphonesettings::~Headphonesettings()
{
    delete ui;
}

void Headphonesettings::showVolume()
{
    ui->labelVolume->setText(QString::number(m_headphoneVolStep));
    ui->progBarVol->setValue(m_headphoneVolStep);
    updateColors();
}

void Headphonesettings::on_butVolUp_clicked()
{
    changeVolume(true);
}

void Headphonesettings::on_butVolDown_clicked()
{
    changeVolume(false);
}

void Headphonesettings::changeVolume(bool up)
{
    if (!m_btSource)
        return;
    // The link keeps the step within 0 to 15 and tells the headphones.
    if (up)
        m_btSource->setBtExtHeadphoneVolUp();
    else
        m_btSource->setBtExtHeadphoneVolDown();
    m_headphoneVolStep = m_btSource->getBtExtHeadphoneGain();
    showVolume();
}

void Headphonesettings::headphoneVolumeChanged(int a_volPercent)
{
    // The link has turned the reported percentage into its step already.
    if (m_btSource)
        m_headphoneVolStep = m_btSource->getBtExtHeadphoneGain();
    qDebug() << "Headphone volume changed" << a_volPercent << m_headphoneVolStep;
    showVolume();
}

void Headphonesettings::updateColors()
{
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    const bool protection = menu && menu->getInstanceSystemsettings()->isHearingProtectionEnabled();
    const int threshold = protection ? kWarningStepProtected : kWarningStepUnprotected;
    if (m_headphoneVolStep >= threshold) {
        ui->labelWarning->setText(tr("WarningHighVolumesCanLeadToHearingDamage"));
        ui->labelWarning->show();
        ui->progBarVol->setStyleSheet(QStringLiteral("QProgressBar::chunk {background-color: red;}"));
    } else {
        ui->labelWarning->hide();
        ui->progBarVol->setStyleSheet(QStringLiteral("QProgressBar::chunk {background-color: yellow;}"));
    }
}

void Headphonesettings::on_butClose_clicked()
{
    accept();
}
