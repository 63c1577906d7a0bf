#include "VST3Adapter/VST2Adapter.h"

#include "VST3Adapter/ProcessTranslation.h"
#include "code/ParameterTable.h"
#include "code/Plug.h"
#include "pluginterfaces/base/ustring.h"

#include <cstdio>

namespace Steinberg::Vst
{
namespace
{
constexpr int32 kBypassIdOffset = 1000;
// What a host resets to when the effect cannot say better.
constexpr ParamValue kUnknownDefault = 0.5;

// Effect texts may fill their buffer without a terminator; the buffer is zeroed and larger.
struct EffectText
{
    char text[256] = {};
    void toWide(String128 wide) const { UString(wide, 128).fromAscii(text); }
};
} // namespace

ParamValue VST2Adapter::defaultValueOf(int32 index) const
{
    if (dynamic_cast<CPlug*>(effect) && index >= 0 && index < velqa::kStoredParameterCount)
        return velqa::kParameterTable[static_cast<size_t>(index)].defaultValue;
    return kUnknownDefault;
}

void VST2Adapter::buildParameters()
{
    numEffectParams = effect->getAeffect()->numParams;
    valuesHostKnows = std::make_unique<std::atomic<float>[]>(static_cast<size_t>(numEffectParams));
    for (int32 i = 0; i < numEffectParams; ++i)
    {
        EffectText name;
        EffectText label;
        effect->getParameterName(i, name.text);
        effect->getParameterLabel(i, label.text);
        int32 flags = effect->canParameterBeAutomated(i) ? ParameterInfo::kCanAutomate : 0;
        // Hosts require a title; a slot without one has no role a user could give it.
        if (name.text[0] == 0)
        {
            std::snprintf(name.text, sizeof name.text, "Reserved %d", static_cast<int>(i));
            flags = ParameterInfo::kIsHidden | ParameterInfo::kIsReadOnly;
        }
        String128 title = {};
        String128 units = {};
        name.toWide(title);
        label.toWide(units);
        parameters.addParameter(title, units, 0, defaultValueOf(i), flags, static_cast<ParamID>(i),
                                kRootUnitId, u"");
    }

    bypassParamId = numEffectParams + kBypassIdOffset;
    parameters.addParameter(u"bypass", u"", 0, 0.0, ParameterInfo::kIsBypass,
                            static_cast<ParamID>(bypassParamId), kRootUnitId, u"");

    for (int32 k = 0; k < kNumMidiControllerIds; ++k)
        parameters.addParameter(u"future", u"", 0, 0.0, 0,
                                kFirstMidiControllerId + static_cast<ParamID>(k), kRootUnitId, u"");
}

tresult PLUGIN_API VST2Adapter::getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                                      String128 string)
{
    auto* plug = dynamic_cast<CPlug*>(effect);
    if (!plug) return SingleComponentEffect::getParamStringByValue(id, valueNormalized, string);
    EffectText display;
    plug->formatParameter(static_cast<VstInt32>(id), display.text,
                          static_cast<float>(valueNormalized));
    display.toWide(string);
    return kResultOk;
}

tresult PLUGIN_API VST2Adapter::getMidiControllerAssignment(int32, int16 channel,
                                                            CtrlNumber midiControllerNumber,
                                                            ParamID& id)
{
    // Only the eight channels and 130 slots that exist as parameters can be mapped.
    if (channel < 0 || channel >= kMidiControllerChannels || midiControllerNumber < 0 ||
        midiControllerNumber >= kMidiSlotsPerChannel)
        return kResultFalse;
    id = kFirstMidiControllerId + static_cast<ParamID>(channel * kMidiSlotsPerChannel) +
         static_cast<ParamID>(midiControllerNumber);
    return kResultOk;
}
} // namespace Steinberg::Vst
