#pragma once

#include "host/HostObject.h"
#include "host/ParamValueQueue.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <memory>
#include <vector>

namespace velqa::host
{

// The changes of one block: a fixed pool of queues handed out one per parameter id.
class ParameterChanges : public HostObject<Steinberg::Vst::IParameterChanges>
{
public:
    explicit ParameterChanges(int maxQueues = 256, int pointsPerQueue = 64);

    // Empties every queue; call between blocks.
    void clear() { used_ = 0; }
    // Convenience for tests and tools: one point, returns false when the pool is full.
    bool add(Steinberg::Vst::ParamID id, Steinberg::int32 sampleOffset,
             Steinberg::Vst::ParamValue value);

    Steinberg::int32 PLUGIN_API getParameterCount() override { return used_; }
    Steinberg::Vst::IParamValueQueue* PLUGIN_API getParameterData(Steinberg::int32 index) override;
    // Returns the queue already holding this id, so a parameter never appears twice.
    Steinberg::Vst::IParamValueQueue* PLUGIN_API addParameterData(const Steinberg::Vst::ParamID& id,
                                                                  Steinberg::int32& index) override;

private:
    std::vector<std::unique_ptr<ParamValueQueue>> queues_;
    Steinberg::int32 used_ = 0;
};

} // namespace velqa::host
