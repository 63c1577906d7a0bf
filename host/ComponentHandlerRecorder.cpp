#include "host/ComponentHandlerRecorder.h"

#include <algorithm>

namespace velqa::host
{

using namespace Steinberg;

ComponentHandlerRecorder::ComponentHandlerRecorder(size_t capacity) : capacity_(capacity)
{
    calls_.reserve(capacity_);
}

tresult PLUGIN_API ComponentHandlerRecorder::beginEdit(Vst::ParamID id)
{
    record({Kind::beginEdit, id, 0.0, 0});
    return kResultOk;
}

tresult PLUGIN_API ComponentHandlerRecorder::performEdit(Vst::ParamID id, Vst::ParamValue value)
{
    record({Kind::performEdit, id, value, 0});
    return kResultOk;
}

tresult PLUGIN_API ComponentHandlerRecorder::endEdit(Vst::ParamID id)
{
    record({Kind::endEdit, id, 0.0, 0});
    return kResultOk;
}

tresult PLUGIN_API ComponentHandlerRecorder::restartComponent(int32 flags)
{
    record({Kind::restartComponent, 0, 0.0, flags});
    return kResultOk;
}

std::vector<ComponentHandlerRecorder::Call> ComponentHandlerRecorder::calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

size_t ComponentHandlerRecorder::count(Kind kind) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<size_t>(std::count_if(calls_.begin(), calls_.end(),
                                             [kind](const Call& c) { return c.kind == kind; }));
}

size_t ComponentHandlerRecorder::dropped() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return dropped_;
}

void ComponentHandlerRecorder::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
    dropped_ = 0;
}

void ComponentHandlerRecorder::record(const Call& call)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (calls_.size() < capacity_)
        calls_.push_back(call);
    else
        ++dropped_;
}

} // namespace velqa::host
