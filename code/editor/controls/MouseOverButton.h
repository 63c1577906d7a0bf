#pragma once
// A momentary button that outlines itself while the mouse is over it.

#include "code/editor/controls/Led.h"
#include "vstgui/lib/ccolor.h"

class CMouseOverButton : public CLed
{
public:
    CMouseOverButton(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener,
                     VSTGUI::int32 tag, VSTGUI::CBitmap* strip, VSTGUI::int32 frames = 2);

    void draw(VSTGUI::CDrawContext* context) override;
    void setHoverColor(const VSTGUI::CColor& color) { hoverColor = color; }

private:
    VSTGUI::CColor hoverColor{255, 255, 255, 90};
};
