#pragma once
// A settings switch written as text: "ON" above 0.5, else "OFF". A click flips it.

#include "code/editor/controls/OrvControlCommon.h"
#include "vstgui/lib/ccolor.h"

class COrvTextKnob : public VSTGUI::CControl, public COrvControlCommon
{
public:
    COrvTextKnob(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
                 VSTGUI::CBitmap* background = nullptr);

    void draw(VSTGUI::CDrawContext* context) override;
    void setValue(float value) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where,
                                             const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where,
                                            const VSTGUI::CButtonState& buttons) override;

    const char* getText() const { return value > 0.5f ? "ON" : "OFF"; }
    void setFontColor(const VSTGUI::CColor& color) { fontColor = color; }
    // A control bound to no parameter reports its clicks without begin and end edit.
    void setHasParameter(bool state) { hasParameter = state; }

private:
    VSTGUI::CColor fontColor{214, 219, 226};
    bool hasParameter = true;
};
