#pragma once
// The equaliser curve display of one section over its 25 band parameters. For now it is a
// transparent area at its place that takes no input; curve and handles come later.

#include "vstgui/lib/controls/ccontrol.h"

class CParamEqView2 : public VSTGUI::CControl
{
public:
    // firstParameter: the section's first band parameter; solo: the display of soloed bands.
    CParamEqView2(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
                  VSTGUI::int32 firstParameter, bool solo);

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    bool onWheel(const VSTGUI::CPoint& where, float distance,
                 const VSTGUI::CButtonState& buttons) override;

    VSTGUI::int32 getFirstParameter() const { return firstParameter; }
    bool isSolo() const { return solo; }

private:
    VSTGUI::int32 firstParameter;
    bool solo;
};
