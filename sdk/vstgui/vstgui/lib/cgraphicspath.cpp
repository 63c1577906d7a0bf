#include "vstgui/lib/cgraphicspath.h"

#include <cairo.h>

#include <cmath>

namespace VSTGUI
{
namespace
{

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// An elliptical arc is a circular arc in a scaled space.
void ellipticArc(cairo_t* cr, const CRect& bounds, double start, double end, bool clockwise,
                 bool connect)
{
    double rx = bounds.getWidth() / 2;
    double ry = bounds.getHeight() / 2;
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, bounds.left + rx, bounds.top + ry);
    cairo_scale(cr, rx, ry);
    if (!connect) cairo_new_sub_path(cr);
    if (clockwise)
        cairo_arc(cr, 0, 0, 1, start * kRadiansPerDegree, end * kRadiansPerDegree);
    else
        cairo_arc_negative(cr, 0, 0, 1, start * kRadiansPerDegree, end * kRadiansPerDegree);
    cairo_restore(cr);
}

} // namespace

void CGraphicsPath::beginSubpath(const CPoint& start)
{
    elements.push_back({Kind::begin, start, {}, {}, {}});
}

void CGraphicsPath::addLine(const CPoint& to)
{
    elements.push_back({Kind::line, to, {}, {}, {}});
}

void CGraphicsPath::addBezierCurve(const CPoint& control1, const CPoint& control2,
                                   const CPoint& end)
{
    elements.push_back({Kind::bezier, control1, control2, end, {}});
}

void CGraphicsPath::addArc(const CRect& bounds, double startAngle, double endAngle, bool clockwise)
{
    Element e{Kind::arc, {}, {}, {}, bounds};
    e.start = startAngle;
    e.end = endAngle;
    e.clockwise = clockwise;
    elements.push_back(e);
}

void CGraphicsPath::addEllipse(const CRect& bounds)
{
    elements.push_back({Kind::ellipse, {}, {}, {}, bounds});
}

void CGraphicsPath::addRect(const CRect& rect)
{
    elements.push_back({Kind::rect, {}, {}, {}, rect});
}

void CGraphicsPath::closeSubpath()
{
    elements.push_back({Kind::close, {}, {}, {}, {}});
}

CRect CGraphicsPath::getBoundingBox() const
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(surface);
    replay(cr);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return {x1, y1, x2, y2};
}

void CGraphicsPath::replay(cairo_t* cr) const
{
    for (const auto& e : elements)
    {
        switch (e.kind)
        {
        case Kind::begin:
            cairo_move_to(cr, e.a.x, e.a.y);
            break;
        case Kind::line:
            cairo_line_to(cr, e.a.x, e.a.y);
            break;
        case Kind::bezier:
            cairo_curve_to(cr, e.a.x, e.a.y, e.b.x, e.b.y, e.c.x, e.c.y);
            break;
        case Kind::arc:
            ellipticArc(cr, e.bounds, e.start, e.end, e.clockwise, cairo_has_current_point(cr));
            break;
        case Kind::ellipse:
            ellipticArc(cr, e.bounds, 0, 360, true, false);
            cairo_close_path(cr);
            break;
        case Kind::rect:
            cairo_rectangle(cr, e.bounds.left, e.bounds.top, e.bounds.getWidth(),
                            e.bounds.getHeight());
            break;
        case Kind::close:
            cairo_close_path(cr);
            break;
        }
    }
}

} // namespace VSTGUI
