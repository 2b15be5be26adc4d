#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

class QTimer;
class QWidget;

// Helpers shared by the tests.
namespace TestSupport {

// Installs a handler in front of QtTest's: a warning or critical message logged by the
// project's own code (it carries file and line) fails the running test unless it was
// announced with expectMessage(). Call it from initTestCase().
void installStrictMessageHandler();
void expectMessage(QtMsgType type, const QRegularExpression& pattern);
void expectMessage(QtMsgType type, const QString& exactText);
// Fails the current test when an announced message did not come.
void verifyExpectedMessagesSeen();
// Every message of the project's code since the last clear, as "type: text".
QStringList loggedMessages();
void clearLoggedMessages();
bool logged(const QString& fragment);

// While it lives, every modal dialog that opens is closed at once (rejected) and its
// class name recorded; `inspect` may look at the dialog first.
class ModalCloser
{
public:
    explicit ModalCloser(std::function<void(QWidget*)> inspect = nullptr);
    ~ModalCloser();
    QStringList seen() const { return m_seen; }

private:
    QTimer* m_timer;
    QStringList m_seen;
    std::function<void(QWidget*)> m_inspect;
};

// A fresh simulated device tree; the platform layer points at it while the object lives.
class DeviceRoot
{
public:
    DeviceRoot();
    ~DeviceRoot();
    DeviceRoot(const DeviceRoot&) = delete;
    DeviceRoot& operator=(const DeviceRoot&) = delete;

    QString root() const;
    QString hostPath(const QString& absolutePath) const;
    QByteArray read(const QString& absolutePath) const;
    bool write(const QString& absolutePath, const QByteArray& value) const;
    bool remove(const QString& absolutePath) const;
    // The recorded shell commands, without their working directories.
    QStringList commands() const;
    QStringList commandLines() const;
    // Starts recording every sysfs write in order.
    void journalWrites() const;
    QStringList writes() const;

private:
    QTemporaryDir m_dir;
};

} // namespace TestSupport

#endif // TESTSUPPORT_H
