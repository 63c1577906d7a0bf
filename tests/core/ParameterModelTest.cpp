#include "code/ParameterDisplay.h"
#include "code/ParameterIndex.h"
#include "code/ParameterMapping.h"
#include "code/ParameterTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

using namespace velqa;

namespace
{

std::string display(int32_t index, float v)
{
    char text[kParameterTextCapacity + 8];
    std::memset(text, '#', sizeof(text));
    formatParameter(index, text, v);
    return text;
}

} // namespace

TEST(ParameterTable, NumberedFamiliesLandOnTheirIndices)
{
    EXPECT_STREQ(kParameterTable[25].name, "EqSoloBelow3");
    EXPECT_STREQ(kParameterTable[42].name, "EqMuteAbove5");
    EXPECT_STREQ(kParameterTable[67].name, "EQBelow5Spare");
    EXPECT_STREQ(kParameterTable[90].name, "EQAbove5Gain");
    EXPECT_STREQ(kParameterTable[97].name, "Link5");
    EXPECT_STREQ(kParameterTable[kHostSpare].name, "");
    for (int32_t b = 0; b < kBandsPerSection; ++b)
    {
        EXPECT_EQ(kParameterTable[kEqMuteAbove1 + b].defaultValue, 1.0f);
        EXPECT_EQ(kParameterTable[eqIndex(kSectionAbove, b, kBandGain)].valueClass, kClassGain);
        EXPECT_EQ(kParameterTable[eqIndex(kSectionBelow, b, kBandSpare)].valueClass, kClassSpare);
    }
    EXPECT_FLOAT_EQ(kParameterTable[eqIndex(kSectionAbove, 0, kBandState)].defaultValue, 1.0f);
    EXPECT_FLOAT_EQ(kParameterTable[eqIndex(kSectionBelow, 3, kBandFreq)].defaultValue, 0.666667f);
}

TEST(ParameterMapping, ThresholdCurveIsContinuousAndInvertible)
{
    EXPECT_NEAR(thresholdCurve(0.0f), 0.001f, 1e-9);
    EXPECT_NEAR(thresholdCurve(0.25f), 0.015625f, 1e-7);
    EXPECT_NEAR(thresholdCurve(0.5f), 0.125f, 1e-7);
    EXPECT_NEAR(thresholdCurve(0.75f), 0.5f, 1e-6);
    EXPECT_NEAR(thresholdCurve(1.0f), 1.0f, 1e-6);
    for (float v = 0.0f; v <= 1.0f; v += 0.01f)
        EXPECT_NEAR(thresholdToNormalised(thresholdCurve(v)), v, 2e-5) << v;
    EXPECT_EQ(thresholdToNormalised(0.0005f), 0.0f);
    EXPECT_EQ(thresholdToNormalised(NAN), 0.0f);
    // The meters show levels on the same scale.
    EXPECT_EQ(thresholdToNormalised(0.0009f), 0.0f);
    EXPECT_EQ(thresholdToNormalised(-1.0f), 0.0f);
    EXPECT_GT(thresholdToNormalised(1.5f), 1.0f) << "above full scale the meter clips";
    const float edges[] = {0.001f, 1.0f / 64, 1.0f / 8, 0.5f, 1.0f};
    for (int q = 0; q < 5; ++q)
    {
        EXPECT_NEAR(thresholdToNormalised(edges[q]), 0.25f * q, 1e-6f) << q;
        // Continuous across each edge: no step where one log span hands over to the next.
        EXPECT_NEAR(thresholdToNormalised(edges[q] * 0.9999f), 0.25f * q, 1e-4f) << q;
    }
}

