#include "code/editor/LayoutTable.h"

#include "code/ParameterIndex.h"
#include "code/editor/BitmapTable.h"
#include "code/editor/ContainerTable.h"

namespace velqa::editor
{

namespace
{

constexpr LayoutEntry none{kKindNone, kNoBitmap, -1, kMainPage, 0, 0, 0, 0, 0, 0, 0, ""};

constexpr int32_t bandAbove(int32_t band, BandField field)
{
    return eqIndex(kSectionAbove, band, field);
}
constexpr int32_t bandBelow(int32_t band, BandField field)
{
    return eqIndex(kSectionBelow, band, field);
}

} // namespace

// Sliders are as tall as their travel plus the handle; the band selector gets its first digit.
// The oversampling list sits left of the settings panel's close button, and the display gain
// list ends inside the panel.
// Fields: kind, bitmap, parameter, container, x, y, frames, width, height, steps, style, text.
// clang-format off
const std::array<LayoutEntry, kTagCount> kLayoutTable = {{
    none, // 0
    none, // 1
    none, // 2
    none, // 3
    none, // 4
    none, // 5
    none, // 6
    none, // 7
    none, // 8
    none, // 9
    none, // 10
    none, // 11
    none, // 12
    none, // 13
    {kKindLabel, kNoBitmap, -1, kMainPage, 25, 678, 0, 600, 16, 0, 0, ""}, // 14
    none, // 15
    {kKindSpectrum, kNoBitmap, -1, kMainPage, 32, 49, 0, 478, 248, 0, 0, ""}, // 16
    {kKindSpectrum, kNoBitmap, -1, kMainPage, 32, 400, 0, 478, 248, 0, 0, ""}, // 17
    {kKindToggle, kBmpLogoBypass, kBypass, kMainPage, 811, 16, 4, -1, -1, 0, 0, ""}, // 18
    {kKindMomentary, kBmpLogoButton, -1, kMainPage, 556, 16, 4, -1, -1, 0, 0, ""}, // 19
    {kKindMomentary, kBmpUndo, -1, kHeader, 0, 0, 3, -1, -1, 0, kStyleNoHover, ""}, // 20
    {kKindMomentary, kBmpRedo, -1, kHeader, 62, 0, 3, -1, -1, 0, kStyleNoHover, ""}, // 21
    {kKindMomentary, kBmpLoad, -1, kHeader, 547, 0, 2, -1, -1, 0, kStyleNoHover, ""}, // 22
    {kKindLed, kNoBitmap, -1, kHeader, 121, 0, 0, 356, 30, 0, 0, ""}, // 23
    {kKindMomentary, kBmpSave, -1, kHeader, 608, 0, 2, -1, -1, 0, kStyleNoHover, ""}, // 24
    {kKindMomentary, kBmpNext, -1, kHeader, 513, 0, 2, -1, -1, 0, kStyleNoHover, ""}, // 25
    {kKindMomentary, kBmpPrev, -1, kHeader, 488, 0, 2, -1, -1, 0, kStyleNoHover, ""}, // 26
    {kKindLabel, kNoBitmap, -1, kHeader, 132, 0, 0, 260, 30, 0, 0, ""}, // 27
    {kKindToggle, kBmpOnOff, kBypass, kHeader, 839, 0, 4, -1, -1, 0, 0, ""}, // 28
    {kKindStateView, kBmpLinkView, kLink1 + 0, kMainPage, 34, 342, 2, -1, -1, 0, 0, ""}, // 29
    {kKindStateView, kBmpLinkView, kLink1 + 1, kMainPage, 62, 342, 2, -1, -1, 0, 0, ""}, // 30
    {kKindStateView, kBmpLinkView, kLink1 + 2, kMainPage, 90, 342, 2, -1, -1, 0, 0, ""}, // 31
    {kKindStateView, kBmpLinkView, kLink1 + 3, kMainPage, 118, 342, 2, -1, -1, 0, 0, ""}, // 32
    {kKindStateView, kBmpLinkView, kLink1 + 4, kMainPage, 146, 342, 2, -1, -1, 0, 0, ""}, // 33
    {kKindToggle, kBmpSolo, kEqSoloAbove1 + 0, kBandPanelAbove1 + 0, 240, 19, 4, -1, -1, 0, 0, ""}, // 34
    {kKindToggle, kBmpSolo, kEqSoloAbove1 + 1, kBandPanelAbove1 + 1, 240, 19, 4, -1, -1, 0, 0, ""}, // 35
    {kKindToggle, kBmpSolo, kEqSoloAbove1 + 2, kBandPanelAbove1 + 2, 240, 19, 4, -1, -1, 0, 0, ""}, // 36
    {kKindToggle, kBmpSolo, kEqSoloAbove1 + 3, kBandPanelAbove1 + 3, 240, 19, 4, -1, -1, 0, 0, ""}, // 37
    {kKindToggle, kBmpSolo, kEqSoloAbove1 + 4, kBandPanelAbove1 + 4, 240, 19, 4, -1, -1, 0, 0, ""}, // 38
    {kKindToggle, kBmpSolo, kEqSoloBelow1 + 0, kBandPanelBelow1 + 0, 240, 19, 4, -1, -1, 0, 0, ""}, // 39
    {kKindToggle, kBmpSolo, kEqSoloBelow1 + 1, kBandPanelBelow1 + 1, 240, 19, 4, -1, -1, 0, 0, ""}, // 40
    {kKindToggle, kBmpSolo, kEqSoloBelow1 + 2, kBandPanelBelow1 + 2, 240, 19, 4, -1, -1, 0, 0, ""}, // 41
    {kKindToggle, kBmpSolo, kEqSoloBelow1 + 3, kBandPanelBelow1 + 3, 240, 19, 4, -1, -1, 0, 0, ""}, // 42
    {kKindToggle, kBmpSolo, kEqSoloBelow1 + 4, kBandPanelBelow1 + 4, 240, 19, 4, -1, -1, 0, 0, ""}, // 43
    {kKindToggle, kBmpBypass, kEqMuteAbove1 + 0, kBandPanelAbove1 + 0, 290, 19, 4, -1, -1, 0, 0, ""}, // 44
    {kKindToggle, kBmpBypass, kEqMuteAbove1 + 1, kBandPanelAbove1 + 1, 290, 19, 4, -1, -1, 0, 0, ""}, // 45
    {kKindToggle, kBmpBypass, kEqMuteAbove1 + 2, kBandPanelAbove1 + 2, 290, 19, 4, -1, -1, 0, 0, ""}, // 46
    {kKindToggle, kBmpBypass, kEqMuteAbove1 + 3, kBandPanelAbove1 + 3, 290, 19, 4, -1, -1, 0, 0, ""}, // 47
    {kKindToggle, kBmpBypass, kEqMuteAbove1 + 4, kBandPanelAbove1 + 4, 290, 19, 4, -1, -1, 0, 0, ""}, // 48
    {kKindToggle, kBmpBypass, kEqMuteBelow1 + 0, kBandPanelBelow1 + 0, 290, 19, 4, -1, -1, 0, 0, ""}, // 49
    {kKindToggle, kBmpBypass, kEqMuteBelow1 + 1, kBandPanelBelow1 + 1, 290, 19, 4, -1, -1, 0, 0, ""}, // 50
    {kKindToggle, kBmpBypass, kEqMuteBelow1 + 2, kBandPanelBelow1 + 2, 290, 19, 4, -1, -1, 0, 0, ""}, // 51
    {kKindToggle, kBmpBypass, kEqMuteBelow1 + 3, kBandPanelBelow1 + 3, 290, 19, 4, -1, -1, 0, 0, ""}, // 52
    {kKindToggle, kBmpBypass, kEqMuteBelow1 + 4, kBandPanelBelow1 + 4, 290, 19, 4, -1, -1, 0, 0, ""}, // 53
    {kKindPane, kNoBitmap, -1, kBandPanelAbove1, 240, 42, 0, 50, 22, 0, 0, ""}, // 54
    {kKindPane, kNoBitmap, -1, kBandPanelAbove1, 290, 42, 0, 50, 22, 0, 0, ""}, // 55
    {kKindMultiState, kBmpLink, kLink1 + 0, kBandPanelAbove1 + 0, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 56
    {kKindMultiState, kBmpLink, kLink1 + 1, kBandPanelAbove1 + 1, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 57
    {kKindMultiState, kBmpLink, kLink1 + 2, kBandPanelAbove1 + 2, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 58
    {kKindMultiState, kBmpLink, kLink1 + 3, kBandPanelAbove1 + 3, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 59
    {kKindMultiState, kBmpLink, kLink1 + 4, kBandPanelAbove1 + 4, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 60
    {kKindMultiState, kBmpLink, kLink1 + 0, kBandPanelBelow1 + 0, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 61
    {kKindMultiState, kBmpLink, kLink1 + 1, kBandPanelBelow1 + 1, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 62
    {kKindMultiState, kBmpLink, kLink1 + 2, kBandPanelBelow1 + 2, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 63
    {kKindMultiState, kBmpLink, kLink1 + 3, kBandPanelBelow1 + 3, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 64
    {kKindMultiState, kBmpLink, kLink1 + 4, kBandPanelBelow1 + 4, 240, 42, 4, -1, -1, 3, kStyleHoverThirdFrame, ""}, // 65
    {kKindKnob, kBmpPot, bandAbove(0, kBandGain), kBandPanelAbove1 + 0, 53, 0, 129, -1, -1, 0, 0, ""}, // 66
    {kKindKnob, kBmpPot, bandAbove(1, kBandGain), kBandPanelAbove1 + 1, 53, 0, 129, -1, -1, 0, 0, ""}, // 67
    {kKindKnob, kBmpPot, bandAbove(2, kBandGain), kBandPanelAbove1 + 2, 53, 0, 129, -1, -1, 0, 0, ""}, // 68
    {kKindKnob, kBmpPot, bandAbove(3, kBandGain), kBandPanelAbove1 + 3, 53, 0, 129, -1, -1, 0, 0, ""}, // 69
    {kKindKnob, kBmpPot, bandAbove(4, kBandGain), kBandPanelAbove1 + 4, 53, 0, 129, -1, -1, 0, 0, ""}, // 70
    {kKindKnob, kBmpPot, bandBelow(0, kBandGain), kBandPanelBelow1 + 0, 53, 0, 129, -1, -1, 0, 0, ""}, // 71
    {kKindKnob, kBmpPot, bandBelow(1, kBandGain), kBandPanelBelow1 + 1, 53, 0, 129, -1, -1, 0, 0, ""}, // 72
    {kKindKnob, kBmpPot, bandBelow(2, kBandGain), kBandPanelBelow1 + 2, 53, 0, 129, -1, -1, 0, 0, ""}, // 73
    {kKindKnob, kBmpPot, bandBelow(3, kBandGain), kBandPanelBelow1 + 3, 53, 0, 129, -1, -1, 0, 0, ""}, // 74
    {kKindKnob, kBmpPot, bandBelow(4, kBandGain), kBandPanelBelow1 + 4, 53, 0, 129, -1, -1, 0, 0, ""}, // 75
    {kKindKnob, kBmpPot, bandAbove(0, kBandFreq), kBandPanelAbove1 + 0, -4, 0, 129, -1, -1, 0, 0, ""}, // 76
    {kKindKnob, kBmpPot, bandAbove(1, kBandFreq), kBandPanelAbove1 + 1, -4, 0, 129, -1, -1, 0, 0, ""}, // 77
    {kKindKnob, kBmpPot, bandAbove(2, kBandFreq), kBandPanelAbove1 + 2, -4, 0, 129, -1, -1, 0, 0, ""}, // 78
    {kKindKnob, kBmpPot, bandAbove(3, kBandFreq), kBandPanelAbove1 + 3, -4, 0, 129, -1, -1, 0, 0, ""}, // 79
    {kKindKnob, kBmpPot, bandAbove(4, kBandFreq), kBandPanelAbove1 + 4, -4, 0, 129, -1, -1, 0, 0, ""}, // 80
    {kKindKnob, kBmpPot, bandBelow(0, kBandFreq), kBandPanelBelow1 + 0, -4, 0, 129, -1, -1, 0, 0, ""}, // 81
    {kKindKnob, kBmpPot, bandBelow(1, kBandFreq), kBandPanelBelow1 + 1, -4, 0, 129, -1, -1, 0, 0, ""}, // 82
    {kKindKnob, kBmpPot, bandBelow(2, kBandFreq), kBandPanelBelow1 + 2, -4, 0, 129, -1, -1, 0, 0, ""}, // 83
    {kKindKnob, kBmpPot, bandBelow(3, kBandFreq), kBandPanelBelow1 + 3, -4, 0, 129, -1, -1, 0, 0, ""}, // 84
    {kKindKnob, kBmpPot, bandBelow(4, kBandFreq), kBandPanelBelow1 + 4, -4, 0, 129, -1, -1, 0, 0, ""}, // 85
    {kKindKnob, kBmpPot, bandAbove(0, kBandQ), kBandPanelAbove1 + 0, 110, 0, 129, -1, -1, 0, 0, ""}, // 86
    {kKindKnob, kBmpPot, bandAbove(1, kBandQ), kBandPanelAbove1 + 1, 110, 0, 129, -1, -1, 0, 0, ""}, // 87
    {kKindKnob, kBmpPot, bandAbove(2, kBandQ), kBandPanelAbove1 + 2, 110, 0, 129, -1, -1, 0, 0, ""}, // 88
    {kKindKnob, kBmpPot, bandAbove(3, kBandQ), kBandPanelAbove1 + 3, 110, 0, 129, -1, -1, 0, 0, ""}, // 89
    {kKindKnob, kBmpPot, bandAbove(4, kBandQ), kBandPanelAbove1 + 4, 110, 0, 129, -1, -1, 0, 0, ""}, // 90
    {kKindKnob, kBmpPot, bandBelow(0, kBandQ), kBandPanelBelow1 + 0, 110, 0, 129, -1, -1, 0, 0, ""}, // 91
    {kKindKnob, kBmpPot, bandBelow(1, kBandQ), kBandPanelBelow1 + 1, 110, 0, 129, -1, -1, 0, 0, ""}, // 92
    {kKindKnob, kBmpPot, bandBelow(2, kBandQ), kBandPanelBelow1 + 2, 110, 0, 129, -1, -1, 0, 0, ""}, // 93
    {kKindKnob, kBmpPot, bandBelow(3, kBandQ), kBandPanelBelow1 + 3, 110, 0, 129, -1, -1, 0, 0, ""}, // 94
    {kKindKnob, kBmpPot, bandBelow(4, kBandQ), kBandPanelBelow1 + 4, 110, 0, 129, -1, -1, 0, 0, ""}, // 95
    {kKindSlider, kBmpFilterTypeHandle, bandAbove(0, kBandState), kBandPanelAbove1 + 0, 176, 17, 1, 15, 51, 3, 0, ""}, // 96
    {kKindSlider, kBmpFilterTypeHandle, bandAbove(1, kBandState), kBandPanelAbove1 + 1, 176, 17, 1, 15, 51, 3, 0, ""}, // 97
    {kKindSlider, kBmpFilterTypeHandle, bandAbove(2, kBandState), kBandPanelAbove1 + 2, 176, 17, 1, 15, 51, 3, 0, ""}, // 98
    {kKindSlider, kBmpFilterTypeHandle, bandAbove(3, kBandState), kBandPanelAbove1 + 3, 176, 17, 1, 15, 51, 3, 0, ""}, // 99
    {kKindSlider, kBmpFilterTypeHandle, bandAbove(4, kBandState), kBandPanelAbove1 + 4, 176, 17, 1, 15, 51, 3, 0, ""}, // 100
    {kKindSlider, kBmpFilterTypeHandle, bandBelow(0, kBandState), kBandPanelBelow1 + 0, 176, 17, 1, 15, 51, 3, 0, ""}, // 101
    {kKindSlider, kBmpFilterTypeHandle, bandBelow(1, kBandState), kBandPanelBelow1 + 1, 176, 17, 1, 15, 51, 3, 0, ""}, // 102
    {kKindSlider, kBmpFilterTypeHandle, bandBelow(2, kBandState), kBandPanelBelow1 + 2, 176, 17, 1, 15, 51, 3, 0, ""}, // 103
    {kKindSlider, kBmpFilterTypeHandle, bandBelow(3, kBandState), kBandPanelBelow1 + 3, 176, 17, 1, 15, 51, 3, 0, ""}, // 104
    {kKindSlider, kBmpFilterTypeHandle, bandBelow(4, kBandState), kBandPanelBelow1 + 4, 176, 17, 1, 15, 51, 3, 0, ""}, // 105
    {kKindToggleModifierClick, kBmpActive, kOnAbove, kMainPage, 523, 24, 4, -1, -1, 0, 0, ""}, // 106
    {kKindToggleModifierClick, kBmpActive, kOnBelow, kMainPage, 523, 663, 4, -1, -1, 0, 0, ""}, // 107
    {kKindToggle, kBmpBelow, kSoloBelow, kMainPage, 741, 476, 4, -1, -1, 0, 0, ""}, // 108
    {kKindToggle, kBmpAbove, kSoloAbove, kMainPage, 806, 476, 4, -1, -1, 0, 0, ""}, // 109
    {kKindDisplayCover, kNoBitmap, kOnAbove, kMainPage, 32, 48, 0, 479, 251, 0, 0, ""}, // 110
    {kKindDisplayCover, kNoBitmap, kOnBelow, kMainPage, 32, 398, 0, 479, 251, 0, 0, ""}, // 111
    {kKindKnob, kBmpPot, kLookahead, kMainPage, 550, 614, 129, -1, -1, 0, 0, ""}, // 112
    {kKindToggle, kBmpActive, kLookaheadOn, kMainPage, 549, 618, 4, -1, -1, 0, 0, ""}, // 113
    {kKindKnob, kBmpPot, kMix, kMainPage, 737, 614, 129, -1, -1, 0, 0, ""}, // 114
    {kKindKnob, kBmpPot, kOutVol, kMainPage, 795, 614, 129, -1, -1, 0, 0, ""}, // 115
    {kKindBandSelector, kBmpDigitAbove1, kSelectedEq, kMainPage, 31, 322, 12, -1, -1, 10, kStyleHoverNextFrame, ""}, // 116
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 31, 360, 0, 22, 22, 0, 0, ""}, // 117
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 59, 360, 0, 22, 22, 0, 0, ""}, // 118
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 87, 360, 0, 22, 22, 0, 0, ""}, // 119
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 115, 360, 0, 22, 22, 0, 0, ""}, // 120
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 143, 360, 0, 22, 22, 0, 0, ""}, // 121
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 31, 322, 0, 22, 22, 0, 0, ""}, // 122
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 59, 322, 0, 22, 22, 0, 0, ""}, // 123
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 87, 322, 0, 22, 22, 0, 0, ""}, // 124
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 115, 322, 0, 22, 22, 0, 0, ""}, // 125
    {kKindHoverPane, kNoBitmap, -1, kMainPage, 143, 322, 0, 22, 22, 0, 0, ""}, // 126
    {kKindKnob, kBmpPot, kSatAbove, kMainPage, 550, 90, 129, -1, -1, 0, 0, ""}, // 127
    {kKindKnob, kBmpPot, kColAbove, kMainPage, 621, 90, 129, -1, -1, 0, 0, ""}, // 128
    {kKindKnob, kBmpPot, kMixAbove, kMainPage, 679, 90, 129, -1, -1, 0, 0, ""}, // 129
    {kKindKnob, kBmpPot, kWidthAbove, kMainPage, 737, 90, 129, -1, -1, 0, 0, ""}, // 130
    {kKindKnob, kBmpPot, kPanAbove, kMainPage, 795, 90, 129, -1, -1, 0, 0, ""}, // 131
    {kKindKnob, kBmpPot, kSatBelow, kMainPage, 550, 528, 129, -1, -1, 0, 0, ""}, // 132
    {kKindKnob, kBmpPot, kColBelow, kMainPage, 621, 528, 129, -1, -1, 0, 0, ""}, // 133
    {kKindKnob, kBmpPot, kMixBelow, kMainPage, 679, 528, 129, -1, -1, 0, 0, ""}, // 134
    {kKindKnob, kBmpPot, kWidthBelow, kMainPage, 737, 528, 129, -1, -1, 0, 0, ""}, // 135
    {kKindKnob, kBmpPot, kPanBelow, kMainPage, 795, 528, 129, -1, -1, 0, 0, ""}, // 136
    {kKindSlider, kBmpSaturationTypeHandle, kTypeAbove, kMainPage, 610, 98, 1, 11, 42, 3, 0, ""}, // 137
    {kKindSlider, kBmpSaturationTypeHandle, kTypeBelow, kMainPage, 610, 536, 1, 11, 42, 3, 0, ""}, // 138
    {kKindToggle, kBmpActive, kSatOnAbove, kMainPage, 549, 95, 4, -1, -1, 0, 0, ""}, // 139
    {kKindToggle, kBmpActive, kSatOnBelow, kMainPage, 549, 532, 4, -1, -1, 0, 0, ""}, // 140
    {kKindToggle, kBmpActive, kWidthAboveOn, kMainPage, 736, 95, 4, -1, -1, 0, 0, ""}, // 141
    {kKindToggle, kBmpActive, kWidthBelowOn, kMainPage, 736, 532, 4, -1, -1, 0, 0, ""}, // 142
    {kKindToggle, kBmpActive, kPanAboveOn, kMainPage, 796, 95, 4, -1, -1, 0, 0, ""}, // 143
    {kKindToggle, kBmpActive, kPanBelowOn, kMainPage, 796, 532, 4, -1, -1, 0, 0, ""}, // 144
    {kKindKnob, kBmpPot, kRatio, kMainPage, 737, 213, 129, -1, -1, 0, 0, ""}, // 145
    {kKindKnob, kBmpPot, kBalance, kMainPage, 795, 213, 129, -1, -1, 0, 0, ""}, // 146
    {kKindKnob, kBmpPot, kAttack, kMainPage, 737, 295, 129, -1, -1, 0, 0, ""}, // 147
    {kKindKnob, kBmpPot, kRelease, kMainPage, 795, 295, 129, -1, -1, 0, 0, ""}, // 148
    {kKindKnob, kBmpPot, kLowCut, kMainPage, 737, 377, 129, -1, -1, 0, 0, ""}, // 149
    {kKindKnob, kBmpPot, kHighCut, kMainPage, 795, 377, 129, -1, -1, 0, 0, ""}, // 150
    {kKindToggle, kBmpSideChainListen, kSideChainListen, kMainPage, 783, 436, 4, -1, -1, 0, 0, ""}, // 151
    {kKindSlider, kBmpFader, kDyna, kMainPage, 636, 193, 1, 18, 314, 0, 0, ""}, // 152
    {kKindKnob, kBmpPot, kSidechainBalance, kMainPage, 621, 614, 129, -1, -1, 0, 0, ""}, // 153
    {kKindToggle, kBmpActive, kSidechainOn, kMainPage, 621, 619, 4, -1, -1, 0, 0, ""}, // 154
    {kKindPane, kBmpOverlay, -1, kMainPage, 610, 610, 1, 125, 90, 0, 0, ""}, // 155
    {kKindBypassPane, kBmpBypassOverlay, kBypass, kMainPage, 0, 0, 1, 875, 700, 0, 0, ""}, // 156
    {kKindMeter, kBmpMeter1 + 0, -1, kMainPage, 598, 210, 1, 8, 280, 24, 0, ""}, // 157
    {kKindMeter, kBmpMeter1 + 1, -1, kMainPage, 606, 210, 1, 8, 280, 24, 0, ""}, // 158
    {kKindMeter, kBmpMeter1 + 2, -1, kMainPage, 621, 210, 1, 11, 280, 24, 0, ""}, // 159
    {kKindMeter, kBmpMeter1 + 3, -1, kMainPage, 656, 210, 1, 11, 280, 24, 0, ""}, // 160
    {kKindMeter, kBmpMeter1 + 4, -1, kMainPage, 675, 210, 1, 7, 280, 24, 0, ""}, // 161
    {kKindMeter, kBmpMeter1 + 5, -1, kMainPage, 682, 210, 1, 8, 280, 24, 0, ""}, // 162
    {kKindSectionMeter, kBmpSectionMeterAbove, -1, kMainPage, 521, 46, 1, 16, 258, 140, 0, ""}, // 163
    {kKindSectionMeter, kBmpSectionMeterBelow, -1, kMainPage, 521, 396, 1, 16, 258, 140, kStyleMeterGrowsDown, ""}, // 164
    {kKindTextEdit, kNoBitmap, -1, kSaveDialog, 46, 83, 0, 248, 22, 0, 0, ""}, // 165
    {kKindTextEdit, kNoBitmap, -1, kSaveDialog, 309, 83, 0, 194, 22, 0, 0, ""}, // 166
    {kKindTextEdit, kNoBitmap, -1, kSaveDialog, 516, 83, 0, 194, 22, 0, 0, ""}, // 167
    {kKindLabel, kNoBitmap, -1, kSaveDialog, 36, 10, 0, 686, 20, 0, 0, ""}, // 168
    {kKindMomentary, kBmpPresetSave, -1, kSaveDialog, 662, 120, 2, -1, -1, 0, kStyleNoHover, ""}, // 169
    {kKindMomentary, kBmpClose, -1, kSaveDialog, 722, 8, 2, -1, -1, 0, kStyleNoHover, ""}, // 170
    {kKindLed, kNoBitmap, -1, kBrowser, 0, 0, 0, 753, 440, 0, 0, ""}, // 171
    {kKindMultiState, kBmpSortByName, -1, kBrowser, 42, 48, 3, -1, -1, 3, kStyleNoHover, ""}, // 172
    none, // 173
    {kKindMomentary, kBmpClose, -1, kBrowser, 720, 10, 2, -1, -1, 0, kStyleNoHover, ""}, // 174
    {kKindTable, kNoBitmap, -1, kBrowserList, 0, 0, 0, 600, 12, 0, 0, ""}, // 175
    {kKindScrollSlider, kBmpScrollHandle, -1, kBrowser, 707, 76, 1, 9, 323, 0, 0, ""}, // 176
    {kKindMomentary, kBmpSettingsButton, -1, kHeader, 800, 0, 2, -1, -1, 0, kStyleNoHover, ""}, // 177
    {kKindLed, kNoBitmap, -1, kSettings, 0, 0, 0, 190, 220, 0, 0, ""}, // 178
    {kKindTextKnob, kNoBitmap, kOversamplingOn, kSettings, 156, 20, 0, 28, 14, 0, 0, ""}, // 179
    {kKindTextKnob, kNoBitmap, kHostSpare, kSettings, 156, 63, 0, 28, 14, 0, 0, ""}, // 180
    {kKindTextKnob, kNoBitmap, -1, kSettings, 156, 179, 0, 28, 14, 0, 0, ""}, // 181
    {kKindDropdown, kNoBitmap, -1, kSettings, 156, 133, 0, 90, 18, 0, kListZoom, ""}, // 182
    {kKindDropdown, kNoBitmap, kAnalyserWeighting, kSettings, 155, 88, 0, 90, 18, 0, kListTilt, ""}, // 183
    {kKindDropdown, kNoBitmap, kOversamplingFactor, kSettings, 196, 18, 0, 60, 18, 0, kListOversampling, ""}, // 184
    {kKindDropdown, kNoBitmap, kAnalyserOffset, kSettings, 202, 61, 0, 84, 18, 0, kListDisplayGain, ""}, // 185
    {kKindMomentary, kBmpClose, -1, kSettings, 265, 10, 2, -1, -1, 0, kStyleNoHover, ""}, // 186
    {kKindLabel, kNoBitmap, -1, kSettings, 20, 149, 0, 150, 14, 0, 0, "Zoom set back to 100 %"}, // 187
    {kKindPane, kNoBitmap, -1, kSettings, 10, 8, 0, 110, 149, 0, 0, ""}, // 188
    {kKindLabel, kNoBitmap, -1, kSettings, 14, 15, 0, 110, 30, 0, 0, ""}, // 189
}};
// clang-format on

} // namespace velqa::editor
