#ifndef FAVOURITEBUTTON_H
#define FAVOURITEBUTTON_H

#include <QString>
#include <QWidget>

// What the favourite key opens; never shown.
class FavouriteButton : public QWidget
{
    Q_OBJECT
public:
    explicit FavouriteButton(QWidget* parent = nullptr);

    void init();
    int storeFavouriteFunction();
    int execFavouriteFunction();
    int generateScreenshot();

private:
    int m_butFavNum = 2;
    QString m_butFavText;
};

#endif // FAVOURITEBUTTON_H
