#include "vstgui/lib/cdrawcontext.h"
#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cgraphicspath.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace VSTGUI
{

CDrawContext::CDrawContext(cairo_surface_t* surface, double deviceScale)
    : cr(cairo_create(surface)), deviceScale(deviceScale > 0 ? deviceScale : 1.0)
{
    double width = 0, height = 0;
    if (cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE)
    {
        width = cairo_image_surface_get_width(surface);
        height = cairo_image_surface_get_height(surface);
    }
    else
    {
        double x1 = 0, y1 = 0;
        cairo_clip_extents(cr, &x1, &y1, &width, &height);
    }
    state.clip = {0, 0, width / this->deviceScale, height / this->deviceScale};
    applyClip();
    applyMatrix();
}

CDrawContext::~CDrawContext()
{
    cairo_destroy(cr);
}

double CDrawContext::getScaleFactor() const
{
    const auto& t = state.transform;
    return deviceScale * std::sqrt(std::fabs(t.m11 * t.m22 - t.m12 * t.m21));
}

void CDrawContext::setFont(const CFontDesc* font)
{
    if (!font) return;
    setFont(font->getName(), font->getSize(), font->getStyle());
}

void CDrawContext::setFont(const std::string& name, CCoord size, int32 style)
{
    state.fontName = name;
    state.fontSize = size;
    state.fontStyle = style;
}

void CDrawContext::saveGlobalState()
{
    savedStates.push_back(state);
}

void CDrawContext::restoreGlobalState()
{
    if (savedStates.empty()) return;
    state = savedStates.back();
    savedStates.pop_back();
    applyClip();
    applyMatrix();
}

void CDrawContext::setClipRect(const CRect& clip)
{
    state.clip = state.transform.transform(clip);
    applyClip();
}

CRect CDrawContext::getClipRect() const
{
    return state.transform.inverse().transform(state.clip);
}

void CDrawContext::resetClipRect()
{
    cairo_reset_clip(cr);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_identity_matrix(cr);
    cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
    state.clip = {x1 / deviceScale, y1 / deviceScale, x2 / deviceScale, y2 / deviceScale};
    applyMatrix();
}

void CDrawContext::applyMatrix()
{
    const auto& t = state.transform;
    cairo_matrix_t m;
    cairo_matrix_init(&m, t.m11 * deviceScale, t.m21 * deviceScale, t.m12 * deviceScale,
                      t.m22 * deviceScale, t.dx * deviceScale, t.dy * deviceScale);
    cairo_set_matrix(cr, &m);
}

void CDrawContext::setDrawRegion(std::vector<CRect> deviceRects)
{
    drawRegion = std::move(deviceRects);
    applyClip();
}

bool CDrawContext::meetsDrawRegion(const CRect& rect) const
{
    if (drawRegion.empty()) return true;
    CRect device = state.transform.transform(rect);
    device.scale(deviceScale);
    return std::any_of(drawRegion.begin(), drawRegion.end(),
                       [&device](const CRect& part) { return part.rectOverlap(device); });
}

void CDrawContext::applyClip()
{
    cairo_reset_clip(cr);
    cairo_identity_matrix(cr);
    cairo_new_path(cr);
    if (!drawRegion.empty())
    {
        for (const CRect& part : drawRegion)
            cairo_rectangle(cr, part.left, part.top, part.getWidth(), part.getHeight());
        cairo_clip(cr);
    }
    CRect device = state.clip;
    device.scale(deviceScale);
    cairo_rectangle(cr, device.left, device.top, device.getWidth(), device.getHeight());
    cairo_clip(cr);
    applyMatrix();
}

void CDrawContext::setSourceColor(const CColor& color)
{
    cairo_set_source_rgba(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                          color.alpha / 255.0 * state.globalAlpha);
}

void CDrawContext::finishPath(CDrawStyle style)
{
    cairo_set_antialias(cr, (state.drawMode & kAntiAliasing) ? CAIRO_ANTIALIAS_DEFAULT
                                                             : CAIRO_ANTIALIAS_NONE);
    if (style == kDrawFilled || style == kDrawFilledAndStroked)
    {
        setSourceColor(state.fillColor);
        cairo_fill_preserve(cr);
    }
    if (style == kDrawStroked || style == kDrawFilledAndStroked)
    {
        setSourceColor(state.frameColor);
        cairo_set_line_width(cr, state.lineWidth);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
}

void CDrawContext::drawLine(const CPoint& from, const CPoint& to)
{
    cairo_new_path(cr);
    cairo_move_to(cr, from.x, from.y);
    cairo_line_to(cr, to.x, to.y);
    finishPath(kDrawStroked);
}

void CDrawContext::drawPolygon(const std::vector<CPoint>& points, CDrawStyle style)
{
    if (points.size() < 2) return;
    cairo_new_path(cr);
    cairo_move_to(cr, points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].x, points[i].y);
    if (style != kDrawStroked) cairo_close_path(cr);
    finishPath(style);
}

void CDrawContext::drawRect(const CRect& rect, CDrawStyle style)
{
    cairo_new_path(cr);
    CRect r = rect;
    // A framed rectangle keeps its stroke inside its bounds, so it covers what it invalidates.
    if (style != kDrawFilled) r.inset(state.lineWidth / 2, state.lineWidth / 2);
    if (style == kDrawFilledAndStroked)
    {
        cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
        setSourceColor(state.fillColor);
        cairo_fill(cr);
        style = kDrawStroked;
    }
    cairo_rectangle(cr, r.left, r.top, r.getWidth(), r.getHeight());
    finishPath(style);
}

void CDrawContext::drawEllipse(const CRect& rect, CDrawStyle style)
{
    CGraphicsPath path;
    path.addEllipse(rect);
    cairo_new_path(cr);
    path.replay(cr);
    finishPath(style);
}

void CDrawContext::drawArc(const CRect& rect, double startAngle, double endAngle, CDrawStyle style)
{
    CGraphicsPath path;
    if (style != kDrawStroked) path.beginSubpath(rect.getCenter());
    path.addArc(rect, startAngle, endAngle, true);
    if (style != kDrawStroked) path.closeSubpath();
    cairo_new_path(cr);
    path.replay(cr);
    finishPath(style);
}

void CDrawContext::selectFont()
{
    cairo_font_face_t* face = FontRegistry::createFace(state.fontName, state.fontStyle);
    cairo_set_font_face(cr, face);
    cairo_font_face_destroy(face);
    cairo_set_font_size(cr, state.fontSize);
}

void CDrawContext::drawString(const std::string& text, const CRect& rect, CHoriTxtAlign align)
{
    if (text.empty()) return;
    selectFont();
    cairo_font_extents_t font{};
    cairo_font_extents(cr, &font);
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, text.c_str(), &extents);
    double x = rect.left;
    if (align == kCenterText)
        x = rect.left + (rect.getWidth() - extents.x_advance) / 2;
    else if (align == kRightText)
        x = rect.right - extents.x_advance;
    double y = rect.top + (rect.getHeight() - (font.ascent + font.descent)) / 2 + font.ascent;
    cairo_save(cr);
    cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_clip(cr);
    drawString(text, CPoint{x, y});
    cairo_restore(cr);
}

