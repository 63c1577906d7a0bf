#pragma once

#include "host/HostObject.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <vector>

namespace velqa::host
{

// Automation points of one parameter for one block. Storage is reserved up front so that
// filling and reading the queue around process() never allocates.
class ParamValueQueue : public HostObject<Steinberg::Vst::IParamValueQueue>
{
public:
    explicit ParamValueQueue(int capacity = 64);

    void reset(Steinberg::Vst::ParamID id);

    Steinberg::Vst::ParamID PLUGIN_API getParameterId() override { return id_; }
    Steinberg::int32 PLUGIN_API getPointCount() override;
    Steinberg::tresult PLUGIN_API getPoint(Steinberg::int32 index, Steinberg::int32& sampleOffset,
                                           Steinberg::Vst::ParamValue& value) override;
    // Points stay ordered by offset; a second point at the same offset replaces the first.
    Steinberg::tresult PLUGIN_API addPoint(Steinberg::int32 sampleOffset,
                                           Steinberg::Vst::ParamValue value,
                                           Steinberg::int32& index) override;

private:
    struct Point
    {
        Steinberg::int32 offset;
        Steinberg::Vst::ParamValue value;
    };
    Steinberg::Vst::ParamID id_ = 0;
    std::vector<Point> points_;
    size_t capacity_;
};

} // namespace velqa::host
