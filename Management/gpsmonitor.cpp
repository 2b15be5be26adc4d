#include "Management/gpsmonitor.h"
#include "ui_gpsmonitor.h"

#include "Hardware/gps.h"
#include "Hardware/platform.h"
#include "Tools/escapekey.h"
#include "globals.h"
#include "mainmenu.h"

#include <QDebug>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

#include <cmath>

namespace {

const double kMetresPerDegree = 111300.0;
const double kPi = 3.14159265358979323846;
// The receiver gives the speed over ground in knots.
const double kMetresPerSecondPerKnot = 1852.0 / 3600.0;

QString hemisphere(double x, int a_latLong)
{
    if (a_latLong == 0)
        return x < 0 ? QStringLiteral("S") : QStringLiteral("N");
    return x < 0 ? QStringLiteral("W") : QStringLiteral("E");
}

} // namespace

GpsMonitor::GpsMonitor(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::GpsMonitor)
{
    ui->setupUi(this);
    // A focused button must not click itself on Return or Enter.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    ui->textGpsRcv->document()->setMaximumBlockCount(kMaxLogParagraphs);

    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
        gpsModul = mainMenu->getGpsInstance();
    m_gpsFormat = 0;
    m_refLatitude = 0.0;
    m_refLongitude = 0.0;
    showPosition();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("updateTimer"));
    connect(m_timer, &QTimer::timeout, this, &GpsMonitor::updateGpsData);
    m_timer->start(kUpdateIntervalMs);
}

GpsMonitor::~GpsMonitor()
{
    m_timer->stop();
    delete m_timer;
    delete ui;
}

void GpsMonitor::init()
{
    ui->retranslateUi(this);
    setFocus();
    if (gpsModul)
        gpsModul->clearLastGpsData();
    ui->butMenuNmea->setVisible(g_debugFeatures == 1);
    showPosition();
    ui->subMenu->setFocus();
    ui->butMenuBack->setFocus();
}

QString GpsMonitor::convertGpsFormat(double a_decPosition, int a_latLong, int a_format)
{
    const double x = a_decPosition;
    if (a_format == 0)
        return QStringLiteral("%1").arg(x, 0, 'f', 6);
    if ((a_format != 1 && a_format != 2) || !std::isfinite(x))
        return QString();

    // Rounded to the shown decimals as a whole before it is split, so that the seconds or
    // minutes never read 60 (10.2 degrees is 10 12' 0", not 10 11' 60").
    const double magnitude = std::fabs(x);
    if (a_format == 1) {
        const qint64 perSecond = 10000;
        const qint64 ticks = qint64(std::llround(magnitude * 3600.0 * perSecond));
        const qint64 degrees = ticks / (3600 * perSecond);
        const qint64 minutes = ticks % (3600 * perSecond) / (60 * perSecond);
        const double seconds = double(ticks % (60 * perSecond)) / perSecond;
        return hemisphere(x, a_latLong)
            + QStringLiteral(" %1\u00B0 %2' %3\"").arg(degrees).arg(minutes).arg(seconds, 0, 'f', 4);
    }
    const qint64 perMinute = 100000;
    const qint64 ticks = qint64(std::llround(magnitude * 60.0 * perMinute));
    const qint64 degrees = ticks / (60 * perMinute);
    const double minutes = double(ticks % (60 * perMinute)) / perMinute;
    return hemisphere(x, a_latLong) + QStringLiteral(" %1\u00B0 %2'").arg(degrees).arg(minutes, 0, 'f', 5);
}

double GpsMonitor::calculateGpsDistance(double a_refLatitude, double a_refLongitude, double a_curLatitude,
                                        double a_curLongitude)
{
    const double m = std::cos(((a_refLatitude + a_curLatitude) * 0.5) * kPi / 180.0);
    const double dy = (a_refLatitude - a_curLatitude) * kMetresPerDegree;
    const double dx = m * kMetresPerDegree * (a_refLongitude - a_curLongitude);
    return std::sqrt(dx * dx + dy * dy);
}

