// The simulated audio codec as an ALSA control plugin ("ctl_type codecsim").
//
// It offers the codec driver's mixer controls, so the program drives it through the very
// ALSA simple-mixer calls it makes on the instrument. The program opens and closes the
// mixer for every setting, so the values live in "codec-mixer.state" below the simulated
// device tree (the "root" argument): one line per control, name, a tab, the value.
// Every write that reaches the plugin is appended to "codec-mixer.log" in the same form,
// in the order it came. Values are 0/1 for switches, the item number for enumerations
// and the gain in hundredths of a dB for volumes. A fresh tree starts with every switch
// off, every enumeration on item 0 and every gain at its minimum.
//
// "codec-mixer.missing" in the tree lists controls, one a line, that the card does not
// offer; a line "*" makes the card itself absent. Without a root there is no card.
//
// Host only: selected by scripts/alsa/asound-host.conf, never installed.

#include <alsa/asoundlib.h>
#include <alsa/control_external.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

enum class Kind { Switch, Volume, Enumeration };

struct Control
{
    const char* name; // as the simple mixer shows it
    Kind kind;
    long minimum = 0; // volumes: dB scale in hundredths of a dB
    long step = 0;
    long steps = 0; // raw values 0..steps
};

const char* const kEnumItems[] = {"Off", "On"};

const Control kControls[] = {
    {"Mic PGA", Kind::Switch},
    {"ADCFGA Left Mute", Kind::Switch},
    {"ADCFGA Right Mute", Kind::Switch},
    {"LOL Output Mixer L_DAC", Kind::Switch},
    {"LOR Output Mixer R_DAC", Kind::Switch},
    {"LOL Output Mixer MAL", Kind::Switch},
    {"LOR Output Mixer MAR", Kind::Switch},
    {"MAL Power", Kind::Switch},
    {"MAR Power", Kind::Switch},
    {"LO DAC", Kind::Switch},
    {"Loopback ADC ADC>DAC", Kind::Switch},
    {"Left Input Mixer IN1_L P", Kind::Switch},
    {"Right Input Mixer IN1_R P", Kind::Switch},
    {"Left Input Mixer IN2_L P", Kind::Switch},
    {"Right Input Mixer IN2_R P", Kind::Switch},
    {"Left Input Mixer IN3_L P", Kind::Switch},
    {"Right Input Mixer IN3_R P", Kind::Switch},
    {"PGA Level", Kind::Volume, 0, 50, 119},        // 0 .. 59.5 dB
    {"ADC Level", Kind::Volume, -1200, 50, 64},     // -12 .. 20 dB
    {"PCM", Kind::Volume, -6350, 50, 127},          // -63.5 .. 0 dB
    {"LO Driver Gain", Kind::Volume, -600, 100, 35}, // -6 .. 29 dB
    {"Loopback-SecDataIn", Kind::Enumeration},
    {"DAC mode PRB_P3", Kind::Enumeration},
    {"FullChipCM=0,75V LineOutCM=1,65V", Kind::Enumeration},
};

// The control's name on the card: the simple mixer strips the suffix again.
std::string cardName(const Control& c)
{
    switch (c.kind) {
    case Kind::Switch:
        return std::string(c.name) + " Playback Switch";
    case Kind::Volume:
        return std::string(c.name) + " Playback Volume";
    case Kind::Enumeration:
        break;
    }
    return c.name;
}

long defaultValue(const Control& c)
{
    return c.kind == Kind::Volume ? c.minimum : 0;
}

struct Card
{
    snd_ctl_ext_t ext;
    std::string root;
    std::vector<const Control*> offered;
    std::map<std::string, long> values; // by control name, in the units of the trace
};

std::string treeFile(const Card& card, const char* name)
{
    return card.root + "/" + name;
}

std::vector<std::string> lines(const std::string& path)
{
    std::vector<std::string> result;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            result.push_back(line);
    }
    return result;
}

void loadState(Card& card)
{
    for (const Control& c : kControls)
        card.values[c.name] = defaultValue(c);
    for (const std::string& line : lines(treeFile(card, "codec-mixer.state"))) {
        const size_t tab = line.rfind('\t');
        if (tab == std::string::npos)
            continue;
        auto it = card.values.find(line.substr(0, tab));
        if (it != card.values.end())
            it->second = std::strtol(line.c_str() + tab + 1, nullptr, 10);
    }
}

