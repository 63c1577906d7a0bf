// Drawing of the equaliser display: shading of the side-chain cuts, grid, curve, handles.

#include "code/editor/displays/ParamEqView2.h"

#include "vstgui/lib/cdrawcontext.h"

#include <cairo.h>

#include <algorithm>

using namespace VSTGUI;

namespace
{

const CColor kShade(0, 0, 0, 44);
const CColor kGridColor(0, 0, 222, 111);
const CColor kFocusDot(130, 185, 248, 185);
const CColor kHandleBright(255, 255, 255, 185);
const CColor kHandleDim(255, 255, 255, 95);
constexpr CCoord kGridInset = 20;
constexpr CCoord kLabelAboveBottom = 8;
constexpr CCoord kLabelWidth = 60;
constexpr CCoord kLabelHeight = 12;
constexpr CCoord kLabelFontSize = 9;
constexpr CCoord kFocusInset = 3;

} // namespace

void CParamEqView2::draw(CDrawContext* context)
{
    setDirty(false);
    setResolution(context->getScaleFactor());
    updateCurve();
    if (!picture.place(context, size))
    {
        drawContent(context);
        return;
    }
    if (picture.isStale())
    {
        cairo_surface_t* image = picture.surface();
        {
            CDrawContext imageContext(image, picture.scale());
            cairo_t* cr = imageContext.getCairo();
            cairo_save(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
            cairo_paint(cr);
            cairo_restore(cr);
            CDrawContext::Transform offset(imageContext,
                                           CGraphicsTransform().translate(-size.left, -size.top));
            drawContent(&imageContext);
        }
        cairo_surface_flush(image);
        picture.markPainted();
    }
    picture.composite(context);
}

void CParamEqView2::setDirty(bool state)
{
    if (state) picture.markStale();
    CControl::setDirty(state);
}

void CParamEqView2::invalidRect(const CRect& rect)
{
    picture.markStale();
    CControl::invalidRect(rect);
}

void CParamEqView2::drawContent(CDrawContext* context)
{
    context->saveGlobalState();
    // The curve of a steep band leaves the view; nothing of it may cover the neighbours.
    context->setClipRect(size);
    context->setDrawMode(kAntiAliasing);
    context->setLineWidth(1);
    if (background.alpha != 0)
    {
        context->setFillColor(background);
        context->setFrameColor(background);
        context->drawRect(size, kDrawFilledAndStroked);
    }
    drawShading(context);
    drawGrid(context);
    drawCurve(context);
    drawHandles(context);
    context->restoreGlobalState();
}

void CParamEqView2::drawShading(CDrawContext* context)
{
    const CRect& inner = axis.getInner();
    context->setFillColor(kShade);
    if (lowCutHz > axis.lowest())
    {
        const double x = axis.columnX(axis.columnReaching(lowCutHz));
        context->drawRect(CRect(inner.left, inner.top, x, inner.bottom), kDrawFilled);
    }
    if (highCutHz < axis.highest() - 1.0)
    {
        const double x = axis.columnX(axis.columnReaching(highCutHz));
        context->drawRect(CRect(x, inner.top, inner.right, inner.bottom), kDrawFilled);
    }
}

void CParamEqView2::drawGrid(CDrawContext* context)
{
    context->setFrameColor(kGridColor);
    context->setFontColor(kGridColor);
    context->setFont("Arial", kLabelFontSize);
    const CCoord labelMiddle = size.bottom - kLabelAboveBottom;
    for (const GridLine& line : grid)
    {
        const double x = axis.columnX(axis.columnReaching(line.frequency)) + 0.5;
        context->drawLine(CPoint(x, size.top + kGridInset), CPoint(x, size.bottom - kGridInset));
        CRect label(x - kLabelWidth / 2, labelMiddle - kLabelHeight / 2, x + kLabelWidth / 2,
                    labelMiddle + kLabelHeight / 2);
        // The last label would hang over the edge: it ends at the line instead.
        const CCoord room = size.right - x;
        if (room < kLabelWidth / 2)
            context->drawString(
                line.label, CRect(x - kLabelWidth - 2, label.top, x - 2, label.bottom), kRightText);
        else
            context->drawString(line.label, label, kCenterText);
    }
}

void CParamEqView2::tracePoints(const std::unique_ptr<float[]>& y, bool closeAtZero)
{
    // Far outside the view a point only bends lines that are clipped anyway.
    const double low = size.top - size.getHeight();
    const double high = size.bottom + size.getHeight();
    const int n = axis.columns();
    points.clear();
    if (closeAtZero) points.emplace_back(axis.columnX(0), axis.zeroDbY());
    for (int i = 0; i < n; ++i)
        points.emplace_back(axis.columnX(i), std::clamp(static_cast<double>(y[i]), low, high));
    if (closeAtZero) points.emplace_back(axis.columnX(n - 1), axis.zeroDbY());
}

void CParamEqView2::drawCurve(CDrawContext* context)
{
    bool inside = false, outside = false;
    for (int b = 0; b < getBandCount(); ++b)
        (groupFlags[static_cast<size_t>(b)] ? inside : outside) = true;
    if (fillOn)
    {
        tracePoints(groupY, true);
        context->setFillColor(fillColor);
        context->drawPolygon(points, kDrawFilled);
    }
    context->setFrameColor(curveColor);
    if (inside && outside)
    {
        tracePoints(groupY, false);
        context->drawPolygon(points, kDrawStroked);
    }
    tracePoints(totalY, false);
    context->drawPolygon(points, kDrawStroked);
}

void CParamEqView2::drawHandles(CDrawContext* context)
{
    if (focused >= 0 && focused < getBandCount())
    {
        CRect dot = bands[static_cast<size_t>(focused)].handle;
        dot.inset(kFocusInset, kFocusInset);
        context->setFillColor(kFocusDot);
        context->drawEllipse(dot, kDrawFilled);
    }
    for (int b = 0; b < getBandCount(); ++b)
    {
        const CFilterControl& band = bands[static_cast<size_t>(b)];
        const bool bright = band.hovered || b == selected || b == highlighted || mouseInside;
        context->setFrameColor(bright ? kHandleBright : kHandleDim);
        context->drawEllipse(band.handle, kDrawStroked);
    }
}
