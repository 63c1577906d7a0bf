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
    kTagAuthor = 166,
    kTagOpenSettings = 177,
    kTagMouseOverHelp = 181,
    kTagZoom = 182,
    kTagCloseSettings = 186,
    kTagMessage = 187,
};

} // namespace velqa::editor
