#include "code/soundengine/OrvFilter.h"

#include "code/soundengine/Denormal.h"

#include <algorithm>
#include <cmath>

COrvFilter::COrvFilter()
{
    recompute();
}

COrvFilter::COrvFilter(int filterType, float rate) : type(filterType)
{
    setSampleRate(rate);
}

COrvFilter::~COrvFilter() = default;

float COrvFilter::process(float x)
{
    if (next) x = next->process(x);
    x = flushDenormal(x);
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    const float out = flushDenormal(static_cast<float>(y));
    if (isNonFinite(out))
    {
        // A NaN or infinity would stay in the state for ever; start again from silence.
        x1 = x2 = y1 = y2 = 0.0;
        return 0.0f;
    }
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = out;
    return out;
}

void COrvFilter::setFrequency(float f)
{
    const double highest = std::max(1.0, static_cast<double>(maxFrequency));
    frequency = std::isnan(f) ? 1.0 : std::clamp(static_cast<double>(f), 1.0, highest);
    recompute();
    if (next) next->setFrequency(f);
}

void COrvFilter::setType(int newType)
{
    type = newType;
    recompute();
    if (next) next->setType(newType);
}

void COrvFilter::setFourthOrder(bool on)
{
    if (!on)
    {
        next.reset();
        k = kButterworthDamping;
        m = 1.0;
        recompute();
        return;
    }
    if (!next) next = std::make_unique<COrvFilter>(type, sampleRate);
    k = kFourthOrderDampingA;
    next->k = kFourthOrderDampingB;
    next->m = 1.0;
    next->type = type;
    const auto f = static_cast<float>(frequency);
    setFrequency(f);
}

void COrvFilter::setSampleRate(float rate)
{
    sampleRate = rate;
    maxFrequency = 0.49f * rate;
    frequency = std::clamp(frequency, 1.0, std::max(1.0, static_cast<double>(maxFrequency)));
    recompute();
    if (next) next->setSampleRate(rate);
}

void COrvFilter::setBandQ(double q)
{
    bandQ = q;
    recompute();
    if (next) next->setBandQ(q);
}

void COrvFilter::reset()
{
    x1 = x2 = x3 = y1 = y2 = 0.0;
    if (next) next->reset();
}

void COrvFilter::recompute()
{
    if (!(sampleRate > 0.0f)) return;
    const double pi = 3.14159265358979323846;
    const double K = 1.0 / std::tan(pi * frequency / sampleRate);
    const double K2 = K * K;
    switch (type)
    {
    case kLowPass:
    {
        const double n = 1.0 / (1.0 + k * K + m * K2);
        b0 = n;
        b1 = 2.0 * n;
        b2 = n;
        a1 = 2.0 * (1.0 - m * K2) * n;
        a2 = (1.0 - k * K + m * K2) * n;
        break;
    }
    case kHighPass:
    {
        const double n = 1.0 / (m * K2 + k * K + 1.0);
        b0 = K2 * n;
        b1 = -2.0 * b0;
        b2 = b0;
        a1 = 2.0 * (m - K2) * n;
        a2 = (m - k * K + K2) * n;
        break;
    }
    case kBandPass:
    {
        const double n = 1.0 / (K / bandQ + 1.0 + K2);
        b0 = (K / bandQ) * n;
        b1 = 0.0;
        b2 = -b0;
        a1 = 2.0 * (1.0 - K2) * n;
        a2 = (1.0 - K / bandQ + K2) * n;
        break;
    }
    default:
        break;
    }
}
