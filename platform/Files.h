#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velqa::platform
{

// Paths are UTF-8 and passed to the file system as they are. All calls report failure by result.

bool readFile(const std::string& path, std::vector<uint8_t>& contents);
bool readTextFile(const std::string& path, std::string& contents);

// Writes to a temporary file beside the target and renames it, so a reader never sees half a file.
bool writeFileAtomically(const std::string& path, const void* data, size_t size);

bool fileExists(const std::string& path);

// Creates one folder level; true when it exists afterwards.
bool createFolder(const std::string& path);

// Names (not paths) of the regular files in a folder; empty when it cannot be read.
std::vector<std::string> listFiles(const std::string& folder);

} // namespace velqa::platform
