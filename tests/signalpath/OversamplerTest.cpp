#include "code/soundengine/Oversampler.h"
#include "code/soundengine/RealFft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace
{

std::vector<float> sine(int length, double per, double amplitude = 0.5)
{
    std::vector<float> x(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i)
        x[static_cast<size_t>(i)] =
            static_cast<float>(amplitude * std::sin(2.0 * std::numbers::pi * per * i));
    return x;
}

} // namespace

TEST(RealFft, OrderedLayoutAndUnscaledRoundTrip)
{
    constexpr int n = 16;
    CRealFft fft;
    ASSERT_TRUE(fft.setup(n));
    EXPECT_FALSE(CRealFft().setup(12));

    // DC 1 plus a Nyquist term of 0.5 land in slots 0 and 1.
    std::vector<float> x(n);
    for (int i = 0; i < n; ++i) x[static_cast<size_t>(i)] = 1.0f + (i % 2 ? -0.5f : 0.5f);
    std::vector<float> spectrum(n);
    fft.forward(x.data(), spectrum.data());
    EXPECT_NEAR(spectrum[0], n * 1.0f, 1e-4);
    EXPECT_NEAR(spectrum[1], n * 0.5f, 1e-4);
    for (int i = 2; i < n; ++i) EXPECT_NEAR(spectrum[static_cast<size_t>(i)], 0.0f, 1e-4);

    // A cosine of bin 3 shows up as the real part of the pair for bin 3.
    for (int i = 0; i < n; ++i)
        x[static_cast<size_t>(i)] =
            static_cast<float>(std::cos(2.0 * std::numbers::pi * 3 * i / n));
    fft.forward(x.data(), spectrum.data());
    EXPECT_NEAR(spectrum[6], n / 2.0f, 1e-4);
    EXPECT_NEAR(spectrum[7], 0.0f, 1e-4);

    std::vector<float> back(n);
    fft.inverse(spectrum.data(), back.data());
    for (int i = 0; i < n; ++i)
        EXPECT_NEAR(back[static_cast<size_t>(i)] / n, x[static_cast<size_t>(i)], 1e-5);
}

// Up and down again without processing: every factor gives the input back two frames later.
TEST(Oversampler, SinePassesEveryFactorWithTwoFramesOfDelay)
{
    constexpr int slice = 128;
    constexpr int length = 16384;
    const std::vector<float> input = sine(length, 1000.0 / 48000.0);
    for (int factor : {2, 4, 8, 16})
    {
        SCOPED_TRACE(factor);
        COversampler os;
        ASSERT_TRUE(os.configure(1024, factor, 1, slice));
        EXPECT_EQ(os.latency(), 2048);
        std::vector<float> output(length);
        for (int offset = 0; offset < length; offset += slice)
        {
            float* in[] = {const_cast<float*>(input.data()) + offset};
            float* out[] = {output.data() + offset};
            os.upsample(in, 1, slice);
            // The upsampled slice is the same sine at factor × the rate.
            os.downsample(out, 1, slice);
        }
        double worst = 0.0;
        for (int i = 4096; i < length; ++i)
            worst = std::max(worst, std::fabs(static_cast<double>(output[static_cast<size_t>(i)]) -
                                              input[static_cast<size_t>(i - 2048)]));
        // 0.1 dB of a 0.5 amplitude is 0.0058.
        EXPECT_LT(worst, 0.5 * (std::pow(10.0, 0.1 / 20.0) - 1.0));
        // Before the delay has passed only the faint pre-ring of the band limit comes out.
        for (int i = 0; i < 2048; ++i) ASSERT_LT(std::fabs(output[static_cast<size_t>(i)]), 1e-3f);
    }
}
