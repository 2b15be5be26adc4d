#ifndef DURABLEFILE_H
#define DURABLEFILE_H

#include <QByteArray>
#include <QString>

// Replaces the file at path (a host path) with content through a new file beside it that
// reaches the disk before it is renamed over the old one: a failed write or a power cut
// leaves the old file whole, never none or half of one. False, with the reason in error
// when asked, when the old file stays.
bool writeFileDurably(const QString& path, const QByteArray& content, QString* error = nullptr);

#endif // DURABLEFILE_H
