#pragma once

#include "base/source/fobject.h"
#include "pluginterfaces/base/ipluginbase.h"

namespace Steinberg
{
namespace Vst
{

// Common base of components and controllers: keeps the host context given to initialize.
class ComponentBase : public FObject, public IPluginBase
{
public:
    ComponentBase() = default;
    ~ComponentBase() override = default;

    // A second initialize without terminate is refused; the first context stays.
    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API terminate() override;

    FUnknown* getHostContext() const { return hostContext; }

    OBJ_METHODS(ComponentBase, FObject)
    DEFINE_INTERFACES
    DEF_INTERFACE(IPluginBase)
    END_DEFINE_INTERFACES(FObject)
    REFCOUNT_METHODS(FObject)

protected:
    IPtr<FUnknown> hostContext;
};

} // namespace Vst
} // namespace Steinberg
