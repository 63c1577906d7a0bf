#pragma once

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "public.sdk/source/vst/vstbus.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

namespace Steinberg
{
namespace Vst
{

namespace Detail
{
// IComponent::setState/getState and IEditController::setState/getState share a signature, so
// one override would answer both. This layer gives the component's pair their own hooks; the
// overrides are final so that a subclass cannot silently take over both at once.
class ComponentStateCalls : public IComponent
{
public:
    tresult PLUGIN_API setState(IBStream* state) final { return readComponentState(state); }
    tresult PLUGIN_API getState(IBStream* state) final { return writeComponentState(state); }

protected:
    // Restores the component from a host stream (IComponent::setState).
    virtual tresult readComponentState(IBStream* state) = 0;
    // Saves the component into a host stream (IComponent::getState).
    virtual tresult writeComponentState(IBStream* state) = 0;
};
} // namespace Detail

// Processor and edit controller in one object. Override readControllerState and
// writeControllerState for IEditController's state calls, readComponentState and
// writeComponentState for IComponent's. Call setState/getState through an interface pointer.
class SingleComponentEffect : public EditController,
                              public Detail::ComponentStateCalls,
                              public IAudioProcessor
{
public:
    SingleComponentEffect() = default;

    // IPluginBase
    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API terminate() override;

    // IComponent
    tresult PLUGIN_API getControllerClassId(TUID classId) override;
    tresult PLUGIN_API setIoMode(IoMode mode) override;
    int32 PLUGIN_API getBusCount(MediaType type, BusDirection dir) override;
    tresult PLUGIN_API getBusInfo(MediaType type, BusDirection dir, int32 index,
                                  BusInfo& info) override;
    tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) override;
    tresult PLUGIN_API activateBus(MediaType type, BusDirection dir, int32 index,
                                   TBool state) override;
    tresult PLUGIN_API setActive(TBool state) override;

    // IAudioProcessor
    // Accepts up to as many arrangements as there are audio buses and stores them on the
    // buses; a count beyond the buses, a negative count or a missing array is refused.
    tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                          SpeakerArrangement* outputs, int32 numOuts) override;
    tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index,
                                         SpeakerArrangement& arr) override;
    tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) override;
    uint32 PLUGIN_API getLatencySamples() override { return 0; }
    // Refuses a sample size that canProcessSampleSize refuses; otherwise stores the set-up.
    tresult PLUGIN_API setupProcessing(ProcessSetup& newSetup) override;
    tresult PLUGIN_API setProcessing(TBool state) override;
    tresult PLUGIN_API process(ProcessData& data) override;
    uint32 PLUGIN_API getTailSamples() override { return kNoTail; }

    AudioBus* addAudioInput(const TChar* name, SpeakerArrangement arr, BusType busType = kMain,
                            int32 flags = BusInfo::kDefaultActive);
    AudioBus* addAudioOutput(const TChar* name, SpeakerArrangement arr, BusType busType = kMain,
                             int32 flags = BusInfo::kDefaultActive);
    EventBus* addEventInput(const TChar* name, int32 channels = 16, BusType busType = kMain,
                            int32 flags = BusInfo::kDefaultActive);
    EventBus* addEventOutput(const TChar* name, int32 channels = 16, BusType busType = kMain,
                             int32 flags = BusInfo::kDefaultActive);

    tresult removeAudioBusses();
    tresult removeEventBusses();
    tresult removeAllBusses();

    BusList* getBusList(MediaType type, BusDirection dir);

    OBJ_METHODS(SingleComponentEffect, EditController)
    DEFINE_INTERFACES
    DEF_INTERFACE(IComponent)
    DEF_INTERFACE(IAudioProcessor)
    END_DEFINE_INTERFACES(EditController)
    REFCOUNT_METHODS(EditController)

protected:
    tresult readComponentState(IBStream*) override { return kNotImplemented; }
    tresult writeComponentState(IBStream*) override { return kNotImplemented; }

    ProcessSetup processSetup{kRealtime, kSample32, 1024, 44100.};

    BusList audioInputs{kAudio, kInput};
    BusList audioOutputs{kAudio, kOutput};
    BusList eventInputs{kEvent, kInput};
    BusList eventOutputs{kEvent, kOutput};
};

} // namespace Vst
} // namespace Steinberg
