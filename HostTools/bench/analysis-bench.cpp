// Times the ADC analysis on this PC: one 1024-point fft() beside FFTW's single-precision
// complex and real transforms (planned once with FFTW_MEASURE), and one block's whole
// analysis (level, spectrum, dominant frequency), which runs every 300 ms. Prints medians.
// Run by scripts/benchmark-audio; links FFTW, which the instrument never does.
//
//     analysis-bench [RUNS]   RUNS timing runs of 2000 calls each (default 21)
#include "Audio/analoginputworker.h"
#include "Audio/fft.h"
#include "adcsim.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <fftw3.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

namespace {

const int kCalls = 2000;

// Keeps the compiler from dropping a computation whose result is not used.
void keep(const void* p)
{
    asm volatile("" : : "g"(p) : "memory");
}

double meanMicroseconds(const std::function<void()>& fn)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kCalls; ++i)
        fn();
    return timer.nsecsElapsed() / 1e3 / kCalls;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianMicroseconds(int runs, const std::function<void()>& fn)
{
    meanMicroseconds(fn); // warm caches and branch predictors
    std::vector<double> means;
    for (int r = 0; r < runs; ++r)
        means.push_back(meanMicroseconds(fn));
    return median(means);
}

// Two calls timed in alternating runs, so that a busy machine slows both alike: their
// medians and the median of the runs' ratios a / b.
struct Pair
{
    double a, b, ratio;
};

Pair medianPair(int runs, const std::function<void()>& a, const std::function<void()>& b)
{
    meanMicroseconds(a);
    meanMicroseconds(b);
    std::vector<double> as, bs, ratios;
    for (int r = 0; r < runs; ++r) {
        as.push_back(meanMicroseconds(a));
        bs.push_back(meanMicroseconds(b));
        ratios.push_back(as.back() / bs.back());
    }
    return {median(as), median(bs), median(ratios)};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 21;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    const int n = 1024;
    LeakSignal::Settings settings;
    settings.toneHz = 1000;
    settings.toneRms = 3000;
    const QByteArray block = LeakSignal(AdcSimulator::kSampleRate, settings).next(n);
    CArray input(n);
    for (int i = 0; i < n; ++i)
        input[i] = Complex(pcmToReal(qint16(quint16(uchar(block[2 * i]) | (uchar(block[2 * i + 1]) << 8)))), 0.0f);

    // In place like ours, the same copy of the input before each.
    CArray work(n);
    fftwf_complex* data = fftwf_alloc_complex(n);
    fftwf_plan complexPlan = fftwf_plan_dft_1d(n, data, data, FFTW_BACKWARD, FFTW_MEASURE);
    const Pair transform = medianPair(
        runs,
        [&] {
            std::memcpy(&work[0], &input[0], n * sizeof(Complex));
            fft(work);
            keep(&work[0]);
        },
        [&] {
            std::memcpy(data, &input[0], n * sizeof(Complex));
            fftwf_execute(complexPlan);
            keep(data);
        });
    float* real = fftwf_alloc_real(n);
    fftwf_complex* half = fftwf_alloc_complex(n / 2 + 1);
    fftwf_plan realPlan = fftwf_plan_dft_r2c_1d(n, real, half, FFTW_MEASURE);
    const double realTransform = medianMicroseconds(runs, [&] {
        for (int i = 0; i < n; ++i)
            real[i] = input[i].real();
        fftwf_execute(realPlan);
        keep(half);
    });

    AnalogInputWorker worker;
    const double wholeBlock = medianMicroseconds(runs, [&] { worker.analyseBlock(block); });
    worker.shutdown();

    QTextStream out(stdout);
    out << "ADC analysis, medians of " << runs << " runs of " << kCalls << " calls:\n";
    out << QString("  fft(), 1024 points            %1 µs, %2x FFTW's complex transform (goal: within 3x)\n")
               .arg(transform.a, 0, 'f', 2)
               .arg(transform.ratio, 0, 'f', 2);
    out << QString("  FFTW complex, 1024 points     %1 µs\n").arg(transform.b, 0, 'f', 2);
    out << QString("  FFTW real, 1024 points        %1 µs\n").arg(realTransform, 0, 'f', 2);
    out << QString("  one block's whole analysis    %1 µs = %2 % of the 300 ms period (goal: below 50 µs)\n")
               .arg(wholeBlock, 0, 'f', 2)
               .arg(wholeBlock / 3000.0, 0, 'f', 4);

    fftwf_destroy_plan(complexPlan);
    fftwf_destroy_plan(realPlan);
    fftwf_free(data);
    fftwf_free(real);
    fftwf_free(half);
    return 0;
}
