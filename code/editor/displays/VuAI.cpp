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

// Only the strip between the old and the new lit edge is drawn again, and nothing while the
// value stays within a segment.
void CVuAI::setValue(float newValue)
{
    if (std::isnan(newValue)) newValue = 0.f;
    const CCoord litBefore = litHeight();
    const bool dirtyBefore = isDirty();
    CControl::setValue(std::clamp(newValue, 0.f, 1.f));
    if (dirtyBefore) return;
    setDirty(false);
    const CCoord litAfter = litHeight();
    if (litAfter == litBefore) return;
    const CCoord near = std::min(litBefore, litAfter);
    const CCoord far = std::max(litBefore, litAfter);
    if (growsDown)
        invalidRect(CRect(size.left, size.top + near, size.right, size.top + far));
    else
        invalidRect(CRect(size.left, size.bottom - far, size.right, size.bottom - near));
}

void CVuAI::setGrowsDown(bool state)
{
    growsDown = state;
    setDirty();
}

void CVuAI::setSegments(int32 count)
{
    segments = std::max(0, count);
    setDirty();
}

CCoord CVuAI::litHeight() const
{
    const float v = getValueNormalized();
    if (segments > 0) return getHeight() * std::round(v * static_cast<float>(segments)) / segments;
    return std::round(getHeight() * v); // whole pixels keep the lit edge sharp
}

void CVuAI::draw(CDrawContext* context)
{
    setDirty(false);
    if (!background || !background->isLoaded()) return;
    const CCoord lit = litHeight();
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
