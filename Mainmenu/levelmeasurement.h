#ifndef LEVELMEASUREMENT_H
#define LEVELMEASUREMENT_H

#include <QWidget>

// Measuring page (placeholder until its screen is built): opens live or with a stored
// measurement with the codec set up, the current filter applied and the recording
// started, takes the sensor unit's mute key while it shows, opens the filter dialog from
// its filter button, and leaves with the recording stopped and exit().
class Levelmeasurement : public QWidget
{
    Q_OBJECT
public:
    explicit Levelmeasurement(QWidget* parent = nullptr);
    void init(int variant);

public slots:
    void switchActiveMute(bool mute);
    void muteAudioPath(bool a_mute, bool a_sendToMic);

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);
};

#endif // LEVELMEASUREMENT_H
