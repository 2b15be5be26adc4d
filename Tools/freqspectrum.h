#ifndef FREQSPECTRUM_H
#define FREQSPECTRUM_H

#include <QRect>
#include <QWidget>

// Stand-in for the spectrum widget until it is in this tree: it keeps the band and its
// hidden state and draws nothing.
class FreqSpectrum : public QWidget
{
public:
    explicit FreqSpectrum(QWidget* parent = nullptr)
        : QWidget(parent)
    {
    }
    void init(int, int) {}
    void refresh() {}
    void clear() {}
    QRect getRect() const { return QRect(0, 0, width(), height()); }
    void hide() { m_hide = true; }
    void show() { m_hide = false; }
    void setScaleBgGradient(bool) {}
    void updateFilter(quint32 low, quint32 high, int type)
    {
        m_low = low;
        m_high = high;
        m_type = type;
    }
    void drawScale() {}
    void drawFft(float*, bool) {}
    void drawData(float*) {}
    void getFilter(quint32* low, quint32* high, int* type) const
    {
        *low = m_low;
        *high = m_high;
        *type = m_type;
    }

private:
    bool m_hide = false;
    quint32 m_low = 0;
    quint32 m_high = 4000;
    int m_type = 0;
};

#endif // FREQSPECTRUM_H
