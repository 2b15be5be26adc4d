#include "Tools/iconbutton.h"

#include <QKeySequence>
#include <QPainter>

IconButton::IconButton(QWidget* parent)
    : QPushButton(parent)
    , m_color(Qt::white)
    , m_backgroundcolor(Qt::black)
{
}

void IconButton::setText(const QString& text)
{
    if (text == m_text)
        return;
    // The push button's own text stays empty: the style would draw it over the icon.
    m_text = text;
    setShortcut(QKeySequence::mnemonic(text));
    update();
    updateGeometry();
}

QString IconButton::text() const
{
    return m_text;
}

void IconButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);

    // The later state wins; the background colour is kept in step although the visible
    // background is the style sheet's.
    m_color = Qt::white;
    m_backgroundcolor = Qt::gray;
    if (hasFocus()) {
        m_color = Qt::white;
        m_backgroundcolor = Qt::black;
    }
    if (underMouse()) {
        m_color = Qt::white;
        m_backgroundcolor = QColor(60, 60, 60);
    }
    if (isDown()) {
        m_color = Qt::black;
        m_backgroundcolor = QColor(190, 190, 190);
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(m_color);
    painter.setFont(font());
    painter.drawText(QRect(kTextLeft, 0, qMax(0, width() - kTextLeft), height()), Qt::AlignLeft | Qt::AlignVCenter,
                     m_text);
}
