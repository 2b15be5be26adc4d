#include "Tools/timerh2heating.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace {

const QRectF kFaceRect(1.0, 1.0, 48.0, 48.0);
const double kDegreesToRadians = 0.017453292;

QPen dialPen(const QColor& colour, int width)
{
    return QPen(QBrush(colour, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

QImage emptyLayer(const QSize& size, qreal ratio)
{
    QImage layer(size * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    return layer;
}

bool layerFits(const QImage& layer, const QSize& size, qreal ratio)
{
    return !layer.isNull() && layer.size() == size * ratio && layer.devicePixelRatio() == ratio;
}

} // namespace

TimerH2Heating::TimerH2Heating(QWidget* parent)
    : QLabel(parent)
{
}

void TimerH2Heating::init()
{
    m_xSize = width();
    m_ySize = height() - 15;
    m_center = QPoint(m_xSize / 2, m_ySize / 2);
}

void TimerH2Heating::setCurrentTime(int t)
{
    m_currentTime = qBound(0, t, m_maxTime);
    update();
}

void TimerH2Heating::setMaxTime(int maxTime)
{
    // The hand's angle divides by it.
    m_maxTime = qMax(1, maxTime);
}

void TimerH2Heating::setThreshold(int red, int yellow, int green)
{
    m_startRedArea = red;
    m_startYellowArea = yellow;
    m_startGreenArea = green;
}

float TimerH2Heating::time2Angle(int t) const
{
    return float(double(float(t)) * 360.0 / double(float(m_maxTime)));
}

void TimerH2Heating::setRangeVisualisation(int reference, int level, int range)
{
    m_h2Reference = reference;
    m_h2Level = level;
    m_h2Range = range;
}

void TimerH2Heating::showRangeVisualisation()
{
    m_showRangeVisualisation = true;
}

void TimerH2Heating::hideRangeVisualisation()
{
    m_showRangeVisualisation = false;
}

void TimerH2Heating::updatePos()
{
    m_currentTime += 30;
    if (m_currentTime >= 900)
        m_currentTime = 0;
    update();
}

TimerH2Heating::Face TimerH2Heating::faceAt(int t) const
{
    if (t < m_startYellowArea)
        return Red;
    if (t < m_startGreenArea)
        return Yellow;
    return Green;
}

const QImage& TimerH2Heating::faceLayer(Face face)
{
    QImage& layer = m_faceLayers[face];
    const qreal ratio = devicePixelRatioF();
    if (layerFits(layer, size(), ratio))
        return layer;
    static const Qt::GlobalColor colours[FaceCount] = {Qt::red, Qt::yellow, Qt::green};
    layer = emptyLayer(size(), ratio);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(colours[face], Qt::SolidPattern));
    painter.drawEllipse(kFaceRect);
    return layer;
}

const QImage& TimerH2Heating::rimLayer()
{
    const qreal ratio = devicePixelRatioF();
    if (layerFits(m_rimLayer, size(), ratio))
        return m_rimLayer;
    m_rimLayer = emptyLayer(size(), ratio);
    QPainter painter(&m_rimLayer);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(dialPen(Qt::darkGray, 2));
    painter.drawEllipse(QRect(3, 3, 44, 44));
    // Twelve to four o'clock red, four to eight yellow, eight to twelve green: the thirds
    // of a turn the hand passes in each band.
    const struct
    {
        Qt::GlobalColor colour;
        int start;
    } arcs[] = {{Qt::red, -480}, {Qt::yellow, 3360}, {Qt::green, 1440}};
    for (const auto& arc : arcs) {
        painter.setPen(dialPen(arc.colour, 3));
        painter.drawArc(kFaceRect, arc.start, 1920);
    }
    return m_rimLayer;
}

void TimerH2Heating::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawImage(0, 0, faceLayer(faceAt(m_currentTime)));

    const double a = double(time2Angle(m_currentTime)) * kDegreesToRadians;
    const QPoint tip(int(25.0f + 23.0f * float(std::sin(a))), int(25.0f - 23.0f * float(std::cos(a))));
    painter.setPen(dialPen(Qt::black, 2));
    painter.drawLine(m_center, tip);
    painter.setPen(dialPen(Qt::black, 3));
    painter.drawEllipse(QRect(QPoint(m_center.x() - 2, m_center.y() - 2), QPoint(m_center.x() + 1, m_center.y() + 1)));

    painter.drawImage(0, 0, rimLayer());

    if (!m_showRangeVisualisation)
        return;
    const double f = m_xSize / 1000.0;
    const int y1 = m_ySize + 3;
    const int y2 = m_ySize + 14;
    painter.fillRect(QRect(QPoint(0, y1), QPoint(m_xSize - 1, y2)), Qt::darkGray);
    const float refX = float(m_h2Reference * f);
    painter.fillRect(QRect(int(refX), y1, int(m_xSize - refX), y2 - y1 + 1), Qt::green);
    painter.setPen(dialPen(Qt::black, 2));
    painter.drawLine(int(refX), y1, int(refX), y2 + 1);
    const int rangeEnd = int((m_h2Reference + m_h2Range) * f);
    painter.drawLine(rangeEnd, y1, rangeEnd, y2 + 1);
    painter.setPen(dialPen(Qt::red, 2));
    const int levelX = int(m_h2Level * f);
    painter.drawLine(levelX, y1, levelX, y2 + 1);
}
