#ifndef FREQSPECTRUM_H
#define FREQSPECTRUM_H

#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QRect>
#include <QWidget>

class AudioCodecSetup;

// The amplitude spectrum of the last ADC blocks on a logarithmic axis from 20 Hz to
// 4000 Hz, a frequency scale below it and the listening filter's pass band as a red
// outline with its corner frequencies. A drag with the finger sets a new band-pass in
// the codec and makes it the current filter.
//
// The owner drives the picture on its own timer: refresh(), drawScale(), drawFft(), then
// update(). The lowest kScaleHeight rows hold the scale; its strip, ticks and labels are
// kept in a layer that is drawn again only when the width, the strip or its colour range
// change, so a tick costs the curve and the band.
class FreqSpectrum : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBins = 512;
    static constexpr int kScaleHeight = 30;
    static constexpr quint32 kMaxFrequency = 4000;

    explicit FreqSpectrum(QWidget* parent = nullptr);

    // Sizes the picture (only a new size allocates), blanks it and takes the band from
    // the codec. The frames stored for averaging stay.
    void init(int width, int height);
    // Blanks the picture.
    void refresh();
    // Forgets the stored frames.
    void clear();
    QRect getRect() const;
    // While hidden the widget stays in its place and paints black.
    void hide();
    void show();
    void setScaleBgGradient(bool a_scaleBgGradient);
    // Only the logarithmic axis (1) exists; other values draw it all the same.
    void setScaleType(int scaleType);
    // The band to show from the next drawFft() on.
    void updateFilter(quint32 a_lowCutOffFrequency, quint32 a_highCutOffFrequency, int a_filterType);

    void drawScale();
    // Takes 512 magnitudes (bin k at k x 7.8125 Hz), normalises them between the frame's
    // floor (the mean of its top four bins) and its maximum, stores the frame for the
    // three-frame mean and draws the curve with the band; with a_useMeanValues the curve
    // is the mean of the last three frames, else this frame.
    void drawFft(float* fftData, bool a_useMeanValues);
    // The waveform is not shown: the picture stays as it is and data is not read.
    void drawData(float* data);

    // What is shown, for the owner's labels and for checks.
    void getFilter(quint32* lowCutOffFrequency, quint32* highCutOffFrequency, int* filterType) const;
    const QImage& picture() const { return image; }
    // The drawn curve, 512 values from 0 (bottom of the plot) to 1 (top).
    const float* curve() const { return m_fftDataArrayMean; }
    int peakBin() const { return m_peakBin; }

    // x of a frequency on the curve's axis, and the whole frequency under an x (an x off
    // the picture counts as its nearest edge).
    static double xOfFrequency(double frequency, int width);
    static quint32 frequencyAtX(double x, int width);

signals:
    void filterChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A finger's position moved onto the picture: a grabbed pointer can report any.
    QPointF insidePicture(const QPointF& position) const;
    void setPictureSize(int width, int height);
    void drawCurve();
    void drawBand(QPainter& painter);
    const QPixmap& scaleLayer();
    void clearPlotArea();

    AudioCodecSetup* m_audioCodec = nullptr;
    int m_rectWidth = 0;
    int m_rectHeight = 0;
    bool m_hide = false;
    QImage image;
    QPointF start;
    QPointF stop;
    float m_fftDataArray[1024];
    float m_fftDataArrayMeanTemp[1024][4];
    float m_fftDataArrayMean[1024];
    int m_meanCnt = 0;
    int m_scaleType = 1;
    quint32 m_lowCutOffFrequency = 0;
    quint32 m_highCutOffFrequency = kMaxFrequency;
    int m_filterType = 0;
    bool m_scaleBgGradient = false;
    int m_peakBin = 0;

    // The scale's strip, ticks and labels on a transparent layer, and what it was drawn for.
    QPixmap m_scaleLayer;
    int m_scaleLayerWidth = -1;
    bool m_scaleLayerGradient = false;
    quint32 m_scaleLayerColourMax = 0;
};

#endif // FREQSPECTRUM_H
