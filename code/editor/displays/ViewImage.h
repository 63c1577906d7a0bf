#pragma once
// A view's drawing kept as an image of the device's pixels. The displays lie over one another
// and one of them changes every tick: the others are composited from their image instead of
// being drawn again.

#include "vstgui/lib/crect.h"

typedef struct _cairo_surface cairo_surface_t;
namespace VSTGUI
{
class CDrawContext;
}

class CViewImage
{
public:
    CViewImage() = default;
    CViewImage(const CViewImage&) = delete;
    CViewImage& operator=(const CViewImage&) = delete;
    ~CViewImage();

    // Finds where the view lies in this context's device pixels and makes the image that size;
    // false when it cannot exist. A new size or scale leaves it stale.
    bool place(VSTGUI::CDrawContext* context, const VSTGUI::CRect& viewSize);
    bool isStale() const { return stale; }
    void markStale() { stale = true; }
    void markPainted() { stale = false; }

    cairo_surface_t* surface() const { return image; }
    int width() const { return pixelWidth; }
    int height() const { return pixelHeight; }
    double scale() const { return imageScale; }

    // Draws the image's rows from firstRow down at the view's place.
    void composite(VSTGUI::CDrawContext* context, int firstRow = 0) const;

private:
    cairo_surface_t* image = nullptr;
    double imageScale = 0;
    double left = 0, top = 0;
    int pixelWidth = 0, pixelHeight = 0;
    bool stale = true;
};
