#ifndef FAVOURITEBUTTON_H
#define FAVOURITEBUTTON_H

#include <QString>
#include <QWidget>

class QTimer;

// What the favourite key opens (0 screenshot, 1 pinpointing, 2 level measurement,
// 3 long-term, 4 H2 sensor, 5 pipe locating); takes the screenshots. Never shown.
class FavouriteButton : public QWidget
{
    Q_OBJECT
public:
    explicit FavouriteButton(QWidget* parent = nullptr);
    ~FavouriteButton() override;

    void init();
    int storeFavouriteFunction();
    int execFavouriteFunction();
    int generateScreenshot();

    // The widget number that favourite number opens, or -1.
    static int widgetForFavourite(int favouriteNum);
    QString lastScreenshotFile() const { return m_lastScreenshot; }

private:
    int nextScreenshotNumber(const QString& directory) const;

    QTimer* m_timer;
    bool m_currPinState = false;
    bool m_lastPinState = false;
    int m_butFavNum = 2;
    QString m_butFavText;
    int m_timerCntStore = 0;
    int m_screenshotCnt = 0;
    QString m_lastScreenshot;
};

#endif // FAVOURITEBUTTON_H
