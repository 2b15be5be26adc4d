#ifndef FAILINGCARD_H
#define FAILINGCARD_H

#include <QString>
#include <QStringList>

// A data partition that fails under the program, for the tests of what a save or a rename
// leaves when its writes do not reach the card.
//
// Full: a tiny file system mounted over the directory (root only), filled by fail() to its
// last kFreeBytes, one page: room for a small file (a lock file), none for more.
// WritesFail: once fail() is called, a file below the directory takes its first
// writtenBytes and every write beyond them fails with EIO (the write crossing the mark is
// cut short there).
// SyncFails: every fsync and fdatasync of such a file fails with EIO.
// FolderSyncFails: every fsync and fdatasync of the directory at the path itself fails with
// EIO (it may be made after the card: a directory made later under that name fails too).
// Journal: nothing fails; journal() lists every fsync and fdatasync of an entry at or below
// the directory and every rename inside it, in order, by paths relative to the directory
// ("." for itself; a directory's path ends in "/"): "sync .storing/info.ini", "sync
// .storing/", "rename .storing -> LE_...", "sync ./".
// All of these but Full work by interposing write, fsync, fdatasync and the rename calls in
// the test program that links this helper; they pass everything else to the C library
// untouched.
// ReadOnly: the directory takes no new entry and no write: a tiny file system mounted over
// it is made read-only (as root), or its write access is taken (as anyone else).
class FailingCard
{
public:
    enum Failure { Full, WritesFail, SyncFails, FolderSyncFails, Journal, ReadOnly };
    static constexpr qint64 kWrittenBytes = 100;
    static constexpr qint64 kFreeBytes = 4096;

    // Full and ReadOnly mount at once, so that what the test puts into the directory lies
    // on the card.
    FailingCard(Failure failure, const QString& hostPath, qint64 writtenBytes = kWrittenBytes);
    ~FailingCard();
    FailingCard(const FailingCard&) = delete;
    FailingCard& operator=(const FailingCard&) = delete;

    // False where the failure cannot be made (no mount without root): the test skips.
    bool isPossible() const { return m_possible; }
    // From now on the card fails (or keeps its journal).
    bool fail();
    QStringList journal() const;
    // The first of the patterns (regular expressions) that the journal does not match in
    // their order, other entries between them allowed; -1 when it matches them all.
    int firstMissing(const QStringList& patterns) const;

private:
    Failure m_failure;
    QString m_path;
    qint64 m_writtenBytes;
    bool m_possible = true;
    bool m_mounted = false;
    bool m_locked = false;
};

#endif // FAILINGCARD_H
