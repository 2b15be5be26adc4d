#ifndef CODECREGISTERS_H
#define CODECREGISTERS_H

#include "testsupport.h"

#include <QStringList>

// The listening filter as it reaches the codec's register file of a device tree (with
// its writes journalled, DeviceRoot::journalWrites()).
namespace CodecRegisters {

// One filter update: page selects, two control writes and twelve sections of five words.
constexpr int kWritesPerFilter = 197;
// Where the first word (N0) of a section's three writes starts within one update.
constexpr int kLeft1 = 2;   // low-pass, register 0x0c
constexpr int kLeft3 = 66;  // high-pass, register 0x34
constexpr int kLeft5 = 130; // 50 Hz row or low-pass, register 0x5c

// Every "register value" written (lower-case hexadecimal), in order.
QStringList writes(const TestSupport::DeviceRoot& device);
// The three writes that put one coefficient word at its first register.
QStringList word(int reg, qint32 value);

} // namespace CodecRegisters

#endif // CODECREGISTERS_H
