#include "code/editor/controls/MouseOverButton.h"

#include "vstgui/lib/cdrawcontext.h"

using namespace VSTGUI;

CMouseOverButton::CMouseOverButton(const CRect& size, IControlListener* listener, int32 tag,
                                   CBitmap* strip, int32 frames)
    : CLed(size, listener, tag, strip, frames, kMomentary)
{
}

void CMouseOverButton::draw(CDrawContext* context)
{
    CLed::draw(context);
    if (!isHovered() || !showsHover()) return;
    context->setFrameColor(hoverColor);
    context->setLineWidth(1);
    CRect outline = size;
    context->drawRect(outline.inset(0.5, 0.5), kDrawStroked);
}
