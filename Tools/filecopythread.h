#ifndef FILECOPYTHREAD_H
#define FILECOPYTHREAD_H

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

// Copies one file away from the GUI thread, for the firmware update's staging copy.
//
// The copy is written to "<target>.part", flushed to the disk, read back and compared
// with the source (size and every byte) and only then renamed over the target, so a target
// that exists is either the complete old one or the complete new one, never a mix,
// whatever happens in between (read error, full disk, power cut, cancel).
//
// Lives in a worker thread; copyFile runs there through a queued signal. The GUI
// thread polls getProgress() and reads lastResult() after copyFinished().
class FileCopyThread : public QObject
{
    Q_OBJECT
public:
    static const qint64 FilecopyPartsize = 0x10000;

    explicit FileCopyThread(QObject* parent = nullptr);
    ~FileCopyThread() override;

    // Percent of the current copy, 0..100; 100 once it has ended, whatever the outcome.
    quint8 getProgress() const { return Progress.load(); }
    // Whether the last copy reached the target complete and verified.
    bool lastResult() const { return m_lastResult.load(); }
    // Asks a running or the next copy to stop at the next part; any thread. The copy then
    // fails and leaves the target as it was. Cleared with setCancelled(false).
    void setCancelled(bool cancelled) { m_cancelled.store(cancelled); }
    bool isCancelled() const { return m_cancelled.load(); }

    static QString partPath(const QString& target) { return target + QStringLiteral(".part"); }

    // Tests: called on the copying thread after each part is written, with the number of
    // parts written so far. Returning false abandons the copy on the spot, leaving what
    // is on disk as a power cut would.
    using PartHook = std::function<bool(int parts)>;
    static void setPartHook(PartHook hook);

public slots:
    // Copies source to target (both host paths). True when the target now holds a
    // verified copy on the disk; false otherwise, with the target untouched and no ".part"
    // left, or, when only the sync of its folder after the rename failed, with the new
    // target in place (a power cut may still take it back). Emits copyFinished() once at
    // the end in every case.
    bool copyFile(QString source, QString target);

signals:
    void copyFinished();

private:
    bool copy(const QString& source, const QString& target);

    std::atomic<quint8> Progress{0};
    std::atomic<qint64> FileSize{0};
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_lastResult{false};
};

#endif // FILECOPYTHREAD_H
