#include "Audio/fft.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

bool isPowerOfTwo(size_t n)
{
    return n != 0 && (n & (n - 1)) == 0;
}

unsigned int log2Exact(size_t n)
{
    unsigned int m = 0;
    while ((size_t(1) << m) < n)
        ++m;
    return m;
}

uint32_t reverseBits(uint32_t v)
{
    v = ((v >> 1) & 0x55555555u) | ((v & 0x55555555u) << 1);
    v = ((v >> 2) & 0x33333333u) | ((v & 0x33333333u) << 2);
    v = ((v >> 4) & 0x0f0f0f0fu) | ((v & 0x0f0f0f0fu) << 4);
    v = ((v >> 8) & 0x00ff00ffu) | ((v & 0x00ff00ffu) << 8);
    return (v >> 16) | (v << 16);
}

// e^(+2 pi i j / N) for j < N/2, each computed in double and then rounded: more accurate
// than rotating by repeated multiplication, and the same for every block.
struct Tables
{
    explicit Tables(size_t n)
        : size(n)
        , cosine(n / 2)
        , sine(n / 2)
        , reversed(n)
    {
        for (size_t j = 0; j < n / 2; ++j) {
            const double angle = 2.0 * M_PI * double(j) / double(n);
            cosine[j] = float(std::cos(angle));
            sine[j] = float(std::sin(angle));
        }
        const unsigned int m = log2Exact(n);
        for (size_t a = 0; a < n; ++a)
            reversed[a] = reverseBits(uint32_t(a)) >> (32 - m);
    }

    size_t size;
    std::vector<float> cosine;
    std::vector<float> sine;
    std::vector<uint32_t> reversed;
};

// The analysis always transforms 1024 points; its tables are built once.
const Tables& tablesFor1024()
{
    static const Tables tables(1024);
    return tables;
}

void transform(Complex* x, const Tables& t)
{
    const size_t n = t.size;
    // Complex products by hand: std::complex<float> multiplication checks for NaN and
    // infinity through a library call.
    for (size_t span = n, stride = 1; span >= 2; span /= 2, stride *= 2) {
        const size_t half = span / 2;
        for (size_t start = 0; start < n; start += span) {
            for (size_t l = 0; l < half; ++l) {
                Complex& xa = x[start + l];
                Complex& xb = x[start + l + half];
                const float ar = xa.real(), ai = xa.imag();
                const float br = xb.real(), bi = xb.imag();
                const float dr = ar - br, di = ai - bi;
                const float c = t.cosine[l * stride], s = t.sine[l * stride];
                xa = Complex(ar + br, ai + bi);
                xb = Complex(dr * c - di * s, dr * s + di * c);
            }
        }
    }
    for (size_t a = 0; a < n; ++a) {
        const size_t b = t.reversed[a];
        if (b > a)
            std::swap(x[a], x[b]);
    }
}

} // namespace

float pcmToReal(short pcm)
{
    return float(pcm) / 32768.0f;
}

short realToPcm(float real)
{
    const float scaled = real * 32767.0f;
    // Out of range (and NaN) would be undefined in the conversion: clamp.
    if (!(scaled > -32768.0f))
        return scaled < 0 ? -32768 : 0;
    if (scaled >= 32767.0f)
        return 32767;
    return short(scaled);
}

void fft(CArray& x)
{
    const size_t n = x.size();
    // Other counts would index past the array; the analysis always passes 1024.
    if (n < 2 || !isPowerOfTwo(n))
        return;
    if (n == 1024) {
        transform(&x[0], tablesFor1024());
    } else {
        const Tables tables(n);
        transform(&x[0], tables);
    }
}

void ifft(CArray& x)
{
    const size_t n = x.size();
    if (n == 0)
        return;
    for (Complex& v : x)
        v = Complex(v.real(), -v.imag());
    fft(x);
    const float count = float(n);
    for (Complex& v : x)
        v = Complex(v.real() / count, -v.imag() / count);
}
