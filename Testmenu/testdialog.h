#ifndef TESTDIALOG_H
#define TESTDIALOG_H

#include <QDialog>
#include <QString>

class TestmenuRemoteCtrl;

// What every production test dialog shares: a full-screen modal dialog with Back, Pass
// and Fail at the right edge, its own channel to the test station, and the commands
// common to all of them ("cmdExit", "cmdPass", "cmdFail" and the dialog's opening
// command, which opens nothing here and is answered "staActive").
//
// A dialog builds its form, then calls startFrame(). Its own commands come to
// executeOwnCommand(); anything neither it nor the frame knows is answered
// "staUnknownCommand". What a dialog must undo before it is left goes in leaving(),
// which runs before the answer is written; what cannot be undone fails the test, so the
// station then gets "resFailed" whichever way the dialog was left. Every other way out (Escape, a window
// closed by the window system) takes the road of Back.
class TestDialog : public QDialog
{
    Q_OBJECT

public:
    // Keep: the dialog sets the pins itself.
    enum class Connector { Uart, Usb, Keep };

    // Bounds of what a test reads: a command's listing, a sysfs attribute.
    static constexpr int kMaxListingBytes = 64 * 1024;
    static constexpr qint64 kMaxAttributeBytes = 32;

    ~TestDialog() override;

    // The attribute's first kMaxAttributeBytes, lower case and trimmed; false when it
    // cannot be opened.
    static bool readAttribute(const char* absolutePath, QString* text);

    QString openingCommand() const { return m_openingCommand; }
    TestmenuRemoteCtrl* channel() const { return remoteCtrl; }

public slots:
    void executeCommand(QString line);
    void reject() override;

protected:
    TestDialog(const QString& openingCommand, QWidget* parent);

    // Selects the shared connector's position and opens the channel. Call once the form is built.
    void startFrame(Connector connector = Connector::Uart);
    // True when the line was one of the dialog's own commands (answered by then).
    virtual bool executeOwnCommand(const QString& line);
    // False when something the test changed could not be put back.
    virtual bool leaving() { return true; }
    // What Back answers the station.
    virtual QString backAnswer() const { return QStringLiteral("resCanceled"); }
    // Sees every command line before it is handled.
    virtual void commandArriving(const QString&) {}

    TestmenuRemoteCtrl* remoteCtrl = nullptr;

protected slots:
    void on_butBack_clicked();
    void on_butPass_clicked();
    void on_butFail_clicked();

private:
    void leaveWith(const QString& answer);

    const QString m_openingCommand;
    bool m_leaving = false;
};

#endif // TESTDIALOG_H
