#pragma once

#include "pluginterfaces/base/ftypes.h"

namespace Steinberg
{

// A view of a caller-owned 16-bit text buffer with number and ASCII conversions.
class UString
{
public:
    UString(char16* buffer, int32 size) : thisBuffer(buffer), thisSize(size) {}

    int32 getSize() const { return thisSize; }
    operator const char16*() const { return thisBuffer; }
    int32 getLength() const;

    UString& assign(const char16* src, int32 srcSize = -1);
    UString& append(const char16* src, int32 srcSize = -1);
    const UString& copyTo(char16* dst, int32 dstSize) const;

    // Byte-wise widening and narrowing; characters above 0xFF become '?'.
    UString& fromAscii(const char8* src, int32 srcSize = -1);
    UString& assign(const char8* src, int32 srcSize = -1) { return fromAscii(src, srcSize); }
    const UString& toAscii(char8* dst, int32 dstSize) const;

    bool scanFloat(double& value) const;
    bool printFloat(double value, int32 precision = 4);
    bool scanInt(int64& value) const;
    bool printInt(int64 value);

protected:
    char16* thisBuffer;
    int32 thisSize;
};

template <int32 maxSize> class UStringBuffer : public UString
{
public:
    UStringBuffer() : UString(data, maxSize), data{} {}
    UStringBuffer(const char16* src, int32 srcSize = -1) : UStringBuffer() { assign(src, srcSize); }
    UStringBuffer(const char8* src, int32 srcSize = -1) : UStringBuffer()
    {
        fromAscii(src, srcSize);
    }
    UStringBuffer(const UStringBuffer& other) : UStringBuffer() { assign(other.data); }
    UStringBuffer& operator=(const UStringBuffer& other)
    {
        assign(other.data);
        return *this;
    }

protected:
    char16 data[maxSize];
};

using UString128 = UStringBuffer<128>;
using UString256 = UStringBuffer<256>;

} // namespace Steinberg

#define USTRING(asciiString) Steinberg::UString256(asciiString)
