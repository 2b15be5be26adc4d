#ifndef TESTMENUREMOTECTRL_H
#define TESTMENUREMOTECTRL_H

#include <QDialog>
#include <QString>

#include <functional>

class QTimer;

namespace Ui {
class TestmenuRemoteCtrl;
}

// The instrument's end of the production command file, through which a test station
// drives the test menu and its test dialogs: one line, written by the station ("cmd...")
// and overwritten by the instrument with its status ("sta...") and answer ("res...").
//
// The menu and every test dialog own one channel each. Channels form a process-wide
// stack in the order they were made, and only the innermost one that still polls takes
// lines: a dialog opened by hand over the menu is then served alone, as one opened by a
// remote command is. The window is never shown; the form exists for its Back button.
class TestmenuRemoteCtrl : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kDefaultPollIntervalMs = 500;
    // The file is the station's: only this much of its first line is ever read.
    static constexpr int kMaxLineBytes = 256;
    // How long the hardware test script may take before the poll goes on without it.
    static constexpr int kDefaultScriptTimeoutMs = 3000;
    static const char* const kCommandFile;
    static const char* const kScriptCommand;

    // Tests shorten these; a channel takes them when it is made.
    static int& pollIntervalMs();
    static int& scriptTimeoutMs();

    explicit TestmenuRemoteCtrl(QWidget* parent = nullptr);
    ~TestmenuRemoteCtrl() override;

    // Replaces the file's content by text and a line end, unless the file no longer holds
    // what this process last read or wrote there: the station's newer line stays. An answer
    // that cannot be written is lost.
    void writeResult(QString text);
    // Replaces the command file's contents with `line`; the menu announces itself with it too.
    static bool writeCommandFile(const QByteArray& line);
    // 0 for a command or an instrument line, -1 for a line that is neither.
    int analyseCommand(QString line);

    // Whether this channel is the one that takes lines now.
    bool isInnermost() const;
    bool isPolling() const;

    // After the script hung, it is not started again until a poll has read the file.
    static bool scriptBlocked();

signals:
    // The command line as read, line end included. Owners connect it uniquely.
    void sendCommand(QString line);

public slots:
    void readCommandFile();

private slots:
    void on_butBack_clicked();

private:
    void runHardwareTestScript();
    static bool replaceLine(const QByteArray& line, const std::function<bool()>& stillDue);
    static bool stationWroteSince();
    static void removeLeftoversOnce();
    static QString commandFilePath();

    Ui::TestmenuRemoteCtrl* ui;
    QTimer* m_timer;
    bool m_inPoll = false;
};

#endif // TESTMENUREMOTECTRL_H
