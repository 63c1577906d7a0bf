#include "code/soundengine/FastLog.h"
#include "code/soundengine/FastExp.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

using velqa::fastLogOfNormal;

TEST(FastLog, WithinTwoUlpOverEveryNormalBinade)
{
    // Stepping through the bit patterns visits every binade at many points of the mantissa, on
    // both sides of the fold at √½.
    double worstUlp = 0.0;
    for (std::uint32_t bits = 0x00800000u; bits < 0x7F800000u; bits += 4099)
    {
        const auto x = std::bit_cast<float>(bits);
        const double exact = std::log(static_cast<double>(x));
        const auto rounded = static_cast<float>(exact);
        const double ulp =
            std::nextafter(std::fabs(rounded), std::numeric_limits<float>::infinity()) -
            std::fabs(rounded);
        if (exact != 0.0)
            worstUlp = std::max(worstUlp, std::fabs(fastLogOfNormal(x) - exact) / ulp);
    }
    EXPECT_LE(worstUlp, 2.0);
    EXPECT_EQ(fastLogOfNormal(1.0f), 0.0f);
}

TEST(FastLog, PowerFormMatchesTheLibraryOverTheGainLawRange)
{
    // Levels up to 66 dB over the threshold, every exponent a ratio from 1:1 to 100:1 gives.
    double worst = 0.0;
    for (float exponent : {-0.99f, -0.75f, -0.5f, -0.1f, -0.01f})
        for (int i = 0; i <= 100'000; ++i)
        {
            const float x = std::pow(2000.0f, static_cast<float>(i) / 100'000.0f);
            const double exact = std::pow(static_cast<double>(x), static_cast<double>(exponent));
            const float power = velqa::fastExp(exponent * fastLogOfNormal(x));
            worst = std::max(worst, std::fabs(power - exact) / exact);
        }
    EXPECT_LE(worst, 1e-6);
}
