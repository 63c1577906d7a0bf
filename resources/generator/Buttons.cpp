#include "Recipes.h"
#include "Theme.h"

#include <cmath>
#include <string>

namespace velqa::artwork
{

namespace
{

using namespace theme;

// A labelled hardware-style button: dark when off, tinted and glowing in its colour when on.
void labelButton(cairo_t* cr, double w, double h, const char* label, Rgba colour, bool on,
                 bool hover)
{
    const double x = 1, y = 1, bw = w - 2, bh = h - 2, r = 3;
    fillRounded(cr, x, y + 1, bw, bh, r, rgb(0, 0, 0, 0.45));
    roundedRect(cr, x, y, bw, bh, r);
    if (on)
        verticalGradient(cr, y, y + bh, mix(kButtonTop, colour, 0.38),
                         mix(kButtonBottom, colour, 0.22));
    else
        verticalGradient(cr, y, y + bh, kButtonTop, kButtonBottom);
    cairo_fill(cr);
    if (hover) fillRounded(cr, x, y, bw, bh, r, rgb(255, 255, 255, 0.09));
    // Top light and outline.
    roundedRect(cr, x + 0.5, y + 0.5, bw - 1, bh - 1, r - 0.5);
    verticalGradient(cr, y, y + bh, rgb(255, 255, 255, 0.18), rgb(255, 255, 255, 0.0));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    strokeRounded(cr, x, y, bw, bh, r, on ? withAlpha(colour, 0.85) : rgb(0, 0, 0, 0.7));

    useFont(cr, Face::Display, 12.5);
    const double cy = y + bh / 2.0;
    if (on)
    {
        textCentred(cr, label, w / 2.0, cy, withAlpha(colour, 0.35), 0.9);
        textCentred(cr, label, w / 2.0 + 0.4, cy, mix(colour, rgb(255, 255, 255), 0.35), 0.9);
    }
    else
    {
        textCentred(cr, label, w / 2.0, cy + 0.8, rgb(0, 0, 0, 0.6), 0.9);
        textCentred(cr, label, w / 2.0, cy, hover ? kText : kTextDim, 0.9);
    }
}

FrameDraw toggleButton(const char* label, Rgba colour)
{
    return [label, colour](cairo_t* cr, int frame, double w, double h)
    { labelButton(cr, w, h, label, colour, frameIsOn(frame), frameIsHover(frame)); };
}

// Link button frames follow the link states: off, linked, inverse, then off with hover.
void linkButton(cairo_t* cr, int frame, double w, double h)
{
    switch (frame)
    {
    case 1:
        labelButton(cr, w, h, "LINK", kAbove, true, false);
        break;
    case 2:
        labelButton(cr, w, h, "INVERSE", kBelow, true, false);
        break;
    default:
        labelButton(cr, w, h, "LINK", kAbove, false, frame == 3);
        break;
    }
}

void led(cairo_t* cr, int frame, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = 4.2;
    const bool on = frameIsOn(frame);
    cairo_arc(cr, cx, cy + 0.6, r + 1.2, 0, 2 * M_PI);
    setColour(cr, rgb(255, 255, 255, 0.08));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r + 1.2, 0, 2 * M_PI);
    setColour(cr, rgb(6, 7, 8));
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - 1.2, cy - 1.4, 0.3, cx, cy, r);
    if (on)
    {
        cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 1.0, 0.88);
        cairo_pattern_add_color_stop_rgb(p, 0.5, kActive.r, kActive.g, kActive.b);
        cairo_pattern_add_color_stop_rgb(p, 1, kActive.r * 0.45, kActive.g * 0.45,
                                         kActive.b * 0.45);
    }
    else
    {
        cairo_pattern_add_color_stop_rgb(p, 0, 0.34, 0.37, 0.36);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.10, 0.12, 0.11);
    }
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    if (frameIsHover(frame))
    {
        cairo_arc(cr, cx, cy, r + 1.0, 0, 2 * M_PI);
        setColour(cr, rgb(255, 255, 255, 0.55));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
}

void powerIcon(cairo_t* cr, double cx, double cy, double r, Rgba c, double width)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, cx, cy, r, -M_PI / 2 + 0.65, 1.5 * M_PI - 0.65);
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    line(cr, cx, cy - r - 1.2, cx, cy - r * 0.15, c, width);
}

