#include "PlugHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <numbers>
#include <string>

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

// Magnitude responses in dB at log-spaced frequencies from 20 Hz to 18 kHz, from a small
// exponential sweep and what comes out of the main output.
std::vector<double> sweptResponse(const std::vector<std::pair<VstInt32, float>>& settings,
                                  int factor)
{
    Harness h;
    for (const auto& [index, value] : settings) h.set(index, value);
    if (factor > 1)
    {
        h.set(kOversamplingFactor, factorValue(factor));
        h.set(kOversamplingOn, 1.0f);
    }
    h.render([](int, long) { return 0.0f; }, Harness::kBlock); // the switch applies here
    constexpr long kSweep = 1 << 15;
    const double rate = Harness::kRate;
    const double growth = std::log(20000.0 / 15.0);
    std::vector<float> in(kSweep + 8192, 0.0f);
    for (long i = 0; i < kSweep; ++i)
    {
        const double t = static_cast<double>(i) / kSweep;
        const double phase =
            2.0 * std::numbers::pi * 15.0 * kSweep / rate / growth * (std::exp(growth * t) - 1.0);
        const double fade = std::min({1.0, 20.0 * t, 20.0 * (1.0 - t)});
        in[static_cast<size_t>(i)] = static_cast<float>(0.01 * fade * std::sin(phase));
    }
    const Channels out =
        h.render([&](int, long i) { return in[static_cast<size_t>(i - Harness::kBlock)]; },
                 static_cast<long>(in.size()));
    std::vector<double> response;
    for (double f = 20.0; f <= 18000.0; f *= std::pow(2.0, 1.0 / 6.0))
    {
        const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi * f / rate);
        std::complex<double> z = 1.0, x = 0.0, y = 0.0;
        for (size_t i = 0; i < in.size(); ++i, z *= step)
        {
            x += static_cast<double>(in[i]) * z;
            y += static_cast<double>(out[0][i]) * z;
        }
        response.push_back(20.0 * std::log10(std::abs(y) / std::abs(x)));
    }
    return response;
}

} // namespace

// Oversampling is there to lower aliasing; it must not change the tone. Prints the largest
// deviation from the 1x response per setting and factor.
TEST(OversampledPath, EveryFactorKeepsTheSmallSignalResponseOfOneX)
{
    using Settings = std::vector<std::pair<VstInt32, float>>;
    const Settings colourOnly = {{kSatOnBelow, 1.0f}, {kSatBelow, 0.0f}};
    const auto with = [](Settings s, std::initializer_list<std::pair<VstInt32, float>> more)
    {
        s.insert(s.end(), more);
        return s;
    };
    const std::pair<std::string, Settings> cases[] = {
        {"colour 0 %", with(colourOnly, {{kColBelow, 0.0f}})},
        {"colour 50 %", with(colourOnly, {{kColBelow, 0.5f}})},
        {"colour 100 %", with(colourOnly, {{kColBelow, 1.0f}})},
        {"FET drive 0.1", with(colourOnly, {{kTypeBelow, 0.0f}, {kSatBelow, 0.1f}})},
        {"TUBE drive 0.1", with(colourOnly, {{kTypeBelow, 0.5f}, {kSatBelow, 0.1f}})},
        {"TAPE drive 0.1", with(colourOnly, {{kTypeBelow, 1.0f}, {kSatBelow, 0.1f}})},
        {"TAPE drive 1", with(colourOnly, {{kTypeBelow, 1.0f}, {kSatBelow, 1.0f}})},
        {"high shelf 8 kHz +12 dB",
         {{kOnBelow, 1.0f},
          {eqIndex(kSectionBelow, 0, kBandState), 0.0f},
          {eqIndex(kSectionBelow, 0, kBandFreq), 0.8674f},
          {eqIndex(kSectionBelow, 0, kBandGain), 1.0f}}},
    };
    std::printf("%-24s %8s %8s %8s %8s   (largest |dB| vs 1x, 20 Hz - 18 kHz)\n", "setting", "2x",
                "4x", "8x", "16x");
    for (const auto& [name, settings] : cases)
    {
        const std::vector<double> reference = sweptResponse(settings, 1);
        std::printf("%-24s", name.c_str());
        for (int factor : {2, 4, 8, 16})
        {
            const std::vector<double> response = sweptResponse(settings, factor);
            double worst = 0.0;
            for (size_t i = 0; i < response.size(); ++i)
                worst = std::max(worst, std::fabs(response[i] - reference[i]));
            std::printf(" %8.4f", worst);
            EXPECT_LT(worst, 0.1) << name << " at " << factor << "x";
        }
        std::printf("\n");
    }
}

TEST(OversampledPath, SwitchingOffReportsTheLatencyAgain)
{
    Harness h;
    h.set(kOversamplingOn, 1.0f);
    h.render(sine(100.0, 0.1), Harness::kBlock);
    EXPECT_EQ(h.plug.latencyReports.back(), kFrameDelay);
    h.set(kLookaheadOn, 0.75f);
    h.render(sine(100.0, 0.1), Harness::kBlock);
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