bool saveState(const Card& card)
{
    const std::string path = treeFile(card, "codec-mixer.state");
    const std::string temporary = path + ".new";
    FILE* f = std::fopen(temporary.c_str(), "w");
    if (!f)
        return false;
    for (const Control& c : kControls)
        std::fprintf(f, "%s\t%ld\n", c.name, card.values.at(c.name));
    const bool written = std::fclose(f) == 0;
    return written && std::rename(temporary.c_str(), path.c_str()) == 0;
}

int store(Card& card, const Control& c, long value)
{
    card.values[c.name] = value;
    if (!saveState(card))
        return -EIO;
    if (FILE* f = std::fopen(treeFile(card, "codec-mixer.log").c_str(), "a")) {
        std::fprintf(f, "%s\t%ld\n", c.name, value);
        std::fclose(f);
    }
    return 1;
}

Card* cardOf(snd_ctl_ext_t* ext)
{
    return static_cast<Card*>(ext->private_data);
}

const Control* controlOf(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key)
{
    Card* card = cardOf(ext);
    return key < card->offered.size() ? card->offered[key] : nullptr;
}

void closeCard(snd_ctl_ext_t* ext)
{
    delete cardOf(ext);
}

int elementCount(snd_ctl_ext_t* ext)
{
    return int(cardOf(ext)->offered.size());
}

int elementList(snd_ctl_ext_t* ext, unsigned int offset, snd_ctl_elem_id_t* id)
{
    const Control* c = controlOf(ext, offset);
    if (!c)
        return -EINVAL;
    snd_ctl_elem_id_set_interface(id, SND_CTL_ELEM_IFACE_MIXER);
    snd_ctl_elem_id_set_name(id, cardName(*c).c_str());
    return 0;
}

snd_ctl_ext_key_t findElement(snd_ctl_ext_t* ext, const snd_ctl_elem_id_t* id)
{
    const Card* card = cardOf(ext);
    const char* name = snd_ctl_elem_id_get_name(id);
    for (size_t i = 0; i < card->offered.size(); ++i) {
        if (cardName(*card->offered[i]) == name)
            return i;
    }
    const unsigned int numid = snd_ctl_elem_id_get_numid(id);
    if (numid > 0 && numid <= card->offered.size())
        return numid - 1;
    return SND_CTL_EXT_KEY_NOT_FOUND;
}

int attributes(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, int* type, unsigned int* access, unsigned int* count)
{
    const Control* c = controlOf(ext, key);
    if (!c)
        return -EINVAL;
    *access = SND_CTL_EXT_ACCESS_READWRITE;
    *count = 1;
    switch (c->kind) {
    case Kind::Switch:
        *type = SND_CTL_ELEM_TYPE_BOOLEAN;
        break;
    case Kind::Volume:
        *type = SND_CTL_ELEM_TYPE_INTEGER;
        *access |= SND_CTL_EXT_ACCESS_TLV_READ | SND_CTL_EXT_ACCESS_TLV_CALLBACK;
        break;
    case Kind::Enumeration:
        *type = SND_CTL_ELEM_TYPE_ENUMERATED;
        break;
    }
    return 0;
}

int integerInfo(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* minimum, long* maximum, long* step)
{
    const Control* c = controlOf(ext, key);
    if (!c)
        return -EINVAL;
    *minimum = 0;
    *maximum = c->kind == Kind::Volume ? c->steps : 1;
    *step = 1;
    return 0;
}

int enumeratedInfo(snd_ctl_ext_t*, snd_ctl_ext_key_t, unsigned int* items)
{
    *items = sizeof kEnumItems / sizeof kEnumItems[0];
    return 0;
}

int enumeratedName(snd_ctl_ext_t*, snd_ctl_ext_key_t, unsigned int item, char* name, size_t length)
{
    if (item >= sizeof kEnumItems / sizeof kEnumItems[0])
        return -EINVAL;
    std::snprintf(name, length, "%s", kEnumItems[item]);
    return 0;
}

int readInteger(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* value)
{
    const Control* c = controlOf(ext, key);
    if (!c)
        return -EINVAL;
    const long v = cardOf(ext)->values.at(c->name);
    *value = c->kind == Kind::Volume ? (v - c->minimum) / c->step : v;
    return 0;
}

int writeInteger(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, long* value)
{
    const Control* c = controlOf(ext, key);
    if (!c)
        return -EINVAL;
    const long maximum = c->kind == Kind::Volume ? c->steps : 1;
    if (*value < 0 || *value > maximum)
        return -EINVAL;
    return store(*cardOf(ext), *c, c->kind == Kind::Volume ? c->minimum + *value * c->step : *value);
}

