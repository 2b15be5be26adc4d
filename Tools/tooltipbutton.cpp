#include "Tools/tooltipbutton.h"

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
}
