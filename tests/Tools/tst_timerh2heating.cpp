// The heating dial as the H2 page places it (50 x 65, text "H2"): face colour by the
// heating time, the hand, the working-range strip under the face.
#include "Tools/timerh2heating.h"
#include "testsupport.h"

#include <QLabel>
#include <QtTest>

namespace {

// Left of the centre, where the hand never is except near 675 s.
const QPoint kFaceProbe(8, 25);
const int kStripTop = 53;    // m_ySize + 3
const int kStripBottom = 64; // m_ySize + 14

struct Dial
{
    Dial()
    {
        dial.setGeometry(0, 0, 50, 65);
        dial.setText("H2");
        dial.setAlignment(Qt::AlignCenter);
        dial.init();
    }
    QImage picture() { return dial.grab().toImage(); }

    TimerH2Heating dial;
};

QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// The hand, antialiased: nearly black at one of the pixels.
bool handAt(const QImage& image, const QList<QPoint>& pixels)
{
    for (const QPoint& p : pixels) {
        if (qGray(image.pixel(p)) < 40)
            return true;
    }
    return false;
}

} // namespace

class TestTimerH2Heating : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }

    void faceAndHandByTime_data()
    {
        QTest::addColumn<int>("time");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QColor>("face");
        QTest::newRow("299") << 299 << 299 << QColor(Qt::red);
        QTest::newRow("300") << 300 << 300 << QColor(Qt::yellow);
        QTest::newRow("599") << 599 << 599 << QColor(Qt::yellow);
        QTest::newRow("600") << 600 << 600 << QColor(Qt::green);
        QTest::newRow("negative") << -5 << 0 << QColor(Qt::red);
        QTest::newRow("beyond a turn") << 5000 << 900 << QColor(Qt::green);
    }
    void faceAndHandByTime()
    {
        QFETCH(int, time);
        QFETCH(int, shown);
        QFETCH(QColor, face);
        Dial d;
        QCOMPARE(d.dial.center(), QPoint(25, 25));
        d.dial.setCurrentTime(time);
        QCOMPARE(d.dial.currentTime(), shown);
        const QImage image = d.picture();
        QCOMPARE(at(image, kFaceProbe.x(), kFaceProbe.y()), face);
        if (shown == 0 || shown == 900) {
            // The hand points up: black above the hub, the face below it.
            QVERIFY(handAt(image, {{24, 12}, {25, 12}}));
            QCOMPARE(at(image, 25, 38), face);
        }
        if (shown == 300) {
            // A third of a turn: the hand points down to the right (four o'clock).
            QVERIFY(handAt(image, {{35, 30}, {35, 31}}));
            QCOMPARE(at(image, 25, 12), face);
        }
        const QString name = QTest::currentDataTag();
        if (name == "299" || name == "300" || name == "600")
            QVERIFY(image.save(TestSupport::screenshotPath("h2-dial-" + name + ".png")));
    }

    void workingRangeStrip()
    {
        Dial d;
        d.dial.setRangeVisualisation(100, 600, 100);
        d.dial.setCurrentTime(120);
        const QImage image = d.picture();
        for (int y : {kStripTop + 1, kStripBottom - 1}) {
            QCOMPARE(at(image, 2, y), QColor(Qt::darkGray)); // left of the reference
            QCOMPARE(at(image, 5, y), QColor(Qt::black));   // reference
            QCOMPARE(at(image, 7, y), QColor(Qt::green));   // inside the range
            QCOMPARE(at(image, 10, y), QColor(Qt::black));  // end of the range
            QCOMPARE(at(image, 20, y), QColor(Qt::green));
            QCOMPARE(at(image, 30, y), QColor(Qt::red));    // the level
            QCOMPARE(at(image, 45, y), QColor(Qt::green));  // up to the right end
        }

        // Hidden: the rows under the face are the plain label's.
        d.dial.hideRangeVisualisation();
        QLabel plain;
        plain.setGeometry(0, 0, 50, 65);
        plain.setText("H2");
        plain.setAlignment(Qt::AlignCenter);
        const QImage expected = plain.grab().toImage().copy(0, kStripTop, 50, kStripBottom - kStripTop + 1);
        QCOMPARE(d.picture().copy(0, kStripTop, 50, kStripBottom - kStripTop + 1), expected);
    }

    void maxTimeAndSteps()
    {
        Dial d;
        d.dial.setMaxTime(0);
        QCOMPARE(d.dial.getMaxTime(), 1);
        QCOMPARE(d.dial.time2Angle(1), 360.0f);
        d.dial.setMaxTime(900);
        QCOMPARE(d.dial.time2Angle(450), 180.0f);
        d.dial.setCurrentTime(870);
        d.dial.updatePos();
        QCOMPARE(d.dial.currentTime(), 0);
        d.dial.updatePos();
        QCOMPARE(d.dial.currentTime(), 30);
    }
};

QTEST_MAIN(TestTimerH2Heating)
#include "tst_timerh2heating.moc"
