// What one press of undo costs when it reverts an EQ reset: 25 parameters through the effect,
// the host's edits and the controls brought up to date.
#include "code/ParameterIndex.h"
#include "code/Plug.h"
#include "code/editor/EditorTags.h"
#include "code/editor/Gui.h"
#include "code/editor/controls/CButtonMO.h"
#include "resources/EmbeddedResources.h"
#include "vstgui/lib/cframe.h"

#include <benchmark/benchmark.h>

namespace
{

using namespace VSTGUI;

VstIntPtr silentHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

void press(CGui& gui, int32 tag)
{
    CControl* button = gui.getControl(tag);
    button->setValue(1.0f);
    gui.valueChanged(button);
    button->setValue(0.0f);
    gui.valueChanged(button);
}

bool enabled(const CGui& gui, int32 tag)
{
    const auto* button = dynamic_cast<const CCButtonMO*>(gui.getControl(tag));
    return button && !button->isDisabled();
}

void BM_UndoOfEqReset(benchmark::State& state)
{
    velqa::registerEmbeddedResources();
    CPlug plug(silentHost);
    auto* gui = dynamic_cast<CGui*>(plug.getEditor());
    if (!gui || !gui->openOffscreen(1.0)) return state.SkipWithError("editor did not open");
    for (VstInt32 i = velqa::kEqAboveBase; i < velqa::kEqAboveBase + velqa::kFieldsPerSection; ++i)
        plug.setParameter(i, 0.8f);

    // Ctrl-click on the EQ A switch: the reset is one step of 25 parameters.
    const CControl* eqSwitch = gui->getControl(velqa::editor::kTagEqAboveOn);
    CPoint centre = eqSwitch->getViewSize().getCenter();
    eqSwitch->localToFrame(centre);
    gui->getFrame()->platformOnMouseDown(centre, CButtonState(kLButton | kControl));
    gui->getFrame()->platformOnMouseUp(centre, CButtonState(kLButton | kControl));
    if (!enabled(*gui, velqa::editor::kTagUndo)) return state.SkipWithError("nothing to undo");

    for (auto _ : state)
    {
        press(*gui, velqa::editor::kTagUndo);
        state.PauseTiming();
        press(*gui, velqa::editor::kTagRedo);
        state.ResumeTiming();
    }
    press(*gui, velqa::editor::kTagUndo);
    if (plug.getParameter(velqa::kEqAboveBase + 1) != 0.8f) state.SkipWithError("undo did nothing");
    gui->close();
}
BENCHMARK(BM_UndoOfEqReset)->Unit(benchmark::kMicrosecond);

} // namespace
