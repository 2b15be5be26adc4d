#ifndef FFT_H
#define FFT_H

#include <complex>
#include <valarray>

// The numeric layer of the audio engine: sample conversions and the transform the level
// and spectrum analysis runs on every ADC block.
using Complex = std::complex<float>;
using CArray = std::valarray<Complex>;

// Frequency of one bin of the 1024-point ADC spectrum: the converter samples at 7670 Hz.
constexpr unsigned int kAdcSampleRate = 7670;
constexpr int kAdcBlockSamples = 1024;
constexpr double kAdcHzPerBin = double(kAdcSampleRate) / kAdcBlockSamples; // 7.490234375
// Frequency of one bin as the spectrum widget labels its axis.
constexpr double kSpectrumWidgetHzPerBin = 7.8125;

// pcm / 32768: -1 .. 32767/32768.
inline float pcmToReal(short pcm)
{
    return float(pcm) / 32768.0f;
}
// real * 32767, truncated toward zero: -1 .. 1 gives -32767 .. 32767.
short realToPcm(float real);

// In place, unscaled, natural order: X[k] = sum x[n] e^(+2 pi i n k / N). N must be a
// power of two; 0 and 1 leave x as it is. For real input the magnitudes are those of the
// usual forward transform.
void fft(CArray& x);
// The inverse of fft(): ifft(fft(x)) == x.
void ifft(CArray& x);

#endif // FFT_H
