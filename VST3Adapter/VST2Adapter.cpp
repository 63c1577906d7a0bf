#include "VST3Adapter/VST2Adapter.h"

#include "pluginterfaces/base/ustring.h"
#include "pluginterfaces/vst/ivsthostapplication.h"

#include <atomic>
#include <cstring>
#include <string>

namespace Steinberg::Vst
{
namespace
{
constexpr const char* kAuWrapperHostName = "VST3-AU Wrapper";
// Scanners probe the module with an arbitrary layout and need only a plain stereo pair.
constexpr const char* kRestrictedHostWords[] = {"PluginScanner", "Kestrune"};
} // namespace

FUnknown* VST2Adapter::createInstance(void*)
{
    auto* adapter = new VST2Adapter();
    if (!adapter->getEffect())
    {
        adapter->release();
        return nullptr;
    }
    return static_cast<IAudioProcessor*>(adapter);
}

VST2Adapter::VST2Adapter()
{
    views.reserve(10);
    AudioEffect* created = host.createEffect();
    effect = dynamic_cast<AudioEffectX*>(created);
    host.setMainHost(this);
    host.setEditHost(this);
}

VST2Adapter::~VST2Adapter()
{
    if (effect) effect->close();
    views.clear();
    host.setMainHost(nullptr);
    host.setEditHost(nullptr);
    // host's destructor suspends and deletes the effect
}

void VST2Adapter::openEffectOnce()
{
    if (effectOpened || !effect) return;
    effect->open();
    effectOpened = true;
}

void VST2Adapter::readHostName(FUnknown* context)
{
    isAuWrapperHost = false;
    FUnknownPtr<IHostApplication> application(context);
    if (!application) return;
    String128 wideName = {};
    if (application->getName(wideName) != kResultOk) return;
    char name[129] = {};
    UString(wideName, 128).toAscii(name, sizeof name);

    isAuWrapperHost = std::strcmp(name, kAuWrapperHostName) == 0;
    for (const char* word : kRestrictedHostWords)
        if (std::strstr(name, word)) isRestrictedHost = true;
    effect->vendorSpecific(kVendorHostName, kVendorHostName, name, 0);
}

tresult PLUGIN_API VST2Adapter::initialize(FUnknown* context)
{
    if (!effect) return kInternalError;
    openEffectOnce();
    readHostName(context);

    host.makeCurrent();
    const tresult result = SingleComponentEffect::initialize(context);
    if (result != kResultOk) return result;
    latencyRestart.bind(context,
                        [this]
                        {
                            if (componentHandler)
                                componentHandler->restartComponent(kLatencyChanged);
                        });

    const AEffect* record = effect->getAeffect();
    numOutputBuses = record->numOutputs / 2;
    numInputBuses = record->numInputs / 2;
    buildBuses();
    buildParameters();
    updateAllParameters();
    return kResultOk;
}

tresult PLUGIN_API VST2Adapter::terminate()
{
    latencyRestart.unbind();
    views.clear();
    return SingleComponentEffect::terminate();
}

tresult PLUGIN_API VST2Adapter::getControllerClassId(TUID)
{
    return kNotImplemented;
}
tresult PLUGIN_API VST2Adapter::setIoMode(IoMode)
{
    return kNotImplemented;
}
tresult PLUGIN_API VST2Adapter::getRoutingInfo(RoutingInfo&, RoutingInfo&)
{
    return kNotImplemented;
}
tresult PLUGIN_API VST2Adapter::setActive(TBool)
{
    latencyRestart.flush();
    return kResultOk;
}

tresult PLUGIN_API VST2Adapter::setParamNormalized(ParamID id, ParamValue value)
{
    const tresult result = SingleComponentEffect::setParamNormalized(id, value);
    latencyRestart.flush();
    return result;
}
tresult PLUGIN_API VST2Adapter::setProcessing(TBool)
{
    return kNotImplemented;
}
tresult PLUGIN_API VST2Adapter::setComponentState(IBStream*)
{
    return kNotImplemented;
}
uint32 PLUGIN_API VST2Adapter::getTailSamples()
{
    return 0;
}

// The effect reads only the tempo, when it resumes.
uint32 PLUGIN_API VST2Adapter::getProcessContextRequirements()
{
    return IProcessContextRequirements::kNeedTempo;
}

uint32 PLUGIN_API VST2Adapter::getLatencySamples()
{
    if (!effect) return 0;
    // The audio thread updates the latency when an oversampling change lands.
    const VstInt32 delay = std::atomic_ref<VstInt32>(effect->getAeffect()->initialDelay)
                               .load(std::memory_order_relaxed);
    return delay > 0 ? static_cast<uint32>(delay) : 0;
}

void VST2Adapter::automate(int32 index, float value)
{
    if (index == kLatencyRestartIndex)
    {
        // VST 3 wants restartComponent on the UI thread; the audio thread only leaves a note.
        latencyRestart.request();
        return;
    }
    if (index == kResizeViewsIndex)
    {
        resizeViews();
        return;
    }
    const auto id = static_cast<ParamID>(index);
    setParamNormalized(id, value);
    performEdit(id, value);
    hostNowKnows(index, value);
    if (openEdits > 0)
        sideEffectsPending = true;
    else
        reportEditSideEffects(index);
}

void VST2Adapter::hostNowKnows(int32 index, float value)
{
    if (valuesHostKnows && index >= 0 && index < numEffectParams)
        valuesHostKnows[static_cast<size_t>(index)].store(value, std::memory_order_relaxed);
}

// An edit may move other parameters by the effect's own rules; the host records those moves as
// edits of their own, so its values never go stale. What the host already sent through process
// counts as known even where it never updated this controller's copy.
void VST2Adapter::reportEditSideEffects(int32 editedIndex)
{
    if (!valuesHostKnows) return;
    for (int32 i = 0; i < numEffectParams; ++i)
    {
        const auto id = static_cast<ParamID>(i);
        const float value = effect->getParameter(i);
        if (static_cast<float>(getParamNormalized(id)) != value) setParamNormalized(id, value);
        if (i == editedIndex ||
            valuesHostKnows[static_cast<size_t>(i)].load(std::memory_order_relaxed) == value)
            continue;
        SingleComponentEffect::beginEdit(id);
        performEdit(id, value);
        SingleComponentEffect::endEdit(id);
        hostNowKnows(i, static_cast<float>(value));
    }
}

void VST2Adapter::updateAllParameters()
{
    if (!effect) return;
    const VstInt32 count = effect->getAeffect()->numParams;
    for (VstInt32 i = 0; i < count; ++i)
    {
        const float value = effect->getParameter(i);
        setParamNormalized(static_cast<ParamID>(i), value);
        hostNowKnows(i, value);
    }
}

void VST2Adapter::beginEdit(int32 index)
{
    ++openEdits;
    SingleComponentEffect::beginEdit(static_cast<ParamID>(index));
}

void VST2Adapter::valueChanged(int32, float) {}

void VST2Adapter::endEdit(int32 index)
{
    SingleComponentEffect::endEdit(static_cast<ParamID>(index));
    if (openEdits > 0 && --openEdits == 0 && sideEffectsPending)
    {
        sideEffectsPending = false;
        reportEditSideEffects(-1);
    }
}
} // namespace Steinberg::Vst
