#include "host/BusDescription.h"

#include "host/Utf16.h"

namespace velqa::host
{

using namespace Steinberg;

std::vector<BusDescription> describeBuses(Vst::IComponent* component, Vst::MediaType type,
                                          Vst::BusDirection direction)
{
    std::vector<BusDescription> buses;
    if (!component) return buses;
    const int32 count = component->getBusCount(type, direction);
    for (int32 i = 0; i < count; ++i)
    {
        Vst::BusInfo info{};
        if (component->getBusInfo(type, direction, i, info) != kResultOk) continue;
        buses.push_back({toUtf8(info.name, 128), info.channelCount, info.busType, info.flags});
    }
    return buses;
}

} // namespace velqa::host
