#include "tools/Presets.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>

namespace velqa::tool
{

namespace
{
constexpr char fileMagic[] = "VQPRESET_";
constexpr size_t fileMagicSize = sizeof fileMagic - 1;
constexpr std::uint8_t chunkMagic[] = {0x4B, 0xB4, 0xAA, 0x55};

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool looksLikeFile(const std::string& text)
{
    const std::string l = lower(text);
    return text.find('/') != std::string::npos ||
           (l.size() >= 4 && l.compare(l.size() - 4, 4, ".vqx") == 0);
}

PresetChunk readPresetFile(const std::filesystem::path& path)
{
    PresetChunk result;
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        result.error = path.string() + ": no such preset file";
        return result;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < fileMagicSize + 16 ||
        std::memcmp(bytes.data(), fileMagic, fileMagicSize) != 0 ||
        std::memcmp(bytes.data() + fileMagicSize, chunkMagic, sizeof chunkMagic) != 0)
    {
        result.error = path.string() + ": not a Velqa preset file";
        return result;
    }
    result.chunk.assign(bytes.begin() + fileMagicSize, bytes.end());
    result.ok = true;
    return result;
}
} // namespace

std::vector<FactoryPreset> factoryPresets(const std::filesystem::path& bundle)
{
    std::vector<FactoryPreset> presets;
    std::error_code error;
    const auto folder = bundle / "Contents" / "Resources" / "Presets";
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    {
        const std::string file = entry.path().filename().string();
        if (!entry.is_regular_file(error) || file.find(".vqx") == std::string::npos) continue;
        presets.push_back({file.substr(0, file.find('.')), entry.path()});
    }
    std::sort(presets.begin(), presets.end(),
              [](const auto& a, const auto& b) { return lower(a.name) < lower(b.name); });
    return presets;
}

PresetChunk loadPreset(const std::filesystem::path& bundle, const std::string& nameOrFile)
{
    if (looksLikeFile(nameOrFile)) return readPresetFile(nameOrFile);
    const auto presets = factoryPresets(bundle);
    for (const auto& preset : presets)
        if (lower(preset.name) == lower(nameOrFile)) return readPresetFile(preset.path);

    PresetChunk result;
    result.error = "unknown preset '" + nameOrFile + "'";
    if (presets.empty())
        result.error += " (the bundle has no factory presets)";
    else
    {
        result.error += "; factory presets:";
        for (const auto& preset : presets) result.error += " " + preset.name;
    }
    return result;
}

std::vector<std::uint8_t> componentStateFor(const std::vector<std::uint8_t>& chunk)
{
    std::vector<std::uint8_t> state(4 + chunk.size(), 0);
    std::copy(chunk.begin(), chunk.end(), state.begin() + 4);
    return state;
}

} // namespace velqa::tool
