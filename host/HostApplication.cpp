#include "host/HostApplication.h"

#include "host/Utf16.h"

namespace velqa::host
{

using namespace Steinberg;

tresult PLUGIN_API HostApplication::getName(Vst::String128 name)
{
    if (!name) return kInvalidArgument;
    toUtf16(name_, name, 128);
    return kResultOk;
}

tresult PLUGIN_API HostApplication::createInstance(TUID, TUID, void** obj)
{
    if (obj) *obj = nullptr;
    return kNotImplemented;
}

} // namespace velqa::host
