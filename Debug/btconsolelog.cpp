#include "Debug/btconsolelog.h"

#include "Hardware/bluetooth.h"

#include <QTextCharFormat>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace BtConsoleLog {

namespace {
constexpr int kWritten = 1;
}

void append(QTextEdit* log, const QColor& colour, const QString& text)
{
    QTextCursor cursor(log->document());
    cursor.movePosition(QTextCursor::End);
    // An empty document's first paragraph is taken, unless an empty line was written to it.
    const QTextDocument* document = log->document();
    if (!document->isEmpty() || document->firstBlock().userState() == kWritten)
        cursor.insertBlock();
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.insertText(text, format);
    cursor.block().setUserState(kWritten);
    log->setTextCursor(cursor);
}

void insert(QTextEdit* log, const QColor& colour, const QString& text)
{
    QTextCursor cursor = log->textCursor();
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.insertText(text, format);
    cursor.block().setUserState(kWritten);
    log->setTextCursor(cursor);
}

bool appendReceived(QTextEdit* log, Bluetooth* link, const QColor& colour)
{
    if (!link)
        return false;
    QString text = link->getData();
    if (text.isEmpty())
        return false;
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    append(log, colour, text);
    return true;
}

QString commandLineProblem(const QString& line)
{
    if (line.size() > kMaxCommandLength)
        return QStringLiteral("Not sent: longer than %1 characters.").arg(kMaxCommandLength);
    for (const QChar c : line) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return QStringLiteral("Not sent: only printable ASCII characters, no line end.");
    }
    return QString();
}

} // namespace BtConsoleLog
