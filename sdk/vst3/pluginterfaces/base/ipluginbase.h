#pragma once

#include "pluginterfaces/base/fstrdefs.h"
#include "pluginterfaces/base/funknown.h"

namespace Steinberg
{

// First call after creation (with the host's context object) and last call before release.
class IPluginBase : public FUnknown
{
public:
    virtual tresult PLUGIN_API initialize(FUnknown* context) = 0;
    virtual tresult PLUGIN_API terminate() = 0;

    static const FUID iid;
};

DECLARE_CLASS_IID(IPluginBase, 0x22888DDB, 0x156E45AE, 0x8358B348, 0x08190625)

struct PFactoryInfo
{
    enum FactoryFlags
    {
        kNoFlags = 0,
        kClassesDiscardable = 1 << 0,
        kLicenseCheck = 1 << 1,
        kComponentNonDiscardable = 1 << 3,
        kUnicode = 1 << 4
    };
    enum
    {
        kURLSize = 256,
        kEmailSize = 128,
        kNameSize = 64
    };

    char8 vendor[kNameSize];
    char8 url[kURLSize];
    char8 email[kEmailSize];
    int32 flags;

    PFactoryInfo() : vendor{}, url{}, email{}, flags(0) {}
    PFactoryInfo(const char8* vendorText, const char8* urlText, const char8* emailText,
                 int32 factoryFlags)
        : PFactoryInfo()
    {
        strncpy8(vendor, vendorText, kNameSize);
        strncpy8(url, urlText, kURLSize);
        strncpy8(email, emailText, kEmailSize);
        flags = factoryFlags;
    }
};

struct PClassInfo
{
    enum ClassCardinality
    {
        kManyInstances = 0x7FFFFFFF
    };
    enum
    {
        kCategorySize = 32,
        kNameSize = 64
    };

    TUID cid;
    int32 cardinality;
    char8 category[kCategorySize];
    char8 name[kNameSize];

    PClassInfo() : cid{}, cardinality(0), category{}, name{} {}
    PClassInfo(const TUID classId, int32 classCardinality, const char8* categoryText,
               const char8* nameText)
        : PClassInfo()
    {
        std::memcpy(cid, classId, sizeof(TUID));
        cardinality = classCardinality;
        strncpy8(category, categoryText, kCategorySize);
        strncpy8(name, nameText, kNameSize);
    }
};

class IPluginFactory : public FUnknown
{
public:
    virtual tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) = 0;
    virtual int32 PLUGIN_API countClasses() = 0;
    virtual tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) = 0;
    virtual tresult PLUGIN_API createInstance(FIDString cid, FIDString _iid, void** obj) = 0;

    static const FUID iid;
};

DECLARE_CLASS_IID(IPluginFactory, 0x7A4D811C, 0x52114A1F, 0xAED9D2EE, 0x0B43BF9F)

struct PClassInfo2
{
    enum
    {
        kCategorySize = PClassInfo::kCategorySize,
        kNameSize = PClassInfo::kNameSize,
        kVendorSize = 64,
        kVersionSize = 64,
        kSubCategoriesSize = 128
    };

    TUID cid;
    int32 cardinality;
    char8 category[kCategorySize];
    char8 name[kNameSize];
    uint32 classFlags;
    char8 subCategories[kSubCategoriesSize];
    char8 vendor[kVendorSize];
    char8 version[kVersionSize];
    char8 sdkVersion[kVersionSize];

    PClassInfo2()
        : cid{}, cardinality(0), category{}, name{},
          classFlags(0), subCategories{}, vendor{}, version{}, sdkVersion{}
    {
    }
    PClassInfo2(const TUID classId, int32 classCardinality, const char8* categoryText,
                const char8* nameText, int32 flags, const char8* subCategoriesText,
                const char8* vendorText, const char8* versionText, const char8* sdkVersionText)
        : PClassInfo2()
    {
        std::memcpy(cid, classId, sizeof(TUID));
        cardinality = classCardinality;
        strncpy8(category, categoryText, kCategorySize);
        strncpy8(name, nameText, kNameSize);
        classFlags = static_cast<uint32>(flags);
        strncpy8(subCategories, subCategoriesText, kSubCategoriesSize);
        strncpy8(vendor, vendorText, kVendorSize);
        strncpy8(version, versionText, kVersionSize);
        strncpy8(sdkVersion, sdkVersionText, kVersionSize);
    }
};

class IPluginFactory2 : public IPluginFactory
{
public:
    virtual tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) = 0;

    static const FUID iid;
};

DECLARE_CLASS_IID(IPluginFactory2, 0x0007B650, 0xF24B4C0B, 0xA464EDB9, 0xF00B2ABB)

// Class information with 16-bit name, vendor and version texts.
struct PClassInfoW
{
    enum
    {
        kCategorySize = PClassInfo::kCategorySize,
        kNameSize = PClassInfo::kNameSize,
        kVendorSize = 64,
        kVersionSize = 64,
        kSubCategoriesSize = 128
    };

    TUID cid;
    int32 cardinality;
    char8 category[kCategorySize];
    char16 name[kNameSize];
    uint32 classFlags;
    char8 subCategories[kSubCategoriesSize];
    char16 vendor[kVendorSize];
    char16 version[kVersionSize];
    char16 sdkVersion[kVersionSize];

    PClassInfoW()
        : cid{}, cardinality(0), category{}, name{},
          classFlags(0), subCategories{}, vendor{}, version{}, sdkVersion{}
    {
    }
    PClassInfoW(const TUID classId, int32 classCardinality, const char8* categoryText,
                const char16* nameText, int32 flags, const char8* subCategoriesText,
                const char16* vendorText, const char16* versionText, const char16* sdkVersionText)
        : PClassInfoW()
    {
        std::memcpy(cid, classId, sizeof(TUID));
        cardinality = classCardinality;
        strncpy8(category, categoryText, kCategorySize);
        strncpy16(name, nameText, kNameSize);
        classFlags = static_cast<uint32>(flags);
        strncpy8(subCategories, subCategoriesText, kSubCategoriesSize);
        strncpy16(vendor, vendorText, kVendorSize);
        strncpy16(version, versionText, kVersionSize);
        strncpy16(sdkVersion, sdkVersionText, kVersionSize);
    }

    // Widens the 8-bit texts of a PClassInfo2 (ASCII and UTF-8 both accepted).
    void fromAscii(const PClassInfo2& ci2);
};

class IPluginFactory3 : public IPluginFactory2
{
public:
    virtual tresult PLUGIN_API getClassInfoUnicode(int32 index, PClassInfoW* info) = 0;
    virtual tresult PLUGIN_API setHostContext(FUnknown* context) = 0;

    static const FUID iid;
};

DECLARE_CLASS_IID(IPluginFactory3, 0x4555A2AB, 0xC1234E57, 0x9B122910, 0x36878931)

} // namespace Steinberg

// The module's one exported factory function.
extern "C"
{
    using GetFactoryProc = Steinberg::IPluginFactory* (*)();
}
