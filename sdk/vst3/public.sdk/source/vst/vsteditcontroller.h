#pragma once

#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "public.sdk/source/common/pluginview.h"
#include "public.sdk/source/vst/vstcomponentbase.h"
#include "public.sdk/source/vst/vstparameters.h"

namespace Steinberg
{
namespace Vst
{

class EditorView;

// Edit controller on a parameter container; forwards edits to the host's component handler.
class EditController : public ComponentBase, public IEditController, public IEditController2
{
public:
    EditController() = default;

    // IPluginBase
    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API terminate() override;

    // IEditController
    tresult PLUGIN_API setComponentState(IBStream* state) override;
    // Forward to readControllerState / writeControllerState, which a single-component
    // effect overrides instead (its setState/getState also serve IComponent).
    tresult PLUGIN_API setState(IBStream* state) override { return readControllerState(state); }
    tresult PLUGIN_API getState(IBStream* state) override { return writeControllerState(state); }
    int32 PLUGIN_API getParameterCount() override;
    tresult PLUGIN_API getParameterInfo(int32 paramIndex, ParameterInfo& info) override;
    tresult PLUGIN_API getParamStringByValue(ParamID tag, ParamValue valueNormalized,
                                             String128 string) override;
    tresult PLUGIN_API getParamValueByString(ParamID tag, TChar* string,
                                             ParamValue& valueNormalized) override;
    ParamValue PLUGIN_API normalizedParamToPlain(ParamID tag, ParamValue valueNormalized) override;
    ParamValue PLUGIN_API plainParamToNormalized(ParamID tag, ParamValue plainValue) override;
    ParamValue PLUGIN_API getParamNormalized(ParamID tag) override;
    tresult PLUGIN_API setParamNormalized(ParamID tag, ParamValue value) override;
    tresult PLUGIN_API setComponentHandler(IComponentHandler* handler) override;
    IPlugView* PLUGIN_API createView(FIDString name) override;

    // IEditController2
    tresult PLUGIN_API setKnobMode(KnobMode mode) override;
    tresult PLUGIN_API openHelp(TBool onlyCheck) override;
    tresult PLUGIN_API openAboutBox(TBool onlyCheck) override;

    // Notifications from the views this controller created.
    virtual void editorDestroyed(EditorView* /*editor*/) {}
    virtual void editorAttached(EditorView* /*editor*/) {}
    virtual void editorRemoved(EditorView* /*editor*/) {}

    // Forwarded to the component handler; kResultFalse while the host has set none.
    tresult beginEdit(ParamID tag);
    tresult performEdit(ParamID tag, ParamValue valueNormalized);
    tresult endEdit(ParamID tag);
    tresult startGroupEdit();
    tresult finishGroupEdit();
    tresult setDirty(TBool state);
    tresult requestOpenEditor(FIDString name = ViewType::kEditor);

    virtual tresult getParameterInfoByTag(ParamID tag, ParameterInfo& info);

    IComponentHandler* getComponentHandler() const { return componentHandler; }
    static KnobMode getHostKnobMode() { return hostKnobMode; }

    OBJ_METHODS(EditController, ComponentBase)
    DEFINE_INTERFACES
    DEF_INTERFACE(IEditController)
    DEF_INTERFACE(IEditController2)
    END_DEFINE_INTERFACES(ComponentBase)
    REFCOUNT_METHODS(ComponentBase)

protected:
    // The controller's own state (IEditController::setState/getState).
    virtual tresult readControllerState(IBStream* /*state*/) { return kNotImplemented; }
    virtual tresult writeControllerState(IBStream* /*state*/) { return kNotImplemented; }

    IPtr<IComponentHandler> componentHandler;
    IPtr<IComponentHandler2> componentHandler2;
    ParameterContainer parameters;

    static inline KnobMode hostKnobMode = kCircularMode;
};

// A view that tells its controller when it is attached, removed and destroyed.
class EditorView : public CPluginView
{
public:
    explicit EditorView(EditController* controller, ViewRect* size = nullptr);
    ~EditorView() override;

    EditController* getController() const { return controller; }

    void attachedToParent() override;
    void removedFromParent() override;

    OBJ_METHODS(EditorView, CPluginView)

protected:
    IPtr<EditController> controller;
};

} // namespace Vst
} // namespace Steinberg
