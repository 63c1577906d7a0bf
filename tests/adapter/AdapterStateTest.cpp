#include "AdapterFixture.h"

#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST_F(AdapterTest, StateRoundTripRestoresEveryValue)
{
    create();
    AudioEffectX* effect = adapter->getEffect();
    for (int32 i = 0; i < 114; ++i) effect->setParameter(i, static_cast<float>(i) / 200.0f);
    fake::MemoryStream stream;
    ASSERT_EQ(component(adapter)->getState(&stream), kResultOk);

    void* chunk = nullptr;
    const int32 chunkSize = effect->getChunk(&chunk, false);
    ASSERT_EQ(stream.bytes.size(), 4u + static_cast<size_t>(chunkSize));
    int32 program = -1;
    std::memcpy(&program, stream.bytes.data(), 4);
    EXPECT_EQ(program, 0);

    auto* other = new VST2Adapter();
    fake::HostApplication application("Other");
    ASSERT_EQ(other->initialize(&application), kResultOk);
    stream.position = 0;
    ASSERT_EQ(component(other)->setState(&stream), kResultOk);
    for (int32 i = 0; i < 114; ++i)
        EXPECT_EQ(other->getEffect()->getParameter(i), effect->getParameter(i)) << i;
    other->terminate();
    other->release();
}

TEST_F(AdapterTest, DamagedStatesAreRefused)
{
    create();
    const float before = adapter->getEffect()->getParameter(5);

    fake::MemoryStream tooShort;
    tooShort.bytes = {1, 2};
    EXPECT_EQ(component(adapter)->setState(&tooShort), kResultFalse);

    fake::MemoryStream garbage;
    garbage.bytes.assign(4 + 13, 'x'); // a huge program index and a chunk the effect rejects
    EXPECT_EQ(component(adapter)->setState(&garbage), kResultFalse);
    EXPECT_EQ(adapter->getEffect()->getProgram(), 0);
    EXPECT_EQ(adapter->getEffect()->getParameter(5), before);

    EXPECT_EQ(component(adapter)->setState(nullptr), kInvalidArgument);
    // The controller keeps no state of its own and accepts anything.
    EXPECT_EQ(static_cast<IEditController*>(adapter)->setState(&garbage), kResultOk);
}

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
