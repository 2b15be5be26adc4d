#include "Mainmenu/pointhistory.h"

namespace PointHistory {

namespace {

void extremes(const float values[kPoints + 1], float* minimum, float* maximum)
{
    *minimum = 100;
    *maximum = 0;
    for (int i = 1; i <= kPoints; ++i) {
        if (values[i] > 0 && values[i] < *minimum)
            *minimum = values[i];
        if (values[i] > *maximum)
            *maximum = values[i];
    }
}

} // namespace

int barValue(float level)
{
    return int(level * 10);
}

Range liveRange(const float values[kPoints + 1])
{
    float minimum = 0;
    float maximum = 0;
    extremes(values, &minimum, &maximum);
    Range range;
    range.low = minimum - 4 < 0 ? 0 : minimum - 4;
    range.high = maximum > minimum + 10 ? maximum + 4 : minimum + 10;
    if (maximum - minimum < 1) {
        range.low = 0;
        range.high = 100;
    } else if (range.high > 100) {
        range.high = 100;
    }
    return range;
}

Range storedRange(const float values[kPoints + 1])
{
    float minimum = 0;
    float maximum = 0;
    extremes(values, &minimum, &maximum);
    Range range;
    if (minimum - 5 < 0 && maximum + 5 > 100)
        return range;
    if (minimum - 5 < 0)
        minimum = 5;
    if (maximum + 5 > 100)
        maximum = 95;
    // Points within 1 dB of each other keep the full scale: a range taken over from
    // another measurement could cut their bars off.
    if (maximum - minimum < 1)
        return range;
    range.low = minimum - 5;
    range.high = maximum + 5;
    return range;
}

int markedPoint(const float values[kPoints + 1], int count)
{
    int marked = 0;
    float best = 0;
    for (int i = 1; i <= count && i <= kPoints; ++i) {
        if (values[i] >= best) {
            best = values[i];
            marked = i;
        }
    }
    return marked;
}

} // namespace PointHistory
