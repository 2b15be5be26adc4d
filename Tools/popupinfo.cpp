#include "Tools/popupinfo.h"
#include "ui_popupinfo.h"

#include <QKeyEvent>
#include <QTimer>

PopupInfo::PopupInfo(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::PopupInfo)
    , m_timer(new QTimer(this))
{
    ui->setupUi(this);
    setGeometry(215, 111, 50, 50);
    connect(m_timer, &QTimer::timeout, this, &PopupInfo::closeDlg, Qt::UniqueConnection);
}

PopupInfo::~PopupInfo()
{
    m_timer->stop();
    delete ui;
}

void PopupInfo::setPicture(int code)
{
    switch (code) {
    case 2:
        ui->label->setStyleSheet(QStringLiteral(
            "QLabel{background-image: url(:/Resources/Icons/Management/Systemsettings/ScreenshotCamera_ws_40px.png)};"));
        break;
    case 3:
        ui->label->setStyleSheet(
            QStringLiteral("QLabel{background-image: url(:/Resources/Icons/Management/Systemsettings/Bug_ws_40px.png)};"));
        break;
    default:
        ui->label->setStyleSheet(QStringLiteral(
            "QLabel{background-image: url(:/Resources/Icons/Management/Systemsettings/Favourite_ws_40px.png)};"));
        break;
    }
    m_timer->start(kShowTimeMs);
}

void PopupInfo::closeDlg()
{
    m_timer->stop();
    accept();
}

// No key closes the pop-up: it always lasts its second.
void PopupInfo::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
}

void PopupInfo::keyReleaseEvent(QKeyEvent* event)
{
    QWidget::keyReleaseEvent(event);
}
