#ifndef GPSMONITOR_H
#define GPSMONITOR_H

#include <QDialog>
#include <QString>

namespace Ui {
class GpsMonitor;
}
class Gps;
class QKeyEvent;
class QTimer;

// The GPS monitor (widget number 10): position with GPS time and date and a reception
// bar, the distance from a reference position, satellites, course, speed and height,
// and with the debug features the raw NMEA sentences, whose page can set the clock from
// the GPS time. Made once by the main window; it updates every 1500 ms from then on,
// shown or not, and only reads the main window's Gps. The icons of its buttons are rules
// of one style sheet on the dialog: a sheet of its own on each of the 18 buttons cost
// several milliseconds of start-up.
class GpsMonitor : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kUpdateIntervalMs = 1500;
    // The log takes one paragraph per update; the oldest go first, so that it does not
    // grow for as long as the instrument runs (300 are 7.5 minutes).
    static constexpr int kMaxLogParagraphs = 300;

    explicit GpsMonitor(QWidget* parent = nullptr);
    ~GpsMonitor() override;

    // Called each time the screen is shown.
    void init();

    // One coordinate as text: format 0 signed decimal degrees, 1 degrees, minutes and
    // seconds, 2 degrees and decimal minutes, any other an empty text. a_latLong 0 is a
    // latitude, any other value a longitude.
    static QString convertGpsFormat(double a_decPosition, int a_latLong, int a_format);
    // Metres between two positions, flat-earth approximation.
    static double calculateGpsDistance(double a_refLatitude, double a_refLongitude, double a_curLatitude,
                                       double a_curLongitude);

public slots:
    void updateGpsData();

signals:
    void gotoWidget(int widget, int dir, int variant);

private slots:
    void on_butMenuBack_clicked();
    void on_butMenuBackDist_clicked();
    void on_butMenuBackSatInfo_clicked();
    void on_butMenuBackNmea_clicked();
    void on_butMenuDistance_clicked();
    void on_butMenuDistanceSatInfo_clicked();
    void on_butMenuSatInfo_clicked();
    void on_butMenuSatInfoDist_clicked();
    void on_butMenuPosition_clicked();
    void on_butMenuPositionSatInfo_clicked();
    void on_butMenuPositionNmea_clicked();
    void on_butMenuNmea_clicked();
    void on_butMenuFormat_clicked();
    void on_butMenuFormatDist_clicked();
    void on_butMenuSetReference_clicked();
    void on_butMenuStart_clicked();
    void on_butMenuStop_clicked();
    void on_butMenuDelete_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void showPosition();
    void showDistance();
    void showSatInfo();
    void nextFormat();

    Ui::GpsMonitor* ui;
    Gps* gpsModul = nullptr;
    QTimer* m_timer = nullptr;
    int m_gpsFormat = 0;
    double m_refLatitude = 0.0;
    double m_refLongitude = 0.0;
    bool m_gpsDataValid = false;
};

#endif // GPSMONITOR_H
