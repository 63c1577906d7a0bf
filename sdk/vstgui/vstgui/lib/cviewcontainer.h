#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cview.h"

#include <vector>

namespace VSTGUI
{

// A view holding child views in its own coordinates (origin at its top-left corner). Later
// children lie in front of earlier ones. The container owns one reference to each child.
class CViewContainer : public CView
{
public:
    explicit CViewContainer(const CRect& size);
    ~CViewContainer() override;

    // Takes over the caller's reference.
    virtual bool addView(CView* view, CView* before = nullptr);
    virtual bool removeView(CView* view, bool withForget = true);
    virtual bool removeAll(bool withForget = true);
    bool isChild(const CView* view, bool deep = false) const;
    int32 getNbViews() const { return static_cast<int32>(children.size()); }
    CView* getView(int32 index) const;

    void setBackgroundColor(const CColor& color);
    CColor getBackgroundColor() const { return backgroundColor; }
    // Remembers the bitmap; null removes it.
    void setBackground(CBitmap* bitmap);
    CBitmap* getBackground() const { return background; }
    void setBackgroundOffset(const CPoint& offset) { backgroundOffset = offset; }
    const CPoint& getBackgroundOffset() const { return backgroundOffset; }

    // The front-most visible child under where (this container's parent coordinates); with deep
    // the search descends into child containers. Only mouse-enabled views count when
    // mouseEnabledOnly.
    CView* getViewAt(const CPoint& where, bool deep = false, bool mouseEnabledOnly = false) const;
    CView* getMouseDownView() const { return mouseDownView; }

    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    virtual void drawBackgroundRect(CDrawContext* context, const CRect& rect);

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseCancel() override;
    bool onWheel(const CPoint& where, float distance, const CButtonState& buttons) override;

    bool attached(CView* parent) override;
    bool removed(CView* parent) override;

    // Clears the flags of dirty views and adds their frame rectangles to the collector.
    template <typename Collector> void collectDirtyViews(Collector&& collect)
    {
        if (!isVisible()) return;
        if (isDirty())
        {
            setDirty(false);
            collect(this);
        }
        for (CView* child : children)
        {
            if (auto* container = dynamic_cast<CViewContainer*>(child))
                container->collectDirtyViews(collect);
            else if (child->isVisible() && child->isDirty())
            {
                child->setDirty(false);
                collect(child);
            }
        }
    }

    // Forgets any child that is being dragged (the frame calls this when a view goes away).
    void clearMouseDownView(const CView* view);

protected:
    std::vector<CView*> children;
    CView* mouseDownView = nullptr;

private:
    CColor backgroundColor{0, 0, 0, 0};
    CBitmap* background = nullptr;
    CPoint backgroundOffset;
};

} // namespace VSTGUI
