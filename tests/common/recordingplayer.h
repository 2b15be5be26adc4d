#ifndef RECORDINGPLAYER_H
#define RECORDINGPLAYER_H

#include "Audio/soundplayer.h"

#include <QStringList>
#include <QUrl>

// Stands in for the media player: keeps the clip and the volume it was given and lists the
// calls ("play", "stop"). While a RecordingPlayer::Install lives, every SoundPlayer the
// code creates is one of these; the last one created is at hand.
class RecordingPlayer : public SoundPlayer
{
    Q_OBJECT
public:
    explicit RecordingPlayer(QObject* parent = nullptr);
    ~RecordingPlayer() override;

    void setMedia(const QUrl& url) override { m_url = url; }
    void setVolume(int volume) override { m_volume = volume; }
    void play() override;
    void stop() override;

    QUrl url() const { return m_url; }
    int volume() const { return m_volume; }
    QStringList calls() const { return m_calls; }
    bool isPlaying() const { return m_playing; }

    // The player created last while it exists, else null.
    static RecordingPlayer* last();

    struct Install
    {
        Install();
        ~Install();
    };

private:
    QUrl m_url;
    int m_volume = -1;
    QStringList m_calls;
    bool m_playing = false;
};

#endif // RECORDINGPLAYER_H
