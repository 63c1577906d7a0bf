#include "code/soundengine/DynaSplitter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace
{
// A 10 kHz tone at 1 MHz reaches its peak within 0.05 % every half period, so the peak envelope
// stays within 1 % of the amplitude and the gain law can be read off the kept buffers.
constexpr float kRate = 1.0e6f;
constexpr int kBlock = 4096;
constexpr long kPeriod = 100;
constexpr double kTwoPi = 6.283185307179586;

struct Rig
{
    Rig()
    {
        splitter.setSampleRate(kRate);
        splitter.setBlockSize(kBlock);
        // The single-precision filter state is too coarse for a 20 Hz low cut at 1 MHz.
        splitter.setLoCut(1000.0f);
        splitter.setThreshold(0.125f);
        splitter.setRatio(1.0f); // 100:1
        for (auto* v : {&left, &right, &scLeft, &scRight}) v->assign(kBlock, 0.0f);
    }

    // Blocks of a tone on the side chain; main carries the tone too, or 1.0 with an external one.
    void run(int blocks, float amplitudeL, float amplitudeR, bool external = false,
             int channels = 2)
    {
        for (int b = 0; b < blocks; ++b)
        {
            for (int i = 0; i < kBlock; ++i)
            {
                const auto s = static_cast<float>(std::sin(kTwoPi * (phase++ % kPeriod) / kPeriod));
                scLeft[i] = amplitudeL * s;
                scRight[i] = amplitudeR * s;
                left[i] = external ? 1.0f : scLeft[i];
                right[i] = external ? 1.0f : scRight[i];
            }
            float* main[2] = {left.data(), right.data()};
            float* side[2] = {scLeft.data(), scRight.data()};
            splitter.process(main, external ? side : nullptr, kBlock, channels);
            gains.insert(gains.end(), splitter.gainChannel(), splitter.gainChannel() + kBlock);
            levels.insert(levels.end(), splitter.levelChannel(), splitter.levelChannel() + kBlock);
        }
    }

    static double meanOfLastBlock(const std::vector<float>& v)
    {
        return std::accumulate(v.end() - kBlock, v.end(), 0.0) / kBlock;
    }

    CDynaSplitter splitter;
    std::vector<float> left, right, scLeft, scRight, gains, levels;
    long phase = 0;
};
} // namespace

// The threshold arrives as a level (the curve is the parameter mapping's); it is held above
// -66 dB, and indices beyond the splitter's own are refused.
TEST(DynaSplitter, ThresholdHasAFloorAndForeignIndicesAreRefused)
{
    CDynaSplitter splitter;
    splitter.setParameter(CDynaSplitter::kThreshold, 0.0f);
    EXPECT_FLOAT_EQ(splitter.getThreshold(), 0.0005f);
    EXPECT_FALSE(splitter.setParameter(4, 0.5f));
}

TEST(DynaSplitter, HardKneePowerLawAboveThreshold)
{
    for (float ratio : {1.0f, 2.0f, 10.0f})
        for (float amplitude : {0.1f, 0.14f, 0.5f, 0.9f})
        {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << " amplitude " << amplitude);
            Rig rig;
            rig.splitter.setRatio(std::sqrt((ratio - 1.0f) / 99.0f));
            rig.splitter.setAttack(1.0f);   // 100 ms
            rig.splitter.setRelease(0.04f); // 101 ms: the ripple does not bias the mean
            rig.run(60, amplitude, amplitude);
            const double level = Rig::meanOfLastBlock(rig.levels);
            const double gain = Rig::meanOfLastBlock(rig.gains);
            if (amplitude < 0.125f || ratio == 1.0f)
                EXPECT_EQ(rig.splitter.getMinGain(), 1.0f);
            else
                EXPECT_NEAR(gain, std::pow(level / 0.125, 1.0 / ratio - 1.0), 0.01 * gain);
            EXPECT_NEAR(rig.splitter.getMaxLevel(), amplitude, 0.01 * amplitude);
            const size_t i = kBlock / 3;
            EXPECT_FLOAT_EQ(rig.left[i], rig.gains[rig.gains.size() - kBlock + i] * rig.scLeft[i]);
        }
}

