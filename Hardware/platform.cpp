#include "Hardware/platform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <limits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct PlatformState
{
    bool rootKnown = false;
    QString root; // empty: the real board
    QString workingDirectory = QStringLiteral("/");
    QStringList simulatedMounts;
    Platform::TerminateHandler terminate;
    Platform::CommandHook commandHook;
    Platform::WriteHook writeHook; // guarded by writeHookMutex: writes come from any thread
    bool clockKnown = false;
    qint64 clockOffsetSecs = 0; // simulated device: local device time minus host UTC
};

QMutex& writeHookMutex()
{
    static QMutex mutex;
    return mutex;
}

PlatformState& state()
{
    static PlatformState s;
    if (!s.rootKnown) {
        s.rootKnown = true;
        const QByteArray env = qgetenv("TK9400_ROOT");
        if (!env.isEmpty())
            s.root = QDir(QString::fromLocal8Bit(env)).absolutePath();
    }
    return s;
}

// Opens the host path for reading without following a link and without blocking, and
// keeps the descriptor only when the opened file is a regular one; -1 otherwise.
int openForReading(const QString& path, qint64 maxBytes, Platform::ReadStatus* status, qint64* size)
{
    const int fd
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            *status = Platform::ReadStatus::Missing;
        else
            // ELOOP: a link; ENXIO: a socket, or a device without its driver.
            *status = errno == ELOOP || errno == ENXIO ? Platform::ReadStatus::NotRegular
                                                       : Platform::ReadStatus::Failed;
        return -1;
    }
    struct stat entry;
    if (::fstat(fd, &entry) != 0 || !S_ISREG(entry.st_mode)) {
        *status = Platform::ReadStatus::NotRegular;
        ::close(fd);
        return -1;
    }
    *size = entry.st_size;
    *status = maxBytes >= 0 && entry.st_size > maxBytes ? Platform::ReadStatus::TooLarge : Platform::ReadStatus::Read;
    return fd;
}

void defaultTerminate(int code)
{
    // Leave through the event loop when it runs, so the main window is destroyed in order.
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(code);
    else
        std::exit(code);
}

// How long a killed program may take to go.
const int kKillWaitMs = 5000;

} // namespace

QString Platform::rootDirectory()
{
    const QString& root = state().root;
    return root.isEmpty() ? QStringLiteral("/") : root;
}

bool Platform::isSimulated()
{
    return !state().root.isEmpty();
}

void Platform::setRootDirectory(const QString& root)
{
    PlatformState& s = state();
    s.root = root.isEmpty() ? QString() : QDir(root).absolutePath();
    s.workingDirectory = QStringLiteral("/");
    s.simulatedMounts.clear();
    s.clockKnown = false;
}

namespace {
QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}
} // namespace

void Platform::trackMounts(const QString& command)
{
    const QStringList words = command.simplified().split(QLatin1Char(' '));
    PlatformState& s = state();
    if (words.size() == 3 && words.at(0) == QLatin1String("mount")) {
        const QString point = withoutTrailingSlash(words.at(2));
        if (!s.simulatedMounts.contains(point))
            s.simulatedMounts.append(point);
    } else if (words.size() == 2 && words.at(0) == QLatin1String("umount")) {
        s.simulatedMounts.removeAll(withoutTrailingSlash(words.at(1)));
    }
}

bool Platform::isMounted(const QString& mountPoint)
{
    const QString point = withoutTrailingSlash(mountPoint);
    if (isSimulated())
        return state().simulatedMounts.contains(point);
    QFile mounts(QStringLiteral("/proc/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : mounts.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 1 && QString::fromLocal8Bit(fields.at(1)) == point)
            return true;
    }
    return false;
}

QString Platform::devicePath(const QString& absolutePath)
{
    const PlatformState& s = state();
    if (s.root.isEmpty() || !absolutePath.startsWith(QLatin1Char('/')))
        return absolutePath;
    return s.root + absolutePath;
}

QByteArray Platform::devicePathLocal(const char* absolutePath)
{
    return QFile::encodeName(devicePath(QString::fromLocal8Bit(absolutePath)));
}

QString Platform::commandLogPath()
{
    return devicePath(QStringLiteral("/commands.log"));
}

namespace {
// The command with every character other than letters, digits, '.' and '-' replaced by '_'.
QString cannedName(const QString& command)
{
    QString name;
    name.reserve(command.size());
    for (const QChar c : command) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char('-');
        name.append(plain ? c : QLatin1Char('_'));
    }
    return name;
}
} // namespace

