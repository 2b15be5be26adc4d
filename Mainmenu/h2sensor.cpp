#include "Mainmenu/h2sensor.h"

#include "Hardware/bluetooth.h"
#include "Tools/pendingpage.h"
#include "mainmenu.h"

H2Sensor::H2Sensor(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("H2Sensor"), [this] {
        muteAudioPath(true, true);
        emit exit();
    });
}

void H2Sensor::init(int variant)
{
    Q_UNUSED(variant)
    MainMenu::getInstanceMainMenu()->setCurrentVisibleDlgNum(4);
    connect(MainMenu::getInstanceMainMenu()->getBtSinkInstance(), &Bluetooth::stateActiveMuteChanged, this,
            &H2Sensor::switchActiveMute, Qt::UniqueConnection);
}

void H2Sensor::switchActiveMute(bool mute)
{
    muteAudioPath(mute, false);
}

void H2Sensor::muteAudioPath(bool a_mute, bool a_sendToMic)
{
    MainMenu::getInstanceMainMenu()->muteAudioPath(a_mute, a_sendToMic);
}
