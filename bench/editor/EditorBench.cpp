// What the editor costs its host: opening (tables to the first full picture), the idle tick the
// view runs 20 times a second, and a full redraw at the largest zoom.
#include "code/ParameterIndex.h"
#include "code/Plug.h"
#include "code/editor/Gui.h"
#include "resources/EmbeddedResources.h"
#include "vstgui/lib/platform/offscreenframe.h"

#include <benchmark/benchmark.h>

namespace
{

VstIntPtr silentHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

struct Effect
{
    Effect()
    {
        velqa::registerEmbeddedResources();
        gui = dynamic_cast<CGui*>(plug.getEditor());
    }
    ~Effect()
    {
        if (gui) gui->close();
    }
    // Open on an image and draw everything once, as a window's first expose does.
    bool open()
    {
        if (!gui || !gui->openOffscreen(1.0)) return false;
        gui->getOffscreenFrame()->redrawAll();
        return true;
    }
    CPlug plug{silentHost};
    CGui* gui = nullptr;
};

// The first opening in a process also waits for the artwork to be decoded.
void BM_OpenFirstInProcess(benchmark::State& state)
{
    for (auto _ : state)
    {
        Effect effect;
        if (!effect.open()) return state.SkipWithError("editor did not open");
    }
}
BENCHMARK(BM_OpenFirstInProcess)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Open(benchmark::State& state)
{
    Effect effect;
    for (auto _ : state)
    {
        if (!effect.open()) return state.SkipWithError("editor did not open");
        effect.gui->close();
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

void BM_IdleTickNothingChanged(benchmark::State& state)
{
    Effect effect;
    if (!effect.open()) return state.SkipWithError("editor did not open");
    effect.gui->idle();
    for (auto _ : state) effect.gui->idle();
}
BENCHMARK(BM_IdleTickNothingChanged)->Unit(benchmark::kMicrosecond);

void BM_IdleTickMetersMoving(benchmark::State& state)
{
    Effect effect;
    if (!effect.open()) return state.SkipWithError("editor did not open");
    float level = 0.f;
    for (auto _ : state)
    {
        level = level > 0.9f ? 0.1f : level + 0.05f;
        effect.plug.setParameter(velqa::kMeterAbove, level);
        effect.plug.setParameter(velqa::kMeterBelow, 1.f - level);
        effect.gui->idle();
    }
}
BENCHMARK(BM_IdleTickMetersMoving)->Unit(benchmark::kMicrosecond);

void BM_FullRedrawAt200Percent(benchmark::State& state)
{
    Effect effect;
    if (!effect.open() || !effect.gui->setZoom(2.0, false))
        return state.SkipWithError("editor did not open at 200 %");
    effect.gui->idle();
    for (auto _ : state) effect.gui->getOffscreenFrame()->redrawAll();
}
BENCHMARK(BM_FullRedrawAt200Percent)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
