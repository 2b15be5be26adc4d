#include "Testmenu/testmenuremotectrl.h"
#include "ui_testmenuremotectrl.h"

#include "Hardware/platform.h"

#include <QDebug>
#include <QList>
#include <QSet>
#include <QTimer>

const char* const TestmenuRemoteCtrl::kCommandFile = "/media/ramdisk/production";
const char* const TestmenuRemoteCtrl::kScriptCommand = "/home/root/hardwaretest.sh dbg";

namespace {

// Every channel alive, oldest first; the last one that polls takes the lines.
QList<TestmenuRemoteCtrl*>& channels()
{
    static QList<TestmenuRemoteCtrl*> list;
    return list;
}

// The script hung once: it is left alone until the file can be read again.
bool g_scriptBlocked = false;

// What the command file held when a channel of this process last read or wrote it.
struct SeenLine
{
    QString path;
    QByteArray bytes;
};

SeenLine& lastSeen()
{
    static SeenLine seen;
    return seen;
}

} // namespace

int& TestmenuRemoteCtrl::pollIntervalMs()
{
    static int ms = kDefaultPollIntervalMs;
    return ms;
}

int& TestmenuRemoteCtrl::scriptTimeoutMs()
{
    static int ms = kDefaultScriptTimeoutMs;
    return ms;
}

bool TestmenuRemoteCtrl::scriptBlocked()
{
    return g_scriptBlocked;
}

TestmenuRemoteCtrl::TestmenuRemoteCtrl(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::TestmenuRemoteCtrl)
    , m_timer(new QTimer(this))
{
    ui->setupUi(this);
    removeLeftoversOnce();
    channels().append(this);
    connect(m_timer, &QTimer::timeout, this, &TestmenuRemoteCtrl::readCommandFile, Qt::UniqueConnection);
    m_timer->start(pollIntervalMs());
}

TestmenuRemoteCtrl::~TestmenuRemoteCtrl()
{
    channels().removeAll(this);
    delete m_timer;
    delete ui;
}

bool TestmenuRemoteCtrl::isPolling() const
{
    return m_timer->isActive();
}

bool TestmenuRemoteCtrl::isInnermost() const
{
    const QList<TestmenuRemoteCtrl*>& list = channels();
    for (int i = list.size() - 1; i >= 0; --i) {
        if (list.at(i)->isPolling())
            return list.at(i) == this;
    }
    return false;
}

void TestmenuRemoteCtrl::runHardwareTestScript()
{
    if (g_scriptBlocked)
        return;
    const Platform::CommandResult result
        = Platform::runCommandResult(QString::fromLatin1(kScriptCommand), scriptTimeoutMs(), scriptTimeoutMs(), 0);
    if (result.timedOut) {
        g_scriptBlocked = true;
        qWarning().noquote() << kScriptCommand << "did not end within" << scriptTimeoutMs()
                             << "ms; not started again until the command file can be read";
    }
}

void TestmenuRemoteCtrl::readCommandFile()
{
    // A poll whose owner runs a dialog lasts until that dialog closes; the nested event
    // loop must not start another one meanwhile.
    if (m_inPoll || !isInnermost())
        return;
    m_inPoll = true;

    // The station owns the RAM disk: whatever stands at the name is opened without being
    // followed or waited on, and read only when it is a regular file.
    QByteArray raw;
    if (!Platform::readRegularFileStart(commandFilePath(), kMaxLineBytes, &raw)) {
        qDebug().noquote() << "Could not open/read file" << kCommandFile;
        runHardwareTestScript();
        m_inPoll = false;
        return;
    }
    lastSeen() = {commandFilePath(), raw};
    const int end = raw.indexOf('\n');
    if (end >= 0)
        raw.truncate(end + 1);
    if (g_scriptBlocked) {
        g_scriptBlocked = false;
        qDebug().noquote() << "Command file readable again;" << kScriptCommand << "may run again";
    }

    const int nul = raw.indexOf('\0');
    if (nul >= 0)
        raw.truncate(nul);
    analyseCommand(QString::fromLatin1(raw));
    m_inPoll = false;
}

int TestmenuRemoteCtrl::analyseCommand(QString line)
{
    if (line.startsWith(QLatin1String("cmd"))) {
        writeResult(QStringLiteral("staActive"));
        emit sendCommand(line);
        return 0;
    }
    if (line.startsWith(QLatin1String("res")) || line.startsWith(QLatin1String("sta")))
        return 0;
    writeResult(QStringLiteral("staUnknownCommand"));
    return -1;
}

void TestmenuRemoteCtrl::writeResult(QString text)
{
    text += QLatin1Char('\n');
    // A station that took the acknowledgement for the final line while the owner was still
    // busy has written its next command by now: a late answer in its place would lose it.
    bool superseded = false;
    const auto stillDue = [&superseded] {
        superseded = stationWroteSince();
        return !superseded;
    };
    if (replaceLine(text.toLatin1(), stillDue))
        return;
    if (superseded) {
        qDebug().noquote() << "Not written, the station has written since:" << text.trimmed();
        return;
    }
    qDebug().noquote() << "Could not open/write file" << kCommandFile;
    runHardwareTestScript();
}

bool TestmenuRemoteCtrl::writeCommandFile(const QByteArray& line)
{
    return replaceLine(line, {});
}

bool TestmenuRemoteCtrl::replaceLine(const QByteArray& line, const std::function<bool()>& stillDue)
{
    // The station owns the file system of the RAM disk: whatever stands at the name is
    // replaced, neither followed nor waited for, and the station never reads half an answer.
    const QString path = commandFilePath();
    if (!Platform::writeRegularFile(path, line, stillDue))
        return false;
    lastSeen() = {path, line};
    return true;
}

bool TestmenuRemoteCtrl::stationWroteSince()
{
    // Only a regular file that reads otherwise is the station's: whatever else stands at
    // the name gives way to the answer, as it does to any write.
    const SeenLine& seen = lastSeen();
    const QString path = commandFilePath();
    QByteArray now;
    return seen.path == path && Platform::readRegularFileStart(path, kMaxLineBytes, &now)
        && now != seen.bytes.left(kMaxLineBytes);
}

void TestmenuRemoteCtrl::removeLeftoversOnce()
{
    // An answer cut off between its write and its rename (a power cut, a kill) leaves its
    // staged copy on the RAM disk. Only the first channel looks: after that, every write of
    // this process has ended before the next channel is made, and what stands beside the
    // file is the station's.
    static QSet<QString> cleaned;
    const QString path = commandFilePath();
    if (cleaned.contains(path))
        return;
    cleaned.insert(path);
    Platform::removeStagedLeftovers(path);
}

QString TestmenuRemoteCtrl::commandFilePath()
{
    return Platform::devicePath(QString::fromLatin1(kCommandFile));
}

void TestmenuRemoteCtrl::on_butBack_clicked()
{
    m_timer->stop();
    close();
}
