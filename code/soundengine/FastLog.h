#pragma once

#include <bit>
#include <cstdint>

// ln x without calls or branches, so that a plain loop over it packs like fastExp; together they
// replace powf in per-sample gain laws as e^(y·ln x). Within two ulp for positive, normal, finite
// x; callers keep other values out or discard their results.
namespace velqa
{

inline float fastLogOfNormal(float x)
{
    // Subtracting the bits of √½ before taking the exponent leaves a mantissa m in [√½, √2), so
    // that s = (m − 1) / (m + 1) stays below 0.172 and the series in s² converges fast.
    constexpr std::uint32_t kSqrtHalfBits = 0x3F3504F3u;
    constexpr float kLn2High = 0.693359375f;
    constexpr float kLn2Low = -2.12194440e-4f;
    // ln m = 2s + 2s³/3 + 2s⁵/5 + ...; the first term left out is below 1e-9 of the result.
    constexpr float c3 = 2.0f / 3.0f;
    constexpr float c5 = 2.0f / 5.0f;
    constexpr float c7 = 2.0f / 7.0f;
    constexpr float c9 = 2.0f / 9.0f;

    // Unsigned arithmetic: whatever x holds, nothing here overflows.
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(x);
    const std::int32_t exponent = static_cast<std::int32_t>(bits - kSqrtHalfBits) >> 23;
    const float m = std::bit_cast<float>(bits - (static_cast<std::uint32_t>(exponent) << 23));
    const auto k = static_cast<float>(exponent);

    const float f = m - 1.0f; // exact: m lies within a factor of two of 1
    const float s = f / (2.0f + f);
    const float s2 = s * s;
    const float tail = s * s2 * (((c9 * s2 + c7) * s2 + c5) * s2 + c3);
    // 2s is f − s·f exactly enough, and keeps the rounding of s out of the leading term.
    const float lnM = f - (s * f - tail);
    return k * kLn2High + (k * kLn2Low + lnM);
}

} // namespace velqa
