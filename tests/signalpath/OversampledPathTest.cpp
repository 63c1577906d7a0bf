#include "PlugHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace velqa;

namespace
{

constexpr int kFrameDelay = 2048;

float factorValue(int factor)
{
    return static_cast<float>(std::log2(factor) - 1) / 128.0f;
}

// Level of one frequency in x[from, from + length), Hann-windowed.
double levelAt(const std::vector<float>& x, long from, long length, double frequency)
{
    double re = 0.0;
    double im = 0.0;
    for (long i = 0; i < length; ++i)
    {
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / length);
        const double phase = 2.0 * std::numbers::pi * frequency * i / Harness::kRate;
        re += w * x[static_cast<size_t>(from + i)] * std::cos(phase);
        im += w * x[static_cast<size_t>(from + i)] * std::sin(phase);
    }
    return std::sqrt(re * re + im * im) / (length / 4.0);
}

double aliasLevel(bool oversampled)
{
    Harness h;
    h.set(kDyna, 0.0f);
    for (VstInt32 on : {kSatOnBelow, kSatOnAbove}) h.set(on, 1.0f);
    for (VstInt32 drive : {kSatBelow, kSatAbove}) h.set(drive, 1.0f);
    if (oversampled)
    {
        h.set(kOversamplingFactor, factorValue(8));
        h.set(kOversamplingOn, 1.0f);
    }
    const Channels out = h.render(sine(7000.0, 0.9), 24000);
    // 7 kHz harmonics fold back from 35, 49 and 63 kHz to 13, 1 and 15 kHz.
    double sum = 0.0;
    for (double alias : {13000.0, 1000.0, 15000.0}) sum += levelAt(out[0], 12000, 8192, alias);
    return sum;
}

} // namespace

TEST(OversampledPath, EveryFactorPassesASineWithTheReportedLatency)
{
    for (int factor : {2, 4, 8, 16})
    {
        SCOPED_TRACE(factor);
        Harness h;
        h.set(kDyna, 1.0f);
        h.set(kOversamplingFactor, factorValue(factor));
        h.set(kOversamplingOn, 1.0f);
        const Source input = sine(1000.0, 0.5);
        const long frames = 8 * Harness::kBlock + 4096;
        const Channels out = h.render(input, frames);
        EXPECT_EQ(h.plug.getOversampling().factorInUse, factor);
        EXPECT_EQ(h.latency(), kFrameDelay);
        EXPECT_EQ(h.plug.latencyReports.back(), kFrameDelay);
        // The first block still ran at the host rate; the oversampled delay starts with the next.
        double worst = 0.0;
        for (long i = frames - 4096; i < frames; ++i)
        {
            const float error = out[0][static_cast<size_t>(i)] - input(0, i - kFrameDelay);
            worst = std::max(worst, static_cast<double>(std::fabs(error)));
        }
        EXPECT_LT(worst, 0.5 * (std::pow(10.0, 0.1 / 20.0) - 1.0));
    }
}

TEST(OversampledPath, SwitchingOffReportsTheLatencyAgain)
{
    Harness h;
    h.set(kOversamplingOn, 1.0f);
    h.render(sine(100.0, 0.1), Harness::kBlock);
    EXPECT_EQ(h.plug.latencyReports.back(), kFrameDelay);
    h.set(kLookaheadOn, 0.75f);
    EXPECT_EQ(h.plug.latencyReports.back(), kFrameDelay + 3600);
    h.set(kOversamplingOn, 0.0f);
    h.render(sine(100.0, 0.1), Harness::kBlock);
    EXPECT_EQ(h.plug.latencyReports.back(), 3600);
    EXPECT_EQ(h.latency(), 3600);
}

TEST(OversampledPath, SaturationAliasesLessWhenOversampled)
{
    const double plain = aliasLevel(false);
    const double oversampled = aliasLevel(true);
    EXPECT_GT(plain, 1e-4);
    EXPECT_LT(oversampled, plain / 4.0);
}

// Loud noise, then silence for the tails to decay, with factor and switch changes mid-stream.
TEST(OversampledPath, OutputStaysFiniteAndNormalThroughSwitches)
{
    Harness h;
    h.set(kDyna, 0.3f);
    h.set(kRatio, 0.7f);
    h.set(kSatOnAbove, 1.0f);
    h.set(kSatAbove, 0.8f);
    h.set(kMix, 0.6f);
    h.set(kOutVol, 0.7f);
    h.set(eqIndex(kSectionAbove, 1, kBandGain), 0.9f);
    h.set(eqIndex(kSectionBelow, 4, kBandGain), 0.1f);
    unsigned seed = 1;
    const Source burst = [&seed](int, long i)
    {
        seed = seed * 1664525u + 1013904223u;
        const float noise = static_cast<float>(seed >> 8) / 8388608.0f - 1.0f;
        return (i / 6000) % 2 == 0 ? 8.0f * noise : 0.0f;
    };
    const auto check = [](const Channels& out)
    {
        for (int c = 0; c < CPlug::kNumOutputs; ++c)
            for (float x : out[static_cast<size_t>(c)])
                ASSERT_TRUE(x == 0.0f || std::isnormal(x)) << c << " " << x;
    };
    for (int step = 0; step < 6; ++step)
    {
        h.set(kOversamplingFactor, factorValue(2 << (step % 4)));
        h.set(kOversamplingOn, step % 3 == 2 ? 0.0f : 1.0f);
        check(h.render(burst, 20000));
    }
    h.set(kOversamplingOn, 0.0f);
    check(h.render([](int, long) { return 0.0f; }, 5 * Harness::kRate));
}
