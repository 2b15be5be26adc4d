#ifndef INIFILE_H
#define INIFILE_H

#include <QByteArray>
#include <QHash>
#include <QString>

// INI files in the form the framework's settings class writes them (quoted strings with
// \\, \" and \xNNNN escapes, a leading "@" doubled), read from bytes already taken:
// files from outside are read once, through the platform seam, and never opened again
// by name.
namespace IniFile {
// The "group/key" values of the file's text.
QHash<QString, QString> parse(const QByteArray& contents);
// Text of a value as the framework writes it, so that QSettings reads it back: a leading
// "@" is doubled, a character outside ASCII becomes \xNNNN, and hex digits right after
// such an escape are escaped too, since a reader takes every hex digit that follows as
// part of it.
QByteArray escapedValue(const QString& text);
} // namespace IniFile

#endif // INIFILE_H
