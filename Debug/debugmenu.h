#ifndef DEBUGMENU_H
#define DEBUGMENU_H

#include <QDialog>

class Bluetooth;
class QKeyEvent;
class QTimer;

namespace Ui {
class DebugMenu;
}

// The service engineer's menu: three pages of buttons that open the debug dialogs and run
// stress tests, resets and checks. Run modally by the main window and destroyed afterwards.
// F11 closes it (the stress timer ends only with the dialog); Escape does not.
class DebugMenu : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPages = 3;
    static constexpr int kStressIntervalMs = 517;
    static constexpr int kFwTestFileBytes = 1041;
    // The sensor-unit firmware test file on the data partition (a device path).
    static QString fwTestFile();
    static const char* const kAsoundState;

    explicit DebugMenu(QWidget* parent = nullptr);
    ~DebugMenu() override;

    int currentPage() const { return m_currentPage; }
    QTimer* stressTimer() const { return m_anyTimer; }

    // The firmware test block: a counting first quarter, then three constant quarters and a tail.
    static QByteArray firmwareTestBlock();
    // The log line for a file-system listing: where the root file system lives.
    static QString filesystemReport(const QString& listing);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void on_butUp_clicked();
    void on_butDown_clicked();
    void on_butCancel_clicked();
    void on_butInitBt_clicked();
    void on_butUartTerminal_clicked();
    void on_butBtCommand_clicked();
    void on_butGain_clicked();
    void on_butAudioLevelFft_clicked();
    void on_butFwTestString_clicked();
    void on_butDetectFilesystem_clicked();
    void on_butStresstestBluetooth_clicked();
    void on_butResetAudio_clicked();
    void on_butAudioCodecStresstest_clicked();
    void on_butSetQJ5ToDebugMode_clicked();
    void on_butCrash_clicked();
    void on_butExit_clicked();
    void on_butTetrix_clicked();
    void timerSlot();

private:
    void showPage(int page);
    // Ends the menu and every event loop that runs, with the exit code.
    void leaveApplication(int exitCode);
    void updateUartTerminalText();

    Ui::DebugMenu* ui;
    Bluetooth* m_btSink = nullptr;
    QTimer* m_anyTimer = nullptr;
    int m_currentPage = 1;
    bool m_uartTerminal = false;
};

#endif // DEBUGMENU_H
