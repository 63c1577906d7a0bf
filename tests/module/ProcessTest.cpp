#include "VelqaModuleFixture.h"

#include "host/InterfaceQuery.h"
#include "host/MemoryStream.h"
#include "pluginterfaces/vst/ivstmidicontrollers.h"

#include <cmath>

using namespace Steinberg;
using velqa::host::MemoryStream;
using velqa::host::PluginInstance;

namespace
{
constexpr Vst::ParamID effectBypass = 99; // the effect's own switch: output equals input
constexpr Vst::ParamID outputVolume = 8;
constexpr Vst::ParamID lookaheadOn = 110;

void fillInputsWithRamp(PluginInstance& plugin)
{
    for (int bus = 0; bus < plugin.inputs().busCount(); ++bus)
        for (int c = 0; c < plugin.inputs().channelCount(bus); ++c)
            for (int i = 0; i < plugin.inputs().maxFrames(); ++i)
                plugin.inputs().channel(bus, c)[i] = 0.001f * static_cast<float>(i - c - 8 * bus);
}

bool mainOutputEqualsInput(PluginInstance& plugin, int frames)
{
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < frames; ++i)
            if (plugin.outputs().channel(0, c)[i] != plugin.inputs().channel(0, c)[i]) return false;
    return true;
}

std::vector<std::uint8_t> stateOf(PluginInstance& plugin)
{
    MemoryStream stream;
    EXPECT_EQ(plugin.getState(stream), kResultOk);
    return stream.bytes();
}
} // namespace

TEST_F(VelqaModule, OnlyTheLastPointOfAQueueIsApplied)
{
    auto run = [this](std::initializer_list<std::pair<int32, double>> points)
    {
        auto plugin = createRunningPlugin();
        if (!plugin) return std::vector<std::uint8_t>{};
        for (const auto& [offset, value] : points)
            plugin->inputChanges().add(outputVolume, offset, value);
        EXPECT_EQ(plugin->process(blockSize), kResultOk);
        return stateOf(*plugin);
    };
    const auto threePoints = run({{0, 0.1}, {100, 0.2}, {200, 0.9}});
    EXPECT_EQ(threePoints, run({{0, 0.9}}));
    EXPECT_NE(threePoints, run({{0, 0.1}}));
}

TEST_F(VelqaModule, ParameterFlushWithoutAudioIsApplied)
{
    auto plugin = createRunningPlugin();
    ASSERT_TRUE(plugin);
    const auto before = stateOf(*plugin);
    plugin->inputChanges().add(outputVolume, 0, 0.9);
    Vst::ProcessData flush{};
    flush.symbolicSampleSize = Vst::kSample32;
    flush.inputParameterChanges = &plugin->inputChanges();
    ASSERT_EQ(plugin->processor()->process(flush), kResultOk);
    EXPECT_NE(stateOf(*plugin), before);

    // Buses announced with no channels at all.
    Vst::AudioBusBuffers empty[2]{};
    flush.numInputs = 2;
    flush.numOutputs = 2;
    flush.inputs = empty;
    flush.outputs = empty;
    flush.numSamples = 16;
    EXPECT_EQ(plugin->processor()->process(flush), kResultOk);
}

TEST_F(VelqaModule, MidiControllersMapToTheirOwnParameterIds)
{
    auto plugin = createRunningPlugin();
    ASSERT_TRUE(plugin);
    auto* mapping = velqa::host::queryInterfaceOf<Vst::IMidiMapping>(plugin->component());
    ASSERT_NE(mapping, nullptr);
    Vst::ParamID id = 0;
    ASSERT_EQ(mapping->getMidiControllerAssignment(0, 2, Vst::kPitchBend, id), kResultOk);
    EXPECT_EQ(id, 11150u + 2 * 130 + 129);
    mapping->getMidiControllerAssignment(0, 7, Vst::kAfterTouch, id);
    EXPECT_EQ(id, 11150u + 7 * 130 + 128);
    mapping->getMidiControllerAssignment(0, 0, 7, id);
    EXPECT_EQ(id, 11157u);
    mapping->release();

    // Controller ids become MIDI for the effect and leave the audio alone.
    fillInputsWithRamp(*plugin);
    plugin->inputChanges().add(effectBypass, 0, 1.0);
    plugin->inputChanges().add(11150 + 2 * 130 + 129, 5, 0.75);
    plugin->inputChanges().add(11150 + 7, 0, 1.0);
    ASSERT_EQ(plugin->process(blockSize), kResultOk);
    EXPECT_TRUE(mainOutputEqualsInput(*plugin, blockSize));
}

// A refused set-up must leave the running configuration alone (here seen through the look-ahead
// latency, which follows the sample rate), and absurd rates are refused before any allocation.
TEST_F(VelqaModule, RefusedSetupsChangeNothing)
{
    auto plugin = createRunningPlugin();
    ASSERT_TRUE(plugin);
    plugin->inputChanges().add(lookaheadOn, 0, 1.0);
    plugin->inputChanges().add(109, 0, 1.0); // the longest look-ahead
    ASSERT_EQ(plugin->process(blockSize), kResultOk);
    const uint32 latency = plugin->processor()->getLatencySamples();
    const auto state = stateOf(*plugin);

    // Hosts ask before they choose; 64-bit samples are neither offered nor taken.
    EXPECT_EQ(plugin->processor()->canProcessSampleSize(Vst::kSample32), kResultOk);
    EXPECT_EQ(plugin->processor()->canProcessSampleSize(Vst::kSample64), kResultFalse);
    EXPECT_EQ(plugin->setupProcessing(2 * sampleRate, blockSize, Vst::kSample64), kResultFalse);
    for (double rate : {7999.0, 768001.0, 1e9, 2147483647.0})
        EXPECT_EQ(plugin->setupProcessing(rate, blockSize), kResultFalse) << rate;
    EXPECT_EQ(plugin->processor()->getLatencySamples(), latency);
    EXPECT_EQ(stateOf(*plugin), state);
    plugin->inputChanges().clear();
    EXPECT_EQ(plugin->setupProcessing(8000.0, blockSize), kResultOk);
}

TEST_F(VelqaModule, SilentOutputsAreFlaggedAndContextNeedsDeclared)
{
    auto plugin = createRunningPlugin();
    ASSERT_TRUE(plugin);
    auto* outputs = plugin->outputs().buses();
    plugin->inputs().fill(0.0f);
    for (int block = 0; block < 4; ++block) ASSERT_EQ(plugin->process(blockSize), kResultOk);
    for (int b = 0; b < plugin->outputs().busCount(); ++b)
        EXPECT_EQ(outputs[b].silenceFlags, 3u) << b;

    fillInputsWithRamp(*plugin);
    ASSERT_EQ(plugin->process(blockSize), kResultOk);
    EXPECT_EQ(outputs[0].silenceFlags, 0u);

    auto* requirements =
        velqa::host::queryInterfaceOf<Vst::IProcessContextRequirements>(plugin->component());
    ASSERT_NE(requirements, nullptr);
    EXPECT_EQ(requirements->getProcessContextRequirements(),
              Vst::IProcessContextRequirements::kNeedTempo);
    requirements->release();
}
