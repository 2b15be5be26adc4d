#include "testsupport.h"

#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "btmodulesim.h"
#include "devicetree.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QPair>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

namespace TestSupport {

namespace {

struct Expected
{
    QtMsgType type;
    QRegularExpression pattern;
};

QtMessageHandler g_previous = nullptr;
// Worker threads log too: the lists are guarded.
QMutex g_mutex;
QList<Expected> g_expected;
QStringList g_logged;

bool takeExpected(QtMsgType type, const QString& text)
{
    for (int i = 0; i < g_expected.size(); ++i) {
        if (g_expected.at(i).type == type && g_expected.at(i).pattern.match(text).hasMatch()) {
            g_expected.removeAt(i);
            return true;
        }
    }
    return false;
}

const char* typeName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "debug";
    case QtInfoMsg:
        return "info";
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "critical";
    case QtFatalMsg:
        return "fatal";
    }
    return "?";
}

void strictHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const bool ours = context.file != nullptr; // Qt's own release libraries carry no context
    {
        QMutexLocker lock(&g_mutex);
        if (ours)
            g_logged.append(QString::fromLatin1(typeName(type)) + QStringLiteral(": ") + text);
        if (takeExpected(type, text))
            return;
    }
    const bool verbose = !qEnvironmentVariableIsEmpty("TK9400_TEST_VERBOSE");
    if (type == QtDebugMsg || type == QtInfoMsg) {
        if (verbose && g_previous)
            g_previous(type, context, text);
        return;
    }
    if (g_previous)
        g_previous(type, context, text);
    if (ours && (type == QtWarningMsg || type == QtCriticalMsg))
        QTest::qFail(qPrintable(QStringLiteral("unexpected %1 from %2:%3: %4")
                                    .arg(QString::fromLatin1(typeName(type)), QString::fromLatin1(context.file))
                                    .arg(context.line)
                                    .arg(text)),
                     __FILE__, __LINE__);
}

} // namespace

void installStrictMessageHandler()
{
    QtMessageHandler previous = qInstallMessageHandler(strictHandler);
    if (previous != strictHandler)
        g_previous = previous;
}

void expectMessage(QtMsgType type, const QRegularExpression& pattern)
{
    QMutexLocker lock(&g_mutex);
    g_expected.append({type, pattern});
}

void expectMessage(QtMsgType type, const QString& exactText)
{
    expectMessage(type, QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(exactText) + QLatin1Char('$')));
}

void verifyExpectedMessagesSeen()
{
    QStringList missing;
    {
        QMutexLocker lock(&g_mutex);
        for (const Expected& e : qAsConst(g_expected))
            missing.append(e.pattern.pattern());
        g_expected.clear();
    }
    if (!missing.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("expected messages not seen: ") + missing.join(QStringLiteral(" | "))),
                     __FILE__, __LINE__);
}

QStringList loggedMessages()
{
    QMutexLocker lock(&g_mutex);
    return g_logged;
}

void clearLoggedMessages()
{
    QMutexLocker lock(&g_mutex);
    g_logged.clear();
}

bool logged(const QString& fragment)
{
    QMutexLocker lock(&g_mutex);
    for (const QString& line : qAsConst(g_logged)) {
        if (line.contains(fragment))
            return true;
    }
    return false;
}

ModalCloser::ModalCloser(std::function<void(QWidget*)> inspect)
    : m_timer(new QTimer)
    , m_inspect(std::move(inspect))
{
    QObject::connect(m_timer, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_seen.append(QString::fromLatin1(modal->metaObject()->className()));
        if (m_inspect)
            m_inspect(modal);
        modal->close();
    });
    m_timer->start(0);
}

ModalCloser::~ModalCloser()
{
    delete m_timer;
}

DeviceRoot::DeviceRoot()
{
    QString error;
    if (!m_dir.isValid() || !DeviceTree::create(m_dir.path(), &error))
        qFatal("cannot create a device tree: %s", qPrintable(error));
    Platform::setRootDirectory(m_dir.path());
    // Simulated modules in this process hear the control lines as they are written.
    Platform::setWriteHook([](const char* absolutePath, const QByteArray& value) {
        BtControlLines::notifyWrite(Platform::devicePath(QString::fromLatin1(absolutePath)), value);
    });
    // The simulated codec behind the ALSA mixer keeps its state in the same tree.
    qputenv("TK9400_ROOT", QFile::encodeName(m_dir.path()));
    if (qEnvironmentVariableIsEmpty("TK9400_CODEC_PLUGIN"))
        qputenv("TK9400_CODEC_PLUGIN", TK9400_CODEC_PLUGIN);
}

