#pragma once

// Decodes an embedded PNG the way the editor will: from the bytes the resource lookup returns.

#include "platform/Resources.h"

#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace velqa::test
{

struct Pixel
{
    int r, g, b, a; // premultiplied, as cairo stores them
};

class DecodedImage
{
public:
    explicit DecodedImage(const std::string& name)
    {
        const ResourceData found = findResource(name.c_str());
        if (found.empty()) return;
        Reader reader{found.data, found.size};
        surface = cairo_image_surface_create_from_png_stream(readChunk, &reader);
        if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        {
            cairo_surface_destroy(surface);
            surface = nullptr;
        }
        else
            cairo_surface_flush(surface);
    }
    ~DecodedImage()
    {
        if (surface) cairo_surface_destroy(surface);
    }
    DecodedImage(const DecodedImage&) = delete;
    DecodedImage& operator=(const DecodedImage&) = delete;

    bool ok() const { return surface != nullptr; }
    cairo_surface_t* get() const { return surface; }
    int width() const { return surface ? cairo_image_surface_get_width(surface) : 0; }
    int height() const { return surface ? cairo_image_surface_get_height(surface) : 0; }

    Pixel at(int x, int y) const
    {
        const unsigned char* row =
            cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        std::uint32_t v;
        std::memcpy(&v, row + 4 * x, 4);
        return {int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF), int(v >> 24)};
    }

private:
    struct Reader
    {
        const unsigned char* data;
        std::size_t size, pos = 0;
    };

    static cairo_status_t readChunk(void* closure, unsigned char* out, unsigned int length)
    {
        auto* r = static_cast<Reader*>(closure);
        if (r->size - r->pos < length) return CAIRO_STATUS_READ_ERROR;
        std::memcpy(out, r->data + r->pos, length);
        r->pos += length;
        return CAIRO_STATUS_SUCCESS;
    }

    cairo_surface_t* surface = nullptr;
};

} // namespace velqa::test
