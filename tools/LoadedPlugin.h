#pragma once

#include "host/Module.h"
#include "host/PluginInstance.h"

#include <filesystem>
#include <memory>
#include <string>

namespace velqa::tool
{

// A module and one initialised instance of its effect. The instance is declared last so that it
// is released before the module unloads its code.
struct LoadedPlugin
{
    std::filesystem::path bundle;
    std::unique_ptr<host::Module> module;
    std::unique_ptr<host::PluginInstance> instance;
};

// On failure returns false with a sentence for the user in error.
bool loadPlugin(const std::filesystem::path& bundle, LoadedPlugin& loaded, std::string& error,
                const std::string& hostName = "Velqa Host");

} // namespace velqa::tool
