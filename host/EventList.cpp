#include "host/EventList.h"

namespace velqa::host
{

using namespace Steinberg;

EventList::EventList(int capacity) : capacity_(static_cast<size_t>(capacity))
{
    events_.reserve(capacity_);
}

int32 PLUGIN_API EventList::getEventCount()
{
    return static_cast<int32>(events_.size());
}

tresult PLUGIN_API EventList::getEvent(int32 index, Vst::Event& e)
{
    if (index < 0 || index >= getEventCount()) return kInvalidArgument;
    e = events_[static_cast<size_t>(index)];
    return kResultOk;
}

tresult PLUGIN_API EventList::addEvent(Vst::Event& e)
{
    if (events_.size() == capacity_) return kResultFalse;
    events_.push_back(e);
    return kResultOk;
}

} // namespace velqa::host
