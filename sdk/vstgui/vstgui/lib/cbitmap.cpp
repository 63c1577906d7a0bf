#include "vstgui/lib/cbitmap.h"

#include "platform/Resources.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace VSTGUI
{
namespace
{

struct PngReader
{
    const unsigned char* data;
    std::size_t size;
    std::size_t position;
};

cairo_status_t readPngBytes(void* closure, unsigned char* out, unsigned int length)
{
    auto* reader = static_cast<PngReader*>(closure);
    if (reader->size - reader->position < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
    return CAIRO_STATUS_SUCCESS;
}

// An image whose every pixel is opaque is kept without its alpha channel: it is then copied
// onto the screen rather than blended, and a view drawn over it needs nothing cleared first.
cairo_surface_t* withoutUnusedAlpha(cairo_surface_t* surface)
{
    if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) return surface;
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < height; ++y)
    {
        const auto* row =
            reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x)
            if ((row[x] >> 24) != 0xff) return surface;
    }
    cairo_surface_t* opaque = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(opaque) != CAIRO_STATUS_SUCCESS ||
        cairo_image_surface_get_stride(opaque) != stride)
    {
        cairo_surface_destroy(opaque);
        return surface;
    }
    cairo_surface_flush(opaque);
    std::memcpy(cairo_image_surface_get_data(opaque), data, static_cast<size_t>(stride) * height);
    cairo_surface_mark_dirty(opaque);
    cairo_surface_destroy(surface);
    return opaque;
}

} // namespace

cairo_surface_t* decodePng(const void* data, std::size_t size)
{
    if (!data || size < 8) return nullptr;
    PngReader reader{static_cast<const unsigned char*>(data), size, 0};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readPngBytes, &reader);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return withoutUnusedAlpha(surface);
}

CBitmap::CBitmap(const void* pngData, std::size_t dataSize)
{
    if (cairo_surface_t* surface = decodePng(pngData, dataSize))
    {
        representations.push_back({surface, 1.0});
        size = {static_cast<CCoord>(cairo_image_surface_get_width(surface)),
                static_cast<CCoord>(cairo_image_surface_get_height(surface))};
    }
}

CBitmap::CBitmap(const char* resourceName)
{
    velqa::ResourceData resource = velqa::findResource(resourceName);
    if (cairo_surface_t* surface = decodePng(resource.data, resource.size))
    {
        representations.push_back({surface, 1.0});
        size = {static_cast<CCoord>(cairo_image_surface_get_width(surface)),
                static_cast<CCoord>(cairo_image_surface_get_height(surface))};
    }
}

CBitmap::CBitmap(CCoord width, CCoord height)
{
    int w = static_cast<int>(std::lround(width));
    int h = static_cast<int>(std::lround(height));
    if (w <= 0 || h <= 0) return;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(surface);
        return;
    }
    representations.push_back({surface, 1.0});
    size = {static_cast<CCoord>(w), static_cast<CCoord>(h)};
}

CBitmap::~CBitmap()
{
    for (auto& r : representations) cairo_surface_destroy(r.surface);
}

bool CBitmap::addBitmap(const void* pngData, std::size_t dataSize, double scale)
{
    if (!isLoaded() || !(scale > 0)) return false;
    cairo_surface_t* surface = decodePng(pngData, dataSize);
    if (!surface) return false;
    double w = cairo_image_surface_get_width(surface);
    double h = cairo_image_surface_get_height(surface);
    bool fits = std::fabs(w - size.x * scale) <= 1.0 && std::fabs(h - size.y * scale) <= 1.0;
    bool taken = std::any_of(representations.begin(), representations.end(),
                             [scale](const Representation& r) { return r.scale == scale; });
    if (!fits || taken)
    {
        cairo_surface_destroy(surface);
        return false;
    }
    representations.push_back({surface, scale});
    std::sort(representations.begin(), representations.end(),
              [](const Representation& a, const Representation& b) { return a.scale < b.scale; });
    return true;
}

bool CBitmap::addBitmap(const char* resourceName, double scale)
{
    velqa::ResourceData resource = velqa::findResource(resourceName);
    return addBitmap(resource.data, resource.size, scale);
}

bool CBitmap::isOpaque() const
{
    return isLoaded() &&
           std::all_of(representations.begin(), representations.end(),
                       [](const Representation& r)
                       { return cairo_image_surface_get_format(r.surface) == CAIRO_FORMAT_RGB24; });
}

cairo_surface_t* CBitmap::getSurface(double drawScale, double* representationScale) const
{
    if (representations.empty()) return nullptr;
    const Representation* chosen = &representations.back();
    for (const auto& r : representations)
    {
        if (r.scale >= drawScale)
        {
            chosen = &r;
            break;
        }
    }
    if (representationScale) *representationScale = chosen->scale;
    return chosen->surface;
}

} // namespace VSTGUI
