// The listening filter: the coefficient tables, the snapping of the corners and the
// register writes that put the sections into the codec.
#include "Audio/audiocodecsetup.h"
#include "Audio/filtercoeffs.h"
#include "codecregisters.h"
#include "globals.h"
#include "testsupport.h"

#include <QtTest>

#include <cmath>
#include <complex>

using TestSupport::DeviceRoot;

namespace {

const FilterCoeffs kPassThrough = {0, 0x7FFFFFFF, 0, 0, 0, 0};
const quint32 kFrequencies[26] = {0,   20,  25,  32,  40,  50,   63,   80,   100,  125,  160,  200,  250,
                                  315, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150, 3900, 4000};

// The section as the codec's equation and the words' scale define it, at 16 kHz.
QVector<qint64> designed(double f, bool highPass)
{
    const double w0 = 2 * M_PI * f / 16000, alpha = std::sin(w0) / (2 * 0.707);
    const double a0 = 1 + alpha, a1 = -2 * std::cos(w0), a2 = 1 - alpha;
    const double b0 = highPass ? (1 + std::cos(w0)) / 2 : (1 - std::cos(w0)) / 2;
    const double b1 = highPass ? -(1 + std::cos(w0)) : 1 - std::cos(w0);
    QVector<qint64> words;
    for (double v : {b0 / a0, b1 / (2 * a0), b0 / a0, -a1 / (2 * a0), -a2 / a0})
        words << qint64(std::trunc(v * 2147483647.0));
    return words;
}

QVector<qint64> words(const FilterCoeffs& c)
{
    return {c.n0, c.n1, c.n2, c.d1, c.d2};
}

// Gain in dB of one section at f, from the codec's equation with N1 and D1 halved.
double responseDb(const FilterCoeffs& c, double f)
{
    const std::complex<double> z1 = std::polar(1.0, -2 * M_PI * f / 16000), z2 = z1 * z1;
    const double s = 2147483647.0;
    const std::complex<double> num = c.n0 / s + 2 * (c.n1 / s) * z1 + (c.n2 / s) * z2;
    const std::complex<double> den = 1.0 - 2 * (c.d1 / s) * z1 - (c.d2 / s) * z2;
    return 20 * std::log10(std::abs(num / den));
}

const FilterCoeffs& row(const FilterCoeffs* table, quint32 frequency)
{
    for (int i = 0; i < kFilterTableRows; ++i) {
        if (table[i].frequency == frequency)
            return table[i];
    }
    qFatal("no row for %u Hz", frequency);
}

// The register writes of one filter update, built from the codec's section map: per
// section the page and first register of N0, N1, N2, D1 and D2. A page is selected
// before every section but the first and wherever a section crosses to another page.
QStringList filterWrites(const FilterCoeffs& lowPass, const FilterCoeffs& highPass, const FilterCoeffs& fifth,
                         const FilterCoeffs& sixth)
{
    struct Place
    {
        int page, reg;
    };
    using Map = QVector<Place>;
    auto run = [](int page, int first) { return Map{{page, first}, {page, first + 4}, {page, first + 8}, {page, first + 12}, {page, first + 16}}; };
    const QList<QPair<Map, const FilterCoeffs*>> sections = {
        {run(44, 12), &lowPass},  {run(44, 32), &lowPass},  {run(45, 20), &lowPass},  {run(45, 40), &lowPass},
        {run(44, 52), &highPass}, {run(44, 72), &highPass}, {run(45, 60), &highPass}, {run(45, 80), &highPass},
        {run(44, 92), &fifth},    {run(45, 100), &fifth},
        {Map{{44, 112}, {44, 116}, {44, 120}, {44, 124}, {45, 8}}, &sixth},
        {Map{{45, 120}, {45, 124}, {46, 8}, {46, 12}, {46, 16}}, &sixth},
    };
    QStringList out;
    auto write = [&out](int reg, int value) { out << QString::number(reg, 16) + " " + QString::number(value, 16); };
    write(0, 44);
    write(1, 4);
    bool first = true;
    for (const auto& section : sections) {
        const QVector<qint64> w = words(*section.second);
        for (int i = 0; i < 5; ++i) {
            const Place p = section.first.at(i);
            if ((i == 0 && !first) || (i > 0 && p.page != section.first.at(i - 1).page))
                write(0, p.page);
            const quint32 u = quint32(w.at(i));
            write(p.reg, u >> 24);
            write(p.reg + 1, (u >> 16) & 0xff);
            write(p.reg + 2, (u >> 8) & 0xff);
        }
        first = false;
    }
    write(0, 44);
    write(1, 5);
    return out;
}

} // namespace

