// The stages after the sections as a listener hears them: pan, balance, global mix, output
// volume and their glides, the side-chain blend, and what every output carries while oversampling,
// after bypass and for subnormal input.

#include "PlugHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace velqa;

namespace
{

constexpr long kOneSecond = Harness::kRate;
// The gain smoothers are one-poles at 5 Hz.
const double kGlideStep = 1.0 - std::exp(-2.0 * std::numbers::pi * 5.0 / Harness::kRate);

Source constant(float value)
{
    return [value](int, long) { return value; };
}

// A quiet programme stays below a 0 dB threshold: everything is Below, and the Below chain is
// neutral apart from its pan, hard left: left ×√2, right silent.
void belowPannedLeft(Harness& h)
{
    h.set(kDyna, 1.0f);
    h.set(kPanBelowOn, 1.0f);
    h.set(kPanBelow, 0.0f);
}

// Largest step between consecutive samples, from the last sample before x on.
double largestStep(float before, const std::vector<float>& x)
{
    double step = std::fabs(x[0] - before);
    for (size_t i = 1; i < x.size(); ++i) step = std::max(step, std::fabs(double(x[i]) - x[i - 1]));
    return step;
}

} // namespace

// Each move starts where the last one ended, glides with steps no larger than a 5 Hz one-pole
// takes, also to and from exactly unity, and ends exactly on its target.
TEST(OutputStages, GainChangesGlideFromAndToUnityAndLandOnTheirTargets)
{
    const float level = 0.5f;
    Harness volume;
    volume.set(kDyna, 1.0f);
    float last = volume.render(constant(level), kOneSecond)[0].back();
    // −6 dB, 0 dB, −0.24 dB, 0 dB again.
    for (float v : {0.25f, 0.5f, 0.49003f, 0.5f})
    {
        SCOPED_TRACE(v);
        const double from = last / level;
        volume.set(kOutVol, v);
        const std::vector<float> out = volume.render(constant(level), 2 * kOneSecond)[0];
        // The audio thread takes the new target over at the start of the block.
        const double to = volume.plug.getSignalPath().outputGain;
        EXPECT_LE(largestStep(last, out), kGlideStep * std::fabs(to - from) * level * 1.001 + 1e-7);
        EXPECT_NE(out[0], level * to);
        EXPECT_EQ(volume.plug.getOutputSmoother(0).y, to);
        EXPECT_EQ(out.back(), static_cast<float>(level * to));
        last = out.back();
    }

    // The mix moves between dry (×1) and wet (left ×√2), so the left output is 1 + m·(√2 − 1).
    Harness mix;
    belowPannedLeft(mix);
    last = mix.render(constant(level), kOneSecond)[0].back();
    for (float m : {0.3f, 1.0f, 0.98f})
    {
        SCOPED_TRACE(m);
        const double from = (last / level - 1.0) / (std::numbers::sqrt2 - 1.0);
        mix.set(kMix, m);
        const std::vector<float> out = mix.render(constant(level), 2 * kOneSecond)[0];
        const double allowed =
            kGlideStep * std::fabs(m - from) * (std::numbers::sqrt2 - 1.0) * level;
        EXPECT_LE(largestStep(last, out), allowed * 1.001 + 1e-7);
        EXPECT_EQ(mix.plug.getMixSmoother(0).y, m);
        EXPECT_NEAR(out.back(), level * (1.0 + m * (std::numbers::sqrt2 - 1.0)), 1e-6);
        last = out.back();
    }

    // Pan moves and its switch glide as well: the left gain goes to √2, 0, 1 and, switched off, 1.
    Harness pan;
    pan.set(kDyna, 1.0f);
    last = pan.render(constant(level), kOneSecond)[0].back();
    pan.set(kPanBelowOn, 1.0f);
    for (const auto& [index, value] : {std::pair{kPanBelow, 0.0f}, std::pair{kPanBelow, 1.0f},
                                       std::pair{kPanBelow, 0.5f}, std::pair{kPanBelowOn, 0.0f}})
    {
        SCOPED_TRACE(value);
        pan.set(index, value);
        const std::vector<float> out = pan.render(constant(level), 2 * kOneSecond)[0];
        const double to =
            index == kPanBelow ? std::numbers::sqrt2 * std::cos(value * std::numbers::pi / 2) : 1.0;
        EXPECT_LE(largestStep(last, out), kGlideStep * std::fabs(to * level - last) * 1.001 + 1e-7);
        EXPECT_NEAR(out.back(), level * to, 1e-6);
        last = out.back();
    }

    // Balance 0.25 keeps Below at unity and weights Above by a quarter, exactly, once settled.
    Harness balance;
    balance.set(kDyna, 0.5f);
    balance.set(kRatio, 1.0f);
    balance.set(kBalance, 0.25f);
    const Channels out = balance.render(sine(300.0, 0.8), 2 * kOneSecond);
    EXPECT_EQ(balance.plug.getBalanceSmoother(0).y, 0.25);
    for (long i = 2 * kOneSecond - 2048; i < 2 * kOneSecond; ++i)
    {
        const auto s = static_cast<size_t>(i);
        ASSERT_NEAR(out[0][s], out[4][s] + 0.25f * out[2][s], 2e-7) << i;
    }
}

