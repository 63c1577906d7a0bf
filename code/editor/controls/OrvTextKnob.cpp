#include "code/editor/controls/OrvTextKnob.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

COrvTextKnob::COrvTextKnob(const CRect& size, IControlListener* listener, int32 tag,
                           CBitmap* background)
    : CControl(size, listener, tag, background), COrvControlCommon(static_cast<CControl&>(*this))
{
    setDefaultValue(0.f);
}

void COrvTextKnob::setValue(float newValue)
{
    if (std::isnan(newValue)) newValue = vmin;
    CControl::setValue(std::min(newValue, vmax));
}

void COrvTextKnob::draw(CDrawContext* context)
{
    if (background) context->drawBitmap(background, size);
    const bool hover = isHovered() && showsHover();
    context->setFont("Arial Bold", 10);
    CColor color = fontColor;
    if (value <= 0.5f) color = CColor(140, 148, 160);
    if (hover) color = CColor(255, 255, 255);
    context->setFontColor(color);
    context->drawString(getText(), size, kCenterText);
    setDirty(false);
}

CMouseEventResult COrvTextKnob::onMouseDown(CPoint&, const CButtonState& buttons)
{
    storeMouseDown(buttons, false);
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    if (hasParameter)
        beginEdit();
    else
        remember();
    setValue(value > 0.5f ? 0.f : 1.f);
    valueChanged();
    if (hasParameter)
        endEdit();
    else
        forget();
    invalid();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult COrvTextKnob::onMouseEntered(CPoint&, const CButtonState&)
{
    if (setHovered(true)) invalid();
    return kMouseEventHandled;
}

CMouseEventResult COrvTextKnob::onMouseExited(CPoint&, const CButtonState&)
{
    if (setHovered(false)) invalid();
    return kMouseEventHandled;
}
