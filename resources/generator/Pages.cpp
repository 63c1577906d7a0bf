#include "Layout.h"
#include "Recipes.h"
#include "Theme.h"

#include <cmath>

namespace velqa::artwork
{

namespace
{

using namespace theme;

// Captions sit under the knob's value arc, centred on the knob.
void knobCaption(cairo_t* cr, int knobX, int knobY, const char* text)
{
    caption(cr, text, knobX + kKnobSize / 2.0, knobY + 61.0, 11.5, kTextDim);
}

void sectionHeader(cairo_t* cr, double x, double cy, const char* text, Rgba colour)
{
    fillRounded(cr, x, cy - 5, 3, 10, 1.5, colour);
    useFont(cr, Face::Display, 15);
    textLeft(cr, text, x + 8, cy, kText, 1.4);
}

void badge(cairo_t* cr, double cx, double cy, const char* letter, Rgba colour)
{
    cairo_arc(cr, cx, cy, 7.5, 0, 2 * M_PI);
    setColour(cr, withAlpha(colour, 0.18));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 7.0, 0, 2 * M_PI);
    setColour(cr, colour);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    useFont(cr, Face::SansBold, 9.5);
    textCentred(cr, letter, cx + 0.2, cy, colour);
}

// The gain axis of the equaliser display: +-12 dB over the inner height, 0 dB in the middle.
void eqWell(cairo_t* cr, double top, const char* name, Rgba colour)
{
    const double left = 31, right = 504, bottom = top + 252;
    insetWell(cr, left - 7, top - 7, right - left + 14, bottom - top + 14, 5, kWell);
    cairo_save(cr);
    cairo_rectangle(cr, left - 6, top - 6, right - left + 12, bottom - top + 12);
    cairo_clip(cr);
    cairo_pattern_t* glow = cairo_pattern_create_radial((left + right) / 2, bottom, 20,
                                                        (left + right) / 2, bottom, 330);
    cairo_pattern_add_color_stop_rgba(glow, 0, colour.r, colour.g, colour.b, 0.07);
    cairo_pattern_add_color_stop_rgba(glow, 1, colour.r, colour.g, colour.b, 0.0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    cairo_restore(cr);
    // Faint log-frequency grid on the display's own axis (one point per column, 20 Hz..20 kHz);
    // the display draws its labelled lines over it.
    const double columns = right - left;
    for (double decade : {10.0, 100.0, 1000.0, 10000.0})
        for (int m = 1; m <= 9; ++m)
        {
            const double f = decade * m;
            if (f < 20 || f > 20000) continue;
            const double x = left + (columns - 1) * std::log(f / 20) / std::log(1000.0);
            line(cr, std::round(x) + 0.5, top, std::round(x) + 0.5, bottom,
                 rgb(255, 255, 255, m == 1 ? 0.05 : 0.022));
        }
    const double mid = (top + bottom) / 2, half = (bottom - top) / 2;
    const struct
    {
        double db;
        const char* label;
    } lines[] = {{12, "+12"}, {6, "+6"}, {0, "0"}, {-6, "-6"}, {-12, "-12"}};
    useFont(cr, Face::Sans, 8);
    for (const auto& l : lines)
    {
        const double y = mid - l.db / 12.0412 * half;
        if (std::fabs(l.db) < 12)
            line(cr, left, std::round(y) + 0.5, right, std::round(y) + 0.5,
                 rgb(255, 255, 255, l.db == 0 ? 0.12 : 0.05));
        const double ly = std::fmin(std::fmax(y, top + 6), bottom - 6);
        textRight(cr, l.label, right - 4, ly - (l.db == 0 ? 5 : 0), rgb(150, 158, 170, 0.55));
    }
    useFont(cr, Face::Display, 40);
    textLeft(cr, name, left + 10, top + 24, rgb(255, 255, 255, 0.035), 3);
}

void back2(cairo_t* cr, int, double, double h)
{
    verticalGradient(cr, 0, h, kBackTop, kBackBottom);
    cairo_paint(cr);
    addGrain(cairo_get_target(cr), 3, 7);

    // Left: the two equaliser displays with the band strip between them.
    badge(cr, 34, 21, "A", kAbove);
    useFont(cr, Face::Display, 16);
    textLeft(cr, "ABOVE THRESHOLD", 48, 21, kText, 1.5);
    useFont(cr, Face::Display, 12);
    textRight(cr, "EQ A", 518, 30, kTextDim, 1.0);
    eqWell(cr, 47, "ABOVE", kAbove);

    eqWell(cr, 399, "BELOW", kBelow);
    badge(cr, 34, 667, "B", kBelow);
    useFont(cr, Face::Display, 16);
    textLeft(cr, "BELOW THRESHOLD", 48, 667, kText, 1.5);
    useFont(cr, Face::Display, 12);
    textRight(cr, "EQ B", 518, 669, kTextDim, 1.0);

    // Section meters beside the displays.
    insetWell(cr, 519, 44, 20, 262, 3, kWell);
    insetWell(cr, 519, 394, 20, 262, 3, kWell);

    // Status line.
    insetWell(cr, 20, 677, 519, 18, 3, rgb(17, 19, 22));

    // Band strip: digit rows for both sections, link marks between them, then the band panel.
    useFont(cr, Face::SansBold, 9);
    textCentred(cr, "A", 21, 332, kAbove);
    textCentred(cr, "B", 21, 370, kBelow);
    for (int i = 0; i < 5; ++i)
    {
        const double x = 41 + 28 * i;
        line(cr, x, 343, x, 359, rgb(0, 0, 0, 0.45), 1.0);
    }
    const double px = kBandPanelX, py = kBandPanelY;
    insetWell(cr, px - 7, py - 1, 347, 82, 5, rgb(26, 28, 33));
    knobCaption(cr, px - 4, py, "FREQ");
    knobCaption(cr, px + 53, py, "GAIN");
    knobCaption(cr, px + 110, py, "Q");
    // Band type slider: groove, notches and shape icons at the three handle positions
    // (low shelf at the top, bell in the middle, high shelf at the bottom).
    const double sx = px + 176 + 7.5, sTop = py + 17 + 7.5;
    insetWell(cr, sx - 2.5, sTop - 3, 5, 42, 2.5, rgb(8, 9, 11));
    for (int i = 0; i < 3; ++i)
    {
        const double y = sTop + 18 * i;
        line(cr, sx + 9, y, sx + 12, y, kTextFaint, 1.0);
        cairo_save(cr);
        cairo_translate(cr, sx + 15, y);
        cairo_set_line_width(cr, 1.3);
        setColour(cr, kTextDim);
        if (i == 0)
        {
            cairo_move_to(cr, 0, -3);
            cairo_curve_to(cr, 6, -3, 6, 3, 12, 3);
            cairo_line_to(cr, 16, 3);
        }
        else if (i == 1)
        {
            cairo_move_to(cr, 0, 3);
            cairo_curve_to(cr, 6, 3, 5, -4, 8, -4);
            cairo_curve_to(cr, 11, -4, 10, 3, 16, 3);
        }
        else
        {
            cairo_move_to(cr, 0, 3);
            cairo_line_to(cr, 4, 3);
            cairo_curve_to(cr, 10, 3, 10, -3, 16, -3);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // Beside the Link button: a link ties the band to the same band of the other section.
    useFont(cr, Face::SansBold, 9);
    textCentred(cr, "A", px + 300, py + 52, kAbove);
    textCentred(cr, "B", px + 326, py + 52, kBelow);
    line(cr, px + 306, py + 52, px + 320, py + 52, kTextFaint, 1.0);
    for (double dir : {-1.0, 1.0})
    {
        const double tip = px + 313 + dir * 7.5;
        cairo_move_to(cr, tip, py + 52);
        cairo_line_to(cr, tip - dir * 3, py + 49.8);
        cairo_line_to(cr, tip - dir * 3, py + 54.2);
        cairo_close_path(cr);
        setColour(cr, kTextFaint);
        cairo_fill(cr);
    }

    // Right: brand line, the two section strips, dynamics and the output row.
    useFont(cr, Face::Display, 13);
    textLeft(cr, "DYNAMIC EQUALISER", 664, 35, kTextDim, 2.0);

    raisedPlate(cr, 545, 62, 322, 102, 6, kPlateTop, kPlateBottom);
    sectionHeader(cr, 556, 75, "ABOVE", kAbove);
    raisedPlate(cr, 545, 172, 322, 336, 6, kPlateTop, kPlateBottom);
    sectionHeader(cr, 556, 183, "DYNAMICS", kTextDim);
    raisedPlate(cr, 545, 512, 322, 88, 6, kPlateTop, kPlateBottom);
    sectionHeader(cr, 556, 520, "BELOW", kBelow);
    raisedPlate(cr, 545, 606, 322, 86, 6, kPlateTop, kPlateBottom);

    for (int row : {90, 528})
    {
        knobCaption(cr, 550, row, "SATURATION");
        knobCaption(cr, 621, row, "COLOR");
        knobCaption(cr, 679, row, "MIX");
        knobCaption(cr, 737, row, "WIDTH");
        knobCaption(cr, 795, row, "PAN");
        // Saturation mode slider: tape at the top, tube in the middle, FET at the bottom.
        const double sx2 = 610 + 5.5, top = row + 8 + 6;
        insetWell(cr, sx2 - 2, top - 3, 4, 36, 2, rgb(8, 9, 11));
        for (int i = 0; i < 3; ++i)
            line(cr, sx2 + 6, top + 15 * i, sx2 + 8, top + 15 * i, kTextFaint);
        useFont(cr, Face::Display, 8.5);
        textCentred(cr, "TAPE", sx2, row + 3, kTextDim, 0.5);
        textCentred(cr, "FET", sx2, row + 55, kTextDim, 0.5);
    }

    // Dynamics: scale, meter wells and threshold groove share the meters' 210..490 span, where
    // the meter's quarter points sit at -60, -36, -18, -6 and 0 dB.
    const double mTop = 210, mBottom = 490;
    insetWell(cr, 596, mTop - 2, 19, mBottom - mTop + 4, 2, kWell);
    insetWell(cr, 619, mTop - 2, 15, mBottom - mTop + 4, 2, kWell);
    insetWell(cr, 654, mTop - 2, 15, mBottom - mTop + 4, 2, kWell);
    insetWell(cr, 673, mTop - 2, 19, mBottom - mTop + 4, 2, kWell);
    insetWell(cr, 643, mTop - 2, 5, mBottom - mTop + 4, 2.5, rgb(8, 9, 11));
    const char* marks[] = {"-60", "-36", "-18", "-6", "0"};
    useFont(cr, Face::Sans, 7.5);
    for (int i = 0; i < 5; ++i)
    {
        const double y = mBottom - (mBottom - mTop) * i / 4.0;
        textRight(cr, marks[i], 592, y, kTextDim);
        line(cr, 593.5, y, 596, y, kTextFaint);
        line(cr, 692, y, 695, y, kTextFaint);
    }
    useFont(cr, Face::Display, 10);
    textCentred(cr, "IN", 606, 500, kTextDim, 0.8);
    textCentred(cr, "SC", 626.5, 500, kTextDim, 0.8);
    textCentred(cr, "THR", 645, 500, kTextDim, 0.6);
    textCentred(cr, "GR", 661.5, 500, kTextDim, 0.8);
    textCentred(cr, "OUT", 682.5, 500, kTextDim, 0.8);
    textCentred(cr, "dB", 584, 500, kTextFaint, 0.6);

    knobCaption(cr, 737, 213, "RATIO");
    knobCaption(cr, 795, 213, "BALANCE");
    knobCaption(cr, 737, 295, "ATTACK");
    knobCaption(cr, 795, 295, "RELEASE");
    knobCaption(cr, 737, 377, "LO CUT");
    knobCaption(cr, 795, 377, "HI CUT");
    caption(cr, "SECTION SOLO", 797, 503, 10, kTextFaint);

    knobCaption(cr, 550, 611, "LOOKAHEAD");
    knobCaption(cr, 737, 611, "DRY/WET");
    knobCaption(cr, 795, 611, "OUTPUT");
}

void head(cairo_t* cr, int, double w, double h)
{
    verticalGradient(cr, 0, h, rgb(52, 56, 63), rgb(30, 33, 38));
    cairo_paint(cr);
    line(cr, 0, 0.5, w, 0.5, rgb(255, 255, 255, 0.12));
    line(cr, 0, h - 0.5, w, h - 0.5, rgb(0, 0, 0, 0.8));
    insetWell(cr, 123, 4, 352, 22, 4, rgb(12, 14, 16));
    for (double x : {120.5, 480.5, 543.5, 673.5, 796.5})
        line(cr, x, 6, x, h - 6, rgb(0, 0, 0, 0.5));
}

// Overlay on the side-chain corner: range marks and the caption of the balance knob, plus the
// external input symbol; the knob itself shows through.
void overlay(cairo_t* cr, int, double, double)
{
    const double kx = 11, ky = 4;
    useFont(cr, Face::Display, 9);
    textRight(cr, "INT", kx + 7, ky + 50, kTextFaint, 0.5);
    textLeft(cr, "EXT", kx + 53, ky + 50, kTextFaint, 0.5);
    caption(cr, "SIDECHAIN", kx + 30, ky + 61.0, 11.5, kTextDim);
    const double jx = 97, jy = 31;
    cairo_arc(cr, jx, jy, 8, 0, 2 * M_PI);
    verticalGradient(cr, jy - 8, jy + 8, rgb(110, 116, 126), rgb(44, 48, 55));
    cairo_fill(cr);
    cairo_arc(cr, jx, jy, 4, 0, 2 * M_PI);
    setColour(cr, rgb(6, 7, 8));
    cairo_fill(cr);
    caption(cr, "EXT IN", jx, jy + 16, 10, kTextFaint);
}

void bypassVeil(cairo_t* cr, int, double w, double h)
{
    // The veil leaves the logo bypass switch uncovered, so the way back stays visible.
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_arc_negative(cr, 828, 33, 20, 2 * M_PI, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    setColour(cr, rgb(8, 9, 11, 0.66));
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    useFont(cr, Face::Display, 72);
    textCentred(cr, "BYPASSED", w / 2, h / 2 - 10, withAlpha(kBypass, 0.25), 10);
    textCentred(cr, "BYPASSED", w / 2, h / 2 - 12, rgb(235, 238, 242, 0.85), 10);
    useFont(cr, Face::Sans, 13);
    textCentred(cr, "Audio passes through unprocessed. Click the power switch to engage.", w / 2,
                h / 2 + 40, kTextDim);
}

void about(cairo_t* cr, int, double w, double h)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(w / 2, h * 0.38, 40, w / 2, h * 0.45, 620);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.20, 0.21, 0.24);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.06, 0.065, 0.075);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    addGrain(cairo_get_target(cr), 3, 11);

    // Two interleaved response curves: the Above section warm, the Below section cool.
    cairo_set_line_width(cr, 2.0);
    for (int s = 0; s < 2; ++s)
    {
        const Rgba c = s == 0 ? kAbove : kBelow;
        cairo_new_path(cr);
        for (int x = 0; x <= w; x += 3)
        {
            const double t = x / w;
            const double y = h * 0.62 +
                             (s == 0 ? -1 : 1) * 40 * std::exp(-std::pow((t - 0.35) / 0.12, 2)) +
                             (s == 0 ? 1 : -1) * 26 * std::exp(-std::pow((t - 0.72) / 0.09, 2));
            cairo_line_to(cr, x, y);
        }
        setColour(cr, withAlpha(c, 0.5));
        cairo_stroke(cr);
    }

    useFont(cr, Face::Display, 120);
    textCentred(cr, "VELQA", w / 2, h * 0.3 + 3, rgb(0, 0, 0, 0.6), 22);
    textCentred(cr, "VELQA", w / 2, h * 0.3, kAccent, 22);
    useFont(cr, Face::Display, 22);
    textCentred(cr, "DYNAMIC EQUALISER", w / 2, h * 0.3 + 78, kText, 8);
    useFont(cr, Face::Sans, 14);
    textCentred(cr, "by Kestrune Audio", w / 2, h * 0.3 + 108, kTextDim);

    useFont(cr, Face::Sans, 12.5);
    const char* lines[] = {
        "Splits the signal at a level threshold into an Above and a Below section,",
        "each with its own saturation, colour, width, five-band EQ and pan.",
    };
    for (int i = 0; i < 2; ++i) textCentred(cr, lines[i], w / 2, h * 0.74 + 20 * i, kTextDim);
    useFont(cr, Face::Sans, 10.5);
    textCentred(cr,
                "Typefaces: Liberation Sans (SIL Open Font License 1.1), Bebas Neue by "
                "Ryoichi Tsunekawa (SIL Open Font License 1.1)",
                w / 2, h * 0.74 + 58, kTextFaint);
    textCentred(cr, "VST is a trademark of Steinberg Media Technologies GmbH", w / 2, h * 0.74 + 74,
                kTextFaint);
    useFont(cr, Face::Display, 13);
    textRight(cr, "VERSION", 800, 666.5, kTextDim, 1.5);
    textLeft(cr, "CLICK ANYWHERE TO CLOSE", 30, 666.5, kTextFaint, 1.5);
}

} // namespace

void addPageRecipes(RecipeBook& book)
{
    book["back2.png"] = back2;
    book["head.png"] = head;
    book["ovr.png"] = overlay;
    book["bypfg.png"] = bypassVeil;
    book["AboutVQ.png"] = about;
}

} // namespace velqa::artwork
