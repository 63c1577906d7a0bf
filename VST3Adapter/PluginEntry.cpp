// The module's entry points and its factory with the one effect class.

#include "VST3Adapter/PluginEntry.h"

#include "VST3Adapter/VST2Adapter.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "public.sdk/source/main/pluginfactory.h"
#include "resources/EmbeddedResources.h"

using namespace Steinberg;

namespace
{
CPluginFactory* createFactory()
{
    // The editor's artwork and fonts are looked up by name from here on.
    velqa::registerEmbeddedResources();
    PFactoryInfo info(kVelqaVendor, kVelqaUrl, kVelqaEmail, PFactoryInfo::kUnicode);
    auto* factory = new CPluginFactory(info);
    PClassInfo2 classInfo(kVelqaClassId, PClassInfo::kManyInstances, kVstAudioEffectClass,
                          kVelqaName, 0, Vst::PlugType::kFxEQ, "", kVelqaVersion,
                          kVstVersionString);
    factory->registerClass(&classInfo, Vst::VST2Adapter::createInstance);
    return factory;
}
} // namespace

extern "C"
{
    // The factory clears gPluginFactory when its last reference goes, so a later call
    // builds a fresh one.
    SMTG_EXPORT_SYMBOL IPluginFactory* PLUGIN_API GetPluginFactory()
    {
        if (!gPluginFactory)
            gPluginFactory = createFactory();
        else
            gPluginFactory->addRef();
        return gPluginFactory;
    }

    SMTG_EXPORT_SYMBOL bool ModuleEntry(void*)
    {
        return true;
    }
    SMTG_EXPORT_SYMBOL bool ModuleExit()
    {
        return true;
    }
    SMTG_EXPORT_SYMBOL bool InitDll()
    {
        return true;
    }
    SMTG_EXPORT_SYMBOL bool ExitDll()
    {
        return true;
    }
}
