#include "Audio/audiocodecsetup.h"

#include "Audio/filtercoeffs.h"
#include "Hardware/platform.h"
#include "Tools/statusbar.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>

#include <alsa/asoundlib.h>

namespace {

const char kCard[] = "default";
const char kRegisterFile[] = "/sys/bus/i2c/devices/1-0018/registers";
const char kCommonMode[] = "FullChipCM=0,75V LineOutCM=1,65V";
const char kLoopbackSwitch[] = "Loopback ADC ADC>DAC";
const char kDacMode[] = "DAC mode PRB_P3";

constexpr int kPageSelect = 0;
constexpr int kPageLeft = 0x2c;
constexpr int kPageRight = 0x2d;
constexpr int kPageRight2 = 0x2e;
constexpr int kFilterControl = 1;
constexpr int kFilterUpdateBegin = 4;
constexpr int kFilterUpdateEnd = 5;
constexpr int kPassThroughRow = 0;
constexpr int kNoLowPassRow = kFilterTableRows - 1;

constexpr FilterCoeffs kPassThrough = {0, 0x7FFFFFFF, 0, 0, 0, 0};

// One simple-mixer handle on the card, with its elements loaded, for the span of one call.
// An element the card does not offer is logged and found as null: alsa-lib asserts on a
// null element, so no caller may pass it on.
class Mixer
{
public:
    Mixer()
    {
        if (snd_mixer_open(&m_handle, 0) < 0) {
            m_handle = nullptr;
            return;
        }
        if (snd_mixer_attach(m_handle, kCard) < 0 || snd_mixer_selem_register(m_handle, nullptr, nullptr) < 0
            || snd_mixer_load(m_handle) < 0) {
            snd_mixer_close(m_handle);
            m_handle = nullptr;
        }
    }
    ~Mixer()
    {
        if (m_handle)
            snd_mixer_close(m_handle);
    }
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    bool isOpen() const { return m_handle != nullptr; }

    snd_mixer_elem_t* element(const char* name) const
    {
        if (!m_handle)
            return nullptr;
        snd_mixer_selem_id_t* id = nullptr;
        snd_mixer_selem_id_alloca(&id);
        snd_mixer_selem_id_set_index(id, 0);
        snd_mixer_selem_id_set_name(id, name);
        snd_mixer_elem_t* found = snd_mixer_find_selem(m_handle, id);
        if (!found)
            qDebug() << "mixer element not found:" << name;
        return found;
    }

private:
    snd_mixer_t* m_handle = nullptr;
};

struct InputSwitch
{
    const char* element;
    const char* failureText;
};

const InputSwitch kInputSwitches[6] = {
    {"Left Input Mixer IN1_L P", "Select Input IN1_L:"},  {"Right Input Mixer IN1_R P", "Select Input IN1_R:"},
    {"Left Input Mixer IN2_L P", "Select Input IN2_L:"},  {"Right Input Mixer IN2_R P", "Select Input IN2_R:"},
    {"Left Input Mixer IN3_L P", "Select Input IN3_L:"},  {"Right Input Mixer IN3_R P", "Select Input IN3_R:"},
};

// Snaps a frequency to a table row: the first row at or above it, or the row below when
// that one is strictly nearer. Above the last row there is no match and row 0 is taken.
int snapToRow(const FilterCoeffs* table, quint32 frequency)
{
    int k = 0;
    while (k < kFilterTableRows && table[k].frequency < frequency)
        ++k;
    if (k == kFilterTableRows)
        return 0;
    if (k > 0 && frequency - table[k - 1].frequency < table[k].frequency - frequency)
        return k - 1;
    return k;
}

// First registers of N0, N1, N2, D1 and D2 of one section, all on one page.
struct Section
{
    int page;
    int n0;
};

} // namespace

AudioCodecSetup::AudioCodecSetup(QObject* parent)
    : QObject(parent)
{
    qDebug() << "--- AudioCodecSetup ---";
    m_codec.setFileName(Platform::devicePath(QString::fromLatin1(kRegisterFile)));
    setCommonModeControl();
    qDebug() << "Setup common mode control finished";
}

// ---- mixer primitives ----------------------------------------------------------------

int AudioCodecSetup::setMixerElementGain(const char* elementName, long val_dB)
{
    Mixer mixer;
    if (snd_mixer_elem_t* element = mixer.element(elementName))
        snd_mixer_selem_set_playback_dB_all(element, val_dB, 0);
    return 0;
}

