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
// Rates outside this range would size delays and analysers absurdly (or overflow them).
constexpr double kMinSampleRate = 8000.0;
constexpr double kMaxSampleRate = 768000.0;

// Exactly that channel of the bus, or none (channelOf below falls back to the bus's last one).
float* bufferOf(const AudioBusBuffers& bus, int32 channel)
{
    return bus.channelBuffers32 && channel < bus.numChannels ? bus.channelBuffers32[channel]
                                                             : nullptr;
}

// Runs over every sample of a silent channel, so it looks at sixteen at a time (the OR of their
// bits without the sign, which also takes -0 as silence).
bool isSilent(const float* samples, int32 count)
{
    constexpr int32 kStride = 16;
    constexpr uint32 kMagnitudeBits = 0x7FFFFFFF;
    int32 i = 0;
    for (; i + kStride <= count; i += kStride)
    {
        uint32 bits[kStride];
        std::memcpy(bits, samples + i, sizeof bits);
        uint32 any = 0;
        for (uint32 b : bits) any |= b;
        if (any & kMagnitudeBits) return false;
    }
    for (; i < count; ++i)
        if (samples[i] != 0.0f) return false;
    return true;
}

void markSilentChannels(AudioBusBuffers* buses, int32 numBuses, int32 numSamples)
{
    for (int32 b = 0; b < numBuses && buses; ++b)
    {
        AudioBusBuffers& bus = buses[b];
        bus.silenceFlags = 0;
        for (int32 c = 0; c < bus.numChannels && c < 64; ++c)
        {
            const float* channel = bufferOf(bus, c);
            if (channel && isSilent(channel, numSamples)) bus.silenceFlags |= uint64(1) << c;
        }
    }
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
    if (setup.maxSamplesPerBlock <= 0 || setup.maxSamplesPerBlock > kMaxBlockSize)
        return kInvalidArgument;
    // A refused set-up leaves the effect exactly as it was configured before.
    if (canProcessSampleSize(setup.symbolicSampleSize) != kResultOk) return kResultFalse;
    if (!(setup.sampleRate >= kMinSampleRate && setup.sampleRate <= kMaxSampleRate))
        return kResultFalse;

    effect->setSampleRate(static_cast<float>(setup.sampleRate));
    effect->setBlockSize(setup.maxSamplesPerBlock);
    const auto frames = static_cast<size_t>(setup.maxSamplesPerBlock);
    scratch.assign(frames, 0.0f);
    scratchChannel = scratch.data();
    silence.assign(frames, 0.0f);
    openEffectOnce();
    effect->resume();
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
            hostNowKnows(static_cast<int32>(id), static_cast<float>(value));
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

// Each bus feeds only its own pins: the main input pins 0 and 1, output bus b pins 2b and
// 2b + 1. The side chain reaches the effect through the link alone.
void VST2Adapter::mapChannels(ProcessData& data, bool bypass)
{
    const AEffect* record = effect->getAeffect();
    const int32 inputPins = std::min(record->numInputs, kMaxChannels);
    const int32 outputPins = std::min(record->numOutputs, kMaxChannels);
    const bool haveMainInput = data.numInputs > 0 && data.inputs;
    for (int32 pin = 0; pin < inputPins; ++pin)
    {
        float* channel = haveMainInput && pin < 2 ? bufferOf(data.inputs[0], pin) : nullptr;
        inputPointers[pin] = channel ? channel : silence.data();
    }
    for (int32 pin = 0; pin < outputPins; ++pin) outputPointers[pin] = scratchChannel;
    if (bypass || !data.outputs) return;
    // A host that asked for one wide bus (a scanner) gets it filled pin by pin.
    const int32 pinsPerBus = data.numOutputs == 1 ? outputPins : 2;
    for (int32 b = 0; b < data.numOutputs; ++b)
        for (int32 c = 0; c < pinsPerBus && b * 2 + c < outputPins; ++c)
            if (float* channel = bufferOf(data.outputs[b], c)) outputPointers[b * 2 + c] = channel;
}

// While bypassed the effect ran into the scratch channel; the host hears its own input on the
// main output and silence on every other.
void VST2Adapter::passInputThrough(ProcessData& data)
{
    const size_t bytes = static_cast<size_t>(data.numSamples) * sizeof(float);
    for (int32 b = 0; b < data.numOutputs && data.outputs; ++b)
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

// Rules inside the effect (solos, links, automatic activation) may move other parameters when
// the host sets one; the host hears of every such move as an output parameter change. Blocks
// without host input compare only a few parameters each, which still finds moves made off the
// audio thread within a few blocks.
void VST2Adapter::reportEffectChanges(IParameterChanges* changes, bool hostSentSomething)
{
    constexpr int32 kComparedPerQuietBlock = 16;
    if (!changes || !valuesHostKnows || numEffectParams <= 0) return;
    const int32 count =
        hostSentSomething ? numEffectParams : std::min(kComparedPerQuietBlock, numEffectParams);
    for (int32 k = 0; k < count; ++k)
    {
        const int32 i = hostSentSomething ? k : (sweepPosition + k) % numEffectParams;
        const float value = effect->getParameter(i);
        std::atomic<float>& known = valuesHostKnows[static_cast<size_t>(i)];
        if (value == known.load(std::memory_order_relaxed)) continue;
        int32 queueIndex = 0;
        int32 pointIndex = 0;
        IParamValueQueue* queue = changes->addParameterData(static_cast<ParamID>(i), queueIndex);
        if (queue && queue->addPoint(0, value, pointIndex) == kResultOk)
            known.store(value, std::memory_order_relaxed);
    }
    if (!hostSentSomething) sweepPosition = (sweepPosition + count) % numEffectParams;
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
    const bool hostSentSomething =
        (data.inputParameterChanges && data.inputParameterChanges->getParameterCount() > 0) ||
        (data.inputEvents && data.inputEvents->getEventCount() > 0);
    reportEffectChanges(data.outputParameterChanges, hostSentSomething);

    if (data.numSamples <= 0) return kResultOk; // a parameter-only call
    if (data.symbolicSampleSize != kSample32) return kResultFalse;
    // The effect sized its buffers for the set-up block; a longer one would overrun them.
    if (scratch.empty()) return kNotInitialized;
    if (static_cast<size_t>(data.numSamples) > scratch.size()) return kInvalidArgument;

    const bool bypass = bypassed.load(std::memory_order_relaxed);
    linkSideChain(data);
    mapChannels(data, bypass);
    if (bypass) std::fill(scratch.begin(), scratch.end(), 0.0f);

    effect->processReplacing(inputPointers, outputPointers, data.numSamples);

    if (bypass)
    {
        passInputThrough(data);
    }
    else if (monoInput && data.numOutputs > 0 && data.outputs)
    {
        float* left = bufferOf(data.outputs[0], 0);
        float* right = bufferOf(data.outputs[0], 1);
        if (left && right && left != right)
            std::memcpy(right, left, static_cast<size_t>(data.numSamples) * sizeof(float));
    }
    markSilentChannels(data.outputs, data.numOutputs, data.numSamples);
    return kResultOk;
}
} // namespace Steinberg::Vst
