#ifndef POINTHISTORY_H
#define POINTHISTORY_H

// Rules over the ten points of a point-by-point measurement. Values are display levels
// in dB, indexed by point number 1 to 10 (entry 0 is not a point); bars hold tenths.
namespace PointHistory {

const int kPoints = 10;

struct Range
{
    float low = 0;
    float high = 100;
};

// A level as a bar holds it: tenths, truncated toward zero.
int barValue(float level);

// The range of the live bars: 4 dB below the lowest point above 0, up to 10 dB above it
// or 4 dB above the highest when that is further; 0 to 100 when all are within 1 dB.
Range liveRange(const float values[kPoints + 1]);

// The range of the bars of a stored measurement, with 5 dB margins; 0 to 100 when both
// margins leave the scale, and when the points lie within 1 dB of each other.
Range storedRange(const float values[kPoints + 1]);

// The loudest of points 1 to count; the later point wins a tie, so with all values 0 it is
// the last one. 0 when count is 0.
int markedPoint(const float values[kPoints + 1], int count);

} // namespace PointHistory

#endif // POINTHISTORY_H
