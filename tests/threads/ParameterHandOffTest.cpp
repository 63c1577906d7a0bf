#include "code/Plug.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

using namespace velqa;

namespace
{

VstIntPtr quietHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

// The effect resumed at 48 kHz, so blocks may run on another thread from now on.
class HandOff : public ::testing::Test
{
protected:
    static constexpr int kBlock = 256;

    void SetUp() override
    {
        VstSpeakerArrangement input{};
        input.numChannels = 2;
        VstSpeakerArrangement output{};
        output.numChannels = CPlug::kNumOutputs;
        plug.setSpeakerArrangement(&input, &output);
        plug.setSampleRate(48000.0f);
        plug.setBlockSize(kBlock);
        plug.resume();
        for (auto& channel : buffers) channel.assign(kBlock, 0.0f);
        for (size_t c = 0; c < buffers.size(); ++c) pointers[c] = buffers[c].data();
    }

    // One block, sine in, returns false when any output is not finite.
    bool block()
    {
        for (int i = 0; i < kBlock; ++i)
            buffers[0][static_cast<size_t>(i)] = buffers[1][static_cast<size_t>(i)] =
                0.5f * static_cast<float>(std::sin(0.03 * static_cast<double>(t++)));
        plug.processReplacing(pointers.data(), pointers.data(), kBlock);
        for (const auto& channel : buffers)
            for (float y : channel)
                if (!std::isfinite(y)) return false;
        return true;
    }

    // A block on a thread of its own, as the host's audio thread runs it.
    void blockOnAudioThread()
    {
        std::thread audio([this] { block(); });
        audio.join();
    }

    std::vector<uint8_t> chunk()
    {
        void* data = nullptr;
        const VstInt32 size = plug.getChunk(&data, false);
        const auto* bytes = static_cast<const uint8_t*>(data);
        return std::vector<uint8_t>(bytes, bytes + size);
    }

    CPlug plug{&quietHost};
    std::array<std::vector<float>, CPlug::kNumOutputs> buffers;
    std::array<float*, CPlug::kNumOutputs> pointers{};
    long t = 0;
};

} // namespace

TEST_F(HandOff, TheHostThreadChangesValuesAndTheNextBlockAppliesThem)
{
    ASSERT_TRUE(plug.getEqBank(CPlug::kBankBelowL).isOn());
    plug.setParameter(kOnBelow, 0.0f);
    plug.setParameter(kOversamplingOn, 1.0f);
    plug.setParameter(kMix, 0.5f);
    // The model follows at once; filters, smoothers and oversampling are left to the audio path.
    EXPECT_EQ(plug.getParameter(kOnBelow), 0.0f);
    EXPECT_TRUE(plug.getEqBank(CPlug::kBankBelowL).isOn());
    EXPECT_FALSE(plug.getOversampling().osOnRequested);
    EXPECT_EQ(plug.getSignalPath().mix, 1.0f);

    blockOnAudioThread();
    EXPECT_FALSE(plug.getEqBank(CPlug::kBankBelowL).isOn());
    EXPECT_TRUE(plug.getOversampling().osOn);
    EXPECT_EQ(plug.getSignalPath().mix, 0.5f);
}

TEST_F(HandOff, ABlockDuringALoadKeepsTheWholeOldSetAndAutomationWaitsForTheLoad)
{
    ASSERT_TRUE(plug.beginRestore());
    plug.setParameter(kOnBelow, 0.0f);
    std::thread audio(
        [this]
        {
            block();
            // Automation while the load holds the model is kept for the next block.
            plug.setParameter(kPanBelow, 0.25f);
        });
    audio.join();
    EXPECT_TRUE(plug.getEqBank(CPlug::kBankBelowL).isOn());
    EXPECT_EQ(plug.getParameter(kPanBelow), 0.5f);
    plug.endRestore();

    blockOnAudioThread();
    EXPECT_FALSE(plug.getEqBank(CPlug::kBankBelowL).isOn());
    EXPECT_EQ(plug.getParameter(kPanBelow), 0.25f);
}

// A host restores projects and reads state while the audio thread runs blocks with automation.
TEST_F(HandOff, StateLoadsAndAutomationOverlapWithBlocks)
{
    const std::vector<uint8_t> plain = chunk();
    plug.setParameter(kOversamplingFactor, 1.0f / 128);
    plug.setParameter(kOversamplingOn, 1.0f);
    plug.setParameter(kLookaheadOn, 0.7f);
    plug.setParameter(eqIndex(kSectionBelow, 2, kBandGain), 0.8f);
    plug.setParameter(kTypeAbove, 0.9f);
    const std::vector<uint8_t> busy = chunk();

    std::atomic<bool> done{false};
    std::atomic<bool> finite{true};
    std::thread audio(
        [&]
        {
            std::mt19937 random(3);
            std::uniform_int_distribution<VstInt32> index(0, kHostParameterCount - 1);
            std::uniform_real_distribution<float> value(0.0f, 1.0f);
            for (int b = 0; b < 400; ++b)
            {
                plug.setParameter(index(random), value(random));
                if (!block()) finite = false;
            }
            done = true;
        });
    for (int n = 0; !done; ++n)
    {
        std::vector<uint8_t> next = n % 2 ? plain : busy;
        plug.setChunk(next.data(), static_cast<VstInt32>(next.size()), false);
        (void)chunk();
        std::this_thread::yield();
    }
    audio.join();
    EXPECT_TRUE(finite);
}
