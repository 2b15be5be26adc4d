#ifndef TIMERH2HEATING_H
#define TIMERH2HEATING_H

#include <QImage>
#include <QLabel>
#include <QPoint>

// The heating dial of the H2 page: how long the sensor unit's hydrogen sensor has been
// heated. A face filled red, yellow or green by the time reached, a hand that turns once
// in getMaxTime() seconds, three fixed coloured arcs and, under the face, a strip with the
// H2 working range (0..1000 range units over the drawing width): reference to the right
// end in green, black marks at the reference and at the end of the range, a red mark at
// the level. It has no timer: it shows what the page last set.
class TimerH2Heating : public QLabel
{
    Q_OBJECT
public:
    explicit TimerH2Heating(QWidget* parent = nullptr);

    // Takes the widget's geometry as it is now: call it once the geometry is final.
    void init();

    // Kept within 0..getMaxTime(); schedules a repaint.
    void setCurrentTime(int t);
    int currentTime() const { return m_currentTime; }
    // A turn takes at least one second.
    void setMaxTime(int maxTime);
    int getMaxTime() const { return m_maxTime; }
    void setThreshold(int red, int yellow, int green);
    float time2Angle(int t) const;

    // Stored for the next repaint; no repaint of their own.
    void setRangeVisualisation(int reference, int level, int range);
    void showRangeVisualisation();
    void hideRangeVisualisation();
    bool isRangeVisualisationShown() const { return m_showRangeVisualisation; }

    QPoint center() const { return m_center; }

public slots:
    // Steps the hand on by 30 s, wrapping at 900 s.
    void updatePos();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    enum Face { Red, Yellow, Green, FaceCount };
    Face faceAt(int t) const;
    const QImage& faceLayer(Face face);
    const QImage& rimLayer();

    int m_maxTime = 900;
    int m_currentTime = 0;
    int m_startRedArea = 0;
    int m_startYellowArea = 300;
    int m_startGreenArea = 600;
    int m_xSize = 0;
    int m_ySize = 0;
    QPoint m_center;
    int m_h2Reference = 0;
    int m_h2Level = 0;
    int m_h2Range = 1000;
    bool m_showRangeVisualisation = true;

    // The face and the rim with its arcs never change; only the hand and the strip do.
    // They are drawn once, at the device pixel ratio they were made for.
    QImage m_faceLayers[FaceCount];
    QImage m_rimLayer;
};

#endif // TIMERH2HEATING_H
