#pragma once
// The VST 3 face of the effect: one single-component effect that owns one VST 2.4-style
// effect and plays its host.

#include "VST3Adapter/AdapterMessages.h"
#include "VST3Adapter/UiThreadRelay.h"
#include "VST3Adapter/Vst2Host.h"
#include "VST3Adapter/Vst2HostInterfaces.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "public.sdk/source/vst/vstsinglecomponenteffect.h"

#include <atomic>
#include <memory>
#include <vector>

namespace Steinberg::Vst
{
class ViewAdapter;

class VST2Adapter : public SingleComponentEffect,
                    public IMidiMapping,
                    public IProcessContextRequirements,
                    public IMainHost,
                    public IEditHost
{
public:
    static constexpr int32 kMaxChannels = 256;

    VST2Adapter();
    ~VST2Adapter() override;

    static FUnknown* createInstance(void* context);

    // IPluginBase
    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API terminate() override;

    // IComponent
    tresult PLUGIN_API getControllerClassId(TUID classId) override;
    tresult PLUGIN_API setIoMode(IoMode mode) override;
    tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) override;
    tresult PLUGIN_API setActive(TBool state) override;

    // IAudioProcessor
    tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                          SpeakerArrangement* outputs, int32 numOuts) override;
    tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) override;
    uint32 PLUGIN_API getLatencySamples() override;
    tresult PLUGIN_API setupProcessing(ProcessSetup& setup) override;
    tresult PLUGIN_API setProcessing(TBool state) override;
    tresult PLUGIN_API process(ProcessData& data) override;
    uint32 PLUGIN_API getTailSamples() override;

    // IProcessContextRequirements
    uint32 PLUGIN_API getProcessContextRequirements() override;

    // IEditController
    tresult PLUGIN_API setComponentState(IBStream* state) override;
    tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) override;
    tresult PLUGIN_API getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                             String128 string) override;
    IPlugView* PLUGIN_API createView(FIDString name) override;

    // Views: notifications from the views this adapter created, and the editor's resize signal.
    void editorAttached(EditorView* view) override;
    void editorRemoved(EditorView* view) override;
    void editorDestroyed(EditorView* view) override;
    void resizeViews();
    // An open view's idle tick, on the UI thread.
    void uiIdle() { latencyRestart.flush(); }
    const std::vector<ViewAdapter*>& getViews() const { return views; }

    // IMidiMapping
    tresult PLUGIN_API getMidiControllerAssignment(int32 busIndex, int16 channel,
                                                   CtrlNumber midiControllerNumber,
                                                   ParamID& id) override;

    // IMainHost
    void automate(int32 index, float value) override;
    void updateAllParameters() override;

    // IEditHost; the edit controller's own beginEdit and endEdit stay reachable.
    using SingleComponentEffect::beginEdit;
    using SingleComponentEffect::endEdit;
    void beginEdit(int32 index) override;
    void valueChanged(int32 index, float value) override;
    void endEdit(int32 index) override;

    AudioEffectX* getEffect() const { return effect; }
    bool isBypassed() const { return bypassed.load(std::memory_order_relaxed); }
    ParamID getBypassParamId() const { return static_cast<ParamID>(bypassParamId); }
    const SideChainLink& getSideChainLink() const { return sideChainLink; }

    OBJ_METHODS(VST2Adapter, SingleComponentEffect)
    DEFINE_INTERFACES
    DEF_INTERFACE(IMidiMapping)
    DEF_INTERFACE(IProcessContextRequirements)
    END_DEFINE_INTERFACES(SingleComponentEffect)
    REFCOUNT_METHODS(SingleComponentEffect)

protected:
    // IComponent::setState / getState
    tresult readComponentState(IBStream* state) override;
    tresult writeComponentState(IBStream* state) override;
    // IEditController::setState / getState: the component's state already holds everything.
    tresult readControllerState(IBStream*) override { return kResultOk; }
    tresult writeControllerState(IBStream*) override { return kResultOk; }

private:
    void openEffectOnce();
    void readHostName(FUnknown* context);
    void buildBuses();
    void buildParameters();
    ParamValue defaultValueOf(int32 index) const;
    tresult setRestrictedBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                         SpeakerArrangement* outputs, int32 numOuts);
    void applyParameterChanges(IParameterChanges* changes);
    void forwardEvents(IEventList* events);
    void linkSideChain(ProcessData& data);
    void mapChannels(ProcessData& data, bool bypass);
    void passInputThrough(ProcessData& data);
    void reportEffectChanges(IParameterChanges* changes, bool hostSentSomething);
    void reportEditSideEffects(int32 editedIndex);
    // Editor gestures open on the UI thread; side effects are reported once the last one ends,
    // so a gesture that performs several parameters is not split by reports of its own steps.
    int openEdits = 0;
    bool sideEffectsPending = false;
    void sendMidiEvent(VstMidiEvent& event);
    tresult writeChunkState(IBStream* stream);
    tresult writeParameterListState(IBStream* stream);
    tresult applyComponentState(IBStream* state);
    tresult readParameterListState(const std::vector<uint8>& buffer);

    AudioEffectX* effect = nullptr;
    int32 numEffectParams = 0;
    float* inputPointers[kMaxChannels] = {};
    float* outputPointers[kMaxChannels] = {};
    int32 numInputBuses = 0;
    int32 numOutputBuses = 0;
    bool effectOpened = false;
    CVst2Host host;
    std::vector<uint8> stateBuffer;
    VstTimeInfo timeInfo{};
    std::vector<ViewAdapter*> views;
    int32 bypassParamId = 0;
    // Written by process (host automation) and by setState, read by process.
    std::atomic<bool> bypassed = false;
    // The effect processes a mono main input; a stereo main output then gets it on both sides.
    bool monoInput = false;
    // Each effect parameter's value as the host last heard it, from either thread; process
    // reports whatever the effect holds beyond it.
    std::unique_ptr<std::atomic<float>[]> valuesHostKnows;
    void hostNowKnows(int32 index, float value);
    int32 sweepPosition = 0; // audio thread only
    // One channel the effect writes into while bypassed or where a host gives no buffer.
    std::vector<float> scratch;
    float* scratchChannel = nullptr;
    // Read where a host gives no input buffer.
    std::vector<float> silence;
    SideChainLink sideChainLink{};
    velqa::CUiThreadRelay latencyRestart;
    bool isAuWrapperHost = false;
    bool isRestrictedHost = false;
};
} // namespace Steinberg::Vst
