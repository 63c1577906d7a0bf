#pragma once

#include <string>

namespace velqa::artwork
{

// Both read the 1x images already written to the folder.
// Every bitmap with its name, strips laid out frame by frame.
bool writeContactSheet(const std::string& folder, const std::string& path);
// The whole window: header and main page with every control bitmap at its place, frame 0.
bool writeMainPage(const std::string& folder, const std::string& path);

} // namespace velqa::artwork
