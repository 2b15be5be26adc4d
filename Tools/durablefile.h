#ifndef DURABLEFILE_H
#define DURABLEFILE_H

#include <QByteArray>
#include <QString>

#include <functional>

class QSettings;

// Replaces the file at path (a host path) with content through a new file beside it that
// reaches the disk before it is renamed over the old one, and syncs the folder after the
// rename: a failed write or a power cut leaves the old file whole, never none or half of
// one, and true means the new one is on the disk. A link at path is followed to the file
// it stands for, which keeps its permission bits; a directory is refused. False, with the
// reason in error when asked, when the old file stays, or when only the folder's sync
// failed: the new file then stands in place but a power cut may still take it back. What
// an earlier write of the same file left beside it when it was cut off before its rename
// is removed first; a copy of the file under another name (a user's "info.ini.backup")
// is not the writer's and stays.
bool writeFileDurably(const QString& path, const QByteArray& content, QString* error = nullptr);

// Sets values in the INI file at path (a host path) with fill, on a settings object that
// only holds them, and replaces the file through writeFileDurably(): the bytes are those
// the framework's settings class writes and reads, and the values of the file in place (a
// regular file of at most maxBytes) stay where fill sets no other. Drafts stay in memory:
// nothing is written but the file, and nothing in the temporary folder. False, with the
// reason in error when asked, when the old file stays, also when the file in place cannot
// be read.
bool writeSettingsFileDurably(const QString& path, qint64 maxBytes, const std::function<void(QSettings&)>& fill,
                              QString* error = nullptr);

#endif // DURABLEFILE_H
