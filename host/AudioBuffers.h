#pragma once

#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <vector>

namespace velqa::host
{

// Sample storage for the audio buses of one direction, sized once before processing starts so
// that process() only hands out pointers.
class AudioBuffers
{
public:
    void allocate(const std::vector<Steinberg::int32>& channelsPerBus, Steinberg::int32 maxFrames);

    Steinberg::int32 busCount() const { return static_cast<Steinberg::int32>(buses_.size()); }
    Steinberg::int32 channelCount(int bus) const;
    Steinberg::int32 maxFrames() const { return maxFrames_; }
    // Null when the bus or channel does not exist.
    float* channel(int bus, int channel);
    Steinberg::Vst::AudioBusBuffers* buses() { return buses_.empty() ? nullptr : buses_.data(); }

    void fill(float value);

private:
    std::vector<std::vector<float>> samples_;
    std::vector<std::vector<float*>> pointers_;
    std::vector<Steinberg::Vst::AudioBusBuffers> buses_;
    Steinberg::int32 maxFrames_ = 0;
};

} // namespace velqa::host
