#ifndef CODECMIXER_H
#define CODECMIXER_H

#include "testsupport.h"

#include <QMap>
#include <QString>
#include <QStringList>

// The simulated codec behind the ALSA mixer of the card "default", as it stands in a
// device tree. Values: switches 0/1, enumerations the item, gains in hundredths of a dB.
namespace CodecMixer {

// Every control's value; empty while nothing has been written to the codec yet.
QMap<QString, long> state(const TestSupport::DeviceRoot& device);
// The selected input: 0 none, 1 to 3 when both switches of IN1, IN2 or IN3 alone are on;
// -1 for any other combination.
int inputPath(const TestSupport::DeviceRoot& device);
// Every write that reached the codec since the tree was made or the trace cleared, in
// order, each as the control's name, a blank and the value.
QStringList trace(const TestSupport::DeviceRoot& device);
void clearTrace(const TestSupport::DeviceRoot& device);
// From the next open of the mixer on, the card lacks these controls; "*" takes the card away.
void setMissing(const TestSupport::DeviceRoot& device, const QStringList& controls);

} // namespace CodecMixer

#endif // CODECMIXER_H
