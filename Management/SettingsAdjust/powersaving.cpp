#include "Management/SettingsAdjust/powersaving.h"
#include "ui_powersaving.h"

// The six values of one group, top to bottom, and the value used for anything else.
struct PowerSaving::Choices
{
    int seconds[6];
    const char* texts[6]; // the last one, "never", goes through the catalogue
    int fallBack;
};

namespace {
const int kNever = 0;
// Older settings files may hold -1 for "never".
const int kOldNever = -1;
}

const PowerSaving::Choices& PowerSaving::powerChoices()
{
    static const Choices choices = {{600, 1800, 3600, 7200, 10800, kNever},
                                    {"10 min", "30 min", "1 h", "2 h", "3 h", "never"},
                                    3600};
    return choices;
}

const PowerSaving::Choices& PowerSaving::backlightChoices()
{
    static const Choices choices = {{30, 60, 300, 600, 1800, kNever},
                                    {"30 s", "1 min", "5 min", "10 min", "30 min", "never"},
                                    600};
    return choices;
}

PowerSaving::PowerSaving(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::PowerSaving)
{
    ui->setupUi(this);
    initFrame();
}

PowerSaving::~PowerSaving()
{
    delete ui;
}

// Value as the dialog keeps it: one of the six, "never" always as 0.
int PowerSaving::normalised(const Choices& choices, int seconds)
{
    if (seconds == kOldNever)
        return kNever;
    for (int s : choices.seconds) {
        if (s == seconds)
            return seconds;
    }
    return choices.fallBack;
}

int PowerSaving::position(const Choices& choices, int seconds)
{
    const int value = normalised(choices, seconds);
    for (int i = 0; i < 6; ++i) {
        if (choices.seconds[i] == value)
            return i + 1;
    }
    return 1;
}

QString PowerSaving::text(const Choices& choices, int seconds)
{
    const int p = position(choices, seconds);
    if (p == 6)
        return tr("never");
    return QString::fromLatin1(choices.texts[p - 1]);
}

// One position down, "never" wrapping to the top.
int PowerSaving::next(const Choices& choices, int seconds)
{
    return choices.seconds[position(choices, seconds) % 6];
}

void PowerSaving::init(int powerOffTime, int backlightOffTime)
{
    setPower(powerOffTime);
    setBacklight(backlightOffTime);
    // The keys start on the current choice, so the focus box and the switch agree.
    if (auto* current = findChild<QPushButton*>(QStringLiteral("butPow_%1").arg(position(powerChoices(), m_powerOffTime))))
        current->setFocus();
}

int PowerSaving::getPowerOffTime(QString* text)
{
    m_powerOffTime = normalised(powerChoices(), m_powerOffTime);
    if (text)
        *text = PowerSaving::text(powerChoices(), m_powerOffTime);
    return m_powerOffTime;
}

int PowerSaving::getBacklightOffTime(QString* text)
{
    m_backlightOffTime = normalised(backlightChoices(), m_backlightOffTime);
    if (text)
        *text = PowerSaving::text(backlightChoices(), m_backlightOffTime);
    return m_backlightOffTime;
}

void PowerSaving::setPower(int seconds)
{
    // "never" in the old form would be stored back as -1 and shown as "---".
    m_powerOffTime = normalised(powerChoices(), seconds);
    updateStylesheetPower();
}

void PowerSaving::setBacklight(int seconds)
{
    m_backlightOffTime = normalised(backlightChoices(), seconds);
    updateStylesheetBacklight();
}

void PowerSaving::on_butPow_1_clicked() { setPower(powerChoices().seconds[0]); }
void PowerSaving::on_butPow_2_clicked() { setPower(powerChoices().seconds[1]); }
void PowerSaving::on_butPow_3_clicked() { setPower(powerChoices().seconds[2]); }
void PowerSaving::on_butPow_4_clicked() { setPower(powerChoices().seconds[3]); }
void PowerSaving::on_butPow_5_clicked() { setPower(powerChoices().seconds[4]); }
void PowerSaving::on_butPow_6_clicked() { setPower(powerChoices().seconds[5]); }
void PowerSaving::on_butBl_1_clicked() { setBacklight(backlightChoices().seconds[0]); }
void PowerSaving::on_butBl_2_clicked() { setBacklight(backlightChoices().seconds[1]); }
void PowerSaving::on_butBl_3_clicked() { setBacklight(backlightChoices().seconds[2]); }
void PowerSaving::on_butBl_4_clicked() { setBacklight(backlightChoices().seconds[3]); }
void PowerSaving::on_butBl_5_clicked() { setBacklight(backlightChoices().seconds[4]); }
void PowerSaving::on_butBl_6_clicked() { setBacklight(backlightChoices().seconds[5]); }

void PowerSaving::on_butSwitchPower_clicked()
{
    setPower(next(powerChoices(), m_powerOffTime));
}

void PowerSaving::on_butSwitchBacklight_clicked()
{
    setBacklight(next(backlightChoices(), m_backlightOffTime));
}

void PowerSaving::updateStylesheetPower()
{
    m_powerOffTime = normalised(powerChoices(), m_powerOffTime);
    setRadioSwitch(ui->butSwitchPower,
                   QStringLiteral("Radioswitch_pos%1_6x38px.png").arg(position(powerChoices(), m_powerOffTime)));
}

void PowerSaving::updateStylesheetBacklight()
{
    m_backlightOffTime = normalised(backlightChoices(), m_backlightOffTime);
    setRadioSwitch(ui->butSwitchBacklight, QStringLiteral("Radioswitch_pos%1_6x38px.png")
                                               .arg(position(backlightChoices(), m_backlightOffTime)));
}
