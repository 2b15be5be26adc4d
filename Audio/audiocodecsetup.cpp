#include "Audio/audiocodecsetup.h"

#include "Tools/statusbar.h"
#include "mainmenu.h"

#include <QDebug>
#include <algorithm>

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

namespace {
const quint32 kFilterFrequencies[] = {0,   20,  25,  32,  40,   50,   63,   80,   100,  125,  160,  200,  250,
                                      315, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150, 3900, 4000};
const int kNumFilterFrequencies = 26;

int snap(quint32 v)
{
    int k = 0;
    while (k < kNumFilterFrequencies && kFilterFrequencies[k] < v)
        ++k;
    if (k == kNumFilterFrequencies)
        return 0;
    if (k > 0 && v - kFilterFrequencies[k - 1] < kFilterFrequencies[k] - v)
        --k;
    return k;
}
}

void AudioCodecSetup::setFilter(quint32 a_lowCutOffFreq, quint32 a_highCutOffFreq, int a_filterType)
{
    m_filterType = a_filterType;
    m_lpFreq = 4000;
    m_hpFreq = 0;
    if (a_filterType != 1)
        return;
    const int i = snap(a_highCutOffFreq);
    const int j = snap(a_lowCutOffFreq);
    if (i == j) {
        qDebug() << "Wrong Filtersettings" << kFilterFrequencies[i] << kFilterFrequencies[i] << 1;
        m_filterType = 0;
        return;
    }
    m_lpFreq = kFilterFrequencies[i];
    m_hpFreq = kFilterFrequencies[j];
}

int AudioCodecSetup::getFilter(quint32* lowCutOffFreq, quint32* highCutOffFreq, int* filterType) const
{
    *lowCutOffFreq = m_filterType == 2 ? m_lpFreq : m_hpFreq;
    *highCutOffFreq = m_filterType == 2 ? m_hpFreq : m_lpFreq;
    *filterType = m_filterType;
    return 0;
}

int AudioCodecSetup::setSpecialFilter(bool filter50Hz, bool filterPreemphase)
{
    m_filter50HzEnabled = filter50Hz;
    m_filterPreemphaseEnabled = filterPreemphase;
    return 0;
}

int AudioCodecSetup::getAvailableLpFilterFrequencies(quint32* m_lpFilterFrequencies, int* m_numLpFilter) const
{
    std::copy(kFilterFrequencies, kFilterFrequencies + kNumFilterFrequencies, m_lpFilterFrequencies);
    *m_numLpFilter = kNumFilterFrequencies;
    return 0;
}

int AudioCodecSetup::getAvailableHpFilterFrequencies(quint32* m_hpFilterFrequencies, int* m_numHpFilter) const
{
    return getAvailableLpFilterFrequencies(m_hpFilterFrequencies, m_numHpFilter);
}

void AudioCodecSetup::setRouting(int routing)
{
    m_routing = routing;
    m_inputPath = routing == 1 ? 0 : 1;
}
