#pragma once
// A clickable bitmap area: a two-state switch or a momentary button drawn from a strip, or a
// plain area without a bitmap. Keeps the last click's buttons; a linked click also moves the
// partner.

#include "code/editor/controls/OrvControlCommon.h"

class CLed : public VSTGUI::CControl, public COrvControlCommon
{
public:
    enum Mode : VSTGUI::int32
    {
        kTwoState = 2,
        kMomentary = 4,
    };

    // frames: the strip's frame count (0 or 1 for a single image). Every mode but momentary
    // switches.
    CLed(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
         VSTGUI::CBitmap* strip, VSTGUI::int32 frames = 2, VSTGUI::int32 mode = kTwoState);

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

    VSTGUI::int32 getMode() const { return mode; }
    VSTGUI::int32 getFrames() const { return frames; }
    bool isPressed() const { return pressed; }

    // A control bound to no parameter reports its clicks without begin and end edit.
    void setHasParameter(bool state) { hasParameter = state; }
    bool getHasParameter() const { return hasParameter; }
    // A click counts only when the button is released inside. On by default for momentary
    // buttons, off for switches (they act on press).
    void setActOnRelease(bool state) { actOnRelease = state; }
    bool getActOnRelease() const { return actOnRelease; }
    // More than one segment splits the area into equal columns; a click reports its column as
    // index / 128.
    void setSegments(VSTGUI::int32 count) { segments = count; }
    VSTGUI::int32 getSegments() const { return segments; }

protected:
    // The value a click gives: toggled for a switch, 1 for a momentary button.
    virtual float clickedValue(const VSTGUI::CPoint& where) const;
    virtual VSTGUI::int32 frameIndex() const;
    // Applies a click as an edit (with the partner when linked); a momentary button reports 1 and
    // falls back to 0 without a report.
    void applyClick(float newValue, bool linked);
    void beginUserEdit();
    void endUserEdit();

    VSTGUI::int32 frames;
    VSTGUI::int32 mode;
    bool pressed = false;
    bool pressedInside = false;
    bool linkedClick = false;
    bool hasParameter = true;
    bool actOnRelease;
    VSTGUI::int32 segments = 1;
    VSTGUI::CPoint pressPoint;
};
