#include "code/StateChunk.h"

#include "code/ParameterTable.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace velqa
{

uint32_t readBigEndian(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 |
           uint32_t(bytes[3]);
}

void writeBigEndian(uint8_t* bytes, uint32_t value)
{
    bytes[0] = static_cast<uint8_t>(value >> 24);
    bytes[1] = static_cast<uint8_t>(value >> 16);
    bytes[2] = static_cast<uint8_t>(value >> 8);
    bytes[3] = static_cast<uint8_t>(value);
}

std::array<Program, kSnapshotCount> defaultSnapshots()
{
    std::array<Program, kSnapshotCount> snapshots{};
    for (Program& snapshot : snapshots)
        for (int32_t i = 0; i < kStoredParameterCount; ++i)
            snapshot.values[i] = kParameterTable[static_cast<size_t>(i)].defaultValue;
    return snapshots;
}

void PresetTexts::set(int field, const char* source)
{
    set(field, source, source ? std::strlen(source) : 0);
}

void PresetTexts::set(int field, const char* source, size_t length)
{
    if (field < 0 || field >= kPresetTextCount) return;
    char* target = text[field];
    const size_t n = source ? std::min(length, kPresetTextSize - 1) : 0;
    if (n) std::memcpy(target, source, n);
    std::memset(target + n, 0, kPresetTextSize - n);
}

namespace
{
// Floats travel in the machine's own order, which on every target we build for is little-endian.
static_assert(std::endian::native == std::endian::little);

uint8_t* writeBlock(uint8_t* out, const float* values)
{
    const size_t bytes = sizeof(float) * kStoredParameterCount;
    std::memcpy(out, values, bytes);
    return out + bytes;
}
} // namespace

void writeChunk(std::vector<uint8_t>& out, const ParameterBlock& live,
                const std::array<const float*, kSnapshotCount>& snapshots, const PresetTexts& texts)
{
    size_t textBytes = 0;
    for (const auto& t : texts.text) textBytes += strnlen(t, kPresetTextSize - 1) + 1;
    out.assign(ChunkReader::textsOffset(kStoredParameterCount) + textBytes, 0);

    uint8_t* p = out.data();
    writeBigEndian(p, kChunkMagic);
    writeBigEndian(p + 4, kChunkRevisionWithTexts);
    writeBigEndian(p + 8, kStoredParameterCount);
    writeBigEndian(p + 12, kChunkVersion);
    p = writeBlock(p + kChunkHeaderBytes, live.data());
    for (const float* snapshot : snapshots) p = writeBlock(p, snapshot);
    for (const auto& t : texts.text)
    {
        const size_t length = strnlen(t, kPresetTextSize - 1);
        std::memcpy(p, t, length);
        p += length + 1; // the NUL is already there
    }
}

bool ChunkReader::readHeader(ChunkHeader& header) const
{
    if (!bytes || size < kChunkHeaderBytes) return false;
    header.magic = readBigEndian(bytes);
    header.revision = readBigEndian(bytes + 4);
    header.valuesPerBlock = readBigEndian(bytes + 8);
    header.version = readBigEndian(bytes + 12);
    return true;
}

uint64_t ChunkReader::textsOffset(uint32_t n)
{
    return kChunkHeaderBytes + uint64_t(kChunkBlockCount) * n * sizeof(float);
}

bool ChunkReader::value(uint32_t n, int32_t block, uint32_t i, float& out) const
{
    // 64-bit offsets: n comes from the data and may be anything up to 2^32 - 1.
    const uint64_t offset = kChunkHeaderBytes + (uint64_t(block) * n + i) * sizeof(float);
    if (offset + sizeof(float) > size) return false;
    std::memcpy(&out, bytes + offset, sizeof out);
    return true;
}

bool ChunkReader::readTexts(uint32_t n, PresetTexts& texts) const
{
    const uint64_t start = textsOffset(n);
    if (start >= size || bytes[size - 1] != 0) return false;
    const uint8_t* first = bytes + start;
    const uint8_t* end = bytes + size;
    if (std::count(first, end, uint8_t(0)) != kPresetTextCount) return false;
    const uint8_t* p = first;
    for (int k = 0; k < kPresetTextCount; ++k)
    {
        const auto* nul = static_cast<const uint8_t*>(std::memchr(p, 0, size_t(end - p)));
        texts.set(k, reinterpret_cast<const char*>(p), size_t(nul - p));
        p = nul + 1;
    }
    return true;
}

} // namespace velqa
