#pragma once

// One palette for the whole editor: graphite panels, warm amber for the Above section, cool
// blue for the Below section, yellow for solo, red for bypass.

#include "Canvas.h"

namespace velqa::artwork::theme
{

inline constexpr Rgba kBackTop = rgb(38, 41, 47);
inline constexpr Rgba kBackBottom = rgb(24, 26, 30);
inline constexpr Rgba kPlateTop = rgb(50, 54, 61);
inline constexpr Rgba kPlateBottom = rgb(38, 41, 47);
inline constexpr Rgba kWell = rgb(14, 16, 19);
inline constexpr Rgba kEdge = rgb(70, 76, 86);
inline constexpr Rgba kShadow = rgb(0, 0, 0, 0.55);
inline constexpr Rgba kText = rgb(214, 219, 226);
inline constexpr Rgba kTextDim = rgb(140, 148, 160);
inline constexpr Rgba kTextFaint = rgb(96, 103, 114);
inline constexpr Rgba kAbove = rgb(255, 164, 38);
inline constexpr Rgba kBelow = rgb(78, 178, 255);
inline constexpr Rgba kSolo = rgb(255, 225, 22);
inline constexpr Rgba kBypass = rgb(255, 76, 70);
inline constexpr Rgba kActive = rgb(96, 230, 126);
inline constexpr Rgba kAccent = rgb(255, 164, 38);
inline constexpr Rgba kButtonTop = rgb(66, 71, 80);
inline constexpr Rgba kButtonBottom = rgb(44, 48, 55);
inline constexpr Rgba kHover = rgb(255, 255, 255, 0.08);

} // namespace velqa::artwork::theme
