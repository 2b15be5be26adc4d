#include "failingcard.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_armed{false};
std::mutex g_mutex;
std::string g_path;   // the directory's canonical path
std::string g_prefix; // the same and "/"
bool g_writesFail = false;
bool g_syncFails = false;
bool g_folderSyncFails = false;
bool g_journal = false;
std::vector<std::string> g_entries;
qint64 g_writtenBytes = 0;

template <typename F> F next(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

std::string pathOf(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    return n > 0 ? std::string(target, size_t(n)) : std::string();
}

bool onCard(int fd)
{
    return pathOf(fd).compare(0, g_prefix.size(), g_prefix) == 0;
}

// The path relative to the directory, "." for itself; empty when it lies outside.
std::string onCardPath(const std::string& path)
{
    if (path == g_path)
        return ".";
    return path.compare(0, g_prefix.size(), g_prefix) == 0 ? path.substr(g_prefix.size()) : std::string();
}

// Where a rename's argument names an entry: its folder resolved as the card's path is.
std::string renamedPath(int dirFd, const char* path)
{
    std::string full = path;
    if (full.empty() || full[0] != '/') {
        char cwd[PATH_MAX];
        const std::string base = dirFd == AT_FDCWD ? (::getcwd(cwd, sizeof cwd) ? cwd : "") : pathOf(dirFd);
        full = base + "/" + full;
    }
    const size_t slash = full.find_last_of('/');
    char folder[PATH_MAX];
    if (slash == 0 || !::realpath(full.substr(0, slash).c_str(), folder))
        return full;
    return std::string(folder) + full.substr(slash);
}

int failedSync(int fd, int (*real)(int))
{
    if (g_armed.load()) {
        std::lock_guard<std::mutex> lock(g_mutex);
        struct stat entry;
        const bool folder = ::fstat(fd, &entry) == 0 && S_ISDIR(entry.st_mode);
        if ((g_syncFails && onCard(fd)) || (g_folderSyncFails && folder && pathOf(fd) == g_path)) {
            errno = EIO;
            return -1;
        }
        const std::string path = onCardPath(pathOf(fd));
        if (g_journal && !path.empty())
            g_entries.push_back("sync " + path + (folder ? "/" : ""));
    }
    return real(fd);
}

int journalledRename(int fromFd, const char* from, int toFd, const char* to, const std::function<int()>& real)
{
    if (g_armed.load()) {
        std::lock_guard<std::mutex> lock(g_mutex);
        const std::string source = onCardPath(renamedPath(fromFd, from));
        const std::string target = onCardPath(renamedPath(toFd, to));
        const int result = real();
        if (g_journal && result == 0 && (!source.empty() || !target.empty()))
            g_entries.push_back("rename " + source + " -> " + target);
        return result;
    }
    return real();
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

extern "C" int rename(const char* from, const char* to) noexcept
{
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    return journalledRename(AT_FDCWD, from, AT_FDCWD, to, [&] { return real(from, to); });
}

extern "C" int renameat(int fromFd, const char* from, int toFd, const char* to) noexcept
{
    static const auto real = next<int (*)(int, const char*, int, const char*)>("renameat");
    return journalledRename(fromFd, from, toFd, to, [&] { return real(fromFd, from, toFd, to); });
}

extern "C" int renameat2(int fromFd, const char* from, int toFd, const char* to, unsigned int flags) noexcept
{
    static const auto real = next<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2");
    return journalledRename(fromFd, from, toFd, to, [&] { return real(fromFd, from, toFd, to, flags); });
}

namespace {
// A directory that is not there yet is named by its folder's canonical path.
QString canonicalPath(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    return QFileInfo(info.path()).canonicalFilePath() + "/" + info.fileName();
}
} // namespace

FailingCard::FailingCard(Failure failure, const QString& hostPath, qint64 writtenBytes)
    : m_failure(failure)
    , m_path(canonicalPath(hostPath))
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
        g_writesFail = g_syncFails = g_folderSyncFails = g_journal = false;
        g_entries.clear();
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
    g_path = QFile::encodeName(m_path).toStdString();
    g_prefix = g_path + "/";
    g_writesFail = m_failure == WritesFail;
    g_syncFails = m_failure == SyncFails;
    g_folderSyncFails = m_failure == FolderSyncFails;
    g_journal = m_failure == Journal;
    g_entries.clear();
    g_writtenBytes = m_writtenBytes;
    g_armed = true;
    return true;
}

QStringList FailingCard::journal() const
{
    std::lock_guard<std::mutex> lock(g_mutex);
    QStringList entries;
    for (const std::string& entry : g_entries)
        entries << QString::fromStdString(entry);
    return entries;
}

int FailingCard::firstMissing(const QStringList& patterns) const
{
    const QStringList entries = journal();
    int at = 0;
    for (int p = 0; p < patterns.size(); ++p) {
        const QRegularExpression pattern(patterns.at(p));
        while (at < entries.size() && !pattern.match(entries.at(at)).hasMatch())
            ++at;
        if (at++ == entries.size())
            return p;
    }
    return -1;
}