// Value 0 means the effect runs (icon lit); value 1 means bypassed (icon dark, red ring).
void headerPower(cairo_t* cr, int frame, double w, double h)
{
    const bool bypassed = frameIsOn(frame);
    const double cx = w / 2, cy = h / 2;
    if (frameIsHover(frame)) fillRounded(cr, 3, 3, w - 6, h - 6, 4, rgb(255, 255, 255, 0.07));
    const Rgba c = bypassed ? rgb(110, 116, 126) : kActive;
    if (!bypassed) powerIcon(cr, cx, cy, 7.2, withAlpha(kActive, 0.25), 4.5);
    powerIcon(cr, cx, cy, 7.2, c, 1.8);
    if (bypassed)
    {
        cairo_arc(cr, cx, cy, 11, 0, 2 * M_PI);
        setColour(cr, withAlpha(kBypass, 0.75));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
}

void logoBypass(cairo_t* cr, int frame, double w, double h)
{
    const bool bypassed = frameIsOn(frame);
    const double cx = w / 2, cy = h / 2, r = 14.5;
    cairo_arc(cr, cx, cy + 1, r + 1, 0, 2 * M_PI);
    setColour(cr, rgb(0, 0, 0, 0.5));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    verticalGradient(cr, cy - r, cy + r, rgb(70, 75, 84), rgb(28, 30, 35));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 3, 0, 2 * M_PI);
    setColour(cr, rgb(16, 18, 21));
    cairo_fill(cr);
    const Rgba ring = bypassed ? rgb(90, 96, 105) : kAccent;
    if (!bypassed)
    {
        cairo_arc(cr, cx, cy, r - 1.5, 0, 2 * M_PI);
        setColour(cr, withAlpha(kAccent, 0.3));
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy, r - 1.5, 0, 2 * M_PI);
    setColour(cr, ring);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    powerIcon(cr, cx, cy + 0.5, 6.0, bypassed ? rgb(120, 126, 136) : rgb(255, 226, 180), 1.8);
    if (frameIsHover(frame))
    {
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        setColour(cr, rgb(255, 255, 255, 0.1));
        cairo_fill(cr);
    }
}

// Momentary strips: released, pressed, released with hover, pressed with hover.
void logoButton(cairo_t* cr, int frame, double w, double)
{
    const bool pressed = frameIsOn(frame), hover = frameIsHover(frame);
    useFont(cr, Face::Display, 31);
    const double cy = 14.5;
    if (hover || pressed)
        textCentred(cr, "VELQA", w / 2, cy, withAlpha(kAccent, hover ? 0.3 : 0.18), 4.0);
    textCentred(cr, "VELQA", w / 2, cy + 1.2, rgb(0, 0, 0, 0.7), 4.0);
    cairo_save(cr);
    verticalGradient(cr, cy - 11, cy + 11, rgb(255, 214, 150), pressed ? kBypass : kAccent);
    useFont(cr, Face::Display, 31);
    const double tw = textWidth(cr, "VELQA", 4.0);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, "H", &ext);
    // Gradient text: path of the glyphs filled with the gradient source.
    double x = w / 2 - tw / 2;
    for (const char* c : {"V", "E", "L", "Q", "A"})
    {
        cairo_move_to(cr, x, cy - (ext.y_bearing + ext.height / 2));
        cairo_text_path(cr, c);
        cairo_text_extents_t ce;
        cairo_text_extents(cr, c, &ce);
        x += ce.x_advance + 4.0;
    }
    verticalGradient(cr, cy - 11, cy + 11, rgb(255, 222, 168),
                     pressed ? rgb(230, 120, 30) : kAccent);
    cairo_fill(cr);
    cairo_restore(cr);
    useFont(cr, Face::SansBold, 6.5);
    textCentred(cr, "KESTRUNE AUDIO", w / 2, 31.5, hover || pressed ? kText : kTextDim, 1.6);
}

// Header buttons: flat on the header bar, a lit face while pressed.
void headerFace(cairo_t* cr, double w, double h, bool pressed, bool hover)
{
    const double x = 2, y = 4, bw = w - 4, bh = h - 8;
    if (pressed)
        insetWell(cr, x, y, bw, bh, 3, rgb(18, 20, 23));
    else
    {
        raisedPlate(cr, x, y, bw, bh, 3, kButtonTop, kButtonBottom);
        if (hover) fillRounded(cr, x, y, bw, bh, 3, rgb(255, 255, 255, 0.07));
    }
}

void arrowHead(cairo_t* cr, double x, double y, double dir, double size, Rgba c)
{
    cairo_move_to(cr, x + dir * size, y);
    cairo_line_to(cr, x - dir * size * 0.6, y - size * 0.9);
    cairo_line_to(cr, x - dir * size * 0.6, y + size * 0.9);
    cairo_close_path(cr);
    setColour(cr, c);
    cairo_fill(cr);
}

