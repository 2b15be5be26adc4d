#include "Audio/analoginputworker.h"

AnalogInputWorker::AnalogInputWorker(QObject* parent)
    : QObject(parent)
{
}

void AnalogInputWorker::startCapture() {}

void AnalogInputWorker::stopCapture() {}

void AnalogInputWorker::pauseCapture(bool) {}

AnalogInputWorker* Analoginputworker()
{
    static AnalogInputWorker worker;
    return &worker;
}
