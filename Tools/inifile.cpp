#include "Tools/inifile.h"

#include <QDataStream>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace {

bool isHexDigit(ushort u)
{
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

bool isOctalDigit(ushort u)
{
    return u >= '0' && u <= '7';
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

// A value's text before it is escaped, as the settings class makes it: the types it
// writes as text, a few of its own forms, and every other type through the data stream.
QString variantText(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return QLatin1String("@ByteArray(") + QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')');
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence: {
        const QString text = value.toString();
        if (text.contains(QChar::Null))
            return QLatin1String("@String(") + text + QLatin1Char(')');
        return text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    }
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default: {
        const bool dateTime = value.userType() == QMetaType::QDateTime;
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
        stream << value;
        return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") + QLatin1String(bytes.constData(), bytes.size())
            + QLatin1Char(')');
    }
    }
}

// A key or group name: letters, digits, "_", "-" and "." stand as they are, "/" becomes
// "\\", everything else %XX or %UXXXX.
void appendKey(const QString& key, QByteArray* out)
{
    for (const QChar c : key) {
        const ushort u = c.unicode();
        if (u == '/') {
            *out += '\\';
        } else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-'
                   || u == '.') {
            *out += char(u);
        } else if (u <= 0xff) {
            *out += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        } else {
            *out += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
        }
    }
}

void appendText(const QString& text, bool utf8, QByteArray* out)
{
    // The settings class writes the data stream's bytes escaped even into a UTF-8 file.
    const bool raw
        = utf8 && !text.startsWith(QLatin1String("@ByteArray(")) && !text.startsWith(QLatin1String("@Variant("));
    const int start = out->size();
    bool quote = false;
    bool escapeNextIfDigit = false;
    for (int i = 0; i < text.size(); ++i) {
        const ushort u = text.at(i).unicode();
        if (u == ';' || u == ',' || u == '=')
            quote = true;
        if (escapeNextIfDigit && isHexDigit(u)) {
            *out += "\\x" + QByteArray::number(u, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (u) {
        case 0:
            *out += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a': *out += "\\a"; break;
        case '\b': *out += "\\b"; break;
        case '\f': *out += "\\f"; break;
        case '\n': *out += "\\n"; break;
        case '\r': *out += "\\r"; break;
        case '\t': *out += "\\t"; break;
        case '\v': *out += "\\v"; break;
        case '"':
        case '\\':
            *out += '\\';
            *out += char(u);
            break;
        default:
            if (u <= 0x1f || (u >= 0x7f && !raw)) {
                *out += "\\x" + QByteArray::number(u, 16);
                escapeNextIfDigit = true;
            } else if (u >= 0x7f) {
                const bool pair
                    = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
                *out += text.mid(i, pair ? 2 : 1).toUtf8();
                i += pair ? 1 : 0;
            } else {
                *out += char(u);
            }
        }
    }
    if (quote || (out->size() > start && (out->at(start) == ' ' || out->back() == ' '))) {
        out->insert(start, '"');
        *out += '"';
    }
}

// A list goes in as its items' texts, ", " between them; the settings class takes a list of
// one variant for that variant and writes it through the data stream.
void appendValue(const QVariant& value, bool utf8, QByteArray* out)
{
    const int type = value.userType();
    if (type != QMetaType::QStringList && (type != QMetaType::QVariantList || value.toList().size() == 1)) {
        appendText(variantText(value), utf8, out);
        return;
    }
    const QVariantList items = value.toList();
    if (items.isEmpty())
        *out += "@Invalid()";
    for (int i = 0; i < items.size(); ++i) {
        if (i > 0)
            *out += ", ";
        appendText(variantText(items.at(i)), utf8, out);
    }
}

} // namespace

QHash<QString, QString> IniFile::parse(const QByteArray& contents)
{
    QHash<QString, QString> values;
    QString group;
    // CR, LF and CR LF all end a line, as the framework reads them (a PC editor may write
    // any); the empty line between CR and LF is skipped like any other. A byte-order mark
    // before the first line goes with its conversion from UTF-8.
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
                } else if (isOctalDigit(next.unicode())) {
                    // An octal escape ("\0" for a NUL), as long as octal digits follow.
                    uint code = next.unicode() - '0';
                    while (i + 1 < text.size() && isOctalDigit(text.at(i + 1).unicode()))
                        code = (code << 3) + (text.at(++i).unicode() - '0');
                    value.append(QChar(ushort(code)));
                } else {
                    static const QString letters = QStringLiteral("abfnrtv");
                    static const QString controls = QStringLiteral("\a\b\f\n\r\t\v");
                    const int letter = letters.indexOf(next);
                    value.append(letter >= 0 ? controls.at(letter) : next);
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
    QByteArray out;
    appendText(variantText(text), false, &out);
    return out;
}

QByteArray IniFile::text(const QVariantMap& values, bool utf8)
{
    // A key's group is what stands before its first "/"; the rest, slashes and all, is
    // its name in that group.
    QMap<QString, QMap<QString, QVariant>> groups;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const int slash = it.key().indexOf(QLatin1Char('/'));
        groups[slash < 0 ? QString() : it.key().left(slash)].insert(slash < 0 ? it.key() : it.key().mid(slash + 1),
                                                                     it.value());
    }
    QByteArray out;
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        QByteArray name;
        appendKey(group.key(), &name);
        if (group != groups.cbegin())
            out += '\n';
        if (name.isEmpty())
            out += "[General]";
        else if (qstricmp(name.constData(), "general") == 0)
            out += "[%General]";
        else
            out += '[' + name + ']';
        out += '\n';
        for (auto key = group->cbegin(); key != group->cend(); ++key) {
            appendKey(key.key(), &out);
            out += '=';
            appendValue(key.value(), utf8, &out);
            out += '\n';
        }
    }
    return out;
}
