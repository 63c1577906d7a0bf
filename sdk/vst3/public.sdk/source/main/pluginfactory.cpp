#include "public.sdk/source/main/pluginfactory.h"
#include "pluginterfaces/base/unicodeconvert.h"

#include <new>

Steinberg::IPluginFactory* gPluginFactory = nullptr;

namespace Steinberg
{

namespace
{
PClassInfo2 narrowed(const PClassInfoW& wide)
{
    PClassInfo2 info;
    std::memcpy(info.cid, wide.cid, sizeof(TUID));
    info.cardinality = wide.cardinality;
    strncpy8(info.category, wide.category, PClassInfo2::kCategorySize);
    utf16ToUtf8(info.name, PClassInfo2::kNameSize, wide.name, PClassInfoW::kNameSize);
    info.classFlags = wide.classFlags;
    strncpy8(info.subCategories, wide.subCategories, PClassInfo2::kSubCategoriesSize);
    utf16ToUtf8(info.vendor, PClassInfo2::kVendorSize, wide.vendor, PClassInfoW::kVendorSize);
    utf16ToUtf8(info.version, PClassInfo2::kVersionSize, wide.version, PClassInfoW::kVersionSize);
    utf16ToUtf8(info.sdkVersion, PClassInfo2::kVersionSize, wide.sdkVersion,
                PClassInfoW::kVersionSize);
    return info;
}
} // namespace

CPluginFactory::CPluginFactory(const PFactoryInfo& info) : factoryInfo(info) {}

CPluginFactory::~CPluginFactory()
{
    if (gPluginFactory == this) gPluginFactory = nullptr;
}

tresult PLUGIN_API CPluginFactory::queryInterface(const TUID _iid, void** obj)
{
    if (!obj) return kInvalidArgument;
    QUERY_INTERFACE(_iid, obj, FUnknown::iid, IPluginFactory)
    QUERY_INTERFACE(_iid, obj, IPluginFactory::iid, IPluginFactory)
    QUERY_INTERFACE(_iid, obj, IPluginFactory2::iid, IPluginFactory2)
    QUERY_INTERFACE(_iid, obj, IPluginFactory3::iid, IPluginFactory3)
    *obj = nullptr;
    return kNoInterface;
}

uint32 PLUGIN_API CPluginFactory::addRef()
{
    return static_cast<uint32>(++refCount);
}

uint32 PLUGIN_API CPluginFactory::release()
{
    const int32 left = --refCount;
    if (left == 0)
    {
        delete this;
        return 0;
    }
    return static_cast<uint32>(left);
}

bool CPluginFactory::addClass(const PClassInfo2& info8, const PClassInfoW& info16,
                              CreateFunction createFunc, void* context)
{
    if (!createFunc || findClass(info8.cid)) return false;
    classes.push_back({info8, info16, createFunc, context});
    return true;
}

bool CPluginFactory::registerClass(const PClassInfo* info, CreateFunction createFunc, void* context)
{
    if (!info) return false;
    PClassInfo2 info8(info->cid, info->cardinality, info->category, info->name, 0, nullptr, nullptr,
                      nullptr, nullptr);
    PClassInfoW info16;
    info16.fromAscii(info8);
    return addClass(info8, info16, createFunc, context);
}

bool CPluginFactory::registerClass(const PClassInfo2* info, CreateFunction createFunc,
                                   void* context)
{
    if (!info) return false;
    PClassInfoW info16;
    info16.fromAscii(*info);
    return addClass(*info, info16, createFunc, context);
}

bool CPluginFactory::registerClass(const PClassInfoW* info, CreateFunction createFunc,
                                   void* context)
{
    if (!info) return false;
    return addClass(narrowed(*info), *info, createFunc, context);
}

bool CPluginFactory::isRegistered(const FUID& cid) const
{
    return findClass(cid.toTUID()) != nullptr;
}

const CPluginFactory::ClassEntry* CPluginFactory::findClass(const char* cid) const
{
    if (!cid) return nullptr;
    for (const ClassEntry& entry : classes)
        if (FUnknownPrivate::iidEqual(entry.info8.cid, cid)) return &entry;
    return nullptr;
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo(PFactoryInfo* info)
{
    if (!info) return kInvalidArgument;
    *info = factoryInfo;
    return kResultOk;
}

int32 PLUGIN_API CPluginFactory::countClasses()
{
    return static_cast<int32>(classes.size());
}

tresult PLUGIN_API CPluginFactory::getClassInfo(int32 index, PClassInfo* info)
{
    if (!info) return kInvalidArgument;
    if (index < 0 || index >= countClasses()) return kInvalidArgument;
    const PClassInfo2& source = classes[static_cast<size_t>(index)].info8;
    *info = PClassInfo(source.cid, source.cardinality, source.category, source.name);
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo2(int32 index, PClassInfo2* info)
{
    if (!info) return kInvalidArgument;
    if (index < 0 || index >= countClasses()) return kInvalidArgument;
    *info = classes[static_cast<size_t>(index)].info8;
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfoUnicode(int32 index, PClassInfoW* info)
{
    if (!info) return kInvalidArgument;
    if (index < 0 || index >= countClasses()) return kInvalidArgument;
    *info = classes[static_cast<size_t>(index)].info16;
    return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance(FIDString cid, FIDString _iid, void** obj)
{
    if (!obj) return kInvalidArgument;
    *obj = nullptr;
    if (!cid || !_iid) return kInvalidArgument;
    const ClassEntry* entry = findClass(cid);
    if (!entry) return kNoInterface;

    FUnknown* instance = nullptr;
    try
    {
        instance = entry->createFunc(entry->context);
    }
    catch (const std::bad_alloc&)
    {
        return kOutOfMemory;
    }
    catch (...)
    {
        return kInternalError;
    }
    if (!instance) return kOutOfMemory;

    // The caller's reference comes from queryInterface; the creation reference goes.
    const tresult result = instance->queryInterface(_iid, obj);
    instance->release();
    if (result != kResultOk) *obj = nullptr;
    return result;
}

tresult PLUGIN_API CPluginFactory::setHostContext(FUnknown* context)
{
    hostContext = context;
    return kResultOk;
}

} // namespace Steinberg
