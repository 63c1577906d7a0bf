// What one display pays to follow a band change: the band's response over every column and the
// combined curve, at one and two columns per layout pixel (100 % and 200 % zoom).
#include "code/ParameterIndex.h"
#include "code/editor/displays/ParamEqView2.h"

#include <benchmark/benchmark.h>

namespace
{

void curveAfterBandChange(benchmark::State& state)
{
    // The editor's Below display.
    CParamEqView2 display(VSTGUI::CRect(26, 394, 509, 656), nullptr, velqa::kBandsPerSection, 1,
                          velqa::kEqBelowBase, VSTGUI::CPoint(10, 10), VSTGUI::CColor(),
                          VSTGUI::CColor());
    display.setResolution(static_cast<double>(state.range(0)) / 100.0);
    display.setSampleRate(48000.0);
    for (int b = 0; b < velqa::kBandsPerSection; ++b) display.setGroupFlag(b, true);
    display.updateCurve();
    const VSTGUI::int32 gain = velqa::eqIndex(velqa::kSectionBelow, 2, velqa::kBandGain);
    float v = 0.5f;
    for (auto _ : state)
    {
        v = v > 0.9f ? 0.1f : v + 0.01f;
        display.setParameter(gain, v);
        display.updateCurve();
        benchmark::DoNotOptimize(display.curveY(0));
    }
    state.counters["columns"] = display.getAxis().columns();
}
BENCHMARK(curveAfterBandChange)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
