#include "code/soundengine/BiquadLanes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace
{

constexpr float kRate = 48000.0f;

// Programme with the awkward values filters meet: denormals, silence, NaN, infinities and
// values big enough to overflow a stage.
std::vector<float> awkwardSignal(std::mt19937& rng, int frames)
{
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    std::vector<float> x(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
    {
        float v = uniform(rng);
        switch (rng() % 97)
        {
        case 0:
            v = std::numeric_limits<float>::quiet_NaN();
            break;
        case 1:
            v = std::numeric_limits<float>::infinity();
            break;
        case 2:
            v = 3e38f;
            break;
        case 3:
            v = 1e-41f;
            break;
        default:
            break;
        }
        if (i > frames / 2 && i < frames / 2 + 200) v = 1e-39f * v; // a decaying tail
        x[static_cast<size_t>(i)] = v;
    }
    return x;
}

void randomise(std::mt19937& rng, CBiquad& a, CBiquad& b)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int types[] = {CBiquad::kBell,     CBiquad::kLowShelf, CBiquad::kHighShelf,
                         CBiquad::kHighPass, CBiquad::kLowPass,  CBiquad::kBandPass};
    const int type = types[rng() % 6];
    const double f = 20.0 * std::pow(1000.0, unit(rng));
    const double gain = std::pow(10.0, (unit(rng) - 0.5) * 2.4);
    const double q = 0.3 + 4.0 * unit(rng);
    a.set(kRate, type, f, f, gain, q);
    b = a;
}

void randomise(std::mt19937& rng, COrvFilter& a, COrvFilter& b)
{
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const int type = static_cast<int>(rng() % 3);
    const float f = 20.0f * std::pow(1000.0f, unit(rng));
    for (COrvFilter* filter : {&a, &b})
    {
        filter->setSampleRate(kRate);
        filter->setType(type);
        filter->setFrequency(f);
    }
}

bool sameState(const CBiquad& a, const CBiquad& b)
{
    return a.x1 == b.x1 && a.x2 == b.x2 && a.y1 == b.y1 && a.y2 == b.y2;
}

bool sameState(const COrvFilter& a, const COrvFilter& b)
{
    return a.x1 == b.x1 && a.x2 == b.x2 && a.y1 == b.y1 && a.y2 == b.y2;
}

float scalarProcess(CBiquad& f, float x)
{
    return f.processSample(x);
}

float scalarProcess(COrvFilter& f, float x)
{
    return f.process(x);
}

// Random lane shapes, each cut into calls of awkward lengths, against the scalar filters.
template <class Filter> void compareWithScalar(unsigned seed)
{
    std::mt19937 rng(seed);
    for (int trial = 0; trial < 60; ++trial)
    {
        const int lanes = 1 + trial % CBiquadLanes::kMaxLanes;
        std::vector<std::vector<std::unique_ptr<Filter>>> laneFilters(lanes), reference(lanes);
        std::vector<std::vector<float>> signal(lanes), expected(lanes);
        const int frames = 700;
        for (int l = 0; l < lanes; ++l)
        {
            // Unequal cascades, sometimes empty, sometimes the longest allowed.
            const int stages = static_cast<int>(rng() % (CBiquadLanes::kMaxStages + 1));
            for (int s = 0; s < stages; ++s)
            {
                laneFilters[l].push_back(std::make_unique<Filter>());
                reference[l].push_back(std::make_unique<Filter>());
                randomise(rng, *laneFilters[l].back(), *reference[l].back());
            }
            signal[l] = awkwardSignal(rng, frames);
            expected[l] = signal[l];
            for (float& x : expected[l])
                for (auto& f : reference[l]) x = scalarProcess(*f, x);
        }

        const int cuts[] = {1, 5, 128, 300, 266};
        int offset = 0;
        CBiquadLanes runner;
        for (int cut : cuts)
        {
            runner.clear();
            for (int l = 0; l < lanes; ++l)
            {
                std::vector<Filter*> stages;
                for (auto& f : laneFilters[l]) stages.push_back(f.get());
                ASSERT_TRUE(runner.add(signal[l].data() + offset, stages.data(),
                                       static_cast<int>(stages.size())));
            }
            runner.process(cut);
            offset += cut;
        }
        ASSERT_EQ(offset, frames);

        for (int l = 0; l < lanes; ++l)
        {
            SCOPED_TRACE(testing::Message() << "trial " << trial << " lane " << l << " of " << lanes
                                            << ", " << laneFilters[l].size() << " stages");
            EXPECT_EQ(std::memcmp(signal[l].data(), expected[l].data(),
                                  sizeof(float) * static_cast<size_t>(frames)),
                      0);
            for (size_t s = 0; s < laneFilters[l].size(); ++s)
                EXPECT_TRUE(sameState(*laneFilters[l][s], *reference[l][s])) << "stage " << s;
        }
    }
}

} // namespace

TEST(BiquadLanes, BiquadCascadesEqualTheScalarFiltersBitForBit)
{
    compareWithScalar<CBiquad>(1);
}

TEST(BiquadLanes, RoundedStateCascadesEqualTheScalarFiltersBitForBit)
{
    compareWithScalar<COrvFilter>(2);
}

TEST(BiquadLanes, RefusesWhatItCannotRun)
{
    CBiquadLanes runner;
    CBiquad biquads[CBiquadLanes::kMaxStages + 1];
    CBiquad* stages[CBiquadLanes::kMaxStages + 1];
    for (int s = 0; s <= CBiquadLanes::kMaxStages; ++s) stages[s] = &biquads[s];
    COrvFilter orv;
    COrvFilter* orvStages[] = {&orv};
    float samples[4] = {};

    EXPECT_FALSE(runner.add(samples, stages, CBiquadLanes::kMaxStages + 1));
    EXPECT_FALSE(runner.add(nullptr, stages, 1));
    EXPECT_TRUE(runner.add(samples, stages, 1));
    // The two filter kinds keep different state and cannot share one run.
    EXPECT_FALSE(runner.add(samples, orvStages, 1));
    for (int l = 1; l < CBiquadLanes::kMaxLanes; ++l) EXPECT_TRUE(runner.add(samples, stages, 1));
    EXPECT_FALSE(runner.add(samples, stages, 1));
    runner.clear();
    EXPECT_TRUE(runner.add(samples, orvStages, 1));
}
