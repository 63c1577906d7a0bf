#include "Recipes.h"
#include "Theme.h"

#include <cmath>

namespace velqa::artwork
{

namespace
{

using namespace theme;

// The meter shows the lit bitmap over the lit part, so each image is the fully lit column.
// Level meters run green to yellow to red; level t is 0 at the bottom and 1 at the top.
Rgba levelColour(double t)
{
    if (t < 0.62) return mix(rgb(46, 196, 96), rgb(120, 226, 92), t / 0.62);
    if (t < 0.86) return mix(rgb(214, 230, 64), rgb(255, 190, 40), (t - 0.62) / 0.24);
    return mix(rgb(255, 120, 40), rgb(255, 60, 50), (t - 0.86) / 0.14);
}

Rgba detectorColour(double t)
{
    return mix(rgb(40, 120, 200), rgb(140, 210, 255), t);
}
Rgba gainColour(double t)
{
    return mix(rgb(200, 110, 20), rgb(255, 196, 80), t);
}

// Segmented column: the meters quantise to 24 steps, so the segments follow that grid.
FrameDraw segmented(Rgba (*colour)(double))
{
    return [colour](cairo_t* cr, int, double w, double h)
    {
        const int segments = 24;
        const double step = h / segments;
        for (int i = 0; i < segments; ++i)
        {
            const double t = (i + 0.5) / segments;
            const double top = h - (i + 1) * step;
            const Rgba c = colour(t);
            cairo_rectangle(cr, 0.5, top + 1.0, w - 1, step - 2.0);
            verticalGradient(cr, top, top + step, mix(c, rgb(255, 255, 255), 0.25), c);
            cairo_fill(cr);
        }
    };
}

// Section meters have 140 steps, so they are drawn as a fine-lined continuous bar. The Below
// meter grows from the top edge, so its hot end is at the bottom of the image.
FrameDraw sectionMeter(Rgba colour, bool fromTop)
{
    return [colour, fromTop](cairo_t* cr, int, double w, double h)
    {
        const double x = 3, bw = w - 6;
        cairo_pattern_t* p = cairo_pattern_create_linear(0, fromTop ? 0 : h, 0, fromTop ? h : 0);
        const Rgba cool = mix(colour, rgb(0, 0, 0), 0.45);
        const Rgba hot = mix(colour, rgb(255, 255, 255), 0.35);
        cairo_pattern_add_color_stop_rgb(p, 0, cool.r, cool.g, cool.b);
        cairo_pattern_add_color_stop_rgb(p, 0.8, colour.r, colour.g, colour.b);
        cairo_pattern_add_color_stop_rgb(p, 1, hot.r, hot.g, hot.b);
        cairo_set_source(cr, p);
        cairo_rectangle(cr, x, 0, bw, h);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        for (double y = 1.5; y < h; y += 3.0) line(cr, x, y, x + bw, y, rgb(0, 0, 0, 0.28), 0.7);
        line(cr, x + 0.5, 0, x + 0.5, h, rgb(255, 255, 255, 0.18), 1.0);
    };
}

} // namespace

void addMeterRecipes(RecipeBook& book)
{
    book["VU_1.png"] = segmented(levelColour);
    book["VU_2.png"] = segmented(levelColour);
    book["VU_3.png"] = segmented(detectorColour);
    book["VU_4.png"] = segmented(gainColour);
    book["VU_5.png"] = segmented(levelColour);
    book["VU_6.png"] = segmented(levelColour);
    book["Section_VU_Above.png"] = sectionMeter(kAbove, false);
    book["Section_VU_Below.png"] = sectionMeter(kBelow, true);
}

} // namespace velqa::artwork
