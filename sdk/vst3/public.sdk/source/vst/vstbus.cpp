#include "public.sdk/source/vst/vstbus.h"

namespace Steinberg
{
namespace Vst
{

Bus::Bus(const TChar* name, BusType busType, int32 flags)
    : name(name), busType(busType), flags(static_cast<uint32>(flags))
{
}

bool Bus::getInfo(BusInfo& info)
{
    name.copyTo16(info.name, 0, 127);
    info.busType = busType;
    info.flags = flags;
    return true;
}

EventBus::EventBus(const TChar* name, BusType busType, int32 flags, int32 channelCount)
    : Bus(name, busType, flags), channelCount(channelCount)
{
}

bool EventBus::getInfo(BusInfo& info)
{
    info.channelCount = channelCount;
    return Bus::getInfo(info);
}

AudioBus::AudioBus(const TChar* name, BusType busType, int32 flags, SpeakerArrangement arr)
    : Bus(name, busType, flags), speakerArr(arr)
{
}

bool AudioBus::getInfo(BusInfo& info)
{
    info.channelCount = SpeakerArr::getChannelCount(speakerArr);
    return Bus::getInfo(info);
}

} // namespace Vst
} // namespace Steinberg
