#include "code/editor/controls/OrvTextEd.h"

#include "vstgui/lib/cdrawcontext.h"

using namespace VSTGUI;

COrvTextEd::COrvTextEd(const CRect& size, IControlListener* listener, int32 tag,
                       const std::string& text, CBitmap* background)
    : CTextEdit(size, listener, tag, text, background, kNoFrame),
      COrvControlCommon(static_cast<CControl&>(*this))
{
    setFontColor(CColor(226, 230, 236));
    setBackColor(CColor(14, 15, 18));
    setHoriAlign(kLeftText);
    setTextInset(CPoint(5, 0));
}

CMouseEventResult COrvTextEd::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    storeMouseDown(buttons, false);
    return CTextEdit::onMouseDown(where, buttons);
}

void COrvTextEd::draw(CDrawContext* context)
{
    CTextEdit::draw(context);
    if (isEditing() || (isHovered() && showsHover()))
    {
        context->setFrameColor(isEditing() ? CColor(120, 170, 255) : CColor(110, 116, 126));
        context->setLineWidth(1);
        CRect outline = size;
        context->drawRect(outline.inset(0.5, 0.5), kDrawStroked);
    }
}

CMouseEventResult COrvTextEd::onMouseEntered(CPoint&, const CButtonState&)
{
    if (setHovered(true)) invalid();
    return kMouseEventHandled;
}

CMouseEventResult COrvTextEd::onMouseExited(CPoint&, const CButtonState&)
{
    if (setHovered(false)) invalid();
    return kMouseEventHandled;
}
