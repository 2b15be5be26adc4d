#include "datetimeadjust.h"
#include "ui_datetimeadjust.h"

#include "Hardware/platform.h"
#include "Tools/messagedialog.h"

#include <QDebug>
#include <QLineEdit>

namespace {

// Up past the top gives the bottom, down past the bottom gives the top. The test is on
// the new value only, so a value taken over from the clock outside the range (a year
// such as 2010) moves freely towards the range.
int stepUp(int value, int low, int high)
{
    ++value;
    return value > high ? low : value;
}

int stepDown(int value, int low, int high)
{
    --value;
    return value < low ? high : value;
}

void showNumber(QLineEdit* edit, int value)
{
    edit->setText(QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')));
}

} // namespace

DateTimeAdjust::DateTimeAdjust(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::DateTimeAdjust)
    , m_dateDay(1)
    , m_dateMonth(7)
    , m_dateYear(kUnsetClockYear)
    , m_timeHour(10)
    , m_timeMinute(0)
    , m_timeSecond(0)
    , m_dateTimeSource(SourceGps)
    , m_dateFormat(FormatDDMMYYYY)
{
    ui->setupUi(this);
}

DateTimeAdjust::~DateTimeAdjust()
{
    delete ui;
}

QDateTime DateTimeAdjust::currentLocalDateTime() const
{
    return Platform::currentDateTime();
}

void DateTimeAdjust::init(int page, int dateFormat, int source)
{
    m_dateFormat = dateFormat;
    updateStylesheetFormat();
    m_dateTimeSource = source;
    updateStylesheetSource();

    m_systemTime = currentLocalDateTime();
    m_date = m_systemTime.date();
    m_time = m_systemTime.time();
    m_dateDay = m_date.day();
    m_dateMonth = m_date.month();
    m_dateYear = m_date.year() >= 2000 ? m_date.year() : kUnsetClockYear;
    m_timeHour = m_time.hour();
    m_timeMinute = m_time.minute();
    m_timeSecond = m_time.second();
    showFields();

    const bool manual = source != SourceGps;
    enableDateWidgets(manual);
    enableTimeWidgets(manual);
    ui->mainArea->setCurrentWidget(page != 0 ? ui->pageTime : ui->pageDate);
}

int DateTimeAdjust::getDateFormat() const
{
    return m_dateFormat;
}

int DateTimeAdjust::getDateTimeSource() const
{
    return m_dateTimeSource;
}

void DateTimeAdjust::enableDateWidgets(bool enable)
{
    for (QPushButton* button : {ui->butDayUp, ui->butDayDown, ui->butMonthUp, ui->butMonthDown,
                                ui->butYearUp, ui->butYearDown})
        button->setEnabled(enable);
}

void DateTimeAdjust::enableTimeWidgets(bool enable)
{
    for (QPushButton* button : {ui->butHourUp, ui->butHourDown, ui->butMinuteUp, ui->butMinuteDown,
                                ui->butSecondUp, ui->butSecondDown})
        button->setEnabled(enable);
}

void DateTimeAdjust::showFields()
{
    showNumber(ui->editDay, m_dateDay);
    showNumber(ui->editMonth, m_dateMonth);
    showNumber(ui->editYear, m_dateYear);
    showNumber(ui->editHour, m_timeHour);
    showNumber(ui->editMinute, m_timeMinute);
    showNumber(ui->editSecond, m_timeSecond);
}

void DateTimeAdjust::on_butDayUp_clicked()
{
    m_dateDay = stepUp(m_dateDay, 1, 31);
    showNumber(ui->editDay, m_dateDay);
}

void DateTimeAdjust::on_butDayDown_clicked()
{
    m_dateDay = stepDown(m_dateDay, 1, 31);
    showNumber(ui->editDay, m_dateDay);
}

void DateTimeAdjust::on_butMonthUp_clicked()
{
    m_dateMonth = stepUp(m_dateMonth, 1, 12);
    showNumber(ui->editMonth, m_dateMonth);
}

void DateTimeAdjust::on_butMonthDown_clicked()
{
    m_dateMonth = stepDown(m_dateMonth, 1, 12);
    showNumber(ui->editMonth, m_dateMonth);
}

void DateTimeAdjust::on_butYearUp_clicked()
{
    m_dateYear = stepUp(m_dateYear, kMinYear, kMaxYear);
    showNumber(ui->editYear, m_dateYear);
}

void DateTimeAdjust::on_butYearDown_clicked()
{
    m_dateYear = stepDown(m_dateYear, kMinYear, kMaxYear);
    showNumber(ui->editYear, m_dateYear);
}

void DateTimeAdjust::on_butHourUp_clicked()
{
    m_timeHour = stepUp(m_timeHour, 0, 23);
    showNumber(ui->editHour, m_timeHour);
}

void DateTimeAdjust::on_butHourDown_clicked()
{
    m_timeHour = stepDown(m_timeHour, 0, 23);
    showNumber(ui->editHour, m_timeHour);
}

void DateTimeAdjust::on_butMinuteUp_clicked()
{
    m_timeMinute = stepUp(m_timeMinute, 0, 59);
    showNumber(ui->editMinute, m_timeMinute);
}

void DateTimeAdjust::on_butMinuteDown_clicked()
{
    m_timeMinute = stepDown(m_timeMinute, 0, 59);
    showNumber(ui->editMinute, m_timeMinute);
}

void DateTimeAdjust::on_butSecondUp_clicked()
{
    m_timeSecond = stepUp(m_timeSecond, 0, 59);
    showNumber(ui->editSecond, m_timeSecond);
}

void DateTimeAdjust::on_butSecondDown_clicked()
{
    m_timeSecond = stepDown(m_timeSecond, 0, 59);
    showNumber(ui->editSecond, m_timeSecond);
}

void DateTimeAdjust::updateStylesheetFormat()
{
    const char* image = nullptr;
    switch (m_dateFormat) {
    case FormatDDMMYYYY:
        image = "Radioswitch_top_3x40px.png";
        break;
    case FormatYYYYMMDD:
        image = "Radioswitch_middle_3x40px.png";
        break;
    case FormatMMDDYYYY:
        image = "Radioswitch_bottom_3x40px.png";
        break;
    default:
        return;
    }
    setRadioSwitch(ui->butSwitchFormat, QLatin1String(image));
}

void DateTimeAdjust::updateStylesheetSource()
{
    const QString image = m_dateTimeSource == SourceGps ? QStringLiteral("Radioswitch_top_2x40px.png")
                                                        : QStringLiteral("Radioswitch_bottom_2x40px.png");
    setRadioSwitch(ui->butSwitchGpsMan, image);
    setRadioSwitch(ui->butSwitchGpsManTime, image);
}

void DateTimeAdjust::on_butFormat_DDMMYYYY_clicked()
{
    m_dateFormat = FormatDDMMYYYY;
    updateStylesheetFormat();
}

void DateTimeAdjust::on_butFormat_YYYYMMDD_clicked()
{
    m_dateFormat = FormatYYYYMMDD;
    updateStylesheetFormat();
}

void DateTimeAdjust::on_butFormat_MMDDYYYY_clicked()
{
    m_dateFormat = FormatMMDDYYYY;
    updateStylesheetFormat();
}

void DateTimeAdjust::on_butSwitchFormat_clicked()
{
    if (m_dateFormat == FormatDDMMYYYY)
        m_dateFormat = FormatYYYYMMDD;
    else if (m_dateFormat == FormatYYYYMMDD)
        m_dateFormat = FormatMMDDYYYY;
    else
        m_dateFormat = FormatDDMMYYYY;
    updateStylesheetFormat();
}

void DateTimeAdjust::setSource(int source)
{
    m_dateTimeSource = source;
    updateStylesheetSource();
    const bool manual = source != SourceGps;
    enableDateWidgets(manual);
    enableTimeWidgets(manual);
}

void DateTimeAdjust::on_butGps_clicked()
{
    setSource(SourceGps);
}

void DateTimeAdjust::on_butGpsTime_clicked()
{
    setSource(SourceGps);
}

void DateTimeAdjust::on_butManual_clicked()
{
    setSource(SourceManual);
}

void DateTimeAdjust::on_butManualTime_clicked()
{
    setSource(SourceManual);
}

void DateTimeAdjust::on_butSwitchGpsMan_clicked()
{
    setSource(m_dateTimeSource == SourceGps ? SourceManual : SourceGps);
}

void DateTimeAdjust::on_butSwitchGpsManTime_clicked()
{
    setSource(m_dateTimeSource == SourceGps ? SourceManual : SourceGps);
}

void DateTimeAdjust::setClock(const QDate& date, const QTime& time)
{
    // The date first ("date -s" with a date alone also sets midnight), then the time,
    // then the hardware clock so the setting survives a restart.
    Platform::setSystemClock(date, time);
    Platform::runCommand(QStringLiteral("hwclock -w -f /dev/rtc0"));
}

void DateTimeAdjust::warnInvalidDate()
{
    QString shown;
    const QString day = QStringLiteral("%1").arg(m_dateDay, 2, 10, QLatin1Char('0'));
    const QString month = QStringLiteral("%1").arg(m_dateMonth, 2, 10, QLatin1Char('0'));
    const QString year = QString::number(m_dateYear);
    if (m_dateFormat == FormatYYYYMMDD)
        shown = year + QLatin1Char('-') + month + QLatin1Char('-') + day;
    else if (m_dateFormat == FormatMMDDYYYY)
        shown = month + QLatin1Char('/') + day + QLatin1Char('/') + year;
    else
        shown = day + QLatin1Char('.') + month + QLatin1Char('.') + year;

    MessageDialog message(this);
    message.setDialogType(MessageDialog::TypeOk);
    message.setIcon(MessageDialog::IconWarning);
    message.setHeadline(tr("InvalidDate"));
    message.setInfotext(shown + QLatin1Char('\n') + tr("DateDoesNotExist"));
    message.exec();
}

void DateTimeAdjust::on_butAccept_clicked()
{
    // With the GPS source the receiver sets the clock at its next fix; writing the
    // values read at opening would only turn the clock back.
    if (m_dateTimeSource == SourceGps) {
        qDebug() << "Clock source GPS: clock left to the receiver";
        accept();
        return;
    }

    // The half of the clock that was not edited is taken now, not from the opening of
    // the dialog, so the time the dialog stood open is not lost.
    const QDateTime now = currentLocalDateTime();
    if (ui->mainArea->currentWidget() == ui->pageDate) {
        const bool valid = m_date.setDate(m_dateYear, m_dateMonth, m_dateDay);
        qDebug() << "SetDate:" << valid << m_dateYear << m_dateMonth << m_dateDay;
        if (!valid) {
            // Stay open so the user can correct the day.
            warnInvalidDate();
            return;
        }
        m_time = now.time();
        setClock(m_date, m_time);
    } else {
        const bool valid = m_time.setHMS(m_timeHour, m_timeMinute, m_timeSecond, 0);
        qDebug() << "SetTime:" << valid << m_timeHour << m_timeMinute << m_timeSecond;
        if (valid) {
            m_date = now.date();
            setClock(m_date, m_time);
        }
    }
    accept();
}

void DateTimeAdjust::on_butClose_clicked()
{
    reject();
}
