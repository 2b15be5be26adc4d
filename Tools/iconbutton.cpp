#include "Tools/iconbutton.h"

#include "Tools/buttonstate.h"

#include <QKeySequence>
#include <QPainter>

IconButton::IconButton(QWidget* parent)
    : QPushButton(parent)
    , m_colours{Qt::white, Qt::black}
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

    QPainter painter(this);
    paintFocusRing(painter, this);
    m_colours = beginButtonText(painter, this);
    painter.setFont(font());
    painter.drawText(QRect(kTextLeft, 0, qMax(0, width() - kTextLeft), height()), Qt::AlignLeft | Qt::AlignVCenter,
                     m_text);
}