void CDrawContext::drawString(const std::string& text, const CPoint& baseline)
{
    if (text.empty()) return;
    selectFont();
    setSourceColor(state.fontColor);
    cairo_new_path(cr);
    cairo_move_to(cr, baseline.x, baseline.y);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
}

CCoord CDrawContext::getStringWidth(const std::string& text)
{
    selectFont();
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

void CDrawContext::drawBitmap(const CBitmap* bitmap, const CRect& dest, const CPoint& offset,
                              float alpha)
{
    if (!bitmap || dest.isEmpty()) return;
    double representationScale = 1.0;
    cairo_surface_t* surface = bitmap->getSurface(getScaleFactor(), &representationScale);
    if (!surface) return;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, dest.left, dest.top, dest.getWidth(), dest.getHeight());
    cairo_clip(cr);
    cairo_translate(cr, dest.left - offset.x, dest.top - offset.y);
    cairo_scale(cr, 1.0 / representationScale, 1.0 / representationScale);
    cairo_set_source_surface(cr, surface, 0, 0);
    // Pixels outside the source rectangle must not bleed in from neighbouring strip frames.
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint_with_alpha(cr, alpha * state.globalAlpha);
    cairo_restore(cr);
}

CGraphicsPath* CDrawContext::createGraphicsPath()
{
    return new CGraphicsPath;
}

void CDrawContext::drawGraphicsPath(const CGraphicsPath* path, PathDrawMode mode,
                                    const CGraphicsTransform* transform)
{
    if (!path) return;
    cairo_save(cr);
    if (transform)
    {
        cairo_matrix_t m;
        cairo_matrix_init(&m, transform->m11, transform->m21, transform->m12, transform->m22,
                          transform->dx, transform->dy);
        cairo_transform(cr, &m);
    }
    cairo_new_path(cr);
    path->replay(cr);
    cairo_restore(cr); // the path survives; the stroke width stays in the outer units
    cairo_set_fill_rule(cr, mode == kPathFilledEvenOdd ? CAIRO_FILL_RULE_EVEN_ODD
                                                       : CAIRO_FILL_RULE_WINDING);
    finishPath(mode == kPathStroked ? kDrawStroked : kDrawFilled);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

CDrawContext::Transform::Transform(CDrawContext& context, const CGraphicsTransform& transform)
    : context(context), previous(context.state.transform)
{
    context.state.transform = previous * transform;
    context.applyMatrix();
}

CDrawContext::Transform::~Transform()
{
    context.state.transform = previous;
    context.applyMatrix();
}

} // namespace VSTGUI
