#pragma once
// Identity of the module's one class as the factory reports it.

#include "pluginterfaces/base/funknown.h"

namespace Steinberg
{
// The bytes 21 6E 9F 3B A7 C4 08 5D E1 F2 A9 3C 6D 5B 80 47 in memory, the same on every
// platform (COM text form 3B9F6E21C4A75D08E1F2A93C6D5B8047).
inline constexpr TUID kVelqaClassId = INLINE_UID(0x216E9F3B, 0xA7C4085D, 0xE1F2A93C, 0x6D5B8047);
inline constexpr const char* kVelqaVendor = "Kestrune Audio";
inline constexpr const char* kVelqaUrl = "https://www.kestrune-audio.com";
inline constexpr const char* kVelqaEmail = "mailto:support@kestrune-audio.com";
inline constexpr const char* kVelqaName = "Velqa";
inline constexpr const char* kVelqaVersion = "2.6.4.0";
} // namespace Steinberg
