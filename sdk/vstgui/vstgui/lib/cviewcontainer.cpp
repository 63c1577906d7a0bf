#include "vstgui/lib/cviewcontainer.h"
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cdrawcontext.h"

#include <algorithm>

namespace VSTGUI
{

CViewContainer::CViewContainer(const CRect& size) : CView(size) {}

CViewContainer::~CViewContainer()
{
    removeAll(true);
    if (background) background->forget();
}

bool CViewContainer::addView(CView* view, CView* before)
{
    if (!view || view->getParentView() || isChild(view)) return false;
    auto position = std::find(children.begin(), children.end(), before);
    children.insert(position, view);
    if (isAttached()) view->attached(this);
    return true;
}

bool CViewContainer::removeView(CView* view, bool withForget)
{
    auto found = std::find(children.begin(), children.end(), view);
    if (found == children.end()) return false;
    if (mouseDownView == view) mouseDownView = nullptr;
    children.erase(found);
    if (view->isAttached()) view->removed(this);
    if (withForget) view->forget();
    return true;
}

bool CViewContainer::removeAll(bool withForget)
{
    mouseDownView = nullptr;
    while (!children.empty()) removeView(children.back(), withForget);
    return true;
}

bool CViewContainer::isChild(const CView* view, bool deep) const
{
    for (CView* child : children)
    {
        if (child == view) return true;
        if (deep)
            if (auto* container = dynamic_cast<CViewContainer*>(child))
                if (container->isChild(view, true)) return true;
    }
    return false;
}

CView* CViewContainer::getView(int32 index) const
{
    if (index < 0 || index >= getNbViews()) return nullptr;
    return children[static_cast<std::size_t>(index)];
}

void CViewContainer::setBackgroundColor(const CColor& color)
{
    backgroundColor = color;
    setDirty();
}

void CViewContainer::setBackground(CBitmap* bitmap)
{
    if (bitmap) bitmap->remember();
    if (background) background->forget();
    background = bitmap;
    setDirty();
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep, bool mouseEnabledOnly) const
{
    CPoint local = where;
    local.offsetInverse(size.getTopLeft());
    for (auto it = children.rbegin(); it != children.rend(); ++it)
    {
        CView* child = *it;
        if (!child->isVisible() || !child->hitTest(local)) continue;
        if (mouseEnabledOnly && !child->getMouseEnabled()) continue;
        if (deep)
            if (auto* container = dynamic_cast<CViewContainer*>(child))
                if (CView* inner = container->getViewAt(local, true, mouseEnabledOnly))
                    return inner;
        return child;
    }
    return nullptr;
}

void CViewContainer::draw(CDrawContext* context)
{
    drawRect(context, size);
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& rect)
{
    CRect local(0, 0, size.getWidth(), size.getHeight());
    if (backgroundColor.alpha != 0)
    {
        context->setFillColor(backgroundColor);
        context->drawRect(rect, kDrawFilled);
    }
    if (background) context->drawBitmap(background, local, backgroundOffset);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect)
{
    CRect update = updateRect;
    update.bound(size);
    if (update.isEmpty()) return;
    setDirty(false);
    context->saveGlobalState();
    CDrawContext::Transform offset(*context, CGraphicsTransform().translate(size.getTopLeft()));
    CRect localUpdate = update;
    localUpdate.offsetInverse(size.getTopLeft());
    context->setClipRect(localUpdate);
    drawBackgroundRect(context, localUpdate);
    for (CView* child : children)
    {
        if (!child->isVisible() || !child->getViewSize().rectOverlap(localUpdate) ||
            !context->meetsDrawRegion(child->getViewSize()))
            continue;
        CRect childUpdate = child->getViewSize();
        childUpdate.bound(localUpdate);
        context->saveGlobalState();
        context->setClipRect(childUpdate);
        // Cleared first so a view that needs another pass (a falling meter) can set it again.
        child->setDirty(false);
        child->drawRect(context, childUpdate);
        context->restoreGlobalState();
    }
    context->restoreGlobalState();
}

CMouseEventResult CViewContainer::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    CPoint local = where;
    local.offsetInverse(size.getTopLeft());
    for (auto it = children.rbegin(); it != children.rend(); ++it)
    {
        CView* child = *it;
        if (!child->isVisible() || !child->getMouseEnabled() || !child->hitTest(local, buttons))
            continue;
        child->remember(); // a handler may remove the child from its parent
        CPoint childPoint = local;
        CMouseEventResult result = child->onMouseDown(childPoint, buttons);
        bool stillHere = child->getParentView() == this;
        child->forget();
        if (result == kMouseEventNotImplemented || result == kMouseEventNotHandled) continue;
        if (result == kMouseEventHandled && stillHere) mouseDownView = child;
        return result;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    CView* target = mouseDownView;
    mouseDownView = nullptr;
    if (!target) return kMouseEventNotHandled;
    CPoint local = where;
    local.offsetInverse(size.getTopLeft());
    target->remember();
    target->onMouseUp(local, buttons);
    target->forget();
    return kMouseEventHandled;
}

CMouseEventResult CViewContainer::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!mouseDownView) return kMouseEventNotHandled;
    CPoint local = where;
    local.offsetInverse(size.getTopLeft());
    CView* target = mouseDownView;
    target->remember();
    CMouseEventResult result = target->onMouseMoved(local, buttons);
    target->forget();
    if (result == kMouseMoveEventHandledButDontNeedMoreEvents || result == kMouseEventNotHandled ||
        result == kMouseEventNotImplemented)
    {
        if (mouseDownView == target) mouseDownView = nullptr;
    }
    return kMouseEventHandled;
}

CMouseEventResult CViewContainer::onMouseCancel()
{
    CView* target = mouseDownView;
    mouseDownView = nullptr;
    if (target) target->onMouseCancel();
    return kMouseEventHandled;
}

bool CViewContainer::onWheel(const CPoint& where, float distance, const CButtonState& buttons)
{
    CPoint local = where;
    local.offsetInverse(size.getTopLeft());
    for (auto it = children.rbegin(); it != children.rend(); ++it)
    {
        CView* child = *it;
        if (!child->isVisible() || !child->getMouseEnabled() || !child->hitTest(local, buttons))
            continue;
        if (child->onWheel(local, distance, buttons)) return true;
    }
    return false;
}

bool CViewContainer::attached(CView* newParent)
{
    if (!CView::attached(newParent)) return false;
    for (CView* child : children) child->attached(this);
    return true;
}

bool CViewContainer::removed(CView* oldParent)
{
    if (!isAttached()) return false;
    // A child may take siblings out of the tree as it goes (an open popup list does).
    const std::vector<CView*> current = children;
    for (CView* child : current) child->remember();
    for (CView* child : current)
        if (child->getParentView() == this && child->isAttached()) child->removed(this);
    for (CView* child : current) child->forget();
    mouseDownView = nullptr;
    return CView::removed(oldParent);
}

void CViewContainer::clearMouseDownView(const CView* view)
{
    if (mouseDownView == view) mouseDownView = nullptr;
    for (CView* child : children)
        if (auto* container = dynamic_cast<CViewContainer*>(child))
            container->clearMouseDownView(view);
}

} // namespace VSTGUI
