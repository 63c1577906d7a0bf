#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cfont.h"
#include "vstgui/lib/cgraphicstransform.h"

#include <string>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI
{

enum CDrawStyle : int32
{
    kDrawStroked = 0,
    kDrawFilled,
    kDrawFilledAndStroked,
};

enum CHoriTxtAlign : int32
{
    kLeftText = 0,
    kCenterText,
    kRightText,
};

enum CDrawModeFlags : int32
{
    kAliasing = 0,
    kAntiAliasing = 1,
};

// Drawing onto a cairo surface in layout units. The device scale maps layout units to surface
// pixels (frame zoom times the screen's content scale); views never see it except through
// getScaleFactor(), which picks bitmap representations.
class CDrawContext : public CBaseObject
{
public:
    enum PathDrawMode
    {
        kPathFilled,
        kPathFilledEvenOdd,
        kPathStroked,
    };

    CDrawContext(cairo_surface_t* surface, double deviceScale = 1.0);
    ~CDrawContext() override;

    double getScaleFactor() const;
    cairo_t* getCairo() const { return cr; }

    void setLineWidth(CCoord width) { state.lineWidth = width; }
    CCoord getLineWidth() const { return state.lineWidth; }
    void setFrameColor(const CColor& color) { state.frameColor = color; }
    CColor getFrameColor() const { return state.frameColor; }
    void setFillColor(const CColor& color) { state.fillColor = color; }
    CColor getFillColor() const { return state.fillColor; }
    void setFontColor(const CColor& color) { state.fontColor = color; }
    CColor getFontColor() const { return state.fontColor; }
    void setFont(const CFontDesc* font);
    void setFont(const std::string& name, CCoord size, int32 style = kNormalFace);
    void setDrawMode(int32 mode) { state.drawMode = mode; }
    int32 getDrawMode() const { return state.drawMode; }
    void setGlobalAlpha(float alpha) { state.globalAlpha = alpha; }
    float getGlobalAlpha() const { return state.globalAlpha; }

    // Saves colours, line, font, alpha, clip and transform.
    void saveGlobalState();
    void restoreGlobalState();

    // Clip rectangle in current coordinates; replaces (does not intersect) the current clip.
    void setClipRect(const CRect& clip);
    CRect getClipRect() const;
    void resetClipRect();
    // The device rectangles being redrawn: nothing is drawn outside them, whatever the clip.
    void setDrawRegion(std::vector<CRect> deviceRects);
    // Whether a rectangle (in the current coordinates) meets the region; always without one.
    bool meetsDrawRegion(const CRect& rect) const;

    void drawLine(const CPoint& from, const CPoint& to);
    void drawPolygon(const std::vector<CPoint>& points, CDrawStyle style = kDrawStroked);
    void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked);
    void drawEllipse(const CRect& rect, CDrawStyle style = kDrawStroked);
    // Angles in degrees, 0 at three o'clock, clockwise on screen.
    void drawArc(const CRect& rect, double startAngle, double endAngle,
                 CDrawStyle style = kDrawStroked);

    // Text is UTF-8; it is centred vertically in rect.
    void drawString(const std::string& text, const CRect& rect, CHoriTxtAlign align = kCenterText);
    void drawString(const std::string& text, const CPoint& baseline);
    CCoord getStringWidth(const std::string& text);

    // Draws the part of bitmap starting at offset (layout units) into dest.
    void drawBitmap(const CBitmap* bitmap, const CRect& dest, const CPoint& offset = {},
                    float alpha = 1.f);

    CGraphicsPath* createGraphicsPath();
    void drawGraphicsPath(const CGraphicsPath* path, PathDrawMode mode = kPathFilled,
                          const CGraphicsTransform* transform = nullptr);

    const CGraphicsTransform& getCurrentTransform() const { return state.transform; }

    // Concatenates a transform for its lifetime.
    class Transform
    {
    public:
        Transform(CDrawContext& context, const CGraphicsTransform& transform);
        ~Transform();
        Transform(const Transform&) = delete;
        Transform& operator=(const Transform&) = delete;

    private:
        CDrawContext& context;
        CGraphicsTransform previous;
    };

private:
    struct State
    {
        CColor frameColor = kBlackCColor;
        CColor fillColor = kWhiteCColor;
        CColor fontColor = kBlackCColor;
        CCoord lineWidth = 1;
        int32 drawMode = kAntiAliasing;
        float globalAlpha = 1.f;
        std::string fontName = "Arial";
        CCoord fontSize = 12;
        int32 fontStyle = kNormalFace;
        CGraphicsTransform transform;
        CRect clip; // in root coordinates, before the transform
    };

    void applyMatrix();
    void applyClip();
    void setSourceColor(const CColor& color);
    void finishPath(CDrawStyle style);
    void selectFont();

    cairo_t* cr;
    double deviceScale;
    State state;
    std::vector<State> savedStates;
    std::vector<CRect> drawRegion;
};

} // namespace VSTGUI
