#pragma once

#include "pluginterfaces/vst/vsttypes.h"

#include <string>

namespace VST3
{
namespace StringConvert
{

// UTF-8 <-> UTF-16 for the interfaces' fixed String128 fields and std strings.
std::u16string convert(const std::string& utf8Str);
std::string convert(const std::u16string& str);

// Truncates to the field (127 characters plus terminator); false if text was cut.
bool convert(const std::string& utf8Str, Steinberg::Vst::String128 str);
bool convert(const std::string& utf8Str, Steinberg::Vst::TChar* str,
             Steinberg::uint32 maxCharacters);

std::string convert(const Steinberg::Vst::TChar* str);
std::string convert(const Steinberg::Vst::TChar* str, Steinberg::uint32 max);

} // namespace StringConvert
} // namespace VST3
