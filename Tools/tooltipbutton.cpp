#include "Tools/tooltipbutton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>

TooltipButton::TooltipButton(QWidget* parent)
    : QPushButton(parent)
    , m_point(0, 0)
    , m_holdTimer(new QTimer(this))
{
    m_holdTimer->setSingleShot(true);
    m_holdTimer->setInterval(kHoldTimeMs);
    connect(m_holdTimer, &QTimer::timeout, this, &TooltipButton::displayTooltip);
}

void TooltipButton::mousePressEvent(QMouseEvent* event)
{
    m_point = event->pos();
    m_holdTimer->start();
    QPushButton::mousePressEvent(event);
}

void TooltipButton::displayTooltip()
{
    if (!isDown())
        return;
    // Left of the finger, level with the button's top: the finger does not cover the tip.
    const QPoint at = mapToGlobal(QPoint(m_point.x() - kTooltipOffsetX, 0));
    QToolTip::showText(at, toolTip(), this);
    keepTooltipInside(window()->geometry());
}

void TooltipButton::keepTooltipInside(const QRect& room)
{
    // QToolTip keeps the tip on the screen. On the instrument the window is the screen; a
    // PC's screen is larger than the window, so a tip near its right or bottom edge would
    // stand beside it.
    for (QWidget* tip : QApplication::topLevelWidgets()) {
        if (!tip->inherits("QTipLabel") || !tip->isVisible())
            continue;
        QRect placed = tip->geometry();
        placed.moveRight(qMin(placed.right(), room.right()));
        placed.moveBottom(qMin(placed.bottom(), room.bottom()));
        placed.moveLeft(qMax(placed.left(), room.left()));
        placed.moveTop(qMax(placed.top(), room.top()));
        const QPoint frame = tip->geometry().topLeft() - tip->pos();
        tip->move(placed.topLeft() - frame);
    }
}
