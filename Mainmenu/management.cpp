#include "Mainmenu/management.h"
#include "ui_management.h"

#include "Management/backupdialog.h"
#include "Management/configuration.h"
#include "Management/firmwareupdate.h"

Management::Management(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Management)
{
    ui->setupUi(this);
}

Management::~Management()
{
    delete ui;
}

void Management::init()
{
    // The data-transfer button keeps its fixed text from the form.
    ui->butMeasurements->setText(tr("Measurements"));
    ui->butDeviceConfig->setText(tr("QJ-5"));
    ui->butFirmwareupdate->setText(tr("Update"));
    ui->butGps->setText(tr("GPS"));
    ui->butSystemsettings->setText(tr("Settings"));
    ui->widgetStatus->init(ui->widgetStatus->width(), ui->widgetStatus->height());
}

// Runs a dialog modally with this screen as parent and deletes it when it ends;
// the member points at the dialog only while it runs. Its result is not used.
template <typename Dialog> void Management::runDialog(Dialog*& dialog)
{
    dialog = new Dialog(this);
    dialog->exec();
    delete dialog;
    dialog = nullptr;
}

void Management::on_butMeasurements_clicked()
{
    emit gotoWidget(7, 1, 0);
}

void Management::on_butDatatransmission_clicked()
{
    runDialog(m_backupDialog);
}

void Management::on_butDeviceConfig_clicked()
{
    runDialog(m_configuration);
    // However the configuration dialog was left, the main page follows it.
    emit gotoWidget(0, -1, 0);
}

void Management::on_butFirmwareupdate_clicked()
{
    runDialog(m_firmwareupdate);
}

void Management::on_butGps_clicked()
{
    emit gotoWidget(10, -1, 0);
}

void Management::on_butSystemsettings_clicked()
{
    emit gotoWidget(5, 1, 0);
}
