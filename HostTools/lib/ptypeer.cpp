#include "ptypeer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer(QObject* parent)
    : QObject(parent)
{
}

PtyPeer::~PtyPeer()
{
    close();
}

bool PtyPeer::open(const QString& linkPath, QString* error)
{
    close();
    auto fail = [&](const QString& what) {
        if (error)
            *error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        close();
        return false;
    };
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return fail(QStringLiteral("posix_openpt"));
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return fail(QStringLiteral("grantpt/unlockpt"));
    char name[128];
    if (::ptsname_r(m_master, name, sizeof name) != 0)
        return fail(QStringLiteral("ptsname"));
    m_slaveName = QString::fromLocal8Bit(name);

    m_slaveKeepAlive = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slaveKeepAlive < 0)
        return fail(QStringLiteral("open slave"));
    termios raw;
    if (::tcgetattr(m_slaveKeepAlive, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(m_slaveKeepAlive, TCSANOW, &raw);
    }

    QDir().mkpath(QFileInfo(linkPath).absolutePath());
    QFile::remove(linkPath);
    if (!QFile::link(m_slaveName, linkPath))
        return fail(QStringLiteral("link ") + linkPath);
    m_linkPath = linkPath;

    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyPeer::readAvailable);
    return true;
}

void PtyPeer::close()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slaveKeepAlive >= 0)
        ::close(m_slaveKeepAlive);
    m_master = m_slaveKeepAlive = -1;
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).isSymLink())
        QFile::remove(m_linkPath);
    m_linkPath.clear();
    m_slaveName.clear();
}

bool PtyPeer::write(const QByteArray& data)
{
    if (m_master < 0)
        return false;
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(m_master, data.constData() + done, size_t(data.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{m_master, POLLOUT, 0};
        if (::poll(&p, 1, 1000) <= 0)
            return false; // nobody drains the line
    }
    return true;
}

void PtyPeer::readAvailable()
{
    QByteArray data;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            data.append(buffer, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: drained; EIO: no reader at the moment
    }
    if (!data.isEmpty())
        emit received(data);
}
