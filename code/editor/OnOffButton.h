#pragma once

#include "vstgui/lib/controls/ccontrol.h"

// A two-state switch drawn from a four-frame strip: off, on, off with hover, on with hover.
// A click flips it as one edit; values above 0.5 are on.
class COnOffButton : public VSTGUI::CControl
{
public:
    COnOffButton(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
                 VSTGUI::CBitmap* strip);

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where,
                                             const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where,
                                            const VSTGUI::CButtonState& buttons) override;

    bool isOn() const { return value > 0.5f; }
    int frameIndex() const { return (isOn() ? 1 : 0) + (hovered ? 2 : 0); }

private:
    bool hovered = false;
};
