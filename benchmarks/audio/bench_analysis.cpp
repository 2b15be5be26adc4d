// The ADC analysis: one 1024-point transform beside FFTW's, and one block's whole
// analysis (level, spectrum, dominant frequency), which runs every 300 ms.
#include "Audio/analoginputworker.h"
#include "Audio/fft.h"
#include "adcsim.h"
#include "benchmark.h"

#include <fftw3.h>

#include <cstring>
#include <string>

namespace {

std::string ratio(double ratio)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2fx FFTW's complex transform", ratio);
    return text;
}

void analysis()
{
    const int n = 1024;
    LeakSignal::Settings settings;
    settings.toneHz = 1000;
    settings.toneRms = 3000;
    LeakSignal signal(7670, settings);
    const QByteArray block = signal.next(n);

    CArray input(n);
    for (int i = 0; i < n; ++i) {
        const qint16 sample = qint16(quint16(uchar(block[2 * i]) | (uchar(block[2 * i + 1]) << 8)));
        input[i] = Complex(pcmToReal(sample), 0.0f);
    }

    // FFTW in single precision, planned once with measurement, in place like ours.
    CArray work(n);
    fftwf_complex* data = fftwf_alloc_complex(n);
    fftwf_plan complexPlan = fftwf_plan_dft_1d(n, data, data, FFTW_BACKWARD, FFTW_MEASURE);
    const Bench::Pair transform = Bench::medianPair(
        [&] {
            std::memcpy(&work[0], &input[0], n * sizeof(Complex));
            fft(work);
            Bench::keep(&work[0]);
        },
        [&] {
            std::memcpy(data, &input[0], n * sizeof(Complex));
            fftwf_execute(complexPlan);
            Bench::keep(data);
        });
    float* real = fftwf_alloc_real(n);
    fftwf_complex* half = fftwf_alloc_complex(n / 2 + 1);
    fftwf_plan realPlan = fftwf_plan_dft_r2c_1d(n, real, half, FFTW_MEASURE);
    const double referenceReal = Bench::medianMicroseconds([&] {
        for (int i = 0; i < n; ++i)
            real[i] = input[i].real();
        fftwf_execute(realPlan);
        Bench::keep(half);
    });

    AnalogInputWorker worker;
    const double wholeBlock = Bench::medianMicroseconds([&] { worker.analyseBlock(block); }, 1000);
    worker.shutdown();

    Bench::report("fft(), 1024 points", transform.a, ratio(transform.ratio) + " (goal: within 3x)");
    Bench::report("FFTW, 1024-point complex, single precision", transform.b);
    Bench::report("FFTW, 1024-point real, single precision", referenceReal);
    Bench::report("one block: level, spectrum, dominant frequency", wholeBlock,
                  "goal: below 50 µs (" + std::to_string(wholeBlock / 3000.0).substr(0, 6) + " % of 300 ms)");

    fftwf_destroy_plan(complexPlan);
    fftwf_destroy_plan(realPlan);
    fftwf_free(data);
    fftwf_free(real);
    fftwf_free(half);
}

} // namespace

BENCHMARK_SECTION("analysis", "ADC level and spectrum analysis", analysis)
