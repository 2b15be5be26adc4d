#include "Tools/freqspectrum.h"

#include "Audio/analoginputworker.h"
#include "Audio/audiocodecsetup.h"
#include "Audio/fft.h"
#include "Tools/statusbar.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The curve, the band and the touch run from 20 Hz (log10 20 = 1.30103) over 2.30103
// decades to 4000 Hz at the right edge.
const double kLogStart = 1.30103;
const double kLogSpan = 2.30103;
// The ticks and the strip of the scale span log10(191.75) decades from 20 Hz instead, so
// that they sit slightly right of the curve's frequencies (3835 Hz at the right edge).
const double kScaleLogSpan = 2.2827353726210187;
const double kScaleStart = 20.0;

const QColor kBackground = Qt::darkGray;
const int kFloorBins = 4; // the top bins whose mean is a frame's floor
const double kSilence = 1e-7;

struct Tick
{
    int frequency;
    int penWidth;
};
const Tick kTicks[] = {{20, 2},  {40, 1},  {60, 1},  {80, 1},   {100, 2},  {200, 1},
                       {400, 1}, {600, 1}, {800, 1}, {1000, 2}, {2000, 1}, {4000, 1}};
const int kStripStops[] = {0, 20, 40, 60, 80, 100, 200, 400, 600, 800, 1000, 2000, 4000};

int scaleX(double frequency, int width)
{
    return int(width / kScaleLogSpan * std::log10(frequency / kScaleStart));
}

} // namespace

FreqSpectrum::FreqSpectrum(QWidget* parent)
    : QWidget(parent)
{
    std::memset(m_fftDataArray, 0, sizeof(m_fftDataArray));
    std::memset(m_fftDataArrayMeanTemp, 0, sizeof(m_fftDataArrayMeanTemp));
    std::memset(m_fftDataArrayMean, 0, sizeof(m_fftDataArrayMean));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    if (MainMenu* menu = MainMenu::getInstanceMainMenu())
        m_audioCodec = menu->getAudioCodecInstance();
    qDebug() << "Konstruktor FreqSpectrum" << m_lowCutOffFrequency << m_highCutOffFrequency << m_filterType;
}

double FreqSpectrum::xOfFrequency(double frequency, int width)
{
    return (std::log10(frequency) - kLogStart) * width / kLogSpan;
}

quint32 FreqSpectrum::frequencyAtX(double x, int width)
{
    if (width <= 0)
        return 0;
    // NaN as well goes to the left edge.
    x = x > 0 ? std::min(x, double(width - 1)) : 0.0;
    return quint32(std::pow(10.0, x * kLogSpan / width + kLogStart));
}

QPointF FreqSpectrum::insidePicture(const QPointF& position) const
{
    return QPointF(std::clamp(position.x(), 0.0, double(qMax(m_rectWidth - 1, 0))), position.y());
}

void FreqSpectrum::setPictureSize(int width, int height)
{
    m_rectWidth = qMax(width, 0);
    m_rectHeight = qMax(height, 0);
    if (image.width() != m_rectWidth || image.height() != m_rectHeight)
        image = QImage(m_rectWidth, m_rectHeight, QImage::Format_RGB32);
    image.fill(kBackground);
}

void FreqSpectrum::init(int width, int height)
{
    setPictureSize(width, height);
    if (m_audioCodec)
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
    qDebug() << "FreqSpectrum::init" << m_lowCutOffFrequency << m_highCutOffFrequency << m_filterType;
}

void FreqSpectrum::refresh()
{
    setPictureSize(m_rectWidth, m_rectHeight);
}

void FreqSpectrum::clear()
{
    std::memset(m_fftDataArray, 0, kBins * sizeof(float));
    std::memset(m_fftDataArrayMeanTemp, 0, kBins * sizeof(m_fftDataArrayMeanTemp[0]));
    std::memset(m_fftDataArrayMean, 0, kBins * sizeof(float));
    m_meanCnt = 0;
}

QRect FreqSpectrum::getRect() const
{
    return QRect(0, 0, width(), height());
}

void FreqSpectrum::hide()
{
    if (!m_hide) {
        m_hide = true;
        update();
    }
}

void FreqSpectrum::show()
{
    if (m_hide) {
        m_hide = false;
        update();
    }
}

void FreqSpectrum::setScaleBgGradient(bool a_scaleBgGradient)
{
    m_scaleBgGradient = a_scaleBgGradient;
}

void FreqSpectrum::setScaleType(int scaleType)
{
    m_scaleType = scaleType;
}

void FreqSpectrum::updateFilter(quint32 a_lowCutOffFrequency, quint32 a_highCutOffFrequency, int a_filterType)
{
    m_lowCutOffFrequency = a_lowCutOffFrequency;
    m_highCutOffFrequency = a_highCutOffFrequency;
    m_filterType = a_filterType;
}

