#ifndef ESCAPEDIALOG_H
#define ESCAPEDIALOG_H

#include <QDialog>

class QKeyEvent;

// A full-screen modal dialog without a frame that the on/off key leaves like a cancel:
// its press (Escape) is swallowed, its release rejects the dialog. Return and Enter
// press no default button; other keys go to the plain widget handling.
class EscapeDialog : public QDialog
{
    Q_OBJECT

protected:
    explicit EscapeDialog(QWidget* parent = nullptr);

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

#endif // ESCAPEDIALOG_H
