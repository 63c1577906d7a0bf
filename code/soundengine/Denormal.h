#pragma once

#include <bit>
#include <cstdint>

// Values whose exponent bits are all zero are denormal (or zero); they are flushed so that decaying
// filter tails never fall into the slow denormal path of the FPU.

inline float flushDenormal(float value)
{
    return (std::bit_cast<std::uint32_t>(value) & 0x7F800000u) == 0 ? 0.0f : value;
}

inline double flushDenormal(double value)
{
    return (std::bit_cast<std::uint64_t>(value) & 0x7FF0000000000000ull) == 0 ? 0.0 : value;
}

// Infinity or NaN: all exponent bits set.
inline bool isNonFinite(float value)
{
    return (std::bit_cast<std::uint32_t>(value) & 0x7F800000u) == 0x7F800000u;
}

inline bool isNonFinite(double value)
{
    return (std::bit_cast<std::uint64_t>(value) & 0x7FF0000000000000ull) == 0x7FF0000000000000ull;
}
