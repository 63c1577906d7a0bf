#include "tools/PresetLoading.h"

#include "host/MemoryStream.h"
#include "tools/Command.h"
#include "tools/Presets.h"

namespace velqa::tool
{

int loadPresetInto(LoadedPlugin& plugin, const std::string& nameOrFile, std::string& error)
{
    const auto loaded = loadPreset(plugin.bundle, nameOrFile);
    if (!loaded.ok)
    {
        error = loaded.error;
        return loaded.error.starts_with("unknown preset") ? exitUnknownName : exitInputFile;
    }
    host::MemoryStream state(componentStateFor(loaded.chunk));
    if (plugin.instance->setState(state) == Steinberg::kResultOk) return exitOk;
    error = "the plug-in refused the preset '" + nameOrFile + "'";
    return exitFailure;
}

} // namespace velqa::tool
