#pragma once

#include <cstddef>
#include <cstdint>

namespace velqa
{

// Callers of formatParameter provide at least this many bytes; no text is longer.
constexpr size_t kParameterTextCapacity = 24;

// Display text of any normalised value of any index; does not touch the parameter itself.
void formatParameter(int32_t index, char* text, float v);

} // namespace velqa
