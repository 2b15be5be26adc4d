#ifndef BACKUPDIALOG_H
#define BACKUPDIALOG_H

#include <QDialog>

namespace Ui {
class BackupDialog;
}
class QByteArray;
class QString;

// The USB data-transfer dialog: Connect hands the data partition to a PC as a USB
// drive, Disconnect takes it back and applies the special files the PC left on it
// (serial number, production date, settings, a script), Cancel takes it back and closes.
class BackupDialog : public QDialog
{
    Q_OBJECT
public:
    // The script gets this long, then it is killed.
    static const int kScriptTimeoutMs = 10 * 60 * 1000;
    // Larger special files are refused: none of them is anywhere near this big.
    static const qint64 kMaxIdentityFileBytes = 4096;

    explicit BackupDialog(QWidget* parent = nullptr);
    ~BackupDialog() override;

    // Applies the special files found on the data partition now. Needs nothing of the
    // dialog's state: the production USB test calls it on a dialog it never shows.
    void checkForSpecialFiles();
    // The return steps; a partition that is not mounted afterwards (also one the gadget
    // still holds) is reported to the user. The firmware update takes it back the same way.
    static bool takePartitionBack();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butConnect_clicked();
    void on_butDisconnect_clicked();
    void on_butMenuCancel_clicked();

private:
    bool isExported() const;
    void showExported(bool exported);

    void applyIdentityFile(const char* name, const QString& target, int logBytes, const char* logText);
    void applySettingsFile();
    void runUniversalScript();

    Ui::BackupDialog* ui;
};

#endif // BACKUPDIALOG_H
