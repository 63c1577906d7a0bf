#pragma once

#include "code/ParameterIndex.h"

#include <array>
#include <cstdint>

namespace velqa
{

// How a parameter's normalised value maps to its unit and text; only the low four bits count.
enum ValueClass : int32_t
{
    kClassNone = -1,
    kClassSpare = 0,
    kClassFrequency = 1,
    kClassGain = 2,
    kClassQ = 3,
    kClassPan = 4,
    kClassSideChainBalance = 5,
    kClassBandType = 6,
    kClassWidth = 7,
    kClassSaturationType = 8,
};

struct ParameterRecord
{
    char name[36];
    float defaultValue;
    int32_t valueClass;
};

extern const std::array<ParameterRecord, kStoredParameterCount> kParameterTable;

// Class 1..8 of a stored index, 0 for every other index or class.
int32_t mappedClassOf(int32_t index);

} // namespace velqa
