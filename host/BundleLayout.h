#pragma once

#include <filesystem>

namespace velqa::host
{

// A Linux VST 3 bundle keeps its library at Contents/<arch>-linux/<bundle name>.so. A plain
// .so path is accepted too so that test fixtures need no bundle folder.
std::filesystem::path libraryInBundle(const std::filesystem::path& bundle);

} // namespace velqa::host
