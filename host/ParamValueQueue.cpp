#include "host/ParamValueQueue.h"

#include <algorithm>

namespace velqa::host
{

using namespace Steinberg;

ParamValueQueue::ParamValueQueue(int capacity) : capacity_(static_cast<size_t>(capacity))
{
    points_.reserve(capacity_);
}

void ParamValueQueue::reset(Vst::ParamID id)
{
    id_ = id;
    points_.clear();
}

int32 PLUGIN_API ParamValueQueue::getPointCount()
{
    return static_cast<int32>(points_.size());
}

tresult PLUGIN_API ParamValueQueue::getPoint(int32 index, int32& sampleOffset,
                                             Vst::ParamValue& value)
{
    if (index < 0 || index >= getPointCount()) return kInvalidArgument;
    sampleOffset = points_[static_cast<size_t>(index)].offset;
    value = points_[static_cast<size_t>(index)].value;
    return kResultOk;
}

tresult PLUGIN_API ParamValueQueue::addPoint(int32 sampleOffset, Vst::ParamValue value,
                                             int32& index)
{
    if (sampleOffset < 0) return kInvalidArgument;
    auto at = std::lower_bound(points_.begin(), points_.end(), sampleOffset,
                               [](const Point& p, int32 offset) { return p.offset < offset; });
    if (at != points_.end() && at->offset == sampleOffset)
    {
        at->value = value;
    }
    else
    {
        if (points_.size() == capacity_) return kResultFalse;
        at = points_.insert(at, Point{sampleOffset, value});
    }
    index = static_cast<int32>(at - points_.begin());
    return kResultOk;
}

} // namespace velqa::host
