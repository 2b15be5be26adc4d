#include "Tools/durablefile.h"

#include "Hardware/platform.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariantMap>

#include <unistd.h>

namespace {

bool failed(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

// A file's write fails at its flush: write() alone only fills the buffer.
bool writeScratchFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush();
}

} // namespace

bool writeFileDurably(const QString& path, const QByteArray& content, QString* error)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush()
        && ::fsync(file.handle()) == 0 && file.commit();
    if (!written)
        return failed(error, file.errorString());
    // The rename lives in the folder: until the folder is synced a power cut may bring
    // back the old file, or leave none.
    const QString folder = QFileInfo(path).absolutePath();
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

    // The settings class says nothing of a write that fails at its flush and leaves an
    // empty file in place of the old one. So it writes a draft away from the card, and only
    // bytes that read back as every value it holds go to the card, by the staged writer.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return failed(error, scratch.errorString());
    const QString draft = scratch.filePath(QStringLiteral("draft.ini"));
    if (!old.isEmpty() && !writeScratchFile(draft, old))
        return failed(error, QStringLiteral("cannot write the draft"));
    QVariantMap values;
    {
        QSettings ini(draft, QSettings::IniFormat);
        fill(ini);
        ini.sync();
        // A file in place that does not parse throughout is written anew from what of it
        // did, as the settings class does.
        if (ini.status() == QSettings::AccessError)
            return failed(error, QStringLiteral("cannot write the draft"));
        for (const QString& key : ini.allKeys())
            values.insert(key, ini.value(key));
    }
    QFile written(draft);
    if (!written.open(QIODevice::ReadOnly))
        return failed(error, written.errorString());
    const QByteArray content = written.readAll();

    // Read back under another name: for the draft's own name the settings class would
    // answer from what it keeps of the file it has just written.
    const QString copy = scratch.filePath(QStringLiteral("check.ini"));
    if (!writeScratchFile(copy, content))
        return failed(error, QStringLiteral("cannot write the draft"));
    const QSettings check(copy, QSettings::IniFormat);
    bool whole = check.status() == QSettings::NoError && check.allKeys().size() == values.size();
    for (auto it = values.cbegin(); whole && it != values.cend(); ++it)
        whole = check.contains(it.key()) && check.value(it.key()) == it.value();
    if (!whole)
        return failed(error, QStringLiteral("the draft does not read back"));
    return writeFileDurably(path, content, error);
}
