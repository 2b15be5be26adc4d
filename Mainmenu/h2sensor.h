#ifndef H2SENSOR_H
#define H2SENSOR_H

#include <QWidget>

// Measuring page (placeholder until its screen is built): opens live or with a stored
// measurement, takes the sensor unit's mute key while it shows, and leaves with exit().
class H2Sensor : public QWidget
{
    Q_OBJECT
public:
    explicit H2Sensor(QWidget* parent = nullptr);
    void init(int variant);

public slots:
    void switchActiveMute(bool mute);
    void muteAudioPath(bool a_mute, bool a_sendToMic);

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);
};

#endif // H2SENSOR_H
