#include "code/editor/displays/SpectrumView.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

using namespace VSTGUI;

CSpectrumView::CSpectrumView(const CRect& size, IControlListener* listener, int32 tag,
                             CBitmap* background)
    : CControl(size, listener, tag, background)
{
    setMouseEnabled(false);
}

void CSpectrumView::draw(CDrawContext* context)
{
    if (background) context->drawBitmap(background, size);
    setDirty(false);
}

CMouseEventResult CSpectrumView::onMouseDown(CPoint&, const CButtonState&)
{
    return kMouseEventNotHandled;
}
