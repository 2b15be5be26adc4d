#ifndef AUDIOCODECSETUP_H
#define AUDIOCODECSETUP_H

#include <QFile>
#include <QObject>

// The one object that configures the audio codec: input path, gains, mute, loopback and
// routing through the ALSA simple mixer of the card "default", and the listening filter
// through the codec's register file. Every call completes before it returns and keeps no
// mixer handle open; only failures of switches and enumerations are logged.
//
// Gains are in hundredths of a dB (300 = 3.00 dB).
// Input paths: 0 none, 1 IN1 (Bluetooth audio), 2 IN2 (PWM), 3 IN3 (wired sensor), other as 1.
// Routing: 1 playback, anything else listening.
// Filter type: 0 no filter, 1 band-pass, 2 band-stop (stored, but the codec passes through).
class AudioCodecSetup : public QObject
{
    Q_OBJECT
public:
    explicit AudioCodecSetup(QObject* parent = nullptr);

    // Mixer primitives: each opens the mixer, sets one element and closes it again.
    int setMixerElementGain(const char* elementName, long val_dB);
    int setMixerElementValue(const char* elementName, int val);
    int setMixerElement(const char* elementName, long val);
    int setMixerElementEnumValue(const char* elementName, unsigned int val);

    int setLineOutGain(long val_dB);
    int setMicPgaGain(long val_dB);
    int setAdcGain(long val_dB);
    int setDacGain(long val_dB);
    int setMicPgaEnable(int val);
    int setAdcPgaMute(int val);
    int setLineOutEnable(int val);
    int setMuting(bool mute);
    bool isMuted() const { return m_muted; }
    int setLoopbackEnable(bool enable);
    int setCommonModeControl();
    int setAnalogLoopback();
    int setDigitalLoopback();

    int setMicGain(int micGain);
    int getMicGain(int* micGain) const;
    int setHeadphoneGain(int headphoneGain);
    int getHeadphoneGain(int* headphoneGain) const;

    int setInputPath(int input);
    int setRouting(int mode);
    int init();

    // Writes "reg val" (lower-case hexadecimal) to the register file in one write.
    // -1 when the file cannot be opened.
    int writeRegister(int reg, int val);

    // The listening filter. The low cut-off is the lower edge of the pass band (high-pass
    // corner), the high cut-off the upper edge (low-pass corner); both snap to the table
    // frequencies. getFilter gives back the snapped corners.
    int setFilter(quint32 a_lowCutOffFreq, quint32 a_highCutOffFreq, int a_filterType);
    int getFilter(quint32* lowCutOffFreq, quint32* highCutOffFreq, int* filterType) const;
    // Takes effect with the next setFilter, and only while the debug features are on.
    int setSpecialFilter(bool filter50Hz, bool filterPreemphase);
    // Copy the 26 table frequencies into an array with room for them.
    int getAvailableLpFilterFrequencies(quint32* m_lpFilterFrequencies, int* m_numLpFilter) const;
    int getAvailableHpFilterFrequencies(quint32* m_hpFilterFrequencies, int* m_numHpFilter) const;
    // Bits 31..8 of one coefficient word into three consecutive registers.
    int writeFilterCoeffs(int offset, qint32 value);

private:
    quint32 m_lpFreq = 4000;
    quint32 m_hpFreq = 0;
    int m_filterType = 0;
    int m_micGain = 0;
    int m_headphoneGain = 0;
    bool m_muted = true;
    QFile m_codec;
    bool m_filter50HzEnabled = false;
    bool m_filterPreemphaseEnabled = false;
};

#endif // AUDIOCODECSETUP_H
