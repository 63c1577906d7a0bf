#include "PlugHarness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

using namespace velqa;

namespace
{

constexpr long kOneSecond = Harness::kRate;
constexpr long kLookaheadFrames = Harness::kRate / 10;

// Threshold at −60 dB with a steep ratio: nearly everything is Above.
void splitHard(Harness& h)
{
    h.set(kDyna, 0.0f);
    h.set(kRatio, 1.0f);
}

} // namespace

TEST(SignalPath, BypassPassesTheInputBitForBitWithSilentStemsAndRestingMeters)
{
    Harness h;
    const Source noise = [](int c, long i)
    { return static_cast<float>(std::sin(i * 0.37 + c) * 0.9); };
    h.render(noise, Harness::kBlock); // the stems now hold audio
    h.set(kBypass, 1.0f);
    const Channels out = h.render(noise, 3000);
    EXPECT_EQ(h.latency(), 0);
    for (long i = 0; i < 3000; ++i)
    {
        ASSERT_EQ(out[0][static_cast<size_t>(i)], noise(0, Harness::kBlock + i));
        ASSERT_EQ(out[1][static_cast<size_t>(i)], noise(1, Harness::kBlock + i));
    }
    for (int c = 2; c < CPlug::kNumOutputs; ++c)
        for (float x : out[static_cast<size_t>(c)]) ASSERT_EQ(x, 0.0f) << c;
    const std::vector<VstInt32> order{164, 165, 163, 168, 166, 167, 173, 174};
    EXPECT_EQ(h.plug.meterOrder, order);
    for (VstInt32 index : order)
        EXPECT_EQ(h.plug.published[static_cast<size_t>(index)],
                  index == kMeterMinimumGain ? 1.0f : 0.0f);
}

TEST(SignalPath, BelowTheThresholdTheOutputIsTheInputAndAboveFallsSilent)
{
    Harness h;
    h.set(kDyna, 1.0f); // 0 dB
    const Channels out = h.render(sine(440.0, 0.1), 2 * kOneSecond);
    const long tail = 2 * kOneSecond - 4096;
    for (long i = tail; i < 2 * kOneSecond; ++i)
        ASSERT_NEAR(out[0][static_cast<size_t>(i)], sine(440.0, 0.1)(0, i), 1e-5) << i;
    EXPECT_LT(rms(out[2], tail, 2 * kOneSecond), 1e-6);
    EXPECT_NEAR(h.plug.published[kMeterMinimumGain], 1.0f, 1e-5);
    EXPECT_NEAR(h.plug.published[kMeterInputLeft], 0.1f, 1e-3);
    // The wet and dry extra outputs sum back to the main output and to the input.
    for (long i = tail; i < 2 * kOneSecond; ++i)
    {
        const auto s = static_cast<size_t>(i);
        ASSERT_NEAR(out[2][s] + out[4][s], out[0][s], 1e-6);
        ASSERT_NEAR(out[6][s] + out[8][s], sine(440.0, 0.1)(0, i), 1e-6);
    }
}

TEST(SignalPath, SectionSoloSilencesTheOtherSection)
{
    for (VstInt32 solo : {kSoloBelow, kSoloAbove})
    {
        SCOPED_TRACE(solo);
        Harness h;
        splitHard(h);
        h.set(solo, 1.0f);
        const Channels out = h.render(sine(1000.0, 0.8), kOneSecond);
        // The wet extra outputs are taken before the balance; the main output has only one of them.
        const std::vector<float>& kept = solo == kSoloBelow ? out[4] : out[2];
        for (long i = kOneSecond / 2; i < kOneSecond; ++i)
            ASSERT_NEAR(out[0][static_cast<size_t>(i)], kept[static_cast<size_t>(i)], 1e-6) << i;
        const float silentMeter = h.plug.published[solo == kSoloBelow ? kMeterAbove : kMeterBelow];
        EXPECT_EQ(silentMeter, 0.0f);
    }
}

TEST(SignalPath, MonoProcessesChannelZeroAndMirrorsItsMeters)
{
    Harness h(1);
    splitHard(h);
    const Channels out = h.render(sine(500.0, 0.5), kOneSecond / 4);
    EXPECT_EQ(h.plug.published[kMeterInputRight], h.plug.published[kMeterInputLeft]);
    EXPECT_EQ(h.plug.published[kMeterOutputRight], 0.0f);
    EXPECT_GT(h.plug.published[kMeterOutputLeft], 0.1f);
    EXPECT_EQ(out[3], out[2]);
    EXPECT_EQ(out[5], out[4]);
}

