#pragma once

#include <string>

namespace velqa::platform
{

// Every folder is returned with a trailing '/'; an empty string means it cannot be determined.

// The user's documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs, else ~/Documents.
std::string documentsFolder();

// XDG_CONFIG_HOME, else ~/.config.
std::string configFolder();

// The bundle folder (".../Velqa.vst3/") of the shared object that contains this code, found from
// the loaded module's own path; empty when the code does not run from a bundle.
std::string moduleBundleFolder();

} // namespace velqa::platform
