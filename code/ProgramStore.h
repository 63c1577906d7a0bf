#pragma once

#include "code/ParameterIndex.h"

#include <cstddef>

namespace velqa
{

constexpr size_t kProgramNameSize = 28;

// One program: every stored value followed by its name, 168 floats' worth in all.
struct Program
{
    float values[kStoredParameterCount];
    char name[kProgramNameSize];
};
static_assert(sizeof(Program) == 168 * sizeof(float));

} // namespace velqa
