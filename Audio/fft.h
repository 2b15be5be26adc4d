#ifndef FFT_H
#define FFT_H

// Frequency of one bin as the spectrum widget labels its axis.
constexpr double kSpectrumWidgetHzPerBin = 7.8125;

#endif // FFT_H
