// Real-time factor of the whole processReplacing: the "realtime" counter is seconds of 48 kHz
// stereo audio processed per second of CPU time, counted over the whole process so that the
// analyser workers' share is included.
#include "code/Plug.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

using namespace velqa;

namespace
{

constexpr int kRate = 48000;
constexpr int kBlock = 512;

VstIntPtr quietHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

// Both sections saturating and all ten equaliser bands active.
void makeHeavy(CPlug& plug)
{
    plug.setParameter(kDyna, 0.4f);
    plug.setParameter(kRatio, 0.5f);
    for (VstInt32 index : {kSatOnBelow, kSatOnAbove}) plug.setParameter(index, 1.0f);
    for (VstInt32 index : {kSatBelow, kSatAbove}) plug.setParameter(index, 0.7f);
    for (Section section : {kSectionBelow, kSectionAbove})
        for (int band = 0; band < kBandsPerSection; ++band)
            plug.setParameter(eqIndex(section, band, kBandGain), band % 2 ? 0.6f : 0.4f);
}

void runPath(benchmark::State& state, bool heavy, int factor)
{
    CPlug plug(&quietHost);
    plug.setSampleRate(kRate);
    plug.setBlockSize(kBlock);
    plug.resume();
    if (heavy) makeHeavy(plug);
    if (factor > 1)
    {
        plug.setParameter(kOversamplingFactor, static_cast<float>(std::log2(factor) - 1) / 128.0f);
        plug.setParameter(kOversamplingOn, 1.0f);
    }
    // A second of programme, read block by block.
    constexpr int kProgram = kRate;
    std::vector<std::vector<float>> in(2, std::vector<float>(kProgram + kBlock));
    for (size_t i = 0; i < in[0].size(); ++i)
    {
        in[0][i] = 0.7f * std::sin(0.031f * static_cast<float>(i));
        in[1][i] = 0.5f * std::sin(0.047f * static_cast<float>(i));
    }
    std::vector<std::vector<float>> out(CPlug::kNumOutputs, std::vector<float>(kBlock));
    float* outputs[CPlug::kNumOutputs];
    for (int c = 0; c < CPlug::kNumOutputs; ++c) outputs[c] = out[static_cast<size_t>(c)].data();
    size_t offset = 0;
    for (auto _ : state)
    {
        float* inputs[] = {in[0].data() + offset, in[1].data() + offset};
        plug.processReplacing(inputs, outputs, kBlock);
        benchmark::DoNotOptimize(out[0].data());
        offset = (offset + kBlock) % kProgram;
    }
    state.counters["realtime"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kBlock / kRate, benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK_CAPTURE(runPath, defaults, false, 1)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(runPath, saturated_all_bands, true, 1)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(runPath, oversampled_2x, true, 2)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(runPath, oversampled_4x, true, 4)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(runPath, oversampled_8x, true, 8)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(runPath, oversampled_16x, true, 16)->MeasureProcessCPUTime();

BENCHMARK_MAIN();
