#ifndef ANALOGINPUTWORKER_H
#define ANALOGINPUTWORKER_H

#include <QObject>

// Level and spectrum analysis of the ADC blocks.
// Placeholder: takes start, stop and pause; nothing is read or analysed yet.
class AnalogInputWorker : public QObject
{
    Q_OBJECT
public:
    explicit AnalogInputWorker(QObject* parent = nullptr);

    void startCapture();
    void stopCapture();
    void pauseCapture(bool pause);
};

// The single analysis worker, created on the first call.
AnalogInputWorker* Analoginputworker();

#endif // ANALOGINPUTWORKER_H
