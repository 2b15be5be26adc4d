#include "Management/SettingsAdjust/settingsdialog.h"

#include "Tools/escapekey.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>

namespace {
const char* const kPictureFolder = ":/Resources/Icons/Management/Systemsettings/";
}

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

void SettingsDialog::initFrame()
{
    for (const char* name : {"mainArea", "subMenu"}) {
        if (auto* stack = findChild<QStackedWidget*>(QLatin1String(name)))
            stack->setCurrentIndex(0);
    }
    if (auto* accept = findChild<QPushButton*>(QStringLiteral("butAccept")))
        connect(accept, &QPushButton::clicked, this, &SettingsDialog::acceptClicked);
    if (auto* close = findChild<QPushButton*>(QStringLiteral("butClose")))
        connect(close, &QPushButton::clicked, this, &SettingsDialog::closeClicked);
    // A focused push button in a dialog would click itself on Return or Enter.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void SettingsDialog::acceptClicked()
{
    accept();
}

void SettingsDialog::closeClicked()
{
    reject();
}

QString SettingsDialog::radioSwitchStyle(const QString& image)
{
    return QStringLiteral("QPushButton {image: url(%1%2); border: 0px; padding: 0px; background-color: transparent;}")
        .arg(QLatin1String(kPictureFolder), image);
}

void SettingsDialog::setRadioSwitch(QPushButton* radioSwitch, const QString& image)
{
    radioSwitch->setStyleSheet(radioSwitchStyle(image));
}

QString SettingsDialog::radioSwitchImage(const QPushButton* radioSwitch)
{
    static const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    const QString path = url.match(radioSwitch->styleSheet()).captured(1);
    return path.section(QLatin1Char('/'), -1);
}

void SettingsDialog::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QWidget::keyPressEvent(event);
}

void SettingsDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        reject();
    else
        QWidget::keyReleaseEvent(event);
}
