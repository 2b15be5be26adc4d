#include "Hardware/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <cstdlib>

namespace {

struct PlatformState
{
    bool rootKnown = false;
    QString root; // empty: the real board
    QString workingDirectory = QStringLiteral("/");
    QStringList simulatedMounts;
    Platform::TerminateHandler terminate;
    Platform::CommandHook commandHook;
};

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
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return RunNotStarted;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(kKillWaitMs);
        return RunTimedOut;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : int(RunCrashed);
}

QString Platform::runCommandOutput(const QString& command)
{
    if (isSimulated()) {
        recordCommand(command);
        QFile canned(cannedOutputPath(command));
        if (!canned.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromLocal8Bit(canned.readAll());
    }
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    process.waitForFinished(-1);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool Platform::startDetached(const QString& command)
{
    if (isSimulated()) {
        recordCommand(command);
        return true;
    }
    return QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
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

QDateTime Platform::currentDateTime()
{
    return QDateTime::currentDateTime();
}
