#include "VST3Adapter/ViewAdapter.h"

#include "VST3Adapter/EditorPlatform.h"
#include "VST3Adapter/VST2Adapter.h"
#include "VST3Adapter/vst2base/aeffeditor.h"
#include "VST3Adapter/vst2base/audioeffectx.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/controls/ctextlabel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Steinberg::Vst
{

ViewAdapter::ViewAdapter(EditController* controller) : VSTGUIEditor(controller)
{
    adapter = FCast<VST2Adapter>(controller);
    int32 width = kEmptySize;
    int32 height = kEmptySize;
    if (adapter && adapter->getEffect())
    {
        editor = adapter->getEffect()->getEditor();
        ERect* editorRect = nullptr;
        if (editor && editor->getRect(&editorRect) && editorRect)
        {
            width = editorRect->right;
            height = editorRect->bottom;
        }
    }
    setIdleRate(kIdleMilliseconds);
    rect = ViewRect(0, 0, width, height);
}

ViewAdapter::~ViewAdapter()
{
    // A host that drops a view without removing it first must not leave the window open.
    if (frame) close();
}

VSTGUI::VSTGUIEditorInterface* ViewAdapter::editorInterface() const
{
    return dynamic_cast<VSTGUI::VSTGUIEditorInterface*>(editor);
}

bool ViewAdapter::open(void* parent)
{
    if (frame || !editor) return false;
    if (auto* platform = dynamic_cast<velqa::IEditorPlatform*>(editor))
        platform->setFrameConfig(makeFrameConfig());
    const bool opened = editor->open(parent);
    if (auto* gui = editorInterface()) frame = gui->getFrame();
    return opened;
}

void ViewAdapter::close()
{
    if (!editor) return;
    editor->close();
    auto* gui = editorInterface();
    frame = gui ? gui->getFrame() : nullptr;
}

void ViewAdapter::onIdleTimer()
{
    if (adapter) adapter->uiIdle();
    if (editor) editor->idle();
}

bool ViewAdapter::editorRect(ViewRect& out) const
{
    ERect* source = nullptr;
    if (!editor || !editor->getRect(&source) || !source) return false;
    auto scaled = [this](int16 v) { return static_cast<int32>(std::lround(v * contentScale)); };
    out = ViewRect(scaled(source->left), scaled(source->top), scaled(source->right),
                   scaled(source->bottom));
    return true;
}

void ViewAdapter::resizeFromEditor()
{
    ViewRect newRect;
    if (!editorRect(newRect)) return;
    rect = newRect;
    if (plugFrame) plugFrame->resizeView(this, &newRect);
}

void ViewAdapter::contentScaleChanged()
{
    resizeFromEditor();
}

tresult PLUGIN_API ViewAdapter::setFrame(IPlugFrame* newFrame)
{
    plugFrame = newFrame;
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::checkSizeConstraint(ViewRect* request)
{
    if (!request) return kInvalidArgument;
    ViewRect own(0, 0, kEmptySize, kEmptySize);
    editorRect(own);
    const int32 width = own.right;
    const int32 height = own.bottom;
    if (request->getWidth() < width) request->right = request->left + width;
    if (request->getWidth() > width + kSizeSlack)
        request->right = request->left + width + kSizeSlack;
    if (request->getHeight() < height) request->bottom = request->top + height;
    if (request->getHeight() > height + kSizeSlack)
        request->bottom = request->top + height + kSizeSlack;
    return kResultOk;
}

void ViewAdapter::controlBeginEdit(VSTGUI::CControl* control)
{
    if (auto* gui = editorInterface()) gui->beginEdit(control->getTag());
}

void ViewAdapter::controlEndEdit(VSTGUI::CControl* control)
{
    if (auto* gui = editorInterface()) gui->endEdit(control->getTag());
}

velqa::IEditorPlatform* ViewAdapter::platform() const
{
    return dynamic_cast<velqa::IEditorPlatform*>(editor);
}

tresult PLUGIN_API ViewAdapter::writeSnapshot(const char* pngPath, int32 zoomPercent, double scale)
{
    if (!pngPath) return kResultFalse;
    if (zoomPercent < 75 || zoomPercent > 200 || !(scale >= 0.5 && scale <= 4.0))
        return kInvalidArgument;
    if (openOffscreen(scale) != kResultOk) return kResultFalse;
    const bool written = setZoomPercent(zoomPercent) == kResultOk && writePng(pngPath) == kResultOk;
    closeOffscreen();
    return written ? kResultOk : kResultFalse;
}

tresult PLUGIN_API ViewAdapter::openOffscreen(double contentScale)
{
    auto* platform = this->platform();
    if (!platform || frame || isAttached() || !(contentScale >= 0.5 && contentScale <= 4.0))
        return kResultFalse;
    if (!platform->openOffscreen(contentScale)) return kResultFalse;
    // Holding the frame refuses an attach while the image is open, and the destructor closes it.
    if (auto* gui = editorInterface()) frame = gui->getFrame();
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::closeOffscreen()
{
    if (!offscreenOpen()) return kResultFalse;
    close();
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::findTag(int32 tag, ViewRect* rect, TBool* visible)
{
    VSTGUI::CView* view = frame && platform() ? platform()->viewOfTag(tag) : nullptr;
    if (!view) return kResultFalse;
    const VSTGUI::CRect& size = view->getViewSize();
    VSTGUI::CPoint topLeft(size.left, size.top);
    view->localToFrame(topLeft);
    if (rect)
        *rect = ViewRect(static_cast<int32>(std::lround(topLeft.x)),
                         static_cast<int32>(std::lround(topLeft.y)),
                         static_cast<int32>(std::lround(topLeft.x + size.getWidth())),
                         static_cast<int32>(std::lround(topLeft.y + size.getHeight())));
    if (visible)
    {
        bool shown = true;
        for (VSTGUI::CView* v = view; v && shown; v = v->getParentView()) shown = v->isVisible();
        *visible = shown;
    }
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::getTagValue(int32 tag, float* value)
{
    auto* control =
        frame && platform() ? dynamic_cast<VSTGUI::CControl*>(platform()->viewOfTag(tag)) : nullptr;
    if (!control || !value) return kResultFalse;
    *value = control->getValue();
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::isTagEnabled(int32 tag, TBool* enabled)
{
    VSTGUI::CView* view = frame && platform() ? platform()->viewOfTag(tag) : nullptr;
    if (!view || !enabled) return kResultFalse;
    *enabled = view->getMouseEnabled();
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::getTagText(int32 tag, char* text, int32 size)
{
    auto* label = frame && platform()
                      ? dynamic_cast<VSTGUI::CTextLabel*>(platform()->viewOfTag(tag))
                      : nullptr;
    if (!label || !text || size <= 0) return kResultFalse;
    std::snprintf(text, static_cast<size_t>(size), "%s", label->getText().c_str());
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::readLiveView(int32 tag, float* values, int32 capacity, int32* count)
{
    if (!frame || !platform() || (capacity > 0 && !values)) return kResultFalse;
    const int found = platform()->readLiveView(tag, values, std::max<int32>(0, capacity));
    if (found < 0) return kResultFalse;
    if (count) *count = found;
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::mouse(int32 action, double x, double y, int32 buttons,
                                      float distance)
{
    if (!offscreenOpen()) return kResultFalse;
    const VSTGUI::CPoint where(x, y);
    const VSTGUI::CButtonState state(buttons);
    switch (action)
    {
    case kMouseDown:
        frame->platformOnMouseDown(where, state);
        break;
    case kMouseMoved:
        frame->platformOnMouseMoved(where, state);
        break;
    case kMouseUp:
        frame->platformOnMouseUp(where, state);
        break;
    case kMouseWheel:
        frame->platformOnMouseWheel(where, distance, state);
        break;
    default:
        return kInvalidArgument;
    }
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::tick()
{
    if (!offscreenOpen()) return kResultFalse;
    editor->idle();
    return kResultOk;
}

tresult PLUGIN_API ViewAdapter::setZoomPercent(int32 percent)
{
    if (!offscreenOpen()) return kResultFalse;
    if (percent < 75 || percent > 200) return kInvalidArgument;
    return platform()->setEditorZoom(percent / 100.0) ? kResultOk : kResultFalse;
}

// Also for a view open in a window: the command-line host shows a page there too.
tresult PLUGIN_API ViewAdapter::showPage(int32 page)
{
    if (!frame || !platform()) return kResultFalse;
    return platform()->showPage(page) ? kResultOk : kResultFalse;
}

tresult PLUGIN_API ViewAdapter::writePng(const char* path)
{
    if (!offscreenOpen() || !path) return kResultFalse;
    editor->idle();
    return platform()->writeOffscreenPng(path) ? kResultOk : kResultFalse;
}

} // namespace Steinberg::Vst
