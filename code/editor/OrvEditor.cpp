#include "code/editor/OrvEditor.h"

#include "VST3Adapter/AdapterMessages.h"
#include "VST3Adapter/vst2base/audioeffectx.h"
#include "code/editor/FrameCM.h"

#include <cmath>

using namespace VSTGUI;

COrvEditor::COrvEditor(AudioEffect* effect) : AEffGUIEditor(effect)
{
    applyRect();
}

COrvEditor::~COrvEditor()
{
    if (frame) close();
}

CFrameCM* COrvEditor::getFrameCM() const
{
    return static_cast<CFrameCM*>(frame);
}

CFrameCM* COrvEditor::createFrame()
{
    prepareOpen();
    applyRect();
    auto* newFrame = new CFrameCM(CRect(0, 0, kWidth, kHeight), this);
    // Zoomed before it is bound, so the window opens at its final size.
    newFrame->setEditorZoom(zoom);
    buildFrame(newFrame);
    return newFrame;
}

bool COrvEditor::bindFailed(CFrameCM* newFrame)
{
    frame = nullptr;
    forgetViews();
    newFrame->close();
    AEffGUIEditor::close();
    return false;
}

void COrvEditor::opened()
{
    finishOpen();
    ready.store(true);
}

bool COrvEditor::open(void* parentWindow)
{
    if (frame) return false;
    AEffGUIEditor::open(parentWindow);
    CFrameCM* newFrame = createFrame();
    frame = newFrame;
    if (!newFrame->open(parentWindow, PlatformType::kX11EmbedWindowID, &frameConfig))
        return bindFailed(newFrame);
    opened();
    return true;
}

bool COrvEditor::openOffscreen(double contentScale)
{
    if (frame) return false;
    AEffGUIEditor::open(nullptr);
    CFrameCM* newFrame = createFrame();
    frame = newFrame;
    offscreen = VSTGUI::openOffscreen(newFrame, contentScale);
    if (!offscreen) return bindFailed(newFrame);
    opened();
    return true;
}

void COrvEditor::close()
{
    if (!frame) return;
    ready.store(false);
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

bool COrvEditor::onKeyDown(VstKeyCode& keyCode)
{
    if (keyCode.virt == kAltKey) altHeld = true;
    return AEffGUIEditor::onKeyDown(keyCode);
}

bool COrvEditor::onKeyUp(VstKeyCode& keyCode)
{
    if (keyCode.virt == kAltKey) altHeld = false;
    return AEffGUIEditor::onKeyUp(keyCode);
}

bool COrvEditor::writeOffscreenPng(const char* path)
{
    if (!offscreen || !path) return false;
    idle();
    offscreen->redrawAll();
    return offscreen->writePng(path);
}

bool COrvEditor::setEditorZoom(double newZoom)
{
    if (!(newZoom >= 0.75 && newZoom <= 2.0)) return false;
    return applyZoom(newZoom);
}

void COrvEditor::applyRect()
{
    rect.top = 0;
    rect.left = 0;
    // Whole pixels that cover the zoomed frame, as the window rounds them.
    rect.bottom = static_cast<int16_t>(std::ceil(kHeight * zoom));
    rect.right = static_cast<int16_t>(std::ceil(kWidth * zoom));
}

void COrvEditor::setInitialZoom(double newZoom)
{
    if (frame || !(newZoom >= CFrameCM::kMinZoom && newZoom <= CFrameCM::kMaxZoom)) return;
    zoom = newZoom;
    applyRect();
}

bool COrvEditor::applyZoom(double newZoom)
{
    if (!(newZoom >= CFrameCM::kMinZoom && newZoom <= CFrameCM::kMaxZoom)) return false;
    if (frame && !getFrameCM()->setEditorZoom(newZoom)) return false;
    zoom = newZoom;
    applyRect();
    if (frame) zoomChanged();
    // Not a parameter: the view adapter resizes the host's views on this signal.
    setParameterAutomated(kResizeViewsIndex, static_cast<float>(zoom / 2.0));
    return true;
}

void COrvEditor::setParameterAutomated(VstInt32 index, float value)
{
    if (effect) effect->setParameterAutomated(index, value);
}

void COrvEditor::setParameterQuietly(VstInt32 index, float value)
{
    if (effect) effect->setParameter(index, value);
}

float COrvEditor::getParameter(VstInt32 index)
{
    return effect ? effect->getParameter(index) : 0.0f;
}
