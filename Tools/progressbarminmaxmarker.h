#ifndef PROGRESSBARMINMAXMARKER_H
#define PROGRESSBARMINMAXMARKER_H

#include <QPixmap>
#include <QProgressBar>
#include <QSize>

// A progress bar with a red maximum and a blue minimum marker line. A marker outside
// the bar's range (-1 on a bar from 0) is not drawn.
class ProgressBarMinMaxMarker : public QProgressBar
{
    Q_OBJECT
public:
    explicit ProgressBarMinMaxMarker(QWidget* parent = nullptr);

    // The marker shows at the next repaint, which the next value change brings.
    void setMaxMarker(int marker);
    void setMinMarker(int marker);
    int maxMarker() const;
    int minMarker() const;

    // x of a marker on a bar of the given width; -1 when it is not drawn.
    static int markerX(int marker, int minimum, int maximum, int width);

    static const int kMarkerPenWidth = 3;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateMarkerLayer();

    int m_maxMarker = -1;
    int m_minMarker = -1;

    // The bar's value changes several times a second, the markers seldom: the marker lines
    // are drawn once into a layer and only redrawn when what they depend on changes.
    QPixmap m_markerLayer;
    QSize m_layerSize;
    int m_layerMinimum = 0;
    int m_layerMaximum = 0;
    int m_layerMaxMarker = -1;
    int m_layerMinMarker = -1;
    bool m_layerValid = false;
};

#endif // PROGRESSBARMINMAXMARKER_H
