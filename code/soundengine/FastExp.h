#pragma once

#include <bit>
#include <cstdint>

// e^x without calls or branches, so that a plain loop over it compiles to packed SSE2 code; the
// library exp is a call per sample. Within two ulp wherever the result is a normal float; smaller
// results go through the denormals to 0, larger ones give +inf, and a NaN stays NaN.
namespace velqa
{

// A bit-mask select: written as ?: on floats, g++ threads the branch through the arithmetic that
// follows and then cannot pack the loop.
inline float maskSelect(bool condition, float ifTrue, float ifFalse)
{
    const std::uint32_t mask = 0u - static_cast<std::uint32_t>(condition);
    return std::bit_cast<float>((std::bit_cast<std::uint32_t>(ifTrue) & mask) |
                                (std::bit_cast<std::uint32_t>(ifFalse) & ~mask));
}

inline float fastExp(float x)
{
    // 2^k * e^r with |r| <= ln(2) / 2 rounds to 0 for k below the lowest power, even among the
    // denormals, and overflows above the highest.
    constexpr float kLowestPower = -151.0f;
    constexpr float kHighestPower = 128.0f;
    constexpr float kReducedLimit = 0.35f;
    constexpr float kLog2e = 1.44269504f;
    // ln 2 in two parts: k * kLn2High is exact for every k in range, so r keeps its low bits.
    constexpr float kLn2High = 0.693359375f;
    constexpr float kLn2Low = -2.12194440e-4f;
    // Adding 1.5 * 2^23 rounds to an integer that then sits in the low mantissa bits, which
    // avoids a float-to-int conversion (undefined for NaN).
    constexpr float kRoundingShift = 12582912.0f;
    constexpr std::uint32_t kRoundingShiftBits = 0x4B400000u;
    // Relative minimax fit of e^r on |r| <= ln(2) / 2, with the constant term fixed at 1.
    constexpr float c1 = 1.0f;
    constexpr float c2 = 4.999999404e-01f;
    constexpr float c3 = 1.666643023e-01f;
    constexpr float c4 = 4.166800529e-02f;
    constexpr float c5 = 8.374195546e-03f;
    constexpr float c6 = 1.384360599e-03f;

    // The clamps keep the exponent arithmetic in range; past them the final multiplications
    // overflow to +inf or underflow to 0 on their own, as the true result does. A NaN fails every
    // comparison and passes through.
    const float t = x * kLog2e;
    const float tClamped =
        maskSelect(t > kHighestPower, kHighestPower, maskSelect(t < kLowestPower, kLowestPower, t));
    const float shifted = tClamped + kRoundingShift;
    const float k = shifted - kRoundingShift;
    const float rFree = (x - k * kLn2High) - k * kLn2Low;
    const float r = maskSelect(rFree > kReducedLimit, kReducedLimit,
                               maskSelect(rFree < -kReducedLimit, -kReducedLimit, rFree));
    const float p = ((((((c6 * r + c5) * r + c4) * r + c3) * r + c2) * r + c1) * r) + 1.0f;

    // k runs from -151 to 128, beyond the normal exponents at both ends, so 2^k is applied as
    // two halves that are always normal.
    const auto kBits =
        static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(shifted) - kRoundingShiftBits);
    const std::int32_t kHalf = kBits >> 1;
    const auto scaleA = std::bit_cast<float>((static_cast<std::uint32_t>(kHalf) + 127u) << 23);
    const auto scaleB =
        std::bit_cast<float>((static_cast<std::uint32_t>(kBits - kHalf) + 127u) << 23);
    return p * scaleA * scaleB;
}

inline void fastExpBlock(const float* in, float* out, int count)
{
    for (int i = 0; i < count; ++i) out[i] = fastExp(in[i]);
}

} // namespace velqa
