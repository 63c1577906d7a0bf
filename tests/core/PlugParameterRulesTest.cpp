#include "PlugProbe.h"

#include "VST3Adapter/AdapterMessages.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velqa;

namespace
{

constexpr VstInt32 kBelow3Gain = eqIndex(kSectionBelow, 2, kBandGain);
constexpr VstInt32 kBelow2Gain = eqIndex(kSectionBelow, 1, kBandGain);
constexpr VstInt32 kBelow2Freq = eqIndex(kSectionBelow, 1, kBandFreq);
constexpr VstInt32 kAbove2Gain = eqIndex(kSectionAbove, 1, kBandGain);
constexpr VstInt32 kAbove2Freq = eqIndex(kSectionAbove, 1, kBandFreq);

class PlugRules : public ::testing::Test
{
protected:
    HostRecorder host;
    ProbePlug plug{host};
};

} // namespace

TEST_F(PlugRules, BandGainSwitchesItsBandOnLeavingAndOffReturningToZeroDecibels)
{
    const VstInt32 mute = kEqMuteBelow1 + 2;
    ASSERT_EQ(plug.getParameter(mute), 1.0f);

    plug.setParameter(kBelow3Gain, kPlus3dB);
    EXPECT_EQ(plug.getParameter(mute), 0.0f);
    EXPECT_TRUE(plug.getEqBank(CPlug::kBankBelowL).isEnabled(2));

    plug.setParameter(kBelow3Gain, 0.5f);
    EXPECT_EQ(plug.getParameter(mute), 1.0f);
    EXPECT_FALSE(plug.getEqBank(CPlug::kBankBelowR).isEnabled(2));

    // Between two non-zero gains the switch is left alone, even when the user turned it off.
    plug.setParameter(kBelow3Gain, kMinus3dB);
    plug.setParameter(mute, 1.0f);
    plug.forget();
    plug.setParameter(kBelow3Gain, kPlus3dB);
    EXPECT_EQ(plug.callsOf(mute), 0);
    EXPECT_EQ(plug.getParameter(mute), 1.0f);
}

TEST_F(PlugRules, InverseLinkMirrorsGainsAndCopiesEverythingElseWithoutLinkingBack)
{
    plug.setParameter(kLink1 + 1, kLinkInverse);
    plug.forget();
    plug.setParameter(kBelow2Gain, 0.7f);
    EXPECT_FLOAT_EQ(plug.getParameter(kAbove2Gain), 0.3f);
    EXPECT_EQ(plug.callsOf(kAbove2Gain), 1);
    EXPECT_EQ(plug.callsOf(kBelow2Gain), 1);
    // The partner band came on by its own gain leaving 0 dB.
    EXPECT_EQ(plug.getParameter(kEqMuteAbove1 + 1), 0.0f);
    // The banks of the other section received the mirrored gain as a linear factor.
    EXPECT_NEAR(plug.getEqBank(CPlug::kBankAboveR).getSlot(1, CEqBank::kSlotGain),
                std::pow(4.0, 2 * 0.3 - 1), 1e-5);

    plug.setParameter(kBelow2Freq, 0.41f);
    EXPECT_EQ(plug.getParameter(kAbove2Freq), 0.41f);

    plug.setParameter(kLink1 + 1, kLinkOn);
    plug.setParameter(kAbove2Gain, 0.7f);
    EXPECT_EQ(plug.getParameter(kBelow2Gain), 0.7f);

    plug.setParameter(kLink1 + 1, 0.0f);
    plug.setParameter(kBelow2Gain, 0.2f);
    EXPECT_EQ(plug.getParameter(kAbove2Gain), 0.7f);
}

TEST_F(PlugRules, SuspendedOrRestoringLinksAndEditorOverrides)
{
    plug.setParameter(kLink1, kLinkOn);
    plug.setParameter(kSuspendLinks, 1.0f);
    EXPECT_TRUE(plug.areLinksSuspended());
    plug.setParameter(eqIndex(kSectionBelow, 0, kBandQ), 0.9f);
    EXPECT_NE(plug.getParameter(eqIndex(kSectionAbove, 0, kBandQ)), 0.9f);
    plug.setParameter(kSuspendLinks, 0.0f);

    // While a whole set is loaded neither links nor gains switch other parameters.
    plug.beginRestore();
    plug.forget();
    plug.setParameter(eqIndex(kSectionBelow, 0, kBandGain), kPlus3dB);
    plug.endRestore();
    EXPECT_EQ(plug.calls.size(), 1u);
    EXPECT_EQ(plug.getParameter(kEqMuteBelow1), 1.0f);

    // The editor's drag hand-over may force a mode the band does not have.
    plug.linkToPartner(eqIndex(kSectionAbove, 3, kBandGain), 0.8f, kLinkInverse);
    EXPECT_FLOAT_EQ(plug.getParameter(eqIndex(kSectionBelow, 3, kBandGain)), 0.2f);
    plug.linkToPartner(eqIndex(kSectionAbove, 3, kBandGain), 0.8f, -1.0f);
    EXPECT_FLOAT_EQ(plug.getParameter(eqIndex(kSectionBelow, 3, kBandGain)), 0.2f);
}

