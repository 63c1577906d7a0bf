#include "VST3Adapter/VSTGUIEditor.h"

#include "vstgui/lib/cframe.h"

namespace Steinberg::Vst
{

VSTGUIEditor::VSTGUIEditor(EditController* controller, ViewRect* size)
    : EditorView(controller, size)
{
}

VSTGUIEditor::~VSTGUIEditor()
{
    runLoop.setHostLoop(nullptr);
}

VSTGUI::X11::FrameConfig VSTGUIEditor::makeFrameConfig()
{
    Linux::IRunLoop* loop = nullptr;
    if (plugFrame && plugFrame->queryInterface(Linux::IRunLoop::iid,
                                               reinterpret_cast<void**>(&loop)) != kResultOk)
        loop = nullptr;
    runLoop.setHostLoop(loop);
    if (loop) loop->release(); // the bridge keeps its own reference
    VSTGUI::X11::FrameConfig config;
    config.runLoop = runLoop.hasHostLoop() ? &runLoop : nullptr;
    config.contentScale = contentScale;
    return config;
}

tresult PLUGIN_API VSTGUIEditor::attached(void* parent, FIDString type)
{
    if (!parent) return kInvalidArgument;
    if (isPlatformTypeSupported(type) != kResultTrue || isAttached()) return kResultFalse;
    if (!open(parent)) return kResultFalse;
    runLoop.startTimer(static_cast<uint64>(idleRate), [this] { onIdleTimer(); });
    return EditorView::attached(parent, type);
}

tresult PLUGIN_API VSTGUIEditor::removed()
{
    if (!isAttached()) return kResultFalse;
    runLoop.stopTimer();
    close();
    const tresult result = EditorView::removed();
    runLoop.setHostLoop(nullptr);
    return result;
}

tresult PLUGIN_API VSTGUIEditor::onWheel(float distance)
{
    if (!frame) return kResultFalse;
    VSTGUI::CPoint where;
    if (!frame->getCurrentMouseLocation(where)) return kResultFalse;
    const double scale = frame->getScaleFactor();
    where.x *= scale;
    where.y *= scale;
    return frame->platformOnMouseWheel(where, distance, VSTGUI::CButtonState()) ? kResultTrue
                                                                                : kResultFalse;
}

namespace
{
// The VST 3 modifier bits (Shift 1, Alt 2, Command 4, Control 8) are the toolkit's.
VSTGUI::KeyCode toKeyCode(char16 key, int16 keyCode, int16 modifiers)
{
    VSTGUI::KeyCode code;
    code.character = key;
    code.virt = static_cast<VSTGUI::uint8>(keyCode);
    code.modifier = static_cast<VSTGUI::uint8>(modifiers);
    return code;
}
} // namespace

tresult PLUGIN_API VSTGUIEditor::onKeyDown(char16 key, int16 keyCode, int16 modifiers)
{
    if (!frame) return kResultFalse;
    VSTGUI::KeyCode code = toKeyCode(key, keyCode, modifiers);
    return frame->platformOnKeyDown(code) == 1 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::onKeyUp(char16 key, int16 keyCode, int16 modifiers)
{
    if (!frame) return kResultFalse;
    VSTGUI::KeyCode code = toKeyCode(key, keyCode, modifiers);
    return frame->platformOnKeyUp(code) == 1 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::setContentScaleFactor(ScaleFactor factor)
{
    if (!(factor >= 0.5f && factor <= 4.0f)) return kResultFalse;
    if (contentScale == factor) return kResultTrue;
    contentScale = factor;
    if (frame) frame->setContentScale(factor);
    contentScaleChanged();
    return kResultTrue;
}

} // namespace Steinberg::Vst
