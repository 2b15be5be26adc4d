#include "Management/measmanagementedit.h"
#include "ui_measmanagementedit.h"

#include "Tools/escapekey.h"
#include "Tools/virtualkeyboard.h"

#include <QDebug>

namespace {
const char* const kDateFormat = "yyyyMMdd";
const char* const kTimeFormat = "hhmmss";
} // namespace

MeasManagementEdit::MeasManagementEdit(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::MeasManagementEdit)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Dialog);
}

MeasManagementEdit::~MeasManagementEdit()
{
    delete ui;
}

void MeasManagementEdit::convertDirnameToString(QString a_dirName, QString* a_measType, QDate* a_date, QTime* a_time,
                                                QString* a_name)
{
    *a_measType = a_dirName.left(2);
    *a_date = QDate::fromString(a_dirName.mid(3, 8), QLatin1String(kDateFormat));
    *a_time = QTime::fromString(a_dirName.mid(12, 6), QLatin1String(kTimeFormat));
    *a_name = a_dirName.mid(19);
}

void MeasManagementEdit::convertStringToDirname(QString* a_dirName, QString a_measType, QDate a_date, QTime a_time,
                                                QString a_name)
{
    // A null date or time formats as an empty string.
    *a_dirName = a_measType.trimmed() + QLatin1Char('_') + a_date.toString(QLatin1String(kDateFormat))
        + QLatin1Char('_') + a_time.toString(QLatin1String(kTimeFormat)) + QLatin1Char('_') + a_name.trimmed();
}

void MeasManagementEdit::init(QString a_dirName)
{
    convertDirnameToString(a_dirName, &m_measType, &m_date, &m_time, &m_measurementName);
    ui->lineEditDirName->setText(m_measurementName);
    m_newMeasurementName = m_measurementName;
    ui->labelDateTime->setText(m_date.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(' ')
                               + m_time.toString(QStringLiteral("hh:mm:ss")));

    if (m_measType == QLatin1String("PP"))
        ui->labelMeasurementType->setText(tr("Histogram"));
    else if (m_measType == QLatin1String("LE"))
        ui->labelMeasurementType->setText(tr("Levelmeasurement"));
    else if (m_measType == QLatin1String("PL"))
        ui->labelMeasurementType->setText(tr("Pipelocating"));
    else if (m_measType == QLatin1String("H2"))
        ui->labelMeasurementType->setText(tr("H2-Measurement"));
    else if (m_measType == QLatin1String("LT"))
        ui->labelMeasurementType->setText(tr("Longtermmeasurement"));
}

void MeasManagementEdit::on_butEdit_clicked()
{
    VirtualKeyboard keyboard(this);
    // Always the stored name: closing the keyboard drops every edit, an earlier one too.
    keyboard.setText(m_measurementName);
    keyboard.useEnterAsAccept(true);
    if (keyboard.exec() == 1) {
        m_newMeasurementName = keyboard.getText().trimmed();
        qDebug().noquote() << "Text:" << m_newMeasurementName;
    } else {
        m_newMeasurementName = m_measurementName;
        qDebug() << "Text: verworfen";
    }
    ui->lineEditDirName->setText(m_newMeasurementName);
}

void MeasManagementEdit::on_butAccept_clicked()
{
    convertStringToDirname(&m_newDirName, m_measType, m_date, m_time, m_newMeasurementName);
    done(Accepted);
}

void MeasManagementEdit::on_butDelete_clicked()
{
    m_newDirName.clear();
    done(Deleted);
}

void MeasManagementEdit::on_butCancel_clicked()
{
    m_newDirName.clear();
    done(Cancelled);
}

void MeasManagementEdit::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QWidget::keyPressEvent(event);
}

void MeasManagementEdit::keyReleaseEvent(QKeyEvent* event)
{
    if (!takeEscape(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        on_butCancel_clicked();
}
