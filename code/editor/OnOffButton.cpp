#include "code/editor/OnOffButton.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

using namespace VSTGUI;

namespace
{
constexpr int kFrames = 4;
}

COnOffButton::COnOffButton(const CRect& size, IControlListener* listener, int32 tag, CBitmap* strip)
    : CControl(size, listener, tag, strip)
{
    setDefaultValue(0.f);
}

void COnOffButton::draw(CDrawContext* context)
{
    if (!background || !background->isLoaded()) return;
    const CCoord frameHeight = background->getHeight() / kFrames;
    context->drawBitmap(background, size, CPoint(0, frameHeight * frameIndex()));
}

CMouseEventResult COnOffButton::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    beginEdit();
    setValue(isOn() ? 0.f : 1.f);
    valueChanged();
    endEdit();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult COnOffButton::onMouseEntered(CPoint&, const CButtonState&)
{
    hovered = true;
    setDirty();
    return kMouseEventHandled;
}

CMouseEventResult COnOffButton::onMouseExited(CPoint&, const CButtonState&)
{
    hovered = false;
    setDirty();
    return kMouseEventHandled;
}
