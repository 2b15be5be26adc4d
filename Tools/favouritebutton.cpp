#include "Tools/favouritebutton.h"

#include "Management/systemsettings.h"
#include "mainmenu.h"

#include <QDebug>

FavouriteButton::FavouriteButton(QWidget* parent)
    : QWidget(parent)
{
}

void FavouriteButton::init()
{
    m_butFavNum = MainMenu::getInstanceMainMenu()->getInstanceSystemsettings()->getFavouriteButton(&m_butFavText);
    qDebug() << "FavouriteButton initialized";
}

int FavouriteButton::storeFavouriteFunction()
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    m_butFavNum = mainMenu->getCurrentVisibleDlgNum();
    mainMenu->getInstanceSystemsettings()->setFavouriteButton(m_butFavNum);
    qDebug() << "New Favourite-Button fuction stored";
    mainMenu->displayPopup(1);
    return 0;
}

int FavouriteButton::execFavouriteFunction()
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    m_butFavNum = mainMenu->getInstanceSystemsettings()->getFavouriteButton(&m_butFavText);
    switch (m_butFavNum) {
    case 0:
        qDebug() << "Generate Screenshot";
        generateScreenshot();
        break;
    case 1:
        qDebug() << "Open Dialog Pinpointing";
        mainMenu->displayFavouriteDialog(3);
        break;
    case 2:
        qDebug() << "Open Dialog Levelmeasurement";
        mainMenu->displayFavouriteDialog(1);
        break;
    case 3:
        qDebug() << "Open Dialog Longterm-Measurement";
        mainMenu->displayFavouriteDialog(9);
        break;
    case 4:
        qDebug() << "Open Dialog H2-Sensor";
        mainMenu->displayFavouriteDialog(6);
        break;
    case 5:
        qDebug() << "Open Dialog Pipelocating";
        mainMenu->displayFavouriteDialog(8);
        break;
    default:
        break;
    }
    return 0;
}

int FavouriteButton::generateScreenshot()
{
    // Screenshots are not taken in this build.
    return 0;
}
