#pragma once
// The effect's own editor presented to the VST 3 host as its plug-in view.

#include "VST3Adapter/IEditorProbe.h"
#include "VST3Adapter/IEditorSnapshot.h"
#include "VST3Adapter/VSTGUIEditor.h"
#include "pluginterfaces/vst/ivstcontextmenu.h"
#include "pluginterfaces/vst/ivstplugview.h"
#include "vstgui/lib/controls/icontrollistener.h"

class AEffEditor;

namespace velqa
{
class IEditorPlatform;
}

namespace Steinberg::Vst
{

class VST2Adapter;

class ViewAdapter : public VSTGUIEditor,
                    public VSTGUI::IControlListener,
                    public IParameterFinder,
                    public IContextMenuTarget,
                    public velqa::IEditorSnapshot,
                    public velqa::IEditorProbe
{
public:
    static constexpr int32 kIdleMilliseconds = 50;
    // Size of a view without an editor.
    static constexpr int32 kEmptySize = 111;
    // How far a host may grow the view beyond the editor's own size.
    static constexpr int32 kSizeSlack = 50;

    explicit ViewAdapter(EditController* controller);
    ~ViewAdapter() override;

    bool open(void* parent) override;
    void close() override;
    void onIdleTimer() override;

    // The editor changed its own rectangle: the view takes it and asks the host to follow.
    void resizeFromEditor();

    AEffEditor* getEditor() const { return editor; }

    tresult PLUGIN_API onFocus(TBool) override { return kResultFalse; }
    tresult PLUGIN_API setFrame(IPlugFrame* frame) override;
    tresult PLUGIN_API canResize() override { return kResultFalse; }
    tresult PLUGIN_API checkSizeConstraint(ViewRect* rect) override;

    void valueChanged(VSTGUI::CControl*) override {}
    void controlBeginEdit(VSTGUI::CControl* control) override;
    void controlEndEdit(VSTGUI::CControl* control) override;

    tresult PLUGIN_API findParameter(int32, int32, ParamID&) override { return kResultFalse; }
    tresult PLUGIN_API executeMenuItem(int32) override { return kResultFalse; }

    tresult PLUGIN_API writeSnapshot(const char* pngPath, int32 zoomPercent, double scale) override;

    tresult PLUGIN_API openOffscreen(double contentScale) override;
    tresult PLUGIN_API closeOffscreen() override;
    tresult PLUGIN_API findTag(int32 tag, ViewRect* rect, TBool* visible) override;
    tresult PLUGIN_API getTagValue(int32 tag, float* value) override;
    tresult PLUGIN_API isTagEnabled(int32 tag, TBool* enabled) override;
    tresult PLUGIN_API getTagText(int32 tag, char* text, int32 size) override;
    tresult PLUGIN_API mouse(int32 action, double x, double y, int32 buttons,
                             float distance) override;
    tresult PLUGIN_API tick() override;
    tresult PLUGIN_API setZoomPercent(int32 percent) override;
    tresult PLUGIN_API showPage(int32 page) override;
    tresult PLUGIN_API writePng(const char* path) override;
    tresult PLUGIN_API readLiveView(int32 tag, float* values, int32 capacity,
                                    int32* count) override;

    OBJ_METHODS(ViewAdapter, VSTGUIEditor)
    DEFINE_INTERFACES
    DEF_INTERFACE(IParameterFinder)
    DEF_INTERFACE(IContextMenuTarget)
    DEF_INTERFACE(velqa::IEditorSnapshot)
    DEF_INTERFACE(velqa::IEditorProbe)
    END_DEFINE_INTERFACES(VSTGUIEditor)
    REFCOUNT_METHODS(VSTGUIEditor)

protected:
    void contentScaleChanged() override;

private:
    // The editor's rectangle in device pixels, or false without one.
    bool editorRect(ViewRect& out) const;
    VSTGUI::VSTGUIEditorInterface* editorInterface() const;
    velqa::IEditorPlatform* platform() const;
    // The editor is open on an image through the probe, not in a host window.
    bool offscreenOpen() const { return frame && !isAttached(); }

    AEffEditor* editor = nullptr;
    VST2Adapter* adapter = nullptr;
};

} // namespace Steinberg::Vst