TEST_F(PlugRules, BandSwitchFollowsTheLinkButSolosNever)
{
    plug.setParameter(kLink1 + 3, kLinkOn);
    plug.setParameter(kEqMuteAbove1 + 3, 0.0f);
    EXPECT_EQ(plug.getParameter(kEqMuteBelow1 + 3), 0.0f);
    plug.setParameter(kEqMuteAbove1 + 3, 1.0f);
    EXPECT_EQ(plug.getParameter(kEqMuteBelow1 + 3), 1.0f);

    plug.setParameter(kEqSoloBelow1 + 3, 1.0f);
    EXPECT_EQ(plug.getParameter(kEqSoloAbove1 + 3), 0.0f);
}

TEST_F(PlugRules, AboveBandSoloClearsBelowSolosAndKeepsItsBandOn)
{
    plug.setParameter(kEqSoloBelow1, 1.0f);
    plug.setParameter(kEqSoloBelow1 + 2, 1.0f);
    EXPECT_TRUE(plug.isBelowSoloActive());
    EXPECT_EQ(plug.getParameter(kEqSoloBelow1 + 1), 0.0f);

    const VstInt32 solo = kEqSoloAbove1 + 1;
    const VstInt32 mute = kEqMuteAbove1 + 1;
    plug.setParameter(solo, 1.0f);
    for (VstInt32 b = 0; b < kBandsPerSection; ++b)
        EXPECT_EQ(plug.getParameter(kEqSoloBelow1 + b), 0.0f) << b;
    EXPECT_EQ(plug.getParameter(mute), 0.0f);
    EXPECT_FALSE(plug.isBelowSoloActive());
    EXPECT_TRUE(plug.isAboveSoloActive());
    EXPECT_TRUE(plug.getSignalPath().aboveBandSolo);
    EXPECT_TRUE(plug.getEqBank(CPlug::kBankAboveSoloL).isEnabled(1));
    EXPECT_FALSE(plug.getEqBank(CPlug::kBankBelowSoloR).isEnabled(0));

    plug.setParameter(mute, 1.0f);
    EXPECT_EQ(plug.getParameter(mute), 0.0f);
    EXPECT_TRUE(plug.getEqBank(CPlug::kBankAboveL).isEnabled(1));

    plug.setParameter(solo, 0.0f);
    EXPECT_FALSE(plug.isAboveSoloActive());
}

TEST_F(PlugRules, SectionSolosExcludeEachOtherAndSetTheBalance)
{
    plug.beginRestore();
    plug.setParameter(kBalance, 0.25f);
    plug.endRestore();
    EXPECT_EQ(plug.getSignalPath().balanceTarget, 0.25f);
    EXPECT_EQ(plug.getBalanceSmoother(1).y, 0.25f);

    plug.setParameter(kSoloBelow, 1.0f);
    EXPECT_EQ(plug.getSignalPath().balanceTarget, 0.0f);
    EXPECT_EQ(plug.getSignalPath().aboveGain, 0.0f);
    // Outside a load the smoothers glide instead of jumping.
    EXPECT_EQ(plug.getBalanceSmoother(0).y, 0.25f);

    plug.setParameter(kSoloAbove, 1.0f);
    EXPECT_EQ(plug.getParameter(kSoloBelow), 0.0f);
    EXPECT_EQ(plug.getSignalPath().balanceTarget, 1.0f);
    EXPECT_EQ(plug.getSignalPath().belowGain, 0.0f);
}

TEST_F(PlugRules, CrossedSideChainCutsDragEachOtherAndAskForARefresh)
{
    plug.setParameter(kHighCut, 0.4f);
    plug.forget();
    plug.setParameter(kLowCut, 0.6f);
    EXPECT_EQ(plug.getParameter(kHighCut), 0.6f);
    EXPECT_EQ(plug.callsOf(kRefreshRequest), 1);
    EXPECT_NEAR(plug.getSplitter().getHiCut(), 20.0 * std::pow(1000.0, 0.6), 0.01);

    plug.forget();
    plug.setParameter(kHighCut, 0.2f);
    EXPECT_EQ(plug.getParameter(kLowCut), 0.2f);
    EXPECT_EQ(plug.callsOf(kRefreshRequest), 1);
    EXPECT_NEAR(plug.getSplitter().getLoCut(), 20.0 * std::pow(1000.0, 0.2), 0.01);

    plug.forget();
    plug.setParameter(kLowCut, 0.1f);
    EXPECT_EQ(plug.callsOf(kRefreshRequest), 0);
}

TEST_F(PlugRules, SelectedBandBeyondNineResetsToZero)
{
    plug.setParameter(kSelectedEq, 9.0f / 128);
    EXPECT_EQ(plug.getParameter(kSelectedEq), 9.0f / 128);
    plug.setParameter(kSelectedEq, 10.0f / 128);
    EXPECT_EQ(plug.getParameter(kSelectedEq), 0.0f);
}

