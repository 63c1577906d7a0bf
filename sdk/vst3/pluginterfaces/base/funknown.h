#pragma once

#include "pluginterfaces/base/fplatform.h"
#include "pluginterfaces/base/ftypes.h"
#include "pluginterfaces/base/smartpointer.h"

#include <atomic>
#include <cstring>

namespace Steinberg
{

// Result codes of every interface call (the Linux values; Windows uses HRESULTs).
enum
{
    kNoInterface = -1,
    kResultOk = 0,
    kResultTrue = kResultOk,
    kResultFalse = 1,
    kInvalidArgument = 2,
    kNotImplemented = 3,
    kInternalError = 4,
    kNotInitialized = 5,
    kOutOfMemory = 6
};

// Interface and class ids: 16 bytes, compared byte for byte.
using TUID = char[16];

namespace FUnknownPrivate
{
inline bool iidEqual(const void* a, const void* b)
{
    return std::memcmp(a, b, 16) == 0;
}
} // namespace FUnknownPrivate

} // namespace Steinberg

// Outside COM the four 32-bit words are stored most significant byte first.
#define INLINE_UID(l1, l2, l3, l4)                                                                 \
    {                                                                                              \
        static_cast<char>((static_cast<::Steinberg::uint32>(l1) >> 24) & 0xFF),                    \
            static_cast<char>((static_cast<::Steinberg::uint32>(l1) >> 16) & 0xFF),                \
            static_cast<char>((static_cast<::Steinberg::uint32>(l1) >> 8) & 0xFF),                 \
            static_cast<char>(static_cast<::Steinberg::uint32>(l1) & 0xFF),                        \
            static_cast<char>((static_cast<::Steinberg::uint32>(l2) >> 24) & 0xFF),                \
            static_cast<char>((static_cast<::Steinberg::uint32>(l2) >> 16) & 0xFF),                \
            static_cast<char>((static_cast<::Steinberg::uint32>(l2) >> 8) & 0xFF),                 \
            static_cast<char>(static_cast<::Steinberg::uint32>(l2) & 0xFF),                        \
            static_cast<char>((static_cast<::Steinberg::uint32>(l3) >> 24) & 0xFF),                \
            static_cast<char>((static_cast<::Steinberg::uint32>(l3) >> 16) & 0xFF),                \
            static_cast<char>((static_cast<::Steinberg::uint32>(l3) >> 8) & 0xFF),                 \
            static_cast<char>(static_cast<::Steinberg::uint32>(l3) & 0xFF),                        \
            static_cast<char>((static_cast<::Steinberg::uint32>(l4) >> 24) & 0xFF),                \
            static_cast<char>((static_cast<::Steinberg::uint32>(l4) >> 16) & 0xFF),                \
            static_cast<char>((static_cast<::Steinberg::uint32>(l4) >> 8) & 0xFF),                 \
            static_cast<char>(static_cast<::Steinberg::uint32>(l4) & 0xFF)                         \
    }

#define INLINE_UID_OF(ClassName) INLINE_UID_FROM_FUID(ClassName::iid)
#define INLINE_UID_FROM_FUID(x) INLINE_UID(x.getLong1(), x.getLong2(), x.getLong3(), x.getLong4())

#define DECLARE_UID(name, l1, l2, l3, l4)                                                          \
    inline constexpr ::Steinberg::TUID name = INLINE_UID(l1, l2, l3, l4);

