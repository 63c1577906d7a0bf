#include "code/Plug.h"

#include "VST3Adapter/AdapterMessages.h"

#include <cstdio>
#include <cstring>

using namespace velqa;

namespace
{

constexpr const char* kOutputNames[CPlug::kNumOutputs] = {
    "Velqa Out L",     "Velqa Out R",     "Above Wet Out L", "Above Wet Out R", "Below Wet Out L",
    "Below Wet Out R", "Above Dry Out L", "Above Dry Out R", "Below Dry Out L", "Below Dry Out R"};

constexpr int kExtraOutputChannels = 10;

void copyText(char* destination, const char* source, size_t capacity)
{
    std::snprintf(destination, capacity, "%s", source);
}

} // namespace

bool CPlug::getEffectName(char* name)
{
    copyText(name, "Velqa", kVstMaxEffectNameLen);
    return true;
}

bool CPlug::getVendorString(char* text)
{
    copyText(text, "Kestrune Audio", kVstMaxVendorStrLen);
    return true;
}

bool CPlug::getProductString(char* text)
{
    copyText(text, "Velqa", kVstMaxProductStrLen);
    return true;
}

bool CPlug::getInputProperties(VstInt32 index, VstPinProperties* properties)
{
    if (!properties) return false;
    std::snprintf(properties->label, sizeof properties->label, "Velqa In  %d",
                  static_cast<int>(index) + 1);
    properties->flags |= kVstPinIsStereo;
    if (index == 0) copyText(properties->label, "Velqa In L", sizeof properties->label);
    if (index == 1) copyText(properties->label, "Velqa In R", sizeof properties->label);
    return true;
}

bool CPlug::getOutputProperties(VstInt32 index, VstPinProperties* properties)
{
    if (!properties) return false;
    std::snprintf(properties->label, sizeof properties->label, "output %d-%d",
                  static_cast<int>(index) + 1, static_cast<int>(index) + 2);
    properties->flags |= kVstPinIsStereo;
    if (index >= 0 && index < kNumOutputs)
        copyText(properties->label, kOutputNames[index], sizeof properties->label);
    return true;
}

bool CPlug::setSpeakerArrangement(VstSpeakerArrangement* input, VstSpeakerArrangement* output)
{
    if (output) extraOutputs = output->numChannels >= kExtraOutputChannels;
    if (!input) return true;
    if (input->numChannels > 2 || input->numChannels < 0) return false;
    inputChannels = input->numChannels;
    return true;
}

VstInt32 CPlug::processEvents(VstEvents* events)
{
    if (!events) return 1;
    for (VstInt32 i = 0; i < events->numEvents; ++i)
    {
        const VstEvent* event = events->events[i];
        if (!event || event->type != kVstMidiType) continue;
        const auto* midi = reinterpret_cast<const VstMidiEvent*>(event);
        const auto status = static_cast<unsigned char>(midi->midiData[0]);
        if ((status & 0xF0) == 0xC0 && midi->midiData[1] == 0)
        {
            setProgram(0);
            updateDisplay();
        }
    }
    return 1;
}

VstIntPtr CPlug::vendorSpecific(VstInt32 lArg, VstIntPtr lArg2, void* ptrArg, float)
{
    if (lArg == kVendorSideChainLink && lArg2 == kVendorSideChainLink)
    {
        sideChainLink = static_cast<SideChainLink*>(ptrArg);
    }
    else if (lArg == kVendorHostName)
    {
        setParameter(kHostNameKnown, 0.0f);
        if (lArg2 == kVendorHostName && ptrArg &&
            std::strstr(static_cast<const char*>(ptrArg), "WaveLab"))
            extraOutputs = false;
    }
    return 1;
}

VstInt32 CPlug::canDo(char* text)
{
    if (!text) return -1;
    for (const char* word : {PlugCanDos::receiveVstEvents, PlugCanDos::receiveVstMidiEvent,
                             PlugCanDos::receiveVstTimeInfo})
        if (std::strcmp(text, word) == 0) return 1;
    return -1;
}
