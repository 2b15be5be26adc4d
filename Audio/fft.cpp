#include "Audio/fft.h"

#include <cmath>
#include <cstdint>
#include <cstring>
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

// Four floats at once where the target has vector registers; plain floats elsewhere.
typedef float Float4 __attribute__((vector_size(16)));
typedef int Int4 __attribute__((vector_size(16)));

inline Float4 load4(const float* p)
{
    Float4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void store4(float* p, Float4 v)
{
    std::memcpy(p, &v, sizeof v);
}

// The rotations e^(+2 pi i l / span) of every stage, each computed in double and then
// rounded: more accurate than rotating by repeated multiplication, and the same for
// every block. A stage whose butterflies are `half` apart has its `half` rotations
// contiguous from index half - 1.
struct Tables
{
    explicit Tables(size_t n)
        : size(n)
        , cosine(n)
        , sine(n)
        , reversed(n)
    {
        for (size_t half = 1; half < n; half *= 2) {
            for (size_t l = 0; l < half; ++l) {
                const double angle = M_PI * double(l) / double(half);
                cosine[half - 1 + l] = float(std::cos(angle));
                sine[half - 1 + l] = float(std::sin(angle));
            }
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

// Radix-2 decimation in frequency on split real and imaginary parts, so that four
// butterflies go through the vector registers together. (std::complex<float>
// multiplication would also check for NaN and infinity through a library call.)
// Two stages go over the data in one pass: the butterflies and their order within each
// stage stay those of the plain radix-2 transform.
struct Rotation
{
    Float4 c, s;
};

inline Rotation rotation(const Tables& t, size_t half, size_t l)
{
    return {load4(&t.cosine[half - 1 + l]), load4(&t.sine[half - 1 + l])};
}

// One butterfly on values held in registers: (a, b) -> (a + b, (a - b) * w).
inline void butterfly(Float4& ar, Float4& ai, Float4& br, Float4& bi, const Rotation& w)
{
    const Float4 dr = ar - br, di = ai - bi;
    ar += br;
    ai += bi;
    br = dr * w.c - di * w.s;
    bi = dr * w.s + di * w.c;
}

void transform(float* re, float* im, const Tables& t)
{
    const size_t n = t.size;
    size_t half = n / 2;
    for (; half >= 8; half /= 4) {
        const size_t quarter = half / 2;
        for (size_t start = 0; start < n; start += 2 * half) {
            for (size_t l = 0; l < quarter; l += 4) {
                const size_t p0 = start + l, p1 = p0 + quarter, p2 = p0 + half, p3 = p2 + quarter;
                Float4 r0 = load4(re + p0), r1 = load4(re + p1), r2 = load4(re + p2), r3 = load4(re + p3);
                Float4 i0 = load4(im + p0), i1 = load4(im + p1), i2 = load4(im + p2), i3 = load4(im + p3);
                butterfly(r0, i0, r2, i2, rotation(t, half, l));
                butterfly(r1, i1, r3, i3, rotation(t, half, l + quarter));
                const Rotation inner = rotation(t, quarter, l);
                butterfly(r0, i0, r1, i1, inner);
                butterfly(r2, i2, r3, i3, inner);
                store4(re + p0, r0);
                store4(re + p1, r1);
                store4(re + p2, r2);
                store4(re + p3, r3);
                store4(im + p0, i0);
                store4(im + p1, i1);
                store4(im + p2, i2);
                store4(im + p3, i3);
            }
        }
    }
    if (half == 4) {
        for (size_t a = 0; a < n; a += 8) {
            Float4 r0 = load4(re + a), i0 = load4(im + a), r1 = load4(re + a + 4), i1 = load4(im + a + 4);
            butterfly(r0, i0, r1, i1, rotation(t, 4, 0));
            store4(re + a, r0);
            store4(im + a, i0);
            store4(re + a + 4, r1);
            store4(im + a + 4, i1);
        }
    }
}

// The stages leave bin k at the bit reversal of k: the last two stages (rotations 1 and
// i, then 1) write their results straight to their places in x. Element q of the group
// of four at a lands at reversed(a) + reversed2(q) * n / 4.
inline void storeGroup(Complex* out, size_t quarter, float r0, float i0, float r1, float i1, float r2, float i2,
                       float r3, float i3)
{
    out[0] = Complex(r0 + r1, i0 + i1);
    out[2 * quarter] = Complex(r0 - r1, i0 - i1);
    out[quarter] = Complex(r2 + r3, i2 + i3);
    out[3 * quarter] = Complex(r2 - r3, i2 - i3);
}

inline void transpose(Float4& a, Float4& b, Float4& c, Float4& d)
{
    const Float4 ab0 = __builtin_shuffle(a, b, (Int4){0, 4, 1, 5});
    const Float4 ab1 = __builtin_shuffle(a, b, (Int4){2, 6, 3, 7});
    const Float4 cd0 = __builtin_shuffle(c, d, (Int4){0, 4, 1, 5});
    const Float4 cd1 = __builtin_shuffle(c, d, (Int4){2, 6, 3, 7});
    a = __builtin_shuffle(ab0, cd0, (Int4){0, 1, 4, 5});
    b = __builtin_shuffle(ab0, cd0, (Int4){2, 3, 6, 7});
    c = __builtin_shuffle(ab1, cd1, (Int4){0, 1, 4, 5});
    d = __builtin_shuffle(ab1, cd1, (Int4){2, 3, 6, 7});
}

void finish(const float* re, const float* im, const Tables& t, Complex* x)
{
    const size_t n = t.size;
    if (n == 2) {
        x[0] = Complex(re[0] + re[1], im[0] + im[1]);
        x[1] = Complex(re[0] - re[1], im[0] - im[1]);
        return;
    }
    const size_t quarter = n / 4;
    size_t a = 0;
    // Four groups at once: transposed, lane k holds group k.
    for (; a + 16 <= n; a += 16) {
        Float4 r0 = load4(re + a), r1 = load4(re + a + 4), r2 = load4(re + a + 8), r3 = load4(re + a + 12);
        Float4 i0 = load4(im + a), i1 = load4(im + a + 4), i2 = load4(im + a + 8), i3 = load4(im + a + 12);
        transpose(r0, r1, r2, r3);
        transpose(i0, i1, i2, i3);
        const Float4 sr0 = r0 + r2, si0 = i0 + i2, sr2 = r0 - r2, si2 = i0 - i2;
        const Float4 sr1 = r1 + r3, si1 = i1 + i3, sr3 = i3 - i1, si3 = r1 - r3;
        for (int k = 0; k < 4; ++k)
            storeGroup(x + t.reversed[a + 4 * k], quarter, sr0[k], si0[k], sr1[k], si1[k], sr2[k], si2[k], sr3[k],
                       si3[k]);
    }
    for (; a < n; a += 4) {
        storeGroup(x + t.reversed[a], quarter, re[a] + re[a + 2], im[a] + im[a + 2], re[a + 1] + re[a + 3],
                   im[a + 1] + im[a + 3], re[a] - re[a + 2], im[a] - im[a + 2], im[a + 3] - im[a + 1],
                   re[a + 1] - re[a + 3]);
    }
}

void transform(CArray& x, const Tables& t, float* re, float* im)
{
    const size_t n = t.size;
    Complex* data = &x[0];
    size_t a = 0;
    for (; a + 4 <= n; a += 4) { // split four interleaved values at a time
        const Float4 low = load4(reinterpret_cast<const float*>(data + a));
        const Float4 high = load4(reinterpret_cast<const float*>(data + a + 2));
        store4(re + a, __builtin_shuffle(low, high, (Int4){0, 2, 4, 6}));
        store4(im + a, __builtin_shuffle(low, high, (Int4){1, 3, 5, 7}));
    }
    for (; a < n; ++a) {
        re[a] = data[a].real();
        im[a] = data[a].imag();
    }
    transform(re, im, t);
    finish(re, im, t, data);
}

} // namespace

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
        alignas(16) float re[1024];
        alignas(16) float im[1024];
        transform(x, tablesFor1024(), re, im);
    } else {
        const Tables tables(n);
        std::vector<float> re(n), im(n);
        transform(x, tables, re.data(), im.data());
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
