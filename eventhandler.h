#ifndef EVENTHANDLER_H
#define EVENTHANDLER_H

#include <QObject>
#include <QPointer>

class AudioCodecSetup;
class FavouriteButton;
class KeyRepeatPairs;
class QKeyEvent;
class QWidget;

// The application-wide event filter: turns the six front keys (Key_F1..Key_F6) into
// the keys the pages understand, powers down on a long press of the on/off key, stores
// the favourite on a long press of the favourite key, switches to the serial console on
// F3+F5, wakes the display from power saving, places every dialog over the main window and
// keeps a window active: the main window once shown, the window below a closed dialog.
class EventHandler : public QObject
{
    Q_OBJECT
public:
    // Auto-repeats of F1 beyond which the device powers down, of F2 that store the favourite.
    static const int kPowerDownRepeats = 7;
    static const int kStoreFavouriteRepeats = 8;
    static const int kConsoleComboRepeats = 2;

    explicit EventHandler(QObject* parent = nullptr);

    bool isShutdownArmed() const { return m_shutdown; }

signals:
    void muteKeyPressed();
    void shutdownDevice();

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    bool keyPress(QObject* obj, QKeyEvent* event);
    bool keyRelease(QObject* obj, QKeyEvent* event);
    void handleRelease(QObject* obj, int key);
    bool pointerEvent(QEvent* event);
    static void placeOverMainWindow(QObject* obj);
    static void activateWindowBelow(QObject* obj);
    static void activateIfNoneIs(QWidget* window);
    FavouriteButton* favouriteButton();

    FavouriteButton* m_favBut;
    AudioCodecSetup* m_audioCodec = nullptr;
    bool m_muted = true;
    quint64 m_lastPressTime = 0;
    int m_cnt = 0;
    int m_cntFavKey = 0;
    int m_muteKeyCnt = 0;
    // The widget the mute key's last press reached, until its release.
    QPointer<QWidget> m_mutePressReceiver;
    bool m_shutdown = false;
    int m_cntUpKey = 0;
    int m_cntDownKey = 0;
    // A touch that woke the display is swallowed from press to release.
    bool m_swallowPointer = false;
    KeyRepeatPairs* m_repeats;
};

#endif // EVENTHANDLER_H
