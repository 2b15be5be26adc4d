#include "Mainmenu/levelmeasurement.h"

#include "Audio/audiocodecsetup.h"
#include "Audio/audioworker.h"
#include "Audio/filtersettings.h"
#include "Hardware/bluetooth.h"
#include "Tools/pendingpage.h"
#include "Tools/tooltipbutton.h"
#include "mainmenu.h"

Levelmeasurement::Levelmeasurement(QWidget* parent)
    : QWidget(parent)
{
    buildPendingPage(this, tr("Level"), [this] {
        muteAudioPath(true, true);
        Audioworker()->stopAudioRecording();
        emit exit();
    });
    auto* filter = new TooltipButton(this);
    filter->setObjectName(QStringLiteral("butMenuFilter"));
    filter->setGeometry(426, 55, 54, 54);
    filter->setFocusPolicy(Qt::NoFocus);
    filter->setToolTip(tr("AdjustFilter"));
    filter->setStyleSheet(QStringLiteral(
        "QPushButton{image: url(:/Resources/Icons/Allgemein/Filter_ws_44px.png); border: none; background-color: transparent;}"
        "QPushButton:pressed{image: url(:/Resources/Icons/Allgemein/Filter_sw_44px.png);}"));
    connect(filter, &QPushButton::clicked, this, [this] {
        Filtersettings dialog(this);
        dialog.exec();
    });
    MainMenu::getInstanceMainMenu()->setCurrentVisibleDlgNum(2);
}

void Levelmeasurement::init(int variant)
{
    Q_UNUSED(variant)
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    AudioCodecSetup* codec = menu->getAudioCodecInstance();
    codec->init();
    quint32 low = 0, high = 0;
    int type = 0;
    menu->getCurrentFilter(&low, &high, &type);
    codec->setFilter(low, high, type);
    Audioworker()->startAudioRecording();
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