TEST(OutputStages, PartialSideChainBlendFeedsTheDetectorBothSignals)
{
    for (float weight : {0.25f, 0.5f, 0.75f})
    {
        SCOPED_TRACE(weight);
        Harness h;
        h.set(kSidechainOn, 1.0f);
        h.set(kSidechainBalance, weight);
        h.connectSideChain(sine(300.0, 0.9));
        h.render(sine(300.0, 0.1), kOneSecond / 2);
        EXPECT_NEAR(h.plug.published[kMeterDetectorLevel], (1.0f - weight) * 0.1f + weight * 0.9f,
                    0.02f);
    }
}

TEST(OutputStages, StemsLineUpWithTheMainOutputWhileOversampling)
{
    Harness h;
    h.set(kDyna, 0.5f);
    h.set(kRatio, 1.0f);
    h.set(kOversamplingFactor, 1.0f / 128.0f); // 4x
    h.set(kOversamplingOn, 1.0f);
    const Source input = sine(1000.0, 0.5);
    const long frames = 16 * Harness::kBlock;
    const Channels out = h.render(input, frames);
    ASSERT_EQ(h.latency(), 2048);
    for (long i = frames - 2048; i < frames; ++i)
    {
        const auto s = static_cast<size_t>(i);
        const double delayed = input(0, i - h.latency());
        ASSERT_NEAR(out[6][s] + out[8][s], delayed, 1e-5) << i;
        ASSERT_NEAR(out[2][s] + out[4][s], out[0][s], 1e-5) << i;
        ASSERT_NEAR(out[0][s], delayed, 3e-3) << i;
    }
    // A listen mode plays what it listens to in line with the rest as well.
    h.set(kSideChainListen, 1.0f);
    const Channels heard = h.render(input, frames);
    double error = 0.0;
    for (long i = frames - 2048; i < frames; ++i)
        error = std::max(error, std::fabs(double(heard[0][static_cast<size_t>(i)]) -
                                          input(0, frames + i - h.latency())));
    EXPECT_LT(error, 0.05);
}

// Leaving bypass must not replay what the look-ahead and oversampling delays held before it.
TEST(OutputStages, LeavingBypassStartsFromEmptyDelays)
{
    Harness h;
    h.set(kLookaheadOn, 1.0f);
    h.set(kOversamplingOn, 1.0f);
    h.render(sine(500.0, 0.5), 8 * Harness::kBlock);
    h.set(kBypass, 1.0f);
    h.render(constant(0.0f), Harness::kBlock);
    h.set(kBypass, 0.0f);
    const Channels out = h.render(constant(0.0f), 16 * Harness::kBlock);
    for (int c = 0; c < CPlug::kNumOutputs; ++c)
        for (float x : out[static_cast<size_t>(c)]) ASSERT_EQ(x, 0.0f) << c;
}

TEST(OutputStages, NoOutputSampleIsSubnormal)
{
    const float tiny = std::numeric_limits<float>::denorm_min() * 1000.0f;
    const Source subnormal = [tiny](int c, long i) { return (i + c) % 3 == 0 ? -tiny : tiny; };
    const std::vector<std::pair<VstInt32, float>> settings[] = {
        {}, {{kBypass, 1.0f}}, {{kMix, 0.5f}, {kOutVol, 0.7f}}, {{kOversamplingOn, 1.0f}}};
    for (const auto& setting : settings)
    {
        Harness h;
        for (const auto& [index, value] : setting) h.set(index, value);
        const Channels out = h.render(subnormal, 4 * Harness::kBlock);
        for (int c = 0; c < CPlug::kNumOutputs; ++c)
            for (float x : out[static_cast<size_t>(c)])
                ASSERT_TRUE(x == 0.0f || std::isnormal(x)) << c << " " << setting.size();
    }
}
