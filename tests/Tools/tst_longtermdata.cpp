#include "Tools/longtermdata.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QScopeGuard>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using TestSupport::rowsOf;

namespace {

const QColor kScale(213, 211, 18);
const QColor kData(255, 255, 100);
const QColor kDataBackground(Qt::darkGray);
const QColor kGrid(64, 64, 64);

// The 416 x 101 graph of the long-term page: data area (30, 0)-(400, 75).
struct Graph
{
    LongtermData widget;
    explicit Graph(bool grid = false, bool axes = true)
    {
        widget.resize(416, 101);
        widget.setAxisX(0, 3, 0.5f, 0.1f, axes);
        widget.setAxisY(0, 100, 20, 10, axes);
        widget.displayHGrid(grid);
        widget.displayVGrid(grid);
        widget.init(416, 101, kScale, kData);
    }
    QImage shot() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

int countPixels(const QImage& image, const QRect& area, const QColor& colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// The row where the painted rows of [first, last] have their middle, in pixel edges.
double middle(const QPair<int, int>& rows)
{
    return (rows.first + rows.second + 1) / 2.0;
}

// The runs of rows, top first, in which the columns [left, right] hold anything but black.
QList<QPair<int, int>> paintedRows(const QImage& image, int left, int right)
{
    QList<QPair<int, int>> runs;
    for (int y = 0; y < image.height(); ++y) {
        bool painted = false;
        for (int x = left; x <= right && !painted; ++x)
            painted = image.pixelColor(x, y) != Qt::black;
        if (!painted)
            continue;
        if (!runs.isEmpty() && runs.last().second == y - 1)
            runs.last().second = y;
        else
            runs << qMakePair(y, y);
    }
    return runs;
}

// Each number of the Y scale between the first and the last whose painted glyphs do not
// stand centred on the tick of its value, as measured in the picture: the glyphs left of
// the ticks, the ticks in the scale's last columns. Its box must be centred on the very
// row of that tick: the main ticks alone reach column 27, a drawn tick's row is the
// lower of the two they paint there.
QStringList misplacedYNumbers(LongtermData& graph, float min, float max)
{
    const QImage image = graph.grab().toImage();
    const int height = graph.height() - 25; // the Y scale's, down to the last tick
    QVector<LongtermData::ScaleLabel> numbers;
    for (const LongtermData::ScaleLabel& label : graph.scaleLabels()) {
        if (label.box.right() < 29)
            numbers << label;
    }
    const QList<QPair<int, int>> glyphs = paintedRows(image, 0, 26);
    if (glyphs.size() != numbers.size())
        return {QStringLiteral("%1 numbers painted as %2 runs of rows").arg(numbers.size()).arg(glyphs.size())};
    const QList<QPair<int, int>> ticks = paintedRows(image, 28, 28);
    const QList<QPair<int, int>> mainTicks = paintedRows(image, 27, 27);
    QStringList misplaced;
    for (int i = 1; i + 1 < numbers.size(); ++i) {
        const double value = numbers.at(i).text.toDouble();
        const double at = height * (max - value) / (max - min);
        const auto nearest = [at](const QList<QPair<int, int>>& runs) {
            return std::min_element(runs.begin(), runs.end(), [at](const auto& a, const auto& b) {
                return std::abs(middle(a) - at) < std::abs(middle(b) - at);
            });
        };
        const auto tick = nearest(ticks);
        const auto mainTick = nearest(mainTicks);
        const QRect box = numbers.at(i).box;
        if (tick == ticks.end() || std::abs(middle(*tick) - at) > 1.5
            || std::abs(middle(glyphs.at(i)) - middle(*tick)) > 1 || mainTick == mainTicks.end()
            || box.top() + box.height() / 2 != mainTick->second)
            misplaced << QStringLiteral("%1 painted in rows %2-%3 (box from row %4, %7 rows), its tick at %5 (row %6)")
                             .arg(numbers.at(i).text)
                             .arg(glyphs.at(i).first)
                             .arg(glyphs.at(i).second)
                             .arg(box.top())
                             .arg(tick == ticks.end() ? -1 : middle(*tick))
                             .arg(mainTick == mainTicks.end() ? -1 : mainTick->second)
                             .arg(box.height());
    }
    return misplaced;
}

} // namespace

class TestLongtermData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }

