// Cost of the editor's idle tick, which the view runs 20 times a second: with nothing to
// redraw, and with the two section meters moving as they do while audio plays.
#include "code/ParameterIndex.h"
#include "code/Plug.h"
#include "code/editor/Gui.h"
#include "resources/EmbeddedResources.h"

#include <benchmark/benchmark.h>

namespace
{

VstIntPtr silentHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

struct OpenEditor
{
    OpenEditor()
    {
        velqa::registerEmbeddedResources();
        gui = dynamic_cast<CGui*>(plug.getEditor());
        if (gui) gui->openOffscreen(1.0);
    }
    ~OpenEditor()
    {
        if (gui) gui->close();
    }
    CPlug plug{silentHost};
    CGui* gui = nullptr;
};

void BM_IdleTickNothingChanged(benchmark::State& state)
{
    OpenEditor editor;
    if (!editor.gui || !editor.gui->isReady()) return state.SkipWithError("editor did not open");
    editor.gui->idle();
    for (auto _ : state) editor.gui->idle();
}
BENCHMARK(BM_IdleTickNothingChanged);

void BM_IdleTickMetersMoving(benchmark::State& state)
{
    OpenEditor editor;
    if (!editor.gui || !editor.gui->isReady()) return state.SkipWithError("editor did not open");
    float level = 0.f;
    for (auto _ : state)
    {
        level = level > 0.9f ? 0.1f : level + 0.05f;
        editor.plug.setParameter(velqa::kMeterAbove, level);
        editor.plug.setParameter(velqa::kMeterBelow, 1.f - level);
        editor.gui->idle();
    }
}
BENCHMARK(BM_IdleTickMetersMoving);

} // namespace

BENCHMARK_MAIN();
