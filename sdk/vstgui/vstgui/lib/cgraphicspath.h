#pragma once

#include "vstgui/lib/crect.h"

#include <vector>

typedef struct _cairo cairo_t;

namespace VSTGUI
{

// A resolution-independent outline, replayed into a drawing context when drawn.
class CGraphicsPath : public CBaseObject
{
public:
    void beginSubpath(const CPoint& start);
    void addLine(const CPoint& to);
    void addBezierCurve(const CPoint& control1, const CPoint& control2, const CPoint& end);
    // Angles in degrees, 0 at three o'clock, growing clockwise on screen.
    void addArc(const CRect& bounds, double startAngle, double endAngle, bool clockwise);
    void addEllipse(const CRect& bounds);
    void addRect(const CRect& rect);
    void closeSubpath();

    bool isEmpty() const { return elements.empty(); }
    void clear() { elements.clear(); }
    CRect getBoundingBox() const;

    void replay(cairo_t* cr) const;

private:
    enum class Kind
    {
        begin,
        line,
        bezier,
        arc,
        ellipse,
        rect,
        close
    };
    struct Element
    {
        Element(Kind kind, CPoint a = {}, CPoint b = {}, CPoint c = {}, CRect bounds = {})
            : kind(kind), a(a), b(b), c(c), bounds(bounds)
        {
        }
        Kind kind;
        CPoint a, b, c;
        CRect bounds;
        double start = 0, end = 0;
        bool clockwise = true;
    };
    std::vector<Element> elements;
};

} // namespace VSTGUI
