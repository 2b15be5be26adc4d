#include "Mainmenu/longtermmeasurement.h"

#include "Hardware/bluetooth.h"
#include "Tools/pendingpage.h"
#include "mainmenu.h"

Longtermmeasurement::Longtermmeasurement(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("Longterm"), [this] {
        muteAudioPath(true, true);
        emit exit();
    });
    MainMenu::getInstanceMainMenu()->setCurrentVisibleDlgNum(3);
}

void Longtermmeasurement::init(int variant)
{
    Q_UNUSED(variant)
    connect(MainMenu::getInstanceMainMenu()->getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, this,
            &Longtermmeasurement::switchActiveMute, Qt::UniqueConnection);
}

void Longtermmeasurement::switchActiveMute(bool mute)
{
    muteAudioPath(mute, false);
}

void Longtermmeasurement::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
}
