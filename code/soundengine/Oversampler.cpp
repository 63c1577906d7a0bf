#include "code/soundengine/Oversampler.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>

namespace
{
enum WorkChannel
{
    kHalfA,
    kHalfB,
    kWindow,
    kTail,
    kReady,
    kWorkChannels
};
} // namespace

bool CFftResampler::configure(int newInSize, int newOutSize)
{
    if (!inFft.setup(newInSize) || !outFft.setup(newOutSize)) return false;
    inSize = newInSize;
    outSize = newOutSize;
    work.resize(std::max(inSize, outSize), kWorkChannels);
    float* window = work.channels[kWindow];
    for (int i = 0; i < inSize; ++i)
        window[i] = static_cast<float>(
            0.5 * (1.0 - std::cos(2.0 * std::numbers::pi * i / static_cast<double>(inSize))));
    clear();
    return true;
}

void CFftResampler::clear()
{
    if (!work.channels) return;
    for (int c : {kHalfA, kHalfB, kTail, kReady})
        std::memset(work.channels[c], 0, sizeof(float) * static_cast<size_t>(work.frames));
    older = work.channels[kHalfA];
    newer = work.channels[kHalfB];
    // The first frame is due after half a frame of input, on top of half a frame of silence.
    position = 0;
}

void CFftResampler::processFrame()
{
    const float* window = work.channels[kWindow];
    float* tail = work.channels[kTail];
    float* ready = work.channels[kReady];
    const int inHop = inSize / 2;
    const int outHop = outSize / 2;

    // The frame is the older half followed by the newer one; the halves swap roles afterwards
    // instead of moving.
    float* time = inFft.timeData();
    for (int i = 0; i < inHop; ++i) time[i] = older[i] * window[i];
    for (int i = 0; i < inHop; ++i) time[inHop + i] = newer[i] * window[inHop + i];
    inFft.transformForward();
    // The ordered layout keeps DC and the smaller frame's Nyquist value in slots 0 and 1, so
    // copying the first values carries the shared band over; the rest of the larger frame is zero.
    const int kept = std::min(inSize, outSize);
    float* bins = outFft.spectrumData();
    std::memcpy(bins, inFft.spectrumData(), sizeof(float) * static_cast<size_t>(kept));
    if (outSize > kept)
        std::memset(bins + kept, 0, sizeof(float) * static_cast<size_t>(outSize - kept));
    outFft.transformInverse();

    // Overlap-add: the first half completes the previous frame's tail, the second half is the
    // next tail.
    const float* out = outFft.timeData();
    const float scale = 1.0f / static_cast<float>(inSize);
    for (int i = 0; i < outHop; ++i) ready[i] = tail[i] + out[i] * scale;
    for (int i = 0; i < outHop; ++i) tail[i] = out[outHop + i] * scale;
    std::swap(older, newer);
}

void CFftResampler::process(const float* input, float* output, int frames)
{
    if (inSize == 0) return;
    const int inHop = inSize / 2;
    const float* ready = work.channels[kReady];
    // Integer ratio either way: up-conversion has outSize/inSize outputs per input, down-conversion
    // one output per inSize/outSize inputs.
    const bool upward = outSize >= inSize;
    const int ratio = upward ? outSize / inSize : inSize / outSize;

    int done = 0;
    while (done < frames)
    {
        const int count = std::min(frames - done, inHop - position);
        // Output is read before the new input is stored: the delay is exactly one input frame.
        const int outStart = upward ? position * ratio : position / ratio;
        const int outCount = upward ? count * ratio : count / ratio;
        const int outDone = upward ? done * ratio : done / ratio;
        std::memcpy(output + outDone, ready + outStart,
                    sizeof(float) * static_cast<size_t>(outCount));
        std::memcpy(newer + position, input + done, sizeof(float) * static_cast<size_t>(count));
        position += count;
        done += count;
        if (position == inHop)
        {
            processFrame();
            position = 0;
        }
    }
}

bool COversampler::configure(int newFrameSize, int newFactor, int numChannels, int newMaxSlice)
{
    frameSize = newFrameSize;
    factor = std::clamp(newFactor, 1, 64);
    channels = std::clamp(numChannels, 1, kMaxChannels);
    maxSlice = std::max(newMaxSlice, 1);
    buffer.resize(maxSlice * factor, kMaxChannels);
    buffer.clear();
    if (factor < 2) return true;
    for (int c = 0; c < kMaxChannels; ++c)
        if (!up[static_cast<size_t>(c)].configure(frameSize, frameSize * factor) ||
            !down[static_cast<size_t>(c)].configure(frameSize * factor, frameSize))
        {
            factor = 1;
            return false;
        }
    return true;
}

void COversampler::clear()
{
    for (int c = 0; c < kMaxChannels; ++c)
    {
        up[static_cast<size_t>(c)].clear();
        down[static_cast<size_t>(c)].clear();
    }
    buffer.clear();
}

void COversampler::upsample(float* const* input, int numChannels, int frames)
{
    frames = std::clamp(frames, 0, maxSlice);
    const int count = std::min(numChannels, channels);
    for (int c = 0; c < count; ++c)
    {
        if (factor < 2)
            std::memcpy(buffer.channels[c], input[c], sizeof(float) * static_cast<size_t>(frames));
        else
            up[static_cast<size_t>(c)].process(input[c], buffer.channels[c], frames);
    }
}

void COversampler::downsample(float* const* output, int numChannels, int frames)
{
    frames = std::clamp(frames, 0, maxSlice);
    const int count = std::min(numChannels, channels);
    for (int c = 0; c < count; ++c)
    {
        if (factor < 2)
            std::memcpy(output[c], buffer.channels[c], sizeof(float) * static_cast<size_t>(frames));
        else
            down[static_cast<size_t>(c)].process(buffer.channels[c], output[c], frames * factor);
    }
}
