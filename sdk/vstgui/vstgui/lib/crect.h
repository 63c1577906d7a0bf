#pragma once

#include "vstgui/lib/cpoint.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI
{

// Edges, not origin plus size: right and bottom are exclusive.
struct CRect
{
    CCoord left = 0;
    CCoord top = 0;
    CCoord right = 0;
    CCoord bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(CCoord left, CCoord top, CCoord right, CCoord bottom)
        : left(left), top(top), right(right), bottom(bottom)
    {
    }
    constexpr CRect(const CPoint& origin, const CPoint& size)
        : left(origin.x), top(origin.y), right(origin.x + size.x), bottom(origin.y + size.y)
    {
    }

    CCoord getWidth() const { return right - left; }
    CCoord getHeight() const { return bottom - top; }
    CRect& setWidth(CCoord width)
    {
        right = left + width;
        return *this;
    }
    CRect& setHeight(CCoord height)
    {
        bottom = top + height;
        return *this;
    }
    CPoint getTopLeft() const { return {left, top}; }
    CPoint getBottomRight() const { return {right, bottom}; }
    CPoint getSize() const { return {getWidth(), getHeight()}; }
    CPoint getCenter() const { return {left + getWidth() / 2, top + getHeight() / 2}; }

    bool isEmpty() const { return right <= left || bottom <= top; }

    CRect& offset(CCoord dx, CCoord dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    CRect& offset(const CPoint& by) { return offset(by.x, by.y); }
    CRect& offsetInverse(const CPoint& by) { return offset(-by.x, -by.y); }
    CRect& moveTo(const CPoint& where) { return offset(where.x - left, where.y - top); }
    CRect& inset(CCoord dx, CCoord dy)
    {
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
        return *this;
    }
    CRect& extend(CCoord dx, CCoord dy) { return inset(-dx, -dy); }
    CRect& scale(CCoord factor)
    {
        left *= factor;
        top *= factor;
        right *= factor;
        bottom *= factor;
        return *this;
    }
    // Grows to whole pixels so that scaled drawing never leaves half-painted edges behind.
    CRect& makeIntegral()
    {
        left = std::floor(left);
        top = std::floor(top);
        right = std::ceil(right);
        bottom = std::ceil(bottom);
        return *this;
    }

    bool pointInside(const CPoint& p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool rectOverlap(const CRect& o) const
    {
        return o.left < right && o.right > left && o.top < bottom && o.bottom > top;
    }
    // Intersection; an empty result collapses to a zero-size rectangle.
    CRect& bound(const CRect& o)
    {
        left = std::max(left, o.left);
        top = std::max(top, o.top);
        right = std::max(left, std::min(right, o.right));
        bottom = std::max(top, std::min(bottom, o.bottom));
        return *this;
    }
    CRect& unite(const CRect& o)
    {
        if (o.isEmpty()) return *this;
        if (isEmpty()) return *this = o;
        left = std::min(left, o.left);
        top = std::min(top, o.top);
        right = std::max(right, o.right);
        bottom = std::max(bottom, o.bottom);
        return *this;
    }

    bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const { return !(*this == o); }
};

} // namespace VSTGUI
