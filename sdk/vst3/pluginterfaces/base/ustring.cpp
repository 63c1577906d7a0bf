#include "pluginterfaces/base/ustring.h"

#include <cstdio>
#include <cstdlib>

namespace Steinberg
{

namespace
{
int32 lengthOf(const char16* text, int32 limit)
{
    int32 n = 0;
    while (text && (limit < 0 || n < limit) && text[n]) ++n;
    return n;
}
} // namespace

int32 UString::getLength() const
{
    return lengthOf(thisBuffer, thisSize);
}

UString& UString::assign(const char16* src, int32 srcSize)
{
    if (thisSize <= 0) return *this;
    thisBuffer[0] = 0;
    return append(src, srcSize);
}

UString& UString::append(const char16* src, int32 srcSize)
{
    if (thisSize <= 0) return *this;
    int32 at = getLength();
    const int32 n = lengthOf(src, srcSize);
    for (int32 i = 0; i < n && at + 1 < thisSize; ++i) thisBuffer[at++] = src[i];
    thisBuffer[at] = 0;
    return *this;
}

const UString& UString::copyTo(char16* dst, int32 dstSize) const
{
    if (!dst || dstSize <= 0) return *this;
    const int32 n = getLength();
    int32 i = 0;
    for (; i < n && i + 1 < dstSize; ++i) dst[i] = thisBuffer[i];
    dst[i] = 0;
    return *this;
}

UString& UString::fromAscii(const char8* src, int32 srcSize)
{
    if (thisSize <= 0) return *this;
    int32 i = 0;
    for (; src && (srcSize < 0 || i < srcSize) && src[i] && i + 1 < thisSize; ++i)
        thisBuffer[i] = static_cast<char16>(static_cast<uint8>(src[i]));
    thisBuffer[i] = 0;
    return *this;
}

const UString& UString::toAscii(char8* dst, int32 dstSize) const
{
    if (!dst || dstSize <= 0) return *this;
    const int32 n = getLength();
    int32 i = 0;
    for (; i < n && i + 1 < dstSize; ++i)
        dst[i] = thisBuffer[i] <= 0xFF ? static_cast<char8>(thisBuffer[i]) : '?';
    dst[i] = 0;
    return *this;
}

bool UString::scanFloat(double& value) const
{
    char8 text[128];
    toAscii(text, sizeof(text));
    char8* end = nullptr;
    const double parsed = std::strtod(text, &end);
    if (end == text) return false;
    value = parsed;
    return true;
}

bool UString::printFloat(double value, int32 precision)
{
    char8 text[128];
    const int written =
        std::snprintf(text, sizeof(text), "%.*f", static_cast<int>(precision), value);
    if (written < 0) return false;
    fromAscii(text);
    return written < thisSize;
}

bool UString::scanInt(int64& value) const
{
    char8 text[128];
    toAscii(text, sizeof(text));
    char8* end = nullptr;
    const long long parsed = std::strtoll(text, &end, 10);
    if (end == text) return false;
    value = parsed;
    return true;
}

bool UString::printInt(int64 value)
{
    char8 text[32];
    const int written = std::snprintf(text, sizeof(text), "%lld", static_cast<long long>(value));
    if (written < 0) return false;
    fromAscii(text);
    return written < thisSize;
}

} // namespace Steinberg
