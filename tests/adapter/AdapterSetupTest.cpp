#include "AdapterFixture.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST_F(AdapterTest, EffectSignalsAndRuleMovesReachTheHost)
{
    create();
    AudioEffectX* effect = adapter->getEffect();
    // Any vendor-specific call from the effect is a latency change.
    effect->hostVendorSpecific(kVendorLatencyChanged, 480, nullptr, 0);
    const auto calls = handler.calls();
    ASSERT_EQ(calls.size(), 1u); // signals are not parameters
    EXPECT_EQ(calls[0].kind, velqa::host::ComponentHandlerRecorder::Kind::restartComponent);
    EXPECT_EQ(calls[0].flags, kLatencyChanged);

    // Moves the effect's rules make on their own reach the host as edits of their own.
    effect->setParameterAutomated(19, 1.0f); // SoloBelow
    handler.clear();
    effect->setParameterAutomated(20, 1.0f); // SoloAbove, which clears SoloBelow
    EXPECT_EQ(edits(), (Edits{{20, 1.0}, {19, 0.0}}));
    EXPECT_EQ(adapter->getParamNormalized(19), 0.0);
}
