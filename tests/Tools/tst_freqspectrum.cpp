// The spectrum widget: picture, curve and averaging, and the band set by a drag, with
// the main window's codec on a fresh device tree.
#include "Audio/audiocodecsetup.h"
#include "Audio/filtercoeffs.h"
#include "Tools/freqspectrum.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "codecregisters.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <memory>
#include <vector>

using TestSupport::DeviceRoot;

namespace {

const int kWidth = 416;
const int kHeight = 126;
const int kPlotBottom = kHeight - FreqSpectrum::kScaleHeight;

using Frame = std::vector<float>;

// 1.0 everywhere (0 dB) with the given bins at 10.0 (20 dB): normalised, those bins are 1
// and all others 0.
Frame peaks(std::initializer_list<int> bins)
{
    Frame frame(1024, 1.0f);
    for (int bin : bins)
        frame[bin] = 10.0f;
    return frame;
}

// What a leak sounds like through a sensor: a broad hump of noise around 500 Hz.
Frame leakLike()
{
    Frame frame(1024, 0.0f);
    quint32 seed = 7;
    for (int k = 0; k < FreqSpectrum::kBins; ++k) {
        seed = seed * 1103515245u + 12345u;
        const double hump = std::exp(-std::pow(std::log(k * 7.8125 / 500.0 + 1e-9), 2) / 0.3);
        frame[k] = float((0.002 + hump) * (0.6 + (seed >> 16 & 0xff) / 640.0));
    }
    return frame;
}

qint32 firstWord(const FilterCoeffs* table, quint32 frequency)
{
    for (int i = 0; i < kFilterTableRows; ++i)
        if (table[i].frequency == frequency)
            return table[i].n0;
    return 0;
}

bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}
bool isGreen(QRgb c)
{
    return qGreen(c) > 120 && qRed(c) < 100 && qBlue(c) < 100;
}
bool isWhite(QRgb c)
{
    return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
}

int countPixels(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y));
    return n;
}

// The topmost white pixel of the plot area.
QPoint curveTop(const QImage& image)
{
    for (int y = 0; y < kPlotBottom; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (isWhite(image.pixel(x, y)))
                return QPoint(x, y);
    return QPoint(-1, -1);
}

} // namespace

