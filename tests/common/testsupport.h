#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QColor>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPair>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>
#include <functional>

class QPushButton;
class QTimer;
class QTextEdit;
class QTranslator;
class QWidget;

// Helpers shared by the tests.
namespace TestSupport {

// Every time bound of the tests (the patience for something to happen, a ceiling on how
// long something may take) is multiplied by this one factor: 1 in the plain build, more
// in the sanitizer build, whose programs run several times slower. TK9400_TEST_TIME_FACTOR
// in the environment overrides it for a slow machine. Waits that only let something
// settle and lower bounds do not scale.
int timeFactor();
inline int timeBound(int ms) { return ms * timeFactor(); }

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

// An environment variable set while the object lives; afterwards it is as it was.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    QByteArray m_old;
    bool m_wasSet;
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

// Sets values in the settings file as it stands, e.g. as the main window has just written it.
void changeSettings(const DeviceRoot& device, const QVariantMap& values);
// Writes the settings file with the reset values, then values over them and overrides
// over those: a test's own settings win over the ones its fixture needs.
void writeSettings(const DeviceRoot& device, const QVariantMap& values = {}, const QVariantMap& overrides = {});
// The ("group/key", value) entries of an INI text, in file order.
QList<QPair<QString, QString>> iniEntries(const QByteArray& ini);

// The child of parent with that type and object name, as the forms name them. A missing
// one ends the run at once: every later step of the test would act on nothing.
template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no %s %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}
template <typename T> T* child(const QObject& parent, const QString& name)
{
    return child<T>(&parent, name);
}
QPushButton* button(const QObject* parent, const QString& name);
QPushButton* button(const QObject& parent, const QString& name);

// The on/off key reaches the software as Escape, and a window must act only on its
// release. tapEscape presses and releases it; holdEscape runs whilePressed in between, for
// the checks that nothing has happened yet.
void tapEscape(QWidget* target);
void holdEscape(QWidget* target, const std::function<void()>& whilePressed);

// Runs this test program once more, with variable set to 1 in its environment (its main
// then plays the part of such a child, the end of a process being under test), for at
// most timeoutMs (scaled by the factor above). Returns what it wrote to its standard error;
// endedWell tells whether it ended by itself with status 0.
QString runAsChild(const char* variable, int timeoutMs, bool* endedWell);

// Where a screenshot for a look by eye goes: "screenshots" in the build tree, or in the
// working directory when the test runs outside ctest.
QString screenshotPath(const QString& name);
// The rows of column x of a picture that hold exactly that colour, top first.
QList<int> rowsOf(const QImage& image, int x, const QColor& colour);
// The device's font on the whole application, so that texts take the room they take there.
void useDeviceFont();
// The device's style sheet and font on the whole application, so that grabbed widgets look
// as they do on the device. False when the style sheet cannot be read.
bool useDeviceLook();
// Each run of text in the log whose colour has less than 4.5:1 contrast (as the web's
// accessibility guidelines reckon it) against the log's page as drawn.
QStringList lowContrastText(QTextEdit* log);
// Sets or clears the immutable flag of a file or directory (root only). False when it cannot.
bool setImmutable(const QString& hostPath, bool on);
// Makes a directory refuse new entries, as root by the immutable flag, otherwise by taking
// its write access; or gives them back. False when it cannot.
bool lockDirectory(const QString& hostPath, bool locked);
// Every text of a label, button or line edit below root (root included) that is shown but
// does not fit its widget in the widget's font: wider or taller than the room the widget
// leaves for it after margins, indent, icons and style sheet padding (a word-wrapped label
// by its wrapped height), every number a graph paints on its scales that does not fit
// its box, and every text of a label or button whose glyphs a shown widget painted after
// it covers in part (a later sibling of it or of one of its parents). One line per text:
// object name, text, the size it needs and has, or the widget that covers it.
QStringList textOverflows(QWidget* root);
// Every button below root that the keys can reach (tab focus, shown, enabled) whose key
// focus cannot be told outdoors: the middle of its left edge changes by less than 4.5:1
// when it takes the focus. One line per button: object name and the two colours.
QStringList unseenFocus(QWidget* root);
// The contrast ratio of two colours (1 to 21) by their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);
// Loads the English catalogue into translator and installs it. False when it cannot be loaded.
bool installEnglish(QTranslator& translator);

} // namespace TestSupport

// The QTRY_ macros of QtTest (with or without an explicit timeout) wait up to the bound
// scaled by the factor above.
#undef QTRY_IMPL
#define QTRY_IMPL(expr, timeout)                                                                                       \
    const int qt_test_timeoutValue = TestSupport::timeBound(timeout);                                                  \
    const int qt_test_step = qt_test_timeoutValue < 350 ? qt_test_timeoutValue / 7 + 1 : 50;                           \
    {                                                                                                                  \
        QTRY_LOOP_IMPL((expr), qt_test_timeoutValue, qt_test_step);                                                    \
    }                                                                                                                  \
    QTRY_TIMEOUT_DEBUG_IMPL((expr), qt_test_timeoutValue, qt_test_step)

// The main of a test program that runAsChild starts again: with `variable` in its
// environment it runs childMain(argc, argv) instead of the tests, as that child.
#define TK9400_TEST_MAIN_WITH_CHILD(Application, TestObject, variable, childMain)                                     \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        if (qEnvironmentVariableIsSet(variable))                                                                       \
            return childMain(argc, argv);                                                                              \
        Application app(argc, argv);                                                                                   \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

#endif // TESTSUPPORT_H