int readEnumerated(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, unsigned int* items)
{
    const Control* c = controlOf(ext, key);
    if (!c)
        return -EINVAL;
    *items = static_cast<unsigned int>(cardOf(ext)->values.at(c->name));
    return 0;
}

int writeEnumerated(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, unsigned int* items)
{
    const Control* c = controlOf(ext, key);
    if (!c)
        return -EINVAL;
    if (*items >= sizeof kEnumItems / sizeof kEnumItems[0])
        return -EINVAL;
    return store(*cardOf(ext), *c, long(*items));
}

int readEvent(snd_ctl_ext_t*, snd_ctl_elem_id_t*, unsigned int*)
{
    return -EAGAIN;
}

int tlv(snd_ctl_ext_t* ext, snd_ctl_ext_key_t key, int operation, unsigned int, unsigned int* data, unsigned int size)
{
    const Control* c = controlOf(ext, key);
    if (!c || c->kind != Kind::Volume || operation != 0)
        return -ENXIO;
    const unsigned int scale[4] = {SND_CTL_TLVT_DB_SCALE, 2 * sizeof(unsigned int),
                                   static_cast<unsigned int>(c->minimum), static_cast<unsigned int>(c->step)};
    if (size < sizeof scale)
        return -ENOMEM;
    std::memcpy(data, scale, sizeof scale);
    return 0;
}

const snd_ctl_ext_callback_t kCallbacks = [] {
    snd_ctl_ext_callback_t cb{};
    cb.close = closeCard;
    cb.elem_count = elementCount;
    cb.elem_list = elementList;
    cb.find_elem = findElement;
    cb.get_attribute = attributes;
    cb.get_integer_info = integerInfo;
    cb.get_enumerated_info = enumeratedInfo;
    cb.get_enumerated_name = enumeratedName;
    cb.read_integer = readInteger;
    cb.write_integer = writeInteger;
    cb.read_enumerated = readEnumerated;
    cb.write_enumerated = writeEnumerated;
    cb.read_event = readEvent;
    return cb;
}();

} // namespace

extern "C" {

SND_CTL_PLUGIN_DEFINE_FUNC(codecsim)
{
    (void)root;
    std::string treeRoot;
    snd_config_iterator_t i, next;
    snd_config_for_each(i, next, conf)
    {
        snd_config_t* entry = snd_config_iterator_entry(i);
        const char* id = nullptr;
        if (snd_config_get_id(entry, &id) < 0)
            continue;
        if (std::strcmp(id, "comment") == 0 || std::strcmp(id, "type") == 0 || std::strcmp(id, "hint") == 0)
            continue;
        if (std::strcmp(id, "root") == 0) {
            const char* value = nullptr;
            if (snd_config_get_string(entry, &value) < 0) {
                SNDERR("codecsim: root must be a string");
                return -EINVAL;
            }
            treeRoot = value;
            continue;
        }
        SNDERR("codecsim: unknown field %s", id);
        return -EINVAL;
    }
    if (treeRoot.empty())
        return -ENODEV;

    Card* card = new Card();
    card->root = treeRoot;
    std::set<std::string> missing;
    for (const std::string& line : lines(treeFile(*card, "codec-mixer.missing")))
        missing.insert(line);
    if (missing.count("*")) {
        delete card;
        return -ENODEV;
    }
    for (const Control& c : kControls) {
        if (!missing.count(c.name))
            card->offered.push_back(&c);
    }
    loadState(*card);

    snd_ctl_ext_t& ext = card->ext;
    ext.version = SND_CTL_EXT_VERSION;
    ext.card_idx = 0;
    std::snprintf(ext.id, sizeof ext.id, "codecsim");
    std::snprintf(ext.driver, sizeof ext.driver, "codecsim");
    std::snprintf(ext.name, sizeof ext.name, "Simulated codec");
    std::snprintf(ext.longname, sizeof ext.longname, "Simulated audio codec of the host");
    std::snprintf(ext.mixername, sizeof ext.mixername, "Simulated codec");
    ext.poll_fd = -1;
    ext.callback = &kCallbacks;
    ext.private_data = card;
    ext.tlv.c = tlv;

    const int err = snd_ctl_ext_create(&ext, name, mode);
    if (err < 0) {
        delete card;
        return err;
    }
    *handlep = ext.handle;
    return 0;
}

SND_CTL_PLUGIN_SYMBOL(codecsim)

} // extern "C"
