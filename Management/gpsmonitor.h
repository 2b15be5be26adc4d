#ifndef GPSMONITOR_H
#define GPSMONITOR_H

#include <QWidget>

// Page with widget number of its own (placeholder until its screen is built).
class GpsMonitor : public QWidget
{
    Q_OBJECT
public:
    explicit GpsMonitor(QWidget* parent = nullptr);
    void init();

signals:
    void gotoWidget(int widget, int dir, int variant);
};

#endif // GPSMONITOR_H
