#include "code/soundengine/SectionProcessor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
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

void CSectionProcessor::setSampleRate(float rate)
{
    sampleRate = rate;
    configureShelves();
    const float characters[2] = {kLeftCharacter, kRightCharacter};
    for (int c = 0; c < 2; ++c)
    {
        shaper[c].setSampleRate(rate);
        shaper[c].setParameter(CHarmonicShaper::kTapeCharacter, characters[c]);
        shaper[c].setParameter(CHarmonicShaper::kTubeCharacter, characters[c]);
    }
}

void CSectionProcessor::setBlockSize(int frames)
{
    dry.resize(frames, 2);
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
        for (int i = 0; i < n; ++i)
        {
            const float v = x[i];
            x[i] = v > 0.0f ? fetNorm * (1.0f - std::exp(-fetK * v))
                            : fetNorm * (std::exp(fetK * v) - 1.0f);
        }
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
    if (saturationOn && dry.frames > 0)
    {
        for (int offset = 0; offset < frames; offset += dry.frames)
            processSlice(channels, offset, std::min(dry.frames, frames - offset), numChannels);
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

void CSectionProcessor::processSlice(float** channels, int offset, int n, int numChannels)
{
    const bool mixDry = dryMix > 0.0001f;
    for (int c = 0; c < numChannels; ++c)
    {
        float* x = channels[c] + offset;
        float* copy = dry.channels[c];
        std::memcpy(copy, x, static_cast<std::size_t>(n) * sizeof(float));
        if (saturationActive) saturate(x, n, c);
        lowShelf[c].process(x, n);
        highShelf[c].process(x, n);
        if (mixDry)
            for (int i = 0; i < n; ++i) x[i] = copy[i] * dryMix + x[i] * mix;
    }
}
