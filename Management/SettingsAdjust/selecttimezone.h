#ifndef SELECTTIMEZONE_H
#define SELECTTIMEZONE_H

#include "Management/SettingsAdjust/settingsdialog.h"

#include <QDateTime>
#include <QPointF>
#include <QString>

namespace Ui {
class SelectTimezone;
}


// Picks one of the fixed time zones (arrows or a tap on the world map) and the summer-time
// flag. When either changed, Accept moves the system clock (kept in local time) by the
// difference so the shown wall-clock time follows the new zone.
class SelectTimezone : public SettingsDialog
{
    Q_OBJECT

public:
    explicit SelectTimezone(QWidget* parent = nullptr);
    ~SelectTimezone() override;

    static const int kNumTimezones = 31;
    static const int kLondon = 12;

    // page 0: zone map, any other value: summer/winter time.
    void init(int page, int timezone, int dst);

    QString getTimezoneName() const;
    int getSelectedTimezone() const;
    int getTimezoneOffset() const;
    int getDaylightSavingTime() const;
    int getDaylightSavingTimeOffset() const;
    // After an accepted change that could not be stored: the clock goes back by what the
    // accept moved it.
    void undoClockShift();

    // Table offset in seconds east of UTC; 0 for an index outside the table.
    static int getTimezoneOffset(int index);
    // Zone index for an x position on the map; London when x hits no zone.
    static int timezoneFromMapX(int x);
    // Selector bar position (page coordinates) of a zone; London's bar for an unknown index.
    static int selectorXPos(int index);

private slots:
    void on_butNext_clicked();
    void on_butPrev_clicked();
    void on_mapButton_mouseReleased(QPointF pos);
    void on_butSummertime_clicked();
    void on_butWintertime_clicked();
    void on_butSwitchDst_clicked();
    void on_butAccept_clicked();
    void on_butClose_clicked();

protected:
    // The system clock (local time); tests substitute a fixed one.
    virtual QDateTime currentLocalDateTime() const;

private:
    void on_mapbutton_clicked();
    void selectTimezoneFromClickPoint(QPointF pos);
    void updateCurrentTimezone();
    void updateStylesheetDst();
    bool isChanged() const;
    // What accepting the change moves the clock by, in seconds.
    int clockShift() const;
    void shiftSystemClock(int seconds);

    Ui::SelectTimezone* ui;
    int m_selectedTimezone;
    int m_selectedTimezoneInit;
    int m_timezoneOffset;
    QString m_timezoneName;
    int m_xPosSelector;
    int m_daylightSavingTime;
    int m_daylightSavingTimeInit;
    int m_daylightSavingTimeOffset;
};

#endif // SELECTTIMEZONE_H
