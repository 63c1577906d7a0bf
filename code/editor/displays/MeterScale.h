#pragma once
// Where a level sits on the editor's meters: four quarters, each a logarithmic span, so that
// -60 dB, about -36 dB, -18 dB, -6 dB and full scale fall at 0, 1/4, 1/2, 3/4 and 1. Above full
// scale the value passes 1 and the meter clips it.

#include <cmath>

namespace velqa::editor
{

inline float meterValueOf(float level)
{
    constexpr double kFloor = 0.001;
    // The lower edge of each quarter (linear amplitude) and how wide it is, as a ratio.
    struct Quarter
    {
        double from, ratio;
    };
    constexpr Quarter kQuarters[] = {
        {kFloor, 15.625}, {1.0 / 64, 8.0}, {1.0 / 8, 4.0}, {1.0 / 2, 2.0}};
    if (!(level >= kFloor)) return 0.0f; // NaN too
    int q = 3;
    while (q > 0 && level < kQuarters[q].from) --q;
    const Quarter& quarter = kQuarters[q];
    return static_cast<float>(0.25 * q +
                              0.25 * std::log(level / quarter.from) / std::log(quarter.ratio));
}

} // namespace velqa::editor