// Undo and redo: enabled, pressed, disabled.
FrameDraw historyButton(bool redo)
{
    return [redo](cairo_t* cr, int frame, double w, double h)
    {
        const bool pressed = frame == 1, disabled = frame == 2;
        headerFace(cr, w, h, pressed, false);
        const Rgba c = disabled ? rgb(82, 88, 98) : (pressed ? kAccent : kText);
        const double dir = redo ? 1 : -1;
        const double ix = redo ? w - 16 : 16, cy = h / 2;
        // Curved arrow: an arc that turns back on itself, with its head at the lower end.
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_new_path(cr);
        if (redo)
            cairo_arc_negative(cr, ix - 2, cy + 1, 4.5, M_PI * 0.5, -M_PI * 0.5);
        else
            cairo_arc(cr, ix + 2, cy + 1, 4.5, M_PI * 0.5, M_PI * 1.5);
        setColour(cr, c);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        arrowHead(cr, ix + (redo ? -2 : 2) + dir * 1.5, cy - 3.5, dir, 3.2, c);
        useFont(cr, Face::Display, 13);
        const char* label = redo ? "REDO" : "UNDO";
        if (redo)
            textRight(cr, label, w - 24, cy, c, 1.0);
        else
            textLeft(cr, label, 24, cy, c, 1.0);
    };
}

FrameDraw headerText(const char* label)
{
    return [label](cairo_t* cr, int frame, double w, double h)
    {
        headerFace(cr, w, h, frame == 1, false);
        useFont(cr, Face::Display, 13.5);
        textCentred(cr, label, w / 2, h / 2, frame == 1 ? kAccent : kText, 1.2);
    };
}

FrameDraw stepButton(bool forward)
{
    return [forward](cairo_t* cr, int frame, double w, double h)
    {
        headerFace(cr, w, h, frame == 1, false);
        const double dir = forward ? 1 : -1;
        arrowHead(cr, w / 2 + dir * 0.5, h / 2, dir, 4.0, frame == 1 ? kAccent : kText);
    };
}

void gear(cairo_t* cr, int frame, double w, double h)
{
    headerFace(cr, w, h, frame == 1, false);
    const double cx = w / 2, cy = h / 2;
    const Rgba c = frame == 1 ? kAccent : kText;
    cairo_new_path(cr);
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i)
    {
        const double a = i * M_PI / teeth;
        const double r = (i % 2 == 0) ? 7.0 : 5.4;
        const double a0 = a - M_PI / teeth / 2, a1 = a + M_PI / teeth / 2;
        cairo_line_to(cr, cx + r * std::cos(a0), cy + r * std::sin(a0));
        cairo_line_to(cr, cx + r * std::cos(a1), cy + r * std::sin(a1));
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, 2.4, 2 * M_PI, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    setColour(cr, c);
    cairo_fill(cr);
}

void closeButton(cairo_t* cr, int frame, double w, double h)
{
    const double cx = w / 2, cy = h / 2, r = 7.5;
    const bool pressed = frame == 1;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    setColour(cr, pressed ? withAlpha(kBypass, 0.85) : rgb(58, 62, 70));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 0.5, 0, 2 * M_PI);
    setColour(cr, rgb(0, 0, 0, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double d = 3.0;
    const Rgba c = pressed ? rgb(255, 255, 255) : kText;
    line(cr, cx - d, cy - d, cx + d, cy + d, c, 1.6);
    line(cr, cx - d, cy + d, cx + d, cy - d, c, 1.6);
}

void saveConfirm(cairo_t* cr, int frame, double w, double h)
{
    labelButton(cr, w, h - 2, "SAVE", kAccent, frame == 1, false);
    if (frame == 0)
    {
        // Released state still reads as the dialog's default action.
        strokeRounded(cr, 1, 1, w - 2, h - 4, 3, withAlpha(kAccent, 0.6));
    }
}

// Two interlocked oval links at 45 degrees.
void chainLink(cairo_t* cr, double cx, double cy, Rgba c)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -M_PI / 4);
    cairo_set_line_width(cr, 1.5);
    setColour(cr, c);
    roundedRect(cr, -7.2, -2.4, 8.6, 4.8, 2.4);
    cairo_stroke(cr);
    roundedRect(cr, -1.4, -2.4, 8.6, 4.8, 2.4);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Link indicator strip: frame 0 linked, frame 1 inversely linked (a bar crosses the link).
void linkView(cairo_t* cr, int frame, double w, double h)
{
    const Rgba c = frame == 0 ? kAbove : kBelow;
    chainLink(cr, w / 2, h / 2, c);
    if (frame == 1)
    {
        line(cr, 1.5, h / 2 + 5.5, w - 1.5, h / 2 - 5.5, rgb(14, 16, 19), 3.0);
        line(cr, 1.5, h / 2 + 5.5, w - 1.5, h / 2 - 5.5, c, 1.2);
    }
}

