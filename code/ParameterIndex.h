#pragma once

#include <cstdint>

namespace velqa
{

constexpr int32_t kStoredParameterCount = 161;
constexpr int32_t kHostParameterCount = 114;
constexpr int32_t kBandsPerSection = 5;
constexpr int32_t kFieldsPerBand = 5;
constexpr int32_t kFieldsPerSection = kBandsPerSection * kFieldsPerBand;

// Stored parameters, in table order.
enum ParameterIndex : int32_t
{
    kDyna = 0,
    kAttack = 1,
    kRelease = 2,
    kRatio = 3,
    kBalance = 4,
    kLowCut = 5,
    kHighCut = 6,
    kMix = 7,
    kOutVol = 8,
    kSatBelow = 9,
    kColBelow = 10,
    kMixBelow = 11,
    kSatOnBelow = 12,
    kWidthBelow = 13,
    kSatAbove = 14,
    kColAbove = 15,
    kMixAbove = 16,
    kSatOnAbove = 17,
    kWidthAbove = 18,
    kSoloBelow = 19,
    kSoloAbove = 20,
    kOnBelow = 21,
    kOnAbove = 22,
    kEqSoloBelow1 = 23,
    kEqMuteBelow1 = 28,
    kEqSoloAbove1 = 33,
    kEqMuteAbove1 = 38,
    kEqBelowBase = 43,
    kEqAboveBase = 68,
    kLink1 = 93,
    kFuture = 98,
    kBypass = 99,
    kPanBelow = 100,
    kPanAbove = 101,
    kSidechainOn = 102,
    kSidechainBalance = 103,
    kWidthAboveOn = 104,
    kWidthBelowOn = 105,
    kPanAboveOn = 106,
    kPanBelowOn = 107,
    kSelectedEq = 108,
    kLookahead = 109,
    kLookaheadOn = 110,
    kTypeBelow = 111,
    kTypeAbove = 112,
    kHostSpare = 113,
    kAnalyserWeighting = 114,
    kAnalyserOffset = 115,
    kOversamplingFactor = 116,
    kOversamplingOn = 117,
};

// Indices above the stored set carry messages between core, signal path and editor.
enum MessageIndex : int32_t
{
    kMeterDetectorLevel = 163,
    kMeterInputLeft = 164,
    kMeterInputRight = 165,
    kMeterOutputLeft = 166,
    kMeterOutputRight = 167,
    kMeterMinimumGain = 168,
    kMeterBelow = 173,
    kMeterAbove = 174,
    kSideChainListen = 175,
    kSuspendLinks = 177,
    kCompareLoading = 178,
    kRefreshRequest = 183,
    kSideChainPresent = 184,
    kStateApplied = 185,
    kHostNameKnown = 187,
    kResizeViews = 188,
};

// The five fields of an equaliser band, in slot order.
enum BandField : int32_t
{
    kBandState = 0,
    kBandFreq = 1,
    kBandGain = 2,
    kBandQ = 3,
    kBandSpare = 4,
};

enum Section : int32_t
{
    kSectionBelow = 0,
    kSectionAbove = 1,
};

// band is 0-based.
constexpr int32_t eqIndex(Section section, int32_t band, BandField field)
{
    return (section == kSectionBelow ? kEqBelowBase : kEqAboveBase) + band * kFieldsPerBand + field;
}

constexpr bool isStored(int32_t index)
{
    return index >= 0 && index < kStoredParameterCount;
}
constexpr bool inRange(int32_t index, int32_t first, int32_t count)
{
    return index >= first && index < first + count;
}

} // namespace velqa
