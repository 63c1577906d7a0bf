#include "base/source/fstring.h"
#include "pluginterfaces/base/unicodeconvert.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace Steinberg
{

namespace
{
char16 foldAscii(char16 c, ConstString::CompareMode mode)
{
    if (mode == ConstString::kCaseInsensitive && c >= u'A' && c <= u'Z')
        return static_cast<char16>(c - u'A' + u'a');
    return c;
}
} // namespace

void ConstString::set8(const char8* text, int32 length)
{
    wide.clear();
    narrowValid = false;
    if (!text) return;
    int32 bytes = 0;
    while ((length < 0 || bytes < length) && text[bytes]) ++bytes;
    // UTF-8 never needs more UTF-16 units than bytes.
    std::vector<char16> buffer(static_cast<size_t>(bytes) + 1);
    const int32 units = utf8ToUtf16(buffer.data(), bytes + 1, text, bytes);
    wide.assign(buffer.data(), static_cast<size_t>(units));
}

void ConstString::set16(const char16* text, int32 length)
{
    wide.clear();
    narrowValid = false;
    if (!text) return;
    int32 n = 0;
    while ((length < 0 || n < length) && text[n]) ++n;
    wide.assign(text, static_cast<size_t>(n));
}

const char8* ConstString::text8() const
{
    if (!narrowValid)
    {
        // At most three UTF-8 bytes per UTF-16 unit.
        std::vector<char8> buffer(wide.size() * 3 + 1);
        const int32 bytes =
            utf16ToUtf8(buffer.data(), static_cast<int32>(buffer.size()), wide.c_str(), length());
        narrow.assign(buffer.data(), static_cast<size_t>(bytes));
        narrowValid = true;
    }
    return narrow.c_str();
}

bool ConstString::copyTo16(char16* str, uint32 idx, int32 n) const
{
    if (!str) return false;
    const int32 available = idx < wide.size() ? length() - static_cast<int32>(idx) : 0;
    const int32 count = n < 0 || n > available ? available : n;
    for (int32 i = 0; i < count; ++i) str[i] = wide[idx + static_cast<uint32>(i)];
    str[count] = 0;
    return true;
}

bool ConstString::copyTo8(char8* str, uint32 idx, int32 n) const
{
    if (!str) return false;
    const int32 available = idx < wide.size() ? length() - static_cast<int32>(idx) : 0;
    const int32 capacity = n < 0 ? available * 3 + 1 : n + 1;
    utf16ToUtf8(str, capacity, wide.c_str() + (available ? idx : 0), available);
    return true;
}

int32 ConstString::compare(const ConstString& other, CompareMode mode) const
{
    const size_t n = std::min(wide.size(), other.wide.size());
    for (size_t i = 0; i < n; ++i)
    {
        const char16 a = foldAscii(wide[i], mode), b = foldAscii(other.wide[i], mode);
        if (a != b) return a < b ? -1 : 1;
    }
    if (wide.size() == other.wide.size()) return 0;
    return wide.size() < other.wide.size() ? -1 : 1;
}

int32 ConstString::findFirst(const ConstString& other, int32 startIndex, CompareMode mode) const
{
    const int32 n = length(), m = other.length();
    for (int32 at = startIndex < 0 ? 0 : startIndex; at + m <= n; ++at)
    {
        int32 k = 0;
        while (k < m && foldAscii(wide[at + k], mode) == foldAscii(other.wide[k], mode)) ++k;
        if (k == m) return at;
    }
    return -1;
}

bool ConstString::startsWith(const ConstString& other, CompareMode mode) const
{
    if (other.length() > length()) return false;
    for (int32 k = 0; k < other.length(); ++k)
        if (foldAscii(wide[k], mode) != foldAscii(other.wide[k], mode)) return false;
    return true;
}

bool ConstString::scanFloat(double& value) const
{
    const char8* text = text8();
    char8* end = nullptr;
    const double parsed = std::strtod(text, &end);
    if (end == text) return false;
    value = parsed;
    return true;
}

bool ConstString::scanInt64(int64& value) const
{
    const char8* text = text8();
    char8* end = nullptr;
    const long long parsed = std::strtoll(text, &end, 10);
    if (end == text) return false;
    value = parsed;
    return true;
}

String& String::append(const ConstString& other)
{
    wide.append(other.text16(), static_cast<size_t>(other.length()));
    narrowValid = false;
    return *this;
}

String& String::append(char16 c)
{
    if (c) wide.push_back(c);
    narrowValid = false;
    return *this;
}

String& String::printf(const char8* format, ...)
{
    if (!format) return assign("");
    va_list args;
    va_start(args, format);
    va_list probe;
    va_copy(probe, args);
    const int needed = std::vsnprintf(nullptr, 0, format, probe);
    va_end(probe);
    if (needed < 0)
    {
        va_end(args);
        return assign("");
    }
    std::vector<char8> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    return assign(buffer.data(), needed);
}

String& String::printInt64(int64 value)
{
    return printf("%lld", static_cast<long long>(value));
}

String& String::printFloat(double value, int32 precision)
{
    return printf("%.*f", static_cast<int>(precision), value);
}

} // namespace Steinberg
