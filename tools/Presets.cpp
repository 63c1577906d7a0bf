#include "tools/Presets.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A preset is a few kilobytes; anything far larger is not one and must not be read whole.
constexpr off_t maxPresetFileBytes = 1 << 20;

PresetChunk failure(const std::filesystem::path& path, const std::string& what)
{
    PresetChunk result;
    result.error = path.string() + ": " + what;
    return result;
}

std::string openFailure(int error)
{
    if (error == ENOENT || error == ENOTDIR) return "no such preset file";
    if (error == EACCES || error == EPERM) return "permission denied; the preset cannot be read";
    return std::string("cannot open the preset: ") + std::strerror(error);
}

// Non-blocking open: a FIFO named as a preset must not wait for a writer.
PresetChunk readPresetFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failure(path, openFailure(errno));
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0) return failure(path, std::strerror(errno));
    if (S_ISDIR(info.st_mode)) return failure(path, "is a folder, not a preset file");
    if (!S_ISREG(info.st_mode))
        return failure(path, "is not a regular file (a device, FIFO or socket), not a preset file");
    if (info.st_size > maxPresetFileBytes)
        return failure(path, "is " + std::to_string(info.st_size) +
                                 " bytes, far too large for a Velqa preset file");

    std::vector<std::uint8_t> bytes(static_cast<size_t>(info.st_size));
    size_t filled = 0;
    while (filled < bytes.size())
    {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failure(path, std::string("cannot read: ") + std::strerror(errno));
        if (got == 0) break;
        filled += static_cast<size_t>(got);
    }
    bytes.resize(filled);
    if (bytes.size() < fileMagicSize + 16 ||
        std::memcmp(bytes.data(), fileMagic, fileMagicSize) != 0 ||
        std::memcmp(bytes.data() + fileMagicSize, chunkMagic, sizeof chunkMagic) != 0)
        return failure(path, "not a Velqa preset file");
    PresetChunk result;
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
