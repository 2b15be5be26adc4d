#ifndef DATETIMEADJUST_H
#define DATETIMEADJUST_H

#include "Management/SettingsAdjust/settingsdialog.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace Ui {
class DateTimeAdjust;
}

// Sets the system date or time by up/down buttons, picks the display date format and the
// clock source (GPS or manual). The clock itself is written here at Accept; the caller
// stores format and source.
class DateTimeAdjust : public SettingsDialog
{
    Q_OBJECT

public:
    explicit DateTimeAdjust(QWidget* parent = nullptr);
    ~DateTimeAdjust() override;

    enum DateFormat { FormatDDMMYYYY = 0, FormatYYYYMMDD = 1, FormatMMDDYYYY = 2 };
    enum Source { SourceGps = 0, SourceManual = 1 };

    static const int kMinYear = 2016;
    static const int kMaxYear = 2050;
    // A clock that has never been set (before 2000) opens the dialog on this year.
    static const int kUnsetClockYear = 2018;

    // page 0: date page, any other value: time page.
    void init(int page, int dateFormat, int source);

    int getDateFormat() const;
    int getDateTimeSource() const;

    void enableDateWidgets(bool enable);
    void enableTimeWidgets(bool enable);

private slots:
    void on_butDayUp_clicked();
    void on_butDayDown_clicked();
    void on_butMonthUp_clicked();
    void on_butMonthDown_clicked();
    void on_butYearUp_clicked();
    void on_butYearDown_clicked();
    void on_butHourUp_clicked();
    void on_butHourDown_clicked();
    void on_butMinuteUp_clicked();
    void on_butMinuteDown_clicked();
    void on_butSecondUp_clicked();
    void on_butSecondDown_clicked();
    void on_butFormat_DDMMYYYY_clicked();
    void on_butFormat_YYYYMMDD_clicked();
    void on_butFormat_MMDDYYYY_clicked();
    void on_butSwitchFormat_clicked();
    void on_butGps_clicked();
    void on_butGpsTime_clicked();
    void on_butManual_clicked();
    void on_butManualTime_clicked();
    void on_butSwitchGpsMan_clicked();
    void on_butSwitchGpsManTime_clicked();
    void on_butAccept_clicked();
    void on_butClose_clicked();

protected:
    // The system clock (local time); tests substitute a fixed one.
    virtual QDateTime currentLocalDateTime() const;

private:
    void setSource(int source);
    void updateStylesheetFormat();
    void updateStylesheetSource();
    void showFields();
    void setClock(const QDate& date, const QTime& time);
    void warnInvalidDate();

    Ui::DateTimeAdjust* ui;
    QDateTime m_systemTime;
    int m_dateDay;
    int m_dateMonth;
    int m_dateYear;
    QDate m_date;
    int m_timeHour;
    int m_timeMinute;
    int m_timeSecond;
    QTime m_time;
    int m_dateTimeSource;
    int m_dateFormat;
};

#endif // DATETIMEADJUST_H