int AudioCodecSetup::setMixerElementValue(const char* elementName, int val)
{
    Mixer mixer;
    if (snd_mixer_elem_t* element = mixer.element(elementName)) {
        const int result = snd_mixer_selem_set_playback_switch_all(element, val);
        if (result < 0)
            qDebug() << "Error setting mixerelement value:" << elementName << result << snd_strerror(result);
    }
    return 0;
}

int AudioCodecSetup::setMixerElement(const char* elementName, long val)
{
    Mixer mixer;
    if (snd_mixer_elem_t* element = mixer.element(elementName))
        snd_mixer_selem_set_playback_volume(element, SND_MIXER_SCHN_FRONT_LEFT, val);
    return 0;
}

int AudioCodecSetup::setMixerElementEnumValue(const char* elementName, unsigned int val)
{
    Mixer mixer;
    if (snd_mixer_elem_t* element = mixer.element(elementName)) {
        const int result = snd_mixer_selem_set_enum_item(element, SND_MIXER_SCHN_FRONT_LEFT, val);
        if (result < 0)
            qDebug() << "Error setting mixerelement enum value:" << elementName << result << snd_strerror(result);
    }
    return 0;
}

// ---- named settings ------------------------------------------------------------------

int AudioCodecSetup::setLineOutGain(long val_dB)
{
    return setMixerElementGain("LO Driver Gain", val_dB);
}

int AudioCodecSetup::setMicPgaGain(long val_dB)
{
    return setMixerElementGain("PGA Level", val_dB);
}

int AudioCodecSetup::setAdcGain(long val_dB)
{
    return setMixerElementGain("ADC Level", val_dB);
}

int AudioCodecSetup::setDacGain(long val_dB)
{
    return setMixerElementGain("PCM", val_dB);
}

int AudioCodecSetup::setMicPgaEnable(int val)
{
    return setMixerElementValue("Mic PGA", val);
}

int AudioCodecSetup::setAdcPgaMute(int val)
{
    setMixerElementValue("ADCFGA Left Mute", val);
    return setMixerElementValue("ADCFGA Right Mute", val);
}

int AudioCodecSetup::setLineOutEnable(int val)
{
    setMixerElementValue("LOL Output Mixer L_DAC", val);
    return setMixerElementValue("LOR Output Mixer R_DAC", val);
}

int AudioCodecSetup::setMuting(bool mute)
{
    setMixerElementValue("LO DAC", mute ? 0 : 1);
    m_muted = mute;
    return 0;
}

int AudioCodecSetup::setLoopbackEnable(bool enable)
{
    // The loop runs through the secondary data input, never through the direct switch.
    qDebug() << (enable ? "AudioCodecSetup: Loopback enable" : "AudioCodecSetup: Loopback disable");
    setMixerElementValue(kLoopbackSwitch, 0);
    setMixerElementEnumValue("Loopback-SecDataIn", enable ? 1 : 0);
    return setMixerElementEnumValue(kDacMode, 1);
}

int AudioCodecSetup::setCommonModeControl()
{
    return setMixerElementEnumValue(kCommonMode, 1);
}

int AudioCodecSetup::setAnalogLoopback()
{
    setLoopbackEnable(false);
    setMixerElementValue("LOL Output Mixer L_DAC", 0);
    setMixerElementValue("LOR Output Mixer R_DAC", 0);
    setMixerElementValue("LOL Output Mixer MAL", 1);
    setMixerElementValue("LOR Output Mixer MAR", 1);
    setMixerElementValue("MAL Power", 1);
    setMixerElementValue("MAR Power", 1);
    return setLineOutGain(400);
}

int AudioCodecSetup::setDigitalLoopback()
{
    setLoopbackEnable(true);
    setMixerElementValue("LOL Output Mixer MAL", 0);
    setMixerElementValue("LOR Output Mixer MAR", 0);
    setMixerElementValue("LOL Output Mixer L_DAC", 1);
    setMixerElementValue("LOR Output Mixer R_DAC", 1);
    setMixerElementValue("MAL Power", 0);
    setMixerElementValue("MAR Power", 0);
    return setLineOutGain(0);
}

int AudioCodecSetup::setMicGain(int micGain)
{
    m_micGain = micGain;
    return 0;
}

