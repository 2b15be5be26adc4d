// The display test rendered offscreen: the pixels of each pattern and of the default view,
// the buttons around them, and the pattern timers.
#include "Testmenu/testmenudisplay.h"
#include "Testmenu/testmenuremotectrl.h"
#include "stationcommands.h"
#include "testsupport.h"

#include <QPushButton>
#include <QtTest>

using TestSupport::ask;
using TestSupport::DeviceRoot;

namespace {


// Whether the colour is within one pixel of the point: pens may fall either side.
bool near(const QImage& image, int x, int y, const QColor& colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(x + dx, y + dy) && image.pixelColor(x + dx, y + dy) == colour)
                return true;
    return false;
}

// How many runs of the colour a line of pixels crosses.
int runs(const QImage& image, bool horizontal, int at, const QColor& colour)
{
    int count = 0;
    bool inside = false;
    const int length = horizontal ? image.width() : image.height();
    for (int i = 0; i < length; ++i) {
        const bool hit = (horizontal ? image.pixelColor(i, at) : image.pixelColor(at, i)) == colour;
        count += hit && !inside;
        inside = hit;
    }
    return count;
}

bool shown(const QDialog& dialog, const char* name)
{
    return !TestSupport::button(dialog, name)->isHidden();
}

} // namespace

class TestTestmenuDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        TestmenuRemoteCtrl::pollIntervalMs() = 3600 * 1000;
        TestmenuDisplay::patternMs() = TestSupport::timeBound(600);
    }
    void cleanup() { TestSupport::verifyExpectedMessagesSeen(); }

    void patterns()
    {
        DeviceRoot device;
        TestmenuDisplay dialog;
        QVERIFY(!shown(dialog, "butPass") && shown(dialog, "butFail") && shown(dialog, "butGrid"));
        QImage image = dialog.grab().toImage();
        QVERIFY(image.save(TestSupport::screenshotPath("testmenudisplay.png")));
        // The ramp inside the red square of the default view.
        QCOMPARE(image.pixelColor(160, 100), QColor(Qt::red));
        QVERIFY(near(image, 161, 100, Qt::black));
        QVERIFY(near(image, 416, 100, Qt::white));

        QCOMPARE(ask(device, dialog, "cmdDisplayGridX"), QByteArray("staActive\n"));
        QVERIFY(shown(dialog, "butPass") && !shown(dialog, "butGrid") && !shown(dialog, "butBack"));
        image = dialog.grab().toImage();
        QVERIFY(image.save(TestSupport::screenshotPath("testmenudisplay-grid.png")));
        QVERIFY(near(image, 20, 100, Qt::white) && near(image, 110, 41, Qt::white));
        QCOMPARE(image.pixelColor(10, 100), QColor(Qt::black));
        QCOMPARE(image.pixelColor(110, 30), QColor(Qt::black));
        // Inside the white frame: 12 horizontal and 23 vertical lines.
        QCOMPARE(runs(image, false, 10, Qt::white) - 2, 12);
        QCOMPARE(runs(image, true, 10, Qt::white) - 2, 23);

        ask(device, dialog, "cmdDisplayColor");
        image = dialog.grab().toImage();
        QVERIFY(image.save(TestSupport::screenshotPath("testmenudisplay-color.png")));
        QCOMPARE(image.pixelColor(240, 45), QColor(Qt::red));
        QCOMPARE(image.pixelColor(240, 135), QColor(Qt::green));
        QCOMPARE(image.pixelColor(240, 226), QColor(Qt::blue));

        ask(device, dialog, "cmdDisplayGradient");
        image = dialog.grab().toImage();
        QVERIFY(image.save(TestSupport::screenshotPath("testmenudisplay-gradient.png")));
        QCOMPARE(image.pixelColor(0, 45), QColor(Qt::white));
        QCOMPARE(image.pixelColor(479, 45), QColor(Qt::red));
        QCOMPARE(image.pixelColor(479, 135), QColor(Qt::green));
        QCOMPARE(image.pixelColor(479, 226), QColor(Qt::blue));
        QCOMPARE(ask(device, dialog, "cmddisplaygrid"), QByteArray("staUnknownCommand\n"));
        QCOMPARE(ask(device, dialog, "cmdFail"), QByteArray("resFailed\n"));
        QVERIFY(!dialog.isVisible());
    }

    // A later pattern does not put off the first one's return to the default view. The
    // later one's timer cannot end it sooner than a whole pattern time after its command,
    // the first one's does half a pattern time earlier: that half is the patience for a
    // busy machine on either side.
    void firstTimerEndsTheLaterPattern()
    {
        DeviceRoot device;
        TestmenuDisplay dialog;
        const int patternMs = TestmenuDisplay::patternMs();
        // A wait that overran the first pattern leaves nothing to tell the timers apart.
        for (int attempt = 0; attempt < 3; ++attempt) {
            ask(device, dialog, "cmdDisplayColor");
            QTest::qWait(patternMs / 2);
            if (!shown(dialog, "butGrid"))
                break;
        }
        QVERIFY(!shown(dialog, "butGrid"));
        QElapsedTimer sinceLater;
        sinceLater.start();
        ask(device, dialog, "cmdDisplayGrid");
        QVERIFY(QTest::qWaitFor([&] { return shown(dialog, "butGrid"); }, 2 * patternMs));
        QVERIFY2(sinceLater.elapsed() < patternMs, qPrintable(QString::number(sinceLater.elapsed())));
        QVERIFY(shown(dialog, "butPass"));
    }
};

QTEST_MAIN(TestTestmenuDisplay)
#include "tst_testmenudisplay.moc"
