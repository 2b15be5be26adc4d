#include "Tools/iconbutton.h"

#include "Tools/buttonstate.h"

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

    const ButtonColours colours = buttonColours(this);
    m_color = colours.text;
    m_backgroundcolor = colours.background;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(m_color);
    painter.setFont(font());
    painter.drawText(QRect(kTextLeft, 0, qMax(0, width() - kTextLeft), height()), Qt::AlignLeft | Qt::AlignVCenter,
                     m_text);
}
