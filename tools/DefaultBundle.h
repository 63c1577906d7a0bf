#pragma once

#include <filesystem>

namespace velqa::tool
{

// The bundle built next to this program if it is still there, else the user's installed one.
std::filesystem::path defaultBundle();

} // namespace velqa::tool
