#pragma once

#include "vstgui/lib/cbuttonstate.h"

namespace VSTGUI
{

class IControlListener
{
public:
    virtual ~IControlListener() = default;

    virtual void valueChanged(CControl* control) = 0;
    virtual int32 controlModifierClicked(CControl* /*control*/, CButtonState /*buttons*/)
    {
        return 0;
    }
    virtual void controlBeginEdit(CControl* /*control*/) {}
    virtual void controlEndEdit(CControl* /*control*/) {}
    virtual void controlTagWillChange(CControl* /*control*/) {}
    virtual void controlTagDidChange(CControl* /*control*/) {}
};

} // namespace VSTGUI
