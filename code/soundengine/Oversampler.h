#pragma once

#include "code/soundengine/AlignedBuffer.h"
#include "code/soundengine/RealFft.h"

#include <array>

// One direction of the FFT rate change for one channel: Hann-windowed frames of inSize samples at
// half-frame hops, the spectrum carried over into a frame of outSize samples, overlap-added at
// half its size. A periodic Hann window at 50 % overlap sums to one, so a band-limited signal
// passes at unity gain, delayed by one input frame.
class CFftResampler
{
public:
    // Allocates: setup code only. Clears the history.
    bool configure(int inSize, int outSize);
    // frames is a multiple of inSize/outSize when the rate goes down; writes frames·outSize/inSize.
    void process(const float* input, float* output, int frames);
    void clear();

private:
    void processFrame();

    int inSize = 0;
    int outSize = 0;
    int position = 0; // input samples collected since the last frame
    CRealFft inFft;
    CRealFft outFft;
    CAlignedBuffer work;    // two half frames of input, window, overlap tail, ready output
    float* older = nullptr; // the half frame collected before newer
    float* newer = nullptr; // the half frame being collected
};

// Runs the section chains at factor × the host rate: up-converts a slice of at most maxSlice host
// frames into its own buffer, and down-converts that buffer back. Up and down conversion together
// delay the host signal by two frames.
class COversampler
{
public:
    static constexpr int kMaxChannels = 2;

    // Allocates: setup code only. A factor below 2 leaves the oversampler idle.
    bool configure(int frameSize, int factor, int numChannels, int maxSlice = 128);
    void clear();

    // Up-converts frames host samples of each channel into upsampled().
    void upsample(float* const* input, int numChannels, int frames);
    // Down-converts frames·factor samples of upsampled() into output.
    void downsample(float* const* output, int numChannels, int frames);

    float** upsampled() { return buffer.channels; }
    int getFactor() const { return factor; }
    int getFrameSize() const { return frameSize; }
    int latency() const { return factor > 1 ? 2 * frameSize : 0; }

private:
    int frameSize = 0;
    int factor = 1;
    int channels = 0;
    int maxSlice = 0;
    std::array<CFftResampler, kMaxChannels> up;
    std::array<CFftResampler, kMaxChannels> down;
    CAlignedBuffer buffer;
};
