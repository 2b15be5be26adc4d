#include "Tools/durablefile.h"

#include "Hardware/platform.h"
#include "Tools/inifile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariantMap>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the framework's save file follows before it takes the name itself.
const int kMaxLinkDepth = 128;

bool failed(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

bool writeAll(int fd, const QByteArray& content)
{
    qint64 written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + written, size_t(content.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

// Bytes in memory that the settings class reads by name: a draft that needs no folder,
// costs no sync and goes with the process, however it ends.
class MemoryFile
{
public:
    explicit MemoryFile(const QByteArray& content)
        : m_fd(::memfd_create("settings-draft", MFD_CLOEXEC))
    {
        // The settings class keeps what it read of a file by name and takes it again while
        // the file's size and time stay; a new draft may get an old one's number, and its
        // name with it, so each draft gets a time of its own.
        static std::atomic<qint64> s_drafts{0};
        const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(++s_drafts), 0}};
        if (m_fd < 0 || !writeAll(m_fd, content) || ::futimens(m_fd, times) != 0) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            if (m_fd >= 0)
                ::close(m_fd);
            m_fd = -1;
        }
    }
    ~MemoryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool isValid() const { return m_fd >= 0; }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }
    QString errorString() const { return QStringLiteral("cannot make the draft in memory: ") + m_error; }

private:
    int m_fd;
    QString m_error;
};

QVariantMap valuesOf(const QSettings& settings)
{
    QVariantMap values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

} // namespace

bool writeFileDurably(const QString& path, const QByteArray& content, QString* error)
{
    // A link stands for its file, which is replaced where it lies: the link stays, and what
    // a technician keeps elsewhere under the name is kept up to date.
    QFileInfo existing(path);
    int depth = kMaxLinkDepth;
    while (--depth > 0 && existing.isSymLink())
        existing.setFile(existing.symLinkTarget());
    const QString target = depth > 0 ? existing.filePath() : path;

    // A write cut off before its rename (the program killed, the power cut) left its new
    // file beside the target; it goes with the next write of that file.
    Platform::removeStagedLeftovers(target);
    struct stat entry;
    const bool exists = ::lstat(QFile::encodeName(target).constData(), &entry) == 0;
    if (exists && S_ISDIR(entry.st_mode))
        return failed(error, QStringLiteral("%1 is a directory").arg(target));
    const bool replacesFile = exists && S_ISREG(entry.st_mode);
    if (!Platform::writeStagedFile(target, content, replacesFile ? &entry : nullptr, true, {}, error))
        return false;
    // The rename lives in the folder: until the folder is synced a power cut may bring
    // back the old file, or leave none.
    const QString folder = QFileInfo(target).absolutePath();
    if (!Platform::syncDirectory(folder))
        return failed(error, QStringLiteral("the folder %1 did not reach the disk").arg(folder));
    return true;
}

bool writeSettingsFileDurably(const QString& path, qint64 maxBytes, const std::function<void(QSettings&)>& fill,
                              QString* error)
{
    QByteArray old;
    const Platform::ReadStatus status = Platform::readRegularFile(path, maxBytes, &old);
    if (status != Platform::ReadStatus::Read && status != Platform::ReadStatus::Missing)
        return failed(error, QStringLiteral("the file in place is no regular file of at most %1 bytes").arg(maxBytes));

    // The settings class writes only through a staged file of its own, synced and renamed
    // in its folder, and says nothing of a write that fails at its flush. So here it only
    // reads: the file in place from a copy in memory, and fill's values from an object on
    // a directory, which it opens neither to read nor to write. The text is its own form,
    // and only bytes from which it reads every value back go to the card.
    // It reads a file that begins with a byte-order mark as UTF-8 and writes it as UTF-8,
    // but without the mark, so that the next reader takes it for Latin-1: the mark stays.
    static const QByteArray kByteOrderMark("\xef\xbb\xbf");
    const bool utf8 = old.startsWith(kByteOrderMark);
    QVariantMap values;
    if (!old.isEmpty()) {
        const MemoryFile copy(old);
        if (!copy.isValid())
            return failed(error, copy.errorString());
        // A file in place that does not parse throughout is written anew from what of it
        // did, as the settings class does.
        const QSettings inPlace(copy.path(), QSettings::IniFormat);
        if (inPlace.status() == QSettings::AccessError)
            return failed(error, QStringLiteral("cannot read the file in place"));
        values = valuesOf(inPlace);
    }
    {
        QSettings changes(QDir::rootPath(), QSettings::IniFormat);
        fill(changes);
        while (!changes.group().isEmpty())
            changes.endGroup();
        const QVariantMap changed = valuesOf(changes);
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            values.insert(it.key(), it.value());
    }
    const QByteArray content = (utf8 ? kByteOrderMark : QByteArray()) + IniFile::text(values, utf8);

    // Compared as escaped text: a NaN, a list of one, a number set as a number all read
    // back as what the file holds, not as the value that was set.
    const MemoryFile draft(content);
    if (!draft.isValid())
        return failed(error, draft.errorString());
    const QSettings check(draft.path(), QSettings::IniFormat);
    if (check.status() != QSettings::NoError || IniFile::text(valuesOf(check)) != IniFile::text(values))
        return failed(error, QStringLiteral("the draft does not read back"));
    return writeFileDurably(path, content, error);
}
