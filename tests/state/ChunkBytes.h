#pragma once
// Builds chunks byte by byte, independently of the code that reads them.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct ChunkBytes
{
    std::vector<uint8_t> bytes;

    void bigEndian(uint32_t v)
    {
        for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(uint8_t(v >> shift));
    }
    void header(uint32_t n, uint32_t version = 3, uint32_t revision = 2,
                uint32_t magic = 0x4BB4AA55)
    {
        bigEndian(magic);
        bigEndian(revision);
        bigEndian(n);
        bigEndian(version);
    }
    void value(float v)
    {
        uint8_t b[4];
        std::memcpy(b, &v, 4);
        bytes.insert(bytes.end(), b, b + 4);
    }
    // n values per block; block b holds valueOf(b, i).
    template <typename F> void blocks(uint32_t n, F valueOf)
    {
        for (int b = 0; b < 4; ++b)
            for (uint32_t i = 0; i < n; ++i) value(valueOf(b, i));
    }
    void text(const std::string& t)
    {
        bytes.insert(bytes.end(), t.begin(), t.end());
        bytes.push_back(0);
    }
    int32_t size() const { return static_cast<int32_t>(bytes.size()); }
    void* data() { return bytes.data(); }
};

// A chunk of n values per block with distinct, recognisable values and the given texts.
inline ChunkBytes makeChunk(uint32_t n, const std::vector<std::string>& texts = {"", "", "", ""})
{
    ChunkBytes c;
    c.header(n);
    c.blocks(n, [](int b, uint32_t i) { return float((i * 7 + b * 13) % 97) / 96.0f; });
    for (const auto& t : texts) c.text(t);
    return c;
}

inline float chunkValue(int block, uint32_t i)
{
    return float((i * 7 + block * 13) % 97) / 96.0f;
}
