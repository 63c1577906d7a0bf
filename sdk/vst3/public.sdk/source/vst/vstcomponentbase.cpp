#include "public.sdk/source/vst/vstcomponentbase.h"

namespace Steinberg
{
namespace Vst
{

tresult PLUGIN_API ComponentBase::initialize(FUnknown* context)
{
    if (hostContext) return kResultFalse;
    hostContext = context;
    return kResultOk;
}

tresult PLUGIN_API ComponentBase::terminate()
{
    hostContext = nullptr;
    return kResultOk;
}

} // namespace Vst
} // namespace Steinberg
