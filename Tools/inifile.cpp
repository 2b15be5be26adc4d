#include "Tools/inifile.h"

#include <QList>

namespace {

bool isHexDigit(ushort u)
{
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

// The framework marks typed values with a leading "@" ("@ByteArray(...)", "@Variant(...)")
// and so doubles the "@" of a text that begins with one; a text holding a NUL comes as
// "@String(...)".
QString unmarkedText(const QString& value)
{
    if (value.startsWith(QLatin1String("@@")))
        return value.mid(1);
    if (value.startsWith(QLatin1String("@String(")) && value.endsWith(QLatin1Char(')')))
        return value.mid(8, value.size() - 9);
    return value;
}

} // namespace

QHash<QString, QString> IniFile::parse(const QByteArray& contents)
{
    QHash<QString, QString> values;
    QString group;
    // CR, LF and CR LF all end a line, as the framework reads them (a PC editor may write
    // any); the empty line between CR and LF is skipped like any other.
    QByteArray normalised = contents;
    normalised.replace('\r', '\n');
    const QList<QByteArray> lines = normalised.split('\n');
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString text = line.mid(eq + 1).trimmed();
        QString value;
        bool quoted = false;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('"')) {
                quoted = !quoted;
            } else if (c == QLatin1Char('\\') && i + 1 < text.size()) {
                const QChar next = text.at(++i);
                if (next == QLatin1Char('x')) {
                    // As the framework reads it: every hex digit that follows belongs to the escape.
                    uint code = 0;
                    while (i + 1 < text.size() && isHexDigit(text.at(i + 1).unicode()))
                        code = (code << 4) + uint(QString(text.at(++i)).toUInt(nullptr, 16));
                    value.append(QChar(ushort(code)));
                } else if (next == QLatin1Char('n')) {
                    value.append(QLatin1Char('\n'));
                } else if (next == QLatin1Char('r')) {
                    value.append(QLatin1Char('\r'));
                } else if (next == QLatin1Char('t')) {
                    value.append(QLatin1Char('\t'));
                } else {
                    value.append(next);
                }
            } else if (!quoted && (c == QLatin1Char(';') || c == QLatin1Char(','))) {
                break; // a comment, or a list the store never writes
            } else {
                value.append(c);
            }
        }
        values.insert(group + QLatin1Char('/') + key, unmarkedText(value));
    }
    return values;
}

QByteArray IniFile::escapedValue(const QString& text)
{
    bool quote = false;
    bool escapeNextIfDigit = false;
    QByteArray out;
    if (text.startsWith(QLatin1Char('@')))
        out += '@';
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == ';' || u == ',' || u == '=')
            quote = true;
        if (escapeNextIfDigit && isHexDigit(u)) {
            out += "\\x" + QByteArray::number(u, 16);
            continue;
        }
        escapeNextIfDigit = false;
        if (u == '"' || u == '\\') {
            out += '\\';
            out += char(u);
        } else if (u >= 0x7f || u < 0x20) {
            out += "\\x" + QByteArray::number(u, 16);
            escapeNextIfDigit = true;
        } else {
            out += char(u);
        }
    }
    if (!out.isEmpty() && (out.front() == ' ' || out.back() == ' '))
        quote = true;
    return quote ? '"' + out + '"' : out;
}
