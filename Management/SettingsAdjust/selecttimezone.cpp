#include "selecttimezone.h"
#include "ui_selecttimezone.h"

#include "Hardware/platform.h"

#include <QDebug>

namespace {

struct Zone {
    const char* textId;
    const char* suffix; // literal, with a decimal comma, never translated
    int offset;         // seconds east of UTC
    int clickFirst;     // inclusive x range on the map
    int clickLast;
};

const Zone kZones[SelectTimezone::kNumTimezones] = {
    {QT_TRANSLATE_NOOP("SelectTimezone", "MidwayIslands"), " (-11 h)", -39600, 0, 16},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Hawaii"), " (-10 h)", -36000, 17, 33},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Alaska"), " (-9 h)", -32400, 34, 50},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Pacific"), " (-8 h)", -28800, 51, 67},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Arizona"), " (-7 h)", -25200, 68, 83},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Chicago"), " (-6 h)", -21600, 84, 99},
    {QT_TRANSLATE_NOOP("SelectTimezone", "NewYork"), " (-5 h)", -18000, 100, 114},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Manaus"), " (-4 h)", -14400, 115, 119},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Newfoundland"), " (-3,5 h)", -12600, 120, 131},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Greenland"), " (-3 h)", -10800, 132, 148},
    {QT_TRANSLATE_NOOP("SelectTimezone", "MiddleAtlantic"), " (-2 h)", -7200, 149, 165},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Azores"), " (-1 h)", -3600, 166, 178},
    {QT_TRANSLATE_NOOP("SelectTimezone", "London"), " (0 h)", 0, 179, 189},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Berlin"), " (+1 h)", 3600, 190, 213},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Cairo"), " (+2 h)", 7200, 214, 230},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Moscow"), " (+3 h)", 10800, 231, 238},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Teheran"), " (+3,5 h)", 12600, 239, 247},
    {QT_TRANSLATE_NOOP("SelectTimezone", "AbuDhabi"), " (+4 h)", 14400, 248, 255},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Kabul"), " (+4,5 h)", 16200, 256, 264},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Islamabad"), " (+5 h)", 18000, 265, 272},
    {QT_TRANSLATE_NOOP("SelectTimezone", "NewDelhi"), " (+5,5 h)", 19800, 273, 276},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Katmandu"), " (+5,75 h)", 20700, 277, 281},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Nowosibirsk"), " (+6 h)", 21600, 282, 289},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Yangon"), " (+6,5 h)", 23400, 290, 295},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Bangkok"), " (+7 h)", 25200, 296, 312},
    {QT_TRANSLATE_NOOP("SelectTimezone", "HongKong"), " (+8 h)", 28800, 313, 329},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Tokio"), " (+9 h)", 32400, 330, 337},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Darwin"), " (+9,5 h)", 34200, 338, 345},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Sydney"), " (+10 h)", 36000, 346, 364},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Magadan"), " (+11 h)", 39600, 365, 381},
    {QT_TRANSLATE_NOOP("SelectTimezone", "Fiji"), " (+12 h)", 43200, 382, 400},
};

// The map's left edge in page coordinates; the selector bar stands at the first x of
// the zone's click range.
const int kMapLeft = 13;
const int kMapTop = 6;
const int kSelectorWidth = 17;
const int kSelectorHeight = 200;
const int kSummerTimeOffset = 3600;
// An unknown zone is shown as London, its marker a little left of London's own.
const int kUnknownZoneSelectorX = 189;


bool validIndex(int index)
{
    return index >= 0 && index < SelectTimezone::kNumTimezones;
}

// The local clock moved by `seconds`, carrying into minutes, hours and the date. The
// clock holds local wall time; the sum is made on a zone-free value so that the host's
// own summer-time rules cannot add or swallow an hour.
QDateTime shiftedClock(const QDateTime& localNow, int seconds)
{
    const QDateTime wall(localNow.date(), localNow.time(), Qt::UTC);
    return wall.addSecs(seconds);
}

} // namespace

SelectTimezone::SelectTimezone(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::SelectTimezone)
    , m_selectedTimezone(kLondon)
    , m_selectedTimezoneInit(kLondon)
    , m_timezoneOffset(0)
    , m_xPosSelector(selectorXPos(kLondon))
    , m_daylightSavingTime(0)
    , m_daylightSavingTimeInit(0)
    , m_daylightSavingTimeOffset(0)
{
    ui->setupUi(this);
    // The marker lies over the map; taps must reach the map underneath.
    ui->timezoneSelector->setAttribute(Qt::WA_TransparentForMouseEvents);
}

SelectTimezone::~SelectTimezone()
{
    delete ui;
}

void SelectTimezone::init(int page, int timezone, int dst)
{
    ui->mainArea->setCurrentWidget(page == 0 ? ui->pageTimezone : ui->pageDaylightSaving);

    m_selectedTimezone = timezone;
    m_selectedTimezoneInit = timezone;
    updateCurrentTimezone();

    m_daylightSavingTime = dst;
    m_daylightSavingTimeInit = dst;
    ui->butSummertime->setText(ui->butSummertime->text() + QStringLiteral(" (+1 h)"));
    ui->butWintertime->setText(ui->butWintertime->text() + QStringLiteral(" (+0 h)"));
    m_daylightSavingTimeOffset = dst == 1 ? kSummerTimeOffset : 0;
    updateStylesheetDst();
    // The keys start on the current choice, so the focus box and the switch agree.
    if (page != 0)
        (m_daylightSavingTime == 1 ? ui->butSummertime : ui->butWintertime)->setFocus();
}

