#include "VST3Adapter/VST2Adapter.h"

#include "VST3Adapter/ProcessTranslation.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Steinberg::Vst
{
namespace
{
// Larger blocks than this are a host error, not a set-up to allocate for.
constexpr int32 kMaxBlockSize = 1 << 22;

// Where a host supplies no channel buffer the effect still needs somewhere to read or write.
void fillPointers(float** pointers, int32 capacity, const AudioBusBuffers* buses, int32 numBuses,
                  int32 minimumChannels, float* fallback, bool useFallbackOnly)
{
    int32 filled = 0;
    for (int32 b = 0; b < numBuses && buses; ++b)
    {
        const AudioBusBuffers& bus = buses[b];
        for (int32 c = 0; c < bus.numChannels && filled < capacity; ++c)
        {
            float* channel = bus.channelBuffers32 ? bus.channelBuffers32[c] : nullptr;
            pointers[filled++] = useFallbackOnly || !channel ? fallback : channel;
        }
    }
    for (; filled < minimumChannels && filled < capacity; ++filled) pointers[filled] = fallback;
}

float* channelOf(const AudioBusBuffers& bus, int32 index)
{
    if (!bus.channelBuffers32 || bus.numChannels <= 0) return nullptr;
    return bus.channelBuffers32[std::min(index, bus.numChannels - 1)];
}
} // namespace

tresult PLUGIN_API VST2Adapter::canProcessSampleSize(int32 symbolicSampleSize)
{
    return symbolicSampleSize == kSample32 ? kResultOk : kResultFalse;
}

tresult PLUGIN_API VST2Adapter::setupProcessing(ProcessSetup& setup)
{
    if (!effect) return kResultFalse;
    if (setup.maxSamplesPerBlock <= 0 || setup.maxSamplesPerBlock > kMaxBlockSize ||
        !(setup.sampleRate > 0) || !std::isfinite(setup.sampleRate))
        return kInvalidArgument;

    effect->setSampleRate(static_cast<float>(setup.sampleRate));
    effect->setBlockSize(setup.maxSamplesPerBlock);
    const auto frames = static_cast<size_t>(setup.maxSamplesPerBlock);
    scratch.assign(frames, 0.0f);
    scratchChannel = scratch.data();
    silence.assign(frames, 0.0f);
    openEffectOnce();
    effect->resume();

    if (canProcessSampleSize(setup.symbolicSampleSize) != kResultOk) return kResultFalse;
    processSetup = setup;
    return kResultOk;
}

void VST2Adapter::sendMidiEvent(VstMidiEvent& event)
{
    VstEvents events{};
    events.numEvents = 1;
    events.events[0] = reinterpret_cast<VstEvent*>(&event);
    effect->processEvents(&events);
}

void VST2Adapter::applyParameterChanges(IParameterChanges* changes)
{
    if (!changes) return;
    const int32 count = changes->getParameterCount();
    for (int32 i = 0; i < count; ++i)
    {
        IParamValueQueue* queue = changes->getParameterData(i);
        if (!queue) continue;
        const int32 points = queue->getPointCount();
        int32 offset = 0;
        ParamValue value = 0;
        if (points <= 0 || queue->getPoint(points - 1, offset, value) != kResultOk) continue;
        if (std::isnan(value)) continue;
        value = std::clamp(value, 0.0, 1.0);

        const ParamID id = queue->getParameterId();
        if (id == static_cast<ParamID>(bypassParamId))
        {
            bypassed = value > kBypassThreshold;
        }
        else if (id < static_cast<ParamID>(numEffectParams))
        {
            effect->setParameter(static_cast<VstInt32>(id), static_cast<float>(value));
        }
        else
        {
            VstMidiEvent event;
            if (midiEventForController(id, offset, value, event)) sendMidiEvent(event);
        }
    }
}

void VST2Adapter::forwardEvents(IEventList* events)
{
    if (!events) return;
    const int32 count = events->getEventCount();
    for (int32 i = 0; i < count; ++i)
    {
        Event source{};
        if (events->getEvent(i, source) != kResultOk) continue;
        VstMidiEvent event;
        if (midiEventForEvent(source, event)) sendMidiEvent(event);
    }
}

void VST2Adapter::linkSideChain(ProcessData& data)
{
    sideChainLink.active = false;
    sideChainLink.channels[0] = nullptr;
    sideChainLink.channels[1] = nullptr;

    // The side chain is always the last input bus the adapter declared.
    const auto last = static_cast<int32>(audioInputs.size()) - 1;
    if (last < 0 || last >= data.numInputs || !data.inputs) return;
    Bus* bus = audioInputs.getBus(last);
    if (!bus || !(bus->isActive() || isAuWrapperHost)) return;
    const AudioBusBuffers& buffers = data.inputs[last];
    float* first = channelOf(buffers, 0);
    if (!first) return;

    sideChainLink.active = true;
    sideChainLink.numChannels = 2;
    sideChainLink.channels[0] = first;
    sideChainLink.channels[1] = buffers.numChannels >= 2 ? channelOf(buffers, 1) : first;
    if (!sideChainLink.channels[1]) sideChainLink.channels[1] = first;
}

void VST2Adapter::flattenChannels(ProcessData& data)
{
    const AEffect* record = effect->getAeffect();
    fillPointers(inputPointers, kMaxChannels, data.inputs, data.numInputs, record->numInputs,
                 silence.data(), false);
    fillPointers(outputPointers, kMaxChannels, data.outputs, data.numOutputs, record->numOutputs,
                 scratchChannel, bypassed);
}

tresult PLUGIN_API VST2Adapter::process(ProcessData& data)
{
    if (!effect) return kNotInitialized;
    host.makeCurrent();
    if (data.processContext)
    {
        translateProcessContext(*data.processContext, timeInfo);
        host.setExternalTimeInfo(&timeInfo);
    }
    applyParameterChanges(data.inputParameterChanges);
    forwardEvents(data.inputEvents);

    if (data.numSamples <= 0) return kResultOk; // a parameter-only call
    if (data.symbolicSampleSize != kSample32) return kResultFalse;
    // The effect sized its buffers for the set-up block; a longer one would overrun them.
    if (scratch.empty()) return kNotInitialized;
    if (static_cast<size_t>(data.numSamples) > scratch.size()) return kInvalidArgument;

    linkSideChain(data);
    for (int32 b = 0; b < data.numOutputs && data.outputs; ++b) data.outputs[b].silenceFlags = 0;
    flattenChannels(data);
    if (bypassed) std::fill(scratch.begin(), scratch.end(), 0.0f);

    effect->processReplacing(inputPointers, outputPointers, data.numSamples);

    // While bypassed the effect ran into the scratch channel; the host hears its own input.
    if (bypassed && data.numOutputs > 0 && data.outputs)
    {
        const size_t bytes = static_cast<size_t>(data.numSamples) * sizeof(float);
        for (int32 b = 0; b < data.numOutputs; ++b)
        {
            const AudioBusBuffers& out = data.outputs[b];
            for (int32 c = 0; c < out.numChannels && out.channelBuffers32; ++c)
            {
                float* target = out.channelBuffers32[c];
                const float* source = b == 0 && data.numInputs > 0 && data.inputs
                                          ? channelOf(data.inputs[0], c)
                                          : nullptr;
                if (!target || target == source) continue;
                if (source)
                    std::memmove(target, source, bytes);
                else
                    std::memset(target, 0, bytes);
            }
        }
    }
    return kResultOk;
}
} // namespace Steinberg::Vst
