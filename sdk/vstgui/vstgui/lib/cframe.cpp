#include "vstgui/lib/cframe.h"

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cvstguitimer.h"
#include "vstgui/lib/platform/x11frame.h"

#include "platform/Clock.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>

namespace VSTGUI
{
namespace
{

constexpr double kMinimumZoom = 0.25;
constexpr double kMaximumZoom = 4.0;
// More separate rectangles than this are merged into one: redrawing a little more is cheaper
// than many small passes.
constexpr std::size_t kMaximumDirtyRects = 32;

} // namespace

CFrame::CFrame(const CRect& size, VSTGUIEditorInterface* editor)
    : CViewContainer(size), editor(editor)
{
    frame = this;
    setBackgroundColor(kBlackCColor);
}

CFrame::~CFrame()
{
    // Children must go while this is still a whole frame: their removal reports back here.
    modalView = nullptr;
    removeAll(true);
    platformFrame.reset();
    frame = nullptr;
}

bool CFrame::open(void* parent, PlatformType type, void* config)
{
    if (platformFrame || type != PlatformType::kX11EmbedWindowID) return false;
    auto window = X11::createX11Frame(this, parent, static_cast<X11::FrameConfig*>(config));
    if (!window) return false;
    return open(std::move(window));
}

bool CFrame::open(std::unique_ptr<IPlatformFrame> platform)
{
    if (platformFrame || !platform) return false;
    platformFrame = std::move(platform);
    CViewContainer::attached(nullptr);
    invalid();
    return true;
}

void CFrame::close()
{
    setModalView(nullptr);
    focusView = nullptr;
    removeAll(true);
    if (isAttached()) CViewContainer::removed(nullptr);
    frame = this;
    platformFrame.reset();
    forget();
}

void CFrame::idle()
{
    CVSTGUITimer::fireDueTimers();
    if (tooltipsEnabled && !tooltipShown && mouseInside && !mouseDownRoot &&
        velqa::platform::millisecondClock() - hoverSince >= tooltipDelay)
        showTooltip();
    collectDirtyViews(
        [this](CView* view)
        {
            CRect rect = view->getViewSize();
            CPoint topLeft = rect.getTopLeft();
            view->localToFrame(topLeft);
            invalidFrameRect(CRect(topLeft, rect.getSize()));
        });
    if (dirtyRects.empty() || !platformFrame) return;
    std::vector<CRect> rects;
    rects.swap(dirtyRects);
    const double scale = getScaleFactor();
    for (CRect& rect : rects) rect.scale(scale).makeIntegral();
    platformFrame->invalidRects(rects);
}

bool CFrame::setZoom(double newZoom)
{
    if (!(newZoom >= kMinimumZoom && newZoom <= kMaximumZoom)) return false;
    if (newZoom == zoom) return true;
    zoom = newZoom;
    if (platformFrame) platformFrame->setSize(getDeviceSize());
    invalid();
    return true;
}

double CFrame::getScaleFactor() const
{
    return zoom * (platformFrame ? platformFrame->getContentScale() : 1.0);
}

bool CFrame::setContentScale(double scale)
{
    if (!platformFrame || !(scale >= 0.5 && scale <= 4.0)) return false;
    if (scale == platformFrame->getContentScale()) return true;
    if (!platformFrame->setContentScale(scale)) return false;
    platformFrame->setSize(getDeviceSize());
    invalid();
    return true;
}

bool CFrame::setSize(CCoord width, CCoord height)
{
    if (width <= 0 || height <= 0) return false;
    setViewSize(CRect(0, 0, width, height), false);
    if (platformFrame) platformFrame->setSize(getDeviceSize());
    invalid();
    return true;
}

CRect CFrame::getDeviceSize() const
{
    CRect device(0, 0, size.getWidth(), size.getHeight());
    return device.scale(getScaleFactor()).makeIntegral();
}

bool CFrame::setModalView(CView* view)
{
    if (view && modalView) return false;
    if (modalView)
    {
        CView* previous = modalView;
        modalView = nullptr;
        if (modalViewAdded)
            removeView(previous, false);
        else
            previous->invalid();
        modalViewAdded = false;
    }
    if (!view) return true;
    if (focusView && !isChild(focusView, true)) setFocusView(nullptr);
    // Whatever was being dragged or hovered outside the modal view lets go.
    onMouseCancel();
    mouseDownRoot = nullptr;
    if (!view->getParentView())
    {
        if (!addView(view)) return false;
        modalViewAdded = true;
    }
    modalView = view;
    modalView->invalid();
    CPoint where = lastMouse;
    updateMouseViews(where, CButtonState());
    return true;
}

void CFrame::setFocusView(CView* view)
{
    if (view == focusView) return;
    if (view && modalView && view != modalView)
    {
        auto* container = dynamic_cast<CViewContainer*>(modalView);
        if (!container || !container->isChild(view, true)) return;
    }
    CView* previous = focusView;
    focusView = view;
    if (previous) previous->looseFocus();
    if (focusView == view && view) view->takeFocus();
}

void CFrame::beginEdit(int32 tag)
{
    if (editor) editor->beginEdit(tag);
}

void CFrame::endEdit(int32 tag)
{
    if (editor) editor->endEdit(tag);
}

bool CFrame::getCurrentMouseLocation(CPoint& where) const
{
    where = lastMouse;
    return mouseInside;
}

void CFrame::enableTooltips(bool state, uint32 delayMilliseconds)
{
    tooltipsEnabled = state;
    tooltipDelay = delayMilliseconds;
    if (!state) hideTooltip();
}

CPoint CFrame::toLayout(const CPoint& devicePoint) const
{
    double scale = getScaleFactor();
    return {devicePoint.x / scale, devicePoint.y / scale};
}

CView* CFrame::dispatchRoot() const
{
    return modalView ? modalView : const_cast<CFrame*>(this);
}

CPoint CFrame::toRootCoordinates(const CView* root, const CPoint& where) const
{
    CPoint point = where;
    if (root != this) root->frameToLocal(point);
    return point;
}

CMouseEventResult CFrame::platformOnMouseDown(const CPoint& devicePoint,
                                              const CButtonState& buttons)
{
    hideTooltip();
    CPoint where = toLayout(devicePoint);
    lastMouse = where;
    mouseInside = true;
    CView* root = dispatchRoot();
    CPoint rootPoint = toRootCoordinates(root, where);
    if (root != this && (!root->isVisible() || !root->hitTest(rootPoint, buttons)))
        return kMouseEventHandled; // clicks beside a modal view go nowhere

    CView* hit = root;
    if (auto* container = dynamic_cast<CViewContainer*>(root))
        hit = container->getViewAt(rootPoint, true, true);
    // A view that wants the focus takes it in its own mouse handling.
    if (focusView && hit != focusView) setFocusView(nullptr);

    root->remember();
    CPoint point = rootPoint;
    CMouseEventResult result = root->onMouseDown(point, buttons);
    bool needsMore = result == kMouseEventHandled;
    root->forget();
    mouseDownRoot = needsMore && dispatchRoot() == root ? root : nullptr;
    return result;
}

CMouseEventResult CFrame::platformOnMouseMoved(const CPoint& devicePoint,
                                               const CButtonState& buttons)
{
    CPoint where = toLayout(devicePoint);
    if (where != lastMouse)
    {
        hideTooltip();
        hoverSince = velqa::platform::millisecondClock();
    }
    lastMouse = where;
    mouseInside = true;
    if (mouseDownRoot)
    {
        CView* root = mouseDownRoot;
        CPoint point = toRootCoordinates(root, where);
        root->remember();
        CMouseEventResult result = root->onMouseMoved(point, buttons);
        root->forget();
        return result;
    }
    updateMouseViews(where, buttons);
    CView* root = dispatchRoot();
    CPoint point = toRootCoordinates(root, where);
    if (root == this) return CViewContainer::onMouseMoved(point, buttons);
    return root->onMouseMoved(point, buttons);
}

CMouseEventResult CFrame::platformOnMouseUp(const CPoint& devicePoint, const CButtonState& buttons)
{
    CPoint where = toLayout(devicePoint);
    lastMouse = where;
    CView* root = mouseDownRoot;
    mouseDownRoot = nullptr;
    CMouseEventResult result = kMouseEventNotHandled;
    if (root)
    {
        CPoint point = toRootCoordinates(root, where);
        root->remember();
        result = root->onMouseUp(point, buttons);
        root->forget();
    }
    updateMouseViews(where, CButtonState(buttons.getModifierState()));
    return result;
}

void CFrame::platformOnMouseExited()
{
    hideTooltip();
    mouseInside = false;
    if (mouseDownRoot) return; // a drag keeps its views until the button is released
    updateMouseViews(CPoint{-1e9, -1e9}, CButtonState());
}

bool CFrame::platformOnMouseWheel(const CPoint& devicePoint, float distance,
                                  const CButtonState& buttons)
{
    hideTooltip();
    CPoint where = toLayout(devicePoint);
    lastMouse = where;
    CView* root = dispatchRoot();
    CPoint point = toRootCoordinates(root, where);
    if (root != this && (!root->isVisible() || !root->hitTest(point, buttons))) return false;
    if (root == this) return CViewContainer::onWheel(point, distance, buttons);
    return root->onWheel(point, distance, buttons);
}

int32 CFrame::platformOnKeyDown(KeyCode& key)
{
    hideTooltip();
    if (focusView) return focusView->onKeyDown(key);
    return -1;
}

int32 CFrame::platformOnKeyUp(KeyCode& key)
{
    if (focusView) return focusView->onKeyUp(key);
    return -1;
}

void CFrame::platformOnActivate(bool active)
{
    if (!active) setFocusView(nullptr);
}

void CFrame::platformDrawRect(cairo_surface_t* target, const CRect& deviceRect)
{
    platformDrawRects(target, {deviceRect});
}

// All rectangles in one pass: each view that meets one of them draws once, clipped to them all,
// instead of the whole tree being walked and set up again for every rectangle.
void CFrame::platformDrawRects(cairo_surface_t* target, const std::vector<CRect>& deviceRects)
{
    // The editor's drawing lock: the effect may be inside the editor from another thread.
    velqa::platform::CBusyLockGuard guard(drawLock);
    const double scale = getScaleFactor();
    const CRect bounds(0, 0, size.getWidth(), size.getHeight());
    std::vector<CRect> region;
    CRect update;
    for (const CRect& deviceRect : deviceRects)
    {
        CRect part = deviceRect;
        part.scale(1.0 / scale).bound(bounds);
        if (part.isEmpty()) continue;
        if (region.empty())
            update = part;
        else
            update.unite(part);
        region.push_back(CRect(part).scale(scale));
    }
    if (region.empty()) return;
    CDrawContext context(target, scale);
    context.setClipRect(update);
    cairo_t* cr = context.getCairo();
    for (const CRect& part : region)
    {
        if (coveredByOpaquePage(CRect(part).scale(1.0 / scale))) continue;
        cairo_save(cr);
        cairo_identity_matrix(cr);
        cairo_rectangle(cr, part.left, part.top, part.getWidth(), part.getHeight());
        cairo_clip(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    context.setDrawRegion(std::move(region));
    drawRect(&context, update);
}

void CFrame::drawBackgroundRect(CDrawContext* context, const CRect& rect)
{
    if (!coveredByOpaquePage(rect)) CViewContainer::drawBackgroundRect(context, rect);
}

// A page whose opaque image covers the rectangle paints every pixel of it first: clearing or
// filling the rectangle before would only be overwritten.
bool CFrame::coveredByOpaquePage(const CRect& rect) const
{
    for (const CView* child : children)
    {
        const auto* page = dynamic_cast<const CViewContainer*>(child);
        if (!page || !page->isVisible()) continue;
        const CBitmap* image = page->getBackground();
        const CRect& area = page->getViewSize();
        if (image && image->isOpaque() && page->getBackgroundOffset() == CPoint() &&
            image->getWidth() >= area.getWidth() && image->getHeight() >= area.getHeight() &&
            area.left <= rect.left && area.top <= rect.top && area.right >= rect.right &&
            area.bottom >= rect.bottom)
            return true;
    }
    return false;
}

void CFrame::drawRect(CDrawContext* context, const CRect& updateRect)
{
    CViewContainer::drawRect(context, updateRect);
    if (!tooltipShown || !tooltipRect.rectOverlap(updateRect)) return;
    context->saveGlobalState();
    context->setClipRect(tooltipRect);
    context->setFillColor(CColor(255, 255, 225));
    context->setFrameColor(kBlackCColor);
    context->setLineWidth(1);
    context->drawRect(tooltipRect, kDrawFilledAndStroked);
    context->setFontColor(kBlackCColor);
    context->setFont("Arial", 11);
    CRect textRect = tooltipRect;
    context->drawString(tooltipText, textRect.inset(4, 0), kLeftText);
    context->restoreGlobalState();
}

void CFrame::invalidFrameRect(const CRect& rect)
{
    CRect bounded = rect;
    bounded.bound(CRect(0, 0, size.getWidth(), size.getHeight()));
    if (bounded.isEmpty()) return;
    for (auto& existing : dirtyRects)
    {
        if (existing.rectOverlap(bounded))
        {
            existing.unite(bounded);
            return;
        }
    }
    if (dirtyRects.size() >= kMaximumDirtyRects)
    {
        for (std::size_t i = 1; i < dirtyRects.size(); ++i) dirtyRects[0].unite(dirtyRects[i]);
        dirtyRects.resize(1);
        dirtyRects[0].unite(bounded);
        return;
    }
    dirtyRects.push_back(bounded);
}

void CFrame::onViewRemoved(CView* view)
{
    if (view == this) return;
    if (focusView == view) focusView = nullptr;
    if (modalView == view)
    {
        modalView = nullptr;
        modalViewAdded = false;
    }
    if (mouseDownRoot == view) mouseDownRoot = nullptr;
    mouseViews.erase(std::remove(mouseViews.begin(), mouseViews.end(), view), mouseViews.end());
    clearMouseDownView(view);
}

void CFrame::updateMouseViews(const CPoint& where, const CButtonState& buttons)
{
    std::vector<CView*> chain;
    CView* root = dispatchRoot();
    CPoint point = toRootCoordinates(root, where);
    if (root != this)
    {
        if (!root->isVisible() || !root->getMouseEnabled() || !root->hitTest(point))
            root = nullptr;
        else
            chain.push_back(root);
    }
    for (auto* container = dynamic_cast<CViewContainer*>(root); container;)
    {
        CView* child = container->getViewAt(point, false, true);
        if (!child) break;
        chain.push_back(child);
        point.offsetInverse(container == this ? CPoint() : container->getViewSize().getTopLeft());
        container = dynamic_cast<CViewContainer*>(child);
    }
    if (chain == mouseViews) return;
    hoverSince = velqa::platform::millisecondClock();
    hideTooltip();

    std::vector<CView*> previous = mouseViews;
    mouseViews = chain;
    // A handler may remove views; the references keep the old chain readable meanwhile.
    for (CView* view : previous) view->remember();
    for (auto it = previous.rbegin(); it != previous.rend(); ++it)
    {
        CView* view = *it;
        if (!view->isAttached() || std::find(chain.begin(), chain.end(), view) != chain.end())
            continue;
        CPoint local = where;
        view->frameToLocal(local);
        view->onMouseExited(local, buttons);
    }
    for (CView* view : previous) view->forget();
    for (CView* view : chain)
    {
        if (std::find(previous.begin(), previous.end(), view) != previous.end()) continue;
        if (std::find(mouseViews.begin(), mouseViews.end(), view) == mouseViews.end()) continue;
        CPoint local = where;
        view->frameToLocal(local);
        view->onMouseEntered(local, buttons);
    }
}

void CFrame::showTooltip()
{
    for (auto it = mouseViews.rbegin(); it != mouseViews.rend(); ++it)
    {
        const std::string& text = (*it)->getTooltipText();
        if (text.empty()) continue;
        CFontDesc font("Arial", 11);
        CCoord width = std::ceil(font.getStringWidth(text)) + 8;
        CRect rect(lastMouse.x + 10, lastMouse.y + 16, lastMouse.x + 10 + width, lastMouse.y + 34);
        // Keep it inside the window.
        if (rect.right > size.getWidth()) rect.offset(size.getWidth() - rect.right, 0);
        if (rect.bottom > size.getHeight()) rect.offset(0, lastMouse.y - 4 - rect.bottom);
        if (rect.left < 0) rect.offset(-rect.left, 0);
        if (rect.top < 0) rect.offset(0, -rect.top);
        tooltipText = text;
        tooltipRect = rect;
        tooltipShown = true;
        invalidFrameRect(tooltipRect);
        return;
    }
}

void CFrame::hideTooltip()
{
    if (!tooltipShown) return;
    tooltipShown = false;
    invalidFrameRect(tooltipRect);
}

} // namespace VSTGUI
