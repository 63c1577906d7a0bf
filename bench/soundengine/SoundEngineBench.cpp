#include "code/soundengine/BiquadLanes.h"
#include "code/soundengine/Delay.h"
#include "code/soundengine/DynaSplitter.h"
#include "code/soundengine/EqBank.h"
#include "code/soundengine/FastExp.h"
#include "code/soundengine/SectionProcessor.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

// Every benchmark runs 512-frame blocks; items processed count single-channel samples, so the
// reported items/s gives the time per sample.

namespace
{
constexpr int kBlock = 512;
constexpr float kRate = 48000.0f;

std::vector<float> tone(float amplitude, float step)
{
    std::vector<float> x(kBlock);
    for (int i = 0; i < kBlock; ++i) x[i] = amplitude * std::sin(step * static_cast<float>(i));
    return x;
}

void countSamples(benchmark::State& state, int channels)
{
    state.SetItemsProcessed(state.iterations() * kBlock * channels);
}
} // namespace

static void BM_Biquad(benchmark::State& state)
{
    CBiquad filter;
    filter.setPeak(kRate, 1000.0f, 1.0f, 2.0f);
    const std::vector<float> source = tone(0.5f, 0.05f);
    std::vector<float> x = source;
    for (auto _ : state)
    {
        filter.process(x.data(), kBlock);
        benchmark::DoNotOptimize(x.data());
    }
    countSamples(state, 1);
}
BENCHMARK(BM_Biquad);

static void BM_OrvFilterFourthOrder(benchmark::State& state)
{
    COrvFilter filter(COrvFilter::kHighPass, kRate);
    filter.setFourthOrder(true);
    filter.setFrequency(100.0f);
    std::vector<float> x = tone(0.5f, 0.05f);
    for (auto _ : state)
    {
        for (float& v : x) v = filter.process(v);
        benchmark::DoNotOptimize(x.data());
    }
    countSamples(state, 1);
}
BENCHMARK(BM_OrvFilterFourthOrder);

static void BM_OnePole(benchmark::State& state)
{
    COnePoleFilter filter;
    filter.setSampleRate(kRate);
    filter.setFrequency(5.0f);
    std::vector<float> x = tone(0.5f, 0.05f);
    for (auto _ : state)
    {
        for (float& v : x) v = filter.process(v);
        benchmark::DoNotOptimize(x.data());
    }
    countSamples(state, 1);
}
BENCHMARK(BM_OnePole);

static void BM_DelayFractional(benchmark::State& state)
{
    CDelay delay;
    delay.allocate(8192);
    delay.setDelay(4410.25f);
    std::vector<float> x = tone(0.5f, 0.05f);
    for (auto _ : state)
    {
        delay.processBlock(x.data(), kBlock);
        benchmark::DoNotOptimize(x.data());
    }
    countSamples(state, 1);
}
BENCHMARK(BM_DelayFractional);

// Low shelf, three bells and a high shelf, all boosting or cutting.
static void configureFiveBands(CEqBank& bank)
{
    bank.init(5, 43, 20.0f, 20000.0f);
    bank.setSampleRate(kRate);
    const float kinds[5] = {3.0f, 1.0f, 1.0f, 1.0f, 2.0f};
    for (int band = 0; band < 5; ++band)
    {
        const int base = 43 + band * 5;
        bank.setParameter(base, kinds[band] / 128.0f);
        bank.setParameter(base + 1, 0.15f + 0.17f * band);
        bank.setParameter(base + 2, band % 2 ? 0.7f : 0.35f);
        bank.setParameter(base + 3, 0.31f);
    }
    bank.update(true);
}

static void BM_EqBankFiveBands(benchmark::State& state)
{
    CEqBank bank;
    configureFiveBands(bank);
    std::vector<float> x = tone(0.5f, 0.05f);
    for (auto _ : state)
    {
        bank.process(x.data(), kBlock);
        benchmark::DoNotOptimize(x.data());
    }
    countSamples(state, 1);
}
BENCHMARK(BM_EqBankFiveBands);

// Four channels of five bands, run side by side as the sections run them.
static void BM_EqBanksInLanes(benchmark::State& state)
{
    const int lanes = static_cast<int>(state.range(0));
    std::vector<CEqBank> banks(static_cast<size_t>(lanes));
    for (CEqBank& bank : banks) configureFiveBands(bank);
    std::vector<std::vector<float>> x(static_cast<size_t>(lanes), tone(0.5f, 0.05f));
    CBiquadLanes runner;
    for (auto _ : state)
    {
        runner.clear();
        for (int l = 0; l < lanes; ++l)
        {
            CBiquad* filters[5];
            const int count = banks[static_cast<size_t>(l)].activeFilters(filters);
            runner.add(x[static_cast<size_t>(l)].data(), filters, count);
        }
        runner.process(kBlock);
        benchmark::DoNotOptimize(x[0].data());
    }
    countSamples(state, lanes);
}
BENCHMARK(BM_EqBanksInLanes)->Arg(2)->Arg(4);

static void BM_SplitterAboveThreshold(benchmark::State& state)
{
    CDynaSplitter splitter;
    splitter.setSampleRate(kRate);
    splitter.setBlockSize(kBlock);
    splitter.setThreshold(0.05f);
    splitter.setRatio(0.3f);
    const std::vector<float> source = tone(0.8f, 0.05f);
    std::vector<float> left = source, right = source;
    float* channels[2] = {left.data(), right.data()};
    for (auto _ : state)
    {
        // Fresh input each block, so the detector stays above the threshold.
        std::copy(source.begin(), source.end(), left.begin());
        std::copy(source.begin(), source.end(), right.begin());
        splitter.process(channels, nullptr, kBlock, 2);
        benchmark::DoNotOptimize(left.data());
    }
    countSamples(state, 2);
}
BENCHMARK(BM_SplitterAboveThreshold);

static void BM_SectionProcessor(benchmark::State& state)
{
    CSectionProcessor section;
    section.setSampleRate(kRate);
    section.setBlockSize(kBlock);
    section.setSaturationOn(true);
    section.setSaturationMode(static_cast<int>(state.range(0)));
    section.setDrive(0.6f);
    section.setColour(0.7f);
    section.setMix(0.8f);
    section.setWidthOn(true);
    section.setWidth(0.7f);
    const std::vector<float> source = tone(0.7f, 0.05f);
    std::vector<float> left = source, right = source;
    float* channels[2] = {left.data(), right.data()};
    for (auto _ : state)
    {
        std::copy(source.begin(), source.end(), left.begin());
        std::copy(source.begin(), source.end(), right.begin());
        section.process(channels, kBlock, 2);
        benchmark::DoNotOptimize(left.data());
    }
    countSamples(state, 2);
}
BENCHMARK(BM_SectionProcessor)->ArgName("mode")->Arg(0)->Arg(1)->Arg(2);

// The saturation's exponential: the library call per sample against the packed approximation.
static void BM_Exp(benchmark::State& state, bool fast)
{
    std::vector<float> in(1024), out(in.size());
    for (size_t i = 0; i < in.size(); ++i) in[i] = -8.0f * static_cast<float>(i) / 1024.0f;
    for (auto _ : state)
    {
        if (fast)
            velqa::fastExpBlock(in.data(), out.data(), static_cast<int>(in.size()));
        else
            for (size_t i = 0; i < in.size(); ++i) out[i] = std::exp(in[i]);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(in.size()));
}
BENCHMARK_CAPTURE(BM_Exp, std_exp, false);
BENCHMARK_CAPTURE(BM_Exp, fastExp, true);

BENCHMARK_MAIN();
