#include "Audio/micsettings.h"
#include "ui_micsettings.h"

#include "Hardware/bluetooth.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"

namespace {
const int kWiredSensor = 4;
}

Micsettings::Micsettings(QWidget* parent)
    : EscapeDialog(parent)
    , ui(new Ui::Micsettings)
{
    ui->setupUi(this);
    m_mainMenu = MainMenu::getInstanceMainMenu();
    if (m_mainMenu) {
        m_btSink = m_mainMenu->getBtSinkInstance();
        m_audioCodec = m_mainMenu->getAudioCodecInstance();
        m_micGainStep = m_mainMenu->getMicGainStep();
        m_micPgaGain_dB = m_mainMenu->getMicPgaGain();
    }
    readUnitGain();
    showGain();
    if (QPushButton* current = stepButton(m_micGainStep))
        current->setFocus();
    else
        ui->butClose->setFocus();
}

Micsettings::~Micsettings()
{
    delete ui;
}

QPushButton* Micsettings::stepButton(int step) const
{
    QPushButton* const buttons[] = {ui->butGain1, ui->butGain2, ui->butGain3, ui->butGain4, ui->butGain5, ui->butGain6};
    return step >= 1 && step <= 6 ? buttons[step - 1] : nullptr;
}

void Micsettings::readUnitGain()
{
    if (m_btSink)
        m_groundMicGain = m_btSink->getBtExtMicGain();
    // The unit's gain value counts 3 dB a step from 9 (0 dB).
    m_groundMicGain_dB = 3 * m_groundMicGain - 27;
}

void Micsettings::showGain()
{
    const QString gain = StatusbarData()->sensorType() == kWiredSensor ? QString::number(double(m_micPgaGain_dB))
                                                                       : QString::number(m_groundMicGain_dB);
    ui->labelMicGain->setText(QString::number(m_micGainStep) + QStringLiteral("(%1 dB)").arg(gain));
}

void Micsettings::chooseStep(int step)
{
    m_micGainStep = step;
    if (m_mainMenu) {
        m_mainMenu->setMicGainStep(step);
        m_micPgaGain_dB = m_mainMenu->getMicPgaGain();
    }
    if (StatusbarData()->sensorType() != kWiredSensor)
        readUnitGain();
    showGain();
}

void Micsettings::on_butGain1_clicked()
{
    chooseStep(1);
}

void Micsettings::on_butGain2_clicked()
{
    chooseStep(2);
}

void Micsettings::on_butGain3_clicked()
{
    chooseStep(3);
}

void Micsettings::on_butGain4_clicked()
{
    chooseStep(4);
}

void Micsettings::on_butGain5_clicked()
{
    chooseStep(5);
}

void Micsettings::on_butGain6_clicked()
{
    chooseStep(6);
}

void Micsettings::on_butClose_clicked()
{
    if (m_mainMenu)
        m_mainMenu->setCurrentMicGainStep(m_micGainStep);
    accept();
}
