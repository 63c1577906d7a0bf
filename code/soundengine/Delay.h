#pragma once

#include "code/soundengine/Buffer.h"
#include "code/soundengine/Filter.h"

#include <cstdint>

// Ring-buffer delay read at a fractional position by linear interpolation. The write happens before
// the read, so a delay of 0 passes the input through.
class CDelay final : public IApCore
{
public:
    CDelay();

    float process(float x) override
    {
        data[write] = x;
        const float y = data[readA] * weightA + data[readB] * weightB;
        write = (write + 1) & mask;
        readA = (readA + 1) & mask;
        readB = (readB + 1) & mask;
        return y;
    }

    void setSampleRate(float rate) override { sampleRate = rate; }
    // Allocates a ring for the given time and delays by it: setup code only.
    void setTime(float seconds) override;

    // Storage for at least the given number of samples (a power of two); clears the ring.
    // Allocates: setup code only.
    void allocate(int samples);
    // Delay in samples, fractional; held within what the ring can hold.
    void setDelay(float delaySamples);
    void processBlock(float* x, int n) { processBlock(x, x, n); }
    // input and output may be the same array.
    void processBlock(const float* input, float* output, int n);
    void clear();

    std::uint32_t getLength() const { return length; }

private:
    void resizeRing(std::uint32_t newLength);

    CBuffer ring;
    float* data = nullptr;
    std::uint32_t mask = 0;
    std::uint32_t write = 0;
    std::uint32_t readA = 0;
    std::uint32_t readB = 0;
    float weightA = 1.0f;
    float weightB = 0.0f;
    double timeSeconds = -1.0;
    float sampleRate = 44100.0f;
    std::uint32_t length = 0;
};
