#pragma once

#include "pluginterfaces/base/ftypes.h"

// UTF-16 literals for the 16-bit string fields of the interfaces.
#define STR16(x) u##x
#define STR(x) STR16(x)

namespace Steinberg
{

template <class T> inline int32 tstrlen(const T* text)
{
    if (!text) return 0;
    int32 n = 0;
    while (text[n]) ++n;
    return n;
}

inline int32 strlen8(const char8* text)
{
    return tstrlen(text);
}
inline int32 strlen16(const char16* text)
{
    return tstrlen(text);
}

template <class T> inline int32 tstrcmp(const T* a, const T* b)
{
    if (a == b) return 0;
    if (!a) return -1;
    if (!b) return 1;
    while (*a && *a == *b) ++a, ++b;
    if (*a == *b) return 0;
    return *a < *b ? -1 : 1;
}

inline int32 strcmp8(const char8* a, const char8* b)
{
    return tstrcmp(a, b);
}
inline int32 strcmp16(const char16* a, const char16* b)
{
    return tstrcmp(a, b);
}

// Copies at most size - 1 characters and always terminates (unlike C's strncpy).
template <class T> inline T* tstrncpy(T* dest, const T* source, uint32 size)
{
    if (!dest || size == 0) return dest;
    uint32 i = 0;
    if (source)
        for (; i + 1 < size && source[i]; ++i) dest[i] = source[i];
    dest[i] = 0;
    return dest;
}

inline char8* strncpy8(char8* dest, const char8* source, uint32 size)
{
    return tstrncpy(dest, source, size);
}
inline char16* strncpy16(char16* dest, const char16* source, uint32 size)
{
    return tstrncpy(dest, source, size);
}

} // namespace Steinberg
