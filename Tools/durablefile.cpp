#include "Tools/durablefile.h"

#include <QSaveFile>

#include <unistd.h>

bool writeFileDurably(const QString& path, const QByteArray& content, QString* error)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush()
        && ::fsync(file.handle()) == 0 && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}
