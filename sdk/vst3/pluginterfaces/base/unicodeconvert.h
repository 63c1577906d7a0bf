#pragma once

#include "pluginterfaces/base/ftypes.h"

namespace Steinberg
{

// UTF-8 <-> UTF-16 between fixed buffers. Both read at most sourceSize units (-1: up to the
// terminating zero), always terminate a non-empty destination, and return the units written
// without the terminator. Malformed input becomes U+FFFD; a character that does not fit
// whole ends the copy, so a truncated result never holds half a character.
int32 utf8ToUtf16(char16* dest, int32 destSize, const char8* source, int32 sourceSize = -1);
int32 utf16ToUtf8(char8* dest, int32 destSize, const char16* source, int32 sourceSize = -1);

} // namespace Steinberg
