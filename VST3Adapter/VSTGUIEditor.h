#pragma once
// A VST 3 view whose contents are a VSTGUI frame: attaching opens it in the host's window,
// removing closes it, and an idle timer on the host's run loop drives it.

#include "VST3Adapter/RunLoopBridge.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "public.sdk/source/vst/vsteditcontroller.h"
#include "vstgui/lib/vstguieditorinterface.h"

namespace Steinberg::Vst
{

class VSTGUIEditor : public EditorView,
                     public VSTGUI::VSTGUIEditorInterface,
                     public IPlugViewContentScaleSupport
{
public:
    explicit VSTGUIEditor(EditController* controller, ViewRect* size = nullptr);
    ~VSTGUIEditor() override;

    virtual bool open(void* parent) = 0;
    virtual void close() = 0;
    // The idle timer fired.
    virtual void onIdleTimer() {}

    void setIdleRate(int32 milliseconds) { idleRate = milliseconds; }
    int32 getIdleRate() const { return idleRate; }
    double getContentScale() const { return contentScale; }

    tresult PLUGIN_API attached(void* parent, FIDString type) override;
    tresult PLUGIN_API removed() override;
    tresult PLUGIN_API onWheel(float distance) override;
    tresult PLUGIN_API onKeyDown(char16 key, int16 keyCode, int16 modifiers) override;
    tresult PLUGIN_API onKeyUp(char16 key, int16 keyCode, int16 modifiers) override;
    tresult PLUGIN_API setContentScaleFactor(ScaleFactor factor) override;

    OBJ_METHODS(VSTGUIEditor, EditorView)
    DEFINE_INTERFACES
    DEF_INTERFACE(IPlugViewContentScaleSupport)
    END_DEFINE_INTERFACES(EditorView)
    REFCOUNT_METHODS(EditorView)

protected:
    // Settings for the window opened next: the host's run loop (from its plug frame) and scale.
    VSTGUI::X11::FrameConfig makeFrameConfig();
    // The screen scale changed while open.
    virtual void contentScaleChanged() {}

    double contentScale = 1.0;

private:
    velqa::CRunLoopBridge runLoop;
    int32 idleRate = 100;
};

} // namespace Steinberg::Vst
