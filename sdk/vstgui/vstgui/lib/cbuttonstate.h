#pragma once

#include "vstgui/lib/vstguibase.h"

namespace VSTGUI
{

// Mouse buttons and modifier keys of one mouse event, as bits of one word.
enum CButton : int32
{
    kLButton = 1 << 1,
    kMButton = 1 << 2,
    kRButton = 1 << 3,
    kShift = 1 << 4,
    kControl = 1 << 5,
    kAlt = 1 << 6,
    kApple = 1 << 7,
    kButton4 = 1 << 8,
    kButton5 = 1 << 9,
    kDoubleClick = 1 << 10,
};

inline constexpr int32 kMouseButtonMask = kLButton | kMButton | kRButton | kButton4 | kButton5;
inline constexpr int32 kModifierMask = kShift | kControl | kAlt | kApple;

// Shift slows drags down; Ctrl with a left click resets a control to its default.
inline constexpr int32 kZoomModifier = kShift;
inline constexpr int32 kDefaultValueModifier = kControl;

struct CButtonState
{
    int32 state = 0;

    constexpr CButtonState() = default;
    constexpr CButtonState(int32 state) : state(state) {}

    int32 getButtonState() const { return state & kMouseButtonMask; }
    int32 getModifierState() const { return state & kModifierMask; }
    bool isLeftButton() const { return getButtonState() == kLButton; }
    bool isRightButton() const { return getButtonState() == kRButton; }
    bool isDoubleClick() const { return (state & kDoubleClick) != 0; }

    int32 operator&(int32 mask) const { return state & mask; }
    CButtonState& operator|=(int32 bits)
    {
        state |= bits;
        return *this;
    }
    bool operator==(const CButtonState& o) const { return state == o.state; }
    bool operator!=(const CButtonState& o) const { return state != o.state; }
    operator int32() const { return state; }
};

} // namespace VSTGUI
