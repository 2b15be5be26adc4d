#ifndef BUTTONSTATE_H
#define BUTTONSTATE_H

#include <QColor>
#include <QPainter>
#include <QPushButton>

// Text and background colour of a painted button in its current state. The later
// state wins (pressed over hovered over focused); the background colour is kept in
// step although the visible background is the style sheet's.
struct ButtonColours
{
    QColor text;
    QColor background;
};

inline ButtonColours buttonColours(const QPushButton* button)
{
    ButtonColours c{Qt::white, Qt::gray};
    if (button->hasFocus())
        c = {Qt::white, Qt::black};
    if (button->underMouse())
        c = {Qt::white, QColor(60, 60, 60)};
    if (button->isDown())
        c = {Qt::black, QColor(190, 190, 190)};
    return c;
}

// Readies painter for the text a button paints itself over what its style drew: smoothed,
// the pen in the text colour of the button's state. Returns that state's colours.
inline ButtonColours beginButtonText(QPainter& painter, const QPushButton* button)
{
    const ButtonColours c = buttonColours(button);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(c.text);
    return c;
}

// The key focus as a ring in the accent colour, 7:1 against the black background, so the
// row the keys act on can be seen outdoors; the forms' own style sheets draw no border.
inline void paintFocusRing(QPainter& painter, const QPushButton* button)
{
    if (!button->hasFocus() || button->isDown())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x3d, 0x9b, 0xff), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(button->rect()).adjusted(1, 1, -1, -1), 4, 4);
    painter.restore();
}

#endif // BUTTONSTATE_H
