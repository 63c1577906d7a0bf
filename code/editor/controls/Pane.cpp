#include "code/editor/controls/Pane.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <cmath>

using namespace VSTGUI;

CPane::CPane(const CRect& size, IControlListener* listener, int32 tag, CBitmap* bitmap)
    : CControl(size, listener, tag, bitmap), COrvControlCommon(static_cast<CControl&>(*this))
{
    setDefaultValue(0.f);
    setMouseEnabled(false);
}

void CPane::setValue(float newValue)
{
    const bool wasShowing = isShowing();
    const bool wasOn = isOn();
    CControl::setValue(newValue);
    if (wasShowing == isShowing() && wasOn == isOn()) setDirty(false);
}

void CPane::setColors(const CColor& on, const CColor& off)
{
    onColor = on;
    offColor = off;
    setDirty();
}

void CPane::setDrawWhen(DrawWhen when)
{
    drawWhen = when;
    setDirty();
}

bool CPane::isShowing() const
{
    if (drawWhen == kDrawWhenOn) return isOn();
    if (drawWhen == kDrawWhenOff) return !isOn();
    return true;
}

void CPane::setHoverReporting(bool state)
{
    hoverReporting = state;
    setMouseEnabled(state);
}

void CPane::draw(CDrawContext* context)
{
    setDirty(false);
    if (!isShowing()) return;
    if (background && background->isLoaded())
    {
        context->drawBitmap(background, size);
        return;
    }
    const CColor& color = isOn() ? onColor : offColor;
    if (color.alpha == 0) return;
    context->setFillColor(color);
    context->drawRect(size, kDrawFilled);
}

CMouseEventResult CPane::onMouseDown(CPoint&, const CButtonState& buttons)
{
    storeMouseDown(buttons, false);
    return kMouseEventNotHandled; // the controls under the pane take the click
}

bool CPane::onWheel(const CPoint&, float, const CButtonState&)
{
    return false;
}

CMouseEventResult CPane::onMouseEntered(CPoint&, const CButtonState&)
{
    setHovered(true);
    if (hoverReporting)
        if (IOrvControlHost* h = host()) h->hoverChanged(tag, 1.f);
    return kMouseEventHandled;
}

CMouseEventResult CPane::onMouseExited(CPoint&, const CButtonState&)
{
    setHovered(false);
    if (hoverReporting)
        if (IOrvControlHost* h = host()) h->hoverChanged(tag, 0.f);
    return kMouseEventHandled;
}