    void layout()
    {
        LongtermData bare;
        bare.resize(416, 101);
        const QImage before = bare.grab().toImage();
        QCOMPARE(countPixels(before, before.rect(), Qt::black), 0); // no picture before init

        Graph graph(false, false);
        graph.widget.refresh();
        const QImage image = graph.shot();
        for (const QPoint& p : {QPoint(30, 0), QPoint(400, 0), QPoint(30, 75), QPoint(400, 75)})
            QCOMPARE(image.pixelColor(p), kDataBackground);
        for (const QPoint& p : {QPoint(29, 0), QPoint(29, 75), QPoint(401, 0), QPoint(30, 76), QPoint(400, 76)})
            QCOMPARE(image.pixelColor(p), QColor(Qt::black));
    }

    // The grid leaves both ends of the range free; the cached layer follows each change.
    void gridAndCache()
    {
        Graph graph(true);
        graph.widget.refresh();
        QCOMPARE(rowsOf(graph.shot(), 200, kGrid), QList<int>({15, 30, 45, 60}));
        QCOMPARE(rowsOf(graph.shot(), 153, kGrid).size(), 77); // vertical line at 1 min, into row 76

        graph.widget.displayHGrid(false);
        graph.widget.setBackgroundColorData(Qt::blue);
        graph.widget.refresh();
        QCOMPARE(rowsOf(graph.shot(), 200, kGrid), QList<int>());
        QCOMPARE(graph.shot().pixelColor(200, 40), QColor(Qt::blue));

        graph.widget.init(300, 101, kScale, kData);
        graph.widget.resize(300, 101);
        QCOMPARE(graph.shot().pixelColor(284, 40), QColor(Qt::blue));
        QCOMPARE(graph.shot().pixelColor(285, 40), QColor(Qt::black));
    }

