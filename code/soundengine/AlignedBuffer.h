#pragma once

#include "code/soundengine/Buffer.h"

// Channel arrays start on a 64-byte boundary, as the FFT code wants. Each allocation is 64 bytes
// larger than needed and keeps the allocator's pointer just before the aligned block.
class CAlignedBuffer : public CBuffer
{
public:
    CAlignedBuffer() = default;
    CAlignedBuffer(int frames, int channels) { resize(frames, channels); }
    // The base destructor cannot reach freeChannel of this class any more.
    ~CAlignedBuffer() override { release(); }

protected:
    float* allocateChannel(int frames) override;
    void freeChannel(float* data) override;
};
