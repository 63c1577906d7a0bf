#include "host/Utf16.h"

#include <cstring>

namespace velqa::host
{

namespace
{
void appendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80)
    {
        out += static_cast<char>(c);
    }
    else if (c < 0x800)
    {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; malformed bytes come out as U+FFFD.
char32_t nextCodePoint(const std::string& text, size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (lead >= 0x80 && extra == 0) return 0xFFFD;
    char32_t c = extra == 3   ? lead & 0x07
                 : extra == 2 ? lead & 0x0F
                 : extra == 1 ? lead & 0x1F
                              : lead;
    for (; extra > 0; --extra)
    {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return c;
}
} // namespace

std::string toUtf8(const Steinberg::char16* text, int maxUnits)
{
    std::string out;
    if (!text) return out;
    for (int i = 0; i < maxUnits && text[i] != 0; ++i)
    {
        char32_t c = static_cast<char16_t>(text[i]);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < maxUnits && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
        {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(text[i + 1]) - 0xDC00);
            ++i;
        }
        else if (c >= 0xD800 && c < 0xE000)
        {
            c = 0xFFFD;
        }
        appendCodePoint(out, c);
    }
    return out;
}

void toUtf16(const std::string& text, Steinberg::char16* out, int maxUnits)
{
    if (!out || maxUnits <= 0) return;
    int used = 0;
    for (size_t i = 0; i < text.size();)
    {
        const char32_t c = nextCodePoint(text, i);
        const int units = c >= 0x10000 ? 2 : 1;
        if (used + units > maxUnits - 1) break;
        if (units == 2)
        {
            out[used++] = static_cast<Steinberg::char16>(0xD800 + ((c - 0x10000) >> 10));
            out[used++] = static_cast<Steinberg::char16>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
        else
        {
            out[used++] = static_cast<Steinberg::char16>(c);
        }
    }
    out[used] = 0;
}

std::string fromField(const char* field, int size)
{
    const void* end = std::memchr(field, 0, static_cast<size_t>(size));
    return std::string(field, end ? static_cast<const char*>(end) : field + size);
}

} // namespace velqa::host
