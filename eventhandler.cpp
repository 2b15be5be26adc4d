#include "eventhandler.h"

EventHandler::EventHandler(QObject* parent)
    : QObject(parent)
{
}

bool EventHandler::eventFilter(QObject* obj, QEvent* event)
{
    return QObject::eventFilter(obj, event);
}
