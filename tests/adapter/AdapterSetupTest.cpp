#include "AdapterFixture.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

TEST_F(AdapterTest, NormalHostSeesSectionBusesSideChainAndMidi)
{
    create();
    ASSERT_EQ(adapter->getBusCount(kAudio, kInput), 2);
    EXPECT_EQ(busName(kInput, 0), "Velqa In 1");
    EXPECT_EQ(busName(kInput, 1), "Side Chain");
    ASSERT_EQ(adapter->getBusCount(kAudio, kOutput), 5);
    const char* outputs[] = {"Velqa Out", "Above Wet Out", "Below Wet Out", "Above Dry Out",
                             "Below Dry Out"};
    for (int32 i = 0; i < 5; ++i) EXPECT_EQ(busName(kOutput, i), outputs[i]);
    ASSERT_EQ(adapter->getBusCount(kEvent, kInput), 1);
    EXPECT_EQ(busName(kInput, 0, kEvent), "MIDI In");

    BusInfo sideChain{};
    adapter->getBusInfo(kAudio, kInput, 1, sideChain);
    EXPECT_EQ(sideChain.busType, kAux);
    EXPECT_EQ(sideChain.flags & BusInfo::kDefaultActive, 0u);
    EXPECT_EQ(sideChain.channelCount, 2);
}

TEST_F(AdapterTest, ScannerHostSeesOnePlainPair)
{
    create("Acme PluginScanner 2");
    ASSERT_EQ(adapter->getBusCount(kAudio, kInput), 2);
    EXPECT_EQ(busName(kInput, 0), "IN");
    EXPECT_EQ(busName(kInput, 1), "Side Chain");
    ASSERT_EQ(adapter->getBusCount(kAudio, kOutput), 1);
    EXPECT_EQ(busName(kOutput, 0), "OUT");
    EXPECT_EQ(busName(kInput, 0, kEvent), "MIDI In");

    // A scanner's arrangement rebuilds the buses; an unusable side chain is forced to stereo.
    SpeakerArrangement ins[] = {SpeakerArr::kStereo, SpeakerArr::k51};
    SpeakerArrangement outs[] = {SpeakerArr::kStereo};
    EXPECT_EQ(adapter->setBusArrangements(ins, 2, outs, 1), kResultFalse);
    SpeakerArrangement sideChain = 0;
    adapter->getBusArrangement(kInput, 1, sideChain);
    EXPECT_EQ(sideChain, SpeakerArr::kStereo);
    EXPECT_EQ(busName(kInput, 0), "Velqa in");
    EXPECT_EQ(busName(kOutput, 0), "Velqa out");
}

TEST_F(AdapterTest, EffectEditsReachTheHost)
{
    create();
    AudioEffectX* effect = adapter->getEffect();
    effect->beginEdit(7);
    effect->setParameterAutomated(7, 0.25f);
    effect->endEdit(7);
    ASSERT_EQ(handler.edits.size(), 1u);
    EXPECT_EQ(handler.edits[0].first, 7u);
    EXPECT_FLOAT_EQ(handler.edits[0].second, 0.25);
    EXPECT_EQ(handler.begun, std::vector<ParamID>{7});
    EXPECT_EQ(handler.ended, std::vector<ParamID>{7});
    EXPECT_FLOAT_EQ(adapter->getParamNormalized(7), 0.25);

    // Any vendor-specific call from the effect is a latency change.
    effect->hostVendorSpecific(kVendorLatencyChanged, 480, nullptr, 0);
    EXPECT_EQ(handler.restarts, std::vector<int32>{kLatencyChanged});
    EXPECT_TRUE(handler.edits.size() == 1u); // signals are not parameters

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
