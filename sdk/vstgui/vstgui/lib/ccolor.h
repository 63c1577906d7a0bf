#pragma once

#include "vstgui/lib/vstguibase.h"

namespace VSTGUI
{

struct CColor
{
    uint8 red = 0;
    uint8 green = 0;
    uint8 blue = 0;
    uint8 alpha = 255;

    constexpr CColor() = default;
    constexpr CColor(uint8 red, uint8 green, uint8 blue, uint8 alpha = 255)
        : red(red), green(green), blue(blue), alpha(alpha)
    {
    }

    bool operator==(const CColor& o) const
    {
        return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
    }
    bool operator!=(const CColor& o) const { return !(*this == o); }
};

inline constexpr CColor kTransparentCColor{255, 255, 255, 0};
inline constexpr CColor kBlackCColor{0, 0, 0};
inline constexpr CColor kWhiteCColor{255, 255, 255};
inline constexpr CColor kGreyCColor{127, 127, 127};
inline constexpr CColor kRedCColor{255, 0, 0};
inline constexpr CColor kGreenCColor{0, 255, 0};
inline constexpr CColor kBlueCColor{0, 0, 255};
inline constexpr CColor kYellowCColor{255, 255, 0};

} // namespace VSTGUI
