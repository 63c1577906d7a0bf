#pragma once

#include "vstgui/lib/cbuttonstate.h"
#include "vstgui/lib/crect.h"
#include "vstgui/lib/keycodes.h"

#include <atomic>
#include <string>

namespace VSTGUI
{

enum CMouseEventResult : int32
{
    kMouseEventNotImplemented = 0,
    kMouseEventHandled,
    kMouseEventNotHandled,
    kMouseDownEventHandledButDontNeedMovedOrUpEvents,
    kMouseMoveEventHandledButDontNeedMoreEvents,
};

// A rectangle of the window. Its size is in the coordinates of its parent container; mouse points
// handed to it are in the same coordinates.
class CView : public CBaseObject
{
public:
    explicit CView(const CRect& size);
    ~CView() override;

    virtual void draw(CDrawContext* context);
    // Draws the part inside updateRect (parent coordinates); the default draws everything.
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);

    virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseCancel();
    // distance > 0 is away from the user; true when taken.
    virtual bool onWheel(const CPoint& where, float distance, const CButtonState& buttons);
    // The character or key taken returns 1, else -1.
    virtual int32 onKeyDown(KeyCode& key);
    virtual int32 onKeyUp(KeyCode& key);

    virtual bool hitTest(const CPoint& where, const CButtonState& buttons = {});

    virtual void setViewSize(const CRect& size, bool invalidate = true);
    const CRect& getViewSize() const { return size; }
    CCoord getWidth() const { return size.getWidth(); }
    CCoord getHeight() const { return size.getHeight(); }

    virtual void setVisible(bool state);
    bool isVisible() const { return visible; }
    virtual void setMouseEnabled(bool state) { mouseEnabled = state; }
    bool getMouseEnabled() const { return mouseEnabled; }
    void setTransparency(bool state) { transparent = state; }
    bool getTransparency() const { return transparent; }

    // May be called from any thread: the frame collects dirty views at its next idle.
    virtual void setDirty(bool state = true) { dirty.store(state, std::memory_order_release); }
    bool isDirty() const { return dirty.load(std::memory_order_acquire); }
    // Invalidates the view now (user-interface thread only).
    virtual void invalid();
    virtual void invalidRect(const CRect& rect);

    void setTooltipText(const std::string& text) { tooltip = text; }
    const std::string& getTooltipText() const { return tooltip; }

    virtual bool wantsFocus() const { return false; }
    virtual void takeFocus() {}
    virtual void looseFocus() {}

    virtual bool attached(CView* parent);
    virtual bool removed(CView* parent);
    bool isAttached() const { return isAttachedFlag; }
    CView* getParentView() const { return parent; }
    CFrame* getFrame() const { return frame; }

    // Between the parent's coordinates and the frame's (100 %) coordinates.
    CPoint& localToFrame(CPoint& point) const;
    CPoint& frameToLocal(CPoint& point) const;

protected:
    CRect size;
    CView* parent = nullptr;
    CFrame* frame = nullptr;

private:
    bool visible = true;
    bool mouseEnabled = true;
    bool transparent = false;
    bool isAttachedFlag = false;
    std::atomic<bool> dirty{false};
    std::string tooltip;
};

} // namespace VSTGUI
