#include "Management/SettingsAdjust/selectswitchmode.h"
#include "ui_selectswitchmode.h"

namespace {
const char* const kSwitch = "Switch";
const char* const kPushButton = "Push-Button";
}

SelectSwitchmode::SelectSwitchmode(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::SelectSwitchmode)
{
    ui->setupUi(this);
    initFrame();
}

SelectSwitchmode::~SelectSwitchmode()
{
    delete ui;
}

void SelectSwitchmode::init(QString mode)
{
    m_switchmode = mode;
    updateStylesheetSwitchmode();
    // The keys start on the current choice, so the focus box and the switch agree.
    (m_switchmode == QLatin1String(kSwitch) ? ui->butSwitch : ui->butPushButton)->setFocus();
}

void SelectSwitchmode::on_butSwitch_clicked()
{
    m_switchmode = QLatin1String(kSwitch);
    updateStylesheetSwitchmode();
}

void SelectSwitchmode::on_butPushButton_clicked()
{
    m_switchmode = QLatin1String(kPushButton);
    updateStylesheetSwitchmode();
}

void SelectSwitchmode::on_butSwitchSelect_clicked()
{
    m_switchmode = QLatin1String(m_switchmode == QLatin1String(kSwitch) ? kPushButton : kSwitch);
    updateStylesheetSwitchmode();
}

void SelectSwitchmode::updateStylesheetSwitchmode()
{
    // Only the exact text is the switch mode; the rest of the device reads it the same way.
    setRadioSwitch(ui->butSwitchSelect, m_switchmode == QLatin1String(kSwitch)
                                            ? QStringLiteral("Radioswitch_top_2x40px.png")
                                            : QStringLiteral("Radioswitch_bottom_2x40px.png"));
}
