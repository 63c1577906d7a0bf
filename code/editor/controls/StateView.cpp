#include "code/editor/controls/StateView.h"

#include "vstgui/lib/cdrawcontext.h"

#include <cmath>

using namespace VSTGUI;

CStateView::CStateView(const CRect& size, IControlListener* listener, int32 tag, CBitmap* strip,
                       int32 frames)
    : CControl(size, listener, tag, strip), COrvControlCommon(static_cast<CControl&>(*this)),
      frames(frames < 1 ? 1 : frames)
{
    setDefaultValue(0.f);
}

void CStateView::setIndexMode(bool state)
{
    indexMode = state;
    setDirty();
}

void CStateView::setMinusOne(bool state)
{
    minusOne = state;
    setDirty();
}

int32 CStateView::getState() const
{
    if (!std::isfinite(value)) return 0;
    const float scaled = indexMode ? value * 128.f : value;
    // Index values arrive as k / 128 and may carry rounding from the host's doubles.
    return static_cast<int32>(std::floor(scaled + (indexMode ? 0.5f : 0.f)));
}

int32 CStateView::getFrameIndex() const
{
    const int32 frame = getState() - (minusOne ? 1 : 0);
    return frame >= 0 && frame < frames ? frame : -1;
}

void CStateView::draw(CDrawContext* context)
{
    drawStripFrame(context, background, size, getFrameIndex(), frames);
    setDirty(false);
}

CMouseEventResult CStateView::onMouseDown(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}
