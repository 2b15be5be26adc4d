#ifndef BTPEERCHANNEL_H
#define BTPEERCHANNEL_H

#include <QString>

#include <functional>

// The simulated module as a peer behind it sees it: the data channel to the instrument,
// the radio link, and the simulator's clock and timers. Simulator thread only.
class BtPeerChannel
{
public:
    // A line to the instrument through the data channel; held while the module is in
    // command mode.
    virtual void sendToInstrument(const QString& line) = 0;
    // Runs f after ms unless the module restarts or the link drops meanwhile.
    virtual void later(int ms, std::function<void()> f) = 0;
    // Runs f after ms, whatever happens to the link meanwhile.
    virtual void afterwards(int ms, std::function<void()> f) = 0;
    // The peer goes out of range: every link to it drops; back after outageMs (never when
    // negative).
    virtual void dropPeerLinks(int outageMs) = 0;
    // The data channel is up and the module passes its lines.
    virtual bool dataChannelOpen() const = 0;
    // The simulator's steady clock, in ms.
    virtual qint64 clockMs() const = 0;

protected:
    ~BtPeerChannel() = default;
};

#endif // BTPEERCHANNEL_H
