#include "Canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdint>

namespace velqa::artwork
{

namespace
{

FT_Library library = nullptr;
FT_Face ftFaces[3] = {};
cairo_font_face_t* cairoFaces[3] = {};

bool loadOne(int slot, const std::string& path)
{
    if (FT_New_Face(library, path.c_str(), 0, &ftFaces[slot]) != 0) return false;
    cairoFaces[slot] = cairo_ft_font_face_create_for_ft_face(ftFaces[slot], 0);
    return cairo_font_face_status(cairoFaces[slot]) == CAIRO_STATUS_SUCCESS;
}

double capMiddle(cairo_t* cr)
{
    cairo_text_extents_t ext;
    cairo_text_extents(cr, "H", &ext);
    return ext.y_bearing + ext.height / 2.0;
}

void showTracked(cairo_t* cr, const char* text, double x, double baseline, double tracking)
{
    if (tracking == 0.0)
    {
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, text);
        return;
    }
    char one[5] = {};
    for (const char* p = text; *p;)
    {
        // Step over one UTF-8 sequence at a time so tracking never splits a character.
        int len = 1;
        const auto lead = static_cast<unsigned char>(*p);
        if (lead >= 0xF0)
            len = 4;
        else if (lead >= 0xE0)
            len = 3;
        else if (lead >= 0xC0)
            len = 2;
        int i = 0;
        for (; i < len && p[i]; ++i) one[i] = p[i];
        one[i] = 0;
        cairo_move_to(cr, x, baseline);
        cairo_show_text(cr, one);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, one, &ext);
        x += ext.x_advance + tracking;
        p += i;
    }
}

} // namespace

Rgba mix(Rgba a, Rgba b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

bool loadFaces(const std::string& sans, const std::string& sansBold, const std::string& display)
{
    if (FT_Init_FreeType(&library) != 0) return false;
    return loadOne(0, sans) && loadOne(1, sansBold) && loadOne(2, display);
}

void releaseFaces()
{
    for (int i = 0; i < 3; ++i)
    {
        if (cairoFaces[i]) cairo_font_face_destroy(cairoFaces[i]);
        cairoFaces[i] = nullptr;
    }
    // cairo keeps faces in its caches; only after they are dropped may FreeType let go.
    cairo_debug_reset_static_data();
    for (FT_Face& face : ftFaces)
    {
        if (face) FT_Done_Face(face);
        face = nullptr;
    }
    if (library) FT_Done_FreeType(library);
    library = nullptr;
}

void setColour(cairo_t* cr, Rgba c)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::fmin(r, std::fmin(w, h) / 2.0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void fillRounded(cairo_t* cr, double x, double y, double w, double h, double r, Rgba c)
{
    roundedRect(cr, x, y, w, h, r);
    setColour(cr, c);
    cairo_fill(cr);
}

void strokeRounded(cairo_t* cr, double x, double y, double w, double h, double r, Rgba c,
                   double width)
{
    roundedRect(cr, x + width / 2, y + width / 2, w - width, h - width, r);
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void verticalGradient(cairo_t* cr, double y0, double y1, Rgba top, Rgba bottom)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void insetWell(cairo_t* cr, double x, double y, double w, double h, double r, Rgba fill)
{
    // Light lip first, then the well one unit up, so the lip shows only along the bottom.
    fillRounded(cr, x, y + 1, w, h, r, rgb(255, 255, 255, 0.07));
    fillRounded(cr, x, y, w, h, r, fill);
    cairo_save(cr);
    roundedRect(cr, x, y, w, h, r);
    cairo_clip(cr);
    verticalGradient(cr, y, y + 6, rgb(0, 0, 0, 0.45), rgb(0, 0, 0, 0));
    cairo_rectangle(cr, x, y, w, 6);
    cairo_fill(cr);
    cairo_restore(cr);
    strokeRounded(cr, x, y, w, h, r, rgb(0, 0, 0, 0.6));
}

void raisedPlate(cairo_t* cr, double x, double y, double w, double h, double r, Rgba top,
                 Rgba bottom)
{
    fillRounded(cr, x - 1, y, w + 2, h + 2, r + 1, rgb(0, 0, 0, 0.35));
    roundedRect(cr, x, y, w, h, r);
    verticalGradient(cr, y, y + h, top, bottom);
    cairo_fill(cr);
    cairo_save(cr);
    roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, r);
    verticalGradient(cr, y, y + h, rgb(255, 255, 255, 0.14), rgb(255, 255, 255, 0.02));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgba c, double width)
{
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void useFont(cairo_t* cr, Face face, double size)
{
    cairo_font_face_t* f = cairoFaces[static_cast<int>(face)];
    if (f) cairo_set_font_face(cr, f);
    cairo_set_font_size(cr, size);
}

double textWidth(cairo_t* cr, const char* text, double tracking)
{
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    std::size_t glyphs = 0;
    for (const char* p = text; *p; ++p)
        if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) ++glyphs;
    return ext.x_advance + tracking * (glyphs > 0 ? glyphs - 1 : 0);
}

void textCentred(cairo_t* cr, const char* text, double cx, double cy, Rgba c, double tracking)
{
    setColour(cr, c);
    showTracked(cr, text, cx - textWidth(cr, text, tracking) / 2.0, cy - capMiddle(cr), tracking);
}

void textLeft(cairo_t* cr, const char* text, double x, double cy, Rgba c, double tracking)
{
    setColour(cr, c);
    showTracked(cr, text, x, cy - capMiddle(cr), tracking);
}

void textRight(cairo_t* cr, const char* text, double x, double cy, Rgba c, double tracking)
{
    setColour(cr, c);
    showTracked(cr, text, x - textWidth(cr, text, tracking), cy - capMiddle(cr), tracking);
}

void caption(cairo_t* cr, const char* text, double cx, double cy, double size, Rgba c)
{
    useFont(cr, Face::Display, size);
    const double tracking = size * 0.08;
    textCentred(cr, text, cx, cy + 0.8, rgb(0, 0, 0, 0.7), tracking);
    textCentred(cr, text, cx, cy, c, tracking);
}

void addGrain(cairo_surface_t* surface, int strength, unsigned seed)
{
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::uint32_t state = seed * 2654435761u + 1u;
    for (int y = 0; y < h; ++y)
    {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x)
        {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int d = static_cast<int>(state % (2 * strength + 1)) - strength;
            const std::uint32_t px = row[x];
            const int a = px >> 24;
            if (a != 255) continue; // grain only on opaque pixels keeps premultiplication valid
            auto ch = [&](int shift)
            {
                int v = static_cast<int>((px >> shift) & 0xFF) + d;
                v = v < 0 ? 0 : (v > 255 ? 255 : v);
                return static_cast<std::uint32_t>(v) << shift;
            };
            row[x] = (px & 0xFF000000u) | ch(16) | ch(8) | ch(0);
        }
    }
    cairo_surface_mark_dirty(surface);
}

} // namespace velqa::artwork
