#include "pluginterfaces/base/unicodeconvert.h"

namespace Steinberg
{

namespace
{
constexpr uint32 kReplacement = 0xFFFD;

int32 sequenceLength(uint8 lead)
{
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 0;
}

bool inRange(int32 at, int32 size)
{
    return size < 0 || at < size;
}
} // namespace

int32 utf8ToUtf16(char16* dest, int32 destSize, const char8* source, int32 sourceSize)
{
    if (!dest || destSize <= 0) return 0;
    int32 out = 0;
    int32 i = 0;
    while (source && inRange(i, sourceSize) && source[i])
    {
        const uint8 lead = static_cast<uint8>(source[i]);
        const int32 length = sequenceLength(lead);
        uint32 cp = kReplacement;
        int32 consumed = 1;
        if (length == 1)
        {
            cp = lead;
        }
        else if (length > 1)
        {
            uint32 value = lead & (0x7Fu >> length);
            int32 k = 1;
            for (; k < length && inRange(i + k, sourceSize); ++k)
            {
                const uint8 next = static_cast<uint8>(source[i + k]);
                if ((next & 0xC0) != 0x80) break;
                value = (value << 6) | (next & 0x3F);
            }
            if (k == length)
            {
                consumed = length;
                static constexpr uint32 smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
                const bool overlong = value < smallest[length];
                const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
                if (!overlong && !surrogate && value <= 0x10FFFF) cp = value;
            }
        }
        const int32 units = cp >= 0x10000 ? 2 : 1;
        if (out + units >= destSize) break;
        if (units == 2)
        {
            dest[out++] = static_cast<char16>(0xD800 + ((cp - 0x10000) >> 10));
            dest[out++] = static_cast<char16>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
        else
        {
            dest[out++] = static_cast<char16>(cp);
        }
        i += consumed;
    }
    dest[out] = 0;
    return out;
}

int32 utf16ToUtf8(char8* dest, int32 destSize, const char16* source, int32 sourceSize)
{
    if (!dest || destSize <= 0) return 0;
    int32 out = 0;
    int32 i = 0;
    while (source && inRange(i, sourceSize) && source[i])
    {
        uint32 cp = source[i];
        int32 consumed = 1;
        if (cp >= 0xD800 && cp <= 0xDBFF && inRange(i + 1, sourceSize) && source[i + 1] >= 0xDC00 &&
            source[i + 1] <= 0xDFFF)
        {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (source[i + 1] - 0xDC00);
            consumed = 2;
        }
        else if (cp >= 0xD800 && cp <= 0xDFFF)
        {
            cp = kReplacement;
        }
        const int32 bytes = cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
        if (out + bytes >= destSize) break;
        if (bytes == 1)
        {
            dest[out++] = static_cast<char8>(cp);
        }
        else
        {
            static constexpr uint8 leadMark[5] = {0, 0, 0xC0, 0xE0, 0xF0};
            dest[out++] = static_cast<char8>(leadMark[bytes] | (cp >> (6 * (bytes - 1))));
            for (int32 k = bytes - 2; k >= 0; --k)
                dest[out++] = static_cast<char8>(0x80 | ((cp >> (6 * k)) & 0x3F));
        }
        i += consumed;
    }
    dest[out] = 0;
    return out;
}

} // namespace Steinberg
