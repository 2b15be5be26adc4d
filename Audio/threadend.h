#ifndef THREADEND_H
#define THREADEND_H

class QThread;

// How a worker thread went at the program's end.
enum class ThreadEnd {
    Ended,       // by itself: what it used may be deleted
    Terminated,  // cut off wherever it was: what it used may be half-way, so it is left
    LeftRunning, // not even then (a read stuck in a driver reaches no cancellation point)
};

// Waits up to timeoutMs for a thread already asked to end, terminates it when it has
// not, and waits as long again. A thread left running keeps its QThread, and whatever it
// uses, until the process goes: destroying a running QThread aborts the program, so its
// owner leaves it undeleted and the program still ends normally.
ThreadEnd endThread(QThread* thread, int timeoutMs, const char* name);

#endif // THREADEND_H
