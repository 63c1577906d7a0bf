#pragma once
// Where frequencies and gains sit in an equaliser display. Columns are the curve's points: column
// i of n has frequency fMin·(fMax/fMin)^(i/(n−1)), spread evenly over the inner width, and a
// handle at normalised frequency v stands on column round(v·(n−1)), so handle and curve meet.
// Gains are logarithmic: the inner top is +kMaxGain, the middle 0 dB, the bottom 1/kMaxGain.

#include "vstgui/lib/crect.h"

#include <memory>

class CEqAxis
{
public:
    static constexpr float kMaxGain = 4.0f; // about +12 dB
    // Columns per layout pixel go up to this, so a zoomed window gets one point per screen pixel.
    static constexpr double kMaxResolution = 2.0;

    // Allocates: the frequency table for the highest resolution.
    CEqAxis(const VSTGUI::CRect& inner, double minFrequency, double maxFrequency);

    // Columns per layout pixel, clamped to 1…kMaxResolution; true when the column count changed.
    bool setResolution(double columnsPerPixel);

    double lowest() const { return minFrequency; }
    double highest() const { return maxFrequency; }
    int columns() const { return count; }
    int capacity() const { return maxCount; }
    double frequency(int column) const { return frequencies[column]; }
    double columnX(int column) const;
    int columnOf(float normalisedFrequency) const;
    // The column nearest to x, as a normalised frequency.
    float normalisedFrequencyAt(double x) const;
    // First column whose frequency reaches f (the last one when none does).
    int columnReaching(double f) const;

    // y of a gain given as its natural logarithm.
    double logGainY(double logGain) const;
    double normalisedGainY(float normalisedGain) const;
    float normalisedGainAt(double y) const;
    double zeroDbY() const { return inner.top + inner.getHeight() / 2; }

    const VSTGUI::CRect& getInner() const { return inner; }

private:
    VSTGUI::CRect inner;
    double minFrequency, maxFrequency;
    int pixels, maxCount, count = 0;
    std::unique_ptr<double[]> frequencies;
};
