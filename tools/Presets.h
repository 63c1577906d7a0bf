#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velqa::tool
{

struct FactoryPreset
{
    std::string name; // the file name up to its first "."
    std::filesystem::path path;
};

// The ".vqx" files shipped in a bundle's Contents/Resources/Presets, sorted by name.
std::vector<FactoryPreset> factoryPresets(const std::filesystem::path& bundle);

struct PresetChunk
{
    bool ok = false;
    std::string error;
    std::vector<std::uint8_t> chunk; // the state chunk behind the file magic
};

// NAME picks a factory preset (ASCII case ignored); anything ending in ".vqx" or naming a
// folder is a file.
PresetChunk loadPreset(const std::filesystem::path& bundle, const std::string& nameOrFile);

// The component state a host would store for this chunk: program index 0, then the chunk.
std::vector<std::uint8_t> componentStateFor(const std::vector<std::uint8_t>& chunk);

} // namespace velqa::tool
