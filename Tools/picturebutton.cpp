#include "Tools/picturebutton.h"

#include <QMouseEvent>

PictureButton::PictureButton(QWidget* parent)
    : QPushButton(parent)
    , m_pos(17, 23)
{
}

QPointF PictureButton::getReleasePos() const
{
    return m_pos;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    m_pos = event->localPos();
    // The base class would click; the button only has to come up again.
    setDown(false);
    event->accept();
    emit mouseReleased(m_pos);
}
