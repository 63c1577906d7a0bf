#pragma once

#include "vstgui/lib/ccolor.h"
#include "vstgui/lib/cframe.h"

#include <memory>
#include <string>

namespace VSTGUI
{

// A platform frame that draws into a cairo image surface instead of a window: for tests and
// screenshots. Invalidated areas are redrawn at once, so after the frame's idle the image is
// current.
class COffscreenPlatformFrame : public IPlatformFrame
{
public:
    COffscreenPlatformFrame(CFrame* frame, double contentScale);
    ~COffscreenPlatformFrame() override;

    void invalidRect(const CRect& deviceRect) override;
    void invalidRects(const std::vector<CRect>& deviceRects) override;
    bool setSize(const CRect& deviceSize) override;
    double getContentScale() const override { return contentScale; }
    bool setContentScale(double scale) override;

    cairo_surface_t* getSurface() const { return surface; }
    int getPixelWidth() const;
    int getPixelHeight() const;
    // Unpremultiplied colour of a device pixel; transparent black outside the image.
    CColor getPixel(int x, int y) const;
    // Redraws everything.
    void redrawAll();
    bool writePng(const std::string& path) const;

private:
    CFrame* frame;
    double contentScale;
    cairo_surface_t* surface = nullptr;
};

// Opens frame off screen and returns its platform frame (owned by the frame), or null.
COffscreenPlatformFrame* openOffscreen(CFrame* frame, double contentScale = 1.0);

} // namespace VSTGUI
