#include "Recipes.h"
#include "Theme.h"

#include <cmath>

namespace velqa::artwork
{

namespace
{

using namespace theme;

// A small square slider cap with a lit index line across its middle.
void sliderCap(cairo_t* cr, double w, double h, Rgba index)
{
    fillRounded(cr, 0.5, 1.5, w - 1, h - 1.5, 2.5, rgb(0, 0, 0, 0.55));
    roundedRect(cr, 0.5, 0.5, w - 1, h - 1.5, 2.5);
    verticalGradient(cr, 0.5, h - 1, rgb(120, 126, 136), rgb(50, 54, 61));
    cairo_fill(cr);
    strokeRounded(cr, 0.5, 0.5, w - 1, h - 1.5, 2.5, rgb(0, 0, 0, 0.8), 0.8);
    line(cr, 2.5, h / 2 - 0.25, w - 2.5, h / 2 - 0.25, index, 1.4);
}

void filterHandle(cairo_t* cr, int, double w, double h)
{
    sliderCap(cr, w, h, kAccent);
}
void saturationHandle(cairo_t* cr, int, double w, double h)
{
    sliderCap(cr, w, h, kAccent);
}

void fader(cairo_t* cr, int, double w, double h)
{
    fillRounded(cr, 0.5, 1.5, w - 1, h - 1.5, 3, rgb(0, 0, 0, 0.6));
    roundedRect(cr, 0.5, 0.5, w - 1, h - 2, 3);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.55, 0.58, 0.62);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.26, 0.28, 0.31);
    cairo_pattern_add_color_stop_rgb(p, 0.55, 0.20, 0.21, 0.24);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.42, 0.45, 0.49);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    strokeRounded(cr, 0.5, 0.5, w - 1, h - 2, 3, rgb(0, 0, 0, 0.85), 0.8);
    // Grip ridges, and the index line that sits exactly on the threshold.
    for (double y : {7.0, 10.0, 23.0, 26.0}) line(cr, 3, y, w - 3, y, rgb(0, 0, 0, 0.35), 0.8);
    line(cr, 1.5, h / 2 - 0.5, w - 1.5, h / 2 - 0.5, kAccent, 1.6);
}

void scrollThumb(cairo_t* cr, int, double w, double h)
{
    roundedRect(cr, 1, 0.5, w - 2, h - 1, (w - 2) / 2);
    verticalGradient(cr, 0, h, rgb(128, 134, 144), rgb(86, 92, 102));
    cairo_fill(cr);
    strokeRounded(cr, 1, 0.5, w - 2, h - 1, (w - 2) / 2, rgb(0, 0, 0, 0.6), 0.8);
}

// Only the size of the equaliser handle matters to the display, but it still reads as a handle.
void eqHandle(cairo_t* cr, int, double w, double h)
{
    cairo_arc(cr, w / 2, h / 2, w / 2 - 0.8, 0, 2 * M_PI);
    setColour(cr, rgb(255, 255, 255, 0.75));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

} // namespace

void addHandleRecipes(RecipeBook& book)
{
    book["Filter_Type_Handle.png"] = filterHandle;
    book["Saturation_Type_Handle.png"] = saturationHandle;
    book["Fader2.png"] = fader;
    book["scrlf.png"] = scrollThumb;
    book["eq_handle.png"] = eqHandle;
}

} // namespace velqa::artwork
