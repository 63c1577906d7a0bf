#pragma once

// A multichannel block of float samples. Memory is only (re)allocated by resize, so the audio
// thread may call resize with a size it has already seen without allocating.
class CBuffer
{
public:
    CBuffer() = default;
    CBuffer(int frames, int channels) { resize(frames, channels); }
    virtual ~CBuffer();
    CBuffer(const CBuffer&) = delete;
    CBuffer& operator=(const CBuffer&) = delete;

    // Shrinking keeps the storage and the content; growing reallocates without clearing.
    // Negative sizes count as zero.
    virtual void resize(int frames, int channels);
    virtual void release();

    void clear();

    float** channels = nullptr;
    float* channel0 = nullptr;
    int numChannels = 0;
    int frames = 0;
    int capacityFrames = 0;

protected:
    virtual float* allocateChannel(int frames);
    virtual void freeChannel(float* data);
};
