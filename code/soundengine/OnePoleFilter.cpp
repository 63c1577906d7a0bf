#include "code/soundengine/OnePoleFilter.h"

#include <cmath>

void COnePoleFilter::setFrequency(float frequency)
{
    constexpr double twoPi = 6.283185307179586;
    b = sampleRate > 0.0 ? std::exp(-twoPi * frequency / sampleRate) : 0.0;
    a = 1.0 - b;
    spare = 0.0;
}