void headphones(cairo_t* cr, int frame, double w, double h)
{
    const bool on = frameIsOn(frame);
    const double cx = w / 2, cy = h / 2;
    fillRounded(cr, 1, 2, w - 2, h - 2, 4, rgb(0, 0, 0, 0.45));
    roundedRect(cr, 1, 1, w - 2, h - 2, 4);
    if (on)
        verticalGradient(cr, 1, h - 1, mix(kButtonTop, kBelow, 0.4),
                         mix(kButtonBottom, kBelow, 0.25));
    else
        verticalGradient(cr, 1, h - 1, kButtonTop, kButtonBottom);
    cairo_fill(cr);
    if (frameIsHover(frame)) fillRounded(cr, 1, 1, w - 2, h - 2, 4, rgb(255, 255, 255, 0.09));
    strokeRounded(cr, 1, 1, w - 2, h - 2, 4, on ? withAlpha(kBelow, 0.9) : rgb(0, 0, 0, 0.7));
    const Rgba c = on ? rgb(214, 238, 255) : kTextDim;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, cx, cy + 1.5, 6.5, M_PI, 2 * M_PI);
    setColour(cr, c);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    fillRounded(cr, cx - 8.2, cy + 0.5, 3.6, 6.5, 1.3, c);
    fillRounded(cr, cx + 4.6, cy + 0.5, 3.6, 6.5, 1.3, c);
}

// Band selector digit: frame = 4 * mark + 2 * selected + hover, where mark 0 is a sounding
// band, 1 a soloed band and 2 a band switched off.
FrameDraw digit(int n)
{
    return [n](cairo_t* cr, int frame, double w, double h)
    {
        const int mark = frame / 4;
        const bool selected = (frame / 2) % 2 == 1, hover = frame % 2 == 1;
        const double x = 1, y = 1, s = w - 2;
        fillRounded(cr, x, y + 1, s, s, 3, rgb(0, 0, 0, 0.5));
        roundedRect(cr, x, y, s, s, 3);
        if (selected)
            verticalGradient(cr, y, y + s, rgb(92, 98, 108), rgb(60, 64, 72));
        else
            verticalGradient(cr, y, y + s, kButtonTop, kButtonBottom);
        cairo_fill(cr);
        if (hover) fillRounded(cr, x, y, s, s, 3, rgb(255, 255, 255, 0.1));
        Rgba digitColour = selected ? rgb(255, 255, 255) : kTextDim;
        if (mark == 1) digitColour = kSolo;
        if (mark == 2) digitColour = selected ? rgb(150, 156, 166) : rgb(100, 106, 116);
        strokeRounded(cr, x, y, s, s, 3, selected ? rgb(230, 234, 240, 0.9) : rgb(0, 0, 0, 0.75));
        const std::string text = std::to_string(n);
        useFont(cr, Face::SansBold, 10.5);
        textCentred(cr, text.c_str(), w / 2, h / 2, digitColour);
        if (mark == 1) line(cr, 5, h - 4, w - 5, h - 4, kSolo, 1.4);
        if (mark == 2) line(cr, 5.5, h - 5.5, w - 5.5, 5.5, withAlpha(kBypass, 0.9), 1.3);
    };
}

} // namespace

void addButtonRecipes(RecipeBook& book)
{
    book["SOLO.png"] = toggleButton("SOLO", kSolo);
    book["BYPASS.png"] = toggleButton("BYPASS", kBypass);
    book["ABOVE.png"] = toggleButton("ABOVE", kAbove);
    book["BELOW.png"] = toggleButton("BELOW", kBelow);
    book["LINK.png"] = linkButton;
    book["ACTIVE.png"] = led;
    book["on_off.png"] = headerPower;
    book["logo_bypass.png"] = logoBypass;
    book["LOGO_Button.png"] = logoButton;
    book["Undo1.png"] = historyButton(false);
    book["Redo1.png"] = historyButton(true);
    book["Load.png"] = headerText("LOAD");
    book["Save.png"] = headerText("SAVE");
    book["next.png"] = stepButton(true);
    book["prev.png"] = stepButton(false);
    book["opt.png"] = gear;
    book["x.png"] = closeButton;
    book["preset_save.png"] = saveConfirm;
    book["LinkView.png"] = linkView;
    book["SC2.png"] = headphones;
    for (int n = 1; n <= 5; ++n) book[std::to_string(n) + ".png"] = digit(n);
}

} // namespace velqa::artwork
