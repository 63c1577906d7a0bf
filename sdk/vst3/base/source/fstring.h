#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <string>

namespace Steinberg
{

// Text held as UTF-16 (the interfaces' form) and readable as UTF-8 on demand.
// 8-bit input is taken as UTF-8; malformed bytes become U+FFFD.
class ConstString
{
public:
    enum CompareMode
    {
        kCaseSensitive,
        kCaseInsensitive // ASCII letters only
    };

    ConstString() = default;
    ConstString(const char8* text, int32 length = -1) { set8(text, length); }
    ConstString(const char16* text, int32 length = -1) { set16(text, length); }

    int32 length() const { return static_cast<int32>(wide.size()); }
    bool isEmpty() const { return wide.empty(); }

    const char16* text16() const { return wide.c_str(); }
    const tchar* text() const { return wide.c_str(); }
    // Valid until the text next changes.
    const char8* text8() const;
    operator const char16*() const { return text16(); }

    char16 getChar16(uint32 index) const { return index < wide.size() ? wide[index] : 0; }

    // Copies at most n characters from index idx (n < 0: all) and terminates after them,
    // so the destination needs room for n + 1 units.
    bool copyTo16(char16* str, uint32 idx = 0, int32 n = -1) const;
    // As copyTo16 but in UTF-8 bytes; a character that does not fit whole is left out.
    bool copyTo8(char8* str, uint32 idx = 0, int32 n = -1) const;

    int32 compare(const ConstString& other, CompareMode mode = kCaseSensitive) const;
    int32 findFirst(const ConstString& other, int32 startIndex = 0,
                    CompareMode mode = kCaseSensitive) const;
    bool contains(const ConstString& other, CompareMode mode = kCaseSensitive) const
    {
        return findFirst(other, 0, mode) >= 0;
    }
    bool startsWith(const ConstString& other, CompareMode mode = kCaseSensitive) const;

    bool operator==(const ConstString& other) const { return wide == other.wide; }
    bool operator!=(const ConstString& other) const { return wide != other.wide; }

    bool scanFloat(double& value) const;
    bool scanInt64(int64& value) const;

protected:
    void set8(const char8* text, int32 length);
    void set16(const char16* text, int32 length);

    std::u16string wide;
    mutable std::string narrow;
    mutable bool narrowValid = false;
};

class String : public ConstString
{
public:
    String() = default;
    String(const char8* text, int32 length = -1) : ConstString(text, length) {}
    String(const char16* text, int32 length = -1) : ConstString(text, length) {}
    String(const ConstString& other) : ConstString(other) {}

    String& assign(const char8* text, int32 length = -1)
    {
        set8(text, length);
        return *this;
    }
    String& assign(const char16* text, int32 length = -1)
    {
        set16(text, length);
        return *this;
    }
    String& operator=(const char8* text) { return assign(text); }
    String& operator=(const char16* text) { return assign(text); }

    String& fromUTF8(const char8* text) { return assign(text); }

    String& append(const ConstString& other);
    String& append(char16 c);
    String& operator+=(const ConstString& other) { return append(other); }

    // printf-style formatting of 8-bit text (%s arguments are UTF-8).
    String& printf(const char8* format, ...) __attribute__((format(printf, 2, 3)));
    String& printInt64(int64 value);
    String& printFloat(double value, int32 precision = 4);

    void clear()
    {
        wide.clear();
        narrowValid = false;
    }
};

} // namespace Steinberg
