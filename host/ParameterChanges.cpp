#include "host/ParameterChanges.h"

namespace velqa::host
{

using namespace Steinberg;

ParameterChanges::ParameterChanges(int maxQueues, int pointsPerQueue)
{
    queues_.reserve(static_cast<size_t>(maxQueues));
    for (int i = 0; i < maxQueues; ++i)
        queues_.push_back(std::make_unique<ParamValueQueue>(pointsPerQueue));
}

bool ParameterChanges::add(Vst::ParamID id, int32 sampleOffset, Vst::ParamValue value)
{
    int32 index = 0;
    Vst::IParamValueQueue* queue = addParameterData(id, index);
    int32 pointIndex = 0;
    return queue && queue->addPoint(sampleOffset, value, pointIndex) == kResultOk;
}

Vst::IParamValueQueue* PLUGIN_API ParameterChanges::getParameterData(int32 index)
{
    if (index < 0 || index >= used_) return nullptr;
    return queues_[static_cast<size_t>(index)].get();
}

Vst::IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const Vst::ParamID& id,
                                                                     int32& index)
{
    for (int32 i = 0; i < used_; ++i)
    {
        if (queues_[static_cast<size_t>(i)]->getParameterId() == id)
        {
            index = i;
            return queues_[static_cast<size_t>(i)].get();
        }
    }
    if (used_ == static_cast<int32>(queues_.size())) return nullptr;
    index = used_++;
    queues_[static_cast<size_t>(index)]->reset(id);
    return queues_[static_cast<size_t>(index)].get();
}

} // namespace velqa::host
