#include "code/soundengine/HarmonicShaper.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace
{
// Coefficients of x^1..x^7 (index 0 unused); the even powers stay zero.
constexpr float kTube[3][8] = {
    {0.0f, 0.5f, 0.0f, -0.5f, 0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.82635f, 0.0f, -1.20869f, 0.0f, 0.46615f, 0.0f, -0.08381f},
    {0.0f, 0.71583f, 0.0f, -3.42353f, 0.0f, 5.19753f, 0.0f, -2.48984f},
};
constexpr float kTape[3][8] = {
    {0.0f, 1.14907f, 0.0f, -1.82779f, 0.0f, 0.67871f, 0.0f, 0.0f},
    {0.0f, 1.18822f, 0.0f, -2.15493f, 0.0f, 1.27064f, 0.0f, -0.30393f},
    {0.0f, 1.59246f, 0.0f, -4.71607f, 0.0f, 5.17966f, 0.0f, -2.05605f},
};

float driveGain(float v)
{
    return std::pow(35.0f, v - 1.0f);
}

// Character 0..0.5 blends the first table into the second, 0.5..1 the second into the third.
void blend(const float (*tables)[8], float character, float drive, float* out)
{
    const bool upper = character > 0.5f;
    const float s = upper ? 2.0f * (character - 0.5f) : 2.0f * character;
    const float* first = tables[upper ? 1 : 0];
    const float* second = tables[upper ? 2 : 1];
    for (int k = 0; k < 8; ++k) out[k] = ((1.0f - s) * first[k] + s * second[k]) * drive;
}

float polynomial(const float* c, float x)
{
    return x * (c[1] + x * (c[2] + x * (c[3] + x * (c[4] + x * (c[5] + x * (c[6] + x * c[7]))))));
}

// Headroom of the tails above a curve's value at |x| = 1.
constexpr float kTailHeight = 1.0f;

// A tail that leaves 0 with the given slope, rises monotonically and approaches kTailHeight;
// written so that an infinite excess still gives a finite value.
float tail(float excess, float slope)
{
    return kTailHeight - kTailHeight * kTailHeight / (kTailHeight + slope * excess);
}

float excessOverOne(float x)
{
    return std::fmax(std::fabs(x) - 1.0f, 0.0f);
}
} // namespace

CHarmonicShaper::CHarmonicShaper()
{
    tubeDrive = driveGain(0.0f);
    tapeDrive = driveGain(0.0f);
    computeTube();
    computeTape();
}

void CHarmonicShaper::setParameter(int index, float value)
{
    switch (index)
    {
    case kTubeDrive:
        tubeDrive = driveGain(value);
        computeTube();
        break;
    case kTubeCharacter:
        tubeCharacter = value;
        computeTube();
        break;
    case kTapeDrive:
        tapeDrive = driveGain(value);
        computeTape();
        break;
    case kTapeCharacter:
        tapeCharacter = value;
        computeTape();
        break;
    default:
        break;
    }
}

void CHarmonicShaper::setSampleRate(float rate, int oversampling)
{
    sampleRate = rate;
    const int interleave = std::clamp(oversampling, 1, kMaxOversampling);
    if (interleave != tapeInterleave) reset();
    tapeInterleave = interleave;
    computeTape();
}

void CHarmonicShaper::reset()
{
    std::fill(std::begin(tapeHistory), std::end(tapeHistory), 0.0);
    tapePhase = 0;
}

void CHarmonicShaper::computeTube()
{
    blend(kTube, tubeCharacter, tubeDrive, tube);
    float slope = 1.0f;
    for (int k = 1; k < 8; ++k) slope += static_cast<float>(k) * tube[k];
    // Where the curve already turns down at 1 the tail stays level, which is still monotonic.
    tubeSlopeAtOne = std::fmax(slope, 0.0f);
}

void CHarmonicShaper::computeTape()
{
    blend(kTape, tapeCharacter, tapeDrive, tape);
    tapeNorm = 1.0f / (0.11f * tapeDrive + 1.0f);
    tapeCutoff = 2700.0f + 1200.0f * tapeCharacter;
    tapeLowPass.setSampleRate(sampleRate);
    tapeLowPass.setFrequency(tapeCutoff);
    tapeLowPass.setMode(COnePoleFilter::kLowPassOutput);
}

void CHarmonicShaper::processTube(float* x, int n)
{
    // Branch-free so that the loop stays packed.
    for (int i = 0; i < n; ++i)
    {
        const float v = std::fmin(std::fmax(x[i], -1.0f), 1.0f);
        const float beyond = tail(excessOverOne(x[i]), tubeSlopeAtOne);
        x[i] = v + polynomial(tube, v) + std::copysign(beyond, x[i]);
    }
}

void CHarmonicShaper::processTape(float* x, int n)
{
    // Beyond |x| = 1 the direct part bends into a tail of slope 1 and the polynomial part holds
    // its value at 1.
    const double a = tapeLowPass.a;
    const double b = tapeLowPass.b;
    for (int i = 0; i < n; ++i)
    {
        const float v = std::fmin(std::fmax(x[i], -1.0f), 1.0f);
        const float direct = v + std::copysign(tail(excessOverOne(x[i]), 1.0f), x[i]);
        double& y = tapeHistory[tapePhase];
        y = flushDenormal(y * b + static_cast<double>(polynomial(tape, v)) * a);
        tapePhase = tapePhase + 1 == tapeInterleave ? 0 : tapePhase + 1;
        x[i] = tapeNorm * (direct + static_cast<float>(y));
    }
}
