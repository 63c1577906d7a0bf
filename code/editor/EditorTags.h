#pragma once
// The tags the editor's code names; the layout table says what each one is.

#include <cstdint>

namespace velqa::editor
{

enum EditorTag : int32_t
{
    kTagStatusLine = 14,
    kTagSpectrumAbove = 16,
    kTagSpectrumBelow = 17,
    kTagAbout = 19,
    kTagUndo = 20,
    kTagRedo = 21,
    kTagLoadPreset = 22,
    kTagPresetNameArea = 23,
    kTagSavePreset = 24,
    kTagNextPreset = 25,
    kTagPreviousPreset = 26,
    kTagPresetName = 27,
    kTagFirstSolo = 34,  // Above bands 1-5, then Below bands 1-5
    kTagFirstOnOff = 44, // likewise
    kTagFirstLink = 56,  // A>B buttons 56-60, B>A buttons 61-65
    kTagLastLink = 65,
    kTagEqAboveOn = 106,
    kTagEqBelowOn = 107,
    kTagAboveCover = 110,
    kTagBelowCover = 111,
    kTagBandSelector = 116,
    kTagFirstBelowHover = 117,
    kTagFirstAboveHover = 122,
    kTagSatAbove = 127,
    kTagWidthAbove = 130,
    kTagPanAbove = 131,
    kTagSatBelow = 132,
    kTagWidthBelow = 135,
    kTagPanBelow = 136,
    kTagSideChainListen = 151,
    kTagGainMeter = 160,
    kTagSectionMeterAbove = 163,
    kTagSectionMeterBelow = 164,
    kTagPresetNameField = 165,
    kTagAuthor = 166,
    kTagCategoryField = 167,
    kTagSaveMessage = 168,
    kTagSaveConfirm = 169,
    kTagCloseSaveDialog = 170,
    kTagBrowserBackground = 171,
    kTagSortHeader = 172,
    kTagCloseBrowser = 174,
    kTagPresetTable = 175,
    kTagPresetScrollBar = 176,
    kTagOpenSettings = 177,
    kTagMouseOverHelp = 181,
    kTagZoom = 182,
    kTagCloseSettings = 186,
    kTagMessage = 187,
};

} // namespace velqa::editor
