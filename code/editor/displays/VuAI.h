#pragma once
// A level meter drawn from its fully lit column image: the lit part covers the value's share of
// the height in whole segments, from the bottom (or from the top for a meter that grows
// downwards). The value is shown as it is set.

#include "vstgui/lib/controls/ccontrol.h"

class CVuAI : public VSTGUI::CControl
{
public:
    CVuAI(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
          VSTGUI::CBitmap* litImage);

    void draw(VSTGUI::CDrawContext* context) override;
    void setValue(float value) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;

    void setGrowsDown(bool state);
    bool getGrowsDown() const { return growsDown; }
    // 0 draws the value to the pixel.
    void setSegments(VSTGUI::int32 count);
    // Height of the lit part.
    VSTGUI::CCoord litHeight() const;

private:
    bool growsDown = false;
    VSTGUI::int32 segments = 0;
};
