#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/base/unicodeconvert.h"

namespace Steinberg
{

void PClassInfoW::fromAscii(const PClassInfo2& ci2)
{
    std::memcpy(cid, ci2.cid, sizeof(TUID));
    cardinality = ci2.cardinality;
    strncpy8(category, ci2.category, kCategorySize);
    utf8ToUtf16(name, kNameSize, ci2.name, PClassInfo2::kNameSize);
    classFlags = ci2.classFlags;
    strncpy8(subCategories, ci2.subCategories, kSubCategoriesSize);
    utf8ToUtf16(vendor, kVendorSize, ci2.vendor, PClassInfo2::kVendorSize);
    utf8ToUtf16(version, kVersionSize, ci2.version, PClassInfo2::kVersionSize);
    utf8ToUtf16(sdkVersion, kVersionSize, ci2.sdkVersion, PClassInfo2::kVersionSize);
}

} // namespace Steinberg
