#include "vstgui/lib/platform/offscreenframe.h"

#include <cairo.h>

#include <cstring>

namespace VSTGUI
{

COffscreenPlatformFrame::COffscreenPlatformFrame(CFrame* frame, double contentScale)
    : frame(frame), contentScale(contentScale > 0 ? contentScale : 1.0)
{
}

COffscreenPlatformFrame::~COffscreenPlatformFrame()
{
    if (surface) cairo_surface_destroy(surface);
}

bool COffscreenPlatformFrame::setSize(const CRect& deviceSize)
{
    int width = static_cast<int>(deviceSize.getWidth());
    int height = static_cast<int>(deviceSize.getHeight());
    if (width <= 0 || height <= 0) return false;
    cairo_surface_t* resized = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(resized) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(resized);
        return false;
    }
    if (surface) cairo_surface_destroy(surface);
    surface = resized;
    redrawAll();
    return true;
}

void COffscreenPlatformFrame::invalidRect(const CRect& deviceRect)
{
    if (surface) frame->platformDrawRect(surface, deviceRect);
}

void COffscreenPlatformFrame::invalidRects(const std::vector<CRect>& deviceRects)
{
    if (surface) frame->platformDrawRects(surface, deviceRects);
}

void COffscreenPlatformFrame::redrawAll()
{
    if (surface) invalidRect(CRect(0, 0, getPixelWidth(), getPixelHeight()));
}

bool COffscreenPlatformFrame::setContentScale(double scale)
{
    contentScale = scale;
    return true;
}

int COffscreenPlatformFrame::getPixelWidth() const
{
    return surface ? cairo_image_surface_get_width(surface) : 0;
}

int COffscreenPlatformFrame::getPixelHeight() const
{
    return surface ? cairo_image_surface_get_height(surface) : 0;
}

CColor COffscreenPlatformFrame::getPixel(int x, int y) const
{
    if (!surface || x < 0 || y < 0 || x >= getPixelWidth() || y >= getPixelHeight())
        return {0, 0, 0, 0};
    cairo_surface_flush(surface);
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    uint32_t pixel = 0;
    std::memcpy(&pixel, row + x * 4, 4);
    auto alpha = static_cast<uint8>(pixel >> 24);
    auto channel = [alpha](uint32_t premultiplied)
    {
        if (alpha == 0) return uint8{0};
        return static_cast<uint8>((premultiplied * 255 + alpha / 2) / alpha);
    };
    return {channel((pixel >> 16) & 0xFF), channel((pixel >> 8) & 0xFF), channel(pixel & 0xFF),
            alpha};
}

bool COffscreenPlatformFrame::writePng(const std::string& path) const
{
    return surface && cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

COffscreenPlatformFrame* openOffscreen(CFrame* frame, double contentScale)
{
    if (!frame || frame->isOpen()) return nullptr;
    auto platform = std::make_unique<COffscreenPlatformFrame>(frame, contentScale);
    COffscreenPlatformFrame* result = platform.get();
    if (!frame->open(std::move(platform))) return nullptr;
    result->setSize(frame->getDeviceSize());
    return result;
}

} // namespace VSTGUI
