#include "Mainmenu/pressuresensor.h"

#include "Hardware/bluetooth.h"
#include "Tools/pendingpage.h"
#include "mainmenu.h"

PressureSensor::PressureSensor(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("Pressure"), [this] {
        muteAudioPath(true, true);
        emit exit();
    });
}

void PressureSensor::init(int variant)
{
    Q_UNUSED(variant)
    MainMenu::getInstanceMainMenu()->setCurrentVisibleDlgNum(5);
    connect(MainMenu::getInstanceMainMenu()->getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, this,
            &PressureSensor::switchActiveMute, Qt::UniqueConnection);
}

void PressureSensor::switchActiveMute(bool mute)
{
    muteAudioPath(mute, false);
}

void PressureSensor::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
}
