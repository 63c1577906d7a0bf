#pragma once
// A vertical slider with a handle bitmap: continuous, or with a few positions. The value is 1
// with the handle at the top. A right drag (or Shift+Alt left drag) moves the partner along.

#include "code/editor/controls/OrvControlCommon.h"

class CVSliderMO : public VSTGUI::CControl, public COrvControlCommon
{
public:
    // size: the handle's width by its travel plus its height (the handle's top moves over the
    // travel). steps 2 or more gives that many positions, evenly spaced from 0 to 1.
    CVSliderMO(const VSTGUI::CRect& size, VSTGUI::IControlListener* listener, VSTGUI::int32 tag,
               VSTGUI::CBitmap* handle, VSTGUI::int32 steps = 0);
    ~CVSliderMO() override;

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
    bool onWheel(const VSTGUI::CPoint& where, float distance,
                 const VSTGUI::CButtonState& buttons) override;
    void setValue(float value) override;

    VSTGUI::int32 getSteps() const { return steps; }
    VSTGUI::CCoord getTravel() const;
    // In the parent's coordinates.
    VSTGUI::CRect getHandleRect() const;
    // How many times finer a Shift drag is.
    void setZoomFactor(float factor) { zoomFactor = factor; }

private:
    // The value that puts the handle's centre at y, snapped to the positions.
    float valueAtY(VSTGUI::CCoord y) const;
    float snap(float value) const;
    void moveTo(float value);
    void finishDrag();

    VSTGUI::CBitmap* handle;
    VSTGUI::int32 steps;
    float zoomFactor = 10.f;
    bool linked = false;
    bool dragging = false;
    float valueBeforeDrag = 0.f;
    // Where inside the handle it was grabbed, and the drag's anchor for fine moves.
    VSTGUI::CCoord grabOffset = 0;
    VSTGUI::CCoord anchorY = 0;
    float anchorValue = 0.f;
    VSTGUI::int32 dragModifiers = 0;
};
