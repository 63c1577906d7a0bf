#pragma once
// What a view asks of an editor beyond the VST 2.4 editor operations on Linux: the host's run
// loop and screen scale for the window it opens next, and drawing into an image instead of a
// window (screenshots, tests).

#include "vstgui/lib/platform/x11runloop.h"

namespace VSTGUI
{
class CView;
}

namespace velqa
{

class IEditorPlatform
{
public:
    // Used by the next open(); the run loop must outlive the open window.
    virtual void setFrameConfig(const VSTGUI::X11::FrameConfig& config) = 0;
    // Opens the editor on an image at a screen scale; close() ends it like a window.
    virtual bool openOffscreen(double contentScale) = 0;
    // Brings the image up to date and writes it; false unless open off screen.
    virtual bool writeOffscreenPng(const char* path) = 0;
    // 0.75 to 2; the editor reports its new size as it does for its own zoom control.
    virtual bool setEditorZoom(double zoom) = 0;
    // The view the editor built for a layout tag, or null (closed, or no view of that tag).
    virtual VSTGUI::CView* viewOfTag(int) const { return nullptr; }
    // What a live view of a tag shows, up to capacity values: a spectrum's row per column
    // (none before its first data) or a meter's lit height in pixels. -1 for other tags.
    virtual int readLiveView(int, float*, int) const { return -1; }
    // Shows one page of the editor while open: 0 the main page alone, 1 the settings panel,
    // 2 the About page. False for a page the editor does not have.
    virtual bool showPage(int) { return false; }

protected:
    ~IEditorPlatform() = default;
};

} // namespace velqa
