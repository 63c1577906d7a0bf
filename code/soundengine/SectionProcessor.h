#pragma once

#include "code/soundengine/Biquad.h"
#include "code/soundengine/BiquadLanes.h"
#include "code/soundengine/Buffer.h"
#include "code/soundengine/Delay.h"
#include "code/soundengine/HarmonicShaper.h"

#include <array>

// The colouring stage of one section (Below or Above): saturation, a tilt around the pivot
// frequency, a wet/dry mix of both, then a stereo width stage. Saturation, colour and mix sit
// behind saturationOn; width does not.
class CSectionProcessor
{
public:
    enum SaturationMode
    {
        kFet = 0,
        kTube = 1,
        kTape = 2,
    };
    // Order of the section's five consecutive effect parameters (drive, colour, mix, on, width).
    enum Parameter
    {
        kDrive = 0,
        kColour = 1,
        kMix = 2,
        kSaturationOn = 3,
        kWidth = 4,
    };

    static constexpr float kShelfQ = 0.70710677f;

    CSectionProcessor();

    // Normalised value of one of the five consecutive section parameters; false for other offsets.
    bool setParameter(int offset, float value);
    void setDrive(float v);
    void setColour(float v);
    void setMix(float v);
    void setSaturationOn(bool on) { saturationOn = on; }
    void setWidth(float v) { width = v; }
    void setWidthOn(bool on) { widthOn = on; }
    void setSaturationMode(int mode) { saturationMode = mode; }
    // The type parameter: int(2v), so 0 "FET", 0.5 "TUBE", 1 "TAPE".
    // Three-way choice; clamped first because converting an out-of-range float to int is undefined.
    void setSaturationType(float v)
    {
        saturationMode = static_cast<int>(2.0f * (v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f));
    }
    // The saturation may run oversampled, at sampleRate × oversampling; everything else runs at
    // sampleRate.
    void setSampleRate(float sampleRate, int oversampling = 1);
    // Allocates: setup code only.
    void setBlockSize(int frames);
    // How far an oversampled saturation lags its input; the dry signal is delayed to match.
    // Allocates: setup code only.
    void setOversamplingLatency(int samples);

    // In place on min(numChannels, 2) channels. Blocks longer than the prepared size are processed
    // in slices.
    void process(float** channels, int frames, int numChannels);

    // process in three steps, so that a caller can run the colour filters of several sections side
    // by side; frames must not exceed the prepared block size. saturateBlock keeps the dry signal
    // and saturates; when it returns true the caller runs colourFilters of each channel, in
    // order, over the block, then finishBlock with coloured = true.
    bool saturateBlock(float** channels, int frames, int numChannels);
    // The same first step when only the saturation runs oversampled: keepDelayedDry takes the
    // host-rate block (the dry copy is delayed by the oversampling latency, and kept flowing
    // while saturation is off so that it never holds stale audio), saturateOversampled the
    // up-converted block. Colour filters and finishBlock then run on the down-converted block.
    bool keepDelayedDry(float** channels, int frames, int numChannels);
    void saturateOversampled(float** channels, int frames, int numChannels);
    void clearDelayedDry();
    // Fills out with up to two filters; returns their number.
    int colourFilters(int channel, CBiquad** out);
    void finishBlock(float** channels, int frames, int numChannels, bool coloured);
    // True when finishBlock would leave the block as it is, so that filters after the section may
    // run in one cascade with the colour filters.
    bool finishIsIdentity(int numChannels, bool coloured) const
    {
        return !(coloured && dryKept) && !(numChannels == 2 && widthOn);
    }

    float getLowShelfGain() const { return lowShelfGain; }
    float getHighShelfGain() const { return highShelfGain; }
    float getMix() const { return mix; }
    float getDryMix() const { return dryMix; }
    float getWidth() const { return width; }
    bool isSaturationOn() const { return saturationOn; }
    bool isSaturationActive() const { return saturationActive; }
    bool isWidthOn() const { return widthOn; }
    int getSaturationMode() const { return saturationMode; }
    float getSampleRate() const { return sampleRate; }
    int getBlockSize() const { return dry.frames; }
    const CBiquad& getLowShelf(int channel) const { return lowShelf[channel]; }
    const CBiquad& getHighShelf(int channel) const { return highShelf[channel]; }

private:
    // Below this share the dry signal is inaudible and the mix is skipped.
    bool mixesDry() const { return dryMix > 0.0001f; }
    void configureShelves();
    void saturate(float* x, int n, int channel);

    CBiquad lowShelf[2];
    CBiquad highShelf[2];
    float pivotFrequency = 1000.0f;
    CBuffer dry;
    float fetK = 0.0f;
    float fetNorm = 1.0f;
    float lowShelfGain = 1.0f;
    float highShelfGain = 1.0f;
    float sampleRate = 44100.0f;
    float mix = 1.0f;
    float dryMix = 0.0f;
    bool saturationOn = false;
    float width = 0.5f;
    bool saturationActive = false;
    bool widthOn = false;
    int saturationMode = kFet;
    CHarmonicShaper shaper[2];
    std::array<CDelay, 2> dryDelay;
    CBiquadLanes lanes;
    // Whether saturateBlock kept the dry signal: the mix setting may change on another thread
    // before finishBlock, which must then not mix in a copy that was never made.
    bool dryKept = false;
};
