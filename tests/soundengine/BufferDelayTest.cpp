#include "code/soundengine/Delay.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>
#include <vector>

TEST(Delay, IntegerFractionalAndZeroDelays)
{
    std::vector<float> x(6000);
    std::iota(x.begin(), x.end(), 1.0f);

    CDelay delay;
    delay.allocate(4096);
    delay.setDelay(2048.0f);
    std::vector<float> y = x;
    delay.processBlock(y.data(), static_cast<int>(y.size()));
    EXPECT_EQ(y[2047], 0.0f);
    for (size_t i = 2048; i < y.size(); ++i) ASSERT_EQ(y[i], x[i - 2048]);

    delay.setDelay(10.25f);
    y = x;
    delay.processBlock(y.data(), static_cast<int>(y.size()));
    for (size_t i = 11; i < y.size(); ++i)
        ASSERT_FLOAT_EQ(y[i], 0.75f * x[i - 10] + 0.25f * x[i - 11]);

    delay.setDelay(0.0f);
    EXPECT_EQ(delay.process(-2.5f), -2.5f);
    // Beyond the ring or not a number: held to what the ring can hold, never out of bounds.
    delay.setDelay(1.0e9f);
    delay.setDelay(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(delay.process(5.0f), 5.0f);
}

// Whole-sample delays move in runs; the result must not depend on how the blocks fall.
TEST(Delay, WholeSampleDelaysInBlocksEqualSampleBySample)
{
    std::vector<float> x(3000);
    std::iota(x.begin(), x.end(), 1.0f);
    for (float d : {0.0f, 1.0f, 7.0f, 255.0f})
        for (int block : {1, 5, 64, 300})
        {
            CDelay byBlock, bySample;
            for (CDelay* delay : {&byBlock, &bySample})
            {
                delay->allocate(256);
                delay->setDelay(d);
            }
            std::vector<float> y = x;
            for (size_t at = 0; at < y.size(); at += static_cast<size_t>(block))
                byBlock.processBlock(y.data() + at,
                                     std::min(block, static_cast<int>(y.size() - at)));
            for (size_t i = 0; i < x.size(); ++i)
                ASSERT_EQ(y[i], bySample.process(x[i])) << d << " " << block << " " << i;
        }
}
