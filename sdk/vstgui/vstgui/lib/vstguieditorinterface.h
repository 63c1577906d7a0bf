#pragma once

#include "vstgui/lib/vstguibase.h"

namespace VSTGUI
{

enum CKnobMode : int32
{
    kCircularMode = 0,
    kRelativCircularMode,
    kLinearMode,
};

// What a frame needs from the editor that owns it.
class VSTGUIEditorInterface
{
public:
    virtual ~VSTGUIEditorInterface() = default;

    virtual void doIdleStuff() {}
    virtual void beginEdit(int32 /*index*/) {}
    virtual void endEdit(int32 /*index*/) {}
    virtual int32 getKnobMode() const { return kLinearMode; }
    virtual CFrame* getFrame() const { return frame; }

protected:
    CFrame* frame = nullptr;
};

} // namespace VSTGUI
