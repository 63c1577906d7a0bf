#include "code/ParameterMapping.h"

#include "code/ParameterIndex.h"
#include "code/ParameterTable.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace velqa
{
namespace
{

const double kFrequencyOctaves = std::log(1000.0) / std::log(2.0);

double gainOf(float v)
{
    return std::pow(4.0, 2.0 * static_cast<double>(v) - 1.0);
}

} // namespace

int32_t truncateToInt(double x)
{
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (x <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(x);
}

float frequencyOf(float v)
{
    return static_cast<float>(20.0 * std::exp2(static_cast<double>(v) * kFrequencyOctaves));
}

float thresholdCurve(float v)
{
    const double x = v;
    if (x < 0.25) return static_cast<float>(0.001 * std::pow(15.625, 4.0 * x));
    if (x < 0.5) return static_cast<float>(0.015625 * std::pow(8.0, 4.0 * (x - 0.25)));
    if (x < 0.75) return static_cast<float>(0.125 * std::pow(4.0, 4.0 * (x - 0.5)));
    return static_cast<float>(0.5 * std::pow(2.0, 4.0 * (x - 0.75)));
}

float thresholdToNormalised(float level)
{
    const double x = level;
    // Written so that NaN falls through to 0 rather than into a logarithm.
    if (!(x >= 0.001)) return 0.0f;
    if (x < 0.015625) return static_cast<float>(std::log(x / 0.001) / std::log(15.625) * 0.25);
    if (x < 0.125) return static_cast<float>(std::log(x / 0.015625) / std::log(8.0) * 0.25 + 0.25);
    if (x < 0.5) return static_cast<float>(std::log(x / 0.125) / std::log(4.0) * 0.25 + 0.5);
    return static_cast<float>(std::log(x / 0.5) / std::log(2.0) * 0.25 + 0.75);
}

float valueOf(int32_t index, float v)
{
    const int32_t valueClass = mappedClassOf(index);
    if (valueClass == kClassFrequency || index == kLowCut || index == kHighCut)
        return frequencyOf(v);
    if (valueClass == kClassGain) return static_cast<float>(gainOf(v));
    if (valueClass == kClassQ) return static_cast<float>(1.0 / (2.9 * v + 0.1));
    if (index == kDyna) return thresholdCurve(v);
    if (index == kOutVol) return static_cast<float>(gainOf(v));
    return v;
}

int32_t partnerIndex(int32_t index)
{
    return index - kEqBelowBase < kFieldsPerSection ? index + kFieldsPerSection
                                                    : index - kFieldsPerSection;
}

float bandTypeCode(float v)
{
    switch (truncateToInt(2.0f * v + 0.5f))
    {
    case 0:
        return 2.0f / 128.0f;
    case 2:
        return 3.0f / 128.0f;
    default:
        return 1.0f / 128.0f;
    }
}

StereoGains panGains(float v)
{
    const double x = static_cast<double>(v) * std::numbers::pi / 2.0;
    return {static_cast<float>(std::cos(x) * std::numbers::sqrt2),
            static_cast<float>(std::sin(x) * std::numbers::sqrt2)};
}

float balanceTarget(float balance, float soloBelow, float soloAbove)
{
    if (isOn(soloBelow)) return 0.0f;
    if (isOn(soloAbove)) return 1.0f;
    return balance;
}

BalanceGains balanceGains(float target)
{
    if (target >= 0.5f)
    {
        const float below = 1.0f - target;
        return {4.0f * below * below, 1.0f};
    }
    return {1.0f, 4.0f * target * target};
}

} // namespace velqa