class TestFreqSpectrum : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DeviceRoot> m_device;
    std::unique_ptr<MainMenu> m_menu;
    std::unique_ptr<FreqSpectrum> m_spectrum;

    FreqSpectrum& spectrum() { return *m_spectrum; }
    AudioCodecSetup& codec() { return *m_menu->getAudioCodecInstance(); }
    void draw(Frame frame, bool mean)
    {
        spectrum().refresh();
        spectrum().drawScale();
        spectrum().drawFft(frame.data(), mean);
    }
    void verifyCurve(const QVector<int>& bins, float value)
    {
        for (int k = 0; k < FreqSpectrum::kBins; ++k) {
            const float expected = bins.contains(k) ? value : 0.0f;
            if (std::fabs(spectrum().curve()[k] - expected) > 1e-5f)
                QFAIL(qPrintable(QString("bin %1: %2, not %3").arg(k).arg(spectrum().curve()[k]).arg(expected)));
        }
    }
    void verifyFilter(quint32 low, quint32 high, int type)
    {
        quint32 l = 1, h = 1;
        int t = -1;
        spectrum().getFilter(&l, &h, &t);
        QCOMPARE(QVector<quint32>({l, h, quint32(t)}), QVector<quint32>({low, high, quint32(type)}));
        codec().getFilter(&l, &h, &t);
        QCOMPARE(QVector<quint32>({l, h, quint32(t)}), QVector<quint32>({low, high, quint32(type)}));
        m_menu->getCurrentFilter(&l, &h, &t);
        QCOMPARE(QVector<quint32>({l, h, quint32(t)}), QVector<quint32>({low, high, quint32(type)}));
    }

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init()
    {
        TestSupport::clearLoggedMessages();
        m_device.reset(new DeviceRoot);
        m_menu.reset(new MainMenu);
        m_spectrum.reset(new FreqSpectrum);
        spectrum().resize(kWidth, kHeight);
        spectrum().setScaleBgGradient(true);
        spectrum().init(kWidth, kHeight);
        spectrum().clear();
    }
    void cleanup()
    {
        m_spectrum.reset();
        m_menu.reset();
        m_device.reset();
        TestSupport::verifyExpectedMessagesSeen();
    }

    void scaleAndBand_data()
    {
        QTest::addColumn<quint32>("low");
        QTest::addColumn<quint32>("high");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("band");
        QTest::newRow("band 160-1250") << 160u << 1250u << 1 << true;
        QTest::newRow("both corners 0") << 0u << 0u << 0 << false;
    }
    void scaleAndBand()
    {
        QFETCH(quint32, low);
        QFETCH(quint32, high);
        QFETCH(int, type);
        QFETCH(bool, band);
        spectrum().updateFilter(low, high, type);
        draw(leakLike(), false);
        const QImage image = spectrum().picture();
        if (band)
            QVERIFY(image.save(TestSupport::screenshotPath("freqspectrum.png")));

        // Ticks at 100 Hz and 1000 Hz of the scale's own axis, over the strip.
        for (int y = kHeight - 25; y <= kHeight - 20; ++y) {
            QVERIFY2(isWhite(image.pixel(127, y)), qPrintable(QString::number(y)));
            QVERIFY2(isWhite(image.pixel(309, y)), qPrintable(QString::number(y)));
        }
        const QRgb left = image.pixel(2, kHeight - 23);
        QVERIFY(qBlue(left) > 200 && qRed(left) < 40 && qGreen(left) < 40);
        QCOMPARE(image.pixel(330, kHeight - 23), QColor("yellow").rgb());

        const QRect top(0, 0, kWidth, 2);
        const QRect corners(0, 0, kWidth, 30);
        if (band) {
            for (int x = 180; x <= 308; ++x)
                QVERIFY2(isRed(image.pixel(x, 0)), qPrintable(QString::number(x)));
            QVERIFY(!isRed(image.pixel(150, 0)) && !isRed(image.pixel(340, 0)));
            QVERIFY(countPixels(image, QRect(0, 0, 60, 30), isGreen) > 5);
            QVERIFY(countPixels(image, QRect(kWidth - 60, 0, 60, 30), isGreen) > 5);
        } else {
            QCOMPARE(countPixels(image, top, isRed), 0);
            QCOMPARE(countPixels(image, corners, isGreen), 0);
            // A microphone's strip turns yellow from 300 Hz on: the kept scale follows.
            QVERIFY(image.pixel(260, kHeight - 23) != QColor("yellow").rgb());
            StatusbarData()->btReceivedSensortype("1");
            draw(leakLike(), false);
            StatusbarData()->btReceivedSensortype("0");
            QCOMPARE(spectrum().picture().pixel(260, kHeight - 23), QColor("yellow").rgb());
        }
    }

    void curvePeakAndSilence_data()
    {
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<int>("topX");
        QTest::newRow("peak at 1000 Hz") << peaks({128}) << 307;
        QTest::newRow("silence") << Frame(1024, 0.0f) << -1;
        QTest::newRow("flat") << Frame(1024, 2.0f) << -1;
        QTest::newRow("flat below full scale") << Frame(1024, 0.5f) << -1;
        QTest::newRow("not a number") << Frame(1024, std::nanf("")) << -1;
        Frame infinite = peaks({128});
        infinite[300] = INFINITY;
        QTest::newRow("an infinite bin counts as silence") << infinite << 307;
    }
    void curvePeakAndSilence()
    {
        QFETCH(Frame, frame);
        QFETCH(int, topX);
        spectrum().updateFilter(0, 0, 0);
        draw(frame, false);
        const QPoint top = curveTop(spectrum().picture());
        if (topX >= 0) {
            QVERIFY2(qAbs(top.x() - topX) <= 1, qPrintable(QString::number(top.x())));
            QCOMPARE(top.y(), 0);
            verifyCurve({128}, 1.0f);
        } else {
            // On the bottom line of the plot, and only there.
            verifyCurve({}, 0.0f);
            QVERIFY2(top.y() == -1 || top.y() >= kPlotBottom - 1, qPrintable(QString::number(top.y())));
        }
    }

    void meanOfTheLastThreeFrames()
    {
        draw(peaks({50}), true);
        draw(peaks({100}), true);
        draw(peaks({200}), true);
        verifyCurve({50, 100, 200}, 1.0f / 3);
        // Without averaging the curve is the frame alone, which still enters the store.
        draw(peaks({300}), false);
        verifyCurve({300}, 1.0f);
        draw(peaks({400}), true);
        verifyCurve({200, 300, 400}, 1.0f / 3);

        // init keeps the store; clear empties it.
        spectrum().init(kWidth, kHeight);
        draw(peaks({50}), true);
        verifyCurve({300, 400, 50}, 1.0f / 3);
        spectrum().clear();
        draw(peaks({50}), true);
        verifyCurve({50}, 1.0f / 3);
    }

    void touchSetsTheBand_data()
    {
        QTest::addColumn<QVector<int>>("path"); // x of press, moves, release
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QVector<quint32>>("shown");
        QTest::newRow("tap: one row, so no filter")
            << QVector<int>{307, 307} << "998 1008 1" << QVector<quint32>{0, 4000, 0};
        QTest::newRow("drag") << QVector<int>{200, 260, 300, 300} << "255 912 1" << QVector<quint32>{250, 1000, 1};
        QTest::newRow("release right of the widget")
            << QVector<int>{200, 420} << "255 3949 1" << QVector<quint32>{250, 3900, 1};
        QTest::newRow("moved far outside the widget")
            << QVector<int>{200, 100000, 420} << "255 3949 1" << QVector<quint32>{250, 3900, 1};
        QTest::newRow("back left of the start")
            << QVector<int>{300, 200, 250, 350} << "255 1725 1" << QVector<quint32>{250, 1600, 1};
    }
    void touchSetsTheBand()
    {
        QFETCH(QVector<int>, path);
        QFETCH(QString, asked);
        QFETCH(QVector<quint32>, shown);
        QSignalSpy changed(&spectrum(), &FreqSpectrum::filterChanged);
        spectrum().show();
        draw(peaks({50}), true);
        draw(peaks({100}), true);

        m_device->journalWrites();
        QTest::mousePress(&spectrum(), Qt::LeftButton, {}, QPoint(path.first(), 60));
        QVERIFY(TestSupport::logged("Aktivate Filter"));
        int startX = path.first();
        for (int i = 1; i < path.size() - 1; ++i) {
            // QTest's move only moves the cursor; a finger drags.
            QMouseEvent move(QEvent::MouseMove, QPointF(path[i], 60), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&spectrum(), &move);
            quint32 low, high;
            int type;
            spectrum().getFilter(&low, &high, &type);
            const quint32 there = FreqSpectrum::frequencyAtX(path[i], kWidth);
            if (path[i] < startX) {
                startX = path[i];
                QCOMPARE(QVector<quint32>({low, high}), QVector<quint32>({there, there + 10}));
            } else {
                QCOMPARE(high, there);
            }
        }
        QCOMPARE(changed.count(), 0);
        QTest::mouseRelease(&spectrum(), Qt::LeftButton, {}, QPoint(path.last(), 60));
        QVERIFY(TestSupport::logged("FrequSpectrum setFilter " + asked));
        verifyFilter(shown[0], shown[1], int(shown[2]));
        QCOMPARE(changed.count(), 1);
        const QStringList writes = CodecRegisters::writes(*m_device);
        QCOMPARE(writes.size(), CodecRegisters::kWritesPerFilter);
        QCOMPARE(writes.mid(CodecRegisters::kLeft1, 3), CodecRegisters::word(0x0c, firstWord(filterCoeffs_LP, shown[1])));
        QCOMPARE(writes.mid(CodecRegisters::kLeft3, 3), CodecRegisters::word(0x34, firstWord(filterCoeffs_HP, shown[0])));

        // The drag's redraw left the frames alone.
        draw(peaks({200}), true);
        verifyCurve({50, 100, 200}, 1.0f / 3);
    }
};

QTEST_MAIN(TestFreqSpectrum)
#include "tst_freqspectrum.moc"