TEST(ParameterMapping, PartnersBandTypesPanAndBalance)
{
    EXPECT_EQ(partnerIndex(43), 68);
    EXPECT_EQ(partnerIndex(67), 92);
    EXPECT_EQ(partnerIndex(68), 43);
    EXPECT_EQ(partnerIndex(92), 67);

    EXPECT_EQ(bandTypeCode(0.0f), 2.0f / 128);
    EXPECT_EQ(bandTypeCode(0.5f), 1.0f / 128);
    EXPECT_EQ(bandTypeCode(1.0f), 3.0f / 128);

    // The pan and balance laws are held to the rendered output by the output-stage tests.
    EXPECT_EQ(balanceTarget(0.3f, 1.0f, 1.0f), 0.0f);
    EXPECT_EQ(balanceTarget(0.3f, 0.0f, 1.0f), 1.0f);

    EXPECT_EQ(choiceOf(NAN), 0);
    EXPECT_EQ(choiceOf(1e30f), 2147483647);
}

TEST(ParameterDisplay, TextsOfTheParameterList)
{
    EXPECT_EQ(display(kDyna, 0.5f), "-18 dB");
    EXPECT_EQ(display(kPanBelow, 0.0f), "L");
    EXPECT_EQ(display(kPanBelow, 0.25f), "L50");
    EXPECT_EQ(display(kPanAbove, 0.5f), "C");
    EXPECT_EQ(display(kPanAbove, 0.75f), "R50");
    EXPECT_EQ(display(kSidechainBalance, 0.5f), "Int 50 Ext 50");
    EXPECT_EQ(display(kSidechainBalance, 1.0f), "Extern");
    EXPECT_EQ(display(kTypeBelow, 0.6f), "TUBE");
    EXPECT_EQ(display(kRelease, kParameterTable[kRelease].defaultValue), "100.0 ms");
    EXPECT_EQ(display(kRelease, 1.0f), "2.500 s");
    // The ratio the detector applies, 1 + 99 v^2.
    EXPECT_EQ(display(kRatio, 0.5f), "26:1");
    EXPECT_EQ(display(kRatio, 0.1f), "2.0:1");
    EXPECT_EQ(display(kRatio, 1.0f), "100:1");
    EXPECT_EQ(display(kAttack, kParameterTable[kAttack].defaultValue), "20.0 ms");
    EXPECT_EQ(display(kLowCut, 1.0f), "20.0 kHz");
    EXPECT_EQ(display(44, 1.0f), "20.00 kHz");
    EXPECT_EQ(display(45, 0.5f), "0.00 dB");
    EXPECT_EQ(display(kOutVol, 1.0f), "12.0 dB");
    EXPECT_EQ(display(kWidthBelow, 0.5f), "100");
    EXPECT_EQ(display(kLookahead, 0.1f), "010 ms");
    EXPECT_EQ(display(43, 1.0f), "100");
    // The extended-index rules stop at Lookahead: 113 keeps its percent text.
    EXPECT_EQ(display(kHostSpare, 1.0f), "100");
}

TEST(ParameterDisplay, BalanceTextNamesBelowLeftAndAboveRight)
{
    EXPECT_EQ(display(kBalance, 0.5f), "0 / 0 dB");
    EXPECT_EQ(display(kBalance, 0.0f), "0 / -oo dB");
    EXPECT_EQ(display(kBalance, 1.0f), "-oo / 0 dB");
    EXPECT_EQ(display(kBalance, 0.25f), "0 / -6.0 dB");
    EXPECT_EQ(display(kBalance, 0.75f), "-6.0 / 0 dB");
}

TEST(ParameterDisplay, EveryIndexFitsItsTextForAnyValue)
{
    for (int32_t index = -1; index <= 200; ++index)
        for (float v : {0.0f, 0.5f, 1.0f, -3.0f, 1e30f, NAN, INFINITY})
        {
            char text[kParameterTextCapacity + 8];
            std::memset(text, '#', sizeof(text));
            formatParameter(index, text, v);
            const size_t length = strnlen(text, sizeof(text));
            ASSERT_LT(length, kParameterTextCapacity) << index << " " << v;
            for (size_t k = kParameterTextCapacity; k < sizeof(text); ++k)
                ASSERT_EQ(text[k], '#') << index;
            if (v >= 0.0f && v <= 1.0f)
            {
                EXPECT_GT(length, 0u) << index;
            }
        }
}
