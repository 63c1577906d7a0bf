#include "Sheet.h"

#include "ArtworkTable.h"
#include "Canvas.h"
#include "Layout.h"
#include "Render.h"
#include "Theme.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace velqa::artwork
{

namespace
{

cairo_surface_t* load(const std::string& folder, const char* name)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png((folder + "/" + name).c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
    {
        std::fprintf(stderr, "cannot read %s/%s\n", folder.c_str(), name);
        cairo_surface_destroy(s);
        return nullptr;
    }
    return s;
}

const ArtworkEntry* entryFor(const char* name)
{
    for (const ArtworkEntry& e : kArtwork)
        if (!std::strcmp(e.name, name)) return &e;
    return nullptr;
}

struct Tile
{
    const ArtworkEntry* entry;
    int columns, rows, width, height;
};

constexpr int kGap = 6, kLabel = 18, kMargin = 16, kSheetWidth = 1800;

std::string labelFor(const ArtworkEntry& e)
{
    std::string label =
        std::string(e.name) + "  " + std::to_string(e.width) + "x" + std::to_string(e.height);
    if (e.frames > 1) label += " / " + std::to_string(e.frames);
    return label;
}

// A tile is as wide as its frames or its label, whichever is wider.
Tile tileFor(cairo_t* measure, const ArtworkEntry& e)
{
    const int fh = frameHeight(e.height, e.frames, 1);
    const int maxColumns = std::max(1, (kSheetWidth - 2 * kMargin) / (e.width + kGap));
    const int columns = std::min(e.frames, std::min(maxColumns, 16));
    const int rows = (e.frames + columns - 1) / columns;
    useFont(measure, Face::Sans, 11);
    const int labelWidth = static_cast<int>(textWidth(measure, labelFor(e).c_str())) + 4;
    const int width = std::max(columns * (e.width + kGap) - kGap, labelWidth);
    return {&e, columns, rows, width, rows * (fh + kGap) - kGap + kLabel};
}

void checker(cairo_t* cr, double x, double y, double w, double h)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int j = 0; j * 8 < h; ++j)
        for (int i = 0; i * 8 < w; ++i)
        {
            const double g = (i + j) % 2 ? 0.30 : 0.36;
            cairo_set_source_rgb(cr, g, g, g);
            cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

} // namespace

bool writeContactSheet(const std::string& folder, const std::string& path)
{
    // Shelf packing: tiles left to right, a new shelf when the row is full.
    struct Placed
    {
        Tile tile;
        int x, y;
    };
    std::vector<Placed> placed;
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* measure = cairo_create(scratch);
    int x = kMargin, y = kMargin + 40, shelf = 0;
    for (const ArtworkEntry& e : kArtwork)
    {
        const Tile t = tileFor(measure, e);
        if (x + t.width > kSheetWidth - kMargin && x > kMargin)
        {
            x = kMargin;
            y += shelf + 2 * kGap + 8;
            shelf = 0;
        }
        placed.push_back({t, x, y});
        x += t.width + 3 * kGap;
        shelf = std::max(shelf, t.height);
    }
    cairo_destroy(measure);
    cairo_surface_destroy(scratch);
    const int height = y + shelf + kMargin;

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSheetWidth, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.11, 0.12, 0.13);
    cairo_paint(cr);
    useFont(cr, Face::Display, 24);
    textLeft(cr, "VELQA ARTWORK - EVERY BITMAP AT 1X", kMargin, kMargin + 12, theme::kText, 2);
    bool ok = true;
    for (const Placed& p : placed)
    {
        const ArtworkEntry& e = *p.tile.entry;
        cairo_surface_t* img = load(folder, e.name);
        if (!img)
        {
            ok = false;
            continue;
        }
        useFont(cr, Face::Sans, 11);
        textLeft(cr, labelFor(e).c_str(), p.x, p.y + 7, theme::kTextDim);
        const int fh = frameHeight(e.height, e.frames, 1);
        for (int k = 0; k < e.frames; ++k)
        {
            const int fx = p.x + (k % p.tile.columns) * (e.width + kGap);
            const int fy = p.y + kLabel + (k / p.tile.columns) * (fh + kGap);
            checker(cr, fx, fy, e.width, fh);
            cairo_save(cr);
            cairo_rectangle(cr, fx, fy, e.width, fh);
            cairo_clip(cr);
            cairo_set_source_surface(cr, img, fx, fy - frameTop(e.height, e.frames, k, 1));
            cairo_paint(cr);
            cairo_restore(cr);
        }
        cairo_surface_destroy(img);
    }
    cairo_destroy(cr);
    ok = ok && cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    return ok;
}

bool writeMainPage(const std::string& folder, const std::string& path)
{
    cairo_surface_t* page = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 875, 730);
    cairo_t* cr = cairo_create(page);
    bool ok = true;
    auto paint = [&](const char* name, double x, double y, double lit, bool fromTop)
    {
        const ArtworkEntry* e = entryFor(name);
        cairo_surface_t* img = e ? load(folder, name) : nullptr;
        if (!img)
        {
            ok = false;
            return;
        }
        const double fh = frameHeight(e->height, e->frames, 1);
        const double shown = fh * lit;
        cairo_save(cr);
        cairo_rectangle(cr, x, fromTop ? y : y + fh - shown, e->width, shown);
        cairo_clip(cr);
        cairo_set_source_surface(cr, img, x, y);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(img);
    };
    paint("head.png", 0, 0, 1, true);
    paint("back2.png", 0, kMainY, 1, true);
    for (const Placement& p : kPlacements)
    {
        double x = p.x, y = p.y;
        if (p.container == Container::Main) y += kMainY;
        if (p.container == Container::BandPanel)
        {
            x += kBandPanelX;
            y += kBandPanelY + kMainY;
        }
        // Meters are shown at a plausible level; everything else at frame 0.
        double lit = 1.0;
        bool fromTop = true;
        if (!std::strncmp(p.bitmap, "VU_", 3))
        {
            const double levels[] = {0.72, 0.68, 0.55, 1.0, 0.66, 0.63};
            lit = levels[p.bitmap[3] - '1'];
            fromTop = false;
        }
        if (!std::strcmp(p.bitmap, "Section_VU_Above.png")) lit = 0.62, fromTop = false;
        if (!std::strcmp(p.bitmap, "Section_VU_Below.png")) lit = 0.4;
        paint(p.bitmap, x, y, lit, fromTop);
    }
    cairo_destroy(cr);
    ok = ok && cairo_surface_write_to_png(page, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(page);
    return ok;
}

} // namespace velqa::artwork