void FreqSpectrum::getFilter(quint32* lowCutOffFrequency, quint32* highCutOffFrequency, int* filterType) const
{
    *lowCutOffFrequency = m_lowCutOffFrequency;
    *highCutOffFrequency = m_highCutOffFrequency;
    *filterType = m_filterType;
}

const QPixmap& FreqSpectrum::scaleLayer()
{
    // The strip's colours follow the sensor: a microphone's leak noise lies lower.
    const quint32 colourMax = StatusbarData()->sensorType() == 1 ? 300 : 1000;
    const int w = m_rectWidth;
    if (w == m_scaleLayerWidth && m_scaleBgGradient == m_scaleLayerGradient && colourMax == m_scaleLayerColourMax)
        return m_scaleLayer;
    m_scaleLayerWidth = w;
    m_scaleLayerGradient = m_scaleBgGradient;
    m_scaleLayerColourMax = colourMax;

    m_scaleLayer = QPixmap(qMax(w, 1), kScaleHeight);
    m_scaleLayer.fill(Qt::transparent);
    QPainter painter(&m_scaleLayer);
    // Layer row r is picture row h - 30 + r.
    const int stripTop = 5, tickBottom = 10, labelTop = 8, labelHeight = 22;
    if (m_scaleBgGradient) {
        QLinearGradient gradient(0, stripTop, w, stripTop);
        for (int f : kStripStops) {
            const double position = f <= kScaleStart ? 0.0 : std::log10(f / kScaleStart) / kScaleLogSpan;
            gradient.setColorAt(qMin(position, 1.0),
                                AnalogInputWorker::calcFrequencyColor(quint32(f), colourMax, QColor("blue"),
                                                                      QColor("red"), QColor("yellow"), nullptr));
        }
        painter.fillRect(QRect(0, stripTop, w, 5), gradient);
    }
    for (const Tick& tick : kTicks) {
        const int x = scaleX(tick.frequency, w);
        painter.setPen(QPen(Qt::white, tick.penWidth));
        painter.drawLine(x, tickBottom, x, stripTop);
    }
    painter.setPen(QPen(Qt::white, 1));
    painter.setFont(font());
    painter.drawText(QRect(0, labelTop, 50, labelHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("20"));
    for (int f : {100, 1000}) {
        const int x = scaleX(f, w);
        painter.drawText(QRect(x - 50, labelTop, 100, labelHeight), Qt::AlignCenter, QString::number(f));
    }
    return m_scaleLayer;
}

void FreqSpectrum::drawScale()
{
    if (image.isNull())
        return;
    const QPixmap& layer = scaleLayer();
    QPainter painter(&image);
    painter.drawPixmap(0, m_rectHeight - kScaleHeight, layer);
}

void FreqSpectrum::drawFft(float* fftData, bool a_useMeanValues)
{
    float level[kBins];
    float maximum = 0.0f;
    for (int k = 0; k < kBins; ++k) {
        // A value that is not a finite number counts as silence as well.
        const double magnitude = fftData[k];
        level[k] = !(std::isfinite(magnitude) && magnitude >= kSilence) ? 0.0f : 20.0f * std::log10(fftData[k]);
        maximum = qMax(maximum, level[k]);
    }
    float floor = 0.0f;
    for (int k = kBins - kFloorBins; k < kBins; ++k)
        floor += level[k];
    floor /= kFloorBins;
    // A silent or flat frame has no range to spread: it lies on the bottom line.
    const float range = maximum - floor;

    for (int k = 0; k < kBins; ++k) {
        const float normalised = range > 0.0f ? qMax((level[k] - floor) / range, 0.0f) : 0.0f;
        m_fftDataArray[k] = normalised;
        m_fftDataArrayMeanTemp[k][m_meanCnt] = normalised;
    }
    m_meanCnt = (m_meanCnt + 1) % 3;

    for (int k = 0; k < kBins; ++k) {
        const float* stored = m_fftDataArrayMeanTemp[k];
        m_fftDataArrayMean[k] = a_useMeanValues ? (stored[0] + stored[1] + stored[2]) / 3.0f : m_fftDataArray[k];
    }

    // The centre of the loudest five bins; on equal sums the higher centre wins.
    float best = 0.0f;
    m_peakBin = 0;
    for (int p = 2; p <= kBins - 4; ++p) {
        const float* c = m_fftDataArrayMean + p - 2;
        const float sum = c[0] + c[1] + c[2] + c[3] + c[4];
        if (sum >= best) {
            best = sum;
            m_peakBin = p;
        }
    }
    drawCurve();
}

void FreqSpectrum::drawData(float* data)
{
    Q_UNUSED(data)
}

void FreqSpectrum::drawCurve()
{
    if (image.isNull())
        return;
    const int w = m_rectWidth;
    const double plotHeight = m_rectHeight - kScaleHeight;
    QPainter painter(&image);

    // Bin 0 (0 Hz) has no place on the logarithmic axis; bin 1 lies left of the picture.
    QPolygonF points;
    points.reserve(kBins - 1);
    for (int k = 1; k < kBins; ++k)
        points << QPointF(xOfFrequency(kSpectrumWidgetHzPerBin * k, w), plotHeight - m_fftDataArrayMean[k] * plotHeight);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawPolyline(points);

    if (g_debugFeatures == 1 && m_peakBin > 0) {
        const double x = xOfFrequency(kSpectrumWidgetHzPerBin * m_peakBin, w);
        painter.setPen(QPen(Qt::red, 3));
        painter.drawLine(QPointF(x, plotHeight), QPointF(x, 0.8 * plotHeight));
    }
    drawBand(painter);
}

void FreqSpectrum::drawBand(QPainter& painter)
{
    if (m_lowCutOffFrequency == 0 && m_highCutOffFrequency == 0)
        return;
    const int w = m_rectWidth;
    const double b = m_rectHeight - kScaleHeight;
    // A corner at 0 Hz stands at 1 Hz, far left of the plot.
    const double xl = xOfFrequency(qMax<quint32>(m_lowCutOffFrequency, 1), w);
    const double xh = xOfFrequency(qMax<quint32>(m_highCutOffFrequency, 1), w);
    const double w10 = w / 10.0, w15 = w / 15.0, w35 = w / 35.0;

    QPainterPath path(QPointF(-3, b));
    path.lineTo(xl - w10 + w35, b);
    path.cubicTo(xl + w15 - w10 + w35, b, xl - w15 + w35, 0, xl + w35, 0);
    path.lineTo(xh - w35, 0);
    path.cubicTo(xh + w15 - w35, 0, xh - w15 + w10 - w35, b, xh + w10 - w35, b);
    path.lineTo(w + 3, b);
    painter.setPen(QPen(Qt::red, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);

    painter.setPen(QPen(Qt::green, 1));
    painter.drawText(QRect(0, 0, w / 2, 30), Qt::AlignLeft | Qt::AlignTop, QString::number(m_lowCutOffFrequency));
    painter.drawText(QRect(w / 2, 0, w / 2, 30), Qt::AlignRight | Qt::AlignTop, QString::number(m_highCutOffFrequency));
}

void FreqSpectrum::clearPlotArea()
{
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, m_rectWidth, m_rectHeight - kScaleHeight), kBackground);
}

