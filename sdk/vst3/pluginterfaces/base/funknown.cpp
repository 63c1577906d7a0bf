#include "pluginterfaces/base/funknown.h"

#include <cstdio>
#include <random>

namespace Steinberg
{

bool FUID::generate()
{
    try
    {
        std::random_device source;
        for (int w = 0; w < 4; ++w)
        {
            const uint32 bits = source();
            for (int b = 0; b < 4; ++b) data[w * 4 + b] = static_cast<char>(bits >> (8 * b));
        }
        return true;
    }
    catch (...)
    {
        return false;
    }
}

void FUID::toString(char8* string) const
{
    if (!string) return;
    std::snprintf(string, 33, "%08X%08X%08X%08X", getLong1(), getLong2(), getLong3(), getLong4());
}

bool FUID::fromString(const char8* string)
{
    if (!string) return false;
    uint8 bytes[16];
    for (int i = 0; i < 32; ++i)
    {
        const char8 c = string[i];
        int nibble;
        if (c >= '0' && c <= '9')
            nibble = c - '0';
        else if (c >= 'A' && c <= 'F')
            nibble = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            nibble = c - 'a' + 10;
        else
            return false;
        if (i % 2 == 0)
            bytes[i / 2] = static_cast<uint8>(nibble << 4);
        else
            bytes[i / 2] |= static_cast<uint8>(nibble);
    }
    if (string[32] != 0) return false;
    // The text form spells the four words, which is the byte order we store.
    for (int i = 0; i < 16; ++i) data[i] = static_cast<char>(bytes[i]);
    return true;
}

void FUID::toRegistryString(char8* string) const
{
    if (!string) return;
    const uint32 l2 = getLong2(), l3 = getLong3();
    std::snprintf(string, 39, "{%08X-%04X-%04X-%04X-%04X%08X}", getLong1(), l2 >> 16, l2 & 0xFFFF,
                  l3 >> 16, l3 & 0xFFFF, getLong4());
}

} // namespace Steinberg
