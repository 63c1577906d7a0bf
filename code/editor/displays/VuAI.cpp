#include "code/editor/displays/VuAI.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

CVuAI::CVuAI(const CRect& size, IControlListener* listener, int32 tag, CBitmap* litImage)
    : CControl(size, listener, tag, litImage)
{
    setDefaultValue(0.f);
    setMouseEnabled(false);
}

void CVuAI::setValue(float newValue)
{
    if (!std::isfinite(newValue)) newValue = 0.f;
    CControl::setValue(std::clamp(newValue, 0.f, 1.f));
}

void CVuAI::setGrowsDown(bool state)
{
    growsDown = state;
    setDirty();
}

void CVuAI::draw(CDrawContext* context)
{
    setDirty(false);
    if (!background || !background->isLoaded()) return;
    // Whole pixels, so the lit edge stays sharp at every zoom.
    const CCoord lit = std::round(getHeight() * getValueNormalized());
    if (lit <= 0) return;
    CRect part = size;
    if (growsDown)
        part.bottom = part.top + lit;
    else
        part.top = part.bottom - lit;
    const CCoord offset = part.top - size.top;
    context->drawBitmap(background, part, CPoint(0, offset));
}

CMouseEventResult CVuAI::onMouseDown(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}
