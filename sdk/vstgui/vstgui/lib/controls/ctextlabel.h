#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/controls/ccontrol.h"

#include <string>

namespace VSTGUI
{

enum CParamDisplayStyle : int32
{
    kNoTextStyle = 1 << 1,
    kNoFrame = 1 << 4,
    kNoDrawStyle = 1 << 5,
};

// Static UTF-8 text in a rectangle, with optional background, frame and background bitmap.
class CTextLabel : public CControl
{
public:
    CTextLabel(const CRect& size, const std::string& text = "", CBitmap* background = nullptr,
               int32 style = 0);
    ~CTextLabel() override;

    virtual void setText(const std::string& text);
    const std::string& getText() const { return text; }

    // Takes its own copy of the font description.
    void setFont(const CFontDesc* font);
    const CFontDesc* getFont() const { return font; }
    void setFontColor(const CColor& color);
    CColor getFontColor() const { return fontColor; }
    void setBackColor(const CColor& color);
    CColor getBackColor() const { return backColor; }
    void setFrameColor(const CColor& color);
    void setHoriAlign(CHoriTxtAlign align);
    CHoriTxtAlign getHoriAlign() const { return horiAlign; }
    void setStyle(int32 newStyle);
    int32 getStyle() const { return style; }
    void setTextInset(const CPoint& inset) { textInset = inset; }

    void draw(CDrawContext* context) override;

protected:
    void drawBack(CDrawContext* context);
    CRect textRect() const;

    std::string text;
    CFontDesc* font;
    CColor fontColor = kWhiteCColor;
    CColor backColor = kBlackCColor;
    CColor frameColor = kBlackCColor;
    CHoriTxtAlign horiAlign = kCenterText;
    int32 style;
    CPoint textInset{2, 0};
};

} // namespace VSTGUI
