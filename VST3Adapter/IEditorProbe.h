#pragma once
// Velqa's own view extension for hosts without a screen (the command-line tool, tests): open
// the editor on an image, find the view of a layout tag, send it mouse events and idle ticks,
// and write the image. A host of this module loaded with dlopen reaches the editor only
// through it, as through any VST 3 interface.

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/gui/iplugview.h"

namespace velqa
{

class IEditorProbe : public Steinberg::FUnknown
{
public:
    enum Page : Steinberg::int32
    {
        kPageMain = 0,
        kPageSettings = 1,
        kPageAbout = 2,
        kPageBrowser = 3,
        kPageSaveDialog = 4,
    };
    enum MouseAction : Steinberg::int32
    {
        kMouseDown = 0,
        kMouseMoved = 1,
        kMouseUp = 2,
        kMouseWheel = 3,
    };

    // Refused while the editor is open in a window or already open off screen.
    virtual Steinberg::tresult PLUGIN_API openOffscreen(double contentScale) = 0;
    virtual Steinberg::tresult PLUGIN_API closeOffscreen() = 0;

    // The view built for a layout tag (in a window too): its rectangle in window coordinates at
    // 100 % zoom, and whether it and every container above it are visible. kResultFalse when
    // the tag has none or the editor is closed.
    virtual Steinberg::tresult PLUGIN_API findTag(Steinberg::int32 tag, Steinberg::ViewRect* rect,
                                                  Steinberg::TBool* visible) = 0;
    // The value the control of a tag shows (in a window too); kResultFalse without a control.
    virtual Steinberg::tresult PLUGIN_API getTagValue(Steinberg::int32 tag, float* value) = 0;

    // A mouse event at device pixels of the image; buttons are the toolkit's button-state
    // bits (left 0x2, right 0x8, Shift 0x10, Ctrl 0x20, Alt 0x40); distance only for the wheel.
    virtual Steinberg::tresult PLUGIN_API mouse(Steinberg::int32 action, double x, double y,
                                                Steinberg::int32 buttons, float distance) = 0;
    // One editor idle tick, as the host's 50 ms timer gives it.
    virtual Steinberg::tresult PLUGIN_API tick() = 0;
    // 75..200; the editor resizes as for its own zoom control (not stored).
    virtual Steinberg::tresult PLUGIN_API setZoomPercent(Steinberg::int32 percent) = 0;
    virtual Steinberg::tresult PLUGIN_API showPage(Steinberg::int32 page) = 0;
    // Brings the image up to date and writes it as PNG.
    virtual Steinberg::tresult PLUGIN_API writePng(const char* path) = 0;
    // Whether the view of a tag takes the mouse (a disabled button does not); kResultFalse when
    // the tag has none or the editor is closed.
    virtual Steinberg::tresult PLUGIN_API isTagEnabled(Steinberg::int32 tag,
                                                       Steinberg::TBool* enabled) = 0;
    // The text a label or text field of a tag shows (in a window too), NUL-terminated and cut
    // to size bytes; kResultFalse for a tag without text.
    virtual Steinberg::tresult PLUGIN_API getTagText(Steinberg::int32 tag, char* text,
                                                     Steinberg::int32 size) = 0;
    // What a live view of a tag shows (in a window too): a spectrum view's row per pixel
    // column counted from its top (none before its first data), or a meter's lit height in
    // pixels at 100 %. count receives how many values the view has; at most capacity are
    // copied. kResultFalse for a tag that is neither.
    virtual Steinberg::tresult PLUGIN_API readLiveView(Steinberg::int32 tag, float* values,
                                                       Steinberg::int32 capacity,
                                                       Steinberg::int32* count) = 0;

    static const Steinberg::FUID iid;
};

DECLARE_CLASS_IID(IEditorProbe, 0x3C94E1B7, 0x6A0F4D52, 0x8E27B4C1, 0xD59A0F36)

} // namespace velqa
