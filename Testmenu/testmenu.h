#ifndef TESTMENU_H
#define TESTMENU_H

#include <QDialog>
#include <QString>

class QKeyEvent;
class TestmenuRemoteCtrl;

namespace Ui {
class TestMenu;
}

// The production test menu: three pages of buttons that start the fourteen test dialogs,
// one at a time and modally, by hand or by a test station's opening command through the
// menu's own channel. Run modally by the main window, which destroys it afterwards.
// Closed by the Home button, the on/off key (F11) or "cmdFinish"; Escape does not close it.
class TestMenu : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPages = 3;

    explicit TestMenu(QWidget* parent = nullptr);
    ~TestMenu() override;

    int currentPage() const { return m_currentPage; }

public slots:
    void executeCommand(QString line);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void on_butUp_clicked();
    void on_butDown_clicked();
    void on_butCancel_clicked();

    void on_butBattery_clicked();
    void on_butKeyboard_clicked();
    void on_butLed_clicked();
    void on_butDisplay_clicked();
    void on_butSensordetection_clicked();
    void on_butUsb_clicked();
    void on_butInitBt_clicked();
    void on_butSelftest_clicked();
    void on_butGps_clicked();
    void on_butAudio_clicked();
    void on_butUartUsbSwitch_clicked();
    void on_butSdcard_clicked();
    void on_butAudioLoopback_clicked();
    void on_butEnableFlashUpdate_clicked();

private:
    void showPage(int page);
    template <typename Dialog> void runDialog();

    Ui::TestMenu* ui;
    TestmenuRemoteCtrl* remoteCtrl = nullptr;
    int m_currentPage = 1;
};

#endif // TESTMENU_H
