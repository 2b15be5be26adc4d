#include "failingcard.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_armed{false};
std::mutex g_mutex;
std::string g_prefix; // the directory's canonical path and "/"
bool g_writesFail = false;
bool g_syncFails = false;
qint64 g_writtenBytes = 0;

template <typename F> F next(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

bool onCard(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = '\0';
    return std::strncmp(target, g_prefix.c_str(), g_prefix.size()) == 0;
}

int failedSync(int fd, int (*real)(int))
{
    if (g_armed.load()) {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (g_syncFails && onCard(fd)) {
            errno = EIO;
            return -1;
        }
    }
    return real(fd);
}

} // namespace

// The mark is a place in the file, not a count of bytes: a file written anew (or whose
// inode a removed one had) is judged by itself.
extern "C" ssize_t write(int fd, const void* buf, size_t count)
{
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    if (!g_armed.load())
        return real(fd, buf, count);
    std::unique_lock<std::mutex> lock(g_mutex);
    struct stat entry;
    const int flags = ::fcntl(fd, F_GETFL);
    if (!g_writesFail || !onCard(fd) || flags < 0 || ::fstat(fd, &entry) != 0) {
        lock.unlock();
        return real(fd, buf, count);
    }
    const off_t at = (flags & O_APPEND) ? entry.st_size : ::lseek(fd, 0, SEEK_CUR);
    if (at < 0 || at >= g_writtenBytes) {
        errno = EIO;
        return -1;
    }
    return real(fd, buf, std::min<size_t>(count, size_t(g_writtenBytes - at)));
}

extern "C" int fsync(int fd)
{
    static const auto real = next<int (*)(int)>("fsync");
    return failedSync(fd, real);
}

extern "C" int fdatasync(int fd)
{
    static const auto real = next<int (*)(int)>("fdatasync");
    return failedSync(fd, real);
}

FailingCard::FailingCard(Failure failure, const QString& hostPath, qint64 writtenBytes)
    : m_failure(failure)
    , m_path(QFileInfo(hostPath).canonicalFilePath())
    , m_writtenBytes(writtenBytes)
{
    if (m_failure != Full && m_failure != ReadOnly)
        return;
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=1m") == 0;
    m_possible = m_mounted || m_failure == ReadOnly;
}

FailingCard::~FailingCard()
{
    if (m_locked)
        ::chmod(QFile::encodeName(m_path).constData(), 0755);
    if (m_failure != Full) {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_armed = false;
        g_writesFail = g_syncFails = false;
    }
    // Lazily: the program may still stand in the directory.
    if (m_mounted)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
}

bool FailingCard::fail()
{
    if (m_failure == ReadOnly) {
        const QByteArray path = QFile::encodeName(m_path);
        if (m_mounted)
            return ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        m_locked = ::chmod(path.constData(), 0555) == 0;
        return m_locked;
    }
    if (m_failure == Full) {
        if (!m_mounted)
            return false;
        // One file takes what is left, then gives back one page.
        const int fd = ::open(QFile::encodeName(m_path + "/.filler").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        const QByteArray block(int(kFreeBytes), 'f');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        const off_t size = ::lseek(fd, 0, SEEK_END);
        const bool full = errno == ENOSPC && size >= kFreeBytes && ::ftruncate(fd, size - kFreeBytes) == 0;
        ::close(fd);
        return full;
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    g_prefix = QFile::encodeName(m_path).toStdString() + "/";
    g_writesFail = m_failure == WritesFail;
    g_syncFails = m_failure == SyncFails;
    g_writtenBytes = m_writtenBytes;
    g_armed = true;
    return true;
}
