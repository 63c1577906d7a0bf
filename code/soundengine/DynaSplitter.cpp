#include "code/soundengine/DynaSplitter.h"

#include "code/soundengine/FastExp.h"
#include "code/soundengine/FastLog.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>

namespace
{
constexpr float kEnvelopeReleaseHz = 25.0f;
constexpr float kLowestThreshold = 0.0005f;
// The envelope and the smoother advance in chunks, the smoother kLag chunks behind. Shorter
// chunks pay more loop overhead in the gain law, longer ones overlap the two chains less; these
// measured fastest.
constexpr int kChunk = 16;
constexpr int kLag = 1;

// Hard knee: the output level above the threshold T is T·(e/T)^(1/R).
struct GainLaw
{
    float knee;
    float scaleToKnee;
    float exponent;
    bool enabled;

    void apply(const float* levels, float* gains, int n) const
    {
        // A ratio of 1 gives exactly 1 at every level, an infinite one included.
        if (!enabled || exponent == 0.0f)
        {
            std::fill(gains, gains + n, 1.0f);
            return;
        }
        constexpr float kInf = std::numeric_limits<float>::infinity();
        for (int i = 0; i < n; ++i)
        {
            // Above the knee e/T is at least about 1, so the unguarded log serves; below it the
            // result is not used. An infinite e/T gets a gain of 0, as the power law gives.
            const float e = levels[i];
            const float x = e * scaleToKnee;
            const float power = velqa::fastExp(exponent * velqa::fastLogOfNormal(x));
            gains[i] = velqa::maskSelect(e > knee, velqa::maskSelect(x < kInf, power, 0.0f), 1.0f);
        }
    }
};
} // namespace

CDynaSplitter::CDynaSplitter()
{
    smoother.twoStageAttack = false;
    smoother.twoStageRelease = true;
    for (COrvFilter* f : {&loCutL, &loCutR})
    {
        f->setType(COrvFilter::kHighPass);
        f->setFourthOrder(true);
    }
    for (COrvFilter* f : {&hiCutL, &hiCutR})
    {
        f->setType(COrvFilter::kLowPass);
        f->setFourthOrder(true);
    }
    setAttack(0.1992f);
    setRelease(0.03962f);
    setSampleRate(sampleRate);
}

bool CDynaSplitter::setParameter(int index, float value)
{
    const int slot = index - parameterBase;
    if (slot < 0 || slot >= parameterCount) return false;
    switch (slot)
    {
    case kThreshold:
        setThreshold(value);
        return true;
    case kAttack:
        setAttack(value);
        return true;
    case kRelease:
        setRelease(value);
        return true;
    case kRatio:
        setRatio(value);
        return true;
    default:
        return false;
    }
}

void CDynaSplitter::setThreshold(float levelValue)
{
    threshold = std::max(kLowestThreshold, levelValue);
    invThreshold = 1.0f / threshold;
}

void CDynaSplitter::setAttack(float v)
{
    smoother.setAttack(0.0999 * v + 0.0001);
}

void CDynaSplitter::setRelease(float v)
{
    smoother.setRelease(2.499 * v + 0.001);
}

void CDynaSplitter::setRatio(float v)
{
    ratio = 1.0f + 99.0f * v * v;
    slope = 1.0f / ratio;
}

void CDynaSplitter::setSampleRate(float rate)
{
    sampleRate = rate;
    smoother.setSampleRate(rate);
    envelopeRelease.setSampleRate(rate);
    envelopeRelease.setFrequency(kEnvelopeReleaseHz);
    for (COrvFilter* f : {&loCutL, &hiCutL, &loCutR, &hiCutR}) f->setSampleRate(rate);
    loCutL.setFrequency(loCutFrequency);
    loCutR.setFrequency(loCutFrequency);
    hiCutL.setFrequency(hiCutFrequency);
    hiCutR.setFrequency(hiCutFrequency);
}

void CDynaSplitter::setBlockSize(int frames)
{
    sideChainBuffer.resize(frames, 2);
    sideChainBuffer.clear();
    level.resize(frames, 1);
    gain.resize(frames, 1);
}

void CDynaSplitter::setLoCut(float frequency)
{
    loCutFrequency = frequency;
    loCutL.setFrequency(frequency);
    loCutR.setFrequency(frequency);
}

void CDynaSplitter::setHiCut(float frequency)
{
    hiCutFrequency = frequency;
    hiCutL.setFrequency(frequency);
    hiCutR.setFrequency(frequency);
}

