#include "tools/OversamplingState.h"

#include "host/MemoryStream.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace velqa::tool
{

namespace
{
// The chunk follows the program index, and in newer states also the host bypass record.
constexpr size_t chunkOffsets[] = {4 + 8, 4};
constexpr size_t headerSize = 16;
constexpr std::uint32_t chunkMagic = 0x4BB4AA55;
constexpr std::uint32_t chunkVersion = 3;
constexpr std::uint32_t factorIndex = 116;
constexpr std::uint32_t enabledIndex = 117;

std::uint32_t bigEndianAt(const std::vector<std::uint8_t>& bytes, size_t offset)
{
    return (std::uint32_t(bytes[offset]) << 24) | (std::uint32_t(bytes[offset + 1]) << 16) |
           (std::uint32_t(bytes[offset + 2]) << 8) | std::uint32_t(bytes[offset + 3]);
}

void storeValue(std::vector<std::uint8_t>& bytes, size_t chunk, std::uint32_t index, float value)
{
    static_assert(std::endian::native == std::endian::little,
                  "the chunk stores values as in memory");
    std::memcpy(bytes.data() + chunk + headerSize + 4 * index, &value, sizeof value);
}

bool holdsChunkAt(const std::vector<std::uint8_t>& bytes, size_t chunk)
{
    return bytes.size() >= chunk + headerSize + 4 * (enabledIndex + 1) &&
           bigEndianAt(bytes, chunk) == chunkMagic &&
           bigEndianAt(bytes, chunk + 12) == chunkVersion &&
           bigEndianAt(bytes, chunk + 8) > enabledIndex;
}
} // namespace

bool requestOversampling(host::PluginInstance& plugin, int factor, std::string& error)
{
    int exponent = 0;
    while ((2 << exponent) < factor) ++exponent;
    if (factor < 2 || factor > 16 || (2 << exponent) != factor)
    {
        error = "oversampling must be 2x, 4x, 8x or 16x";
        return false;
    }
    host::MemoryStream saved;
    if (plugin.getState(saved) != Steinberg::kResultOk)
    {
        error = "the plug-in did not give its state, so oversampling cannot be set";
        return false;
    }
    auto bytes = saved.bytes();
    const auto found = std::find_if(std::begin(chunkOffsets), std::end(chunkOffsets),
                                    [&](size_t at) { return holdsChunkAt(bytes, at); });
    if (found == std::end(chunkOffsets))
    {
        error = "this build of the plug-in keeps no oversampling setting in its state";
        return false;
    }
    // The factor travels as k/128 with factor 2^(1 + k).
    storeValue(bytes, *found, factorIndex, static_cast<float>(exponent) / 128.0f);
    storeValue(bytes, *found, enabledIndex, 1.0f);
    host::MemoryStream changed(std::move(bytes));
    if (plugin.setState(changed) != Steinberg::kResultOk)
    {
        error = "the plug-in refused its own state with oversampling on";
        return false;
    }
    return true;
}

} // namespace velqa::tool
