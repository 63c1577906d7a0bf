#include "code/soundengine/Delay.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
std::uint32_t nextPowerOfTwo(std::uint32_t n)
{
    std::uint32_t p = 1;
    while (p < n && p < (1u << 30)) p <<= 1;
    return p;
}
} // namespace

CDelay::CDelay()
{
    resizeRing(1024);
}

void CDelay::resizeRing(std::uint32_t newLength)
{
    ring.resize(static_cast<int>(newLength), 1);
    ring.clear();
    data = ring.channel0;
    length = newLength;
    mask = newLength - 1;
    write &= mask;
    readA &= mask;
    readB &= mask;
}

void CDelay::allocate(int samples)
{
    resizeRing(samples <= 1 ? 1u : nextPowerOfTwo(static_cast<std::uint32_t>(samples)));
}

void CDelay::setTime(float seconds)
{
    timeSeconds = seconds;
    const double wanted = static_cast<double>(seconds) * sampleRate;
    const int samples = wanted > 0.0 && wanted < 1.0e9 ? static_cast<int>(wanted) : 0;
    allocate(samples);
    write = std::min(static_cast<std::uint32_t>(samples), mask);
    readA = 0;
    readB = 1 & mask;
    weightA = 1.0f;
    weightB = 0.0f;
}

void CDelay::setDelay(float delaySamples)
{
    // A ring of L samples holds delays up to L − 1 because the write comes first.
    double d = std::isfinite(delaySamples) ? delaySamples : 0.0;
    d = std::clamp(d, 0.0, static_cast<double>(length - 1));
    double p = std::fmod(static_cast<double>(write) - d, static_cast<double>(length));
    if (p < 0.0) p += length;
    const double whole = std::floor(p);
    const double frac = p - whole;
    const auto i = static_cast<std::uint32_t>(whole);
    readA = i & mask;
    readB = (i + 1) & mask;
    weightA = static_cast<float>(1.0 - frac);
    weightB = static_cast<float>(frac);
}

void CDelay::processBlock(const float* input, float* output, int n)
{
    if (weightA != 1.0f || weightB != 0.0f)
    {
        for (int i = 0; i < n; ++i) output[i] = process(input[i]);
        return;
    }
    // A whole-sample delay moves in runs that do not wrap and whose reads the same run's writes do
    // not touch: no longer than the delay, nor than the rest of the ring beyond it.
    const std::uint32_t delay = (write - readA) & mask;
    for (int done = 0; done < n;)
    {
        std::uint32_t run = std::min(
            {static_cast<std::uint32_t>(n - done), length - write, length - readA, length - delay});
        if (delay > 0) run = std::min(run, delay);
        std::memcpy(data + write, input + done, sizeof(float) * run);
        std::memcpy(output + done, data + readA, sizeof(float) * run);
        write = (write + run) & mask;
        readA = (readA + run) & mask;
        readB = (readB + run) & mask;
        done += static_cast<int>(run);
    }
}

void CDelay::clear()
{
    ring.clear();
}