void FreqSpectrum::mousePressEvent(QMouseEvent* event)
{
    start = stop = event->localPos();
    qDebug() << "Aktivate Filter";
    m_filterType = 1;
    m_lowCutOffFrequency = frequencyAtX(start.x(), m_rectWidth);
    m_highCutOffFrequency = qMin(quint32(1.4 * m_lowCutOffFrequency), kMaxFrequency);
    qDebug() << "FrequSpectrum press" << start << stop << m_lowCutOffFrequency << m_highCutOffFrequency
             << m_filterType;
}

void FreqSpectrum::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF position = insidePicture(event->localPos());
    clearPlotArea();
    update();
    quint32 low = frequencyAtX(start.x(), m_rectWidth);
    quint32 high = frequencyAtX(position.x(), m_rectWidth);
    if (high < low) {
        // Left of the start the finger takes the lower corner with it.
        start = position;
        low = high;
        high += 10;
    } else if (high - low <= 9) {
        high += 10;
    }
    m_lowCutOffFrequency = low;
    m_highCutOffFrequency = qMin(high, kMaxFrequency);
}

void FreqSpectrum::mouseReleaseEvent(QMouseEvent* event)
{
    stop = insidePicture(event->localPos());
    quint32 low = frequencyAtX(start.x(), m_rectWidth);
    quint32 high = frequencyAtX(stop.x(), m_rectWidth);
    if (high < low) {
        low = high;
        high += 10;
    } else if (high - low < 10) {
        high += 10;
    }
    m_lowCutOffFrequency = low;
    m_highCutOffFrequency = qMin(high, kMaxFrequency);

    qDebug() << "FrequSpectrum setFilter" << m_lowCutOffFrequency << m_highCutOffFrequency << m_filterType;
    if (m_audioCodec) {
        m_audioCodec->setFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
        m_audioCodec->getFilter(&m_lowCutOffFrequency, &m_highCutOffFrequency, &m_filterType);
    }
    // The band as the codec took it, over the curve last drawn: the curve is no new frame
    // and must not enter the mean of the frames to come.
    refresh();
    drawScale();
    drawCurve();
    update();
    qDebug() << "FrequSpectrum release";
    if (MainMenu* menu = MainMenu::getInstanceMainMenu())
        menu->setCurrentFilter(m_lowCutOffFrequency, m_highCutOffFrequency, m_filterType);
    emit filterChanged();
}

void FreqSpectrum::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_hide)
        painter.fillRect(event->rect(), Qt::black);
    else
        painter.drawImage(0, 0, image);
}

void FreqSpectrum::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A layout sizes the widget after its owner has sized the picture, e.g. when the
    // dialog is first shown: the picture follows, the owner's next tick fills it.
    if (width() != m_rectWidth || height() != m_rectHeight)
        setPictureSize(width(), height());
}
