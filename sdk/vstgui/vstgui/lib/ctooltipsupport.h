#pragma once

#include "vstgui/lib/cframe.h"

namespace VSTGUI
{

// Switches tooltips on for a frame for as long as it lives: a view's tooltip text shows beside
// the pointer once it has rested on the view for the delay.
class CTooltipSupport : public CBaseObject
{
public:
    explicit CTooltipSupport(CFrame* frame, uint32 delayMilliseconds = 1000) : frame(frame)
    {
        frame->remember();
        frame->enableTooltips(true, delayMilliseconds);
    }
    ~CTooltipSupport() override
    {
        frame->enableTooltips(false);
        frame->forget();
    }

private:
    CFrame* frame;
};

} // namespace VSTGUI
