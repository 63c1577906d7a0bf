#include "vstgui/lib/controls/ctextlabel.h"
#include "vstgui/lib/cbitmap.h"

namespace VSTGUI
{

CTextLabel::CTextLabel(const CRect& size, const std::string& text, CBitmap* background, int32 style)
    : CControl(size, nullptr, -1, background), text(text), font(new CFontDesc("Arial", 12)),
      style(style)
{
    setMouseEnabled(false);
}

CTextLabel::~CTextLabel()
{
    font->forget();
}

void CTextLabel::setText(const std::string& newText)
{
    if (newText == text) return;
    text = newText;
    setDirty();
}

void CTextLabel::setFont(const CFontDesc* newFont)
{
    if (!newFont) return;
    font->setName(newFont->getName());
    font->setSize(newFont->getSize());
    font->setStyle(newFont->getStyle());
    setDirty();
}

void CTextLabel::setFontColor(const CColor& color)
{
    fontColor = color;
    setDirty();
}

void CTextLabel::setBackColor(const CColor& color)
{
    backColor = color;
    setDirty();
}

void CTextLabel::setFrameColor(const CColor& color)
{
    frameColor = color;
    setDirty();
}

void CTextLabel::setHoriAlign(CHoriTxtAlign align)
{
    horiAlign = align;
    setDirty();
}

void CTextLabel::setStyle(int32 newStyle)
{
    style = newStyle;
    setDirty();
}

void CTextLabel::drawBack(CDrawContext* context)
{
    if (background)
        context->drawBitmap(background, size);
    else if (!getTransparency() && !(style & kNoDrawStyle))
    {
        context->setFillColor(backColor);
        context->drawRect(size, kDrawFilled);
    }
    if (!(style & (kNoFrame | kNoDrawStyle)))
    {
        context->setFrameColor(frameColor);
        context->setLineWidth(1);
        context->drawRect(size, kDrawStroked);
    }
}

CRect CTextLabel::textRect() const
{
    CRect rect = size;
    return rect.inset(textInset.x, textInset.y);
}

void CTextLabel::draw(CDrawContext* context)
{
    drawBack(context);
    if (!(style & kNoTextStyle))
    {
        context->setFont(font);
        context->setFontColor(fontColor);
        context->drawString(text, textRect(), horiAlign);
    }
    setDirty(false);
}

} // namespace VSTGUI
