#include "tools/LoadedPlugin.h"

namespace velqa::tool
{

bool loadPlugin(const std::filesystem::path& bundle, LoadedPlugin& loaded, std::string& error,
                const std::string& hostName)
{
    loaded.bundle = bundle;
    auto module = host::Module::load(bundle);
    if (!module.module)
    {
        error = bundle.string() + ": " + host::describe(module.error);
        if (!module.detail.empty()) error += " (" + module.detail + ")";
        return false;
    }
    loaded.module = std::move(module.module);
    auto created = host::PluginInstance::create(*loaded.module);
    if (!created.instance)
    {
        error = bundle.string() + ": " + host::describe(created.error);
        return false;
    }
    if (created.instance->initialize(hostName) != Steinberg::kResultOk)
    {
        error = bundle.string() + ": " + host::describe(host::HostError::initializeFailed);
        return false;
    }
    loaded.instance = std::move(created.instance);
    return true;
}

} // namespace velqa::tool
