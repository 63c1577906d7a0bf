#include "ChunkBytes.h"
#include "code/ParameterTable.h"
#include "code/Plug.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velqa;

namespace
{

// Records every setParameter call, nested ones included.
class RecordingPlug : public CPlug
{
public:
    RecordingPlug() : CPlug(nullptr) {}
    void setParameter(VstInt32 index, float value) override
    {
        calls.push_back(index);
        CPlug::setParameter(index, value);
    }
    std::vector<VstInt32> calls;
};

std::vector<uint8_t> chunkOf(CPlug& plug)
{
    void* data = nullptr;
    const VstInt32 size = plug.getChunk(&data, false);
    const auto* bytes = static_cast<const uint8_t*>(data);
    return {bytes, bytes + size};
}

std::vector<float> liveValues(CPlug& plug)
{
    std::vector<float> values;
    for (VstInt32 i = 0; i < kStoredParameterCount; ++i) values.push_back(plug.getParameter(i));
    return values;
}

float defaultOf(int i)
{
    return kParameterTable[static_cast<size_t>(i)].defaultValue;
}

} // namespace

TEST(StateChunk, FreshEffectWritesHeaderDefaultsAndFourEmptyTexts)
{
    CPlug plug(nullptr);
    const std::vector<uint8_t> chunk = chunkOf(plug);
    ASSERT_EQ(chunk.size(), 2596u);
    const std::vector<uint8_t> header(chunk.begin(), chunk.begin() + 16);
    EXPECT_EQ(header,
              (std::vector<uint8_t>{0x4B, 0xB4, 0xAA, 0x55, 0, 0, 0, 2, 0, 0, 0, 161, 0, 0, 0, 3}));
    for (int block = 0; block < 4; ++block)
        for (int i = 0; i < 161; ++i)
        {
            float v;
            std::memcpy(&v, chunk.data() + 16 + 4 * (161 * block + i), 4);
            ASSERT_EQ(v, defaultOf(i)) << "block " << block << " index " << i;
        }
    EXPECT_EQ(std::count(chunk.begin() + 2592, chunk.end(), 0), 4);
}

TEST(StateChunk, AppliedChunkComesBackByteForByte)
{
    CPlug plug(nullptr);
    ChunkBytes written = makeChunk(161, {"Drums", "Someone", "x", "yz"});
    // Parameters whose rules correct values (solo, selected band) keep consistent values here.
    for (int b = 0; b < 4; ++b)
    {
        for (int i = kEqSoloBelow1; i < kEqBelowBase; ++i)
            std::memset(written.bytes.data() + 16 + 4 * (161 * b + i), 0, 4);
        std::memset(written.bytes.data() + 16 + 4 * (161 * b + kSelectedEq), 0, 4);
    }
    ASSERT_EQ(plug.setChunk(written.data(), written.size(), false), written.size());
    EXPECT_EQ(chunkOf(plug), written.bytes);
    EXPECT_STREQ(plug.getPresetTexts().text[PresetTexts::kAuthor], "Someone");
    EXPECT_EQ(plug.getSnapshot(2).values[5], chunkValue(3, 5));
}

TEST(StateChunk, ForeignOrOversizedHeadersAreRejected)
{
    RecordingPlug plug;
    plug.calls.clear();
    ChunkBytes versionTwo;
    versionTwo.header(161, 2);
    versionTwo.blocks(161, [](int, uint32_t) { return 0.25f; });
    ChunkBytes wrongMagic;
    wrongMagic.header(161, 3, 2, 0x55AAB44B);
    wrongMagic.blocks(161, [](int, uint32_t) { return 0.25f; });
    ChunkBytes shortHeader;
    shortHeader.header(161);
    shortHeader.bytes.resize(15);

    const std::vector<float> before = liveValues(plug);
    for (ChunkBytes* c : {&versionTwo, &wrongMagic, &shortHeader})
        EXPECT_EQ(plug.setChunk(c->data(), c->size(), false), 0);
    EXPECT_EQ(plug.setChunk(nullptr, 100, false), 0);
    EXPECT_TRUE(plug.calls.empty());
    EXPECT_EQ(liveValues(plug), before);

    // Value counts that would reach far past the data.
    for (uint32_t n : {0xFFFFFFFFu, 0x40000000u, 0x3FFFFFFFu, 1000000u})
    {
        ChunkBytes c;
        c.header(n);
        for (int i = 0; i < 300; ++i) c.value(0.5f);
        EXPECT_EQ(plug.setChunk(c.data(), c.size(), false), 0) << n;
        EXPECT_FALSE(plug.isRestoring());
    }
}

TEST(StateChunk, ShorterAndLongerBlocksFillDefaultsOrSkipTheRest)
{
    CPlug plug(nullptr);
    ChunkBytes older = makeChunk(120);
    // No rule may correct what this test compares.
    for (int b = 0; b < 4; ++b)
        for (int i = 19; i < 43; ++i)
            std::memset(older.bytes.data() + 16 + 4 * (120 * b + i), 0, 4);
    std::memset(older.bytes.data() + 16 + 4 * kSelectedEq, 0, 4);
    for (int i = 120; i < 161; ++i) plug.setParameter(i, 0.77f);
    ASSERT_EQ(plug.setChunk(older.data(), older.size(), false), older.size());
    EXPECT_EQ(plug.getParameter(kTypeAbove), chunkValue(0, kTypeAbove));
    for (int i = 120; i < 161; ++i)
    {
        EXPECT_EQ(plug.getParameter(i), defaultOf(i)) << i;
        EXPECT_EQ(plug.getSnapshot(0).values[i], defaultOf(i)) << i;
    }
    EXPECT_EQ(plug.getSnapshot(1).values[119], chunkValue(2, 119));

    // A later revision with more values: the extra ones are passed over, texts still found.
    ChunkBytes newer = makeChunk(200, {"Bus", "Me", "", ""});
    ASSERT_EQ(plug.setChunk(newer.data(), newer.size(), false), newer.size());
    EXPECT_EQ(plug.getSnapshot(0).values[160], chunkValue(1, 160));
    EXPECT_STREQ(plug.getPresetTexts().text[PresetTexts::kCategory], "Bus");
    newer.bytes.resize(16 + 4 * 199);
    EXPECT_EQ(plug.setChunk(newer.data(), newer.size(), false), 0);
    EXPECT_FALSE(plug.isRestoring());
}

TEST(StateChunk, TextsAreCutTo127AndMustAllBeThere)
{
    CPlug plug(nullptr);
    const std::string longText(300, 'k');
    ChunkBytes withTexts = makeChunk(161, {longText, "a", "b", "c"});
    ASSERT_GT(plug.setChunk(withTexts.data(), withTexts.size(), false), 0);
    EXPECT_EQ(std::string(plug.getPresetTexts().text[0]), std::string(127, 'k'));
    EXPECT_EQ(chunkOf(plug).size(), 2596u + 127 + 3);

    // A chunk that announces texts is whole only with all four and nothing after them.
    ChunkBytes threeTexts = makeChunk(161, {"x", "y", "z"});
    EXPECT_EQ(plug.setChunk(threeTexts.data(), threeTexts.size(), false), 0);
    ChunkBytes trailing = makeChunk(161, {"x", "y", "z", "w"});
    trailing.bytes.push_back('!');
    EXPECT_EQ(plug.setChunk(trailing.data(), trailing.size(), false), 0);
    EXPECT_STREQ(plug.getPresetTexts().text[1], "a");
}
