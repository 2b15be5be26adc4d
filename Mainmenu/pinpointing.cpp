#include "Mainmenu/pinpointing.h"

#include "Hardware/bluetooth.h"
#include "Tools/pendingpage.h"
#include "mainmenu.h"

Pinpointing::Pinpointing(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("Histogram"), [this] {
        muteAudioPath(true, true);
        emit exit();
    });
}

void Pinpointing::init(int variant)
{
    Q_UNUSED(variant)
    MainMenu::getInstanceMainMenu()->setCurrentVisibleDlgNum(1);
    connect(MainMenu::getInstanceMainMenu()->getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, this,
            &Pinpointing::switchActiveMute, Qt::UniqueConnection);
}

void Pinpointing::switchActiveMute(bool mute)
{
    muteAudioPath(mute, false);
}

void Pinpointing::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
}
