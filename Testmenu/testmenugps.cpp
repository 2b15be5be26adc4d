#include "Testmenu/testmenugps.h"
#include "ui_testmenugps.h"

#include "Hardware/gps.h"
#include "Testmenu/testmenuremotectrl.h"
#include "mainmenu.h"

#include <QTimer>

namespace {

bool awayFromZero(double degrees)
{
    // A NaN compares false both ways, so it is no position either.
    return degrees < -TestmenuGps::kZeroBound || degrees > TestmenuGps::kZeroBound;
}

} // namespace

TestmenuGps::TestmenuGps(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestGps"), parent)
    , ui(new Ui::TestmenuGps)
{
    ui->setupUi(this);
    if (MainMenu* mainMenu = MainMenu::getInstanceMainMenu())
        m_gpsModul = mainMenu->getGpsInstance();
    // Sentences kept from before the test would let a dead receiver pass.
    if (m_gpsModul)
        m_gpsModul->clearLastGpsData();
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &TestmenuGps::updateGpsData);
    m_timer->start(kReadingIntervalMs);
    startFrame();
    ui->butPass->hide();
}

TestmenuGps::~TestmenuGps()
{
    m_timer->stop();
    delete m_timer;
    delete ui;
}

void TestmenuGps::updateGpsData()
{
    if (!m_gpsModul)
        return;
    const double latitude = m_gpsModul->getLatitude();
    const double longitude = m_gpsModul->getLongitude();
    ui->lineEditLatitude->setText(QString::number(latitude, 'f', 6));
    ui->lineEditLongitude->setText(QString::number(longitude, 'f', 6));

    const QStringList parts = m_gpsModul->getNmeaString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString sentence = part.trimmed();
        if (sentence.startsWith(QLatin1String("$GPRMC")) || sentence.startsWith(QLatin1String("$GNRMC"))) {
            ui->textEditNmea->clear();
            ui->textEditNmea->appendPlainText(sentence);
            ui->butPass->show();
            m_modulConnected = true;
        }
    }
    // The position a receiver left behind before it fell silent is no position.
    m_gpsPositionValid = m_modulConnected && awayFromZero(latitude) && awayFromZero(longitude);
}

bool TestmenuGps::executeOwnCommand(const QString& line)
{
    if (line.startsWith(QLatin1String("cmdGpsGetStatusPosition")))
        remoteCtrl->writeResult(m_gpsPositionValid ? QStringLiteral("resGpsStatusPosition=OK")
                                                   : QStringLiteral("resGpsStatusPosition=ERROR"));
    else if (line.startsWith(QLatin1String("cmdGpsGetStatusModulConnected")))
        remoteCtrl->writeResult(m_modulConnected ? QStringLiteral("resGpsStatusModulConnected=OK")
                                                 : QStringLiteral("resGpsStatusModulConnected=ERROR"));
    else
        return false;
    return true;
}
