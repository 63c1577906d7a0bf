#pragma once

#include "vstgui/lib/crect.h"

#include <vector>

namespace VSTGUI
{

enum class PlatformType
{
    kDefaultNative,
    kX11EmbedWindowID,
    kOffscreen,
};

// The window system side of a frame. Rectangles are in device pixels (layout units times the
// frame's zoom and the screen's content scale).
class IPlatformFrame
{
public:
    virtual ~IPlatformFrame() = default;

    // Brings the pixels of rect up to date (now or at the next expose).
    virtual void invalidRect(const CRect& deviceRect) = 0;
    // Several at once: a frame that can draws them in one pass.
    virtual void invalidRects(const std::vector<CRect>& deviceRects)
    {
        for (const CRect& rect : deviceRects) invalidRect(rect);
    }
    virtual bool setSize(const CRect& deviceSize) = 0;
    // Device pixels per layout unit at 100 % zoom (2 on a HiDPI screen).
    virtual double getContentScale() const = 0;
    // The host reports a new screen scale; the frame resizes the surface afterwards.
    virtual bool setContentScale(double scale) = 0;
};

} // namespace VSTGUI
