#include "public.sdk/source/vst/utility/stringconvert.h"
#include "pluginterfaces/base/unicodeconvert.h"

#include <vector>

namespace VST3
{
namespace StringConvert
{

using namespace Steinberg;

std::u16string convert(const std::string& utf8Str)
{
    std::vector<char16> buffer(utf8Str.size() + 1);
    const int32 units = utf8ToUtf16(buffer.data(), static_cast<int32>(buffer.size()),
                                    utf8Str.c_str(), static_cast<int32>(utf8Str.size()));
    return std::u16string(buffer.data(), static_cast<size_t>(units));
}

std::string convert(const std::u16string& str)
{
    std::vector<char8> buffer(str.size() * 3 + 1);
    const int32 bytes = utf16ToUtf8(buffer.data(), static_cast<int32>(buffer.size()), str.c_str(),
                                    static_cast<int32>(str.size()));
    return std::string(buffer.data(), static_cast<size_t>(bytes));
}

bool convert(const std::string& utf8Str, Vst::TChar* str, uint32 maxCharacters)
{
    if (!str || maxCharacters == 0) return false;
    const std::u16string wide = convert(utf8Str);
    const int32 written = utf8ToUtf16(str, static_cast<int32>(maxCharacters), utf8Str.c_str(),
                                      static_cast<int32>(utf8Str.size()));
    return static_cast<size_t>(written) == wide.size();
}

bool convert(const std::string& utf8Str, Vst::String128 str)
{
    return convert(utf8Str, str, 128);
}

std::string convert(const Vst::TChar* str)
{
    return str ? convert(std::u16string(str)) : std::string();
}

std::string convert(const Vst::TChar* str, uint32 max)
{
    if (!str) return {};
    size_t n = 0;
    while (n < max && str[n]) ++n;
    return convert(std::u16string(str, n));
}

} // namespace StringConvert
} // namespace VST3
