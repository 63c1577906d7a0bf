#include "Render.h"

namespace velqa::artwork
{

int frameTop(int height, int frames, int k, int scale)
{
    return static_cast<int>(static_cast<long long>(k) * height * scale / frames);
}

int frameHeight(int height, int frames, int scale)
{
    return height * scale / frames;
}

cairo_surface_t* renderImage(const ArtworkEntry& entry, int scale, const FrameDraw& draw)
{
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, entry.width * scale, entry.height * scale);
    cairo_t* cr = cairo_create(surface);
    const double fh = frameHeight(entry.height, entry.frames, scale) / double(scale);
    for (int k = 0; k < entry.frames; ++k)
    {
        cairo_save(cr);
        cairo_translate(cr, 0, frameTop(entry.height, entry.frames, k, scale));
        cairo_scale(cr, scale, scale);
        cairo_rectangle(cr, 0, 0, entry.width, fh);
        cairo_clip(cr);
        draw(cr, k, entry.width, fh);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return surface;
}

std::string scaledName(const char* name, int scale)
{
    std::string s = name;
    if (scale == 1) return s;
    const auto dot = s.rfind(".png");
    return s.substr(0, dot) + "_2x.png";
}

} // namespace velqa::artwork
