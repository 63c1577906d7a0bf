#pragma once

#include "pluginterfaces/base/fstrdefs.h"
#include "pluginterfaces/base/ftypes.h"

#define kVstVersionString "VST 3.5.2"
#define kVstVersionMajor 3
#define kVstVersionMinor 5
#define kVstVersionSub 2

namespace Steinberg
{
namespace Vst
{

using TChar = char16;
using String128 = TChar[128];
using CString = const char8*;

using MediaType = int32;
using BusDirection = int32;
using BusType = int32;
using IoMode = int32;
using UnitID = int32;
using ParamValue = double;
using ParamID = uint32;
using ProgramListID = int32;
using CtrlNumber = int16;
using TQuarterNotes = double;
using TSamples = int64;
using ColorSpec = uint32;

inline constexpr ParamID kNoParamId = 0xffffffff;

using Sample32 = float;
using Sample64 = double;
using SampleRate = double;

using SpeakerArrangement = uint64;
using Speaker = uint64;

} // namespace Vst
} // namespace Steinberg
