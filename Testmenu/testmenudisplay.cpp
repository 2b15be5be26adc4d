#include "Testmenu/testmenudisplay.h"
#include "ui_testmenudisplay.h"

#include <QGraphicsScene>
#include <QPen>
#include <QTimer>

namespace {

QPen solidPen(const QColor& colour)
{
    return QPen(QBrush(colour), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

const int kScreenWidth = 480;
const int kScreenHeight = 272;
const int kDefaultX = 160;
const int kDefaultY = 7;
const int kDefaultSize = 258;

} // namespace

int& TestmenuDisplay::patternMs()
{
    static int ms = kPatternMs;
    return ms;
}

TestmenuDisplay::TestmenuDisplay(QWidget* parent)
    : TestDialog(QStringLiteral("cmdTestDisplay"), parent)
    , ui(new Ui::TestmenuDisplay)
{
    ui->setupUi(this);
    scene = new QGraphicsScene(this);
    startFrame();
    ui->graphicsView->setScene(scene);
    // Scene point (0, 0) at the view's top-left corner in every size of the view.
    ui->graphicsView->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui->graphicsView->setBackgroundBrush(QBrush(Qt::white));
    defaultView();
    ui->butPass->hide();
}

TestmenuDisplay::~TestmenuDisplay()
{
    delete ui;
}

void TestmenuDisplay::setViewGeometry(int x, int y, int width, int height)
{
    ui->graphicsView->setGeometry(x, y, width, height);
    ui->graphicsView->setSceneRect(0, 0, width, height);
}

void TestmenuDisplay::hideAllElements()
{
    ui->butBack->hide();
    ui->butColor->hide();
    ui->butGradient->hide();
    ui->butGrid->hide();
}

void TestmenuDisplay::showAllElements()
{
    ui->butBack->show();
    ui->butColor->show();
    ui->butGradient->show();
    ui->butGrid->show();
}

void TestmenuDisplay::defaultView()
{
    ui->graphicsView->setBackgroundBrush(QBrush(Qt::white));
    setViewGeometry(kDefaultX, kDefaultY, kDefaultSize, kDefaultSize);
    scene->clear();
    scene->addRect(0, 0, kDefaultSize, kDefaultSize, solidPen(Qt::red), QBrush(Qt::red));
    for (int i = 1; i <= 256; ++i)
        scene->addLine(i, 1, i, 256, solidPen(QColor(i - 1, i - 1, i - 1)));
    showAllElements();
}

// Every pattern ends on its own timer; a later pattern does not cancel an earlier one's.
void TestmenuDisplay::patternShown()
{
    QTimer::singleShot(patternMs(), this, &TestmenuDisplay::defaultView);
    ui->butPass->show();
}

void TestmenuDisplay::on_butGrid_clicked()
{
    hideAllElements();
    ui->graphicsView->setBackgroundBrush(QBrush(Qt::black));
    scene->clear();
    const QPen white = solidPen(Qt::white);
    scene->addRect(0, 0, kScreenWidth - 1, kScreenHeight - 1, white, Qt::NoBrush);
    for (int y = 20; y < kScreenHeight; y += 21)
        scene->addLine(0, y, kScreenWidth, y, white);
    for (int x = 20; x < kScreenWidth; x += 20)
        scene->addLine(x, 0, x, kScreenHeight, white);
    setViewGeometry(0, 0, kScreenWidth, kScreenHeight);
    patternShown();
}

void TestmenuDisplay::on_butColor_clicked()
{
    hideAllElements();
    ui->graphicsView->setBackgroundBrush(QBrush(Qt::blue));
    setViewGeometry(0, 0, kScreenWidth, kScreenHeight);
    scene->clear();
    scene->addRect(0, 0, kScreenWidth, 90, solidPen(Qt::red), QBrush(Qt::red));
    scene->addRect(0, 91, kScreenWidth, 90, solidPen(Qt::green), QBrush(Qt::green));
    patternShown();
}

void TestmenuDisplay::on_butGradient_clicked()
{
    hideAllElements();
    ui->graphicsView->setBackgroundBrush(QBrush(Qt::blue));
    setViewGeometry(0, 0, kScreenWidth, kScreenHeight);
    scene->clear();
    // Three ramps from white to the band's colour; the step gives 255 at the right edge.
    struct Band
    {
        int top;
        int bottom;
        int channel; // the channel that stays at 255
    };
    const Band bands[] = {{0, 90, 0}, {91, 180, 1}, {181, kScreenHeight, 2}};
    for (const Band& band : bands) {
        float v = 0.0f;
        for (int x = 0; x < kScreenWidth; ++x) {
            const int c = static_cast<int>(v);
            int rgb[3] = {255 - c, 255 - c, 255 - c};
            rgb[band.channel] = 255;
            scene->addLine(x, band.top, x, band.bottom, solidPen(QColor(rgb[0], rgb[1], rgb[2])));
            v = static_cast<float>(static_cast<double>(v) + 0.533333);
        }
    }
    patternShown();
}

bool TestmenuDisplay::executeOwnCommand(const QString& line)
{
    if (line.startsWith(QLatin1String("cmdDisplayGrid")))
        on_butGrid_clicked();
    else if (line.startsWith(QLatin1String("cmdDisplayColor")))
        on_butColor_clicked();
    else if (line.startsWith(QLatin1String("cmdDisplayGradient")))
        on_butGradient_clicked();
    else
        return false;
    return true;
}
