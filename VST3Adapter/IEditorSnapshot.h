#pragma once
// Velqa's own view extension: draw the editor into a PNG file without a window, so the
// command-line host can take screenshots with no display.

#include "pluginterfaces/base/funknown.h"

namespace velqa
{

class IEditorSnapshot : public Steinberg::FUnknown
{
public:
    // zoomPercent 75..200; contentScale is the screen's (1, or 2 for HiDPI). Refused while
    // the view is attached to a window.
    virtual Steinberg::tresult PLUGIN_API writeSnapshot(const char* pngPath,
                                                        Steinberg::int32 zoomPercent,
                                                        double contentScale) = 0;

    static const Steinberg::FUID iid;
};

DECLARE_CLASS_IID(IEditorSnapshot, 0x5E1A7C03, 0x92D84B6F, 0xA1C3E55D, 0x0B7F4C29)

} // namespace velqa
