#pragma once
// The effect's persistent state as one byte block: a big-endian header, four blocks of
// little-endian floats (live values and three snapshots) and four NUL-terminated texts.

#include "code/ParameterIndex.h"
#include "code/ProgramStore.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velqa
{

constexpr uint32_t kChunkMagic = 0x4BB4AA55;
constexpr uint32_t kChunkRevisionWithTexts = 2;
constexpr uint32_t kChunkVersion = 3;
constexpr size_t kChunkHeaderBytes = 16;
constexpr int32_t kSnapshotCount = 3;
constexpr int32_t kChunkBlockCount = 1 + kSnapshotCount;
constexpr size_t kPresetTextSize = 128;
constexpr int32_t kPresetTextCount = 4;

// Category, author, and two texts that are only carried along.
struct PresetTexts
{
    enum Field
    {
        kCategory = 0,
        kAuthor = 1,
        kThird = 2,
        kFourth = 3,
    };
    char text[kPresetTextCount][kPresetTextSize] = {};

    // Copies at most 127 bytes and always terminates.
    void set(int field, const char* source);
    void set(int field, const char* source, size_t length);
};

struct ChunkHeader
{
    uint32_t magic = 0;
    uint32_t revision = 0;
    uint32_t valuesPerBlock = 0;
    uint32_t version = 0;

    bool isCurrent() const { return magic == kChunkMagic && version == kChunkVersion; }
};

using ParameterBlock = std::array<float, kStoredParameterCount>;

// Replaces out with a complete chunk.
void writeChunk(std::vector<uint8_t>& out, const ParameterBlock& live,
                const std::array<const float*, kSnapshotCount>& snapshots,
                const PresetTexts& texts);

// Bounds-checked reading of a chunk someone else wrote; nothing here trusts the header.
class ChunkReader
{
public:
    ChunkReader(const void* data, size_t size)
        : bytes(static_cast<const uint8_t*>(data)), size(size)
    {
    }

    // False when the block is shorter than a header.
    bool readHeader(ChunkHeader& header) const;
    // Value i of block b (0 live, 1..3 snapshots) for a chunk of n values per block; false when
    // its four bytes lie outside the data.
    bool value(uint32_t n, int32_t block, uint32_t i, float& out) const;
    // Offset just past the four blocks; may lie beyond the data for a truncated chunk.
    static uint64_t textsOffset(uint32_t n);
    bool blocksFit(uint32_t n) const { return textsOffset(n) <= size; }
    // Reads the four texts when exactly four NUL-terminated texts fill the rest of the data.
    bool readTexts(uint32_t n, PresetTexts& texts) const;

private:
    const uint8_t* bytes;
    size_t size;
};

// Snapshot records as a fresh effect holds them: every value at its default, names empty.
std::array<Program, kSnapshotCount> defaultSnapshots();

uint32_t readBigEndian(const uint8_t* bytes);
void writeBigEndian(uint8_t* bytes, uint32_t value);

} // namespace velqa
