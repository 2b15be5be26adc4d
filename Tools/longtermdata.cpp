#include "Tools/longtermdata.h"

#include <QBrush>
#include <QDebug>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace {

const int kYScaleWidth = 30;
const int kXScaleHeight = 24;
const int kRightMargin = 15;
const QColor kGridColor(64, 64, 64);

QPen solidPen(const QColor& color, int width)
{
    return QPen(QBrush(color, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

QString numberText(float value)
{
    return QStringLiteral("%1").arg(value, 0, 'g', -1, QLatin1Char(' '));
}

bool drawableAxis(float min, float max, float mainStep, float minorStep)
{
    return max != min && mainStep > 0 && minorStep > 0;
}

// Labels start in the scale's own font and become smaller, down to this size, until they
// fit between the ticks.
const int kSmallestLabelPointSize = 7;
// The X labels lie below the long ticks, which reach 5 rows down.
const int kXLabelTop = 6;
const int kFirstXLabelWidth = 30;
const int kXLabelWidth = 34;

QFont scaleFont(int pointSize, int weight)
{
    QFont font;
    font.setPointSize(pointSize);
    font.setWeight(weight);
    return font;
}

// The font made smaller until the widest text fits `width` and a line fits `height`.
QFont fittedFont(QFont font, const QStringList& texts, int width, double height)
{
    const auto fits = [&texts, width, height](const QFont& f) {
        if (QFontInfo(f).pixelSize() > height)
            return false;
        const QFontMetrics metrics(f);
        for (const QString& text : texts) {
            if (metrics.horizontalAdvance(text) > width)
                return false;
        }
        return true;
    };
    while (font.pointSize() > kSmallestLabelPointSize && !fits(font))
        font.setPointSize(font.pointSize() - 1);
    return font;
}

// The rows the glyphs of these texts take when a line is centred on a row: the line less
// the room the font keeps above and below them, the smaller of the two on each side (the
// numbers have no descenders, so their box is not much taller than a digit).
int glyphRows(const QFont& font, const QStringList& texts)
{
    const QFontMetrics metrics(font);
    QRect ink;
    for (const QString& text : texts)
        ink |= metrics.tightBoundingRect(text);
    const int above = qMax(0, metrics.ascent() + ink.top());
    const int below = qMax(0, metrics.descent() - (ink.bottom() + 1));
    return metrics.height() - 2 * qMin(above, below);
}

// True when each box leaves a free row before the next, so no two numbers touch.
bool apart(const QVector<LongtermData::ScaleLabel>& labels)
{
    for (int i = 1; i < labels.size(); ++i) {
        if (labels.at(i - 1).box.adjusted(0, 0, 0, 1).intersects(labels.at(i).box))
            return false;
    }
    return true;
}

// The labels in order, without one outside the picture or whose box would overlap the
// label kept before it or the last one: both ends of the range keep their numbers.
QVector<LongtermData::ScaleLabel> withoutOverlaps(QVector<LongtermData::ScaleLabel> labels)
{
    labels.erase(std::remove_if(labels.begin(), labels.end(),
                                [](const LongtermData::ScaleLabel& label) { return label.box.isEmpty(); }),
                 labels.end());
    QVector<LongtermData::ScaleLabel> kept;
    for (int i = 0; i < labels.size(); ++i) {
        const bool last = i == labels.size() - 1;
        if (!last && labels.at(i).box.intersects(labels.last().box))
            continue;
        if (!kept.isEmpty() && kept.last().box.intersects(labels.at(i).box)) {
            if (!last)
                continue;
            kept.removeLast();
        }
        kept << labels.at(i);
    }
    return kept;
}

// A scale whose steps are far below a pixel would otherwise loop for millions of steps
// (or for ever, once the float sum stops growing): no scale has more ticks than pixels.
int stepLimit(int pixels)
{
    return qMax(pixels, 0) + 1;
}

// Truncates a coordinate; an axis of a nearly empty range puts ticks far outside the
// picture, where a plain conversion to int would be undefined.
int pixel(float coordinate)
{
    const float limit = 1e6f;
    if (!(coordinate > -limit))
        return -int(limit);
    return coordinate < limit ? int(coordinate) : int(limit);
}

} // namespace

// An axis as set and the strip of its scale: where along the strip a value lies.
struct LongtermData::Scale
{
    float min;
    float max;
    float mainStep;
    float minorStep;
    // The strip's first pixel and its length along the axis.
    int origin;
    int length;

    float range() const { return max - min; }
    bool drawable() const { return drawableAxis(min, max, mainStep, minorStep); }
    // The pixel of a value `offset` past the start of the axis.
    int at(float offset) const { return pixel(origin + length * offset / range()); }
    // The ticks every `step` from `from` up to `to`, each at its offset from `from`; no more
    // than the strip has pixels.
    QVector<int> ticks(float from, float to, float step) const
    {
        QVector<int> positions;
        const int limit = stepLimit(length);
        int n = 0;
        for (float v = from; v <= to && n < limit; v += step, ++n)
            positions << at(v - from);
        return positions;
    }
};

LongtermData::Scale LongtermData::xScale() const
{
    return {m_xAxis_min, m_xAxis_max, m_xAxis_mainStep, m_xAxis_minorStep, m_rectXScale.left(), m_rectXScale.width()};
}

LongtermData::Scale LongtermData::yScale() const
{
    return {m_yAxis_min, m_yAxis_max, m_yAxis_mainStep, m_yAxis_minorStep, m_rectYScale.top(), m_rectYScale.height()};
}

LongtermData::LongtermData(QWidget* parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

LongtermData::~LongtermData() = default;

void LongtermData::init(int width, int height, QColor a_scaleColor, QColor a_dataColor)
{
    m_scaleColor = a_scaleColor;
    m_dataColor = a_dataColor;
    m_layer = QImage();
    if (width <= 0 || height <= 0) {
        qDebug() << "Error: LongtermData::init" << width << height;
        image = QImage();
        return;
    }
    image = QImage(width, height, QImage::Format_RGB32);
    image.fill(m_scaleBackgroundColor);
    m_rectDataArea = QRect(QPoint(kYScaleWidth, 0), QPoint(width - kRightMargin - 1, height - kXScaleHeight - 2));
    m_rectYScale = QRect(QPoint(0, 0), QPoint(kYScaleWidth - 1, height - kXScaleHeight - 2));
    m_rectXScale = QRect(QPoint(kYScaleWidth, height - kXScaleHeight - 1), QPoint(width - kRightMargin - 2, height - 2));
    drawInit();
}

QRect LongtermData::getRect()
{
    return QRect(0, 0, width(), height());
}

void LongtermData::setAxisX(float a_min, float a_max, float a_mainStep, float a_minorStep, bool a_visible)
{
    // The pages set the same axis again on every reading; only a change costs a new layer.
    if (a_min != m_xAxis_min || a_max != m_xAxis_max || a_mainStep != m_xAxis_mainStep
        || a_minorStep != m_xAxis_minorStep || a_visible != m_xAxis_visible)
        m_layer = QImage();
    m_xAxis_min = a_min;
    m_xAxis_max = a_max;
    m_xAxis_mainStep = a_mainStep;
    m_xAxis_minorStep = a_minorStep;
    m_xAxis_visible = a_visible;
    drawXScale();
}

void LongtermData::setAxisY(float a_min, float a_max, float a_mainStep, float a_minorStep, bool a_visible)
{
    if (a_min != m_yAxis_min || a_max != m_yAxis_max || a_mainStep != m_yAxis_mainStep
        || a_minorStep != m_yAxis_minorStep || a_visible != m_yAxis_visible)
        m_layer = QImage();
    m_yAxis_min = a_min;
    m_yAxis_max = a_max;
    m_yAxis_mainStep = a_mainStep;
    m_yAxis_minorStep = a_minorStep;
    m_yAxis_visible = a_visible;
    drawYScale();
}

void LongtermData::displayHGrid(bool a_visible)
{
    if (m_hGrid_visible != a_visible)
        m_layer = QImage();
    m_hGrid_visible = a_visible;
}

void LongtermData::displayVGrid(bool a_visible)
{
    if (m_vGrid_visible != a_visible)
        m_layer = QImage();
    m_vGrid_visible = a_visible;
}

void LongtermData::setBackgroundColorScale(QColor a_color)
{
    m_scaleBackgroundColor = a_color;
    m_layer = QImage();
}

void LongtermData::setBackgroundColorData(QColor a_color)
{
    m_dataBackgroundColor = a_color;
    m_layer = QImage();
}

void LongtermData::setColorScale(QColor a_color)
{
    m_scaleColor = a_color;
    m_layer = QImage();
}

void LongtermData::setColorData(QColor a_color)
{
    m_dataColor = a_color;
}

void LongtermData::refresh()
{
    drawInit();
}

void LongtermData::drawInit()
{
    if (image.isNull())
        return;
    if (m_layer.isNull() || m_layer.size() != image.size())
        rebuildLayer();
    image = m_layer;
    update();
}

void LongtermData::rebuildLayer()
{
    m_layer = QImage(image.size(), QImage::Format_RGB32);
    m_layer.fill(m_scaleBackgroundColor);
    m_painter.begin(&m_layer);
    paintBackground();
    if (m_xAxis_visible)
        paintXScale();
    if (m_yAxis_visible)
        paintYScale();
    if (m_hGrid_visible)
        paintHGrid(m_yAxis_min, m_yAxis_max, m_yAxis_mainStep);
    if (m_vGrid_visible)
        paintVGrid(m_xAxis_min, m_xAxis_max, m_xAxis_mainStep);
    m_painter.end();
}

void LongtermData::paintBackground()
{
    m_painter.fillRect(m_rectDataArea, m_dataBackgroundColor);
    m_painter.fillRect(m_rectXScale, m_scaleBackgroundColor);
    m_painter.fillRect(m_rectYScale, m_scaleBackgroundColor);
}

void LongtermData::drawXScale()
{
    // Without a picture yet the step only checks the values (and logs a bad axis).
    if (image.isNull()) {
        paintXScale();
        return;
    }
    m_painter.begin(&image);
    paintXScale();
    m_painter.end();
    update();
}

void LongtermData::drawYScale()
{
    if (image.isNull()) {
        paintYScale();
        return;
    }
    m_painter.begin(&image);
    paintYScale();
    m_painter.end();
    update();
}

void LongtermData::drawHGrid(float a_min, float a_max, float a_step)
{
    if (image.isNull())
        return;
    m_painter.begin(&image);
    paintHGrid(a_min, a_max, a_step);
    m_painter.end();
    update();
}

void LongtermData::drawVGrid(float a_min, float a_max, float a_step)
{
    if (image.isNull())
        return;
    m_painter.begin(&image);
    paintVGrid(a_min, a_max, a_step);
    m_painter.end();
    update();
}

void LongtermData::paintXScale()
{
    const Scale scale = xScale();
    if (!scale.drawable()) {
        qDebug() << "Error: drawXScale" << scale.min << scale.max << scale.mainStep << scale.minorStep
                 << m_xAxis_visible;
        return;
    }
    if (!m_painter.isActive())
        return;

    const int T = m_rectXScale.top();
    const QPoint bottomRight(m_rectXScale.right() + kRightMargin, m_rectXScale.bottom());
    m_painter.fillRect(QRect(m_rectXScale.topLeft(), bottomRight), m_scaleBackgroundColor);

    m_painter.setPen(solidPen(m_scaleColor, 1));
    for (int x : scale.ticks(0, scale.range(), scale.minorStep))
        m_painter.drawLine(x, T, x, T + 3);
    m_painter.setPen(solidPen(m_scaleColor, 2));
    for (int x : scale.ticks(0, scale.range(), scale.mainStep))
        m_painter.drawLine(x, T, x, T + 5);

    paintLabels(xScaleLabels());
}

QVector<LongtermData::ScaleLabel> LongtermData::xScaleLabels() const
{
    const Scale scale = xScale();
    if (image.isNull() || !scale.drawable())
        return {};
    const float min = scale.min;
    const float max = scale.max;
    const float mainStep = scale.mainStep;
    const int L = m_rectXScale.left();
    const int T = m_rectXScale.top();
    const float range = scale.range();
    const int limit = stepLimit(m_rectXScale.width());

    // The first number starts at the scale's left end; the others are centred on their
    // ticks, the last at the offset where the loop stops.
    QVector<int> ticks{L};
    QStringList texts{numberText(min)};
    float v = mainStep;
    for (int n = 0; v <= range - mainStep && n < limit; v += mainStep, ++n) {
        ticks << scale.at(v);
        texts << numberText(min + v);
    }
    ticks << scale.at(v);
    texts << numberText(max);

    const int top = T + kXLabelTop;
    const QFont font = fittedFont(max < 1000 ? scaleFont(12, 75) : scaleFont(9, 50), texts, kFirstXLabelWidth,
                                  m_rectXScale.bottom() - top + 1);
    const int height = QFontInfo(font).pixelSize();
    const QRect picture = image.rect();
    QVector<ScaleLabel> labels;
    for (int i = 0; i < ticks.size(); ++i) {
        const QRect box = i == 0 ? QRect(L, top, kFirstXLabelWidth, height)
                                 : QRect(ticks.at(i) - kXLabelWidth / 2, top, kXLabelWidth, height);
        labels << ScaleLabel{texts.at(i), font, box & picture,
                             i == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter)};
    }
    return withoutOverlaps(labels);
}

void LongtermData::paintLabels(const QVector<ScaleLabel>& labels)
{
    m_painter.setPen(solidPen(m_scaleColor, 1));
    for (const ScaleLabel& label : labels) {
        m_painter.setFont(label.font);
        m_painter.drawText(label.box, label.flags, label.text);
    }
}

QVector<LongtermData::ScaleLabel> LongtermData::scaleLabels() const
{
    QVector<ScaleLabel> labels;
    if (m_xAxis_visible)
        labels += xScaleLabels();
    if (m_yAxis_visible)
        labels += yScaleLabels();
    return labels;
}

void LongtermData::paintYScale()
{
    const Scale scale = yScale();
    if (!scale.drawable()) {
        qDebug() << "Error: drawYScale" << scale.min << scale.max << scale.mainStep << scale.minorStep
                 << m_yAxis_visible;
        return;
    }
    if (!m_painter.isActive())
        return;

    const int R = m_rectYScale.right();
    // The whole column left of the data area and the X scale: the bottom number hangs
    // below the data area, and one of a larger font may have been drawn there before.
    m_painter.fillRect(QRect(m_rectYScale.topLeft(), QPoint(R, image.height() - 1)), m_scaleBackgroundColor);
    const QVector<ScaleLabel> labels = yScaleLabels();

    m_painter.setPen(solidPen(m_scaleColor, 1));
    for (int y : scale.ticks(scale.min, scale.max, scale.minorStep))
        m_painter.drawLine(R - 1, y, R + 1, y);
    m_painter.setPen(solidPen(m_scaleColor, 2));
    for (int y : scale.ticks(scale.min, scale.max, scale.mainStep))
        m_painter.drawLine(R - 1, y, R + 1, y);
    paintLabels(labels);
}

QVector<LongtermData::ScaleLabel> LongtermData::yScaleLabels() const
{
    const Scale scale = yScale();
    if (image.isNull() || !scale.drawable())
        return {};
    const float min = scale.min;
    const float max = scale.max;
    const float mainStep = scale.mainStep;
    const int L = m_rectYScale.left();
    const int T = m_rectYScale.top();
    const int R = m_rectYScale.right();
    const float range = scale.range();
    const int limit = stepLimit(m_rectYScale.height());

    QFont font = max >= 1000 ? scaleFont(9, 50) : scaleFont(11, 75);
    int decimals = 0;
    if (mainStep - std::trunc(mainStep) > 0) {
        if (max >= 10 && max < 100)
            decimals = 1;
        else if (max < 10)
            decimals = 2;
        if (decimals > 0)
            font = scaleFont(9, 50);
    }
    const auto text = [decimals](float value) {
        return QStringLiteral("%1").arg(value, 0, 'f', decimals, QLatin1Char(' '));
    };

    // From the top down: max at the top, min at the bottom; the numbers between stand at
    // the main ticks paintYScale() draws.
    const QVector<int> mainTicks = scale.ticks(min, max, mainStep);
    QVector<int> ticks{T};
    QStringList texts{text(max)};
    const double steps = double(range) / double(mainStep) + 0.5;
    const int count = steps < limit ? int(steps) : limit;
    float offset = 0;
    for (int k = 1; k < count && k < mainTicks.size(); ++k) {
        offset += mainStep;
        ticks << mainTicks.at(k);
        texts << text(max - offset);
    }
    ticks << T + m_rectYScale.height();
    texts << text(min);

    // Right of the numbers a column stays free before the main ticks, which reach two
    // pixels left of the strip's last column.
    const int width = R - 3 - L;
    const QRect picture = image.rect();
    // Each number centred on its own tick; only the first and the last are moved inward,
    // as far as the picture's edges need (the top one always is: its tick is row 0).
    const auto place = [&](const QFont& f, int every) {
        const int rows = glyphRows(f, texts);
        QVector<ScaleLabel> labels;
        for (int i = 0; i < ticks.size(); ++i) {
            if (i % every != 0 && i != ticks.size() - 1)
                continue;
            const int top = qBound(picture.top(), ticks.at(i) - rows / 2, picture.bottom() + 1 - rows);
            labels << ScaleLabel{texts.at(i), f, QRect(L, top, width, rows) & picture,
                                 int(Qt::AlignRight | Qt::AlignVCenter)};
        }
        return labels;
    };
    // The font made smaller until the numbers stand apart, the top one moved down beside
    // the second; ticks closer than that even in the smallest font: every few of them is
    // numbered. The last number is kept in any case, at the cost of the one before it
    // when a range of no whole number of steps brings them closer than the others.
    const auto apartButLast = [](const QVector<ScaleLabel>& labels) { return apart(labels.mid(0, labels.size() - 1)); };
    font = fittedFont(font, texts, width, picture.height());
    QVector<ScaleLabel> labels = place(font, 1);
    while (!apartButLast(labels) && font.pointSize() > kSmallestLabelPointSize) {
        font.setPointSize(font.pointSize() - 1);
        labels = place(font, 1);
    }
    for (int every = 2; every < ticks.size() && !apartButLast(labels); ++every)
        labels = place(font, every);
    if (labels.size() > 2 && !apart(labels.mid(labels.size() - 2)))
        labels.remove(labels.size() - 2);
    return withoutOverlaps(labels);
}

void LongtermData::paintHGrid(float a_min, float a_max, float a_step)
{
    if (!(a_max > a_min) || !(a_step > 0) || !m_painter.isActive())
        return;
    const int L = m_rectDataArea.left();
    const int T = m_rectDataArea.top();
    const int R = m_rectDataArea.right();
    const int h = m_rectDataArea.height();
    const int limit = stepLimit(h);
    m_painter.setPen(solidPen(kGridColor, 1));
    int n = 0;
    for (float v = a_min + a_step; v < a_max && n < limit; v += a_step, ++n) {
        const int y = pixel(T + h * (v - a_min) / (a_max - a_min));
        m_painter.drawLine(L, y, R, y);
    }
}

void LongtermData::paintVGrid(float a_min, float a_max, float a_step)
{
    if (!(a_max > a_min) || !(a_step > 0) || !m_painter.isActive())
        return;
    const int L = m_rectDataArea.left();
    const int T = m_rectDataArea.top();
    const int B = m_rectDataArea.bottom();
    const int w = m_rectDataArea.width();
    const float r = a_max - a_min;
    const int limit = stepLimit(w);
    m_painter.setPen(solidPen(kGridColor, 1));
    int n = 0;
    for (float v = a_step; v < r && n < limit; v += a_step, ++n) {
        const int x = pixel(L + w * v / r);
        m_painter.drawLine(x, T, x, B + 1);
    }
}

void LongtermData::drawData(float* data, int numData, int maxDataCnt, bool displayOldData)
{
    drawSeries(data, numData, maxDataCnt, displayOldData, 0, 100);
}

void LongtermData::drawDataScaled(float* data, int numData, int maxDataCnt, bool displayOldData, float minVal,
                                  float maxVal)
{
    if (!(maxVal > minVal)) {
        qDebug() << "Error: drawDataScaled" << minVal << maxVal;
        return;
    }
    drawSeries(data, numData, maxDataCnt, displayOldData, minVal, maxVal - minVal);
}

void LongtermData::drawSeries(const float* data, int numData, int maxDataCnt, bool displayOldData, float minVal,
                              float range)
{
    if (maxDataCnt <= 0 || !data) {
        qDebug() << "Error: drawData" << numData << maxDataCnt;
        return;
    }
    if (maxDataCnt > kMaxPoints || numData < 0 || numData > maxDataCnt) {
        qDebug() << "drawData: limited" << numData << maxDataCnt << "to" << kMaxPoints << "points";
        maxDataCnt = qMin(maxDataCnt, int(kMaxPoints));
        numData = qBound(0, numData, maxDataCnt);
    }
    if (image.isNull())
        return;

    const int L = m_rectDataArea.left();
    const int T = m_rectDataArea.top();
    const int w = m_rectDataArea.width();
    const int h = m_rectDataArea.height();
    const float bottom = T + h;
    // Far above the area is as good as infinitely far: the visible part of the segment is
    // the same to well below a pixel, and the painter never sees an infinite coordinate.
    const float highest = T - 64.0f * h;
    const int count = displayOldData ? maxDataCnt : numData;
    for (int i = 0; i < count; ++i) {
        const float d = data[i] - minVal;
        float y = (d < 0 || std::isnan(d)) ? bottom : bottom - d * h / range;
        if (y < highest)
            y = highest;
        m_points[i] = QPointF(L + (i * w) / maxDataCnt, y);
    }

    m_painter.begin(&image);
    if (numData > 0)
        drawLine(m_points, numData, m_dataColor);
    if (displayOldData && maxDataCnt > numData)
        drawLine(m_points + numData, maxDataCnt - numData, Qt::black);
    m_painter.end();
    update();
}

void LongtermData::drawLine(const QPointF* points, int count, const QColor& colour)
{
    m_painter.setPen(solidPen(colour, 1));
    // A polyline of one point draws nothing, and the first value after a wrap would be
    // missing: a lone value is a dot.
    if (count == 1)
        m_painter.drawPoint(points[0]);
    else
        m_painter.drawPolyline(points, count);
}

void LongtermData::paintEvent(QPaintEvent* e)
{
    Q_UNUSED(e)
    QPainter painter(this);
    if (!image.isNull())
        painter.drawImage(0, 0, image);
    painter.end();
}
