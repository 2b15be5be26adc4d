#ifndef HEARINGPROTECTION_H
#define HEARINGPROTECTION_H

#include "Management/SettingsAdjust/settingsdialog.h"

namespace Ui {
class HearingProtection;
}
class AudioCodecSetup;
class Bluetooth;
class QMediaPlayer;
class QMediaPlaylist;

// Switches the hearing protection of the Bluetooth headphones on or off and, with it
// off, sets the headphone volume offset while a test tone plays through the codec.
// The volume buttons send the headphone gain (offset + 5) at once, so the user hears
// the level being chosen.
//
// However the dialog is left (Accept, Cancel, or the on/off key), the tone stops, the
// codec goes back to listening without filter and the listening path is muted.
class HearingProtection : public SettingsDialog
{
    Q_OBJECT

public:
    static constexpr int kMinOffset = -4;
    static constexpr int kMaxOffset = 10;
    static const char* const kTesttone;

    explicit HearingProtection(QWidget* parent = nullptr);
    ~HearingProtection() override;

    void init(bool protection, int offset);
    bool getModeHearingProtection() const { return m_modeHearingProtection; }
    int getHeadphoneVolumeOffset() const { return m_headphoneVolumeOffset; }
    bool isTesttonePlaying() const { return m_playTesttone; }
    QMediaPlayer* player() const { return m_player; }

    void showHeadphoneVolumeAdjust(bool show);

public slots:
    void done(int result) override;

private slots:
    void on_butEnabled_clicked();
    void on_butDisabled_clicked();
    void on_butSelect_clicked();
    void on_butVolDown_clicked();
    void on_butVolUp_clicked();
    void on_butPlayPause_clicked();

private:
    void setMode(bool protection);
    void changeOffset(int step);
    void stopTesttone();
    void updateStylesheetProtectionMode();
    void restoreListening();

    Ui::HearingProtection* ui;
    bool m_modeHearingProtection = true;
    int m_headphoneVolumeOffset = 0;
    bool m_playTesttone = false;
    QMediaPlayer* m_player;
    QMediaPlaylist* m_playlist;
    AudioCodecSetup* m_audioCodec = nullptr;
    Bluetooth* m_btSource = nullptr;
};

#endif // HEARINGPROTECTION_H