void CDynaSplitter::process(float** main, float** sideChain, int frames, int numChannels,
                            float** above)
{
    minGain = 1111.0f;
    maxLevel = 0.0f;
    numChannels = std::min(numChannels, 2);
    const int sliceSize = level.frames;
    if (main == nullptr || numChannels < 1) return;
    if (sliceSize <= 0)
    {
        // Not prepared: main passes unscaled, so nothing lies above.
        for (int c = 0; above && c < numChannels; ++c)
            for (int i = 0; i < frames; ++i) above[c][i] = main[c][i] - main[c][i];
        return;
    }
    if (sideChain == nullptr) sideChain = main;

    float blockMinGain = 1111.0f;
    float blockMaxLevel = 0.0f;
    for (int offset = 0; offset < frames; offset += sliceSize)
    {
        const int n = std::min(sliceSize, frames - offset);
        float* mainSlice[2] = {main[0] + offset, numChannels > 1 ? main[1] + offset : nullptr};
        float* scSlice[2] = {sideChain[0] + offset,
                             numChannels > 1 ? sideChain[1] + offset : nullptr};
        float* aboveSlice[2] = {};
        for (int c = 0; above && c < numChannels; ++c) aboveSlice[c] = above[c] + offset;
        processSlice(mainSlice, scSlice, above ? aboveSlice : nullptr, n, numChannels);
        blockMinGain = std::min(blockMinGain, minGain);
        blockMaxLevel = std::max(blockMaxLevel, maxLevel);
    }
    minGain = blockMinGain;
    maxLevel = blockMaxLevel;
}

void CDynaSplitter::processSlice(float** main, float** sc, float** above, int n, int numChannels)
{
    float* levels = level.channel0;
    float* gains = gain.channel0;
    // Both channels' filter chains run side by side; the channels are then linked by the larger
    // level.
    sideChainLanes.clear();
    COrvFilter* filters[2][2] = {{&loCutL, &hiCutL}, {&loCutR, &hiCutR}};
    for (int c = 0; c < numChannels; ++c)
    {
        float* filtered = sideChainBuffer.channels[c];
        std::memcpy(filtered, sc[c], sizeof(float) * static_cast<std::size_t>(n));
        COrvFilter* stages[4];
        int count = 0;
        for (COrvFilter* f : filters[c])
        {
            if (f->getNext()) stages[count++] = f->getNext();
            stages[count++] = f;
        }
        sideChainLanes.add(filtered, stages, count);
    }
    sideChainLanes.process(n);
    const float* scLeft = sideChainBuffer.channels[0];
    for (int i = 0; i < n; ++i) levels[i] = std::fabs(scLeft[i]);
    if (numChannels >= 2)
    {
        const float* scRight = sideChainBuffer.channels[1];
        for (int i = 0; i < n; ++i) levels[i] = std::max(levels[i], std::fabs(scRight[i]));
    }

    // The envelope and the smoother are recursions and stay serial, but they are independent
    // chains: running the smoother one chunk behind the envelope lets the two overlap, and leaves
    // the gain law of each chunk to a packed loop in between.
    const GainLaw law{threshold, invThreshold, slope - 1.0f, curveMode == 1};
    COnePoleFilter follower = envelopeRelease;
    CGainSmoother gainSmoother = smoother;
    float previous = previousEnvelope;
    float peak = 0.0f;
    float lowest = 1111.0f;
    const auto follow = [&](int i)
    {
        float e = levels[i];
        if (e <= previous)
            e = follower.process(e);
        else
            follower.y = e; // the envelope follows a rise at once
        levels[i] = e;
        peak = std::max(peak, e);
        previous = e;
    };
    const auto smooth = [&](int i)
    {
        const auto g = static_cast<float>(gainSmoother.process(gains[i]));
        gains[i] = g;
        lowest = std::min(lowest, g);
    };

    // Step k follows chunk k and smooths chunk k − kLag, whose gain law has had a whole step to
    // finish meanwhile.
    const int chunks = (n + kChunk - 1) / kChunk;
    for (int step = 0; step < chunks + kLag; ++step)
    {
        const int followFrom = std::min(step * kChunk, n);
        const int followTo = std::min(followFrom + kChunk, n);
        const int smoothFrom = step >= kLag ? std::min((step - kLag) * kChunk, n) : 0;
        const int smoothTo = step >= kLag ? std::min(smoothFrom + kChunk, n) : 0;
        const int both = std::min(followTo - followFrom, smoothTo - smoothFrom);
        for (int t = 0; t < both; ++t)
        {
            follow(followFrom + t);
            smooth(smoothFrom + t);
        }
        for (int i = followFrom + both; i < followTo; ++i) follow(i);
        for (int i = smoothFrom + both; i < smoothTo; ++i) smooth(i);
        law.apply(levels + followFrom, gains + followFrom, followTo - followFrom);
    }

    envelopeRelease.y = follower.y;
    previousEnvelope = previous;
    maxLevel = peak;
    smoother.takeStateFrom(gainSmoother);
    minGain = lowest;
    const float trim = outputTrim;
    for (int c = 0; c < numChannels; ++c)
    {
        float* x = main[c];
        if (above)
        {
            float* a = above[c];
            for (int i = 0; i < n; ++i)
            {
                const float below = x[i] * gains[i] * trim;
                a[i] = x[i] - below;
                x[i] = below;
            }
        }
        else if (trim != 1.0f)
            for (int i = 0; i < n; ++i) x[i] = x[i] * gains[i] * trim;
        else
            for (int i = 0; i < n; ++i) x[i] *= gains[i];
    }
}
