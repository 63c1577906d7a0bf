#pragma once
// What a control tells the editor beyond VSTGUI's listener calls. The editor implements it; a
// control finds it by casting its listener, so controls also work under a plain listener.

#include "vstgui/lib/vstguibase.h"

class IOrvControlHost
{
public:
    virtual ~IOrvControlHost() = default;

    // A linked gesture moves the control of partnerTag with it: the value is already inverted
    // when the link is. Begin and end bracket the gesture like a user edit of the partner.
    virtual void partnerBeginEdit(VSTGUI::int32 partnerTag) = 0;
    virtual void partnerValueChanged(VSTGUI::int32 partnerTag, float value) = 0;
    virtual void partnerEndEdit(VSTGUI::int32 partnerTag) = 0;

    // 1.0 when a linked drag starts, 0.0 when it ends.
    virtual void linkIndicatorChanged(VSTGUI::int32 indicatorTag, float value) = 0;

    // A hover area reports 1.0 when the mouse enters it and 0.0 when it leaves.
    virtual void hoverChanged(VSTGUI::int32 tag, float value) = 0;
};
