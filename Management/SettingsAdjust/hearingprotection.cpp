#include "Management/SettingsAdjust/hearingprotection.h"
#include "ui_hearingprotection.h"

#include "Audio/audiocodecsetup.h"
#include "Hardware/bluetooth.h"
#include "mainmenu.h"

#include <QDebug>
#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QUrl>
#include <limits>

const char* const HearingProtection::kTesttone = ":/Resources/Files/Testtone_300HzFS.wav";

namespace {
const int kPlayerVolume = 70;
// Routing of the codec: 0 listening, 1 playback.
const int kRoutingListening = 0;
const int kRoutingPlayback = 1;
// The headphone gain that goes with an offset.
int gainForOffset(int offset)
{
    return offset + 5;
}
}

HearingProtection::HearingProtection(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::HearingProtection)
    , m_player(new QMediaPlayer)
    , m_playlist(new QMediaPlaylist)
{
    ui->setupUi(this);
    initFrame();
    ui->labelHeadline->setText(tr("HearingProtection"));
    ui->labelWarning->setText(tr("WarningRiskOfAcousticShock"));
}

HearingProtection::~HearingProtection()
{
    m_player->stop();
    delete m_player;
    delete m_playlist;
    delete ui;
}

void HearingProtection::init(bool protection, int offset)
{
    m_headphoneVolumeOffset = offset >= kMinOffset && offset <= kMaxOffset ? offset : 0;
    m_modeHearingProtection = protection;
    m_playTesttone = false;

    if (MainMenu* menu = MainMenu::getInstanceMainMenu()) {
        m_audioCodec = menu->getAudioCodecInstance();
        m_btSource = menu->getBtSourceInstance();
    }

    m_playlist->clear();
    m_playlist->addMedia(QUrl(QStringLiteral("qrc") + QLatin1String(kTesttone)));
    m_playlist->setPlaybackMode(QMediaPlaylist::Loop);
    m_player->setPlaylist(m_playlist);
    m_player->setVolume(kPlayerVolume);

    setMode(protection);
    ui->labelHeadphoneVolumeOffset->setText(QString::number(m_headphoneVolumeOffset));
    // The keys start on the current choice, so the focus box and the switch agree.
    (protection ? ui->butEnabled : ui->butDisabled)->setFocus();
}

void HearingProtection::setMode(bool protection)
{
    m_modeHearingProtection = protection;
    updateStylesheetProtectionMode();
    ui->labelWarning->setText(protection ? tr("MaximumVolumeWillBeLimited") : tr("WarningRiskOfAcousticShock"));
}

void HearingProtection::on_butEnabled_clicked()
{
    setMode(true);
}

void HearingProtection::on_butDisabled_clicked()
{
    setMode(false);
}

void HearingProtection::on_butSelect_clicked()
{
    setMode(!m_modeHearingProtection);
}

void HearingProtection::changeOffset(int step)
{
    m_headphoneVolumeOffset = qBound(kMinOffset, m_headphoneVolumeOffset + step, kMaxOffset);
    ui->labelHeadphoneVolumeOffset->setText(QString::number(m_headphoneVolumeOffset));
    // Sent even when the offset is already at its limit, so the headphones surely have it.
    if (m_btSource)
        m_btSource->setBtAdcGain(gainForOffset(m_headphoneVolumeOffset));
}

void HearingProtection::on_butVolDown_clicked()
{
    changeOffset(-1);
}

void HearingProtection::on_butVolUp_clicked()
{
    changeOffset(1);
}

void HearingProtection::on_butPlayPause_clicked()
{
    if (m_playTesttone) {
        qDebug() << "Pause Testtone" << kTesttone;
        stopTesttone();
        return;
    }
    qDebug() << "Play Testtone" << kTesttone;
    if (m_audioCodec) {
        m_audioCodec->init();
        m_audioCodec->setFilter(std::numeric_limits<quint32>::max(), std::numeric_limits<quint32>::max(), 0);
        m_audioCodec->setRouting(kRoutingPlayback);
    }
    // The codec set-up has muted the path; opening it gives the headphones back their gain.
    if (MainMenu* menu = MainMenu::getInstanceMainMenu())
        menu->muteAudioPath(false, false);
    m_player->play();
    m_playTesttone = true;
}

void HearingProtection::stopTesttone()
{
    m_player->stop();
    m_playTesttone = false;
}

void HearingProtection::showHeadphoneVolumeAdjust(bool show)
{
    ui->labelDefaultHeadphoneVolume->setVisible(show);
    ui->labelHeadphoneVolumeOffset->setVisible(show);
    ui->butVolDown->setVisible(show);
    ui->butVolUp->setVisible(show);
    ui->butPlayPause->setVisible(show);
}

void HearingProtection::updateStylesheetProtectionMode()
{
    if (m_modeHearingProtection) {
        setRadioSwitch(ui->butSelect, QStringLiteral("Radioswitch_top_2x40px.png"));
        showHeadphoneVolumeAdjust(false);
        stopTesttone(); // the codec stays as it is until the dialog is left
    } else {
        setRadioSwitch(ui->butSelect, QStringLiteral("Radioswitch_bottom_2x40px.png"));
        showHeadphoneVolumeAdjust(true);
    }
}

void HearingProtection::restoreListening()
{
    stopTesttone();
    MainMenu* menu = MainMenu::getInstanceMainMenu();
    if (!m_audioCodec || !menu)
        return; // never set up against the device
    m_audioCodec->init();
    m_audioCodec->setFilter(std::numeric_limits<quint32>::max(), std::numeric_limits<quint32>::max(), 0);
    m_audioCodec->setRouting(kRoutingListening);
    menu->muteAudioPath(true, false);
}

void HearingProtection::done(int result)
{
    // Every way out, the on/off key included: a tone left playing into an open path
    // would keep sounding in the headphones after the dialog has gone.
    restoreListening();
    SettingsDialog::done(result);
}
