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

TEST_F(AdapterTest, MainBusesMustBeMonoOrStereo)
{
    create();
    SpeakerArrangement surround[] = {SpeakerArr::k51};
    SpeakerArrangement stereo[] = {SpeakerArr::kStereo, SpeakerArr::kStereo};
    EXPECT_EQ(adapter->setBusArrangements(surround, 1, stereo, 1), kResultFalse);
    EXPECT_EQ(adapter->setBusArrangements(stereo, 1, surround, 1), kResultFalse);
    EXPECT_EQ(adapter->setBusArrangements(stereo, 2, stereo, 1), kResultOk);
    EXPECT_EQ(adapter->setBusArrangements(nullptr, 1, stereo, 1), kInvalidArgument);
    EXPECT_EQ(adapter->getBusCount(kAudio, kOutput), 5); // the declared buses stay
}

TEST_F(AdapterTest, ParameterListFollowsTheEffect)
{
    create();
    ASSERT_EQ(adapter->getParameterCount(), 114 + 1 + 1041);

    ParameterInfo info{};
    ASSERT_EQ(adapter->getParameterInfo(0, info), kResultOk);
    EXPECT_EQ(info.id, 0u);
    EXPECT_EQ(info.flags, ParameterInfo::kCanAutomate);
    EXPECT_EQ(info.defaultNormalizedValue, 0.5);
    EXPECT_EQ(info.stepCount, 0);
    ASSERT_EQ(adapter->getParameterInfo(108, info), kResultOk);
    EXPECT_EQ(info.flags, 0); // the effect refuses automation of this one

    ASSERT_EQ(adapter->getParameterInfo(114, info), kResultOk);
    EXPECT_EQ(info.id, 1114u);
    EXPECT_EQ(info.flags, ParameterInfo::kIsBypass);
    EXPECT_EQ(adapter->getBypassParamId(), 1114u);

    ASSERT_EQ(adapter->getParameterInfo(115, info), kResultOk);
    EXPECT_EQ(info.id, 11150u);
    ASSERT_EQ(adapter->getParameterInfo(1155, info), kResultOk);
    EXPECT_EQ(info.id, 12190u);
    EXPECT_EQ(info.flags, 0);

    ParamID id = 0;
    ASSERT_EQ(adapter->getMidiControllerAssignment(0, 2, 129, id), kResultOk);
    EXPECT_EQ(id, 11150u + 2 * 130 + 129);
    EXPECT_EQ(adapter->getMidiControllerAssignment(0, 8, 1, id), kResultFalse);
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

TEST_F(AdapterTest, DisplayTextLeavesTheValueAlone)
{
    create();
    AudioEffectX* effect = adapter->getEffect();
    const float before = effect->getParameter(3);
    String128 text = {};
    ASSERT_EQ(adapter->getParamStringByValue(3, 0.9, text), kResultOk);
    EXPECT_NE(text[0], 0);
    EXPECT_EQ(effect->getParameter(3), before);
}

TEST_F(AdapterTest, ProcessingRefusesDoublesAndBadSetups)
{
    create();
    EXPECT_EQ(adapter->canProcessSampleSize(kSample64), kResultFalse);
    ProcessSetup doubles{kRealtime, kSample64, 64, 48000.0};
    EXPECT_EQ(adapter->setupProcessing(doubles), kResultFalse);
    ProcessSetup empty{kRealtime, kSample32, 0, 48000.0};
    EXPECT_NE(adapter->setupProcessing(empty), kResultOk);
    EXPECT_EQ(setup(), kResultOk);
    EXPECT_EQ(adapter->getLatencySamples(), 0u);
}
