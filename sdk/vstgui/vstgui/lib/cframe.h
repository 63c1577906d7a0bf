#pragma once

#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/lib/iplatformframe.h"
#include "vstgui/lib/vstguieditorinterface.h"

#include "platform/BusyLock.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI
{

// The root of a view tree, bound to a window (or an off-screen surface) by a platform frame.
// Its own size is in layout units (100 %); the zoom scales drawing and mouse coordinates.
class CFrame : public CViewContainer
{
public:
    CFrame(const CRect& size, VSTGUIEditorInterface* editor = nullptr);
    ~CFrame() override;

    // Opens a window inside parent (an X11 window id for kX11EmbedWindowID); config is the
    // platform's own settings (for X11, an X11::FrameConfig with the host's run loop).
    bool open(void* parent, PlatformType type = PlatformType::kX11EmbedWindowID,
              void* config = nullptr);
    // Binds the frame to a platform frame made elsewhere (the off-screen one); takes ownership.
    bool open(std::unique_ptr<IPlatformFrame> platform);
    // Drops the platform frame and all views, and gives up the creator's reference.
    void close();
    bool isOpen() const { return platformFrame != nullptr; }
    IPlatformFrame* getPlatformFrame() const { return platformFrame.get(); }
    VSTGUIEditorInterface* getEditor() const { return editor; }

    // Runs due timers, shows a pending tooltip and redraws what became dirty.
    void idle();

    // 0.25 to 4; the frame keeps its layout size and the window grows or shrinks.
    bool setZoom(double zoom);
    double getZoom() const { return zoom; }
    // Zoom times the screen's content scale: device pixels per layout unit.
    double getScaleFactor() const;
    // The screen's scale (2 on HiDPI screens), as the host reports it; 0.5 to 4.
    bool setContentScale(double scale);
    bool setSize(CCoord width, CCoord height);
    CRect getDeviceSize() const;

    // At most one modal view; while it is set the rest of the frame takes no mouse or keys.
    // A view not yet in the tree is added to the frame on top (and removed again, without
    // forgetting it, when the modal view is cleared). Refused while another is set.
    bool setModalView(CView* view);
    CView* getModalView() const { return modalView; }

    void setFocusView(CView* view);
    CView* getFocusView() const { return focusView; }

    void beginEdit(int32 tag);
    void endEdit(int32 tag);

    // The last mouse position in frame coordinates.
    bool getCurrentMouseLocation(CPoint& where) const;
    const std::vector<CView*>& getMouseViews() const { return mouseViews; }

    void enableTooltips(bool state, uint32 delayMilliseconds = 1000);
    bool isTooltipShown() const { return tooltipShown; }
    const std::string& getShownTooltip() const { return tooltipText; }

    velqa::platform::CBusyLock& getDrawLock() { return drawLock; }

    // Entry points for the platform frame: points and rectangles in device pixels.
    CMouseEventResult platformOnMouseDown(const CPoint& devicePoint, const CButtonState& buttons);
    CMouseEventResult platformOnMouseMoved(const CPoint& devicePoint, const CButtonState& buttons);
    CMouseEventResult platformOnMouseUp(const CPoint& devicePoint, const CButtonState& buttons);
    void platformOnMouseExited();
    bool platformOnMouseWheel(const CPoint& devicePoint, float distance,
                              const CButtonState& buttons);
    int32 platformOnKeyDown(KeyCode& key);
    int32 platformOnKeyUp(KeyCode& key);
    void platformOnActivate(bool active);
    // Draws the frame's contents into rect of a device-pixel surface.
    void platformDrawRect(cairo_surface_t* target, const CRect& deviceRect);
    void platformDrawRects(cairo_surface_t* target, const std::vector<CRect>& deviceRects);
    bool coveredByOpaquePage(const CRect& rect) const;

    // Used by views.
    void invalidFrameRect(const CRect& rect);
    void onViewRemoved(CView* view);

    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    void drawBackgroundRect(CDrawContext* context, const CRect& rect) override;

private:
    CPoint toLayout(const CPoint& devicePoint) const;
    CView* dispatchRoot() const;
    // The point in the coordinates a root view's size is in.
    CPoint toRootCoordinates(const CView* root, const CPoint& where) const;
    void updateMouseViews(const CPoint& where, const CButtonState& buttons);
    void hideTooltip();
    void showTooltip();

    VSTGUIEditorInterface* editor;
    std::unique_ptr<IPlatformFrame> platformFrame;
    velqa::platform::CBusyLock drawLock;
    double zoom = 1.0;
    std::vector<CRect> dirtyRects;

    CView* modalView = nullptr;
    bool modalViewAdded = false;
    CView* focusView = nullptr;
    CView* mouseDownRoot = nullptr;
    std::vector<CView*> mouseViews;
    CPoint lastMouse{-1, -1};
    bool mouseInside = false;

    bool tooltipsEnabled = false;
    uint32 tooltipDelay = 1000;
    uint64_t hoverSince = 0;
    bool tooltipShown = false;
    std::string tooltipText;
    CRect tooltipRect;
};

} // namespace VSTGUI
