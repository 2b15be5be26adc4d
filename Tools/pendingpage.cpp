#include "Tools/pendingpage.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

void buildPendingPage(QWidget* page, const QString& title, const std::function<void()>& onBack)
{
    page->setGeometry(0, 0, 480, 272);
    auto* label = new QLabel(title, page);
    label->setObjectName(QStringLiteral("labelTitle"));
    label->setGeometry(10, 10, 400, 40);
    auto* back = new QPushButton(page);
    back->setObjectName(QStringLiteral("butMenuBack"));
    back->setGeometry(426, 109, 54, 54);
    back->setFocusPolicy(Qt::NoFocus);
    back->setStyleSheet(QStringLiteral(
        "QPushButton{background-image: url(:/Resources/Icons/Allgemein/Home_ws_44px.png); background-repeat: no-repeat;"
        " background-position: center; border: none;}"
        "QPushButton:pressed{background-image: url(:/Resources/Icons/Allgemein/Home_sw_44px.png);}"));
    QObject::connect(back, &QPushButton::clicked, page, onBack);
}
