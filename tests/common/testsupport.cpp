#include "testsupport.h"

#include "Hardware/platform.h"
#include "Management/systemsettings.h"
#include "Tools/iconbutton.h"
#include "Tools/longtermdata.h"
#include "Tools/settingsbutton.h"
#include "btcontrollines.h"
#include "devicetree.h"
#include "startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QPair>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

#include <cmath>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TestSupport {

int timeFactor()
{
    static const int factor = [] {
        bool ok = false;
        const int fromEnvironment = qEnvironmentVariableIntValue("TK9400_TEST_TIME_FACTOR", &ok);
        return ok && fromEnvironment > 0 ? fromEnvironment : TK9400_TEST_TIME_FACTOR;
    }();
    return factor;
}

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

ScopedEnvironment::ScopedEnvironment(const char* name, const QByteArray& value)
    : m_name(name)
    , m_old(qgetenv(name))
    , m_wasSet(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (m_wasSet)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
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

QString runAsChild(const char* variable, int timeoutMs, bool* endedWell)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(variable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    const bool finished = child.waitForFinished(timeBound(timeoutMs));
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    *endedWell = finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return QString::fromLocal8Bit(child.readAllStandardError());
}

QString screenshotPath(const QString& name)
{
    const QString dir = qEnvironmentVariable("TK9400_BINARY_DIR", QDir::currentPath()) + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

void useDeviceFont()
{
    // The program's own choice, so the fit checks measure what the PC shows.
    Startup::setApplicationFont();
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

namespace {

QString describe(const QWidget* widget, const QString& text, const QSize& needs, const QSize& has)
{
    QString name = widget->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(widget->metaObject()->className());
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
        .arg(name, QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n")))
        .arg(needs.width())
        .arg(needs.height())
        .arg(has.width())
        .arg(has.height());
}

// The size a text needs in font, laid out in a box width wide when it wraps, for the room
// to show all of its glyphs. The lines stand in boxes of the font's height, placed in the
// room by the vertical alignment in flags (centred without one); the room the font keeps
// above and below the glyphs may reach past the widget, the glyphs may not: a box that
// reaches below the room cuts off the descenders of "g", "p" or a bracket. The extra
// height of fallback fonts (those of Chinese, Japanese and Korean keep much more room
// above and below their glyphs) does not count.
QSize textSize(const QFont& font, const QString& text, int flags, int width)
{
    const QFontMetrics metrics(font);
    QSize size = (flags & Qt::TextWordWrap)
                     ? metrics.boundingRect(QRect(0, 0, qMax(1, width), 100000), flags, text).size()
                     : metrics.size(flags, text);
    // One line of these glyphs, in whichever fonts draw them, and how far they reach.
    const QString oneLine = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const int line = metrics.size(0, oneLine).height();
    const int box = size.height() - qMax(0, line - metrics.height());
    const QRect ink = metrics.tightBoundingRect(oneLine);
    const int roomAbove = qMax(0, metrics.ascent() + ink.top());
    const int roomBelow = qMax(0, metrics.descent() - (ink.bottom() + 1));
    if (flags & Qt::AlignTop)
        size.setHeight(box - roomBelow);
    else if (flags & Qt::AlignBottom)
        size.setHeight(box - roomAbove);
    else
        size.setHeight(box - 2 * qMin(roomAbove, roomBelow));
    return size;
}

void checkText(QStringList& out, const QWidget* widget, const QFont& font, const QString& text, const QRect& room,
               int flags)
{
    if (text.isEmpty())
        return;
    const QSize needs = textSize(font, text, flags, room.width());
    if (needs.width() > room.width() || needs.height() > room.height())
        out << describe(widget, text, needs, room.size());
}

// One text as a widget paints it: in that font, in that room, placed there by flags.
struct PlacedText
{
    QString text;
    QFont font;
    QRect room;
    int flags = 0;
};

// Whether a widget paints anything over what lies below it: not a bare container or an
// empty label.
bool paints(const QWidget* widget)
{
    if (widget->metaObject() == &QWidget::staticMetaObject || qobject_cast<const QStackedWidget*>(widget))
        return widget->autoFillBackground();
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        return !label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || label->movie()
               || !label->styleSheet().isEmpty() || label->autoFillBackground()
               || label->frameShape() != QFrame::NoFrame;
    }
    return true;
}

// Whether over is painted after under: a child of it, or on a branch of their common
// parent that comes after under's branch.
bool paintedAfter(const QWidget* over, const QWidget* under)
{
    if (under->isAncestorOf(over))
        return true;
    if (over->isAncestorOf(under))
        return false;
    const QWidget* branch = over;
    while (branch->parentWidget() && !branch->parentWidget()->isAncestorOf(under))
        branch = branch->parentWidget();
    const QWidget* common = branch->parentWidget();
    if (!common)
        return false;
    const QWidget* underBranch = under;
    while (underBranch->parentWidget() != common)
        underBranch = underBranch->parentWidget();
    const QObjectList& children = common->children();
    return children.indexOf(const_cast<QWidget*>(branch)) > children.indexOf(const_cast<QWidget*>(underBranch));
}

// Where a widget shows in its window: its rectangle within those of its parents.
QRect shownArea(const QWidget* widget)
{
    const QWidget* window = widget->window();
    QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    for (const QWidget* parent = widget->parentWidget(); parent && parent != window; parent = parent->parentWidget())
        area &= QRect(parent->mapTo(window, QPoint(0, 0)), parent->size());
    return area;
}

// The text's glyphs where the widget paints them, and every shown widget of the window
// painted over a part of them.
void checkCovered(QStringList& out, const QWidget* widget, const PlacedText& placed)
{
    const int flags = placed.flags & ~int(Qt::AlignHorizontal_Mask);
    const QSize needs = textSize(placed.font, placed.text, flags, placed.room.width()).boundedTo(placed.room.size());
    Qt::Alignment align = Qt::Alignment(placed.flags) & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask);
    if (!(align & Qt::AlignHorizontal_Mask))
        align |= Qt::AlignLeft;
    if (!(align & Qt::AlignVertical_Mask))
        align |= Qt::AlignVCenter;
    const QWidget* window = widget->window();
    const QRect glyphs = QStyle::alignedRect(Qt::LeftToRight, align, needs, placed.room)
                             .translated(widget->mapTo(window, QPoint(0, 0)))
                         & shownArea(widget);
    if (glyphs.isEmpty())
        return;
    for (const QWidget* other : window->findChildren<QWidget*>()) {
        if (other == widget || !other->isVisibleTo(window) || !paints(other) || !paintedAfter(other, widget))
            continue;
        const QRect covered = shownArea(other) & glyphs;
        if (!covered.isEmpty()) {
            out << QStringLiteral("%1 \"%2\" covered by %3 in %4x%5 of its %6x%7")
                       .arg(widget->objectName(), placed.text, other->objectName())
                       .arg(covered.width())
                       .arg(covered.height())
                       .arg(glyphs.width())
                       .arg(glyphs.height());
        }
    }
}

void checkPlaced(QStringList& out, const QWidget* widget, const PlacedText& placed)
{
    checkText(out, widget, placed.font, placed.text, placed.room, placed.flags & ~int(Qt::AlignHorizontal_Mask));
    checkCovered(out, widget, placed);
}

// The text of a label, or none when it shows a picture or a movie.
bool labelText(const QLabel* label, PlacedText* placed)
{
    if (label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || label->movie())
        return false;
    QString text = label->text();
    if (Qt::mightBeRichText(text) && label->textFormat() != Qt::PlainText) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = QFontMetrics(label->font()).horizontalAdvance(QLatin1Char('x')) / 2;
    const Qt::Alignment align = label->alignment();
    if (indent > 0) {
        if (align & (Qt::AlignLeft | Qt::AlignRight))
            room.setWidth(room.width() - indent);
        else if (align & (Qt::AlignTop | Qt::AlignBottom))
            room.setHeight(room.height() - indent);
    }
    *placed = PlacedText{text, label->font(), room, int(align) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0)};
    return true;
}

// The text of a push button, check box or radio button as the style lays it out (the
// buttons that paint their own texts are not asked).
bool buttonText(QAbstractButton* button, PlacedText* placed)
{
    const QString text = button->text();
    if (text.isEmpty())
        return false;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(button))
        element = QStyle::SE_RadioButtonContents;
    const int horizontal = element == QStyle::SE_PushButtonContents ? Qt::AlignHCenter : Qt::AlignLeft;
    QRect room = button->style()->subElementRect(element, &option, button);
    if (element == QStyle::SE_PushButtonContents && !option.icon.isNull())
        room.setWidth(room.width() - option.iconSize.width() - 4);
    // A style sheet may set the text at the foot of the button, under its picture.
    static const QRegularExpression textAlign(QStringLiteral("text-align:\\s*(top|bottom)"));
    const QRegularExpressionMatch align = textAlign.match(button->styleSheet());
    int vertical = 0;
    if (align.hasMatch())
        vertical = align.captured(1) == QLatin1String("top") ? Qt::AlignTop : Qt::AlignBottom;
    *placed = PlacedText{text, button->font(), room, Qt::TextShowMnemonic | horizontal | vertical};
    return true;
}

void checkButton(QStringList& out, QAbstractButton* button)
{
    if (auto* settings = qobject_cast<SettingsButton*>(button)) {
        const QFont widgetFont = settings->font();
        const QRect line(0, 0, SettingsButton::kTextWidth, SettingsButton::kLineHeight);
        checkText(out, button, QFont(widgetFont.defaultFamily(), widgetFont.pointSize(), 75), settings->getText1(), line, 0);
        checkText(out, button, QFont(widgetFont.defaultFamily(), widgetFont.pointSize(), 50), settings->getText2(), line, 0);
        return;
    }
    if (auto* iconButton = qobject_cast<IconButton*>(button)) {
        const QRect room(0, 0, qMax(0, button->width() - IconButton::kTextLeft), button->height());
        checkText(out, button, button->font(), iconButton->text(), room, 0);
        return;
    }
    PlacedText placed;
    if (buttonText(button, &placed))
        checkPlaced(out, button, placed);
}

// The room QLineEdit leaves its text: the style's contents, the text margins and the
// 2 pixels it keeps left and right. A line taller than the room starts at its top (the
// edit rounds its centring that way), so the descenders are what it cuts.
void checkLineEdit(QStringList& out, const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.state |= QStyle::State_Sunken;
    QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    room = room.marginsRemoved(edit->textMargins()).adjusted(2, 0, -2, 0);
    checkText(out, edit, edit->font(), edit->text(), room, Qt::AlignTop);
}

// The numbers a graph paints on its scales, each in its box where the widget shows it.
void checkGraph(QStringList& out, const LongtermData* graph)
{
    for (const LongtermData::ScaleLabel& label : graph->scaleLabels())
        checkText(out, graph, label.font, label.text, label.box & graph->rect(), 0);
}

} // namespace

