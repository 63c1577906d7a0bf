#include "code/editor/OrvEditor.h"

#include "VST3Adapter/AdapterMessages.h"
#include "VST3Adapter/vst2base/audioeffectx.h"
#include "code/ParameterIndex.h"
#include "vstgui/lib/controls/ccontrol.h"

#include <cmath>
#include <thread>

using namespace VSTGUI;

COrvEditor::COrvEditor(AudioEffect* effect) : AEffGUIEditor(effect)
{
    applyRect();
}

COrvEditor::~COrvEditor()
{
    if (frame) close();
}

CFrame* COrvEditor::createFrame()
{
    auto* newFrame = new CFrame(CRect(0, 0, kWidth, kHeight), this);
    newFrame->setZoom(zoom);
    buildFrame(newFrame);
    return newFrame;
}

void COrvEditor::finishOpen()
{
    ready.store(true);
    // Every control starts at the effect's current value.
    for (VstInt32 i = 0; i < velqa::kStoredParameterCount; ++i) setParameter(i, getParameter(i));
}

bool COrvEditor::open(void* parentWindow)
{
    if (frame) return false;
    AEffGUIEditor::open(parentWindow);
    CFrame* newFrame = createFrame();
    frame = newFrame;
    if (!newFrame->open(parentWindow, PlatformType::kX11EmbedWindowID, &frameConfig))
    {
        frame = nullptr;
        forgetViews();
        newFrame->forget();
        AEffGUIEditor::close();
        return false;
    }
    finishOpen();
    return true;
}

bool COrvEditor::openOffscreen(double contentScale)
{
    if (frame) return false;
    AEffGUIEditor::open(nullptr);
    CFrame* newFrame = createFrame();
    frame = newFrame;
    offscreen = VSTGUI::openOffscreen(newFrame, contentScale);
    if (!offscreen)
    {
        frame = nullptr;
        forgetViews();
        newFrame->forget();
        AEffGUIEditor::close();
        return false;
    }
    finishOpen();
    return true;
}

void COrvEditor::close()
{
    if (!frame) return;
    ready.store(false);
    // The effect may be inside setParameter on another thread; it leaves within a few
    // stores, so a yielding wait on the user-interface thread is short.
    while (callsInside.load() > 0) std::this_thread::yield();
    forgetViews();
    CFrame* closing = frame;
    frame = nullptr;
    offscreen = nullptr;
    closing->close();
    AEffGUIEditor::close();
}

void COrvEditor::idle()
{
    if (!frame) return;
    AEffGUIEditor::idle();
    if (frame) editorTick();
}

bool COrvEditor::writeOffscreenPng(const char* path)
{
    if (!offscreen || !path) return false;
    frame->idle();
    offscreen->redrawAll();
    return offscreen->writePng(path);
}

void COrvEditor::applyRect()
{
    rect.top = 0;
    rect.left = 0;
    // Whole pixels that cover the zoomed frame, as the window rounds them.
    rect.bottom = static_cast<int16_t>(std::ceil(kHeight * zoom));
    rect.right = static_cast<int16_t>(std::ceil(kWidth * zoom));
}

bool COrvEditor::setZoom(double newZoom)
{
    if (!(newZoom >= 0.75 && newZoom <= 2.0)) return false;
    if (frame && !frame->setZoom(newZoom)) return false;
    zoom = newZoom;
    applyRect();
    // The view adapter resizes the host's views on this signal.
    setParameterAutomated(kResizeViewsIndex, static_cast<float>(zoom / 2.0));
    return true;
}

void COrvEditor::setParameter(VstInt32 index, float value)
{
    ++callsInside;
    if (ready.load()) showParameter(index, value);
    --callsInside;
}

void COrvEditor::beginEdit(int32 tag)
{
    const VstInt32 index = parameterOfTag(tag);
    if (index >= 0) AEffGUIEditor::beginEdit(index);
}

void COrvEditor::endEdit(int32 tag)
{
    const VstInt32 index = parameterOfTag(tag);
    if (index >= 0) AEffGUIEditor::endEdit(index);
}

void COrvEditor::valueChanged(CControl* control)
{
    const VstInt32 index = parameterOfTag(control->getTag());
    if (index >= 0) setParameterAutomated(index, control->getValue());
}

void COrvEditor::setParameterAutomated(VstInt32 index, float value)
{
    if (effect) effect->setParameterAutomated(index, value);
}

float COrvEditor::getParameter(VstInt32 index)
{
    return effect ? effect->getParameter(index) : 0.0f;
}
