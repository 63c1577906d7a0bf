#include "AdapterFixture.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST_F(AdapterTest, EffectSignalsAndRuleMovesReachTheHost)
{
    create();
    AudioEffectX* effect = adapter->getEffect();
    // Any vendor-specific call from the effect is a latency change.
    effect->hostVendorSpecific(kVendorLatencyChanged, 480, nullptr, 0);
    EXPECT_EQ(handler.restarts, std::vector<int32>{kLatencyChanged});
    EXPECT_TRUE(handler.edits.empty()); // signals are not parameters

    // Moves the effect's rules make on their own reach the host as edits of their own.
    effect->setParameterAutomated(19, 1.0f); // SoloBelow
    handler.edits.clear();
    effect->setParameterAutomated(20, 1.0f); // SoloAbove, which clears SoloBelow
    EXPECT_EQ(handler.edits, (std::vector<std::pair<ParamID, ParamValue>>{{20, 1.0}, {19, 0.0}}));
    EXPECT_EQ(adapter->getParamNormalized(19), 0.0);
}

TEST_F(AdapterTest, EffectSeesDefaultTransportUntilTheHostSendsOne)
{
    create();
    char word[] = "sizeWindow";
    EXPECT_EQ(adapter->getEffect()->canHostDo(word), 0);
    const VstTimeInfo* info = adapter->getEffect()->getTimeInfo(0);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->sampleRate, 44100.0);
    EXPECT_EQ(info->tempo, 120.0);
    EXPECT_EQ(info->timeSigNumerator, 4);
    EXPECT_EQ(info->timeSigDenominator, 4);
    EXPECT_EQ(info->flags, 1026);
}
