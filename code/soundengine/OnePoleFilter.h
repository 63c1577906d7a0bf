#pragma once

#include "code/soundengine/Denormal.h"
#include "code/soundengine/Filter.h"

// One-pole low-pass y = a·x + b·y, used as parameter smoother and as tone filter. Mode 1 outputs
// the complementary high-pass x − y. The coefficients and state are public because the signal path
// steps its smoothers towards moving targets itself.
class COnePoleFilter final : public IApCore, public IFilter
{
public:
    enum Mode
    {
        kLowPassOutput = 0,
        kHighPassOutput = 1,
    };

    float process(float x) override
    {
        double next = flushDenormal(y * b + static_cast<double>(x) * a);
        if (isNonFinite(next)) next = 0.0;
        y = next;
        const auto out = static_cast<float>(y);
        return mode == kLowPassOutput ? flushDenormal(out) : x - out;
    }

    void setSampleRate(float rate) override { sampleRate = rate; }
    // Cutoff in Hz at the stored sample rate.
    void setFrequency(float frequency) override;
    void setMode(int newMode) { mode = newMode; }
    void reset() { y = 0.0; }

    int kind = 7;
    double a = 1.0;
    double b = 0.0;
    double spare = 0.0;
    double y = 0.0; // double, so that a smoother gliding in tiny steps still reaches its target
    double sampleRate = 44100.0;
    int mode = kLowPassOutput;
};