int AudioCodecSetup::getMicGain(int* micGain) const
{
    *micGain = m_micGain;
    return 0;
}

int AudioCodecSetup::setHeadphoneGain(int headphoneGain)
{
    m_headphoneGain = headphoneGain;
    return 0;
}

int AudioCodecSetup::getHeadphoneGain(int* headphoneGain) const
{
    *headphoneGain = m_headphoneGain;
    return 0;
}

// ---- input, routing, start-up --------------------------------------------------------

int AudioCodecSetup::setInputPath(int input)
{
    if (input < 0 || input > 3)
        input = 1;
    static const char* const kSelection[4] = {"Select Input NONE", "Select Input IN1", "Select Input IN2",
                                              "Select Input IN3"};

    Mixer mixer;
    snd_mixer_elem_t* elements[6];
    for (int i = 0; i < 6; ++i)
        elements[i] = mixer.element(kInputSwitches[i].element);

    qDebug() << kSelection[input];
    for (int i = 0; i < 6; ++i) {
        if (!elements[i])
            continue;
        // Switches 0/1 belong to IN1, 2/3 to IN2, 4/5 to IN3.
        const int on = input != 0 && i / 2 == input - 1 ? 1 : 0;
        const int result = snd_mixer_selem_set_playback_switch_all(elements[i], on);
        if (result < 0)
            qDebug() << kInputSwitches[i].failureText << result << snd_strerror(result);
    }
    return 0;
}

int AudioCodecSetup::setRouting(int mode)
{
    if (mode == 1) {
        setMicPgaEnable(0);
        setAdcPgaMute(1);
        setMicPgaGain(0);
        setAdcGain(-1200);
        setLineOutEnable(1);
        setLineOutGain(0);
        setDacGain(0);
        setInputPath(0);
        setLoopbackEnable(false);
    } else {
        setMicPgaEnable(1);
        setAdcPgaMute(0);
        setLineOutEnable(1);
        setLineOutGain(0);
        setMicPgaGain(300);
        setAdcGain(200);
        setDacGain(0);
        setInputPath(1);
        setLoopbackEnable(true);
    }
    return setMixerElementEnumValue(kDacMode, 1);
}

int AudioCodecSetup::init()
{
    qDebug() << "**** INIT Audio-Codec ****";
    setMixerElementValue(kLoopbackSwitch, 0);
    setMixerElementEnumValue(kDacMode, 1);
    setRouting(0);
    if (StatusbarData()->sensorType() == 4) {
        setInputPath(3);
        qDebug() << "Direkteingang gewählt";
    } else {
        setInputPath(1);
        qDebug() << "Bluetootheingang gewählt";
    }
    if (MainMenu* menu = MainMenu::getInstanceMainMenu())
        menu->muteAudioPath(true, true);
    return 0;
}

// ---- registers -----------------------------------------------------------------------

int AudioCodecSetup::writeRegister(int reg, int val)
{
    const QByteArray text = QByteArray::number(reg, 16) + ' ' + QByteArray::number(val, 16);
    // ExistingOnly: the attribute belongs to the codec driver; a missing one is never
    // created. Unbuffered: the driver takes the text as one write.
    if (!m_codec.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        qDebug() << "Error: Could not open Audio-Codec";
        return -1;
    }
    const bool written = m_codec.write(text) == text.size();
    const QString error = m_codec.errorString();
    m_codec.close();
    if (!written) {
        qDebug() << "Error: Could not write Audio-Codec" << text << error;
        return -1;
    }
    Platform::journalWrite(kRegisterFile, text);
    return 0;
}

// ---- listening filter ----------------------------------------------------------------

int AudioCodecSetup::writeFilterCoeffs(int offset, qint32 value)
{
    const quint32 word = quint32(value);
    writeRegister(offset, int((word >> 24) & 0xff));
    writeRegister(offset + 1, int((word >> 16) & 0xff));
    writeRegister(offset + 2, int((word >> 8) & 0xff));
    return 0;
}

