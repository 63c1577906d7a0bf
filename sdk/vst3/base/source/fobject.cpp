#include "base/source/fobject.h"

namespace Steinberg
{

tresult PLUGIN_API FObject::queryInterface(const TUID _iid, void** obj)
{
    if (!obj) return kInvalidArgument;
    QUERY_INTERFACE(_iid, obj, FUnknown::iid, FUnknown)
    *obj = nullptr;
    return kNoInterface;
}

uint32 PLUGIN_API FObject::addRef()
{
    return static_cast<uint32>(++refCount);
}

uint32 PLUGIN_API FObject::release()
{
    const int32 left = --refCount;
    if (left == 0)
    {
        // Keep the count non-zero while destructors run, so an addRef/release pair made
        // by a member during destruction cannot delete the object a second time.
        refCount = -1000;
        delete this;
        return 0;
    }
    return static_cast<uint32>(left);
}

} // namespace Steinberg
