#include "code/editor/controls/Led.h"

#include "vstgui/lib/cbitmap.h"

#include <algorithm>

using namespace VSTGUI;

CLed::CLed(const CRect& size, IControlListener* listener, int32 tag, CBitmap* strip, int32 frames,
           int32 mode)
    : CControl(size, listener, tag, strip), COrvControlCommon(static_cast<CControl&>(*this)),
      frames(frames < 1 ? 1 : frames), mode(mode), actOnRelease(mode == kMomentary)
{
    setDefaultValue(0.f);
}

void CLed::draw(CDrawContext* context)
{
    drawStripFrame(context, background, size, frameIndex(), frames);
    setDirty(false);
}

int32 CLed::frameIndex() const
{
    const bool lit = mode == kMomentary ? pressed && pressedInside : value > 0.5f;
    const int32 plain = lit && frames >= 2 ? 1 : 0;
    if (!isHovered() || !showsHover()) return plain;
    const int32 hover = plain + hoverFrameOffset();
    return hover < frames ? hover : plain;
}

float CLed::clickedValue(const CPoint& where) const
{
    if (segments > 1)
    {
        const CCoord width = size.getWidth() / segments;
        auto index = width > 0 ? static_cast<int32>((where.x - size.left) / width) : 0;
        return indexToValue(std::max(0, std::min(segments - 1, index)));
    }
    if (mode == kMomentary) return 1.f;
    return value > 0.5f ? 0.f : 1.f;
}

void CLed::beginUserEdit()
{
    if (hasParameter)
        beginEdit();
    else
        remember(); // the listener may rebuild the page under us
}

void CLed::endUserEdit()
{
    if (hasParameter)
        endEdit();
    else
        forget();
}

void CLed::applyClick(float newValue, bool linked)
{
    beginUserEdit();
    if (linked) partnerBeginEdit();
    setValue(newValue);
    valueChanged();
    if (linked) partnerFollow(value);
    if (linked) partnerEndEdit();
    endUserEdit();
    invalid();
}

CMouseEventResult CLed::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (pressed) return kMouseEventHandled; // a second button while held changes nothing
    CButtonState effective = buttons;
    const bool linked = takeLinkedGesture(effective);
    storeMouseDown(buttons, false);
    if (!effective.isLeftButton()) return kMouseEventNotHandled;
    pressed = true;
    pressedInside = true;
    linkedClick = linked;
    pressPoint = where;
    invalid();
    if (actOnRelease) return kMouseEventHandled;
    applyClick(clickedValue(where), linked);
    if (mode == kMomentary) return kMouseEventHandled; // drawn pressed until released
    pressed = false;
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult CLed::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!pressed) return kMouseEventNotHandled;
    const bool inside = CView::hitTest(where, buttons);
    if (inside != pressedInside)
    {
        pressedInside = inside;
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult CLed::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (!pressed) return kMouseEventNotHandled;
    const bool inside = CView::hitTest(where, buttons);
    pressed = false;
    if (actOnRelease && inside) applyClick(clickedValue(pressPoint), linkedClick);
    // A momentary button reports its press once and falls back silently.
    if (mode == kMomentary) setValue(0.f);
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CLed::onMouseCancel()
{
    if (!pressed) return kMouseEventNotHandled;
    pressed = false;
    if (mode == kMomentary) setValue(0.f);
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CLed::onMouseEntered(CPoint&, const CButtonState&)
{
    if (setHovered(true)) invalid();
    return kMouseEventHandled;
}

CMouseEventResult CLed::onMouseExited(CPoint&, const CButtonState&)
{
    if (setHovered(false)) invalid();
    return kMouseEventHandled;
}

bool CLed::removed(CView* parent)
{
    pressed = false;
    return CControl::removed(parent);
}
