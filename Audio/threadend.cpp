#include "Audio/threadend.h"

#include <QDebug>
#include <QThread>

ThreadEnd endThread(QThread* thread, int timeoutMs, const char* name)
{
    if (thread->wait(timeoutMs))
        return ThreadEnd::Ended;
    qWarning().nospace() << name << " did not end within " << timeoutMs << " ms; terminating it";
    thread->terminate();
    if (thread->wait(timeoutMs))
        return ThreadEnd::Terminated;
    qWarning().nospace() << name << " still runs " << timeoutMs
                         << " ms after it was terminated; it is left running, with everything it uses, until the "
                            "program ends";
    return ThreadEnd::LeftRunning;
}
