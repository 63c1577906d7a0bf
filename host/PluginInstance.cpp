#include "host/PluginInstance.h"

#include "host/InterfaceQuery.h"
#include "host/MemoryStream.h"
#include "host/Module.h"
#include "host/Utf16.h"

#include <cstring>

namespace velqa::host
{

using namespace Steinberg;

namespace
{
bool findAudioEffectClass(IPluginFactory* factory, TUID classId)
{
    const int32 count = factory->countClasses();
    for (int32 i = 0; i < count; ++i)
    {
        PClassInfo info{};
        if (factory->getClassInfo(i, &info) != kResultOk) continue;
        if (fromField(info.category, PClassInfo::kCategorySize) == kVstAudioEffectClass)
        {
            std::memcpy(classId, info.cid, sizeof(TUID));
            return true;
        }
    }
    return false;
}
} // namespace

PluginInstance::CreateResult PluginInstance::create(Module& module, const TUID classId)
{
    CreateResult result;
    IPluginFactory* factory = module.factory();
    TUID chosen{};
    if (classId)
        std::memcpy(chosen, classId, sizeof(TUID));
    else if (!factory || !findAudioEffectClass(factory, chosen))
    {
        result.error = HostError::noSuchClass;
        return result;
    }

    void* created = nullptr;
    if (!factory || factory->createInstance(chosen, Vst::IComponent::iid, &created) != kResultOk ||
        !created)
    {
        result.error = HostError::createFailed;
        return result;
    }
    auto* component = static_cast<Vst::IComponent*>(created);
    auto* processor = queryInterfaceOf<Vst::IAudioProcessor>(component);
    if (!processor)
    {
        component->release();
        result.error = HostError::missingInterface;
        return result;
    }
    auto* controller = queryInterfaceOf<Vst::IEditController>(component);
    result.instance.reset(new PluginInstance(component, processor, controller));
    return result;
}

PluginInstance::PluginInstance(Vst::IComponent* component, Vst::IAudioProcessor* processor,
                               Vst::IEditController* controller)
    : inputChanges_(2048), component_(component), processor_(processor), controller_(controller)
{
    pending_.reserve(4096);
}

PluginInstance::~PluginInstance()
{
    if (processing_) processor_->setProcessing(false);
    if (active_) component_->setActive(false);
    if (controller_) controller_->setComponentHandler(nullptr);
    if (initialized_) component_->terminate();
    if (controller_) controller_->release();
    processor_->release();
    component_->release();
}

tresult PluginInstance::initialize(const std::string& hostName)
{
    if (initialized_) return kResultFalse;
    hostApplication_.setName(hostName);
    const tresult result = component_->initialize(&hostApplication_);
    if (result != kResultOk) return result;
    initialized_ = true;
    if (controller_) controller_->setComponentHandler(&handler_);
    return kResultOk;
}

std::vector<BusDescription> PluginInstance::buses(Vst::MediaType type,
                                                  Vst::BusDirection direction) const
{
    return describeBuses(component_, type, direction);
}

tresult PluginInstance::activateBus(Vst::MediaType type, Vst::BusDirection direction, int32 index,
                                    bool active)
{
    return component_->activateBus(type, direction, index, active);
}

tresult PluginInstance::setBusArrangements(std::vector<Vst::SpeakerArrangement> inputs,
                                           std::vector<Vst::SpeakerArrangement> outputs)
{
    return processor_->setBusArrangements(
        inputs.empty() ? nullptr : inputs.data(), static_cast<int32>(inputs.size()),
        outputs.empty() ? nullptr : outputs.data(), static_cast<int32>(outputs.size()));
}

std::vector<int32> PluginInstance::channelsPerAudioBus(Vst::BusDirection direction) const
{
    std::vector<int32> channels;
    for (const auto& bus : buses(Vst::kAudio, direction)) channels.push_back(bus.channelCount);
    return channels;
}

tresult PluginInstance::setupProcessing(double sampleRate, int32 maxBlock, int32 sampleSize,
                                        int32 processMode)
{
    setup_ = Vst::ProcessSetup{};
    setup_.processMode = processMode;
    setup_.symbolicSampleSize = sampleSize;
    setup_.maxSamplesPerBlock = maxBlock;
    setup_.sampleRate = sampleRate;
    inputs_.allocate(channelsPerAudioBus(Vst::kInput), maxBlock);
    outputs_.allocate(channelsPerAudioBus(Vst::kOutput), maxBlock);
    return processor_->setupProcessing(setup_);
}

tresult PluginInstance::setActive(bool active)
{
    const tresult result = component_->setActive(active);
    if (result == kResultOk) active_ = active;
    return result;
}

tresult PluginInstance::setProcessing(bool processing)
{
    // Effects may answer kNotImplemented and still process; the state is tracked regardless.
    processing_ = processing;
    return processor_->setProcessing(processing);
}

tresult PluginInstance::process(int32 numSamples, Vst::ProcessContext* context)
{
    if (numSamples < 0 || numSamples > setup_.maxSamplesPerBlock) return kInvalidArgument;
    Vst::ProcessData data{};
    data.processMode = setup_.processMode;
    data.symbolicSampleSize = setup_.symbolicSampleSize;
    data.numSamples = numSamples;
    data.numInputs = inputs_.busCount();
    data.numOutputs = outputs_.busCount();
    data.inputs = inputs_.buses();
    data.outputs = outputs_.buses();
    data.inputParameterChanges = &inputChanges_;
    data.outputParameterChanges = &outputChanges_;
    data.inputEvents = &inputEvents_;
    data.outputEvents = &outputEvents_;
    data.processContext = context;
    outputChanges_.clear();
    const tresult result = processor_->process(data);
    // As a host does: what the processor reports back becomes the controller's value.
    for (int32 i = 0; controller_ && i < outputChanges_.getParameterCount(); ++i)
    {
        Vst::IParamValueQueue* queue = outputChanges_.getParameterData(i);
        int32 offset = 0;
        Vst::ParamValue value = 0.0;
        const int32 points = queue ? queue->getPointCount() : 0;
        if (points == 0 || queue->getPoint(points - 1, offset, value) != kResultOk) continue;
        if (!deliverLater_)
        {
            controller_->setParamNormalized(queue->getParameterId(), value);
            continue;
        }
        std::lock_guard<std::mutex> lock(pendingMutex_);
        if (pending_.size() < pending_.capacity())
            pending_.emplace_back(queue->getParameterId(), value);
    }
    return result;
}

void PluginInstance::deliverOutputChanges()
{
    std::lock_guard<std::mutex> lock(pendingMutex_);
    for (const auto& [id, value] : pending_)
        if (controller_) controller_->setParamNormalized(id, value);
    pending_.clear();
}

tresult PluginInstance::getState(MemoryStream& stream)
{
    return component_->getState(&stream);
}

tresult PluginInstance::setState(MemoryStream& stream)
{
    return component_->setState(&stream);
}

} // namespace velqa::host
