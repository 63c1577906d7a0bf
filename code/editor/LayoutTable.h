#pragma once
// One entry per control tag: what to create, where, and which parameter it shows.

#include <array>
#include <cstdint>

namespace velqa::editor
{

constexpr int32_t kTagCount = 190;

enum ControlKind : int32_t
{
    kKindNone = 0,
    kKindSpectrum = 1,
    kKindToggle = 2,
    kKindToggleModifierClick = 3,
    kKindMomentary = 4,
    kKindMomentaryModifierClick = 5,
    kKindLed = 8,
    kKindMultiState = 11,
    kKindBandSelector = 12,
    kKindTextKnob = 17,
    kKindTable = 22,
    kKindStateView = 26,
    kKindPane = 27,
    kKindBypassPane = 30,
    kKindDisplayCover = 31,
    kKindHoverPane = 32,
    kKindMeter = 34,
    kKindSectionMeter = 35,
    kKindLabel = 43,
    kKindTextEdit = 44,
    kKindMessageLabel = 50,
    kKindDropdown = 53,
    kKindKnob = 68,
    kKindSlider = 76,
    kKindScrollSlider = 77,
};

// Style bits of buttons: the high nibble picks how the control shows the mouse over it. Without
// one, the hover look is two frames on (off, on, off hovered, on hovered).
constexpr int32_t kStyleMouseOverMask = 0xF0;
constexpr int32_t kStyleNoHover = 0x10;
constexpr int32_t kStyleHoverNextFrame = 0x20;
constexpr int32_t kStyleHoverThirdFrame = 0x80;

// Style bit of meters: the lit part hangs from the top.
constexpr int32_t kStyleMeterGrowsDown = 0x01;

// Dropdown lists, by the number a dropdown carries in its style.
enum DropdownList : int32_t
{
    kListDisplayGain = 0,
    kListOversampling = 1,
    kListTilt = 2,
    kListZoom = 5,
};

struct LayoutEntry
{
    int32_t kind;
    int32_t bitmap;    // kNoBitmap for none
    int32_t parameter; // -1 for none; 161 and above: editor-only indices
    int32_t container;
    int32_t x, y;
    int32_t frames;
    int32_t width, height; // -1: from the bitmap (height = bitmap height / frames)
    int32_t steps;
    int32_t style;
    char text[32];
};

extern const std::array<LayoutEntry, kTagCount> kLayoutTable;

} // namespace velqa::editor
