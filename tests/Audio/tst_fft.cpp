#include "Audio/fft.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <complex>
#include <vector>

namespace {

// The definition, in double precision, with the transform's positive exponent.
std::vector<std::complex<double>> dft(const CArray& x)
{
    const size_t n = x.size();
    std::vector<std::complex<double>> out(n);
    for (size_t k = 0; k < n; ++k) {
        std::complex<double> sum = 0;
        for (size_t j = 0; j < n; ++j) {
            const double angle = 2 * M_PI * double((j * k) % n) / double(n);
            sum += std::complex<double>(x[j].real(), x[j].imag()) * std::polar(1.0, angle);
        }
        out[k] = sum;
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(CArray)

class TestFft : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }

    void matchesTheDefinition_data()
    {
        QTest::addColumn<CArray>("input");
        QRandomGenerator random(4711);
        CArray noise(1024);
        for (Complex& v : noise)
            v = Complex(float(random.generateDouble() * 2 - 1), float(random.generateDouble() * 2 - 1));
        QTest::newRow("random complex") << noise;
        CArray tones(1024);
        for (int n = 0; n < 1024; ++n)
            tones[n] = Complex(float(0.25 + 0.5 * std::sin(2 * M_PI * 134.5 * n / 1024)
                                     + 0.2 * std::cos(2 * M_PI * 37.3 * n / 1024)),
                               0.0f);
        QTest::newRow("real tones and DC") << tones;
        for (int size : {2, 4, 8, 16, 32}) {
            CArray small(size);
            for (Complex& v : small)
                v = Complex(float(random.generateDouble()), float(random.generateDouble()));
            QTest::addRow("%d points", size) << small;
        }
    }
    void matchesTheDefinition()
    {
        QFETCH(CArray, input);
        const std::vector<std::complex<double>> expected = dft(input);
        CArray x = input;
        fft(x);
        double largest = 0;
        for (const auto& v : expected)
            largest = std::max(largest, std::abs(v));
        for (size_t k = 0; k < x.size(); ++k) {
            const double error = std::abs(std::complex<double>(x[k].real(), x[k].imag()) - expected[k]);
            if (error > 2e-4 * largest)
                QFAIL(qPrintable(QStringLiteral("bin %1 off by %2").arg(k).arg(error)));
        }
    }

    void exponentIsPositive()
    {
        // e^(-2 pi i 5 n / N) lands in bin 5 only with a positive exponent, at full height.
        CArray x(1024);
        for (int n = 0; n < 1024; ++n)
            x[n] = std::polar(1.0f, float(-2 * M_PI * 5 * n / 1024));
        fft(x);
        size_t peak = 0;
        for (size_t k = 1; k < x.size(); ++k) {
            if (std::abs(x[k]) > std::abs(x[peak]))
                peak = k;
        }
        QCOMPARE(peak, size_t(5));
        QVERIFY(std::abs(std::abs(x[5]) - 1024.0f) < 0.1f);
    }

    void inverseRestoresInput()
    {
        QRandomGenerator random(99);
        CArray original(1024);
        for (Complex& v : original)
            v = Complex(float(random.generateDouble() - 0.5), float(random.generateDouble() - 0.5));
        CArray x = original;
        fft(x);
        ifft(x);
        for (size_t i = 0; i < x.size(); ++i)
            QVERIFY2(std::abs(x[i] - original[i]) < 1e-4f, qPrintable(QString::number(i)));

        for (size_t size : {size_t(0), size_t(1)}) {
            CArray tiny(Complex(3.0f, -2.0f), size);
            fft(tiny);
            ifft(tiny);
            QCOMPARE(tiny.size(), size);
            if (size == 1)
                QCOMPARE(tiny[0], Complex(3.0f, -2.0f));
        }
        // A count that is not a power of two is left alone instead of indexed past its end.
        CArray odd(Complex(1.0f, 0.0f), 6);
        fft(odd);
        QCOMPARE(odd[5], Complex(1.0f, 0.0f));
    }

    void sampleConversions_data()
    {
        QTest::addColumn<float>("real");
        QTest::addColumn<int>("pcm");
        QTest::newRow("full scale") << 1.0f << 32767;
        QTest::newRow("negative full scale") << -1.0f << -32767;
        QTest::newRow("truncates toward zero") << 0.99999f << 32766;
        QTest::newRow("negative truncates toward zero") << -0.5f << -16383;
        QTest::newRow("past full scale is clamped") << 2.0f << 32767;
        QTest::newRow("not a number") << std::nanf("") << 0;
    }
    void sampleConversions()
    {
        QFETCH(float, real);
        QFETCH(int, pcm);
        QCOMPARE(int(realToPcm(real)), pcm);
    }

    void pcmToRealScale()
    {
        QCOMPARE(pcmToReal(-32768), -1.0f);
        QCOMPARE(pcmToReal(16384), 0.5f);
        QCOMPARE(pcmToReal(32767), 32767.0f / 32768.0f);
    }
};

QTEST_GUILESS_MAIN(TestFft)
#include "tst_fft.moc"
