#include "VST3Adapter/VST2Adapter.h"

#include "pluginterfaces/base/ustring.h"

#include <bit>
#include <cstdio>

namespace Steinberg::Vst
{
namespace
{
constexpr const char* kOutputBusNames[] = {"Velqa Out", "Above Wet Out", "Below Wet Out",
                                           "Above Dry Out", "Below Dry Out"};

struct WideName
{
    explicit WideName(const char* text) { UString(wide, 128).fromAscii(text); }
    String128 wide = {};
};

int32 channelsOf(SpeakerArrangement arrangement)
{
    if (arrangement == SpeakerArr::kMono) return 1;
    if (arrangement == SpeakerArr::kStereo) return 2;
    return 0;
}

bool isMonoOrStereo(SpeakerArrangement arrangement)
{
    return channelsOf(arrangement) > 0;
}

bool tellEffect(AudioEffectX* effect, int32 inputChannels, int32 outputChannels)
{
    VstSpeakerArrangement input{};
    VstSpeakerArrangement output{};
    input.numChannels = inputChannels;
    output.numChannels = outputChannels;
    return effect->setSpeakerArrangement(&input, &output);
}
} // namespace

void VST2Adapter::buildBuses()
{
    if (!isRestrictedHost)
    {
        char name[64];
        for (int32 i = 1; i <= numInputBuses; ++i)
        {
            std::snprintf(name, sizeof name, "Velqa In %d", static_cast<int>(i));
            addAudioInput(WideName(name).wide, SpeakerArr::kStereo);
        }
        for (int32 j = 0; j < numOutputBuses; ++j)
        {
            if (j < 5)
                std::snprintf(name, sizeof name, "%s", kOutputBusNames[j]);
            else
                std::snprintf(name, sizeof name, "OUT %d", static_cast<int>(j + 1));
            addAudioOutput(WideName(name).wide, SpeakerArr::kStereo);
        }
    }
    else
    {
        addAudioInput(WideName("IN").wide, SpeakerArr::kStereo);
        addAudioOutput(WideName("OUT").wide, SpeakerArr::kStereo);
        tellEffect(effect, 2, 2);
    }

    effect->vendorSpecific(kVendorSideChainLink, kVendorSideChainLink, &sideChainLink, 0);

    addAudioInput(WideName("Side Chain").wide, SpeakerArr::kStereo, kAux, 0);
    addEventInput(WideName("MIDI In").wide, 8);
}

tresult PLUGIN_API VST2Adapter::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                   SpeakerArrangement* outputs, int32 numOuts)
{
    if (!effect || numIns < 0 || numOuts < 0 || (numIns > 0 && !inputs) ||
        (numOuts > 0 && !outputs))
        return kInvalidArgument;
    if (isRestrictedHost) return setRestrictedBusArrangements(inputs, numIns, outputs, numOuts);

    // One arrangement per declared bus; the main pair may be mono to mono, mono to stereo or
    // stereo to stereo (the effect cannot fold stereo to one channel).
    if (numIns != static_cast<int32>(audioInputs.size()) ||
        numOuts != static_cast<int32>(audioOutputs.size()))
        return kResultFalse;
    for (int32 i = 0; i < numIns; ++i)
        if (!isMonoOrStereo(inputs[i])) return kResultFalse;
    for (int32 i = 0; i < numOuts; ++i)
        if (!isMonoOrStereo(outputs[i])) return kResultFalse;
    const int32 mainIn = numIns > 0 && numInputBuses > 0 ? channelsOf(inputs[0]) : 2;
    const int32 mainOut = numOuts > 0 ? channelsOf(outputs[0]) : 2;
    if (mainIn > mainOut) return kResultFalse;
    if (!tellEffect(effect, mainIn, 2 * numOuts)) return kResultFalse;

    for (int32 i = 0; i < numIns; ++i)
        if (auto* bus = FCast<AudioBus>(audioInputs.getBus(i))) bus->setArrangement(inputs[i]);
    for (int32 i = 0; i < numOuts; ++i)
        if (auto* bus = FCast<AudioBus>(audioOutputs.getBus(i))) bus->setArrangement(outputs[i]);
    monoInput = mainIn == 1;
    return kResultOk;
}

tresult VST2Adapter::setRestrictedBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                  SpeakerArrangement* outputs, int32 numOuts)
{
    constexpr SpeakerArrangement kAllSpeakers = ~SpeakerArrangement(0);
    int32 inputChannels = 0;
    int32 outputChannels = 0;
    for (int32 i = 0; i < numIns; ++i)
    {
        if (inputs[i] == kAllSpeakers) return kResultFalse;
        if (i < numIns - 1) inputChannels += std::popcount(static_cast<uint64>(inputs[i]));
    }
    for (int32 i = 0; i < numOuts; ++i)
    {
        if (outputs[i] == kAllSpeakers) return kResultFalse;
        outputChannels += std::popcount(static_cast<uint64>(outputs[i]));
    }

    removeAudioBusses();
    for (int32 i = 0; i + 1 < numIns; ++i) addAudioInput(WideName("Velqa in").wide, inputs[i]);
    bool forcedSideChain = false;
    if (numIns > 0)
    {
        SpeakerArrangement sideChain = inputs[numIns - 1];
        if (!isMonoOrStereo(sideChain))
        {
            sideChain = SpeakerArr::kStereo;
            forcedSideChain = true;
        }
        addAudioInput(WideName("Side Chain").wide, sideChain, kAux, 0);
    }
    for (int32 i = 0; i < numOuts; ++i) addAudioOutput(WideName("Velqa out").wide, outputs[i]);
    if (forcedSideChain) return kResultFalse;
    tellEffect(effect, inputChannels, outputChannels);
    monoInput = inputChannels == 1;
    return kResultOk;
}
} // namespace Steinberg::Vst
