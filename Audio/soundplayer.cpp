#include "Audio/soundplayer.h"

#include <QMediaContent>
#include <QMediaPlayer>

namespace {

class MediaSoundPlayer : public SoundPlayer
{
public:
    explicit MediaSoundPlayer(QObject* parent)
        : SoundPlayer(parent)
        , m_player(new QMediaPlayer(this))
    {
    }

    void setMedia(const QUrl& url) override { m_player->setMedia(QMediaContent(url)); }
    void setVolume(int volume) override { m_player->setVolume(volume); }
    void play() override { m_player->play(); }
    void stop() override { m_player->stop(); }

private:
    QMediaPlayer* m_player;
};

SoundPlayer::Factory& factory()
{
    static SoundPlayer::Factory chosen;
    return chosen;
}

} // namespace

SoundPlayer* SoundPlayer::create(QObject* parent)
{
    if (factory())
        return factory()(parent);
    return new MediaSoundPlayer(parent);
}

void SoundPlayer::setFactory(Factory chosen)
{
    factory() = std::move(chosen);
}
