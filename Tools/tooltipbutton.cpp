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
    QPoint at = mapToGlobal(m_point);
    at.rx() -= kTooltipOffsetX;
    QToolTip::showText(at, toolTip(), this);
}
