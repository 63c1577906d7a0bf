#pragma once

#include "tools/LoadedPlugin.h"

#include <string>

namespace velqa::tool
{

// Restores a factory preset (by name) or a preset file into the instance, as a host restores a
// project. exitOk, or the exit code for the failure with a sentence for the user in error.
int loadPresetInto(LoadedPlugin& plugin, const std::string& nameOrFile, std::string& error);

} // namespace velqa::tool
