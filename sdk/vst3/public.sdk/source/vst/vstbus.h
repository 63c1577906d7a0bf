#pragma once

#include "base/source/fobject.h"
#include "base/source/fstring.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/vstspeaker.h"

#include <vector>

namespace Steinberg
{
namespace Vst
{

// A bus starts inactive; the host activates it (it is asked to for kDefaultActive buses).
class Bus : public FObject
{
public:
    Bus(const TChar* name, BusType busType, int32 flags);

    bool isActive() const { return active != 0; }
    void setActive(TBool state) { active = state; }

    void setName(const String& newName) { name = newName; }
    const String& getName() const { return name; }
    void setBusType(BusType type) { busType = type; }
    BusType getBusType() const { return busType; }
    void setFlags(uint32 newFlags) { flags = newFlags; }
    uint32 getFlags() const { return flags; }

    // Fills name, type and flags; subclasses add the channel count. The caller sets
    // mediaType and direction, which belong to the list holding the bus.
    virtual bool getInfo(BusInfo& info);

    OBJ_METHODS(Bus, FObject)

protected:
    String name;
    BusType busType;
    uint32 flags;
    TBool active = 0;
};

class EventBus : public Bus
{
public:
    EventBus(const TChar* name, BusType busType, int32 flags, int32 channelCount);

    bool getInfo(BusInfo& info) override;
    int32 getChannelCount() const { return channelCount; }

    OBJ_METHODS(EventBus, Bus)

protected:
    int32 channelCount;
};

class AudioBus : public Bus
{
public:
    AudioBus(const TChar* name, BusType busType, int32 flags, SpeakerArrangement arr);

    SpeakerArrangement getArrangement() const { return speakerArr; }
    void setArrangement(const SpeakerArrangement& arr) { speakerArr = arr; }

    bool getInfo(BusInfo& info) override;

    OBJ_METHODS(AudioBus, Bus)

protected:
    SpeakerArrangement speakerArr;
};

// The buses of one media type and direction, in index order.
class BusList : public FObject, public std::vector<IPtr<Bus>>
{
public:
    BusList(MediaType type, BusDirection dir) : type(type), direction(dir) {}

    MediaType getType() const { return type; }
    BusDirection getDirection() const { return direction; }

    // The bus at index, or null when out of range.
    Bus* getBus(int32 index) const
    {
        if (index < 0 || index >= static_cast<int32>(size())) return nullptr;
        return (*this)[static_cast<size_t>(index)].get();
    }

    OBJ_METHODS(BusList, FObject)

protected:
    MediaType type;
    BusDirection direction;
};

} // namespace Vst
} // namespace Steinberg