// Each interface declares "static const FUID iid;" and names its id after the class body.
// constinit: the id is ready before any dynamic initialiser (e.g. a static factory) reads it.
#define DECLARE_CLASS_IID(ClassName, l1, l2, l3, l4)                                               \
    inline constexpr ::Steinberg::TUID ClassName##_iid = INLINE_UID(l1, l2, l3, l4);               \
    inline constinit const ::Steinberg::FUID ClassName::iid(ClassName##_iid);

// Kept for code written against the split declare/define scheme; the id is already defined.
#define DEF_CLASS_IID(ClassName)

#define QUERY_INTERFACE(iid, obj, InterfaceIID, InterfaceName)                                     \
    if (::Steinberg::FUnknownPrivate::iidEqual(iid, InterfaceIID))                                 \
    {                                                                                              \
        addRef();                                                                                  \
        *obj = static_cast<InterfaceName*>(this);                                                  \
        return ::Steinberg::kResultOk;                                                             \
    }

#define DECLARE_FUNKNOWN_METHODS                                                                   \
public:                                                                                            \
    virtual ::Steinberg::tresult PLUGIN_API queryInterface(const ::Steinberg::TUID _iid,           \
                                                           void** obj) override;                   \
    virtual ::Steinberg::uint32 PLUGIN_API addRef() override;                                      \
    virtual ::Steinberg::uint32 PLUGIN_API release() override;                                     \
                                                                                                   \
protected:                                                                                         \
    std::atomic<::Steinberg::int32> funknownRefCount{1};                                           \
                                                                                                   \
public:

#define IMPLEMENT_REFCOUNT(ClassName)                                                              \
    ::Steinberg::uint32 PLUGIN_API ClassName::addRef()                                             \
    {                                                                                              \
        return ++funknownRefCount;                                                                 \
    }                                                                                              \
    ::Steinberg::uint32 PLUGIN_API ClassName::release()                                            \
    {                                                                                              \
        const ::Steinberg::int32 left = --funknownRefCount;                                        \
        if (left == 0)                                                                             \
        {                                                                                          \
            delete this;                                                                           \
            return 0;                                                                              \
        }                                                                                          \
        return static_cast<::Steinberg::uint32>(left);                                             \
    }

#define IMPLEMENT_QUERYINTERFACE(ClassName, InterfaceName, ClassIID)                               \
    ::Steinberg::tresult PLUGIN_API ClassName::queryInterface(const ::Steinberg::TUID _iid,        \
                                                              void** obj)                          \
    {                                                                                              \
        QUERY_INTERFACE(_iid, obj, ::Steinberg::FUnknown::iid, InterfaceName)                      \
        QUERY_INTERFACE(_iid, obj, ClassIID, InterfaceName)                                        \
        *obj = nullptr;                                                                            \
        return ::Steinberg::kNoInterface;                                                          \
    }

#define IMPLEMENT_FUNKNOWN_METHODS(ClassName, InterfaceName, ClassIID)                             \
    IMPLEMENT_REFCOUNT(ClassName)                                                                  \
    IMPLEMENT_QUERYINTERFACE(ClassName, InterfaceName, ClassIID)

namespace Steinberg
{

// A 16-byte id with conversions to its four words and to text.
class FUID
{
public:
    constexpr FUID() : data{} {}
    constexpr FUID(uint32 l1, uint32 l2, uint32 l3, uint32 l4) : data{}
    {
        from4Int(l1, l2, l3, l4);
    }
    constexpr FUID(const TUID uid) : data{}
    {
        for (int i = 0; i < 16; ++i) data[i] = uid[i];
    }
    constexpr FUID(const FUID&) = default;
    constexpr FUID& operator=(const FUID&) = default;
    FUID& operator=(const TUID uid)
    {
        std::memcpy(data, uid, 16);
        return *this;
    }

    static FUID fromTUID(const TUID uid) { return FUID(uid); }

    // Fills the id with random bytes; false if no random source was available.
    bool generate();
    bool isValid() const
    {
        for (char c : data)
            if (c) return true;
        return false;
    }

    bool operator==(const FUID& other) const { return FUnknownPrivate::iidEqual(data, other.data); }
    bool operator!=(const FUID& other) const { return !(*this == other); }
    bool operator<(const FUID& other) const { return std::memcmp(data, other.data, 16) < 0; }

    constexpr uint32 getLong1() const { return word(0); }
    constexpr uint32 getLong2() const { return word(4); }
    constexpr uint32 getLong3() const { return word(8); }
    constexpr uint32 getLong4() const { return word(12); }

    constexpr void from4Int(uint32 l1, uint32 l2, uint32 l3, uint32 l4)
    {
        const uint32 words[4] = {l1, l2, l3, l4};
        for (int w = 0; w < 4; ++w)
            for (int b = 0; b < 4; ++b)
                data[w * 4 + b] = static_cast<char>((words[w] >> (24 - 8 * b)) & 0xFF);
    }
    void to4Int(uint32& l1, uint32& l2, uint32& l3, uint32& l4) const
    {
        l1 = getLong1(), l2 = getLong2(), l3 = getLong3(), l4 = getLong4();
    }

    const TUID& toTUID() const { return data; }
    void toTUID(TUID result) const { std::memcpy(result, data, 16); }
    operator const TUID&() const { return data; }

    // 32 upper-case hex digits of the four words plus a terminating zero (33 chars).
    void toString(char8* string) const;
    // Accepts the 32-digit form; false (and the id unchanged) for anything else.
    bool fromString(const char8* string);
    // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" plus a terminating zero (39 chars).
    void toRegistryString(char8* string) const;

protected:
    constexpr uint32 word(int at) const
    {
        return (static_cast<uint32>(static_cast<uint8>(data[at])) << 24) |
               (static_cast<uint32>(static_cast<uint8>(data[at + 1])) << 16) |
               (static_cast<uint32>(static_cast<uint8>(data[at + 2])) << 8) |
               static_cast<uint32>(static_cast<uint8>(data[at + 3]));
    }

    TUID data;
};

// The root of every interface: reference counting and interface lookup.
class FUnknown
{
public:
    virtual tresult PLUGIN_API queryInterface(const TUID _iid, void** obj) = 0;
    virtual uint32 PLUGIN_API addRef() = 0;
    virtual uint32 PLUGIN_API release() = 0;

    static const FUID iid;
};

DECLARE_CLASS_IID(FUnknown, 0x00000000, 0x00000000, 0xC0000000, 0x00000046)

// Asks an object for interface I and holds the answer (null when refused).
template <class I> class FUnknownPtr : public IPtr<I>
{
public:
    FUnknownPtr() = default;
    FUnknownPtr(FUnknown* unknown) { *this = unknown; }
    FUnknownPtr(const FUnknownPtr& other) : IPtr<I>(other) {}

    FUnknownPtr& operator=(const FUnknownPtr& other)
    {
        IPtr<I>::operator=(other.get());
        return *this;
    }
    FUnknownPtr& operator=(FUnknown* unknown)
    {
        I* answer = nullptr;
        if (unknown &&
            unknown->queryInterface(I::iid, reinterpret_cast<void**>(&answer)) != kResultOk)
            answer = nullptr;
        // queryInterface already added the reference this pointer owns.
        IPtr<I>::operator=(IPtr<I>(answer, false));
        return *this;
    }
    I* getInterface() const { return this->ptr; }
};

} // namespace Steinberg
