#pragma once

#include "vstgui/lib/crect.h"

namespace VSTGUI
{

// Affine 2-D transform: x' = m11 x + m12 y + dx, y' = m21 x + m22 y + dy.
struct CGraphicsTransform
{
    double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;

    CGraphicsTransform& translate(double x, double y)
    {
        dx += x;
        dy += y;
        return *this;
    }
    CGraphicsTransform& translate(const CPoint& p) { return translate(p.x, p.y); }
    // Scales the already transformed result, so translate-then-scale scales the offset too.
    CGraphicsTransform& scale(double sx, double sy)
    {
        m11 *= sx;
        m12 *= sx;
        dx *= sx;
        m21 *= sy;
        m22 *= sy;
        dy *= sy;
        return *this;
    }
    // this applied after other.
    CGraphicsTransform operator*(const CGraphicsTransform& o) const
    {
        CGraphicsTransform r;
        r.m11 = m11 * o.m11 + m12 * o.m21;
        r.m12 = m11 * o.m12 + m12 * o.m22;
        r.m21 = m21 * o.m11 + m22 * o.m21;
        r.m22 = m21 * o.m12 + m22 * o.m22;
        r.dx = m11 * o.dx + m12 * o.dy + dx;
        r.dy = m21 * o.dx + m22 * o.dy + dy;
        return r;
    }
    CPoint transform(const CPoint& p) const
    {
        return {m11 * p.x + m12 * p.y + dx, m21 * p.x + m22 * p.y + dy};
    }
    // Bounding box of the transformed corners.
    CRect transform(const CRect& r) const
    {
        CPoint a = transform(CPoint{r.left, r.top});
        CPoint b = transform(CPoint{r.right, r.top});
        CPoint c = transform(CPoint{r.left, r.bottom});
        CPoint d = transform(CPoint{r.right, r.bottom});
        return {std::min({a.x, b.x, c.x, d.x}), std::min({a.y, b.y, c.y, d.y}),
                std::max({a.x, b.x, c.x, d.x}), std::max({a.y, b.y, c.y, d.y})};
    }
    CGraphicsTransform inverse() const
    {
        double det = m11 * m22 - m12 * m21;
        if (det == 0) return {};
        CGraphicsTransform r;
        r.m11 = m22 / det;
        r.m12 = -m12 / det;
        r.m21 = -m21 / det;
        r.m22 = m11 / det;
        r.dx = -(r.m11 * dx + r.m12 * dy);
        r.dy = -(r.m21 * dx + r.m22 * dy);
        return r;
    }
    bool isIdentity() const
    {
        return m11 == 1 && m12 == 0 && m21 == 0 && m22 == 1 && dx == 0 && dy == 0;
    }
};

} // namespace VSTGUI
