#include "code/editor/displays/EqAxis.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

CEqAxis::CEqAxis(const CRect& innerRect, double minF, double maxF)
    : inner(innerRect), minFrequency(minF), maxFrequency(maxF)
{
    // A display too small for its handles still has one column.
    pixels = std::max(1, static_cast<int>(std::lround(inner.getWidth())));
    if (inner.getHeight() < 1) inner.bottom = inner.top + 1;
    maxCount = static_cast<int>(std::lround(pixels * kMaxResolution));
    frequencies = std::make_unique<double[]>(static_cast<size_t>(maxCount));
    setResolution(1.0);
}

bool CEqAxis::setResolution(double columnsPerPixel)
{
    const double r =
        std::clamp(std::isfinite(columnsPerPixel) ? columnsPerPixel : 1.0, 1.0, kMaxResolution);
    const int n = std::clamp(static_cast<int>(std::lround(pixels * r)), 1, maxCount);
    if (n == count) return false;
    count = n;
    const double span = std::log(maxFrequency / minFrequency);
    for (int i = 0; i < n; ++i)
        frequencies[i] = n > 1 ? minFrequency * std::exp(span * i / (n - 1)) : minFrequency;
    return true;
}

double CEqAxis::columnX(int column) const
{
    if (count < 2) return inner.left;
    return inner.left + column * (pixels - 1) / static_cast<double>(count - 1);
}

int CEqAxis::columnOf(float v) const
{
    if (!(v > 0.0f)) return 0;
    return std::min(count - 1, static_cast<int>(std::lround(std::min(v, 1.0f) * (count - 1))));
}

float CEqAxis::normalisedFrequencyAt(double x) const
{
    if (count < 2 || pixels < 2) return 0.0f;
    const double v = std::clamp((x - inner.left) / (pixels - 1), 0.0, 1.0);
    return static_cast<float>(std::lround(v * (count - 1))) / static_cast<float>(count - 1);
}

int CEqAxis::columnReaching(double f) const
{
    for (int i = 0; i < count; ++i)
        if (frequencies[i] >= f * (1.0 - 1e-9)) return i;
    return count - 1;
}

double CEqAxis::logGainY(double logGain) const
{
    return inner.bottom - (logGain / std::log(kMaxGain) + 1.0) * inner.getHeight() / 2;
}

double CEqAxis::normalisedGainY(float v) const
{
    return inner.bottom - std::clamp(v, 0.0f, 1.0f) * inner.getHeight();
}

float CEqAxis::normalisedGainAt(double y) const
{
    return static_cast<float>(std::clamp(1.0 - (y - inner.top) / inner.getHeight(), 0.0, 1.0));
}
