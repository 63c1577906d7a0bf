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
    fake::MemoryStream stream;
    ASSERT_EQ(component(adapter)->getState(&stream), kResultOk);
    char name[32] = {};
    effect->getProgramName(name);
    ASSERT_EQ(stream.bytes.size(), 5 + std::strlen(name) + 1 + 114 * 4);
    EXPECT_EQ(std::memcmp(stream.bytes.data(), "orv_", 5), 0);

    effect->setParameter(2, 0.75f);
    stream.position = 0;
    ASSERT_EQ(component(adapter)->setState(&stream), kResultOk);
    EXPECT_EQ(effect->getParameter(2), 0.125f);

    stream.bytes[0] = 'x';
    stream.position = 0;
    EXPECT_EQ(component(adapter)->setState(&stream), kInternalError);
}
