#pragma once

// Drawing helpers shared by every family of images. All drawing happens in 1x units; the
// caller has already scaled the context, so the same code yields the sharper 2x image.

#include <cairo.h>

#include <string>

namespace velqa::artwork
{

struct Rgba
{
    double r, g, b, a;
};

constexpr Rgba rgb(int r, int g, int b, double a = 1.0)
{
    return {r / 255.0, g / 255.0, b / 255.0, a};
}

constexpr Rgba withAlpha(Rgba c, double a)
{
    return {c.r, c.g, c.b, a};
}
Rgba mix(Rgba a, Rgba b, double t);

enum class Face
{
    Sans,
    SansBold,
    Display,
};

// Loads the three faces from font files; false when one cannot be read.
bool loadFaces(const std::string& sans, const std::string& sansBold, const std::string& display);
void releaseFaces();

void setColour(cairo_t* cr, Rgba c);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void fillRounded(cairo_t* cr, double x, double y, double w, double h, double r, Rgba c);
void strokeRounded(cairo_t* cr, double x, double y, double w, double h, double r, Rgba c,
                   double width = 1.0);
// Vertical gradient from top colour at y0 to bottom colour at y1, as the current source.
void verticalGradient(cairo_t* cr, double y0, double y1, Rgba top, Rgba bottom);
// A recessed well: dark fill, inner shadow along the top, light lip along the bottom.
void insetWell(cairo_t* cr, double x, double y, double w, double h, double r, Rgba fill);
// A raised plate with a soft top light and a dark outline.
void raisedPlate(cairo_t* cr, double x, double y, double w, double h, double r, Rgba top,
                 Rgba bottom);
void line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgba c, double width = 1.0);

void useFont(cairo_t* cr, Face face, double size);
double textWidth(cairo_t* cr, const char* text, double tracking = 0.0);
// Text positioned by the middle of its capital height, so mixed labels share one visual line.
void textCentred(cairo_t* cr, const char* text, double cx, double cy, Rgba c,
                 double tracking = 0.0);
void textLeft(cairo_t* cr, const char* text, double x, double cy, Rgba c, double tracking = 0.0);
void textRight(cairo_t* cr, const char* text, double x, double cy, Rgba c, double tracking = 0.0);
// Engraved caption: a dark copy one unit below gives the text depth on a light-lit panel.
void caption(cairo_t* cr, const char* text, double cx, double cy, double size, Rgba c);

// Subtle deterministic grain over a surface region, so large panels do not look flat.
void addGrain(cairo_surface_t* surface, int strength, unsigned seed);

} // namespace velqa::artwork
