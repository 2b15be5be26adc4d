#include "Tools/escapedialog.h"

#include "Tools/escapekey.h"

EscapeDialog::EscapeDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

void EscapeDialog::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QWidget::keyPressEvent(event);
}

void EscapeDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        reject();
    else
        QWidget::keyReleaseEvent(event);
}
