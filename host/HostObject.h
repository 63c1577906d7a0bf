#pragma once

#include "pluginterfaces/base/funknown.h"

#include <atomic>

namespace velqa::host
{

template <typename Interface> bool isInterfaceId(const Steinberg::TUID iid)
{
    return Steinberg::FUnknownPrivate::iidEqual(iid, Interface::iid);
}

// Base of the objects the host lends to a plug-in. The host owns them (by value or by
// unique_ptr), so the count is kept for the plug-in's sake but never deletes.
template <typename Interface> class HostObject : public Interface
{
public:
    HostObject() = default;
    HostObject(const HostObject&) = delete;
    HostObject& operator=(const HostObject&) = delete;
    virtual ~HostObject() = default;

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override
    {
        if (!obj) return Steinberg::kInvalidArgument;
        if (isInterfaceId<Steinberg::FUnknown>(iid) || isInterfaceId<Interface>(iid))
        {
            addRef();
            *obj = static_cast<Interface*>(this);
            return Steinberg::kResultOk;
        }
        *obj = nullptr;
        return Steinberg::kNoInterface;
    }
    Steinberg::uint32 PLUGIN_API addRef() override { return ++references_; }
    Steinberg::uint32 PLUGIN_API release() override { return --references_; }

    // Beyond the host's own reference: what the plug-in still holds.
    Steinberg::uint32 referencesHeldByPlugin() const { return references_ - 1; }

private:
    std::atomic<Steinberg::uint32> references_{1};
};

} // namespace velqa::host
