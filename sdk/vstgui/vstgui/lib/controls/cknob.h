#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/controls/ccontrol.h"

namespace VSTGUI
{

// A rotary control. The drag follows the knob mode: linear (vertical travel) or circular
// (the angle of the pointer around the centre). Shift drags finer, a Ctrl-click resets.
class CKnob : public CControl
{
public:
    CKnob(const CRect& size, IControlListener* listener, int32 tag, CBitmap* background,
          CBitmap* handle = nullptr);
    ~CKnob() override;

    void draw(CDrawContext* context) override;

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseCancel() override;
    bool onWheel(const CPoint& where, float distance, const CButtonState& buttons) override;

    // -1 follows the editor's knob mode (linear without an editor).
    void setKnobMode(int32 mode) { knobMode = mode; }
    int32 getEffectiveKnobMode() const;
    // Pixels of vertical travel from minimum to maximum in linear mode.
    void setLinearRange(CCoord pixels) { linearRange = pixels; }
    CCoord getLinearRange() const { return linearRange; }
    // How many times finer a Shift drag is.
    void setZoomFactor(float factor) { zoomFactor = factor; }
    float getZoomFactor() const { return zoomFactor; }

    void setHandleColor(const CColor& color) { handleColor = color; }
    // Degrees, 0 at three o'clock, clockwise on screen.
    void setStartAngle(double degrees) { startAngle = degrees; }
    void setRangeAngle(double degrees) { rangeAngle = degrees; }
    double valueToAngle(float normalized) const;
    float angleToValue(double degrees) const;

protected:
    void drawHandle(CDrawContext* context);
    void startDrag(const CPoint& where, const CButtonState& buttons);

    CBitmap* handle = nullptr;
    CColor handleColor = kWhiteCColor;
    double startAngle = 135;
    double rangeAngle = 270;

private:
    float pointToCircularValue(const CPoint& where) const;

    int32 knobMode = -1;
    CCoord linearRange = 200;
    float zoomFactor = 10.f;
    CPoint anchor;
    float anchorValue = 0.f;
    float valueBeforeDrag = 0.f;
    int32 dragModifiers = 0;
};

// A knob drawn from a film strip: the bitmap stacks its frames vertically; the frame shown is
// the value scaled to the frame count.
class CAnimKnob : public CKnob
{
public:
    // One frame is as high as the control; the frame count follows from the bitmap height.
    CAnimKnob(const CRect& size, IControlListener* listener, int32 tag, CBitmap* background);
    CAnimKnob(const CRect& size, IControlListener* listener, int32 tag, int32 subPixmaps,
              CCoord heightOfOneImage, CBitmap* background);

    void draw(CDrawContext* context) override;
    void setBackground(CBitmap* bitmap) override;

    int32 getNumSubPixmaps() const { return subPixmaps; }
    CCoord getHeightOfOneImage() const { return heightOfOneImage; }
    void setInverseBitmap(bool state) { inverseBitmap = state; }
    int32 getFrameIndex() const;

private:
    int32 subPixmaps = 0;
    CCoord heightOfOneImage;
    bool inverseBitmap = false;
};

} // namespace VSTGUI