TEST(SignalPath, ExternalSideChainAloneDrivesTheDetector)
{
    Harness quietAlone;
    quietAlone.set(kDyna, 0.5f);
    quietAlone.set(kRatio, 1.0f);
    quietAlone.render(sine(300.0, 0.01), kOneSecond / 2);
    EXPECT_NEAR(quietAlone.plug.published[kMeterMinimumGain], 1.0f, 1e-3);

    Harness h;
    h.set(kDyna, 0.5f);
    h.set(kRatio, 1.0f);
    h.set(kSidechainOn, 1.0f);
    h.set(kSidechainBalance, 1.0f);
    h.connectSideChain(sine(300.0, 1.0));
    h.render(sine(300.0, 0.01), kOneSecond / 2);
    EXPECT_EQ(h.plug.published[kSideChainPresent], 1.0f);
    EXPECT_LT(h.plug.published[kMeterMinimumGain], 0.5f);
    EXPECT_GT(h.plug.published[kMeterDetectorLevel], 0.5f);

    // Side-chain listen plays the filtered side chain instead of the programme.
    h.set(kSideChainListen, 1.0f);
    const Channels heard = h.render(sine(300.0, 0.01), 4096);
    EXPECT_GT(rms(heard[0], 2048, 4096), 0.5);
}

TEST(SignalPath, FullLookaheadDelaysAudioWhileTheDetectorRunsAhead)
{
    Harness h;
    h.set(kLookaheadOn, 1.0f);
    h.set(kLookahead, 1.0f);
    h.set(kDyna, 0.5f);
    h.set(kRatio, 1.0f);

    constexpr long burst = 20 * Harness::kBlock;
    const Source step = [](int, long i) { return i >= burst ? 0.9f : 0.0f; };
    h.render(step, burst);
    // The latency it reports is held to the measured delay by the latency grid.
    h.render(step, Harness::kBlock);
    // The detector already reacts in the burst's first block; the audio is still silent.
    EXPECT_LT(h.plug.published[kMeterMinimumGain], 0.99f);
    EXPECT_EQ(h.plug.published[kMeterOutputLeft], 0.0f);
    const Channels later = h.render(step, kLookaheadFrames);
    const long arrival = kLookaheadFrames - Harness::kBlock;
    EXPECT_EQ(later[0][static_cast<size_t>(arrival - 1)], 0.0f);
    EXPECT_NE(later[0][static_cast<size_t>(arrival)], 0.0f);
}

TEST(SignalPath, BandSoloListenPlaysOnlyWhatTheSoloedBandChanges)
{
    Harness h;
    h.set(kDyna, 1.0f);
    const VstInt32 gain = eqIndex(kSectionBelow, 2, kBandGain);
    h.set(kEqSoloBelow1 + 2, 1.0f);
    Channels out = h.render(sine(1000.0, 0.3), kOneSecond / 4);
    // At 0 dB the band changes nothing.
    EXPECT_LT(rms(out[0], kOneSecond / 8, kOneSecond / 4), 1e-5);
    h.set(gain, 0.75f);
    out = h.render(sine(1000.0, 0.3), kOneSecond / 4);
    EXPECT_GT(rms(out[0], kOneSecond / 8, kOneSecond / 4), 0.01);
    EXPECT_EQ(h.plug.published[kMeterAbove], 0.0f);
    EXPECT_EQ(h.plug.published[kMeterBelow],
              std::max(h.plug.published[kMeterOutputLeft], h.plug.published[kMeterOutputRight]));
}

TEST(SignalPath, SpectrumWorkersAnalyseWhatTheBlocksFeedOnlyWhileTheEditorShowsIt)
{
    Harness h;
    splitHard(h);
    h.render(sine(1000.0, 0.9), kOneSecond / 4);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(h.plug.analysedFrames(kSectionAbove), 0) << "no editor, no analysis";
    h.plug.editorOpened(true);
    h.render(sine(1000.0, 0.9), kOneSecond / 4);
    for (int wait = 0; wait < 200 && h.plug.analysedFrames(kSectionAbove) == 0; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GT(h.plug.analysedFrames(kSectionAbove), 0);
}