    void dataRows_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("row");
        QTest::newRow("half") << 50.0f << 38;
        QTest::newRow("top") << 100.0f << 0;
        QTest::newRow("negative just below the area") << -3.0f << 76;
        QTest::newRow("not a number just below the area") << std::numeric_limits<float>::quiet_NaN() << 76;
    }
    void dataRows()
    {
        QFETCH(float, value);
        QFETCH(int, row);
        Graph graph(false, false);
        std::vector<float> data(180, value);
        graph.widget.refresh();
        graph.widget.drawData(data.data(), 180, 180, false);
        QCOMPARE(rowsOf(graph.shot(), 200, kData), QList<int>({row}));
    }

    void oldDataInBlack()
    {
        Graph graph;
        std::vector<float> data(180, 50.0f);
        graph.widget.refresh();
        graph.widget.drawData(data.data(), 0, 180, false);
        QCOMPARE(countPixels(graph.shot(), QRect(30, 0, 371, 76), kData), 0);

        graph.widget.drawData(data.data(), 60, 180, true);
        const QImage image = graph.shot();
        QCOMPARE(image.pixelColor(30, 38), kData); // point 0
        QCOMPARE(image.pixelColor(151, 38), kData); // point 59
        QCOMPARE(image.pixelColor(152, 38), kDataBackground); // no segment 59-60
        QCOMPARE(image.pixelColor(153, 38), QColor(Qt::black)); // point 60
        QCOMPARE(image.pixelColor(398, 38), QColor(Qt::black)); // point 179
        QCOMPARE(countPixels(image, QRect(153, 38, 246, 1), Qt::black), 246);
    }

    void scaledData()
    {
        Graph graph(false, false);
        std::vector<float> data(180, 55.0f);
        graph.widget.refresh();
        graph.widget.drawDataScaled(data.data(), 180, 180, false, 40, 60); // 75 % of the height
        QCOMPARE(rowsOf(graph.shot(), 200, kData), QList<int>({19}));
    }

    void badScaleLeavesTheOther()
    {
        Graph graph;
        graph.widget.setAxisY(5, 5, 1, 1, true);
        QVERIFY(TestSupport::logged(QStringLiteral("Error: drawYScale 5 5 1 1 true")));
        graph.widget.refresh();
        const QImage image = graph.shot();
        QCOMPARE(countPixels(image, QRect(0, 0, 29, 75), kScale), 0); // the X scale's first tick reaches x 29
        QVERIFY(countPixels(image, QRect(30, 76, 371, 24), kScale) > 100);
    }

    void hiddenAxisDrawnOnceByItsSetter()
    {
        Graph graph;
        graph.widget.setAxisX(0, 10, 2, 1, false);
        const QRect strip(32, 76, 383, 24); // the Y scale's bottom tick reaches x 31
        QVERIFY(countPixels(graph.shot(), strip, kScale) > 100);
        graph.widget.refresh();
        QCOMPARE(countPixels(graph.shot(), strip, Qt::black), strip.width() * strip.height());
    }

    // Each label against the text drawn by hand with the expected font in the expected box.
    void labels_data()
    {
        QTest::addColumn<bool>("xAxis");
        QTest::addColumn<QVector<float>>("axis");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("align");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("bold");
        const int centre = Qt::AlignCenter;
        const int left = Qt::AlignLeft | Qt::AlignVCenter;
        const int right = Qt::AlignRight | Qt::AlignVCenter;
        const QVector<float> x3{0, 3, 0.5f, 0.1f};
        QTest::newRow("x first") << true << x3 << "0" << QRect(30, 82, 30, 16) << left << 12 << true;
        QTest::newRow("x middle") << true << x3 << "1.5" << QRect(198, 82, 34, 16) << centre << 12 << true;
        QTest::newRow("x last, inside the picture") << true << x3 << "3" << QRect(383, 82, 33, 16) << centre << 12
                                                    << true;
        QTest::newRow("x 1800") << true << QVector<float>{0, 1800, 300, 100} << "900" << QRect(198, 82, 34, 12)
                                << centre << 9 << false;
        const QVector<float> y100{0, 100, 20, 10};
        // Each number centred on its tick in a box of its glyphs' height, in 10 pt rather
        // than the scale's 11 so that the top one, moved down into the picture, keeps clear
        // of the second.
        QTest::newRow("y top") << false << y100 << "100" << QRect(0, 0, 26, 9) << right << 10 << true;
        QTest::newRow("y 60") << false << y100 << "60" << QRect(0, 26, 26, 9) << right << 10 << true;
        QTest::newRow("y bottom") << false << y100 << "0" << QRect(0, 72, 26, 9) << right << 10 << true;
        QTest::newRow("y two decimals") << false << QVector<float>{0, 5, 2.5f, 0.5f} << "2.50"
                                        << QRect(0, 33, 26, 10) << right << 9 << false;
        // Ticks 7.6 rows apart: the smallest font, every second tick numbered.
        QTest::newRow("y ticks closer than a line") << false << QVector<float>{0, 5, 0.5f, 0.1f} << "3.00"
                                                    << QRect(0, 27, 26, 7) << right << 7 << false;
        QTest::newRow("y one decimal") << false << QVector<float>{0, 50, 12.5f, 2.5f} << "12.5"
                                       << QRect(0, 52, 26, 10) << right << 9 << false;
        QTest::newRow("y thousands, smaller to fit") << false << QVector<float>{0, 2000, 1000, 500} << "2000"
                                                     << QRect(0, 0, 26, 9) << right << 8 << false;
        // 4.5 steps: the 5 would stand too close to the 0 below it and is left out, the
        // others keep the font of whole steps.
        QTest::newRow("y no whole number of steps") << false << QVector<float>{0, 45, 10, 5} << "15"
                                                    << QRect(0, 45, 26, 10) << right << 11 << true;
    }
    void labels()
    {
        QFETCH(bool, xAxis);
        QFETCH(QVector<float>, axis);
        QFETCH(QString, text);
        QFETCH(QRect, box);
        QFETCH(int, align);
        QFETCH(int, pointSize);
        QFETCH(bool, bold);
        TestSupport::useDeviceFont(); // the fonts that fit depend on the family
        const auto restoreFont = qScopeGuard([] { qApp->setFont(QFont()); });
        Graph graph;
        if (xAxis)
            graph.widget.setAxisX(axis[0], axis[1], axis[2], axis[3], true);
        else
            graph.widget.setAxisY(axis[0], axis[1], axis[2], axis[3], true);
        graph.widget.refresh();

        QImage expected(416, 101, QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter painter(&expected);
        QFont font = painter.font();
        font.setPointSize(pointSize);
        font.setWeight(bold ? 75 : 50);
        painter.setFont(font);
        painter.setPen(kScale);
        painter.drawText(box, align, text);
        painter.end();
        // The whole box: no tick reaches into it.
        QVERIFY(countPixels(expected, box, Qt::black) < box.width() * box.height() - 10);
        QCOMPARE(graph.shot().copy(box), expected.copy(box));
    }

    // Every number the pages' graphs paint is whole in the program's font, at every range
    // the pages set: the fit check covers the graph's scales.
    void scaleLabelsFitAtThePagesRanges_data()
    {
        using Axes = QVector<QVector<float>>;
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Axes>("xAxes");
        QTest::addColumn<Axes>("yAxes");
        // Long-term: the three windows, the full scale and every scale the Scale button
        // makes (multiples of 5, steps of 10 below a span of 60).
        Axes longTermY{{0, 100, 20, 10}};
        for (int min = 0; min < 100; min += 5) {
            for (int max = min + 5; max <= 100; max += 5)
                longTermY << (max - min < 60 ? QVector<float>{float(min), float(max), 10, 5}
                                             : QVector<float>{float(min), float(max), 20, 10});
        }
        QTest::newRow("long-term") << QSize(416, 101) << Axes{{0, 3, 0.5f, 0.1f}, {0, 10, 2, 1}, {0, 30, 5, 1}}
                                   << longTermY;
        // H2: the fixed scales, every automatic one and every stored range, live and stored.
        Axes h2Y{{0, 1000, 250, 125}};
        for (int range = 50; range <= 1000; ++range)
            h2Y << QVector<float>{0, float(range), float(std::max(1, range / 5)), float(std::max(1, range / 10))};
        QTest::newRow("H2 live") << QSize(416, 101) << Axes{{0, 150, 30, 10}} << h2Y;
        QTest::newRow("H2 stored") << QSize(416, 185) << Axes{{0, 150, 30, 10}} << h2Y;
        // Pressure: the fixed scale and the analysis's fifths of the range measured, each
        // number whole in its two decimals.
        Axes pressureY{{0, 25, 5, 1}};
        for (int low = 0; low < 30; low += 3) {
            for (int steps = 1; steps <= 17; steps += 4) {
                const float min = low * 0.13f;
                const float max = min + steps * 0.35f;
                pressureY << QVector<float>{min, max, (max - min) / 5, (max - min) / 10};
            }
        }
        QTest::newRow("pressure") << QSize(420, 195) << Axes{{0, 150, 30, 10}, {0, 60, 12, 6}} << pressureY;
    }
    void scaleLabelsFitAtThePagesRanges()
    {
        using Axes = QVector<QVector<float>>;
        QFETCH(QSize, size);
        QFETCH(Axes, xAxes);
        QFETCH(Axes, yAxes);
        TestSupport::useDeviceFont();
        const auto restoreFont = qScopeGuard([] { qApp->setFont(QFont()); });
        LongtermData graph;
        graph.resize(size);
        graph.init(size.width(), size.height(), kScale, kData);
        QStringList overflows;
        QStringList misplaced;
        for (const QVector<float>& x : xAxes) {
            graph.setAxisX(x[0], x[1], x[2], x[3], true);
            for (const QVector<float>& y : yAxes) {
                graph.setAxisY(y[0], y[1], y[2], y[3], true);
                QVERIFY(graph.scaleLabels().size() >= 4);
                for (const QString& overflow : TestSupport::textOverflows(&graph))
                    overflows << QStringLiteral("x 0..%1, y %2..%3: %4").arg(x[1]).arg(y[0]).arg(y[1]).arg(overflow);
                if (x == xAxes.first()) {
                    for (const QString& number : misplacedYNumbers(graph, y[0], y[1]))
                        misplaced << QStringLiteral("y %1..%2: %3").arg(y[0]).arg(y[1]).arg(number);
                }
            }
        }
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join('\n')));
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.mid(0, 20).join('\n')));
    }

    // Inputs a caller may get wrong end in a bounded time without touching memory beyond
    // the point buffer.
    void hostileInputs()
    {
        std::vector<float> data(LongtermData::kMaxPoints, 50.0f);
        data[3] = std::numeric_limits<float>::infinity();
        data[4] = 1e30f;
        Graph graph(true);
        QElapsedTimer clock;
        clock.start();
        graph.widget.refresh();
        graph.widget.drawData(data.data(), 20000, 50000, false);
        QVERIFY(TestSupport::logged(QStringLiteral("drawData: limited 20000 50000")));
        QCOMPARE(graph.shot().pixelColor(200, 38), kData);
        graph.widget.drawData(data.data(), -3, 180, true);
        graph.widget.drawData(data.data(), 5, 0, true);
        graph.widget.drawData(data.data(), 5, -7, false);
        graph.widget.drawData(nullptr, 5, 180, false);
        graph.widget.drawDataScaled(data.data(), 5, 180, false, 5, 5);
        QVERIFY(TestSupport::logged(QStringLiteral("Error: drawDataScaled 5 5")));
        graph.widget.setAxisX(0, 3, 1e-9f, 1e-9f, true);
        graph.widget.setAxisY(0, 100, 1e-9f, 1e-9f, true);
        graph.widget.displayVGrid(true);
        graph.widget.refresh();
        graph.widget.drawHGrid(0, 100, 1e-9f);
        graph.widget.drawVGrid(0, 1e9f, 1e-9f);
        graph.widget.setAxisY(0, std::numeric_limits<float>::infinity(), 1, 1, true);
        graph.widget.setAxisX(0, 1e-30f, 1, 1, true);
        graph.widget.setAxisY(0, 1e-30f, 1, 1, true);
        graph.widget.drawVGrid(0, 1e-30f, 1e-31f);
        graph.widget.init(10, 10, kScale, kData);
        graph.widget.refresh();
        graph.widget.drawData(data.data(), 180, 180, true);
        graph.widget.init(0, -1, kScale, kData);
        graph.widget.refresh();
        graph.widget.drawData(data.data(), 180, 180, true);
        QVERIFY2(clock.elapsed() < TestSupport::timeBound(3000), qPrintable(QString::number(clock.elapsed())));
    }

    void screenshots()
    {
        TestSupport::useDeviceFont();
        std::vector<float> data(180);
        for (int i = 0; i < 180; ++i)
            data[size_t(i)] = float(52 + 14 * std::sin(i / 9.0) + (i % 7));
        struct Scene
        {
            const char* name;
            bool grid;
            int numData;
            bool old;
            bool scaled;
        };
        for (const Scene& scene : {Scene{"plain", true, 120, false, false}, Scene{"scaled", true, 180, false, true},
                                   Scene{"old-data", true, 70, true, false}, Scene{"grid-off", false, 120, false, false}}) {
            Graph graph(scene.grid);
            if (scene.scaled)
                graph.widget.setAxisY(35, 75, 10, 5, true);
            graph.widget.refresh();
            if (scene.scaled)
                graph.widget.drawDataScaled(data.data(), scene.numData, 180, scene.old, 35, 75);
            else
                graph.widget.drawData(data.data(), scene.numData, 180, scene.old);
            QVERIFY(graph.shot().save(TestSupport::screenshotPath(
                QStringLiteral("longtermdata-%1.png").arg(QLatin1String(scene.name)))));
        }
        qApp->setFont(QFont());
    }
};

QTEST_MAIN(TestLongtermData)
#include "tst_longtermdata.moc"