DeviceRoot::~DeviceRoot()
{
    qunsetenv("TK9400_ROOT");
    QDir::setCurrent(QDir::tempPath());
    Platform::setRootDirectory(QString());
    Platform::setTerminateHandler(nullptr);
    Platform::setCommandHook(nullptr);
    Platform::setWriteHook(nullptr);
}

QString DeviceRoot::root() const
{
    return m_dir.path();
}

QString DeviceRoot::hostPath(const QString& absolutePath) const
{
    return m_dir.path() + absolutePath;
}

QByteArray DeviceRoot::read(const QString& absolutePath) const
{
    return DeviceTree::readAttribute(m_dir.path(), absolutePath);
}

bool DeviceRoot::write(const QString& absolutePath, const QByteArray& value) const
{
    return DeviceTree::writeAttribute(m_dir.path(), absolutePath, value);
}

bool DeviceRoot::remove(const QString& absolutePath) const
{
    return QFile::remove(hostPath(absolutePath));
}

QStringList DeviceRoot::commandLines() const
{
    return QString::fromUtf8(read(QStringLiteral("/commands.log"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList DeviceRoot::commands() const
{
    QStringList result;
    for (const QString& line : commandLines())
        result.append(line.section(QLatin1Char('\t'), 1));
    return result;
}

void DeviceRoot::journalWrites() const
{
    write(QStringLiteral("/sysfs-writes.log"), QByteArray());
}

QStringList DeviceRoot::writes() const
{
    return QString::fromLatin1(read(QStringLiteral("/sysfs-writes.log"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void changeSettings(const DeviceRoot& device, const QVariantMap& values)
{
    QSettings file(device.hostPath(QStringLiteral("/home/root/settings.ini")), QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it)
        file.setValue(it.key(), it.value());
}

void writeSettings(const DeviceRoot& device, const QVariantMap& values, const QVariantMap& overrides)
{
    {
        Systemsettings defaults; // writes the file with the reset values
    }
    QVariantMap all = values;
    all.insert(overrides);
    changeSettings(device, all);
}

QList<QPair<QString, QString>> iniEntries(const QByteArray& ini)
{
    QList<QPair<QString, QString>> entries;
    QString group;
    for (const QByteArray& raw : ini.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            group = line.mid(1, line.size() - 2);
        else if (line.contains(QLatin1Char('=')))
            entries.append({group + QLatin1Char('/') + line.section(QLatin1Char('='), 0, 0),
                            line.section(QLatin1Char('='), 1)});
    }
    return entries;
}

QPushButton* button(const QObject* parent, const QString& name)
{
    return child<QPushButton>(parent, name);
}

QPushButton* button(const QObject& parent, const QString& name)
{
    return child<QPushButton>(parent, name);
}

void tapEscape(QWidget* target)
{
    QTest::keyClick(target, Qt::Key_Escape);
}

void holdEscape(QWidget* target, const std::function<void()>& whilePressed)
{
    QTest::keyPress(target, Qt::Key_Escape);
    whilePressed();
    QTest::keyRelease(target, Qt::Key_Escape);
}

QList<int> rowsOf(const QImage& image, int x, const QColor& colour)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour)
            rows << y;
    return rows;
}

QString screenshotPath(const QString& name)
{
    const QString dir = qEnvironmentVariable("TK9400_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

void useDeviceFont()
{
    QFont font(QStringLiteral("Arial Unicode MS"));
    font.setPixelSize(20);
    qApp->setFont(font);
}

bool useDeviceLook()
{
    QFile qss(QStringLiteral(":/Stylesheets/Resources/Stylesheets/default.qss"));
    if (!qss.open(QIODevice::ReadOnly))
        return false;
    qApp->setStyleSheet(QString::fromLatin1(qss.readAll()));
    useDeviceFont();
    return true;
}

bool installEnglish(QTranslator& translator)
{
    if (!translator.load(QStringLiteral(":/Languages/GB_TK9400.qm")))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}

} // namespace TestSupport