class TestListeningFilter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void init() { TestSupport::clearLoggedMessages(); }
    void cleanup()
    {
        g_debugFeatures = 0;
        TestSupport::verifyExpectedMessagesSeen();
    }

    void checkRows_data()
    {
        QTest::addColumn<bool>("highPass");
        QTest::addColumn<quint32>("frequency");
        QTest::addColumn<QVector<qint64>>("expected");
        QTest::newRow("LP 160") << false << 160u
                                << QVector<qint64>{0x001EF499, 0x001EF499, 0x001EF499, 0x7A50DA08, qint32(0x8AE2798A)};
        QTest::newRow("HP 1000") << true << 1000u
                                 << QVector<qint64>{0x60E714AA, qint32(0x9F18EB56), 0x60E714AA, 0x5D118F7F, qint32(0xB686CC57)};
        QTest::newRow("LP 3900") << false << 3900u
                                 << QVector<qint64>{0x240718C1, 0x240718C1, 0x240718C1, 0x02F1C9A8, qint32(0xEA0009A8)};
    }
    void checkRows()
    {
        QFETCH(bool, highPass);
        QFETCH(quint32, frequency);
        QFETCH(QVector<qint64>, expected);
        QCOMPARE(words(row(highPass ? filterCoeffs_HP : filterCoeffs_LP, frequency)), expected);
    }

    void tablesFollowTheDesign()
    {
        for (const FilterCoeffs* table : {filterCoeffs_LP, filterCoeffs_HP}) {
            const bool highPass = table == filterCoeffs_HP;
            for (int i = 0; i < kFilterTableRows; ++i) {
                QCOMPARE(table[i].frequency, kFrequencies[i]);
                if (i == 0 || i == kFilterTableRows - 1) {
                    QCOMPARE(words(table[i]), words(kPassThrough));
                    continue;
                }
                const QVector<qint64> expected = designed(table[i].frequency, highPass);
                for (int w = 0; w < 5; ++w) {
                    if (std::abs(words(table[i]).at(w) - expected.at(w)) > 1)
                        QFAIL(qPrintable(QString("%1 %2 Hz word %3").arg(highPass ? "HP" : "LP").arg(table[i].frequency).arg(w)));
                }
            }
        }
        QCOMPARE(filterCoeffs_LP[24].frequency, 3900u);
        QCOMPARE(words(filterCoeffs_50Hz[0]), words(kPassThrough));
        QCOMPARE(filterCoeffs_50Hz[1].frequency, 100u);
        QCOMPARE(words(filterCoeffs_50Hz[1]),
                 (QVector<qint64>{0x7E864CB6, qint32(0x82114621), 0x7D88E68F, 0x7DEEB9DF, qint32(0x83F0CCBA)}));
        QCOMPARE(words(filterCoeffs_Preemphase[0]), words(kPassThrough));
        QCOMPARE(filterCoeffs_Preemphase[1].frequency, 450u);
        QCOMPARE(words(filterCoeffs_Preemphase[1]),
                 (QVector<qint64>{0x7FFFFFFF, qint32(0x92403D36), 0x5EF875E2, 0x76FD4B15, qint32(0x8E41A157)}));

        DeviceRoot device;
        AudioCodecSetup codec;
        quint32 lp[26] = {}, hp[26] = {};
        int nLp = 0, nHp = 0;
        codec.getAvailableLpFilterFrequencies(lp, &nLp);
        codec.getAvailableHpFilterFrequencies(hp, &nHp);
        QCOMPARE(nLp, 26);
        QCOMPARE(nHp, 26);
        QVERIFY(std::equal(lp, lp + 26, kFrequencies));
        QVERIFY(std::equal(hp, hp + 26, kFrequencies));
    }

    void response_data()
    {
        QTest::addColumn<bool>("highPass");
        QTest::addColumn<quint32>("corner");
        QTest::addColumn<double>("at");
        QTest::addColumn<double>("db");
        QTest::newRow("LP 800 at the corner") << false << 800u << 800.0 << -3.0;
        QTest::newRow("LP 800 at 50 Hz") << false << 800u << 50.0 << 0.0;
        QTest::newRow("HP 1000 at the corner") << true << 1000u << 1000.0 << -3.0;
        QTest::newRow("HP 1000 at 3900 Hz") << true << 1000u << 3900.0 << 0.0;
    }
    void response()
    {
        QFETCH(bool, highPass);
        QFETCH(quint32, corner);
        QFETCH(double, at);
        QFETCH(double, db);
        const double got = responseDb(row(highPass ? filterCoeffs_HP : filterCoeffs_LP, corner), at);
        QVERIFY2(std::abs(got - db) < 0.2, qPrintable(QString::number(got)));
    }

    // The corners as getFilter gives them back, and the sections that reach the codec.
    void snapping_data()
    {
        QTest::addColumn<quint32>("low");
        QTest::addColumn<quint32>("high");
        QTest::addColumn<int>("type");
        QTest::addColumn<quint32>("gotLow");
        QTest::addColumn<quint32>("gotHigh");
        QTest::addColumn<int>("gotType");
        QTest::addColumn<bool>("wrong");
        QTest::newRow("on the rows") << 160u << 800u << 1 << 160u << 800u << 1 << false;
        QTest::newRow("near the rows") << 170u << 790u << 1 << 160u << 800u << 1 << false;
        QTest::newRow("low halfway snaps up") << 180u << 800u << 1 << 200u << 800u << 1 << false;
        QTest::newRow("high halfway snaps up") << 160u << 2250u << 1 << 160u << 2500u << 1 << false;
        QTest::newRow("whole range") << 0u << 4000u << 1 << 0u << 4000u << 1 << false;
        QTest::newRow("equal rows") << 1000u << 1000u << 1 << 0u << 4000u << 0 << true;
        QTest::newRow("above 4000 is row 0") << 5000u << 6000u << 1 << 0u << 4000u << 0 << true;
        QTest::newRow("inverted band") << 300u << 200u << 1 << 315u << 200u << 1 << false;
        QTest::newRow("no filter") << 500u << 900u << 0 << 0u << 4000u << 0 << false;
        QTest::newRow("no filter, largest values") << 0xFFFFFFFFu << 0xFFFFFFFFu << 0 << 0u << 4000u << 0 << false;
        QTest::newRow("band-stop") << 500u << 900u << 2 << 4000u << 0u << 2 << false;
    }
    void snapping()
    {
        QFETCH(quint32, low);
        QFETCH(quint32, high);
        QFETCH(int, type);
        QFETCH(quint32, gotLow);
        QFETCH(quint32, gotHigh);
        QFETCH(int, gotType);
        QFETCH(bool, wrong);
        DeviceRoot device;
        device.journalWrites();
        AudioCodecSetup codec;
        quint32 l = 1, h = 1;
        int t = -1;
        codec.getFilter(&l, &h, &t);
        QCOMPARE(QVector<quint32>({l, h, quint32(t)}), QVector<quint32>({0, 4000, 0}));

        codec.setFilter(low, high, type);
        codec.getFilter(&l, &h, &t);
        QCOMPARE(QVector<quint32>({l, h, quint32(t)}), QVector<quint32>({gotLow, gotHigh, quint32(gotType)}));
        QCOMPARE(TestSupport::logged("Wrong Filtersettings"), wrong);
        QVERIFY(TestSupport::logged("Filter Ist: LP="));

        const bool band = gotType == 1;
        const FilterCoeffs& lowPass = band ? row(filterCoeffs_LP, gotHigh) : kPassThrough;
        const FilterCoeffs& highPass = band ? row(filterCoeffs_HP, gotLow) : kPassThrough;
        QCOMPARE(CodecRegisters::writes(device), filterWrites(lowPass, highPass, lowPass, highPass));
    }

    void oneUpdateWritesEverySectionInOrder()
    {
        DeviceRoot device;
        device.journalWrites();
        AudioCodecSetup codec;
        codec.setFilter(160, 800, 1);
        const QStringList writes = CodecRegisters::writes(device);
        QCOMPARE(writes.size(), 197);
        QCOMPARE(writes.mid(0, 2), QStringList({"0 2c", "1 4"}));
        QCOMPARE(writes.mid(195), QStringList({"0 2c", "1 5"}));
    }

    void specialSectionsOnlyWithDebugFeatures()
    {
        DeviceRoot device;
        device.journalWrites();
        g_debugFeatures = 1;
        AudioCodecSetup codec;
        codec.setSpecialFilter(true, false);
        QCOMPARE(CodecRegisters::writes(device), QStringList());
        codec.setFilter(160, 800, 1);
        const FilterCoeffs& lowPass = row(filterCoeffs_LP, 800);
        const FilterCoeffs& highPass = row(filterCoeffs_HP, 160);
        QCOMPARE(CodecRegisters::writes(device), filterWrites(lowPass, highPass, filterCoeffs_50Hz[1], filterCoeffs_Preemphase[0]));

        device.journalWrites();
        codec.setSpecialFilter(false, true);
        codec.setFilter(160, 800, 1);
        QCOMPARE(CodecRegisters::writes(device), filterWrites(lowPass, highPass, filterCoeffs_50Hz[0], filterCoeffs_Preemphase[1]));
    }
};

QTEST_MAIN(TestListeningFilter)
#include "tst_listeningfilter.moc"
