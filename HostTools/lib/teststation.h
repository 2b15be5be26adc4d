#ifndef TESTSTATION_H
#define TESTSTATION_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>

// The factory's test station at the other end of the instrument's production command
// file ("$ROOT/media/ramdisk/production"). For each command it writes one line ended by
// "\n", replacing the file through a temporary file renamed over it (or in place, as a
// shell redirection does), waits until the instrument has taken it (the file no longer
// holds it) and then for the final line, which must be whole (ended by "\n") and stay
// unchanged for a settle time.
//
// A step is a command, "sleep:MS", "expect:TEXT" (the last answer must be TEXT) or
// "fill:N" (N bytes of "x" and no line end). Misbehaviours: a command written in two
// halves with a pause between, commands flooded without waiting, raw bytes (escapes
// \0 \r \n \t \\ \xHH decoded, no line end added).
//
// Every exchange goes to a transcript, "> command" and "< answer", each with the
// milliseconds since the run began.
class TestStation
{
public:
    enum Outcome { Done = 0, TimedOut = 1, ExpectationFailed = 2 };

    struct Options
    {
        QString root;
        int settleMs = 200;
        int timeoutMs = 5000;
        int pollMs = 5;
        bool inPlace = false;
        int splitMs = -1; // >= 0: half the command, this pause, the rest (in place)
        bool noWait = false;
        int gapMs = 0; // between flooded commands
        bool raw = false;
        // The final line due for each command in turn, where the caller knows it: while
        // one other than the acknowledgement is due, a "staActive" is not taken for the
        // final line however long it stands (a busy instrument answers late); the time-out
        // still ends the wait.
        QStringList answers;
    };

    static const char* const kCommandFile;

    explicit TestStation(const Options& options);

    // Runs the steps in the calling thread and returns an Outcome.
    int run(const QStringList& steps);
    // One step; false ends the run (outcome() tells why).
    bool step(const QString& step);
    int outcome() const { return m_outcome; }

    QString lastAnswer() const;
    QStringList transcript() const;
    // The final line of each exchange, in order.
    QStringList answers() const;
    // Each transcript line as it is added (the executable prints them).
    std::function<void(const QString&)> onLine;

    // Stops a run from another thread at its next poll (counted as a time-out).
    void cancel() { m_cancel = true; }

    QString commandFilePath() const;
    static QByteArray decodeEscapes(const QString& text);

private:
    bool send(const QString& command);
    bool writeFile(const QByteArray& bytes);
    QByteArray readFile() const;
    bool waitTaken(const QByteArray& written);
    bool waitSettled(bool acknowledgementFinal = true);
    void record(const QString& line);

    Options m_options;
    QElapsedTimer m_clock;
    QElapsedTimer m_floodClock;
    qint64 m_flooded = 0;
    int m_sent = 0;
    std::atomic_bool m_cancel{false};
    int m_outcome = Done;
    QByteArray m_last;
    mutable QMutex m_mutex;
    QStringList m_transcript;
};

// A station on a thread of its own, for tests whose GUI thread runs the instrument.
class TestStationThread : public QThread
{
public:
    explicit TestStationThread(const TestStation::Options& options);
    ~TestStationThread() override;

    void start(const QStringList& steps);
    // Waits for the run to end; the outcome, or TimedOut when it did not end within ms.
    int finish(int ms = 30000);
    TestStation& station() { return m_station; }

protected:
    void run() override;

private:
    TestStation m_station;
    QStringList m_steps;
    std::atomic_int m_result{-1};
};

#endif // TESTSTATION_H
