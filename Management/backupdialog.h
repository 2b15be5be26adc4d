#ifndef BACKUPDIALOG_H
#define BACKUPDIALOG_H

#include <QDialog>

// USB data-transfer dialog, run modally by the management screen (placeholder until its screen is built).
class BackupDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BackupDialog(QWidget* parent = nullptr);
};

#endif // BACKUPDIALOG_H
