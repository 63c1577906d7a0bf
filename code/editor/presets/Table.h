#pragma once
// The preset table of the browser. For now an empty area at its place that takes no input.

#include "vstgui/lib/controls/ccontrol.h"

class CTable : public VSTGUI::CControl
{
public:
    CTable(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag);

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
};