QString SelectTimezone::getTimezoneName() const
{
    return m_timezoneName;
}

int SelectTimezone::getSelectedTimezone() const
{
    return m_selectedTimezone;
}

int SelectTimezone::getTimezoneOffset() const
{
    return m_timezoneOffset;
}

int SelectTimezone::getDaylightSavingTime() const
{
    return m_daylightSavingTime;
}

int SelectTimezone::getDaylightSavingTimeOffset() const
{
    return m_daylightSavingTimeOffset;
}

int SelectTimezone::getTimezoneOffset(int index)
{
    return validIndex(index) ? kZones[index].offset : 0;
}

int SelectTimezone::timezoneFromMapX(int x)
{
    for (int i = 0; i < kNumTimezones; ++i) {
        if (x >= kZones[i].clickFirst && x <= kZones[i].clickLast)
            return i;
    }
    return kLondon;
}

int SelectTimezone::selectorXPos(int index)
{
    if (!validIndex(index))
        return kUnknownZoneSelectorX;
    return kMapLeft + kZones[index].clickFirst;
}

QDateTime SelectTimezone::currentLocalDateTime() const
{
    return Platform::currentDateTime();
}

void SelectTimezone::updateCurrentTimezone()
{
    if (validIndex(m_selectedTimezone)) {
        const Zone& zone = kZones[m_selectedTimezone];
        m_xPosSelector = selectorXPos(m_selectedTimezone);
        m_timezoneName = tr(zone.textId) + QLatin1String(zone.suffix);
        m_timezoneOffset = zone.offset;
    } else {
        m_xPosSelector = selectorXPos(-1);
        m_timezoneName = tr("London") + QStringLiteral(" (0 h)");
        m_timezoneOffset = 0;
    }
    ui->timezoneSelector->setGeometry(m_xPosSelector, kMapTop, kSelectorWidth, kSelectorHeight);
    ui->editTimezone->setText(m_timezoneName);
}

void SelectTimezone::updateStylesheetDst()
{
    setRadioSwitch(ui->butSwitchDst, m_daylightSavingTime == 1 ? QStringLiteral("Radioswitch_top_2x40px.png")
                                                               : QStringLiteral("Radioswitch_bottom_2x40px.png"));
}

void SelectTimezone::on_butNext_clicked()
{
    ++m_selectedTimezone;
    if (m_selectedTimezone > kNumTimezones - 1)
        m_selectedTimezone = 0;
    updateCurrentTimezone();
}

void SelectTimezone::on_butPrev_clicked()
{
    --m_selectedTimezone;
    if (m_selectedTimezone < 0)
        m_selectedTimezone = kNumTimezones - 1;
    updateCurrentTimezone();
}

void SelectTimezone::on_mapButton_mouseReleased(QPointF pos)
{
    Q_UNUSED(pos)
    on_mapbutton_clicked();
}

void SelectTimezone::on_mapbutton_clicked()
{
    selectTimezoneFromClickPoint(ui->mapButton->getReleasePos());
}

void SelectTimezone::selectTimezoneFromClickPoint(QPointF pos)
{
    // Truncation toward zero: a release at -0.5 counts as x 0, inside the map.
    m_selectedTimezone = timezoneFromMapX(static_cast<int>(pos.x()));
    updateCurrentTimezone();
}

void SelectTimezone::on_butSummertime_clicked()
{
    m_daylightSavingTime = 1;
    m_daylightSavingTimeOffset = kSummerTimeOffset;
    updateStylesheetDst();
}

void SelectTimezone::on_butWintertime_clicked()
{
    m_daylightSavingTime = 0;
    m_daylightSavingTimeOffset = 0;
    updateStylesheetDst();
}

void SelectTimezone::on_butSwitchDst_clicked()
{
    if (m_daylightSavingTime == 1)
        on_butWintertime_clicked();
    else
        on_butSummertime_clicked();
}

bool SelectTimezone::isChanged() const
{
    return m_selectedTimezone != m_selectedTimezoneInit || m_daylightSavingTime != m_daylightSavingTimeInit;
}

int SelectTimezone::clockShift() const
{
    const int zoneChange = m_timezoneOffset - getTimezoneOffset(m_selectedTimezoneInit);
    const int summerChange =
        m_daylightSavingTimeOffset - (m_daylightSavingTimeInit == 1 ? kSummerTimeOffset : 0);
    return zoneChange + summerChange;
}

void SelectTimezone::undoClockShift()
{
    if (isChanged())
        shiftSystemClock(-clockShift());
}

void SelectTimezone::shiftSystemClock(int seconds)
{
    const QDateTime now = currentLocalDateTime();
    const QDateTime shifted = shiftedClock(now, seconds);
    qDebug() << "Timezone change" << m_selectedTimezoneInit << "->" << m_selectedTimezone
             << "DST" << m_daylightSavingTimeInit << "->" << m_daylightSavingTime << "shift s" << seconds;

    const QDate date = shifted.date();
    const QTime time = shifted.time();
    Platform::setSystemClock(date, time);
    // Without this the hardware clock would bring the old zone's time back at the next start.
    Platform::runCommand(QStringLiteral("hwclock -w -f /dev/rtc0"));
}

void SelectTimezone::on_butAccept_clicked()
{
    if (isChanged())
        shiftSystemClock(clockShift());
    accept();
}

void SelectTimezone::on_butClose_clicked()
{
    reject();
}
