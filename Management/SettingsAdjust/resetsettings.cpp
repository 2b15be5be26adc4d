#include "Management/SettingsAdjust/resetsettings.h"
#include "ui_resetsettings.h"

#include "Tools/messagedialog.h"

#include <QDebug>

ResetSettings::ResetSettings(QWidget* parent)
    : SettingsDialog(parent)
    , ui(new Ui::ResetSettings)
{
    ui->setupUi(this);
    initFrame();
}

ResetSettings::~ResetSettings()
{
    delete ui;
}

void ResetSettings::on_butMenuBack_clicked()
{
    reject();
}

void ResetSettings::on_butReset_clicked()
{
    MessageDialog message(this);
    message.setIcon(MessageDialog::IconWarning);
    message.setHeadline(tr("Warning"));
    message.setDialogType(MessageDialog::TypeYesNo);
    message.setInfotext(tr("DoYouReallyWantToResetAllSettings"));
    message.exec(); // always ends by closing; the pressed button tells the answer

    switch (message.getPressedButton()) {
    case MessageDialog::ButtonYes:
        qDebug() << "Messagedialog Button Yes";
        accept();
        break;
    case MessageDialog::ButtonNo:
        qDebug() << "Messagedialog Button No";
        reject();
        break;
    default:
        qDebug() << "Messagedialog Button Unknown";
        reject();
        break;
    }
}
