#pragma once

#include "pluginterfaces/base/funknown.h"

#include <atomic>
#include <cstring>

namespace Steinberg
{

using FClassID = FIDString;

// Base of the SDK's reference-counted objects. Starts with one reference owned by whoever
// called new; the last release deletes the object.
class FObject : public FUnknown
{
public:
    FObject() = default;
    // A copy is a new object: it starts with its own single reference.
    FObject(const FObject&) : FUnknown() {}
    FObject& operator=(const FObject&) { return *this; }
    virtual ~FObject() = default;

    tresult PLUGIN_API queryInterface(const TUID _iid, void** obj) override;
    uint32 PLUGIN_API addRef() override;
    uint32 PLUGIN_API release() override;

    int32 getRefCount() const { return refCount.load(); }
    FUnknown* unknownCast() { return this; }

    static FClassID getFClassID() { return "FObject"; }
    virtual FClassID isA() const { return FObject::getFClassID(); }
    virtual bool isA(FClassID s) const { return isTypeOf(s, false); }
    virtual bool isTypeOf(FClassID s, bool /*askBaseClass*/ = true) const
    {
        return classIDsEqual(s, FObject::getFClassID());
    }
    static bool classIDsEqual(FClassID a, FClassID b) { return a && b && std::strcmp(a, b) == 0; }

private:
    std::atomic<int32> refCount{1};
};

// Checked downcast by class name, without RTTI across the module boundary.
template <class C> inline C* FCast(const FObject* object)
{
    if (object && object->isTypeOf(C::getFClassID(), true))
        return static_cast<C*>(const_cast<FObject*>(object));
    return nullptr;
}

} // namespace Steinberg

#define OBJ_METHODS(className, baseClass)                                                          \
    static ::Steinberg::FClassID getFClassID()                                                     \
    {                                                                                              \
        return (#className);                                                                       \
    }                                                                                              \
    ::Steinberg::FClassID isA() const override                                                     \
    {                                                                                              \
        return className::getFClassID();                                                           \
    }                                                                                              \
    bool isA(::Steinberg::FClassID s) const override                                               \
    {                                                                                              \
        return isTypeOf(s, false);                                                                 \
    }                                                                                              \
    bool isTypeOf(::Steinberg::FClassID s, bool askBaseClass = true) const override                \
    {                                                                                              \
        return classIDsEqual(s, #className) || (askBaseClass && baseClass::isTypeOf(s, true));     \
    }

#define REFCOUNT_METHODS(BaseClass)                                                                \
    ::Steinberg::uint32 PLUGIN_API addRef() override                                               \
    {                                                                                              \
        return BaseClass::addRef();                                                                \
    }                                                                                              \
    ::Steinberg::uint32 PLUGIN_API release() override                                              \
    {                                                                                              \
        return BaseClass::release();                                                               \
    }

#define DEFINE_INTERFACES                                                                          \
    ::Steinberg::tresult PLUGIN_API queryInterface(const ::Steinberg::TUID _iid, void** obj)       \
        override                                                                                   \
    {

#define DEF_INTERFACE(InterfaceName) QUERY_INTERFACE(_iid, obj, InterfaceName::iid, InterfaceName)

#define END_DEFINE_INTERFACES(BaseClass)                                                           \
    return BaseClass::queryInterface(_iid, obj);                                                   \
    }

#define FUNKNOWN_METHODS(InterfaceName, BaseClass)                                                 \
    DEFINE_INTERFACES                                                                              \
    DEF_INTERFACE(InterfaceName)                                                                   \
    END_DEFINE_INTERFACES(BaseClass)                                                               \
    REFCOUNT_METHODS(BaseClass)

#define FUNKNOWN_METHODS2(InterfaceName1, InterfaceName2, BaseClass)                               \
    DEFINE_INTERFACES                                                                              \
    DEF_INTERFACE(InterfaceName1)                                                                  \
    DEF_INTERFACE(InterfaceName2)                                                                  \
    END_DEFINE_INTERFACES(BaseClass)                                                               \
    REFCOUNT_METHODS(BaseClass)
