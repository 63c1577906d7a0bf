#include "code/editor/controls/OrvControlCommon.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cviewcontainer.h"

#include <cairo.h>

#include <cmath>

using namespace VSTGUI;

void COrvControlCommon::setPartner(int32 tag, bool inverse)
{
    partnerTag = tag;
    partnerInverse = inverse;
}

void COrvControlCommon::storeMouseDown(const CButtonState& buttons, bool isModifierClick)
{
    lastModifiers = buttons;
    modifierClick = isModifierClick;
}

int32 COrvControlCommon::hoverFrameOffset() const
{
    if (mouseOverOptions & kMouseOverMode3) return 3;
    if (mouseOverOptions & kMouseOverMode1) return 1;
    return 2;
}

bool COrvControlCommon::setHovered(bool state)
{
    if (hovered == state) return false;
    hovered = state;
    return showsHover();
}

IOrvControlHost* COrvControlCommon::host() const
{
    return dynamic_cast<IOrvControlHost*>(control.getListener());
}

bool COrvControlCommon::takeLinkedGesture(CButtonState& buttons) const
{
    if (partnerTag < 0) return false;
    if (buttons.isRightButton())
    {
        buttons = CButtonState((buttons.state & ~kRButton) | kLButton);
        return true;
    }
    if (buttons.isLeftButton() && (buttons & (kShift | kAlt)) == (kShift | kAlt))
    {
        // Shift would make the drag fine; this gesture is a normal-speed linked drag.
        buttons = CButtonState(buttons.state & ~(kShift | kAlt));
        return true;
    }
    return false;
}

void COrvControlCommon::partnerBeginEdit() const
{
    if (IOrvControlHost* h = host()) h->partnerBeginEdit(partnerTag);
}

void COrvControlCommon::partnerFollow(float value) const
{
    if (IOrvControlHost* h = host())
        h->partnerValueChanged(partnerTag, partnerInverse ? 1.f - value : value);
}

void COrvControlCommon::partnerEndEdit() const
{
    if (IOrvControlHost* h = host()) h->partnerEndEdit(partnerTag);
}

void COrvControlCommon::notifyLinkIndicator(float value) const
{
    if (linkIndicatorTag < 0) return;
    if (IOrvControlHost* h = host()) h->linkIndicatorChanged(linkIndicatorTag, value);
}

void passMouseOverOptions(CViewContainer* container, int options)
{
    if (!container) return;
    for (int32 i = 0; i < container->getNbViews(); ++i)
    {
        CView* view = container->getView(i);
        if (auto* control = dynamic_cast<COrvControlCommon*>(view))
            control->setMouseOverOptions(options);
        passMouseOverOptions(dynamic_cast<CViewContainer*>(view), options);
    }
}

namespace
{

bool validFrame(CBitmap* strip, int32 frame, int32& frames)
{
    if (!strip || !strip->isLoaded() || frame < 0) return false;
    if (frames < 1) frames = 1;
    return frame < frames;
}

} // namespace

void drawStripFrame(CDrawContext* context, CBitmap* strip, const CRect& dest, int32 frame,
                    int32 frames)
{
    if (!validFrame(strip, frame, frames)) return;
    context->drawBitmap(strip, dest, CPoint(0, strip->getHeight() / frames * frame));
}

int32 valueToIndex(float value)
{
    if (!(value > 0.f)) return 0; // also NaN
    return static_cast<int32>(std::lround(std::fmin(value, 1.f) * 128.f));
}

void drawStripHighlight(CDrawContext* context, CBitmap* strip, const CRect& dest, int32 frame,
                        int32 frames, float amount)
{
    if (!validFrame(strip, frame, frames)) return;
    cairo_t* cr = context->getCairo();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    context->drawBitmap(strip, dest, CPoint(0, strip->getHeight() / frames * frame), amount);
    cairo_restore(cr);
}
