#ifndef PLATFORM_H
#define PLATFORM_H

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QFile;
struct stat;

// The one seam between the instrument and its Linux board.
//
// Every absolute device path ("/sys/...", "/dev/...", "/media/tk9400", "/home/root", ...)
// is resolved by devicePath(): unchanged on the device, below the directory named by
// TK9400_ROOT on a host that simulates the device. Every shell command goes through
// runCommand(), runCommandOutput() or startDetached(): on the device they run the
// command; under TK9400_ROOT they only record it to "$TK9400_ROOT/commands.log" and
// answer with the canned output the tree provides.
class Platform
{
public:
    // Exit codes that end the program when "poweroff" or "reboot" is run on a simulated device.
    enum ExitCode { ExitPoweroff = 90, ExitReboot = 91 };

    static QString rootDirectory();
    static bool isSimulated();
    // Tests and host tools choose the simulated tree; an empty string selects the real board.
    static void setRootDirectory(const QString& root);

    static QString devicePath(const QString& absolutePath);
    static QByteArray devicePathLocal(const char* absolutePath);

    // What a run returns instead of an exit status when the program did not end by itself.
    enum RunStatus { RunCrashed = -1, RunNotStarted = -2, RunTimedOut = -3 };

    // Runs the command and waits for it; the exit status is returned but callers may ignore it.
    static int runCommand(const QString& command);
    // Runs the program with its arguments, no shell between them, in the working directory,
    // and waits at most timeoutMs (negative: for ever) for its start and its end together;
    // a program still running (or still starting) then is killed and has timed out.
    // Returns its exit status or a RunStatus. Recorded like a command on a
    // simulated device: the program and its arguments, blank-separated.
    static int runProgram(const QString& program, const QStringList& arguments, int timeoutMs);
    // Runs the command and returns what it wrote to standard output, at most `maxBytes`
    // (read as it comes, the rest discarded). It waits at most `startTimeoutMs` for the
    // command to start and `finishTimeoutMs` for it to finish, then stops it; `started`
    // tells whether it started at all. A simulated device answers from the canned output.
    static QString runCommandOutput(const QString& command);
    static QString runCommandOutput(const QString& command, int startTimeoutMs, int finishTimeoutMs,
                                    int maxBytes, bool* started = nullptr);
    enum OutputBounds {
        OutputStartTimeoutMs = 30000,
        OutputFinishTimeoutMs = 60000,
        MaxCommandOutputBytes = 1024 * 1024
    };

    // What reading a file that comes from outside the program found.
    enum class ReadStatus { Read, Missing, NotRegular, TooLarge, Failed };
    // Reads the regular file at the host path `path`, at most `maxBytes` of it. The file is
    // opened without following a link and without blocking, and the opened file is then
    // asked what it is: the entry judged is the entry read, so nothing renamed over the name
    // after a look at it can be read or waited on. A link, FIFO, device, socket or directory
    // gives NotRegular and nothing; a larger file gives TooLarge with its first `maxBytes`
    // in `contents`, for a reader that wants only the beginning.
    static ReadStatus readRegularFile(const QString& path, qint64 maxBytes, QByteArray* contents);
    // The first `maxBytes` of the regular file at the host path, whatever its size, read as
    // readRegularFile() does; false when there is no regular file to read.
    static bool readRegularFileStart(const QString& path, qint64 maxBytes, QByteArray* contents);
    // Opens the regular file at the host path for reading into `file` as readRegularFile()
    // judges it, for a reader that takes it piece by piece; maxBytes < 0: any size. `file`
    // is open only when Read is returned.
    static ReadStatus openRegularFile(const QString& path, qint64 maxBytes, QFile* file);
    // Reads a regular file of at most `maxBytes` into `contents`. Anything else (a device,
    // a FIFO, a link to one, a larger file) is refused with a warning, so a hostile file
    // can neither hang the program nor exhaust its memory.
    static bool readBoundedFile(const QString& path, qint64 maxBytes, QByteArray* contents);
    // A name from outside (the PC-writable partition, the measurement list) used only as
    // one path element: not empty, not "." or "..", no "/" and no NUL.
    static bool isPlainName(const QString& name);
    // Replaces the file at `path` (a host path) by a regular file holding `data`. The data
    // go to a new file beside it that then takes the name in one step: whatever stood there
    // (a link, a FIFO, a device, a second name of another file) is replaced, never written
    // through or waited on, and a reader finds the old contents or the new, never half. A
    // directory is refused. False when nothing was written. `stillDue`, when given, is asked
    // once the new file is complete, just before it takes the name: false leaves the old one.
    static bool writeRegularFile(const QString& path, const QByteArray& data,
                                 const std::function<bool()>& stillDue = {});
    // The staged step of writeRegularFile() and of the staged writer of Tools/durablefile.h:
    // a new file beside the host path, "." + name + "." and six letters or digits, takes data
    // with the permission bits and, where this process may set it, the owner of the regular
    // file that `replaced` describes (0644 for a new file), reaches the disk first when
    // `synced`, and takes the name in one step once `stillDue` allows. Whatever stands at the
    // name is replaced, never followed. False, with the failed step in `error` when asked,
    // when the name was left as it was; the new file is then gone.
    static bool writeStagedFile(const QString& path, const QByteArray& data, const struct stat* replaced, bool synced,
                                const std::function<bool()>& stillDue = {}, QString* error = nullptr);
    // Removes what a staged write left beside the host path when the program was ended
    // between its write and its rename: regular files of its staging name only. Links,
    // directories and other names stay, and a directory that is a link is not looked into.
    static void removeStagedLeftovers(const QString& path);
    // Puts the entries of the directory at the host path on the disk: a file created,
    // renamed or removed in it outlives a power cut only once its directory is synced (vfat
    // honours that too). False when the directory cannot be opened or its sync fails.
    static bool syncDirectory(const QString& path);
    // Whether a regular file stands at the host path itself (not a link, FIFO or device),
    // of at most maxBytes when that is not negative.
    static bool isPlainFile(const QString& path, qint64 maxBytes = -1);
    // Starts the command without waiting; false when it did not start (on a simulated
    // device: its status is "nostart").
    static bool startDetached(const QString& command);

