#include "Recipes.h"
#include "Theme.h"

#include <cmath>

namespace velqa::artwork
{

namespace
{

// The pointer sweeps 270 degrees clockwise, from lower left (value 0) to lower right (value 1).
constexpr double kStartAngle = 0.75 * M_PI;
constexpr double kSweep = 1.5 * M_PI;
constexpr int kKnobFrames = 129;

void drawKnob(cairo_t* cr, int frame, double w, double h)
{
    using namespace theme;
    const double cx = w / 2.0, cy = h / 2.0;
    const double value = frame / double(kKnobFrames - 1);
    const double angle = kStartAngle + kSweep * value;
    const double arcR = 24.0, bodyR = 17.5;

    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Track of the value arc.
    cairo_arc(cr, cx, cy, arcR, kStartAngle, kStartAngle + kSweep);
    setColour(cr, rgb(10, 11, 13));
    cairo_set_line_width(cr, 4.0);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, arcR, kStartAngle, kStartAngle + kSweep);
    setColour(cr, rgb(48, 52, 59));
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);

    if (frame > 0)
    {
        // A soft halo under the lit arc, then the arc itself.
        cairo_arc(cr, cx, cy, arcR, kStartAngle, angle);
        setColour(cr, withAlpha(kAccent, 0.22));
        cairo_set_line_width(cr, 5.5);
        cairo_stroke(cr);
        cairo_arc(cr, cx, cy, arcR, kStartAngle, angle);
        setColour(cr, kAccent);
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
    }

    // Drop shadow, then the body with a top light and a darker skirt.
    cairo_pattern_t* shadow =
        cairo_pattern_create_radial(cx, cy + 2.5, bodyR - 2, cx, cy + 2.5, bodyR + 4);
    cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.7);
    cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
    cairo_set_source(cr, shadow);
    cairo_arc(cr, cx, cy + 2.5, bodyR + 4, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(shadow);

    cairo_arc(cr, cx, cy, bodyR, 0, 2 * M_PI);
    verticalGradient(cr, cy - bodyR, cy + bodyR, rgb(88, 94, 104), rgb(30, 32, 37));
    cairo_fill(cr);

    const double capR = bodyR - 3.0;
    cairo_pattern_t* cap = cairo_pattern_create_radial(cx - 4, cy - 6, 1, cx, cy, capR);
    cairo_pattern_add_color_stop_rgb(cap, 0, 0.36, 0.38, 0.42);
    cairo_pattern_add_color_stop_rgb(cap, 1, 0.17, 0.18, 0.21);
    cairo_set_source(cr, cap);
    cairo_arc(cr, cx, cy, capR, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(cap);

    cairo_arc(cr, cx, cy, capR, 0, 2 * M_PI);
    verticalGradient(cr, cy - capR, cy + capR, rgb(150, 156, 166, 0.55), rgb(0, 0, 0, 0.5));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, bodyR - 0.5, 0, 2 * M_PI);
    setColour(cr, rgb(0, 0, 0, 0.8));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    // Pointer: a bright line from near the centre to the rim, with a dark keyline for contrast.
    const double dx = std::cos(angle), dy = std::sin(angle);
    line(cr, cx + dx * 5.5, cy + dy * 5.5, cx + dx * (capR - 0.5), cy + dy * (capR - 0.5),
         rgb(0, 0, 0, 0.6), 4.0);
    line(cr, cx + dx * 5.5, cy + dy * 5.5, cx + dx * (capR - 0.5), cy + dy * (capR - 0.5),
         rgb(246, 246, 246), 2.2);
    // End point of the arc marks the value on the scale as well.
    cairo_arc(cr, cx + dx * arcR, cy + dy * arcR, 1.6, 0, 2 * M_PI);
    setColour(cr, frame > 0 ? rgb(255, 236, 200) : rgb(120, 126, 136));
    cairo_fill(cr);
}

} // namespace

void addKnobRecipes(RecipeBook& book)
{
    book["pot.png"] = drawKnob;
}

} // namespace velqa::artwork
