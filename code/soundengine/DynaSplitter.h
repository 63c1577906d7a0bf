#pragma once

#include "code/soundengine/BiquadLanes.h"
#include "code/soundengine/Buffer.h"
#include "code/soundengine/GainSmoother.h"
#include "code/soundengine/OnePoleFilter.h"
#include "code/soundengine/OrvFilter.h"

// Level detector and gain computer. It filters the side chain, follows its peak, computes a
// hard-knee compressor gain from threshold and ratio, smooths it and scales the main signal by it:
// the result is the part below the threshold; input minus result is the part above.
class CDynaSplitter
{
public:
    enum Parameter
    {
        kThreshold = 0,
        kAttack = 1,
        kRelease = 2,
        kRatio = 3,
    };

    CDynaSplitter();

    // index counts from the first accepted effect parameter (0). The threshold arrives as a linear
    // level (the effect maps it to one); the others as normalised values.
    bool setParameter(int index, float value);
    void setThreshold(float level);
    void setAttack(float v);
    void setRelease(float v);
    void setRatio(float v);
    void setSampleRate(float sampleRate);
    // Allocates: setup code only.
    void setBlockSize(int frames);
    void setLoCut(float frequency);
    void setHiCut(float frequency);

    // Scales main in place. sideChain may be null: the main signal is then its own side chain.
    // above, where given, receives the part above the threshold (input minus the scaled main)
    // in the same pass. Blocks longer than the prepared size are processed in slices; the kept
    // side chain, level and gain buffers then hold the last slice.
    void process(float** main, float** sideChain, int frames, int numChannels,
                 float** above = nullptr);

    float** sideChainChannels() const { return sideChainBuffer.channels; }
    const float* levelChannel() const { return level.channel0; }
    const float* gainChannel() const { return gain.channel0; }
    float getMaxLevel() const { return maxLevel; }
    float getMinGain() const { return minGain; }
    float getThreshold() const { return threshold; }
    float getRatio() const { return ratio; }
    float getLoCut() const { return loCutFrequency; }
    float getHiCut() const { return hiCutFrequency; }
    int getBlockSize() const { return level.frames; }
    const CGainSmoother& getSmoother() const { return smoother; }

private:
    void processSlice(float** main, float** sideChain, float** above, int frames, int numChannels);

    CBuffer sideChainBuffer;
    CBuffer level;
    CBuffer gain;
    CGainSmoother smoother;
    COnePoleFilter envelopeRelease;
    COrvFilter loCutL, hiCutL, loCutR, hiCutR;
    CBiquadLanes sideChainLanes;
    float sampleRate = 44100.0f;
    float previousEnvelope = 0.0f;
    float threshold = 0.5f;
    float ratio = 1.0f;
    float invThreshold = 2.0f;
    float slope = 1.0f;
    float outputTrim = 1.0f;
    int curveMode = 1;
    float minGain = 1111.0f;
    float maxLevel = 0.0f;
    int parameterCount = 4;
    int parameterBase = 0;
    float loCutFrequency = 20.0f;
    float hiCutFrequency = 20000.0f;
};