    // The outcome of a command whose result matters.
    struct CommandResult
    {
        bool started = false;
        int exitStatus = -1; // meaningful when it started and did not time out
        bool timedOut = false;
        QByteArray output; // standard output, at most the cap asked for
    };
    // Runs the command through the shell and waits at most startTimeoutMs for it to start
    // and finishTimeoutMs for it to end; one still running then is killed. Standard output
    // beyond maxOutputBytes is read and dropped, so a chatty command cannot block on a full
    // pipe. A simulated device answers with the canned output and the status of
    // "command-status/<name>" ("nostart": not started, "timeout": timed out).
    static CommandResult runCommandResult(const QString& command, int startTimeoutMs, int finishTimeoutMs,
                                          int maxOutputBytes);

    // Whether a file system is mounted at the mount point: from /proc/mounts on the
    // device; on a simulated device from the mount and umount commands that succeeded.
    static bool isMounted(const QString& mountPoint);

    // The working directory as the device sees it.
    static bool setWorkingDirectory(const QString& absolutePath);
    static QString workingDirectory();

    // Name of the canned-output file that answers `command` on a simulated device.
    static QString cannedOutputPath(const QString& command);
    // The file that gives a command's exit status on a simulated device: a number,
    // "nostart" or "timeout"; no file means 0.
    static QString cannedStatusPath(const QString& command);
    static QString commandLogPath();
    // On a simulated device, sysfs writes are appended to "$TK9400_ROOT/sysfs-writes.log"
    // when that file exists, so tests can see the order of writes to one attribute.
    static void journalWrite(const char* absolutePath, const QByteArray& value);

    // The instrument's wall clock (local time). Every reading of the clock in the system
    // goes through here, so a simulated device can keep its own clock: there the "date"
    // commands that set the system clock move an offset kept in "$TK9400_ROOT/clock-offset"
    // (seconds from the host's UTC), which survives a restart. On the board it is the
    // system clock unchanged.
    static QDateTime currentDateTime();
    // Sets the system clock to a local date and time with the two "date" commands (date
    // first: "date -s" with a date alone also sets midnight). The hardware clock is left
    // to the caller.
    static void setSystemClock(const QDate& date, const QTime& time);
    // Sets a simulated device's clock as "date -s" would; false on the board.
    static bool setCurrentDateTime(const QDateTime& local);

    // Called with ExitPoweroff or ExitReboot on a simulated device; tests replace it.
    using TerminateHandler = std::function<void(int)>;
    static void setTerminateHandler(TerminateHandler handler);

    // On a simulated device, sees each command as it is recorded, with the tree as it
    // stands at that moment; a status it returns answers the command in place of
    // "command-status/<name>". Tests set it; an empty hook removes it.
    using CommandHook = std::function<std::optional<int>(const QString& command)>;
    static void setCommandHook(CommandHook hook);

    // On a simulated device, sees every sysfs write as it happens (the device path and
    // the value), on the writing thread, whether or not the write journal is kept. The
    // simulated peers hear their control lines through it. An empty hook removes it.
    using WriteHook = std::function<void(const char* absolutePath, const QByteArray& value)>;
    static void setWriteHook(WriteHook hook);

private:
    // Records the command and returns the hook's answer, if any.
    static std::optional<int> recordCommand(const QString& command);
    static int simulatedStatus(const QString& command, std::optional<int> answer);
    static void terminateIfPowerCommand(const QString& command);
    static void trackMounts(const QString& command);
    static void setClockIfDateCommand(const QString& command);
};

#endif // PLATFORM_H
