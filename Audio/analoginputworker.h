#ifndef ANALOGINPUTWORKER_H
#define ANALOGINPUTWORKER_H

#include <QObject>

// Level and spectrum analysis of the ADC blocks.
// Placeholder: accepts the requests of the measuring pages; nothing is analysed yet.
class AnalogInputWorker : public QObject
{
    Q_OBJECT
public:
    explicit AnalogInputWorker(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    void startCapture() {}
    void stopCapture() {}
    void pauseCapture(bool pause) { Q_UNUSED(pause) }
    void clearAllData() {}
};

// The single analysis worker, created on the first call.
inline AnalogInputWorker* Analoginputworker()
{
    static AnalogInputWorker worker;
    return &worker;
}

#endif // ANALOGINPUTWORKER_H
