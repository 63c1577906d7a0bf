// The adapter's state forms and automation, with a small effect in place of the real one (the
// link step wraps createEffectInstance), so the bytes the adapter adds can be seen exactly.

#include "VST3Adapter/VST2Adapter.h"
#include "host/ComponentHandlerRecorder.h"
#include "host/HostApplication.h"
#include "host/MemoryStream.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using velqa::host::ComponentHandlerRecorder;
using velqa::host::MemoryStream;

namespace
{

class TenByteChunkEffect : public AudioEffectX
{
public:
    explicit TenByteChunkEffect(audioMasterCallback master) : AudioEffectX(master, 2, 3)
    {
        programsAreChunks(true);
        setNumInputs(2);
        setNumOutputs(2);
    }
    void processReplacing(float**, float**, VstInt32) override {}
    VstInt32 getChunk(void** data, bool) override
    {
        *data = chunk;
        return sizeof chunk;
    }
    VstInt32 setChunk(void* data, VstInt32 size, bool) override
    {
        received.assign(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
        return size;
    }
    void setProgram(VstInt32 program) override
    {
        selected.push_back(program);
        AudioEffectX::setProgram(program);
    }
    void setParameter(VstInt32 index, float value) override { values[index] = value; }
    float getParameter(VstInt32 index) override { return values[index]; }
    void getParameterName(VstInt32 index, char* text) override { text[0] = char('a' + index); }

    uint8_t chunk[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    float values[3] = {0.1f, 0.2f, 0.3f};
    std::vector<uint8_t> received;
    std::vector<VstInt32> selected;
};

TenByteChunkEffect* lastEffect = nullptr;

class AdapterStateForms : public ::testing::Test
{
protected:
    void SetUp() override
    {
        adapter = new Vst::VST2Adapter();
        ASSERT_EQ(adapter->initialize(&application), kResultOk);
        adapter->setComponentHandler(&handler);
        effect = lastEffect;
        effect->selected.clear();
    }
    void TearDown() override
    {
        adapter->terminate();
        adapter->release();
    }
    tresult restore(std::vector<uint8_t> bytes)
    {
        MemoryStream stream(std::move(bytes));
        return component()->setState(&stream);
    }
    Vst::IComponent* component() { return static_cast<Vst::IComponent*>(adapter); }

    velqa::host::HostApplication application;
    ComponentHandlerRecorder handler;
    Vst::VST2Adapter* adapter = nullptr;
    TenByteChunkEffect* effect = nullptr;
};

} // namespace

extern "C" AudioEffect*
__wrap__Z20createEffectInstancePFlP7AEffectiilPvfE(audioMasterCallback master)
{
    lastEffect = new TenByteChunkEffect(master);
    return lastEffect;
}

TEST_F(AdapterStateForms, ChunkFormIsProgramIndexHostBypassThenChunk)
{
    MemoryStream stream;
    ASSERT_EQ(component()->getState(&stream), kResultOk);
    EXPECT_EQ(stream.bytes(), (std::vector<uint8_t>{0, 0, 0, 0, 'V', 'q', 'B', 'p', 0, 0, 0,
                                                    0, 1, 2, 3, 4,   5,   6,   7,   8, 9, 10}));
}

TEST_F(AdapterStateForms, RestoreFindsTheChunkBehindAnOptionalProgramIndex)
{
    const std::vector<uint8_t> bare = {'C', 'c', 'n', 'K', 0, 0, 0, 1, 9, 9};
    ASSERT_EQ(restore(bare), kResultOk);
    EXPECT_EQ(effect->received, bare);
    EXPECT_TRUE(effect->selected.empty());

    ASSERT_EQ(restore({1, 0, 0, 0, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}), kResultOk);
    EXPECT_EQ(effect->received, (std::vector<uint8_t>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(effect->selected, std::vector<VstInt32>{1});
}
