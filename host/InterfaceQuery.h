#pragma once

#include "pluginterfaces/base/funknown.h"

namespace velqa::host
{

// Asks a plug-in object for another of its interfaces; the caller owns the returned reference.
template <typename Interface> Interface* queryInterfaceOf(Steinberg::FUnknown* object)
{
    if (!object) return nullptr;
    void* found = nullptr;
    if (object->queryInterface(Interface::iid, &found) != Steinberg::kResultOk) return nullptr;
    return static_cast<Interface*>(found);
}

} // namespace velqa::host
