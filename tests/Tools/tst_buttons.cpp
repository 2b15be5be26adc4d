#include "Tools/iconbutton.h"
#include "Tools/picturebutton.h"
#include "Tools/progressbarminmaxmarker.h"
#include "Tools/settingsbutton.h"
#include "Tools/tooltipbutton.h"
#include "testsupport.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

namespace {

// Counts the pixels of a rectangle that are close to a colour.
int countPixels(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 60)
{
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) + qAbs(c.blue() - colour.blue())
                <= tolerance)
                ++count;
        }
    }
    return count;
}

// The columns whose middle pixel is exactly the colour.
QList<int> columnsOf(const QImage& image, const QColor& colour)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, image.height() / 2) == colour)
            columns << x;
    }
    return columns;
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

const QString kPlainButton = QStringLiteral("QPushButton{background-color: black; border: none;}");
const QString kGreyButton = QStringLiteral("QPushButton{background-color: rgb(128, 128, 128); border: none;}");

} // namespace

class TestButtons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanup()
    {
        QToolTip::hideText();
        TestSupport::verifyExpectedMessagesSeen();
    }

    // --- SettingsButton -------------------------------------------------------------

    void settingsButtonTexts()
    {
        SettingsButton button;
        button.setText(QStringLiteral("own text"));
        button.setText2(QStringLiteral("Language"), QStringLiteral("English"));
        QVERIFY(button.text().isEmpty());
        QCOMPARE(button.getText1(), QStringLiteral("Language"));
        QCOMPARE(button.getText2(), QStringLiteral("English"));
        button.setAdditionalInfo(QStringLiteral("GB"));
        QCOMPARE(button.getAdditionalInfo(), QStringLiteral("GB"));
    }

    // Title on the upper line from x 55, value right-aligned on the lower line ending at
    // x 410; the hidden string and an empty value paint nothing.
    void settingsButtonPaintsTwoLines()
    {
        SettingsButton button;
        button.setStyleSheet(kPlainButton);
        button.resize(430, 50);
        button.setAdditionalInfo(QStringLiteral("HIDDEN HIDDEN HIDDEN HIDDEN HIDDEN"));
        button.setText2(QStringLiteral("Brightness"), QString());
        QImage image = button.grab().toImage();
        const QRect upper(55, 0, 356, 25), lower(55, 25, 356, 25);
        QVERIFY(countPixels(image, upper, Qt::white) > 20);
        QCOMPARE(countPixels(image, lower, Qt::white), 0);
        QCOMPARE(countPixels(image, QRect(0, 0, 55, 50), Qt::white), 0);

        button.setText2(QStringLiteral("Brightness"), QStringLiteral("high"));
        image = button.grab().toImage();
        QVERIFY(countPixels(image, QRect(330, 25, 81, 25), Qt::white) > 10);
        QCOMPARE(countPixels(image, QRect(55, 25, 200, 25), Qt::white), 0);
        QCOMPARE(countPixels(image, QRect(411, 0, 19, 50), Qt::white), 0);
    }

    void pressedButtonsPaintBlackText()
    {
        SettingsButton settings;
        settings.setStyleSheet(kGreyButton);
        settings.resize(430, 50);
        settings.setText2(QStringLiteral("Time"), QStringLiteral("12:00"));
        IconButton icon;
        icon.setStyleSheet(kGreyButton);
        icon.resize(200, 50);
        icon.setText(QStringLiteral("Pairing"));
        for (QPushButton* button : QList<QPushButton*>{&settings, &icon}) {
            QImage image = button->grab().toImage();
            QVERIFY(countPixels(image, image.rect(), Qt::white, 30) > 10);
            QCOMPARE(countPixels(image, image.rect(), Qt::black, 30), 0);
            button->setDown(true);
            image = button->grab().toImage();
            QCOMPARE(countPixels(image, image.rect(), Qt::white, 30), 0);
            QVERIFY(countPixels(image, image.rect(), Qt::black, 30) > 10);
        }
    }

    // --- IconButton -----------------------------------------------------------------

    void iconButtonText()
    {
        IconButton button;
        button.setText(QStringLiteral("&Data transfer"));
        QCOMPARE(button.text(), QStringLiteral("&Data transfer"));
        QVERIFY(button.QPushButton::text().isEmpty());
        QCOMPARE(button.shortcut(), QKeySequence::mnemonic(QStringLiteral("&Data transfer")));
        QVERIFY(!button.shortcut().isEmpty());

        button.setStyleSheet(kPlainButton);
        button.resize(250, 50);
        const QImage image = button.grab().toImage();
        QCOMPARE(countPixels(image, QRect(0, 0, 52, 50), Qt::white), 0);
        QVERIFY(countPixels(image, QRect(52, 0, 198, 50), Qt::white) > 20);
    }

    void iconButtonSameTextDoesNotRepaint()
    {
        QWidget window;
        IconButton button(&window);
        button.resize(200, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PaintCounter counter;
        button.installEventFilter(&counter);

        button.setText(QStringLiteral("GPS"));
        QTRY_VERIFY_WITH_TIMEOUT(counter.paints > 0, 1000);
        counter.paints = 0;
        button.setText(QStringLiteral("GPS"));
        QTest::qWait(50);
        QCOMPARE(counter.paints, 0);
    }

    // --- TooltipButton --------------------------------------------------------------

    void tooltipAfterHolding()
    {
        QWidget window;
        window.setGeometry(100, 80, 300, 200);
        TooltipButton button(&window);
        button.setGeometry(120, 60, 60, 60);
        button.setToolTip(QStringLiteral("Back"));
        QSignalSpy clicked(&button, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
        QVERIFY(button.isDown());
        QVERIFY(!QToolTip::isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), TooltipButton::kHoldTimeMs + 1000);
        QCOMPARE(QToolTip::text(), QStringLiteral("Back"));
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(TooltipButton::kHoldTimeMs, 700);
    }

    // The tip stands 30 px left of the press point, level with the button's top, on the screen.
    void tooltipBesideThePressPointOnTheScreen()
    {
        QWidget window;
        window.setGeometry(100, 80, 300, 200);
        TooltipButton button(&window);
        button.setGeometry(120, 60, 60, 60);
        button.setToolTip(QStringLiteral("Mainmenu"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(40, 50));
        button.displayTooltip();
        QVERIFY(QToolTip::isVisible());
        QWidget* tip = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->inherits("QTipLabel") && w->isVisible())
                tip = w;
        }
        QVERIFY(tip);
        const QPoint expected = button.mapToGlobal(QPoint(40 - 30, 0));
        // The tool tip sits a small fixed offset below and right of the point it is given.
        const QPoint offset = tip->pos() - expected;
        QVERIFY2(offset.manhattanLength() <= 24, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(40, 50));
    }

    // A tip that would stand past the window's right or bottom edge is moved inside it,
    // whatever room the screen has beyond the window.
    void tooltipStaysInsideTheWindow_data()
    {
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("right edge") << QRect(426, 60, 54, 54);
        QTest::newRow("bottom right corner") << QRect(426, 244, 54, 28);
    }
    void tooltipStaysInsideTheWindow()
    {
        QFETCH(QRect, geometry);
        QWidget window;
        window.setGeometry(0, 0, 480, 272);
        TooltipButton button(&window);
        button.setGeometry(geometry);
        button.setToolTip(QStringLiteral("Filter einstellen und speichern"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
        button.displayTooltip();
        QWidget* tip = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->inherits("QTipLabel") && w->isVisible())
                tip = w;
        }
        QVERIFY(tip);
        QVERIFY2(window.geometry().contains(tip->geometry()),
                 qPrintable(QStringLiteral("tip at x %1..%2, y %3..%4")
                                .arg(tip->x())
                                .arg(tip->geometry().right())
                                .arg(tip->y())
                                .arg(tip->geometry().bottom())));
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    }

    void shortTapShowsNoTooltip()
    {
        QWidget window;
        TooltipButton button(&window);
        button.setGeometry(10, 10, 60, 60);
        button.setToolTip(QStringLiteral("Back"));
        QSignalSpy clicked(&button, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(clicked.count(), 1);
        // What the hold timer would do once it runs out.
        button.displayTooltip();
        QVERIFY(!QToolTip::isVisible());
    }

    void buttonDeletedWhileHeld()
    {
        QWidget window;
        QPointer<TooltipButton> button = new TooltipButton(&window);
        button->setGeometry(10, 10, 60, 60);
        button->setToolTip(QStringLiteral("Back"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(button.data(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        delete button.data();
        QTest::qWait(TooltipButton::kHoldTimeMs + 150);
        QVERIFY(!QToolTip::isVisible());
    }

    // --- PictureButton --------------------------------------------------------------

    void pictureButtonReportsReleasePosition()
    {
        QWidget window;
        PictureButton button(&window);
        button.setGeometry(0, 0, 300, 150);
        QSignalSpy released(&button, &PictureButton::mouseReleased);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QSignalSpy pressed(&button, &QPushButton::pressed);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button.getReleasePos(), QPointF(17, 23));

        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(120, 45));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.at(0).at(0).toPointF(), QPointF(120, 45));
        QCOMPARE(button.getReleasePos(), QPointF(120, 45));
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!button.isDown());

        // Set up again: the next tap works the same.
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(250, 140));
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(released.count(), 2);
        QCOMPARE(button.getReleasePos(), QPointF(250, 140));
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!button.isDown());
    }

    // --- ProgressBarMinMaxMarker ----------------------------------------------------

    void markerPositions_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("maxMarker");
        QTest::addColumn<int>("minMarker");
        QTest::addColumn<QList<int>>("red");  // expected x, or empty
        QTest::addColumn<QList<int>>("blue"); // expected x, or empty
        QTest::newRow("0..100, markers at the edges") << 0 << 100 << 100 << 0 << QList<int>{99} << QList<int>{0};
        QTest::newRow("0..100, hidden markers") << 0 << 100 << -1 << 101 << QList<int>{} << QList<int>{};
        QTest::newRow("0..100, middle") << 0 << 100 << 50 << 25 << QList<int>{49} << QList<int>{24};
        QTest::newRow("0..1000 tenths of a dB") << 0 << 1000 << 700 << 350 << QList<int>{69} << QList<int>{34};
        QTest::newRow("50..150 counts from the minimum") << 50 << 150 << 100 << 50 << QList<int>{49} << QList<int>{0};
        QTest::newRow("50..150, below the minimum") << 50 << 150 << 151 << 49 << QList<int>{} << QList<int>{};
        QTest::newRow("-100..100") << -100 << 100 << 100 << -100 << QList<int>{99} << QList<int>{0};
        QTest::newRow("empty range") << 10 << 10 << 10 << 10 << QList<int>{} << QList<int>{};
        QTest::newRow("0..0") << 0 << 0 << 0 << 0 << QList<int>{} << QList<int>{};
    }
    void markerPositions()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, maxMarker);
        QFETCH(int, minMarker);
        QFETCH(QList<int>, red);
        QFETCH(QList<int>, blue);
        QCOMPARE(ProgressBarMinMaxMarker::markerX(maxMarker, minimum, maximum, 100), red.value(0, -1));
        QCOMPARE(ProgressBarMinMaxMarker::markerX(minMarker, minimum, maximum, 100), blue.value(0, -1));

        ProgressBarMinMaxMarker bar;
        bar.setStyleSheet(QStringLiteral("QProgressBar{background-color: black; border: none;}"
                                         "QProgressBar::chunk{background-color: green;}"));
        bar.setTextVisible(false);
        bar.resize(100, 20);
        bar.setRange(minimum, maximum);
        bar.setValue(minimum);
        QCOMPARE(bar.maxMarker(), -1);
        QCOMPARE(bar.minMarker(), -1);
        bar.setMaxMarker(maxMarker);
        bar.setMinMarker(minMarker);
        QCOMPARE(bar.maxMarker(), maxMarker);
        QCOMPARE(bar.minMarker(), minMarker);
        const QImage image = bar.grab().toImage();
        const QList<int> redColumns = columnsOf(image, Qt::red);
        const QList<int> blueColumns = columnsOf(image, Qt::blue);
        if (red.isEmpty())
            QVERIFY(redColumns.isEmpty());
        else
            QVERIFY2(redColumns.contains(red.first()) && redColumns.size() <= 3, qPrintable(QString::number(redColumns.size())));
        if (blue.isEmpty())
            QVERIFY(blueColumns.isEmpty());
        else
            QVERIFY2(blueColumns.contains(blue.first()) && blueColumns.size() <= 3, qPrintable(QString::number(blueColumns.size())));
        if (!red.isEmpty()) {
            // Top to bottom.
            QCOMPARE(image.pixelColor(red.first(), 0), QColor(Qt::red));
            QCOMPARE(image.pixelColor(red.first(), 19), QColor(Qt::red));
        }
    }

    // The marker lines are kept between paints; a new marker, range or size shows anyway.
    void markersFollowChanges()
    {
        ProgressBarMinMaxMarker bar;
        bar.setStyleSheet(QStringLiteral("QProgressBar{background-color: black; border: none;}"));
        bar.setTextVisible(false);
        bar.resize(101, 20);
        bar.setRange(0, 100);
        bar.setMaxMarker(20);
        bar.setValue(10);
        QVERIFY(columnsOf(bar.grab().toImage(), Qt::red).contains(20));

        bar.setMaxMarker(80);
        bar.setValue(30);
        QList<int> red = columnsOf(bar.grab().toImage(), Qt::red);
        QVERIFY(red.contains(80));
        QVERIFY(!red.contains(20));

        bar.setRange(0, 200);
        red = columnsOf(bar.grab().toImage(), Qt::red);
        QVERIFY(red.contains(40));
        QVERIFY(!red.contains(80));

        bar.resize(201, 20);
        red = columnsOf(bar.grab().toImage(), Qt::red);
        QVERIFY(red.contains(80));
        QVERIFY(!red.contains(40));
    }
};

QTEST_MAIN(TestButtons)
#include "tst_buttons.moc"
