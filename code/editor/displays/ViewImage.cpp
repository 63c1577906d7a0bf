#include "code/editor/displays/ViewImage.h"

#include "vstgui/lib/cdrawcontext.h"

#include <cairo.h>

#include <cmath>

using namespace VSTGUI;

CViewImage::~CViewImage()
{
    if (image) cairo_surface_destroy(image);
}

bool CViewImage::place(CDrawContext* context, const CRect& viewSize)
{
    const CGraphicsTransform& t = context->getCurrentTransform();
    const double scale = context->getScaleFactor();
    left = std::round(viewSize.left * scale + t.dx * scale / t.m11);
    top = std::round(viewSize.top * scale + t.dy * scale / t.m22);
    const auto width = static_cast<int>(std::lround(viewSize.getWidth() * scale));
    const auto height = static_cast<int>(std::lround(viewSize.getHeight() * scale));
    if (width <= 0 || height <= 0) return false;
    if (image && width == pixelWidth && height == pixelHeight && scale == imageScale) return true;
    if (image) cairo_surface_destroy(image);
    image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(image);
        image = nullptr;
        return false;
    }
    pixelWidth = width;
    pixelHeight = height;
    imageScale = scale;
    stale = true;
    return true;
}

void CViewImage::composite(CDrawContext* context, int firstRow) const
{
    if (!image || firstRow >= pixelHeight) return;
    cairo_t* cr = context->getCairo();
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, image, left, top);
    cairo_rectangle(cr, left, top + firstRow, pixelWidth, pixelHeight - firstRow);
    cairo_fill(cr);
    cairo_restore(cr);
}
