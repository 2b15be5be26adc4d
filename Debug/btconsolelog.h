#ifndef BTCONSOLELOG_H
#define BTCONSOLELOG_H

#include <QColor>
#include <QString>

class Bluetooth;
class QTextEdit;

// The log of the Bluetooth consoles. Text from the modules is shown as it came (never as
// rich text); what goes to or comes from each module has its own colour.
namespace BtConsoleLog {

// Green, red, black and blue, dark enough to read on the log's white page (4.5:1 or more).
inline const QColor kToSource = QColor(0x00, 0x80, 0x00);
inline const QColor kToSink = QColor(0xcc, 0x00, 0x00);
inline const QColor kFromSink = Qt::black;
inline const QColor kFromSource = Qt::blue;

// A module command line holds at most this many characters.
constexpr int kMaxCommandLength = 250;

// Appends the text as a new paragraph.
void append(QTextEdit* log, const QColor& colour, const QString& text);
// Inserts the text at the log's cursor, on the same line.
void insert(QTextEdit* log, const QColor& colour, const QString& text);
// Appends what the link received since the last take, once it holds a line end;
// true when there was something.
bool appendReceived(QTextEdit* log, Bluetooth* link, const QColor& colour);
// Why the line must not go to a module (a line end inside would make a second command);
// empty when it may.
QString commandLineProblem(const QString& line);

} // namespace BtConsoleLog

#endif // BTCONSOLELOG_H
