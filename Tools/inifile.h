#ifndef INIFILE_H
#define INIFILE_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariantMap>

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
// The whole file holding these values ("group/key", as the settings class names them),
// byte for byte as the settings class writes it: the groups and, in each, the keys in the
// order of their names, [General] first, each value in the settings class's form. With
// utf8, text outside ASCII goes in as UTF-8, as the settings class writes a file that it
// read as UTF-8 (one that began with a byte-order mark); it writes half a surrogate pair
// there as "?", which here keeps its pair.
QByteArray text(const QVariantMap& values, bool utf8 = false);
} // namespace IniFile

#endif // INIFILE_H