QStringList textOverflows(QWidget* root)
{
    QStringList out;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    const QWidget* window = root->window();
    for (QWidget* widget : widgets) {
        if (widget != window && !widget->isVisibleTo(window))
            continue;
        PlacedText placed;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (labelText(label, &placed))
                checkPlaced(out, label, placed);
        }
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            checkButton(out, button);
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            checkLineEdit(out, edit);
        else if (auto* graph = qobject_cast<LongtermData*>(widget))
            checkGraph(out, graph);
    }
    return out;
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return qMax(x, y) / qMin(x, y);
}

QStringList unseenFocus(QWidget* root)
{
    QStringList unseen;
    QWidget* const before = QApplication::focusWidget();
    QApplication::setActiveWindow(root->window());
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || !button->isEnabled() || !(button->focusPolicy() & Qt::TabFocus))
            continue;
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        const QPoint edge(1, button->height() / 2);
        const QColor plain = button->grab().toImage().pixelColor(edge);
        button->setFocus(Qt::TabFocusReason);
        const QColor focused = button->grab().toImage().pixelColor(edge);
        if (!button->hasFocus() || contrastRatio(focused, plain) < 4.5)
            unseen << QStringLiteral("%1 %2 on %3").arg(button->objectName(), focused.name(), plain.name());
    }
    if (before)
        before->setFocus();
    return unseen;
}

QStringList lowContrastText(QTextEdit* log)
{
    const QImage page = log->viewport()->grab().toImage();
    const QColor background = page.pixelColor(page.width() - 2, page.height() - 2);
    QStringList out;
    for (QTextBlock block = log->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QColor colour = format.foreground().style() == Qt::NoBrush ? log->palette().color(QPalette::Text)
                                                                             : format.foreground().color();
            if (contrastRatio(colour, background) < 4.5)
                out << QStringLiteral("\"%1\" %2 on %3").arg(it.fragment().text(), colour.name(), background.name());
        }
    }
    return out;
}

bool setImmutable(const QString& hostPath, bool on)
{
    const int fd = open(QFile::encodeName(hostPath).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
}

bool lockDirectory(const QString& hostPath, bool locked)
{
    if (geteuid() == 0)
        return setImmutable(hostPath, locked);
    return chmod(QFile::encodeName(hostPath).constData(), locked ? 0555 : 0755) == 0;
}

bool installEnglish(QTranslator& translator)
{
    if (!translator.load(QStringLiteral(":/Languages/GB_TK9400.qm")))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}

} // namespace TestSupport
