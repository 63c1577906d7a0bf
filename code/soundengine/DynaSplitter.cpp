#include "code/soundengine/DynaSplitter.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace
{
constexpr float kEnvelopeReleaseHz = 25.0f;
constexpr float kLowestThreshold = 0.0005f;
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

float CDynaSplitter::thresholdCurve(float v)
{
    if (v < 0.25f) return 0.001f * std::pow(15.625f, 4.0f * v);
    if (v < 0.5f) return 0.015625f * std::pow(8.0f, 4.0f * (v - 0.25f));
    if (v < 0.75f) return 0.125f * std::pow(4.0f, 4.0f * (v - 0.5f));
    return 0.5f * std::pow(2.0f, 4.0f * (v - 0.75f));
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

void CDynaSplitter::process(float** main, float** sideChain, int frames, int numChannels)
{
    minGain = 1111.0f;
    maxLevel = 0.0f;
    numChannels = std::min(numChannels, 2);
    const int sliceSize = level.frames;
    if (main == nullptr || numChannels < 1 || sliceSize <= 0) return;
    if (sideChain == nullptr) sideChain = main;

    float blockMinGain = 1111.0f;
    float blockMaxLevel = 0.0f;
    for (int offset = 0; offset < frames; offset += sliceSize)
    {
        const int n = std::min(sliceSize, frames - offset);
        float* mainSlice[2] = {main[0] + offset, numChannels > 1 ? main[1] + offset : nullptr};
        float* scSlice[2] = {sideChain[0] + offset,
                             numChannels > 1 ? sideChain[1] + offset : nullptr};
        processSlice(mainSlice, scSlice, n, numChannels);
        blockMinGain = std::min(blockMinGain, minGain);
        blockMaxLevel = std::max(blockMaxLevel, maxLevel);
    }
    minGain = blockMinGain;
    maxLevel = blockMaxLevel;
}

void CDynaSplitter::processSlice(float** main, float** sc, int n, int numChannels)
{
    float* levels = level.channel0;
    float* gains = gain.channel0;
    float* scLeft = sideChainBuffer.channels[0];
    for (int i = 0; i < n; ++i)
    {
        const float s = hiCutL.process(loCutL.process(sc[0][i]));
        scLeft[i] = s;
        levels[i] = std::fabs(s);
    }
    if (numChannels >= 2)
    {
        // The channels are linked by the larger level.
        float* scRight = sideChainBuffer.channels[1];
        for (int i = 0; i < n; ++i)
        {
            const float s = hiCutR.process(loCutR.process(sc[1][i]));
            scRight[i] = s;
            levels[i] = std::max(levels[i], std::fabs(s));
        }
    }

    maxLevel = 0.0f;
    const double T = threshold;
    for (int i = 0; i < n; ++i)
    {
        float e = levels[i];
        if (e <= previousEnvelope)
            e = envelopeRelease.process(e);
        else
            envelopeRelease.y = e; // the envelope follows a rise at once
        levels[i] = e;
        maxLevel = std::max(maxLevel, e);
        previousEnvelope = e;

        double g = 1.0;
        if (curveMode == 1 && e > T)
        {
            // Hard knee: the output level above T is T·(e/T)^(1/R).
            g = std::pow(e * invThreshold, slope - 1.0f);
        }
        gains[i] = static_cast<float>(smoother.process(g));
    }

    minGain = 1111.0f;
    for (int c = 0; c < numChannels; ++c)
    {
        float* x = main[c];
        for (int i = 0; i < n; ++i)
        {
            x[i] *= gains[i];
            minGain = std::min(minGain, gains[i]);
        }
        if (outputTrim != 1.0f)
            for (int i = 0; i < n; ++i) x[i] *= outputTrim;
    }
}
