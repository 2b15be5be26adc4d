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
    void setFilter(quint32 highPassCutOff, quint32 lowPassCutOff, int filterType);
    void setRouting(int routing);

    bool isMuted() const { return m_muted; }
    long getMicPgaGain() const { return m_micPgaGain; }
    int getInputPath() const { return m_inputPath; }

private:
    bool m_muted = false;
    long m_micPgaGain = 0;
    int m_routing = 0;
    int m_inputPath = 0;
    quint32 m_highPassCutOff = 0;
    quint32 m_lowPassCutOff = 4000;
    int m_filterType = 0;
};

#endif // AUDIOCODECSETUP_H
