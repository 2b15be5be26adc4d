#include "simcontrol.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

// Only async-signal-safe work here; the event loop picks the byte up.
void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

} // namespace

ControlChannel::ControlChannel(int fd, Handler handler, QObject* parent)
    : QObject(parent)
    , m_fd(fd)
    , m_handler(std::move(handler))
    , m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readLines(); });
}

ControlChannel::~ControlChannel()
{
    // The notifier must not outlive the descriptor it watches.
    delete m_notifier;
    m_notifier = nullptr;
    if (!m_fifoPath.isEmpty()) {
        ::close(m_fd);
        ::unlink(m_fifoPath.constData());
    }
}

std::unique_ptr<ControlChannel> ControlChannel::openFifo(const QString& path, Handler handler)
{
    const QByteArray fifoPath = QFile::encodeName(path);
    ::unlink(fifoPath.constData());
    if (::mkfifo(fifoPath.constData(), 0600) != 0)
        return nullptr;
    const int fd = ::open(fifoPath.constData(), O_RDWR | O_NONBLOCK); // also a writer: no end of input
    if (fd < 0)
        return nullptr;
    std::unique_ptr<ControlChannel> channel(new ControlChannel(fd, std::move(handler)));
    channel->m_fifoPath = fifoPath;
    QTextStream(stdout) << "control: standard input or " << QString::fromLocal8Bit(fifoPath) << Qt::endl;
    return channel;
}

void ControlChannel::readLines()
{
    char buffer[1024];
    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        m_notifier->setEnabled(false); // end of input: nothing more will come
        return;
    }
    if (n < 0)
        return;
    m_pending.append(buffer, int(n));
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        if (line.isEmpty())
            continue;
        const QString answer = m_handler(line);
        const QString hint = QStringLiteral("? ") + line + QStringLiteral(" (try \"help\")");
        QTextStream(stdout) << (answer.isEmpty() ? hint : answer) << Qt::endl;
    }
    if (m_pending.size() > 4096)
        m_pending.clear();
}

void quitOnTerminationSignals(QCoreApplication* app)
{
    if (::pipe(g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, &QCoreApplication::quit);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    std::signal(SIGHUP, onSignal);
}
