#include "Tools/progressbarminmaxmarker.h"

#include <QPainter>
#include <QPen>

ProgressBarMinMaxMarker::ProgressBarMinMaxMarker(QWidget* parent)
    : QProgressBar(parent)
{
}

void ProgressBarMinMaxMarker::setMaxMarker(int marker)
{
    m_maxMarker = marker;
}

void ProgressBarMinMaxMarker::setMinMarker(int marker)
{
    m_minMarker = marker;
}

int ProgressBarMinMaxMarker::maxMarker() const
{
    return m_maxMarker;
}

int ProgressBarMinMaxMarker::minMarker() const
{
    return m_minMarker;
}

int ProgressBarMinMaxMarker::markerX(int marker, int minimum, int maximum, int width)
{
    // An empty range has no place for a marker.
    if (maximum <= minimum || marker < minimum || marker > maximum)
        return -1;
    const double range = double(maximum) - double(minimum);
    return int((double(marker) - double(minimum)) / range * double(width - 1));
}

void ProgressBarMinMaxMarker::updateMarkerLayer()
{
    if (m_layerValid && m_layerSize == size() && m_layerMinimum == minimum() && m_layerMaximum == maximum()
        && m_layerMaxMarker == m_maxMarker && m_layerMinMarker == m_minMarker
        && m_markerLayer.devicePixelRatio() == devicePixelRatioF())
        return;

    m_layerSize = size();
    m_layerMinimum = minimum();
    m_layerMaximum = maximum();
    m_layerMaxMarker = m_maxMarker;
    m_layerMinMarker = m_minMarker;
    m_layerValid = true;

    const qreal ratio = devicePixelRatioF();
    m_markerLayer = QPixmap(size() * ratio);
    m_markerLayer.setDevicePixelRatio(ratio);
    m_markerLayer.fill(Qt::transparent);

    QPainter painter(&m_markerLayer);
    const int bottom = height() - 1;
    auto drawMarker = [&](int marker, const QColor& colour) {
        const int x = markerX(marker, minimum(), maximum(), width());
        if (x < 0)
            return;
        painter.setPen(QPen(colour, kMarkerPenWidth, Qt::SolidLine));
        painter.drawLine(x, 0, x, bottom);
    };
    // The minimum marker is drawn last, so it stays visible where both coincide.
    drawMarker(m_maxMarker, Qt::red);
    drawMarker(m_minMarker, Qt::blue);
}

void ProgressBarMinMaxMarker::paintEvent(QPaintEvent* event)
{
    QProgressBar::paintEvent(event);
    if (width() <= 0 || height() <= 0)
        return;
    updateMarkerLayer();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_markerLayer);
}
