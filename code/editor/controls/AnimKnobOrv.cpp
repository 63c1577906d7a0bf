#include "code/editor/controls/AnimKnobOrv.h"

#include "vstgui/lib/cbitmap.h"

#include <cmath>

using namespace VSTGUI;

CAnimKnobOrv::CAnimKnobOrv(const CRect& size, IControlListener* listener, int32 tag, CBitmap* strip,
                           int32 frames)
    : CAnimKnob(size, listener, tag, frames, size.getHeight(), strip),
      COrvControlCommon(static_cast<CControl&>(*this))
{
}

void CAnimKnobOrv::draw(CDrawContext* context)
{
    CAnimKnob::draw(context);
    if (isHovered() && showsHover())
        drawStripHighlight(context, background, size, getFrameIndex(), getNumSubPixmaps(), 0.12f);
}

CButtonState CAnimKnobOrv::dragButtons(const CButtonState& buttons) const
{
    if (!linked) return buttons;
    int32 state = buttons.state;
    if (state & kRButton) state = (state & ~kRButton) | kLButton;
    if ((state & (kShift | kAlt)) == (kShift | kAlt)) state &= ~(kShift | kAlt);
    return CButtonState(state);
}

CMouseEventResult CAnimKnobOrv::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (isEditing()) return kMouseEventHandled; // a second button during a drag changes nothing
    linked = false;
    CButtonState effective = buttons;
    const bool link = takeLinkedGesture(effective);
    if (hitRadius > 0)
    {
        const CPoint centre = size.getCenter();
        if (std::hypot(where.x - centre.x, where.y - centre.y) > hitRadius)
            return kMouseEventNotHandled;
    }
    storeMouseDown(buttons, false);
    if (!effective.isLeftButton()) return kMouseEventNotHandled;
    linked = link;
    if (linked)
    {
        notifyLinkIndicator(1.f);
        partnerBeginEdit();
    }
    const CMouseEventResult result = CAnimKnob::onMouseDown(where, effective);
    if (linked)
    {
        partnerFollow(value);
        // A Ctrl reset ends the gesture at once.
        if (result != kMouseEventHandled) finishLinkedDrag();
    }
    return result;
}

CMouseEventResult CAnimKnobOrv::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    const float before = value;
    const CMouseEventResult result = CAnimKnob::onMouseMoved(where, dragButtons(buttons));
    if (linked && value != before) partnerFollow(value);
    return result;
}

CMouseEventResult CAnimKnobOrv::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    finishLinkedDrag();
    return CAnimKnob::onMouseUp(where, dragButtons(buttons));
}

CMouseEventResult CAnimKnobOrv::onMouseCancel()
{
    const float before = value;
    const CMouseEventResult result = CAnimKnob::onMouseCancel();
    if (linked && value != before) partnerFollow(value);
    finishLinkedDrag();
    return result;
}

void CAnimKnobOrv::finishLinkedDrag()
{
    if (!linked) return;
    linked = false;
    partnerEndEdit();
    notifyLinkIndicator(0.f);
}

CMouseEventResult CAnimKnobOrv::onMouseEntered(CPoint&, const CButtonState&)
{
    if (setHovered(true)) invalid();
    return kMouseEventHandled;
}

CMouseEventResult CAnimKnobOrv::onMouseExited(CPoint&, const CButtonState&)
{
    if (setHovered(false)) invalid();
    return kMouseEventHandled;
}

bool CAnimKnobOrv::removed(CView* parent)
{
    linked = false; // the editor closes the gestures of a drag cut short
    return CAnimKnob::removed(parent);
}
