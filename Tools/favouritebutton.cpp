#include "Tools/favouritebutton.h"

#include "Hardware/devicepaths.h"
#include "Hardware/platform.h"
#include "Hardware/usbexport.h"
#include "Mainmenu/measuringpage.h"
#include "Management/systemsettings.h"
#include "Tools/escapekey.h"
#include "mainmenu.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QTimer>

namespace {

bool isMeasuringPage(int widget)
{
    return widget == 1 || widget == 3 || widget == 6 || widget == 8 || widget == 9 || widget == 11;
}
} // namespace

FavouriteButton::FavouriteButton(QWidget* parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
}

FavouriteButton::~FavouriteButton()
{
    m_timer->stop();
}

void FavouriteButton::init()
{
    m_currPinState = false;
    m_butFavNum = MainMenu::getInstanceMainMenu()->getInstanceSystemsettings()->getFavouriteButton(&m_butFavText);
    qDebug() << "FavouriteButton initialized";
}

int FavouriteButton::storeFavouriteFunction()
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    Systemsettings* settings = mainMenu->getInstanceSystemsettings();
    // A favourite that is not stored (the store has said so) stays the old one.
    if (settings->setFavouriteButton(mainMenu->getCurrentVisibleDlgNum()) != 0) {
        m_butFavNum = settings->getFavouriteButton(&m_butFavText);
        return -1;
    }
    m_butFavNum = mainMenu->getCurrentVisibleDlgNum();
    qDebug() << "New Favourite-Button fuction stored";
    mainMenu->displayPopup(1);
    return 0;
}

int FavouriteButton::widgetForFavourite(int favouriteNum)
{
    switch (favouriteNum) {
    case 1: return 3;
    case 2: return 1;
    case 3: return 9;
    case 4: return 6;
    case 5: return 8;
    default: return -1;
    }
}

int FavouriteButton::execFavouriteFunction()
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    m_butFavNum = mainMenu->getInstanceSystemsettings()->getFavouriteButton(&m_butFavText);
    static const char* const messages[] = {
        "Generate Screenshot", "Open Dialog Pinpointing", "Open Dialog Levelmeasurement",
        "Open Dialog Longterm-Measurement", "Open Dialog H2-Sensor", "Open Dialog Pipelocating",
    };
    if (m_butFavNum < 0 || m_butFavNum > 5)
        return 0;
    if (m_butFavNum == 0) {
        qDebug() << messages[m_butFavNum];
        generateScreenshot();
        return 0;
    }
    const int widget = widgetForFavourite(m_butFavNum);
    const bool onMeasuringPage = !mainMenu->isMainMenuVisible() && isMeasuringPage(mainMenu->getCurrentWidget());
    // A measuring page's dialogs are its settings, its notes and its save keyboard: the key
    // leaves them as the on/off key does. Any other dialog may be in the middle of work that
    // must not be cut short (the data partition with a PC, a firmware copy or transfer, the
    // restart after it) or be followed by a step of its own screen (the main page after the
    // sensor unit's configuration): there the key does nothing.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && !onMeasuringPage) {
        qDebug() << "Favourite key ignored over" << modal->metaObject()->className();
        return 0;
    }
    // A store copies the clips the page has written, and the page started anew in place
    // removes them: the store's messages stay until the store is done.
    if (auto* measuring = qobject_cast<MeasuringPage*>(mainMenu->currentPage()); measuring && measuring->isStoring()) {
        qDebug() << "Favourite key ignored during the store";
        return 0;
    }
    closeModalDialogs();
    // One that does not close on the key (the pop-up's second) keeps what lies below it.
    if (QWidget* staying = QApplication::activeModalWidget()) {
        qDebug() << "Favourite key ignored over" << staying->metaObject()->className();
        return 0;
    }
    qDebug() << messages[m_butFavNum];
    // A measuring page that is left takes its leaving steps first (timers, the unit's mute
    // key), as when the on/off key leaves it.
    QWidget* page = mainMenu->currentPage();
    if (onMeasuringPage && mainMenu->getCurrentWidget() != widget && page) {
        QKeyEvent escape(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, QString(), false, 1);
        QCoreApplication::sendEvent(page, &escape);
    }
    mainMenu->displayFavouriteDialog(widget);
    return 0;
}

int FavouriteButton::nextScreenshotNumber(const QString& directory) const
{
    // Numbering goes on after the highest picture already there, so a restart never
    // overwrites earlier screenshots.
    static const QRegularExpression name(QStringLiteral("^pic_(\\d+)\\.png$"));
    int next = m_screenshotCnt;
    const QStringList files = QDir(directory).entryList({QStringLiteral("pic_*.png")}, QDir::Files);
    for (const QString& file : files) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch())
            next = qMax(next, match.captured(1).toInt() + 1);
    }
    return next;
}

int FavouriteButton::generateScreenshot()
{
    if (!UsbExport::isPartitionMounted()) {
        qDebug() << "Screenshot skipped: data partition not mounted";
        return -1;
    }
    QWidget* window = QApplication::activeWindow();
    if (!window)
        window = MainMenu::getInstanceMainMenu();
    // Always a full screen: a smaller window (a pop-up) sits at its place on black.
    QPixmap picture(480, 272);
    picture.fill(Qt::black);
    if (window) {
        // The screen is the main window: a dialog goes where it stands relative to it,
        // wherever a PC's window system has put the main window.
        const MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
        QPoint at;
        if (window->isWindow() && window != mainMenu)
            at = mainMenu ? window->mapToGlobal(QPoint()) - mainMenu->mapToGlobal(QPoint()) : window->pos();
        QPainter painter(&picture);
        painter.drawPixmap(at, window->grab(QRect(0, 0, 480, 272)));
    }

    const QString directory = Platform::devicePath(DevicePaths::onDataPartition(QStringLiteral("screenshots/")));
    QDir().mkpath(directory);
    m_screenshotCnt = nextScreenshotNumber(directory);
    const QString file = directory + QStringLiteral("pic_%1.png").arg(m_screenshotCnt, 3, 10, QLatin1Char('0'));
    const bool saved = picture.save(file);
    if (saved) {
        ++m_screenshotCnt;
        m_lastScreenshot = file;
    }
    MainMenu::getInstanceMainMenu()->displayPopup(2);
    qDebug() << "Screenshot finished" << saved << file;
    return 0;
}
