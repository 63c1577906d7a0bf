#include "AdapterFixture.h"

#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST_F(AdapterTest, EffectsWithoutChunksSaveNamedValueLists)
{
    create();
    AudioEffectX* effect = adapter->getEffect();
    effect->programsAreChunks(false);
    effect->setParameter(2, 0.125f);
    velqa::host::MemoryStream stream;
    ASSERT_EQ(component(adapter)->getState(&stream), kResultOk);
    std::vector<uint8_t> bytes = stream.bytes();
    char name[32] = {};
    effect->getProgramName(name);
    ASSERT_EQ(bytes.size(), 5 + std::strlen(name) + 1 + 114 * 4);
    EXPECT_EQ(std::memcmp(bytes.data(), "orv_", 5), 0);

    effect->setParameter(2, 0.75f);
    stream.rewind();
    ASSERT_EQ(component(adapter)->setState(&stream), kResultOk);
    EXPECT_EQ(effect->getParameter(2), 0.125f);

    bytes[0] = 'x';
    velqa::host::MemoryStream foreign(bytes);
    EXPECT_EQ(component(adapter)->setState(&foreign), kInternalError);
}
