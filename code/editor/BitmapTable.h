#pragma once
// The editor's bitmaps by number, as the layout and container tables refer to them.

#include <array>
#include <cstdint>

namespace velqa::editor
{

constexpr int32_t kBitmapCount = 88;
constexpr int32_t kNoBitmap = -1;

enum BitmapNumber : int32_t
{
    kBmpPot = 0,
    kBmpDigitAbove1 = 1, // "1.png".."5.png": Above row, then the Below row at 6..10
    kBmpDigitBelow1 = 6,
    kBmpAbove = 11,
    kBmpActive = 12,
    kBmpMainPage = 13,
    kBmpBelow = 14,
    kBmpHeader = 15,
    kBmpOverlay = 16,
    kBmpSolo = 17,
    kBmpBypass = 18,
    kBmpLinkView = 19,
    kBmpLoad = 20,
    kBmpSave = 21,
    kBmpPresetSave = 22,
    kBmpClose = 23,
    kBmpNext = 26,
    kBmpPrev = 27,
    kBmpOnOff = 28,
    kBmpLink = 29,
    kBmpFader = 31,
    kBmpFilterTypeHandle = 32,
    kBmpLogoButton = 33,
    kBmpSideChainListen = 34,
    kBmpSectionMeterAbove = 35,
    kBmpSectionMeterBelow = 36,
    kBmpSaturationTypeHandle = 37,
    kBmpUndo = 38,
    kBmpRedo = 39,
    kBmpMeter1 = 40, // "VU_1.png".."VU_6.png" at 40..45
    kBmpAboutPage = 46,
    kBmpLogoBypass = 55,
    kBmpBypassOverlay = 56,
    kBmpBrowser = 57,
    kBmpSortByName = 58,
    kBmpScrollHandle = 61,
    kBmpSpareBack = 62,
    kBmpSpareAbout = 63,
    kBmpSaveDialog = 64,
    kBmpSettings = 65,
    kBmpEqHandle = 70,
    kBmpSettingsButton = 71,
};

// 1x resource names; null where a number has no role. The 2x name puts "_2x" before ".png".
extern const std::array<const char*, kBitmapCount> kBitmapNames;

} // namespace velqa::editor
