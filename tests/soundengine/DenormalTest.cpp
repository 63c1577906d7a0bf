#include "code/soundengine/Biquad.h"
#include "code/soundengine/DynaSplitter.h"
#include "code/soundengine/SectionProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace
{
using Block = std::function<void(float*, int)>;

// Every kind of filter a sample meets: side-chain Butterworth, EQ bell, one-pole, and the section
// processor with colour and each saturation.
std::vector<Block> chains()
{
    auto orv = std::make_shared<COrvFilter>(COrvFilter::kHighPass, 48000.0f);
    orv->setFourthOrder(true);
    orv->setFrequency(30.0f);
    auto bell = std::make_shared<CBiquad>();
    bell->setPeak(48000.0f, 200.0f, 4.0f, 3.0f);
    auto onePole = std::make_shared<COnePoleFilter>();
    onePole->setFrequency(100.0f);

    std::vector<Block> result = {
        [orv](float* x, int n)
        {
            for (int i = 0; i < n; ++i) x[i] = orv->process(x[i]);
        },
        [bell](float* x, int n) { bell->process(x, n); },
        [onePole](float* x, int n)
        {
            for (int i = 0; i < n; ++i) x[i] = onePole->process(x[i]);
        },
    };
    for (int mode : {0, 1, 2})
    {
        auto section = std::make_shared<CSectionProcessor>();
        section->setSampleRate(48000.0f);
        section->setBlockSize(256);
        section->setSaturationOn(true);
        section->setSaturationMode(mode);
        section->setDrive(0.7f);
        section->setColour(0.9f);
        result.emplace_back(
            [section](float* x, int n)
            {
                float* channels[1] = {x};
                section->process(channels, n, 1);
            });
    }
    return result;
}
} // namespace

// Tiny inputs and decaying tails are held to exact zeros on every output by the signal-path
// tests; a non-finite sample is caught here, filter by filter.
TEST(Denormals, NonFiniteInputDoesNotPoisonTheState)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    int chain = 0;
    for (const Block& process : chains())
    {
        SCOPED_TRACE(chain++);
        std::vector<float> x(512, 0.25f);
        x[10] = nan;
        x[20] = std::numeric_limits<float>::infinity();
        process(x.data(), 256);
        process(x.data() + 256, 256);
        for (size_t i = 300; i < x.size(); ++i) ASSERT_TRUE(std::isfinite(x[i]));
    }

    CDynaSplitter splitter;
    splitter.setSampleRate(48000.0f);
    splitter.setBlockSize(256);
    std::vector<float> main(256, 0.5f), side(256, 0.5f);
    side[3] = nan;
    float* m[1] = {main.data()};
    float* s[1] = {side.data()};
    splitter.process(m, s, 256, 1);
    for (float v : main) ASSERT_TRUE(std::isfinite(v));
    EXPECT_TRUE(std::isfinite(splitter.getMaxLevel()));
}