TEST_F(PlugRules, LatencyIsLookaheadWhileActiveAndZeroWhenBypassed)
{
    plug.setSampleRate(48000.0f);
    host.vendorCalls.clear();
    plug.setParameter(kLookaheadOn, 1.0f);
    EXPECT_EQ(plug.getAeffect()->initialDelay, 4800);
    ASSERT_EQ(host.vendorCalls.size(), 1u);
    EXPECT_EQ(host.vendorCalls[0].first, kVendorLatencyChanged);
    EXPECT_EQ(host.vendorCalls[0].second, 4800);

    plug.setParameter(kBypass, 1.0f);
    EXPECT_EQ(plug.getAeffect()->initialDelay, 0);
    EXPECT_EQ(host.vendorCalls.back().second, 0);
    plug.setParameter(kBypass, 0.0f);
    EXPECT_EQ(plug.getAeffect()->initialDelay, 4800);

    plug.setParameter(kLookaheadOn, 0.0f);
    EXPECT_EQ(plug.getAeffect()->initialDelay, 0);
}

TEST_F(PlugRules, ValuesReachTheObjectsTheyDrive)
{
    plug.setParameter(kDyna, 0.75f);
    EXPECT_NEAR(plug.getSplitter().getThreshold(), 0.5f, 1e-6);
    plug.setParameter(kRatio, 1.0f);
    EXPECT_FLOAT_EQ(plug.getSplitter().getRatio(), 100.0f);
    plug.setParameter(eqIndex(kSectionAbove, 4, kBandState), 1.0f);
    EXPECT_EQ(plug.getEqBank(CPlug::kBankAboveSoloR).getSlot(4, CEqBank::kSlotKind), 3.0f / 128);
    EXPECT_EQ(plug.getEqBank(CPlug::kBankBelowL).getSlot(4, CEqBank::kSlotKind), 2.0f / 128);

    plug.setParameter(kOnAbove, 0.0f);
    EXPECT_FALSE(plug.getEqBank(CPlug::kBankAboveR).isOn());
    EXPECT_TRUE(plug.getEqBank(CPlug::kBankBelowR).isOn());

    plug.setParameter(kMixAbove, 0.25f);
    EXPECT_EQ(plug.getSectionProcessor(kSectionAbove).getDryMix(), 0.75f);
    plug.setParameter(kTypeBelow, 0.5f);
    EXPECT_EQ(plug.getSectionProcessor(kSectionBelow).getSaturationMode(), 1);
    plug.setParameter(kWidthBelowOn, 1.0f);
    EXPECT_TRUE(plug.getSectionProcessor(kSectionBelow).isWidthOn());
    EXPECT_FALSE(plug.getSectionProcessor(kSectionAbove).isWidthOn());

    plug.setParameter(kPanAbove, 0.0f);
    EXPECT_NEAR(plug.getSignalPath().panAboveL, std::sqrt(2.0f), 1e-6);
    EXPECT_NEAR(plug.getSignalPath().panAboveR, 0.0f, 1e-6);

    plug.setParameter(kAnalyserWeighting, 4.0f / 128);
    EXPECT_TRUE(plug.getAnalyser(kSectionAbove).isTiltOn());
    EXPECT_EQ(plug.getAnalyser(kSectionBelow).getTiltSlope(), 6.0f);
    EXPECT_EQ(plug.getAnalyser(kSectionBelow).getTiltPivot(), 1000.0f);
    plug.setParameter(kAnalyserOffset, 2.0f / 128);
    EXPECT_EQ(plug.getAnalyser(kSectionAbove).getDisplayGainDb(), 24.0f);

    plug.setParameter(kOversamplingFactor, 2.0f / 128);
    EXPECT_EQ(plug.getOversampling().factorRequested, 8);
    EXPECT_TRUE(plug.getOversampling().osChangePending);
    plug.setParameter(kOversamplingOn, 1.0f);
    EXPECT_TRUE(plug.getOversampling().osOnRequested);
    // Only the audio path puts a request into use.
    EXPECT_EQ(plug.getOversampling().factorInUse, 1);
}

TEST_F(PlugRules, MessagesActWithoutBeingStoredAndStrayIndicesAreIgnored)
{
    plug.setParameter(kSideChainListen, 1.0f);
    EXPECT_TRUE(plug.getSignalPath().sideChainListen);
    EXPECT_EQ(plug.getParameter(kSideChainListen), 0.0f);
    EXPECT_EQ(plug.getParameter(kSideChainPresent), 0.0f);

    for (VstInt32 index : {-70099, -1, 161, 176, 1000, 1160, 5000})
    {
        plug.setParameter(index, 0.9f);
        EXPECT_EQ(plug.getParameter(index), 0.0f) << index;
    }
    // Values that a corrupt state could carry are applied without harm.
    for (VstInt32 index = 0; index < kStoredParameterCount; ++index) plug.setParameter(index, NAN);
    plug.setParameter(kOversamplingFactor, 1e9f);
    EXPECT_EQ(plug.getOversampling().factorRequested, 16);
}
