#include "Mainmenu/levelmeasurement.h"

#include "Hardware/bluetooth.h"
#include "Tools/pendingpage.h"
#include "mainmenu.h"

Levelmeasurement::Levelmeasurement(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("Level"), [this] {
        muteAudioPath(true, true);
        emit exit();
    });
    MainMenu::getInstanceMainMenu()->setCurrentVisibleDlgNum(2);
}

void Levelmeasurement::init(int variant)
{
    Q_UNUSED(variant)
    connect(MainMenu::getInstanceMainMenu()->getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, this,
            &Levelmeasurement::switchActiveMute, Qt::UniqueConnection);
}

void Levelmeasurement::switchActiveMute(bool mute)
{
    muteAudioPath(mute, false);
}

void Levelmeasurement::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
}
