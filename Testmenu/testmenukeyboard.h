#ifndef TESTMENUKEYBOARD_H
#define TESTMENUKEYBOARD_H

#include "Testmenu/testdialog.h"

class KeyRepeatPairs;
class QTimer;

namespace Ui {
class TestmenuKeyboard;
}

// The key test of the production test menu, opened by its button or by "cmdTestKeyboard":
// each front key seen pressed and released turns green. While it is open the application
// key filter passes the raw front keys through.
class TestmenuKeyboard : public TestDialog
{
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 50;

    explicit TestmenuKeyboard(QWidget* parent = nullptr);
    ~TestmenuKeyboard() override;

public slots:
    void updateData();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool leaving() override;

private:
    void keyReleased(int key);

    Ui::TestmenuKeyboard* ui;
    KeyRepeatPairs* m_repeats = nullptr;
    QTimer* m_timer = nullptr;
    bool m_butIO_pressed = false;
    bool m_butIO_released = false;
    bool m_butFAV_pressed = false;
    bool m_butFAV_released = false;
    bool m_butUP_pressed = false;
    bool m_butUP_released = false;
    bool m_butOK_pressed = false;
    bool m_butOK_released = false;
    bool m_butDOWN_pressed = false;
    bool m_butDOWN_released = false;
    bool m_butMUTE_pressed = false;
    bool m_butMUTE_released = false;
};

#endif // TESTMENUKEYBOARD_H
