#include "vstgui/plugin-bindings/aeffguieditor.h"

#include "VST3Adapter/vst2base/audioeffectx.h"
#include "platform/Clock.h"

using namespace VSTGUI;

namespace
{

KeyCode toKeyCode(const VstKeyCode& key)
{
    KeyCode code;
    code.character = key.character;
    code.virt = key.virt;
    code.modifier = key.modifier;
    return code;
}

} // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffect* effect)
    : AEffEditor(effect), startTicks(velqa::platform::millisecondClock())
{
    if (effect) effect->setEditor(this);
}

AEffGUIEditor::~AEffGUIEditor()
{
    // An editor deleted while open must not leave its window behind.
    if (frame) frame->close();
    frame = nullptr;
}

bool AEffGUIEditor::getRect(ERect** out)
{
    if (!out) return false;
    *out = &rect;
    return true;
}

bool AEffGUIEditor::open(void* parentWindow)
{
    systemWindow = parentWindow;
    return true;
}

void AEffGUIEditor::close()
{
    systemWindow = nullptr;
}

void AEffGUIEditor::idle()
{
    if (inIdleStuff || !frame) return;
    inIdleStuff = true;
    frame->idle();
    inIdleStuff = false;
}

void AEffGUIEditor::doIdleStuff()
{
    idle();
}

bool AEffGUIEditor::onKeyDown(VstKeyCode& keyCode)
{
    if (!frame) return false;
    KeyCode key = toKeyCode(keyCode);
    return frame->platformOnKeyDown(key) == 1;
}

bool AEffGUIEditor::onKeyUp(VstKeyCode& keyCode)
{
    if (!frame) return false;
    KeyCode key = toKeyCode(keyCode);
    return frame->platformOnKeyUp(key) == 1;
}

bool AEffGUIEditor::onWheel(float distance)
{
    if (!frame) return false;
    CPoint where;
    if (!frame->getCurrentMouseLocation(where)) return false;
    where.x *= frame->getScaleFactor();
    where.y *= frame->getScaleFactor();
    return frame->platformOnMouseWheel(where, distance, CButtonState());
}

bool AEffGUIEditor::setKnobMode(VstInt32 mode)
{
    knobMode = mode;
    return true;
}

void AEffGUIEditor::beginEdit(int32 index)
{
    if (auto* effectX = dynamic_cast<AudioEffectX*>(effect)) effectX->beginEdit(index);
}

void AEffGUIEditor::endEdit(int32 index)
{
    if (auto* effectX = dynamic_cast<AudioEffectX*>(effect)) effectX->endEdit(index);
}

uint32_t AEffGUIEditor::getTicks() const
{
    return static_cast<uint32_t>(velqa::platform::millisecondClock() - startTicks);
}