int AudioCodecSetup::setFilter(quint32 a_lowCutOffFreq, quint32 a_highCutOffFreq, int a_filterType)
{
    int lpRow = kNoLowPassRow;
    int hpRow = kPassThroughRow;
    if (a_filterType == 1) {
        lpRow = snapToRow(filterCoeffs_LP, a_highCutOffFreq);
        hpRow = snapToRow(filterCoeffs_HP, a_lowCutOffFreq);
        if (lpRow == hpRow) {
            qDebug() << "Wrong Filtersettings" << filterCoeffs_LP[lpRow].frequency << filterCoeffs_HP[lpRow].frequency << 1;
            m_filterType = 0;
            lpRow = kNoLowPassRow;
            hpRow = kPassThroughRow;
        } else {
            m_filterType = 1;
        }
    } else {
        m_filterType = a_filterType;
    }
    m_lpFreq = filterCoeffs_LP[lpRow].frequency;
    m_hpFreq = filterCoeffs_HP[hpRow].frequency;
    qDebug() << "Filter Ist: LP=" << m_lpFreq << "HP=" << m_hpFreq << "Type=" << m_filterType << "lpPos" << lpRow
             << "hpPos" << hpRow;

    const FilterCoeffs& lowPass = m_lpFreq == 0 ? kPassThrough : filterCoeffs_LP[lpRow];
    const FilterCoeffs& highPass = m_hpFreq == 0 ? kPassThrough : filterCoeffs_HP[hpRow];
    const bool special = g_debugFeatures == 1;
    const FilterCoeffs& section5 = special ? filterCoeffs_50Hz[m_filter50HzEnabled ? 1 : 0] : lowPass;
    const FilterCoeffs& section6 = special ? filterCoeffs_Preemphase[m_filterPreemphaseEnabled ? 1 : 0] : highPass;

    auto page = [this](int number) { writeRegister(kPageSelect, number); };
    // Words [from, from + count) of a section (N0, N1, N2, D1, D2), from firstRegister on.
    auto coefficients = [this](const FilterCoeffs& c, int from, int count, int firstRegister) {
        const qint32 w[5] = {c.n0, c.n1, c.n2, c.d1, c.d2};
        for (int i = 0; i < count; ++i)
            writeFilterCoeffs(firstRegister + 4 * i, w[from + i]);
    };

    page(kPageLeft);
    writeRegister(kFilterControl, kFilterUpdateBegin);

    // Sections 1 and 2 of each channel: low-pass; 3 and 4: high-pass. The page of left 1
    // is already selected.
    const Section bandSections[2][4] = {{{kPageLeft, 12}, {kPageLeft, 32}, {kPageRight, 20}, {kPageRight, 40}},
                                        {{kPageLeft, 52}, {kPageLeft, 72}, {kPageRight, 60}, {kPageRight, 80}}};
    for (int band = 0; band < 2; ++band) {
        for (int s = 0; s < 4; ++s) {
            if (band > 0 || s > 0)
                page(bandSections[band][s].page);
            coefficients(band == 0 ? lowPass : highPass, 0, 5, bandSections[band][s].n0);
        }
    }

    // Sections 5 and 6; left 6 and right 6 straddle a page boundary.
    page(kPageLeft);
    coefficients(section5, 0, 5, 92);
    page(kPageRight);
    coefficients(section5, 0, 5, 100);
    page(kPageLeft);
    coefficients(section6, 0, 4, 112);
    page(kPageRight);
    coefficients(section6, 4, 1, 8);
    page(kPageRight);
    coefficients(section6, 0, 2, 120);
    page(kPageRight2);
    coefficients(section6, 2, 3, 8);

    page(kPageLeft);
    writeRegister(kFilterControl, kFilterUpdateEnd);
    return 0;
}

int AudioCodecSetup::getFilter(quint32* lowCutOffFreq, quint32* highCutOffFreq, int* filterType) const
{
    if (m_filterType == 2) {
        *lowCutOffFreq = m_lpFreq;
        *highCutOffFreq = m_hpFreq;
    } else {
        *lowCutOffFreq = m_hpFreq;
        *highCutOffFreq = m_lpFreq;
    }
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
    for (int i = 0; i < kFilterTableRows; ++i)
        m_lpFilterFrequencies[i] = filterCoeffs_LP[i].frequency;
    *m_numLpFilter = kFilterTableRows;
    return 0;
}

int AudioCodecSetup::getAvailableHpFilterFrequencies(quint32* m_hpFilterFrequencies, int* m_numHpFilter) const
{
    for (int i = 0; i < kFilterTableRows; ++i)
        m_hpFilterFrequencies[i] = filterCoeffs_HP[i].frequency;
    *m_numHpFilter = kFilterTableRows;
    return 0;
}
