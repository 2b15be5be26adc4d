#include "Mainmenu/pipelocating.h"

#include "Hardware/bluetooth.h"
#include "Tools/pendingpage.h"
#include "mainmenu.h"

Pipelocating::Pipelocating(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("Pipelocating"), [this] {
        muteAudioPath(true, true);
        emit exit();
    });
}

void Pipelocating::init(int variant)
{
    Q_UNUSED(variant)
    MainMenu::getInstanceMainMenu()->setCurrentVisibleDlgNum(5);
    connect(MainMenu::getInstanceMainMenu()->getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, this,
            &Pipelocating::switchActiveMute, Qt::UniqueConnection);
}

void Pipelocating::switchActiveMute(bool mute)
{
    muteAudioPath(mute, false);
}

void Pipelocating::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
}
