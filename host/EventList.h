#pragma once

#include "host/HostObject.h"
#include "pluginterfaces/vst/ivstevents.h"

#include <vector>

namespace velqa::host
{

// Events of one block in a fixed-size pool; adding beyond it is refused, not grown.
class EventList : public HostObject<Steinberg::Vst::IEventList>
{
public:
    explicit EventList(int capacity = 512);

    void clear() { events_.clear(); }

    Steinberg::int32 PLUGIN_API getEventCount() override;
    Steinberg::tresult PLUGIN_API getEvent(Steinberg::int32 index,
                                           Steinberg::Vst::Event& e) override;
    Steinberg::tresult PLUGIN_API addEvent(Steinberg::Vst::Event& e) override;

private:
    std::vector<Steinberg::Vst::Event> events_;
    size_t capacity_;
};

} // namespace velqa::host
