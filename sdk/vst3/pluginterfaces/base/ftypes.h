#pragma once

#include "pluginterfaces/base/fplatform.h"

#include <cstdint>

namespace Steinberg
{

using int8 = std::int8_t;
using uint8 = std::uint8_t;
using uchar = unsigned char;
using int16 = std::int16_t;
using uint16 = std::uint16_t;
using int32 = std::int32_t;
using uint32 = std::uint32_t;
using int64 = std::int64_t;
using uint64 = std::uint64_t;
using TSize = int64;

using tresult = int32;
using TPtrInt = std::uintptr_t;
using TBool = uint8;

using char8 = char;
using char16 = char16_t;
using tchar = char16;

using CStringA = const char8*;
using CStringW = const char16*;
using CString = const tchar*;
using FIDString = const char8*;

using UCoord = int32;

inline constexpr int32 kMaxLong = 0x7fffffff;
inline constexpr int32 kMinLong = -kMaxLong - 1;
inline constexpr int32 kMaxInt32 = kMaxLong;
inline constexpr int32 kMinInt32 = kMinLong;
inline constexpr uint32 kMaxInt32u = 0xffffffffu;
inline constexpr int64 kMaxInt64 = 0x7fffffffffffffffLL;
inline constexpr int64 kMinInt64 = -kMaxInt64 - 1;
inline constexpr uint64 kMaxInt64u = 0xffffffffffffffffULL;
inline constexpr float kMaxFloat = 3.40282346638528860E38f;
inline constexpr double kMaxDouble = 1.7976931348623158E308;
inline constexpr UCoord kMaxCoord = 0x7fffffff;
inline constexpr UCoord kMinCoord = -0x7fffffff;

} // namespace Steinberg
