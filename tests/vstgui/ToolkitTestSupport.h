#pragma once

#include "vstgui/lib/cbitmap.h"
#include "vstgui/lib/cframe.h"
#include "vstgui/lib/controls/ccontrol.h"
#include "vstgui/lib/platform/offscreenframe.h"

#include <cairo.h>

#include <string>
#include <vector>

namespace toolkit_test
{

using namespace VSTGUI;

std::vector<unsigned char> readFile(const char* path);

// Encodes the surface as PNG bytes and releases it.
inline std::vector<unsigned char> pngBytes(cairo_surface_t* surface)
{
    std::vector<unsigned char> bytes;
    cairo_surface_write_to_png_stream(
        surface,
        [](void* closure, const unsigned char* data, unsigned int length)
        {
            auto* out = static_cast<std::vector<unsigned char>*>(closure);
            out->insert(out->end(), data, data + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &bytes);
    cairo_surface_destroy(surface);
    return bytes;
}

// PNG bytes of a solid image, so bitmap tests need no files.
inline std::vector<unsigned char> solidPng(int width, int height, const CColor& color)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgba(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                          color.alpha / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return pngBytes(surface);
}

// A vertical strip of frames, frame k filled with grey level k * step.
inline std::vector<unsigned char> stripPng(int width, int frameHeight, int frames, int step)
{
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, frameHeight * frames);
    cairo_t* cr = cairo_create(surface);
    for (int k = 0; k < frames; ++k)
    {
        double level = (k * step % 256) / 255.0;
        cairo_set_source_rgb(cr, level, level, level);
        cairo_rectangle(cr, 0, k * frameHeight, width, frameHeight);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    return pngBytes(surface);
}

// Records every listener call in order, as one line each.
class RecordingListener : public IControlListener
{
public:
    void valueChanged(CControl* control) override
    {
        calls.push_back("changed " + std::to_string(control->getTag()));
        values.push_back(control->getValue());
    }
    void controlBeginEdit(CControl* control) override
    {
        calls.push_back("begin " + std::to_string(control->getTag()));
    }
    void controlEndEdit(CControl* control) override
    {
        calls.push_back("end " + std::to_string(control->getTag()));
    }

    std::vector<std::string> calls;
    std::vector<float> values;
};

// An open off-screen frame that releases itself.
struct OffscreenFrame
{
    explicit OffscreenFrame(CCoord width = 200, CCoord height = 100, double contentScale = 1.0)
        : frame(new CFrame(CRect(0, 0, width, height)))
    {
        platform = openOffscreen(frame, contentScale);
    }
    ~OffscreenFrame() { frame->close(); }
    OffscreenFrame(const OffscreenFrame&) = delete;
    OffscreenFrame& operator=(const OffscreenFrame&) = delete;

    // Device-pixel events at layout coordinates, so tests read the same at every zoom.
    double scale() const { return frame->getScaleFactor(); }
    CMouseEventResult down(CCoord x, CCoord y, int32 buttons = kLButton)
    {
        return frame->platformOnMouseDown(CPoint(x * scale(), y * scale()), buttons);
    }
    CMouseEventResult move(CCoord x, CCoord y, int32 buttons = kLButton)
    {
        return frame->platformOnMouseMoved(CPoint(x * scale(), y * scale()), buttons);
    }
    CMouseEventResult up(CCoord x, CCoord y, int32 buttons = kLButton)
    {
        return frame->platformOnMouseUp(CPoint(x * scale(), y * scale()), buttons);
    }
    bool wheel(CCoord x, CCoord y, float distance, int32 buttons = 0)
    {
        return frame->platformOnMouseWheel(CPoint(x * scale(), y * scale()), distance, buttons);
    }
    CColor pixel(int x, int y) const { return platform->getPixel(x, y); }

    CFrame* frame;
    COffscreenPlatformFrame* platform;
};

// A plain coloured view that counts what reaches it.
class ProbeView : public CView
{
public:
    ProbeView(const CRect& size, const CColor& color) : CView(size), color(color) {}

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState&) override
    {
        ++downs;
        lastDown = where;
        return kMouseEventHandled;
    }
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState&) override
    {
        ++moves;
        lastMove = where;
        return kMouseEventHandled;
    }
    CMouseEventResult onMouseUp(CPoint&, const CButtonState&) override
    {
        ++ups;
        return kMouseEventHandled;
    }
    CMouseEventResult onMouseEntered(CPoint&, const CButtonState&) override
    {
        ++entered;
        return kMouseEventHandled;
    }
    CMouseEventResult onMouseExited(CPoint&, const CButtonState&) override
    {
        ++exited;
        return kMouseEventHandled;
    }
    bool onWheel(const CPoint&, float, const CButtonState&) override
    {
        ++wheels;
        return true;
    }

    CColor color;
    int downs = 0, moves = 0, ups = 0, entered = 0, exited = 0, wheels = 0, draws = 0;
    CPoint lastDown, lastMove;
};

} // namespace toolkit_test
