#pragma once
// Shows one frame of its strip chosen by its state; a state outside the strip shows nothing.
// Takes no clicks.

#include "code/editor/controls/OrvControlCommon.h"

class CStateView : public VSTGUI::CControl, public COrvControlCommon
{
public:
    CStateView(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
               VSTGUI::CBitmap* strip, VSTGUI::int32 frames);

    void draw(VSTGUI::CDrawContext* context) override;
    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::CPoint& where,
                                          const VSTGUI::CButtonState& buttons) override;

    // Index mode reads the state as value * 128, else as the value itself.
    void setIndexMode(bool state);
    // The first state (0) then shows nothing and state k shows frame k - 1.
    void setMinusOne(bool state);
    VSTGUI::int32 getState() const;
    // -1 when nothing is drawn.
    VSTGUI::int32 getFrameIndex() const;

private:
    VSTGUI::int32 frames;
    bool indexMode = true;
    bool minusOne = false;
};
