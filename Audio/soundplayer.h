#ifndef SOUNDPLAYER_H
#define SOUNDPLAYER_H

#include <QObject>
#include <QUrl>

#include <functional>

// The player of stored sound clips. The pages play through it instead of holding a
// QMediaPlayer themselves, so that which player runs is chosen in one place: the
// framework's media player on the instrument and in the run script, a stand-in that
// records what it was asked in the tests.
class SoundPlayer : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<SoundPlayer*(QObject* parent)>;

    // A new player of the kind chosen (the media player unless a factory is set).
    static SoundPlayer* create(QObject* parent = nullptr);
    // Chooses what create() makes from now on; an empty factory restores the media player.
    static void setFactory(Factory factory);

    using QObject::QObject;

    virtual void setMedia(const QUrl& url) = 0;
    // 0 to 100.
    virtual void setVolume(int volume) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
};

#endif // SOUNDPLAYER_H
