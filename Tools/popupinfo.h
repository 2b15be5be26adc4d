#ifndef POPUPINFO_H
#define POPUPINFO_H

#include <QDialog>

namespace Ui {
class PopupInfo;
}
class QTimer;

// A small modal confirmation that shows one picture for one second and closes itself.
class PopupInfo : public QDialog
{
    Q_OBJECT
public:
    explicit PopupInfo(QWidget* parent = nullptr);
    ~PopupInfo() override;

    void setPicture(int code);

    static const int kShowTimeMs = 1000;

public slots:
    void closeDlg();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    Ui::PopupInfo* ui;
    QTimer* m_timer;
};

#endif // POPUPINFO_H
