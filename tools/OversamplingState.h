#pragma once

#include "host/PluginInstance.h"

#include <string>

namespace velqa::tool
{

// Oversampling is not a host parameter; a host can only reach it through the saved state, so
// the state is read, the two stored values changed and the state loaded again.
bool requestOversampling(host::PluginInstance& plugin, int factor, std::string& error);

} // namespace velqa::tool
