#ifndef AUDIOCODECSETUP_H
#define AUDIOCODECSETUP_H

#include <QObject>

// Codec control through the ALSA mixer and the codec registers.
// Placeholder: remembers what was asked of it; the mixer is not driven yet.
class AudioCodecSetup : public QObject
{
    Q_OBJECT
public:
    explicit AudioCodecSetup(QObject* parent = nullptr);

    void init();
    void setMuting(bool mute);
    void setMicPgaGain(long gain);
    void setFilter(quint32 a_lowCutOffFreq, quint32 a_highCutOffFreq, int a_filterType);
    int getFilter(quint32* lowCutOffFreq, quint32* highCutOffFreq, int* filterType) const;
    int setSpecialFilter(bool filter50Hz, bool filterPreemphase);
    int getAvailableLpFilterFrequencies(quint32* m_lpFilterFrequencies, int* m_numLpFilter) const;
    int getAvailableHpFilterFrequencies(quint32* m_hpFilterFrequencies, int* m_numHpFilter) const;
    void setRouting(int routing);

    bool isMuted() const { return m_muted; }
    long getMicPgaGain() const { return m_micPgaGain; }
    int getInputPath() const { return m_inputPath; }

private:
    bool m_muted = false;
    long m_micPgaGain = 0;
    int m_routing = 0;
    int m_inputPath = 0;
    quint32 m_hpFreq = 0;
    quint32 m_lpFreq = 4000;
    int m_filterType = 0;
    bool m_filter50HzEnabled = false;
    bool m_filterPreemphaseEnabled = false;
};

#endif // AUDIOCODECSETUP_H
