#include "code/soundengine/FastExp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using velqa::fastExp;

TEST(FastExp, StaysWithinAFewUlpOverTheNormalRange)
{
    // Dense enough to cross every reduction interval many times, and both halves of the
    // exponent split.
    double worst = 0.0;
    for (int i = 0; i <= 2'000'000; ++i)
    {
        const float x = -87.0f + 175.0f * static_cast<float>(i) / 2'000'000.0f;
        const double exact = std::exp(static_cast<double>(x));
        worst = std::max(worst, std::abs(fastExp(x) - exact) / exact);
    }
    EXPECT_LE(worst, 3e-7);
}

TEST(FastExp, RangeEndsZeroAndNaN)
{
    constexpr float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(fastExp(0.0f), 1.0f);
    EXPECT_EQ(fastExp(-0.0f), 1.0f);
    EXPECT_TRUE(std::isnan(fastExp(std::numeric_limits<float>::quiet_NaN())));

    for (float x : {-87.4f, -100.0f, -200.0f, -1e30f, -inf})
    {
        EXPECT_GE(fastExp(x), 0.0f) << x;
        EXPECT_LT(fastExp(x), 1.2e-38f) << x;
    }
    EXPECT_EQ(fastExp(-200.0f), 0.0f);
    EXPECT_EQ(fastExp(-inf), 0.0f);

    EXPECT_TRUE(std::isfinite(fastExp(88.72f)));
    for (float x : {88.73f, 89.0f, 100.0f, 1e30f, inf}) EXPECT_EQ(fastExp(x), inf) << x;
}

TEST(FastExp, BlockMatchesTheScalarForm)
{
    std::vector<float> in(37), out(in.size());
    for (size_t i = 0; i < in.size(); ++i) in[i] = -40.0f + 2.3f * static_cast<float>(i);
    velqa::fastExpBlock(in.data(), out.data(), static_cast<int>(in.size()));
    for (size_t i = 0; i < in.size(); ++i) EXPECT_EQ(out[i], fastExp(in[i])) << in[i];
}
