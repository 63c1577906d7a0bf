#include "AdapterFixture.h"

#include <array>
#include <cmath>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{
constexpr int32 kFrames = 32;

// Host-side buffers for the default layout: main and side-chain input, five stereo outputs.
struct Buffers
{
    Buffers()
    {
        for (int32 i = 0; i < kFrames; ++i)
        {
            in[0][static_cast<size_t>(i)] = 0.01f * static_cast<float>(i);
            in[1][static_cast<size_t>(i)] = -0.01f * static_cast<float>(i);
        }
        for (auto& channel : out) channel.fill(7.0f);
        for (int b = 0; b < 2; ++b)
        {
            inputPointers[b] = {in[2 * b].data(), in[2 * b + 1].data()};
            inputs[b].numChannels = 2;
            inputs[b].channelBuffers32 = inputPointers[b].data();
        }
        for (int b = 0; b < 5; ++b)
        {
            outputPointers[b] = {out[2 * b].data(), out[2 * b + 1].data()};
            outputs[b].numChannels = 2;
            outputs[b].silenceFlags = 3;
            outputs[b].channelBuffers32 = outputPointers[b].data();
        }
        data.numSamples = kFrames;
        data.numInputs = 2;
        data.numOutputs = 5;
        data.inputs = inputs;
        data.outputs = outputs;
    }

    // Every sample of the channel was written by the effect and is a number.
    bool written(int channel) const
    {
        for (float sample : out[static_cast<size_t>(channel)])
            if (sample == 7.0f || !std::isfinite(sample)) return false;
        return true;
    }

    std::array<std::array<float, kFrames>, 4> in{};
    std::array<std::array<float, kFrames>, 10> out{};
    std::array<float*, 2> inputPointers[2];
    std::array<float*, 2> outputPointers[5];
    AudioBusBuffers inputs[2];
    AudioBusBuffers outputs[5];
    ProcessData data;
};
} // namespace

TEST_F(AdapterTest, ProcessBeforeSetupOnlyTakesParameters)
{
    create();
    Buffers buffers;
    velqa::host::ParameterChanges changes;
    changes.add(3, 0, 0.3);
    buffers.data.inputParameterChanges = &changes;
    EXPECT_EQ(adapter->process(buffers.data), kNotInitialized);
    EXPECT_FLOAT_EQ(adapter->getEffect()->getParameter(3), 0.3f);
    EXPECT_EQ(buffers.out[0][0], 7.0f);
}

TEST_F(AdapterTest, BypassNeedsMoreThanTheSmallestStep)
{
    create();
    ASSERT_EQ(setup(), kResultOk);
    Buffers buffers;
    velqa::host::ParameterChanges changes;
    changes.add(1114, 0, 1.0 / 65536.0);
    buffers.data.inputParameterChanges = &changes;
    ASSERT_EQ(adapter->process(buffers.data), kResultOk);
    EXPECT_FALSE(adapter->isBypassed());

    changes.clear();
    changes.add(1114, 0, 1.0 / 65536.0 + 1e-9);
    ASSERT_EQ(adapter->process(buffers.data), kResultOk);
    EXPECT_TRUE(adapter->isBypassed());
    // Bypassed, the host hears its input and silent extra outputs.
    EXPECT_EQ(buffers.out[1], buffers.in[1]);
    for (float sample : buffers.out[4]) EXPECT_EQ(sample, 0.0f);
}

TEST_F(AdapterTest, AuWrapperSideChainIsUsedEvenWhenInactive)
{
    create("VST3-AU Wrapper");
    ASSERT_EQ(setup(), kResultOk);
    Buffers buffers;
    ASSERT_EQ(adapter->process(buffers.data), kResultOk);
    const SideChainLink& link = adapter->getSideChainLink();
    EXPECT_TRUE(link.active);
    EXPECT_EQ(link.numChannels, 2);
    EXPECT_EQ(link.channels[0], buffers.in[2].data());
    EXPECT_EQ(link.channels[1], buffers.in[3].data());

    buffers.inputs[1].numChannels = 1; // a mono side chain feeds both sides
    ASSERT_EQ(adapter->process(buffers.data), kResultOk);
    EXPECT_EQ(link.channels[1], buffers.in[2].data());
}

TEST_F(AdapterTest, MissingHostBuffersNeverReachTheEffectAsNull)
{
    create();
    ASSERT_EQ(setup(), kResultOk);
    Buffers buffers;
    buffers.data.numOutputs = 1; // the extra outputs are switched off by this host
    buffers.data.numInputs = 1;
    buffers.inputPointers[0][1] = nullptr;
    ASSERT_EQ(adapter->process(buffers.data), kResultOk);
    EXPECT_TRUE(buffers.written(0));
    EXPECT_TRUE(buffers.written(1));
    EXPECT_EQ(buffers.out[2][0], 7.0f); // a bus the host did not pass is not touched

    buffers.data.numSamples = 1000; // beyond the set-up block
    EXPECT_EQ(adapter->process(buffers.data), kInvalidArgument);
    buffers.data.numSamples = 0; // parameters only
    EXPECT_EQ(adapter->process(buffers.data), kResultOk);
}

// A preset loaded in the editor moves parameters without any host call; the host hears of the
// moves from process within a few blocks.
TEST_F(AdapterTest, MovesMadeOffTheAudioThreadReachTheHost)
{
    create();
    ASSERT_EQ(setup(), kResultOk);
    Buffers buffers;
    velqa::host::ParameterChanges reported;
    buffers.data.outputParameterChanges = &reported;
    adapter->getEffect()->setParameter(7, 0.25f); // Mix
    for (int block = 0; block < 8 && reported.getParameterCount() == 0; ++block)
        ASSERT_EQ(adapter->process(buffers.data), kResultOk);
    ASSERT_EQ(reported.getParameterCount(), 1);
    IParamValueQueue* queue = reported.getParameterData(0);
    EXPECT_EQ(queue->getParameterId(), 7u);
    ASSERT_EQ(queue->getPointCount(), 1);
    int32 offset = -1;
    ParamValue value = -1;
    queue->getPoint(0, offset, value);
    EXPECT_EQ(offset, 0);
    EXPECT_EQ(value, 0.25);
}
