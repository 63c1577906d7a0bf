#include "code/soundengine/Biquad.h"
#include "code/soundengine/OrvFilter.h"
#include "tests/soundengine/Response.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using Complex = std::complex<double>;
using Prototype = std::function<Complex(Complex s)>;

constexpr int kLength = 1 << 16;

// Compares the measured response with the analogue prototype at the prewarped frequency: in dB
// where the response is audible, absolutely in deep stop bands.
void expectMatches(const std::vector<float>& h, const Prototype& prototype, double f0, double rate,
                   double toleranceDb = 0.01, double stopBand = 1e-5)
{
    for (double ratio : {0.1, 0.3, 0.5, 0.8, 1.0, 1.25, 2.0, 4.0, 10.0})
    {
        const double f = f0 * ratio;
        if (f >= 0.45 * rate) continue;
        const double expected = std::abs(prototype(Complex(0.0, warped(f, f0, rate))));
        const double measured = std::abs(spectrumAt(h, f, rate));
        if (expected > 100.0 * stopBand)
            EXPECT_NEAR(toDb(measured), toDb(expected), toleranceDb) << "f0 " << f0 << " f " << f;
        else
            EXPECT_NEAR(measured, expected, stopBand) << "f0 " << f0 << " f " << f;
    }
}

template <typename Filter> std::vector<float> perSampleResponse(Filter& filter)
{
    return impulseResponse(kLength,
                           [&](float* x, int n)
                           {
                               for (int i = 0; i < n; ++i) x[i] = filter.process(x[i]);
                           });
}
} // namespace

TEST(OrvFilter, ButterworthLowAndHighPassOfSecondAndFourthOrder)
{
    for (float rate : {44100.0f, 96000.0f})
        for (float f0 : {80.0f, 1000.0f, 9000.0f})
            for (int order : {2, 4})
            {
                const Prototype lowPass = [order](Complex s)
                { return 1.0 / std::sqrt(1.0 + std::pow(std::abs(s), 2 * order)); };
                const Prototype highPass = [&](Complex s) { return lowPass(1.0 / s); };
                for (int type : {COrvFilter::kLowPass, COrvFilter::kHighPass})
                {
                    COrvFilter filter(type, rate);
                    filter.setFourthOrder(order == 4);
                    filter.setFrequency(f0);
                    // The output state is single precision, which costs accuracy far down in the
                    // stop band of low corner frequencies.
                    expectMatches(perSampleResponse(filter),
                                  type == COrvFilter::kLowPass ? lowPass : highPass, f0, rate, 0.02,
                                  1e-3);
                }
            }
}

TEST(OrvFilter, FrequencyIsHeldBetweenOneHertzAndJustBelowNyquist)
{
    COrvFilter filter(COrvFilter::kLowPass, 48000.0f);
    filter.setFrequency(0.0f);
    EXPECT_DOUBLE_EQ(filter.getFrequency(), 1.0);
    filter.setFrequency(30000.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(filter.getFrequency()), 0.49f * 48000.0f);
}

TEST(Biquad, CookbookShapesMatchTheirPrototypes)
{
    for (double rate : {44100.0, 96000.0})
        for (double f0 : {60.0, 1000.0, 8000.0})
        {
            const double q = 1.7;
            const double gain = 2.5; // +7.96 dB
            const double A = std::sqrt(gain);
            const double r = std::sqrt(A) / q;
            const Prototype bell = [&](Complex s)
            { return (s * s + s * (A / q) + 1.0) / (s * s + s / (A * q) + 1.0); };
            const std::pair<int, Prototype> shapes[] = {
                {CBiquad::kBell, bell},
                {CBiquad::kLowShelf,
                 [&](Complex s) { return A * (s * s + r * s + A) / (A * s * s + r * s + 1.0); }},
                {CBiquad::kHighShelf,
                 [&](Complex s) { return A * (A * s * s + r * s + 1.0) / (s * s + r * s + A); }},
                {CBiquad::kLowPass, [&](Complex s) { return 1.0 / (s * s + s / q + 1.0); }},
                {CBiquad::kHighPass, [&](Complex s) { return s * s / (s * s + s / q + 1.0); }},
                {CBiquad::kBandPass, [&](Complex s) { return (s / q) / (s * s + s / q + 1.0); }},
            };
            for (const auto& [type, prototype] : shapes)
            {
                CBiquad filter;
                filter.set(static_cast<float>(rate), type, f0, f0, gain, q);
                const auto h =
                    impulseResponse(kLength, [&](float* x, int n) { filter.process(x, n); });
                SCOPED_TRACE(type);
                expectMatches(h, prototype, f0, rate);
                EXPECT_NEAR(filter.magnitudeAt(0.7 * f0), std::abs(spectrumAt(h, 0.7 * f0, rate)),
                            1e-4);
            }

            CBiquad peak;
            peak.setPeak(static_cast<float>(rate), static_cast<float>(f0), static_cast<float>(q),
                         static_cast<float>(gain));
            // Single-precision cos(w0) shifts a low bell slightly.
            expectMatches(impulseResponse(kLength, [&](float* x, int n) { peak.process(x, n); }),
                          bell, f0, rate, 0.05);
        }
}

TEST(Biquad, BellAtUnityGainIsAnIdentity)
{
    CBiquad bell;
    bell.setPeak(48000.0f, 700.0f, 3.0f, 1.0f);
    EXPECT_NEAR(bell.b0, 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(bell.b1, bell.a1);
    EXPECT_NEAR(bell.b2, bell.a2, 1e-12);
    float x[5] = {0.3f, -1.0f, 0.7f, 0.0f, 0.25f};
    const std::vector<float> in(x, x + 5);
    bell.process(x, 5);
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(x[i], in[i], 1e-7f);
}