QString Platform::cannedOutputPath(const QString& command)
{
    return devicePath(QStringLiteral("/command-output/")) + cannedName(command);
}

QString Platform::cannedStatusPath(const QString& command)
{
    return devicePath(QStringLiteral("/command-status/")) + cannedName(command);
}

int Platform::simulatedStatus(const QString& command, std::optional<int> answer)
{
    if (answer)
        return *answer;
    QFile file(cannedStatusPath(command));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = file.read(64).trimmed();
    if (text == "nostart")
        return RunNotStarted;
    if (text == "timeout")
        return RunTimedOut;
    bool ok = false;
    const int status = text.toInt(&ok);
    if (!ok) {
        qWarning() << "Unreadable command status" << text << "for" << command;
        return 1;
    }
    return status;
}

void Platform::journalWrite(const char* absolutePath, const QByteArray& value)
{
    if (!isSimulated())
        return;
    {
        QMutexLocker lock(&writeHookMutex());
        if (state().writeHook)
            state().writeHook(absolutePath, value);
    }
    QFile journal(devicePath(QStringLiteral("/sysfs-writes.log")));
    if (!journal.exists() || !journal.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    journal.write(QByteArray(absolutePath) + ' ' + value + '\n');
}

std::optional<int> Platform::recordCommand(const QString& command)
{
    QFile log(commandLogPath());
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        qWarning() << "Could not record command:" << command;
    else
        log.write((state().workingDirectory + QLatin1Char('\t') + command + QLatin1Char('\n')).toUtf8());
    log.close();
    const CommandHook& hook = state().commandHook;
    return hook ? hook(command) : std::nullopt;
}

void Platform::setCommandHook(CommandHook hook)
{
    state().commandHook = std::move(hook);
}

void Platform::setWriteHook(WriteHook hook)
{
    QMutexLocker lock(&writeHookMutex());
    state().writeHook = std::move(hook);
}

void Platform::terminateIfPowerCommand(const QString& command)
{
    const QString c = command.trimmed();
    int code = 0;
    if (c == QLatin1String("poweroff"))
        code = ExitPoweroff;
    else if (c == QLatin1String("reboot"))
        code = ExitReboot;
    if (code == 0)
        return;
    PlatformState& s = state();
    if (s.terminate)
        s.terminate(code);
    else
        defaultTerminate(code);
}

int Platform::runCommand(const QString& command)
{
    if (isSimulated()) {
        const int status = simulatedStatus(command, recordCommand(command));
        if (status == 0) {
            trackMounts(command);
            setClockIfDateCommand(command);
            terminateIfPowerCommand(command);
        }
        return status;
    }
    return QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
}

int Platform::runProgram(const QString& program, const QStringList& arguments, int timeoutMs)
{
    if (isSimulated()) {
        const QString line = (QStringList(program) + arguments).join(QLatin1Char(' '));
        return simulatedStatus(line, recordCommand(line));
    }
    // One bound for the start and the run: a program that is slow to start (a busy
    // machine) is as late as one that runs too long, and only one that cannot be started
    // at all is reported as not started.
    const QDeadlineTimer deadline = timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    const bool started = process.waitForStarted(int(deadline.remainingTime()));
    if (!started && process.state() == QProcess::NotRunning)
        return RunNotStarted;
    if (!started || !process.waitForFinished(int(deadline.remainingTime()))) {
        process.kill();
        process.waitForFinished(kKillWaitMs);
        return RunTimedOut;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : int(RunCrashed);
}

QString Platform::runCommandOutput(const QString& command)
{
    return runCommandOutput(command, OutputStartTimeoutMs, OutputFinishTimeoutMs, MaxCommandOutputBytes);
}

QString Platform::runCommandOutput(const QString& command, int startTimeoutMs, int finishTimeoutMs,
                                   int maxBytes, bool* started)
{
    const CommandResult result = runCommandResult(command, startTimeoutMs, finishTimeoutMs, maxBytes);
    if (started)
        *started = result.started;
    return QString::fromLocal8Bit(result.output);
}

bool Platform::isPlainFile(const QString& path, qint64 maxBytes)
{
    struct stat entry;
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 && S_ISREG(entry.st_mode)
        && (maxBytes < 0 || entry.st_size <= maxBytes);
}

namespace {

// A staged write names its new file after the target, hidden, and the six letters and
// digits that mkostemp() puts in place of "XXXXXX": a name nobody gives a copy of his own.
const int kStagedSuffixLength = 6;

QString stagedPrefix(const QString& fileName)
{
    return QLatin1Char('.') + fileName + QLatin1Char('.');
}

bool isStagedName(const QString& name, const QString& prefix)
{
    if (name.size() != prefix.size() + kStagedSuffixLength || !name.startsWith(prefix))
        return false;
    for (int i = prefix.size(); i < name.size(); ++i) {
        const char c = name.at(i).toLatin1();
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

} // namespace

void Platform::removeStagedLeftovers(const QString& path)
{
    const QFileInfo info(path);
    const QString prefix = stagedPrefix(info.fileName());
    const int dirFd
        = ::open(QFile::encodeName(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dirFd < 0)
        return;
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return;
    }
    // Each entry is judged where it stands, without following it, and removed by the
    // name judged: a link or a directory of that name is someone else's.
    while (const dirent* entry = ::readdir(dir)) {
        if (!isStagedName(QFile::decodeName(entry->d_name), prefix))
            continue;
        struct stat st;
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)
            && ::unlinkat(dirFd, entry->d_name, 0) == 0)
            qDebug() << "Removed a write cut off before its rename:"
                     << info.path() + QLatin1Char('/') + QFile::decodeName(entry->d_name);
    }
    ::closedir(dir);
}

bool Platform::syncDirectory(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool Platform::writeRegularFile(const QString& path, const QByteArray& data, const std::function<bool()>& stillDue)
{
    struct stat entry;
    const bool exists = ::lstat(QFile::encodeName(path).constData(), &entry) == 0;
    const bool replacesFile = exists && S_ISREG(entry.st_mode);
    if (exists && !replacesFile) {
        if (S_ISDIR(entry.st_mode)) {
            qWarning() << "Not a regular file, not written:" << path;
            return false;
        }
        qWarning() << "Not a regular file, replaced by one:" << path;
    }
    return writeStagedFile(path, data, replacesFile ? &entry : nullptr, false, stillDue);
}

bool Platform::writeStagedFile(const QString& path, const QByteArray& data, const struct stat* replaced, bool synced,
                               const std::function<bool()>& stillDue, QString* error)
{
    const auto failed = [error](const char* step) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };
    // mkostemp creates a new file (O_EXCL): nothing placed beside the name is followed.
    const QFileInfo info(path);
    QByteArray temporary = QFile::encodeName(info.path() + QLatin1Char('/') + stagedPrefix(info.fileName()))
        + QByteArray(kStagedSuffixLength, 'X');
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return failed("cannot create the new file");
    // The file replaced keeps its access: whoever wrote it (another user, a group) can
    // write it again. Only its permission bits are taken, and its owner where this process
    // may give it away; the group alone when that is all it may set.
    const char* step = nullptr;
    if (::fchmod(fd, replaced ? (replaced->st_mode & 0777) : 0644) != 0)
        step = "cannot set the permissions";
    if (replaced && ::fchown(fd, replaced->st_uid, replaced->st_gid) != 0
        && ::fchown(fd, uid_t(-1), replaced->st_gid) != 0)
        qDebug() << "Written with the replaced file's mode, not its owner:" << path;
    for (qint64 done = 0; !step && done < data.size();) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            step = "cannot write";
        }
        done += n;
    }
    if (!step && synced && ::fsync(fd) != 0)
        step = "cannot sync";
    const int savedErrno = errno;
    if (::close(fd) != 0 && !step)
        step = "cannot close";
    else if (step)
        errno = savedErrno;
    if (!step && stillDue && !stillDue()) {
        errno = ECANCELED;
        step = "no longer due";
    }
    if (!step && ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        step = "cannot rename";
    if (!step)
        return true;
    const int cause = errno;
    ::unlink(temporary.constData());
    errno = cause;
    return failed(step);
}

Platform::ReadStatus Platform::readRegularFile(const QString& path, qint64 maxBytes, QByteArray* contents)
{
    contents->clear();
    ReadStatus status = ReadStatus::Failed;
    qint64 size = 0;
    const int fd = openForReading(path, maxBytes, &status, &size);
    if (fd < 0)
        return status;
    // One byte past the bound tells a larger file; one that grew since it was measured is
    // read on up to that byte.
    const qint64 wanted = qMin(size, maxBytes) + 1;
    contents->resize(int(qMin<qint64>(wanted, std::numeric_limits<int>::max())));
    qint64 done = 0;
    while (done < contents->size()) {
        const ssize_t n = ::read(fd, contents->data() + done, size_t(contents->size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            status = ReadStatus::Failed;
        if (n <= 0)
            break;
        done += n;
        if (done == contents->size() && done <= maxBytes)
            contents->resize(int(qMin<qint64>(maxBytes + 1, qint64(contents->size()) * 2)));
    }
    ::close(fd);
    if (status == ReadStatus::Failed) {
        contents->clear();
        return status;
    }
    // Judged by what was read: the file may have changed since it was measured.
    if (done > maxBytes) {
        contents->resize(int(maxBytes));
        return ReadStatus::TooLarge;
    }
    contents->resize(int(done));
    return ReadStatus::Read;
}

bool Platform::readRegularFileStart(const QString& path, qint64 maxBytes, QByteArray* contents)
{
    const ReadStatus status = readRegularFile(path, maxBytes, contents);
    return status == ReadStatus::Read || status == ReadStatus::TooLarge;
}

Platform::ReadStatus Platform::openRegularFile(const QString& path, qint64 maxBytes, QFile* file)
{
    ReadStatus status = ReadStatus::Failed;
    qint64 size = 0;
    const int fd = openForReading(path, maxBytes, &status, &size);
    if (fd < 0)
        return status;
    if (status != ReadStatus::Read || !file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return status == ReadStatus::Read ? ReadStatus::Failed : status;
    }
    // Blocking reads from here: a regular file never waits, and QFile expects them.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return status;
}

bool Platform::readBoundedFile(const QString& path, qint64 maxBytes, QByteArray* contents)
{
    switch (readRegularFile(path, maxBytes, contents)) {
    case ReadStatus::Read:
        return true;
    case ReadStatus::NotRegular:
        qWarning() << "Not a regular file, not read:" << path;
        break;
    case ReadStatus::TooLarge:
        qWarning() << "File larger than" << maxBytes << "bytes, not read:" << path;
        break;
    case ReadStatus::Missing:
    case ReadStatus::Failed:
        break;
    }
    contents->clear();
    return false;
}

bool Platform::isPlainName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool Platform::startDetached(const QString& command)
{
    if (isSimulated())
        return simulatedStatus(command, recordCommand(command)) != RunNotStarted;
    return QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
}

Platform::CommandResult Platform::runCommandResult(const QString& command, int startTimeoutMs, int finishTimeoutMs,
                                                   int maxOutputBytes)
{
    CommandResult result;
    if (isSimulated()) {
        const int status = simulatedStatus(command, recordCommand(command));
        result.started = status != RunNotStarted;
        result.timedOut = status == RunTimedOut;
        result.exitStatus = result.started && !result.timedOut ? status : -1;
        // As from a real command: the first bytes up to the bound, nothing from a device or FIFO.
        if (result.started)
            readRegularFileStart(cannedOutputPath(command), maxOutputBytes, &result.output);
        return result;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!process.waitForStarted(startTimeoutMs)) {
        process.kill();
        process.waitForFinished(kKillWaitMs);
        return result;
    }
    result.started = true;
    // Read as the output comes, so a flood stays within the bound and cannot fill the pipe.
    const auto take = [&] {
        const QByteArray chunk = process.readAllStandardOutput();
        result.output += chunk.left(qMax(0, maxOutputBytes - result.output.size()));
    };
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning) {
        const qint64 left = finishTimeoutMs - clock.elapsed();
        if (left <= 0) {
            qWarning() << "Command did not finish in" << finishTimeoutMs << "ms, stopped:" << command;
            result.timedOut = true;
            process.kill();
            process.waitForFinished(kKillWaitMs);
            break;
        }
        // A command that closed its output but runs on must not make this loop spin.
        if (!process.waitForReadyRead(int(left)) && process.state() != QProcess::NotRunning)
            process.waitForFinished(int(qMax<qint64>(1, finishTimeoutMs - clock.elapsed())));
        take();
    }
    take();
    if (!result.timedOut)
        result.exitStatus = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

bool Platform::setWorkingDirectory(const QString& absolutePath)
{
    if (!QDir::setCurrent(devicePath(absolutePath)))
        return false;
    state().workingDirectory = absolutePath;
    return true;
}

QString Platform::workingDirectory()
{
    return state().workingDirectory;
}

void Platform::setTerminateHandler(TerminateHandler handler)
{
    state().terminate = std::move(handler);
}

namespace {

QString clockOffsetPath()
{
    return Platform::devicePath(QStringLiteral("/clock-offset"));
}

qint64& simulatedClockOffset()
{
    PlatformState& s = state();
    if (!s.clockKnown) {
        s.clockKnown = true;
        // A tree without an offset starts at the host's local time.
        s.clockOffsetSecs = QDateTime::currentDateTime().offsetFromUtc();
        QByteArray text;
        if (Platform::readBoundedFile(clockOffsetPath(), 64, &text)) {
            bool ok = false;
            const qint64 stored = text.trimmed().toLongLong(&ok);
            if (ok)
                s.clockOffsetSecs = stored;
        }
    }
    return s.clockOffsetSecs;
}

// The device's local time as a plain date and time (the board's clock runs in local time).
QDateTime simulatedNow()
{
    const QDateTime shifted = QDateTime::currentDateTimeUtc().addSecs(simulatedClockOffset());
    const QDateTime local(shifted.date(), shifted.time(), Qt::LocalTime);
    // A time that does not exist in the host's zone (its summer-time gap) is still a device time.
    return local.isValid() ? local : QDateTime(shifted.date(), shifted.time(), Qt::UTC);
}

} // namespace

QDateTime Platform::currentDateTime()
{
    if (!isSimulated())
        return QDateTime::currentDateTime();
    return simulatedNow();
}

bool Platform::setCurrentDateTime(const QDateTime& local)
{
    if (!isSimulated() || !local.isValid())
        return false;
    const QDateTime asUtc(local.date(), local.time(), Qt::UTC);
    const qint64 offset = QDateTime::currentDateTimeUtc().secsTo(asUtc);
    simulatedClockOffset() = offset;
    QFile file(clockOffsetPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning() << "Could not keep the device clock:" << file.fileName();
        return false;
    }
    file.write(QByteArray::number(offset) + '\n');
    return true;
}

void Platform::setClockIfDateCommand(const QString& command)
{
    // The forms the system uses: "date +%F -s Y-M-D" and "date +%T -s H:M:S".
    static const QRegularExpression setDate(QStringLiteral("^date \\+%F -s (\\d{1,4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression setTime(QStringLiteral("^date \\+%T -s (\\d{1,2}):(\\d{1,2}):(\\d{1,2})$"));
    const QString c = command.simplified();
    const QDateTime now = simulatedNow();
    QRegularExpressionMatch m = setDate.match(c);
    if (m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (date.isValid())
            setCurrentDateTime(QDateTime(date, now.time()));
        return;
    }
    m = setTime.match(c);
    if (m.hasMatch()) {
        const QTime time(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (time.isValid())
            setCurrentDateTime(QDateTime(now.date(), time));
    }
}

void Platform::setSystemClock(const QDate& date, const QTime& time)
{
    runCommand(QStringLiteral("date +%F -s %1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day()));
    runCommand(QStringLiteral("date +%T -s %1:%2:%3").arg(time.hour()).arg(time.minute()).arg(time.second()));
}