void GpsMonitor::updateGpsData()
{
    if (!gpsModul)
        return;
    const double latitude = gpsModul->getLatitude();
    const double longitude = gpsModul->getLongitude();
    m_gpsDataValid = gpsModul->isGpsDataValid();
    const QString none = QStringLiteral("---");

    if (m_gpsDataValid) {
        const QString latitudeText = convertGpsFormat(latitude, 0, m_gpsFormat);
        const QString longitudeText = convertGpsFormat(longitude, 1, m_gpsFormat);
        ui->leditLatitude->setText(latitudeText);
        ui->leditCurLatitude->setText(latitudeText);
        ui->leditLongitude->setText(longitudeText);
        ui->leditCurLongitude->setText(longitudeText);
    } else {
        ui->leditLatitude->setText(none);
        ui->leditCurLatitude->setText(none);
        ui->leditLongitude->setText(none);
        ui->leditCurLongitude->setText(none);
    }

    const double distance = calculateGpsDistance(m_refLatitude, m_refLongitude, latitude, longitude);
    if (m_refLatitude != 0.0 || m_refLongitude != 0.0)
        ui->leditDistance->setText(QStringLiteral("%1 m").arg(distance, 0, 'f', 3));
    else
        ui->leditDistance->setText(QStringLiteral("--- m"));

    const QDateTime stamp = gpsModul->getDateTime();
    const QString gpsTime = stamp.time().toString(Qt::TextDate);
    const QString clockTime = Platform::currentDateTime().time().toString(Qt::TextDate);
    if (!gpsTime.isEmpty())
        ui->leditTime->setText(gpsTime + QStringLiteral(" (%1)").arg(clockTime));
    else
        ui->leditTime->setText(QStringLiteral("%1? (%2)").arg(gpsModul->getRmcUtcTime(), clockTime));
    ui->leditDate->setText(stamp.date().toString(Qt::TextDate));

    // One paragraph per update: the sentences on lines of their own within it.
    QString sentences = gpsModul->getNmeaString().trimmed();
    sentences.replace(QLatin1Char('\n'), QChar::LineSeparator);
    ui->textGpsRcv->append(sentences);

    // The figures of a fix are the last fix's while there is none: shown as no value, like
    // the position. The satellites in view are the receiver's and stay.
    const bool fix = m_gpsDataValid;
    ui->leditSatInfoDirection->setText(
        QStringLiteral("%1 \u00B0").arg(fix ? QString::number(gpsModul->getGpsCourseOverGround(), 'f', 1) : none));
    ui->leditSatInfoGroundspeed->setText(QStringLiteral("%1 m/s").arg(
        fix ? QString::number(gpsModul->getGpsSpeedOverGround() * kMetresPerSecondPerKnot, 'f', 1) : none));
    ui->leditNumSat->setText(QStringLiteral("Used:%1 View:%2")
                                 .arg(fix ? QString::number(gpsModul->getNumSatellitesUsed()) : none)
                                 .arg(gpsModul->getNumSatellitesInView()));
    ui->leditSatInfoHeight->setText(
        QStringLiteral("%1 m").arg(fix ? QString::number(gpsModul->getGpsHeightOverSea(), 'g', 6) : none));
    const int quality = gpsModul->getGpsQuality();
    ui->progbarQuality->setValue(quality);
    ui->progbarQualitySatInfo->setValue(quality);
}

void GpsMonitor::showPosition()
{
    ui->mainArea->setCurrentWidget(ui->pagePosition);
    ui->subMenu->setCurrentWidget(ui->pageSubPosition);
}

void GpsMonitor::showDistance()
{
    ui->mainArea->setCurrentWidget(ui->pageDistance);
    ui->subMenu->setCurrentWidget(ui->pageSubDistance);
}

void GpsMonitor::showSatInfo()
{
    ui->mainArea->setCurrentWidget(ui->pageSatInfo);
    ui->subMenu->setCurrentWidget(ui->pageSubSatInfo);
}

void GpsMonitor::nextFormat()
{
    m_gpsFormat = (m_gpsFormat == 0) ? 1 : (m_gpsFormat == 1) ? 2 : 0;
}

void GpsMonitor::on_butMenuBack_clicked()
{
    emit gotoWidget(0, -1, 0);
}

void GpsMonitor::on_butMenuBackDist_clicked()
{
    emit gotoWidget(0, -1, 0);
}

void GpsMonitor::on_butMenuBackSatInfo_clicked()
{
    emit gotoWidget(0, -1, 0);
}

void GpsMonitor::on_butMenuBackNmea_clicked()
{
    emit gotoWidget(0, -1, 0);
}

void GpsMonitor::on_butMenuDistance_clicked()
{
    showDistance();
}

void GpsMonitor::on_butMenuDistanceSatInfo_clicked()
{
    showDistance();
}

void GpsMonitor::on_butMenuSatInfo_clicked()
{
    showSatInfo();
}

void GpsMonitor::on_butMenuSatInfoDist_clicked()
{
    showSatInfo();
}

void GpsMonitor::on_butMenuPosition_clicked()
{
    showPosition();
}

void GpsMonitor::on_butMenuPositionSatInfo_clicked()
{
    showPosition();
}

void GpsMonitor::on_butMenuPositionNmea_clicked()
{
    showPosition();
}

void GpsMonitor::on_butMenuNmea_clicked()
{
    ui->mainArea->setCurrentWidget(ui->pageNmea);
    ui->subMenu->setCurrentWidget(ui->pageSubNmea);
}

void GpsMonitor::on_butMenuFormat_clicked()
{
    nextFormat();
}

void GpsMonitor::on_butMenuFormatDist_clicked()
{
    nextFormat();
}

void GpsMonitor::on_butMenuSetReference_clicked()
{
    if (!gpsModul)
        return;
    // Taken as the getters give it, valid or not; 0.0/0.0 then reads as no reference.
    m_refLatitude = gpsModul->getLatitude();
    m_refLongitude = gpsModul->getLongitude();
    ui->leditRefLatitude->setText(convertGpsFormat(m_refLatitude, 0, m_gpsFormat));
    ui->leditRefLongitude->setText(convertGpsFormat(m_refLongitude, 1, m_gpsFormat));
}

void GpsMonitor::on_butMenuStart_clicked()
{
    m_timer->start(kUpdateIntervalMs);
}

void GpsMonitor::on_butMenuStop_clicked()
{
    m_timer->stop();
    if (!gpsModul)
        return;
    // The clock is set as the fix sets it, on local time; a stamp without a fix would be
    // the receiver's guess.
    if (!gpsModul->isGpsDataValid() || !gpsModul->setSystemTime())
        qDebug() << "GPS monitor: clock not set, no valid GPS time" << gpsModul->getDateTime();
}

void GpsMonitor::on_butMenuDelete_clicked()
{
    ui->textGpsRcv->clear();
}

void GpsMonitor::keyPressEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        qDebug() << "IO-Key pressed";
    else
        QWidget::keyPressEvent(event);
}

void GpsMonitor::keyReleaseEvent(QKeyEvent* event)
{
    if (takeEscape(event))
        emit gotoWidget(0, -1, 0);
    else
        QWidget::keyReleaseEvent(event);
}
