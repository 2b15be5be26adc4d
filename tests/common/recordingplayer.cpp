#include "recordingplayer.h"

namespace {
RecordingPlayer* g_last = nullptr;
}

RecordingPlayer::RecordingPlayer(QObject* parent)
    : SoundPlayer(parent)
{
    g_last = this;
}

RecordingPlayer::~RecordingPlayer()
{
    if (g_last == this)
        g_last = nullptr;
}

void RecordingPlayer::play()
{
    m_calls << QStringLiteral("play");
    m_playing = true;
}

void RecordingPlayer::stop()
{
    m_calls << QStringLiteral("stop");
    m_playing = false;
}

RecordingPlayer* RecordingPlayer::last()
{
    return g_last;
}

RecordingPlayer::Install::Install()
{
    SoundPlayer::setFactory([](QObject* parent) { return new RecordingPlayer(parent); });
}

RecordingPlayer::Install::~Install()
{
    SoundPlayer::setFactory({});
}
