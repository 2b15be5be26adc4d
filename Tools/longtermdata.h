#ifndef LONGTERMDATA_H
#define LONGTERMDATA_H

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QVector>
#include <QWidget>

// Line graph of one series of values with an X scale, a Y scale and optional grid lines
// (long-term level, H2 history, pressure diagram). It keeps no data: the caller hands it
// the values on every draw. The picture lives in `image`; the background, scales and
// grids are kept in a second image that is rebuilt only when an axis, a grid flag, a
// colour or the size changes, so refresh() copies it instead of laying out text again.
//
// Order of use: setAxisX/setAxisY, displayHGrid/displayVGrid, init(); then per picture
// refresh() and drawData() or drawDataScaled().
class LongtermData : public QWidget
{
    Q_OBJECT
public:
    static const int kMaxPoints = 10000;

    // One number of a scale: its text, the font and the box it is drawn in (clear of the
    // ticks and the other labels, and inside the picture).
    struct ScaleLabel
    {
        QString text;
        QFont font;
        QRect box;
        int flags = 0;
    };

    explicit LongtermData(QWidget* parent = nullptr);
    ~LongtermData() override;

    // Starts a fresh picture of that size; may be called again for a new size or colours.
    void init(int width, int height, QColor a_scaleColor, QColor a_dataColor);
    QRect getRect();

    // Store the axis and draw its scale at once; a_visible decides whether later refresh()
    // calls draw it.
    void setAxisX(float a_min, float a_max, float a_mainStep, float a_minorStep, bool a_visible);
    void setAxisY(float a_min, float a_max, float a_mainStep, float a_minorStep, bool a_visible);
    // Take effect at the next refresh().
    void displayHGrid(bool a_visible);
    void displayVGrid(bool a_visible);

    void setBackgroundColorScale(QColor a_color);
    void setBackgroundColorData(QColor a_color);
    void setColorScale(QColor a_color);
    void setColorData(QColor a_color);

    // The labels of the scales that refresh() draws, as it draws them.
    QVector<ScaleLabel> scaleLabels() const;

    // Clears the picture to background, scales and grids; the data line is gone.
    void refresh();
    // Values in percent of the data area's height. The first numData of maxDataCnt points
    // in the data colour; with displayOldData the rest in black, not joined to them.
    void drawData(float* data, int numData, int maxDataCnt, bool displayOldData);
    // The same with minVal..maxVal mapped onto the data area's height.
    void drawDataScaled(float* data, int numData, int maxDataCnt, bool displayOldData, float minVal, float maxVal);

    // The drawing steps behind refresh() and the axis setters.
    void drawInit();
    void drawXScale();
    void drawYScale();
    void drawHGrid(float a_min, float a_max, float a_step);
    void drawVGrid(float a_min, float a_max, float a_step);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Scale;
    Scale xScale() const;
    Scale yScale() const;
    void paintBackground();
    void paintXScale();
    void paintYScale();
    QVector<ScaleLabel> xScaleLabels() const;
    QVector<ScaleLabel> yScaleLabels() const;
    void paintLabels(const QVector<ScaleLabel>& labels);
    void paintHGrid(float a_min, float a_max, float a_step);
    void paintVGrid(float a_min, float a_max, float a_step);
    void rebuildLayer();
    void drawLine(const QPointF* points, int count, const QColor& colour);
    void drawSeries(const float* data, int numData, int maxDataCnt, bool displayOldData, float minVal, float range);

    QImage image;
    QPainter m_painter;
    QPointF start;
    QPointF stop;
    QRect m_rectDataArea;
    QRect m_rectYScale;
    QRect m_rectXScale;
    QColor m_scaleColor = Qt::gray;
    QColor m_scaleBackgroundColor = Qt::black;
    QColor m_dataColor = Qt::white;
    QColor m_dataBackgroundColor = Qt::darkGray;
    float m_xAxis_min = 0;
    float m_xAxis_max = 100;
    float m_xAxis_mainStep = 20;
    float m_xAxis_minorStep = 10;
    bool m_xAxis_visible = true;
    bool m_vGrid_visible = true;
    float m_yAxis_min = 0;
    float m_yAxis_max = 100;
    float m_yAxis_mainStep = 20;
    float m_yAxis_minorStep = 10;
    bool m_yAxis_visible = true;
    bool m_hGrid_visible = true;

    // Background, scales and grids as refresh() draws them; null when out of date.
    QImage m_layer;
    QPointF m_points[kMaxPoints];
};

#endif // LONGTERMDATA_H
