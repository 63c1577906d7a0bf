#include "VST3Adapter/Vst2Plugin.h"

// The one effect class this module carries.
AudioEffect* createEffectInstance(audioMasterCallback audioMaster);

CVst2Plugin::~CVst2Plugin()
{
    deleteEffect();
}

AudioEffect* CVst2Plugin::createEffect(audioMasterCallback callback)
{
    deleteEffect();
    effect = createEffectInstance(callback);
    if (!effect) return nullptr;
    aeffect = effect->getAeffect();
    synth = (aeffect->flags & effFlagsIsSynth) != 0;
    for (auto& event : midiEvents)
    {
        event.type = kVstMidiType;
        event.byteSize = sizeof(VstMidiEvent);
    }
    aeffect->dispatcher(aeffect, effGetEffectName, 0, 0, effectName, 0);
    aeffect->dispatcher(aeffect, effGetVendorString, 0, 0, vendorString, 0);
    aeffect->dispatcher(aeffect, effGetProductString, 0, 0, productString, 0);
    effectName[sizeof effectName - 1] = 0;
    vendorString[sizeof vendorString - 1] = 0;
    productString[sizeof productString - 1] = 0;
    return effect;
}

void CVst2Plugin::deleteEffect()
{
    if (!effect) return;
    aeffect->dispatcher(aeffect, effMainsChanged, 0, 0, nullptr, 0);
    delete effect;
    effect = nullptr;
    aeffect = nullptr;
}
