#pragma once
// The editor's rotary knob, drawn from a film strip. A right drag (or a Shift+Alt left drag)
// moves the partner knob of the other section to the same value for as long as it lasts.

#include "code/editor/controls/OrvControlCommon.h"
#include "vstgui/lib/controls/cknob.h"

class CAnimKnobOrv : public VSTGUI::CAnimKnob, public COrvControlCommon
{
public:
    CAnimKnobOrv(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
                 VSTGUI::CBitmap* strip, VSTGUI::int32 frames = 129);

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::CPoint& where,
                                           const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::CPoint& where,
                                        const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseCancel() override;
    bool removed(VSTGUI::CView* parent) override;
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::CPoint& where,
                                             const VSTGUI::CButtonState& buttons) override;
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::CPoint& where,
                                            const VSTGUI::CButtonState& buttons) override;

    // Clicks farther than radius from the centre are not taken; 0 takes the whole rectangle.
    void setHitRadius(VSTGUI::CCoord radius) { hitRadius = radius; }
    bool isLinkedDrag() const { return linked; }

private:
    // The state VSTGUI's knob handling sees: a linked gesture is a plain left drag.
    VSTGUI::CButtonState dragButtons(const VSTGUI::CButtonState& buttons) const;
    void finishLinkedDrag();

    VSTGUI::CCoord hitRadius = 0;
    bool linked = false;
};
