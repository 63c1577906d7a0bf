#pragma once
// An overlay or hover area: draws its bitmap, or a colour chosen by its value (on at 0.5 and
// above), possibly only while on or only while off. It never takes clicks; with hover reporting
// it tells the editor when the mouse enters (1.0) and leaves (0.0).

#include "code/editor/controls/OrvControlCommon.h"
#include "vstgui/lib/ccolor.h"

class CPane : public VSTGUI::CControl, public COrvControlCommon
{
public:
    enum DrawWhen : VSTGUI::int32
    {
        kDrawAlways,
        kDrawWhenOn,
        kDrawWhenOff,
    };

    CPane(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
          VSTGUI::CBitmap* bitmap = nullptr);

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where,
                                             const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where,
                                            const VSTGUI::CButtonState& buttons) override;
    bool onWheel(const VSTGUI::CPoint& where, float distance,
                 const VSTGUI::CButtonState& buttons) override;
    void setValue(float value) override;

    // Transparent on and off colours by default.
    void setColors(const VSTGUI::CColor& on, const VSTGUI::CColor& off);
    void setDrawWhen(DrawWhen when);
    DrawWhen getDrawWhen() const { return drawWhen; }
    bool isOn() const { return value >= 0.5f; }
    // Whether it draws anything at its current value.
    bool isShowing() const;
    // A pane takes the mouse only while it reports hover (so it never hides the hover of the
    // controls under it).
    void setHoverReporting(bool state);
    bool getHoverReporting() const { return hoverReporting; }

private:
    VSTGUI::CColor onColor{0, 0, 0, 0};
    VSTGUI::CColor offColor{0, 0, 0, 0};
    DrawWhen drawWhen = kDrawAlways;
    bool hoverReporting = false;
};
