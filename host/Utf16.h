#pragma once

#include "pluginterfaces/base/ftypes.h"

#include <string>

namespace velqa::host
{

// Plug-in texts arrive as zero-terminated UTF-16 in fixed arrays; reading stops at the array's
// end even without a terminator.
std::string toUtf8(const Steinberg::char16* text, int maxUnits);
// Writes a zero-terminated UTF-16 copy, cut to fit maxUnits including the terminator.
void toUtf16(const std::string& text, Steinberg::char16* out, int maxUnits);
// Fixed 8-bit fields of the factory records: stop at the terminator or the field's end.
std::string fromField(const char* field, int size);

} // namespace velqa::host
