#include "code/soundengine/Buffer.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

CBuffer::~CBuffer()
{
    release();
}

void CBuffer::resize(int newFrames, int newChannels)
{
    newFrames = std::max(newFrames, 0);
    newChannels = std::max(newChannels, 0);
    if (channels != nullptr && newFrames <= capacityFrames && newChannels <= numChannels)
    {
        frames = newFrames;
        return;
    }
    release();
    channels = new float*[static_cast<std::size_t>(std::max(newChannels, 1))]();
    for (int c = 0; c < newChannels; ++c) channels[c] = allocateChannel(newFrames);
    channel0 = newChannels > 0 ? channels[0] : nullptr;
    numChannels = newChannels;
    frames = newFrames;
    capacityFrames = newFrames;
}

void CBuffer::release()
{
    if (channels != nullptr)
    {
        for (int c = 0; c < numChannels; ++c) freeChannel(channels[c]);
        delete[] channels;
    }
    channels = nullptr;
    channel0 = nullptr;
    numChannels = 0;
    frames = 0;
    capacityFrames = 0;
}

void CBuffer::clear()
{
    for (int c = 0; c < numChannels; ++c)
        std::memset(channels[c], 0, static_cast<std::size_t>(frames) * sizeof(float));
}

float* CBuffer::allocateChannel(int count)
{
    // One spare sample so that an empty buffer still owns a valid pointer.
    return new float[static_cast<std::size_t>(count) + 1];
}

void CBuffer::freeChannel(float* data)
{
    delete[] data;
}
