#pragma once

#include "pluginterfaces/vst/ivstcomponent.h"

#include <string>
#include <vector>

namespace velqa::host
{

struct BusDescription
{
    std::string name;
    Steinberg::int32 channelCount = 0;
    Steinberg::int32 busType = 0; // kMain or kAux
    Steinberg::uint32 flags = 0;  // kDefaultActive ...

    bool isAuxiliary() const { return busType == Steinberg::Vst::kAux; }
    bool isDefaultActive() const { return (flags & Steinberg::Vst::BusInfo::kDefaultActive) != 0; }
};

std::vector<BusDescription> describeBuses(Steinberg::Vst::IComponent* component,
                                          Steinberg::Vst::MediaType type,
                                          Steinberg::Vst::BusDirection direction);

} // namespace velqa::host
