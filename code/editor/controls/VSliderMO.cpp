#include "code/editor/controls/VSliderMO.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

CVSliderMO::CVSliderMO(const CRect& size, IControlListener* listener, int32 tag, CBitmap* handle,
                       int32 steps)
    : CControl(size, listener, tag), COrvControlCommon(static_cast<CControl&>(*this)),
      handle(handle), steps(steps >= 2 ? steps : 0)
{
    if (handle) handle->remember();
}

CVSliderMO::~CVSliderMO()
{
    if (handle) handle->forget();
}

namespace
{

CCoord handleHeightOf(const CBitmap* handle, const CRect& size)
{
    if (handle && handle->isLoaded()) return std::min(handle->getHeight(), size.getHeight());
    return std::min(size.getWidth(), size.getHeight());
}

} // namespace

CCoord CVSliderMO::getTravel() const
{
    return size.getHeight() - handleHeightOf(handle, size);
}

float CVSliderMO::snap(float normalized) const
{
    normalized = std::clamp(normalized, 0.f, 1.f);
    if (steps < 2) return normalized;
    const float last = static_cast<float>(steps - 1);
    return std::round(normalized * last) / last;
}

CRect CVSliderMO::getHandleRect() const
{
    const CCoord top = size.top + (1.0 - snap(getValueNormalized())) * getTravel();
    return CRect(size.left, top, size.right, top + handleHeightOf(handle, size));
}

float CVSliderMO::valueAtY(CCoord y) const
{
    const CCoord travel = getTravel();
    if (travel <= 0) return value;
    const CCoord handleTop = y - handleHeightOf(handle, size) / 2;
    return snap(static_cast<float>(1.0 - (handleTop - size.top) / travel));
}

void CVSliderMO::setValue(float newValue)
{
    if (std::isnan(newValue)) newValue = vmin;
    CControl::setValue(std::clamp(newValue, vmin, vmax));
}

void CVSliderMO::draw(CDrawContext* context)
{
    const CRect where = getHandleRect();
    if (handle && handle->isLoaded())
    {
        context->drawBitmap(handle, where);
        if (isHovered() && showsHover()) drawStripHighlight(context, handle, where, 0, 1);
    }
    else
    {
        context->setFillColor(isHovered() && showsHover() ? CColor(230, 232, 236)
                                                          : CColor(190, 194, 200));
        context->drawRect(where, kDrawFilled);
    }
    setDirty(false);
}

void CVSliderMO::moveTo(float normalized)
{
    const float before = value;
    setValueNormalized(snap(normalized));
    if (value == before) return;
    valueChanged();
    if (linked) partnerFollow(value);
    invalid();
}

CMouseEventResult CVSliderMO::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (dragging) return kMouseEventHandled; // a second button during a drag changes nothing
    CButtonState effective = buttons;
    const bool link = takeLinkedGesture(effective);
    storeMouseDown(buttons, false);
    if (!effective.isLeftButton()) return kMouseEventNotHandled;
    linked = link;
    beginEdit();
    if (linked)
    {
        notifyLinkIndicator(1.f);
        partnerBeginEdit();
    }
    if (checkDefaultValue(effective))
    {
        moveTo((defaultValue - vmin) / (vmax - vmin == 0 ? 1 : vmax - vmin));
        finishDrag();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    dragging = true;
    valueBeforeDrag = value;
    // A press beside the handle first moves the handle there.
    if (!getHandleRect().pointInside(where)) moveTo(valueAtY(where.y));
    if (linked) partnerFollow(value);
    anchorY = where.y;
    anchorValue = getValueNormalized();
    dragModifiers = effective.getModifierState();
    return kMouseEventHandled;
}

CMouseEventResult CVSliderMO::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!dragging) return kMouseEventNotHandled;
    int32 state = buttons.state;
    if (linked)
    {
        if (state & kRButton) state = (state & ~kRButton) | kLButton;
        if ((state & (kShift | kAlt)) == (kShift | kAlt)) state &= ~(kShift | kAlt);
    }
    const CButtonState effective(state);
    if (!(effective & kLButton)) return kMouseEventNotHandled;
    if (effective.getModifierState() != dragModifiers)
    {
        // Shift pressed or released mid-drag: continue from here at the new speed.
        anchorY = where.y;
        anchorValue = getValueNormalized();
        dragModifiers = effective.getModifierState();
    }
    const CCoord travel = getTravel();
    if (travel <= 0) return kMouseEventHandled;
    double range = travel;
    if ((dragModifiers & kZoomModifier) && steps < 2) range *= zoomFactor;
    moveTo(static_cast<float>(anchorValue + (anchorY - where.y) / range));
    return kMouseEventHandled;
}

CMouseEventResult CVSliderMO::onMouseUp(CPoint&, const CButtonState&)
{
    if (!dragging) return kMouseEventNotHandled;
    finishDrag();
    return kMouseEventHandled;
}

CMouseEventResult CVSliderMO::onMouseCancel()
{
    if (!dragging) return kMouseEventNotHandled;
    moveTo((valueBeforeDrag - vmin) / (vmax - vmin == 0 ? 1 : vmax - vmin));
    finishDrag();
    return kMouseEventHandled;
}

void CVSliderMO::finishDrag()
{
    dragging = false;
    if (linked)
    {
        linked = false;
        partnerEndEdit();
        notifyLinkIndicator(0.f);
    }
    endEdit();
}

bool CVSliderMO::onWheel(const CPoint&, float distance, const CButtonState& buttons)
{
    if (!getMouseEnabled() || std::isnan(distance) || distance == 0) return false;
    float step;
    if (steps >= 2)
        step = (distance > 0 ? 1.f : -1.f) / static_cast<float>(steps - 1);
    else
        step = wheelInc * distance * ((buttons & kZoomModifier) ? 0.1f : 1.f);
    const float before = value;
    setValueNormalized(snap(getValueNormalized() + step));
    if (value != before)
    {
        beginEdit();
        valueChanged();
        endEdit();
        invalid();
    }
    return true;
}

CMouseEventResult CVSliderMO::onMouseEntered(CPoint&, const CButtonState&)
{
    if (setHovered(true)) invalid();
    return kMouseEventHandled;
}

CMouseEventResult CVSliderMO::onMouseExited(CPoint&, const CButtonState&)
{
    if (setHovered(false)) invalid();
    return kMouseEventHandled;
}

bool CVSliderMO::removed(CView* parent)
{
    // The editor closes the gestures of a drag cut short; the slider only forgets it.
    dragging = false;
    linked = false;
    return CControl::removed(parent);
}
