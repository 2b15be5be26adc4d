#ifndef FILTERCOEFFS_H
#define FILTERCOEFFS_H

#include <QtGlobal>

// One biquad section of the codec's listening filter. The words are signed fractions
// scaled by 2147483647; the codec evaluates
//     y[n] = n0*x[n] + 2*n1*x[n-1] + n2*x[n-2] + 2*d1*y[n-1] + d2*y[n-2]
// so n1 and d1 are stored halved and d1, d2 carry the sign of the feedback terms.
struct FilterCoeffs
{
    quint32 frequency; // Hz
    qint32 n0;
    qint32 n1;
    qint32 n2;
    qint32 d1;
    qint32 d2;
};

constexpr int kFilterTableRows = 26;

// Low-pass and high-pass sections at 16 kHz for the same 26 corner frequencies, 0 to
// 4000 Hz; the first and last rows pass the signal through.
extern const FilterCoeffs filterCoeffs_LP[kFilterTableRows];
extern const FilterCoeffs filterCoeffs_HP[kFilterTableRows];
// Row 0 passes through; row 1 is the mains-hum section (100 Hz) or the pre-emphasis (450 Hz).
extern const FilterCoeffs filterCoeffs_50Hz[2];
extern const FilterCoeffs filterCoeffs_Preemphase[2];

#endif // FILTERCOEFFS_H