TEST(DynaSplitter, AttackAndReleaseTimeConstantsOnSteps)
{
    Rig rig;
    rig.splitter.setAttack(0.1992f);   // 20 ms
    rig.splitter.setRelease(0.39976f); // 1 s
    rig.run(2, 0.0f, 0.0f);
    const size_t step = rig.gains.size();
    rig.run(60, 0.5f, 0.5f);
    const double settled = rig.gains.back();
    EXPECT_NEAR(settled, std::pow(4.0, 0.01 - 1.0), 0.01);

    // A time t gives a one-pole with cutoff 1/t Hz, that is a time constant of t / 2π.
    const double attackTarget = settled + (1.0 - settled) * std::exp(-1.0);
    size_t n = step;
    while (rig.gains[n] > attackTarget) ++n;
    EXPECT_NEAR(static_cast<double>(n - step), 0.020 * kRate / kTwoPi,
                0.03 * 0.020 * kRate / kTwoPi);

    // Release runs through two equal one-poles, which cover 1 − 2/e of the way in one time
    // constant, counted from where the envelope falls below the threshold.
    const size_t silence = rig.gains.size();
    rig.run(180, 0.0f, 0.0f);
    size_t start = silence;
    while (rig.levels[start] >= 0.125f) ++start;
    const double from = rig.gains[start];
    const double releaseTarget = from + (1.0 - from) * (1.0 - 2.0 * std::exp(-1.0));
    n = start;
    while (n < rig.gains.size() && rig.gains[n] < releaseTarget) ++n;
    EXPECT_NEAR(static_cast<double>(n - start), kRate / kTwoPi, 0.03 * kRate / kTwoPi);
}

TEST(DynaSplitter, ChannelsLinkByTheLargerLevelAndMonoLeavesChannelOneAlone)
{
    Rig leftLoud, rightLoud;
    leftLoud.run(8, 0.6f, 0.05f, true);
    rightLoud.run(8, 0.05f, 0.6f, true);
    EXPECT_LT(leftLoud.splitter.getMinGain(), 0.5f);
    EXPECT_EQ(leftLoud.left, leftLoud.right);
    for (size_t i = 0; i < leftLoud.gains.size(); ++i)
        ASSERT_NEAR(leftLoud.gains[i], rightLoud.gains[i], 1e-6f);

    Rig mono;
    mono.run(4, 0.6f, 0.6f, true, 1);
    EXPECT_LT(mono.splitter.getMinGain(), 0.5f);
    for (int i = 0; i < kBlock; ++i)
    {
        ASSERT_EQ(mono.right[i], 1.0f);
        ASSERT_EQ(mono.splitter.sideChainChannels()[1][i], 0.0f);
    }
}

TEST(DynaSplitter, SilenceEmptyAndOversizedBlocks)
{
    Rig rig;
    rig.run(3, 0.0f, 0.0f);
    EXPECT_EQ(rig.splitter.getMinGain(), 1.0f);
    EXPECT_EQ(rig.splitter.getMaxLevel(), 0.0f);
    float* channels[2] = {rig.left.data(), rig.right.data()};
    rig.splitter.process(channels, nullptr, 0, 2);
    EXPECT_EQ(rig.splitter.getMinGain(), 1111.0f);
    EXPECT_EQ(rig.splitter.getMaxLevel(), 0.0f);

    // A block longer than prepared is processed whole, as if split into prepared blocks.
    // Nor do odd block lengths change anything: the detector carries its state sample by sample.
    CDynaSplitter whole, pieces, odd;
    for (CDynaSplitter* s : {&whole, &pieces, &odd})
    {
        s->setSampleRate(48000.0f);
        s->setBlockSize(256);
        s->setRatio(1.0f);
    }
    std::vector<float> a(1000), b(1000), c(1000);
    for (int i = 0; i < 1000; ++i)
        a[i] = b[i] = c[i] = 0.8f * std::sin(0.05f * static_cast<float>(i));
    float* wholeChannels[1] = {a.data()};
    whole.process(wholeChannels, nullptr, 1000, 1);
    for (int offset = 0; offset < 1000; offset += 256)
    {
        float* slice[1] = {b.data() + offset};
        pieces.process(slice, nullptr, std::min(256, 1000 - offset), 1);
    }
    EXPECT_EQ(a, b);
    const int lengths[] = {1, 17, 40, 3, 16};
    for (int offset = 0, k = 0; offset < 1000; offset += lengths[k++ % 5])
    {
        float* slice[1] = {c.data() + offset};
        odd.process(slice, nullptr, std::min(lengths[k % 5], 1000 - offset), 1);
    }
    EXPECT_EQ(a, c);
}
