#include "Audio/audiocodecsetup.h"

#include "Tools/statusbar.h"
#include "mainmenu.h"

#include <QDebug>

AudioCodecSetup::AudioCodecSetup(QObject* parent)
    : QObject(parent)
{
}

void AudioCodecSetup::init()
{
    qDebug() << "**** INIT Audio-Codec ****";
    setRouting(0);
    // The first call of the status data builds it; the wired sensor takes input path 3.
    m_inputPath = StatusbarData()->sensorType() == 4 ? 3 : 1;
    MainMenu::getInstanceMainMenu()->muteAudioPath(true, true);
}

void AudioCodecSetup::setMuting(bool mute)
{
    m_muted = mute;
}

void AudioCodecSetup::setMicPgaGain(long gain)
{
    m_micPgaGain = gain;
}

void AudioCodecSetup::setFilter(quint32 highPassCutOff, quint32 lowPassCutOff, int filterType)
{
    m_filterType = filterType;
    if (filterType == 1) {
        m_highPassCutOff = highPassCutOff;
        m_lowPassCutOff = lowPassCutOff;
    } else {
        m_highPassCutOff = 0;
        m_lowPassCutOff = 4000;
    }
}

void AudioCodecSetup::setRouting(int routing)
{
    m_routing = routing;
    m_inputPath = routing == 1 ? 0 : 1;
}
