#include "host/AudioBuffers.h"

#include <algorithm>

namespace velqa::host
{

using namespace Steinberg;

void AudioBuffers::allocate(const std::vector<int32>& channelsPerBus, int32 maxFrames)
{
    maxFrames_ = std::max<int32>(0, maxFrames);
    samples_.clear();
    pointers_.clear();
    buses_.assign(channelsPerBus.size(), Vst::AudioBusBuffers{});
    pointers_.resize(channelsPerBus.size());
    for (size_t bus = 0; bus < channelsPerBus.size(); ++bus)
    {
        const int32 channels = std::max<int32>(0, channelsPerBus[bus]);
        for (int32 c = 0; c < channels; ++c)
        {
            samples_.emplace_back(static_cast<size_t>(maxFrames_), 0.0f);
            pointers_[bus].push_back(samples_.back().data());
        }
    }
    // Pointers are taken only now: samples_ no longer reallocates.
    size_t next = 0;
    for (size_t bus = 0; bus < channelsPerBus.size(); ++bus)
    {
        for (auto& pointer : pointers_[bus]) pointer = samples_[next++].data();
        buses_[bus].numChannels = static_cast<int32>(pointers_[bus].size());
        buses_[bus].silenceFlags = 0;
        buses_[bus].channelBuffers32 = pointers_[bus].empty() ? nullptr : pointers_[bus].data();
    }
}

int32 AudioBuffers::channelCount(int bus) const
{
    if (bus < 0 || bus >= busCount()) return 0;
    return buses_[static_cast<size_t>(bus)].numChannels;
}

float* AudioBuffers::channel(int bus, int channel)
{
    if (channel < 0 || channel >= channelCount(bus)) return nullptr;
    return pointers_[static_cast<size_t>(bus)][static_cast<size_t>(channel)];
}

void AudioBuffers::fill(float value)
{
    for (auto& channel : samples_) std::fill(channel.begin(), channel.end(), value);
}

} // namespace velqa::host
