#ifndef SIMCONTROL_H
#define SIMCONTROL_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QCoreApplication;
class QSocketNotifier;

// Operator control of a simulator run by hand or by the run script: lines such as "mute"
// or "nofix" come on a file descriptor (standard input, a FIFO); each non-empty line goes
// to the handler and its answer goes to standard output, or a pointer to "help" where the
// handler has none.
class ControlChannel : public QObject
{
public:
    using Handler = std::function<QString(const QString& line)>;

    // fd stays the caller's: standard input must outlive the channel.
    ControlChannel(int fd, Handler handler, QObject* parent = nullptr);
    ~ControlChannel() override;

    // A FIFO made afresh at path (a stale one from an earlier run is removed first) and
    // announced on standard output, so that a second terminal or the run script can send
    // lines while standard input belongs to the shell. The channel owns it: the FIFO is
    // closed and removed when the channel goes. Null when no FIFO can be made there;
    // standard input still serves then.
    static std::unique_ptr<ControlChannel> openFifo(const QString& path, Handler handler);

private:
    void readLines();

    int m_fd;
    Handler m_handler;
    QSocketNotifier* m_notifier;
    QByteArray m_pending;
    QByteArray m_fifoPath; // only for a FIFO of the channel's own
};

// SIGTERM, SIGINT and SIGHUP end app's event loop instead of the process, so that what
// follows exec() still runs: the simulators remove the links they made in the device tree
// and their control FIFO. Once per process.
void quitOnTerminationSignals(QCoreApplication* app);

#endif // SIMCONTROL_H
