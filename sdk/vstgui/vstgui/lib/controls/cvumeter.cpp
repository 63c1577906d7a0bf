#include "vstgui/lib/controls/cvumeter.h"
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI
{

CVuMeter::CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32 nbLed,
                   Style style)
    : CControl(size), onBitmap(onBitmap), offBitmap(offBitmap), nbLed(std::max(1, nbLed)),
      style(style)
{
    if (onBitmap) onBitmap->remember();
    if (offBitmap) offBitmap->remember();
    setMouseEnabled(false);
}

CVuMeter::~CVuMeter()
{
    if (onBitmap) onBitmap->forget();
    if (offBitmap) offBitmap->forget();
}

void CVuMeter::setValue(float newValue)
{
    CControl::setValue(newValue);
    // A meter that is still falling needs redraws even without new values.
    if (shownValue != getValueNormalized()) setDirty();
}

void CVuMeter::draw(CDrawContext* context)
{
    float target = getValueNormalized();
    shownValue = std::max(target, shownValue - decreaseValue);
    float segments = std::floor(shownValue * static_cast<float>(nbLed) + 0.5f);
    float lit = segments / static_cast<float>(nbLed);

    CRect onPart = size;
    CRect offPart = size;
    if (style == kVertical)
    {
        CCoord split = size.bottom - std::round(size.getHeight() * lit);
        onPart.top = split;
        offPart.bottom = split;
    }
    else
    {
        CCoord split = size.left + std::round(size.getWidth() * lit);
        onPart.right = split;
        offPart.left = split;
    }
    if (offBitmap && !offPart.isEmpty())
        context->drawBitmap(offBitmap, offPart, offPart.getTopLeft() - size.getTopLeft());
    if (onBitmap && !onPart.isEmpty())
        context->drawBitmap(onBitmap, onPart, onPart.getTopLeft() - size.getTopLeft());
    setDirty(shownValue != target);
}

} // namespace VSTGUI
