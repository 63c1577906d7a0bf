#include "public.sdk/source/vst/vsteditcontroller.h"

namespace Steinberg
{
namespace Vst
{

tresult PLUGIN_API EditController::initialize(FUnknown* context)
{
    return ComponentBase::initialize(context);
}

tresult PLUGIN_API EditController::terminate()
{
    parameters.removeAll();
    componentHandler = nullptr;
    componentHandler2 = nullptr;
    return ComponentBase::terminate();
}

tresult PLUGIN_API EditController::setComponentState(IBStream*)
{
    return kNotImplemented;
}

int32 PLUGIN_API EditController::getParameterCount()
{
    return parameters.getParameterCount();
}

tresult PLUGIN_API EditController::getParameterInfo(int32 paramIndex, ParameterInfo& info)
{
    if (Parameter* parameter = parameters.getParameterByIndex(paramIndex))
    {
        info = parameter->getInfo();
        return kResultTrue;
    }
    return kResultFalse;
}

tresult EditController::getParameterInfoByTag(ParamID tag, ParameterInfo& info)
{
    if (Parameter* parameter = parameters.getParameter(tag))
    {
        info = parameter->getInfo();
        return kResultTrue;
    }
    return kResultFalse;
}

tresult PLUGIN_API EditController::getParamStringByValue(ParamID tag, ParamValue valueNormalized,
                                                         String128 string)
{
    Parameter* parameter = parameters.getParameter(tag);
    if (!parameter || !string) return kResultFalse;
    parameter->toString(valueNormalized, string);
    return kResultTrue;
}

tresult PLUGIN_API EditController::getParamValueByString(ParamID tag, TChar* string,
                                                         ParamValue& valueNormalized)
{
    Parameter* parameter = parameters.getParameter(tag);
    if (parameter && parameter->fromString(string, valueNormalized)) return kResultTrue;
    return kResultFalse;
}

ParamValue PLUGIN_API EditController::normalizedParamToPlain(ParamID tag, ParamValue value)
{
    Parameter* parameter = parameters.getParameter(tag);
    return parameter ? parameter->toPlain(value) : value;
}

ParamValue PLUGIN_API EditController::plainParamToNormalized(ParamID tag, ParamValue plainValue)
{
    Parameter* parameter = parameters.getParameter(tag);
    return parameter ? parameter->toNormalized(plainValue) : plainValue;
}

ParamValue PLUGIN_API EditController::getParamNormalized(ParamID tag)
{
    Parameter* parameter = parameters.getParameter(tag);
    return parameter ? parameter->getNormalized() : 0.;
}

tresult PLUGIN_API EditController::setParamNormalized(ParamID tag, ParamValue value)
{
    Parameter* parameter = parameters.getParameter(tag);
    if (!parameter) return kResultFalse;
    parameter->setNormalized(value);
    return kResultTrue;
}

tresult PLUGIN_API EditController::setComponentHandler(IComponentHandler* handler)
{
    if (componentHandler.get() == handler) return kResultTrue;
    componentHandler = handler;
    componentHandler2 = FUnknownPtr<IComponentHandler2>(handler);
    return kResultTrue;
}

IPlugView* PLUGIN_API EditController::createView(FIDString)
{
    return nullptr;
}

tresult PLUGIN_API EditController::setKnobMode(KnobMode mode)
{
    if (mode < kCircularMode || mode > kLinearMode) return kResultFalse;
    hostKnobMode = mode;
    return kResultTrue;
}

tresult PLUGIN_API EditController::openHelp(TBool)
{
    return kResultFalse;
}
tresult PLUGIN_API EditController::openAboutBox(TBool)
{
    return kResultFalse;
}

tresult EditController::beginEdit(ParamID tag)
{
    return componentHandler ? componentHandler->beginEdit(tag) : kResultFalse;
}

tresult EditController::performEdit(ParamID tag, ParamValue valueNormalized)
{
    return componentHandler ? componentHandler->performEdit(tag, valueNormalized) : kResultFalse;
}

tresult EditController::endEdit(ParamID tag)
{
    return componentHandler ? componentHandler->endEdit(tag) : kResultFalse;
}

tresult EditController::startGroupEdit()
{
    return componentHandler2 ? componentHandler2->startGroupEdit() : kNotImplemented;
}

tresult EditController::finishGroupEdit()
{
    return componentHandler2 ? componentHandler2->finishGroupEdit() : kNotImplemented;
}

tresult EditController::setDirty(TBool state)
{
    return componentHandler2 ? componentHandler2->setDirty(state) : kNotImplemented;
}

tresult EditController::requestOpenEditor(FIDString name)
{
    return componentHandler2 ? componentHandler2->requestOpenEditor(name) : kNotImplemented;
}

EditorView::EditorView(EditController* owner, ViewRect* size) : CPluginView(size), controller(owner)
{
}

EditorView::~EditorView()
{
    if (controller) controller->editorDestroyed(this);
}

void EditorView::attachedToParent()
{
    if (controller) controller->editorAttached(this);
}

void EditorView::removedFromParent()
{
    if (controller) controller->editorRemoved(this);
}

} // namespace Vst
} // namespace Steinberg
