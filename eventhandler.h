#ifndef EVENTHANDLER_H
#define EVENTHANDLER_H

#include <QObject>

// The application-wide event filter for the front keys and touches.
// Placeholder: passes every event on unchanged.
class EventHandler : public QObject
{
    Q_OBJECT
public:
    explicit EventHandler(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;
};

#endif // EVENTHANDLER_H
