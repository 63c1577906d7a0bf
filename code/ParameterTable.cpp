#include "code/ParameterTable.h"

#include <array>

namespace velqa
{
namespace
{

using Table = std::array<ParameterRecord, kStoredParameterCount>;

constexpr void put(Table& table, int32_t index, const char* name, float defaultValue,
                   int32_t valueClass)
{
    ParameterRecord& record = table[index];
    int32_t n = 0;
    for (; name[n] != 0 && n < 35; ++n) record.name[n] = name[n];
    for (; n < 36; ++n) record.name[n] = 0;
    record.defaultValue = defaultValue;
    record.valueClass = valueClass;
}

// name = prefix + digit + suffix, for the numbered families of names.
constexpr void putNumbered(Table& table, int32_t index, const char* prefix, int32_t number,
                           const char* suffix, float defaultValue, int32_t valueClass)
{
    char name[36] = {};
    int32_t n = 0;
    for (int32_t i = 0; prefix[i] != 0; ++i) name[n++] = prefix[i];
    name[n++] = static_cast<char>('0' + number);
    for (int32_t i = 0; suffix[i] != 0; ++i) name[n++] = suffix[i];
    put(table, index, name, defaultValue, valueClass);
}

constexpr float kBandStateDefaults[kBandsPerSection] = {1.0f, 0.5f, 0.5f, 0.5f, 0.0f};
constexpr float kBandFreqDefaults[kBandsPerSection] = {0.15904f, 0.333333f, 0.492374f, 0.666667f,
                                                       0.799313f};
constexpr float kGainCentre = 0.5f;
constexpr float kQOfOne = 0.310345f;

constexpr void putSection(Table& table, const char* prefix, const char* mutePrefix,
                          const char* soloPrefix, int32_t soloBase, int32_t muteBase,
                          int32_t eqBase)
{
    for (int32_t b = 0; b < kBandsPerSection; ++b)
    {
        putNumbered(table, soloBase + b, soloPrefix, b + 1, "", 0.0f, kClassNone);
        putNumbered(table, muteBase + b, mutePrefix, b + 1, "", 1.0f, kClassNone);
        const int32_t first = eqBase + b * kFieldsPerBand;
        putNumbered(table, first + kBandState, prefix, b + 1, "State", kBandStateDefaults[b],
                    kClassBandType);
        putNumbered(table, first + kBandFreq, prefix, b + 1, "Freq", kBandFreqDefaults[b],
                    kClassFrequency);
        putNumbered(table, first + kBandGain, prefix, b + 1, "Gain", kGainCentre, kClassGain);
        putNumbered(table, first + kBandQ, prefix, b + 1, "Q", kQOfOne, kClassQ);
        putNumbered(table, first + kBandSpare, prefix, b + 1, "Spare", 0.0f, kClassSpare);
    }
}

constexpr Table buildTable()
{
    Table t{};
    put(t, kDyna, "Dyna", 0.5f, kClassNone);
    put(t, kAttack, "Attack", 0.199199f, kClassNone);
    put(t, kRelease, "Release", 0.039616f, kClassNone);
    put(t, kRatio, "Ratio", 0.090909f, kClassNone);
    put(t, kBalance, "Balance", 0.5f, kClassNone);
    put(t, kLowCut, "LowCut", 0.0f, kClassNone);
    put(t, kHighCut, "HighCut", 1.0f, kClassNone);
    put(t, kMix, "Mix", 1.0f, kClassNone);
    put(t, kOutVol, "OutVol", 0.5f, kClassNone);
    put(t, kSatBelow, "SatBelow", 0.0f, kClassNone);
    put(t, kColBelow, "ColBelow", 0.5f, kClassNone);
    put(t, kMixBelow, "MixBelow", 1.0f, kClassNone);
    put(t, kSatOnBelow, "SatOnBelow", 0.0f, kClassNone);
    put(t, kWidthBelow, "WidthBelow", 0.5f, kClassWidth);
    put(t, kSatAbove, "SatAbove", 0.0f, kClassNone);
    put(t, kColAbove, "ColAbove", 0.5f, kClassNone);
    put(t, kMixAbove, "MixAbove", 1.0f, kClassNone);
    put(t, kSatOnAbove, "SatOnAbove", 0.0f, kClassNone);
    put(t, kWidthAbove, "WidthAbove", 0.5f, kClassWidth);
    put(t, kSoloBelow, "SoloBelow", 0.0f, kClassNone);
    put(t, kSoloAbove, "SoloAbove", 0.0f, kClassNone);
    put(t, kOnBelow, "OnBelow", 1.0f, kClassNone);
    put(t, kOnAbove, "OnAbove", 1.0f, kClassNone);
    putSection(t, "EQBelow", "EqMuteBelow", "EqSoloBelow", kEqSoloBelow1, kEqMuteBelow1,
               kEqBelowBase);
    putSection(t, "EQAbove", "EqMuteAbove", "EqSoloAbove", kEqSoloAbove1, kEqMuteAbove1,
               kEqAboveBase);
    for (int32_t b = 0; b < kBandsPerSection; ++b)
        putNumbered(t, kLink1 + b, "Link", b + 1, "", 0.0f, kClassNone);
    put(t, kFuture, "future", 0.0f, kClassSpare);
    put(t, kBypass, "Bypass", 0.0f, kClassNone);
    put(t, kPanBelow, "PanBelow", 0.5f, kClassPan);
    put(t, kPanAbove, "PanAbove", 0.5f, kClassPan);
    put(t, kSidechainOn, "SidechainOn", 0.0f, kClassNone);
    put(t, kSidechainBalance, "SidechainBalance", 1.0f, kClassSideChainBalance);
    put(t, kWidthAboveOn, "WidthAboveOn", 0.0f, kClassNone);
    put(t, kWidthBelowOn, "WidthBelowOn", 0.0f, kClassNone);
    put(t, kPanAboveOn, "PanAboveOn", 0.0f, kClassNone);
    put(t, kPanBelowOn, "PanBelowOn", 0.0f, kClassNone);
    put(t, kSelectedEq, "SelectedEq", 0.0f, kClassNone);
    put(t, kLookahead, "Lookahead", 0.1f, kClassNone);
    put(t, kLookaheadOn, "LookaheadOn", 0.0f, kClassNone);
    put(t, kTypeBelow, "TypeBelow", 0.0f, kClassSaturationType);
    put(t, kTypeAbove, "TypeAbove", 0.0f, kClassSaturationType);
    put(t, kHostSpare, "", 1.0f, kClassNone);
    for (int32_t i = kAnalyserWeighting; i <= kOversamplingOn; ++i) put(t, i, "", 0.0f, kClassNone);
    for (int32_t i = kOversamplingOn + 1; i < kStoredParameterCount; ++i)
        put(t, i, "", 0.0f, kClassSpare);
    return t;
}

} // namespace

constinit const std::array<ParameterRecord, kStoredParameterCount> kParameterTable = buildTable();

int32_t mappedClassOf(int32_t index)
{
    if (!isStored(index)) return 0;
    const int32_t valueClass = kParameterTable[index].valueClass & 0xF;
    return valueClass >= kClassFrequency && valueClass <= kClassSaturationType ? valueClass : 0;
}

} // namespace velqa
