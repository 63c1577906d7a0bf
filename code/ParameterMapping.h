#pragma once

#include <cstdint>

namespace velqa
{

// (int)x that stays defined for NaN and out-of-range values a corrupt state may carry.
int32_t truncateToInt(double x);

// Discrete choices travel as k/128.
inline int32_t choiceOf(float v)
{
    return truncateToInt(v * 128.0f);
}
inline bool isOn(float v)
{
    return v > 0.5f;
}

// Unit value of a normalised parameter value (Hz, linear gain, Q, linear threshold ...).
float valueOf(int32_t index, float v);

float frequencyOf(float v);
float thresholdCurve(float v);
float thresholdToNormalised(float level);

// The same field of the same band in the other section.
int32_t partnerIndex(int32_t index);

// The code a band-type value hands to the equaliser banks, as code/128.
float bandTypeCode(float v);

struct StereoGains
{
    float left;
    float right;
};
StereoGains panGains(float v);

struct BalanceGains
{
    float below;
    float above;
};
// target is the balance after the section-solo override.
BalanceGains balanceGains(float target);
float balanceTarget(float balance, float soloBelow, float soloAbove);

} // namespace velqa
