#pragma once

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <xmmintrin.h>
#endif

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

// While it lives, the processor flushes subnormal results to zero and reads subnormal operands as
// zero, so arithmetic can neither make nor pass on a subnormal sample. The caller's setting comes
// back at the end, because the thread belongs to the host.
class CFlushToZeroScope
{
public:
#if defined(__SSE2__)
    CFlushToZeroScope() : saved(_mm_getcsr())
    {
        _mm_setcsr(saved | kFlushToZero | kDenormalsAreZero);
    }
    ~CFlushToZeroScope()
    {
        _mm_setcsr(saved);
    }
#endif
    CFlushToZeroScope(const CFlushToZeroScope&) = delete;
    CFlushToZeroScope& operator=(const CFlushToZeroScope&) = delete;

private:
#if defined(__SSE2__)
    static constexpr unsigned kFlushToZero = 0x8000;
    static constexpr unsigned kDenormalsAreZero = 0x0040;
    unsigned saved;
#endif
};
