#include "code/editor/controls/OrvLabel.h"

#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>
#include <cmath>

using namespace VSTGUI;

COrvLabel::COrvLabel(const CRect& size, IControlListener* listener, int32 tag,
                     const std::string& text, CBitmap* background)
    : CTextLabel(size, text, background, kNoDrawStyle),
      COrvControlCommon(static_cast<CControl&>(*this))
{
    CControl::setTag(tag);
    setListener(listener);
    setTransparency(true);
    setFontColor(CColor(214, 219, 226));
    setHoriAlign(kLeftText);
}

void COrvLabel::draw(CDrawContext* context)
{
    drawBack(context);
    if (!(style & kNoTextStyle) && !text.empty())
    {
        const CRect area = textRect();
        context->setFont(font);
        const CCoord width = context->getStringWidth(text);
        if (width > area.getWidth() && width > 0)
        {
            // Text width grows in step with the size; half-point steps keep it a little inside.
            const CCoord fitted = std::floor(2 * font->getSize() * area.getWidth() / width) / 2;
            context->setFont(font->getName(), std::max(kMinimumFontSize, fitted), font->getStyle());
        }
        context->saveGlobalState();
        context->setClipRect(size);
        context->setFontColor(fontColor);
        context->drawString(text, area, horiAlign);
        context->restoreGlobalState();
    }
    setDirty(false);
}
