#include "vstgui/lib/cview.h"
#include "vstgui/lib/cframe.h"

namespace VSTGUI
{

CView::CView(const CRect& size) : size(size) {}

CView::~CView()
{
    if (frame) frame->onViewRemoved(this);
}

void CView::draw(CDrawContext*)
{
    setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect&)
{
    draw(context);
}

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&)
{
    return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&)
{
    return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&)
{
    return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseEntered(CPoint&, const CButtonState&)
{
    return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseExited(CPoint&, const CButtonState&)
{
    return kMouseEventNotImplemented;
}
CMouseEventResult CView::onMouseCancel()
{
    return kMouseEventNotImplemented;
}
bool CView::onWheel(const CPoint&, float, const CButtonState&)
{
    return false;
}
int32 CView::onKeyDown(KeyCode&)
{
    return -1;
}
int32 CView::onKeyUp(KeyCode&)
{
    return -1;
}

bool CView::hitTest(const CPoint& where, const CButtonState&)
{
    return size.pointInside(where);
}

void CView::setViewSize(const CRect& newSize, bool invalidate)
{
    if (newSize == size) return;
    if (invalidate) invalid();
    size = newSize;
    if (invalidate) invalid();
}

void CView::setVisible(bool state)
{
    if (visible == state) return;
    if (!state) invalid();
    visible = state;
    if (state) invalid();
}

void CView::invalid()
{
    invalidRect(size);
}

void CView::invalidRect(const CRect& rect)
{
    if (!frame || !isAttachedFlag) return;
    CPoint topLeft = rect.getTopLeft();
    localToFrame(topLeft);
    frame->invalidFrameRect(CRect(topLeft, rect.getSize()));
}

bool CView::attached(CView* newParent)
{
    if (isAttachedFlag) return false;
    parent = newParent;
    if (newParent) frame = newParent->getFrame();
    isAttachedFlag = true;
    invalid();
    return true;
}

bool CView::removed(CView*)
{
    if (!isAttachedFlag) return false;
    invalid();
    if (frame) frame->onViewRemoved(this);
    parent = nullptr;
    frame = nullptr;
    isAttachedFlag = false;
    return true;
}

CPoint& CView::localToFrame(CPoint& point) const
{
    for (const CView* p = parent; p && p->parent; p = p->parent) point.offset(p->size.getTopLeft());
    return point;
}

CPoint& CView::frameToLocal(CPoint& point) const
{
    for (const CView* p = parent; p && p->parent; p = p->parent)
        point.offsetInverse(p->size.getTopLeft());
    return point;
}

} // namespace VSTGUI
