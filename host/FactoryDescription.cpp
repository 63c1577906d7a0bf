#include "host/FactoryDescription.h"

#include "host/InterfaceQuery.h"
#include "host/Utf16.h"

#include <cstdio>
#include <cstring>

namespace velqa::host
{

using namespace Steinberg;

namespace
{
template <int N> std::string text(const char8 (&field)[N])
{
    return fromField(field, N);
}

template <int N> std::string text(const char16 (&field)[N])
{
    return toUtf8(field, N);
}

template <typename Info> void fillCommon(ClassDescription& d, const Info& info)
{
    std::memcpy(d.classId, info.cid, sizeof(TUID));
    d.idText = classIdText(info.cid);
    d.cardinality = info.cardinality;
    d.category = text(info.category);
    d.name = text(info.name);
}

template <typename Info> void fillExtended(ClassDescription& d, const Info& info)
{
    fillCommon(d, info);
    d.classFlags = info.classFlags;
    d.subCategories = text(info.subCategories);
    d.vendor = text(info.vendor);
    d.version = text(info.version);
    d.sdkVersion = text(info.sdkVersion);
}

bool describeClass(IPluginFactory* factory, IPluginFactory2* factory2, IPluginFactory3* factory3,
                   int32 index, ClassDescription& d)
{
    if (factory3)
    {
        PClassInfoW info{};
        if (factory3->getClassInfoUnicode(index, &info) == kResultOk)
        {
            fillExtended(d, info);
            d.infoLevel = 3;
            return true;
        }
    }
    if (factory2)
    {
        PClassInfo2 info{};
        if (factory2->getClassInfo2(index, &info) == kResultOk)
        {
            fillExtended(d, info);
            d.infoLevel = 2;
            return true;
        }
    }
    PClassInfo info{};
    if (factory->getClassInfo(index, &info) != kResultOk) return false;
    fillCommon(d, info);
    d.infoLevel = 1;
    return true;
}
} // namespace

std::string classIdText(const TUID classId)
{
    // The GUID text form: one 32-bit and two 16-bit fields stored little-endian, then 8 bytes.
    static constexpr int order[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    std::string out;
    char digits[3];
    for (int i : order)
    {
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(classId[i]));
        out += digits;
    }
    return out;
}

FactoryDescription describeFactory(IPluginFactory* factory)
{
    FactoryDescription description;
    if (!factory) return description;
    PFactoryInfo info{};
    if (factory->getFactoryInfo(&info) == kResultOk)
    {
        description.vendor = text(info.vendor);
        description.url = text(info.url);
        description.email = text(info.email);
        description.flags = info.flags;
    }
    auto* factory2 = queryInterfaceOf<IPluginFactory2>(factory);
    auto* factory3 = queryInterfaceOf<IPluginFactory3>(factory);
    const int32 count = factory->countClasses();
    for (int32 i = 0; i < count; ++i)
    {
        ClassDescription d;
        if (describeClass(factory, factory2, factory3, i, d)) description.classes.push_back(d);
    }
    if (factory3) factory3->release();
    if (factory2) factory2->release();
    return description;
}

} // namespace velqa::host
