#include "code/editor/presets/DisplayText.h"

#include <cstddef>

namespace velqa::editor
{
namespace
{

// Length of the valid UTF-8 sequence at text, 0 when there is none (overlong forms,
// surrogates and code points beyond U+10FFFF included).
size_t sequenceLength(const unsigned char* text)
{
    const unsigned char lead = text[0];
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
    {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    }
    else if (lead >= 0xF0 && lead <= 0xF4)
    {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    }
    else
        return 0;
    if (text[1] < low || text[1] > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (text[i] < 0x80 || text[i] > 0xBF) return 0;
    return length;
}

} // namespace

bool isValidUtf8(const char* text)
{
    if (!text) return true;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p)
    {
        const size_t length = sequenceLength(p);
        if (length == 0) return false;
        p += length;
    }
    return true;
}

const char* displayableText(const char* text, std::string& repaired)
{
    if (!text) return "";
    if (isValidUtf8(text)) return text;
    repaired.clear();
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p)
    {
        const size_t length = sequenceLength(p);
        if (length == 0)
        {
            repaired += '?';
            ++p;
            continue;
        }
        repaired.append(reinterpret_cast<const char*>(p), length);
        p += length;
    }
    return repaired.c_str();
}

} // namespace velqa::editor
