#include "code/soundengine/SectionProcessor.h"

#include "code/soundengine/FastExp.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// A clones resolver runs while the module is relocated, before ThreadSanitizer is ready for the
// instrumented code it calls; that build keeps one version.
#if defined(VELQA_NO_TARGET_CLONES)
#define VELQA_AVX2_CLONES
#else
#define VELQA_AVX2_CLONES __attribute__((target_clones("avx2", "default")))
#endif

namespace
{
// Odd-symmetric: one exponential of the magnitude serves both polarities, and without a branch or
// a library call the loop runs packed, twice as wide where the processor has AVX2 (the same
// operations, so the same results).
VELQA_AVX2_CLONES void saturateFet(float* x, int n, float k, float norm)
{
    for (int i = 0; i < n; ++i)
    {
        const float v = x[i];
        const float e = velqa::fastExp(-k * std::fabs(v));
        x[i] = std::copysign(norm * (1.0f - e), v);
    }
}

constexpr float kLeftCharacter = 0.51f;
constexpr float kRightCharacter = 0.52f;
} // namespace

CSectionProcessor::CSectionProcessor()
{
    setSampleRate(sampleRate);
}

bool CSectionProcessor::setParameter(int offset, float value)
{
    switch (offset)
    {
    case kDrive:
        setDrive(value);
        return true;
    case kColour:
        setColour(value);
        return true;
    case kMix:
        setMix(value);
        return true;
    case kSaturationOn:
        setSaturationOn(value > 0.5f);
        return true;
    case kWidth:
        setWidth(value);
        return true;
    default:
        return false;
    }
}

void CSectionProcessor::setDrive(float v)
{
    for (CHarmonicShaper& s : shaper)
    {
        s.setParameter(CHarmonicShaper::kTapeDrive, v);
        s.setParameter(CHarmonicShaper::kTubeDrive, v);
    }
    saturationActive = v > 0.001f;
    if (saturationActive)
    {
        fetK = 30.0f * v * v;
        fetNorm = (1.0f / (1.0f - std::exp(-fetK))) * (1.0f / (10.0f * v * v + 1.0f));
    }
}

void CSectionProcessor::setColour(float v)
{
    const float g = std::pow(2.8f, 2.0f * v - 1.0f);
    lowShelfGain = 1.0f / g;
    highShelfGain = g;
    configureShelves();
}

void CSectionProcessor::setMix(float v)
{
    mix = v;
    dryMix = 1.0f - v;
}

void CSectionProcessor::setSampleRate(float rate, int oversampling)
{
    sampleRate = rate;
    configureShelves();
    const float characters[2] = {kLeftCharacter, kRightCharacter};
    for (int c = 0; c < 2; ++c)
    {
        shaper[c].setSampleRate(rate, oversampling);
        shaper[c].setParameter(CHarmonicShaper::kTapeCharacter, characters[c]);
        shaper[c].setParameter(CHarmonicShaper::kTubeCharacter, characters[c]);
    }
}

void CSectionProcessor::setBlockSize(int frames)
{
    dry.resize(frames, 2);
}

void CSectionProcessor::setOversamplingLatency(int samples)
{
    for (CDelay& delay : dryDelay)
    {
        delay.allocate(samples + 1);
        delay.setDelay(static_cast<float>(samples));
    }
}

void CSectionProcessor::configureShelves()
{
    for (int c = 0; c < 2; ++c)
    {
        lowShelf[c].set(sampleRate, CBiquad::kLowShelf, pivotFrequency, pivotFrequency,
                        lowShelfGain, kShelfQ);
        highShelf[c].set(sampleRate, CBiquad::kHighShelf, pivotFrequency, pivotFrequency,
                         highShelfGain, kShelfQ);
    }
}

void CSectionProcessor::saturate(float* x, int n, int channel)
{
    switch (saturationMode)
    {
    case kFet:
        saturateFet(x, n, fetK, fetNorm);
        break;
    case kTube:
        shaper[channel].processTube(x, n);
        break;
    case kTape:
        shaper[channel].processTape(x, n);
        break;
    default:
        break;
    }
}

void CSectionProcessor::process(float** channels, int frames, int numChannels)
{
    if (channels == nullptr || frames <= 0) return;
    numChannels = std::min(numChannels, 2);
    // Without a prepared size there is no dry copy, hence no saturation; width still applies.
    const int sliceFrames = dry.frames > 0 ? dry.frames : frames;
    float* slice[2] = {};
    for (int offset = 0; offset < frames; offset += sliceFrames)
    {
        const int n = std::min(sliceFrames, frames - offset);
        for (int c = 0; c < numChannels; ++c) slice[c] = channels[c] + offset;
        const bool coloured = saturateBlock(slice, n, numChannels);
        if (coloured)
        {
            lanes.clear();
            for (int c = 0; c < numChannels; ++c)
            {
                CBiquad* filters[2];
                lanes.add(slice[c], filters, colourFilters(c, filters));
            }
            lanes.process(n);
        }
        finishBlock(slice, n, numChannels, coloured);
    }
}

bool CSectionProcessor::saturateBlock(float** channels, int frames, int numChannels)
{
    if (!saturationOn || frames > dry.frames) return false;
    dryKept = mixesDry();
    for (int c = 0; c < numChannels; ++c)
    {
        float* x = channels[c];
        if (dryKept)
            std::memcpy(dry.channels[c], x, static_cast<std::size_t>(frames) * sizeof(float));
        if (saturationActive) saturate(x, frames, c);
    }
    return true;
}

bool CSectionProcessor::keepDelayedDry(float** channels, int frames, int numChannels)
{
    if (frames > dry.frames) return false;
    for (int c = 0; c < numChannels; ++c)
        dryDelay[static_cast<std::size_t>(c)].processBlock(channels[c], dry.channels[c], frames);
    dryKept = saturationOn && mixesDry();
    return saturationOn;
}

void CSectionProcessor::saturateOversampled(float** channels, int frames, int numChannels)
{
    if (!saturationOn || !saturationActive) return;
    for (int c = 0; c < numChannels; ++c) saturate(channels[c], frames, c);
}

void CSectionProcessor::clearDelayedDry()
{
    for (CDelay& delay : dryDelay) delay.clear();
}

int CSectionProcessor::colourFilters(int channel, CBiquad** out)
{
    out[0] = &lowShelf[channel];
    out[1] = &highShelf[channel];
    return 2;
}

void CSectionProcessor::finishBlock(float** channels, int frames, int numChannels, bool coloured)
{
    if (coloured && dryKept)
        for (int c = 0; c < numChannels; ++c)
        {
            float* x = channels[c];
            const float* copy = dry.channels[c];
            for (int i = 0; i < frames; ++i) x[i] = copy[i] * dryMix + x[i] * mix;
        }

    if (numChannels == 2 && widthOn)
    {
        const float a = 0.5f + width;
        const float b = 0.5f - width;
        float* left = channels[0];
        float* right = channels[1];
        for (int i = 0; i < frames; ++i)
        {
            const float l = left[i];
            const float r = right[i];
            left[i] = a * l + b * r;
            right[i] = a * r + b * l;
        }
    }
}
