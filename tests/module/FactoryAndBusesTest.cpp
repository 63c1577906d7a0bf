#include "VelqaModuleFixture.h"

#include "host/FactoryDescription.h"

#include <cmath>
#include <cstring>

using namespace Steinberg;
using velqa::host::BusDescription;

namespace
{
std::vector<std::string> names(const std::vector<BusDescription>& buses)
{
    std::vector<std::string> out;
    for (const auto& bus : buses) out.push_back(bus.name);
    return out;
}
} // namespace

TEST_F(VelqaModule, FactoryAndClassIdentifyTheProduct)
{
    const auto factory = velqa::host::describeFactory(module->factory());
    EXPECT_EQ(factory.vendor, "Kestrune Audio");
    EXPECT_EQ(factory.flags, PFactoryInfo::kUnicode);
    ASSERT_EQ(factory.classes.size(), 1u);
    const auto& c = factory.classes[0];
    EXPECT_EQ(c.idText, "3B9F6E21C4A75D08E1F2A93C6D5B8047");
    const unsigned char memoryOrder[16] = {0x21, 0x6E, 0x9F, 0x3B, 0xA7, 0xC4, 0x08, 0x5D,
                                           0xE1, 0xF2, 0xA9, 0x3C, 0x6D, 0x5B, 0x80, 0x47};
    EXPECT_EQ(std::memcmp(c.classId, memoryOrder, 16), 0);
    EXPECT_EQ(c.name, "Velqa");
    EXPECT_EQ(c.category, "Audio Module Class");
    EXPECT_EQ(c.subCategories, "Fx|EQ");
    EXPECT_EQ(c.version, "2.6.4.0");
    EXPECT_EQ(c.sdkVersion, "VST 3.5.2");
    EXPECT_EQ(c.vendor, "");
    EXPECT_EQ(c.cardinality, 0x7FFFFFFF);
    EXPECT_GE(c.infoLevel, 2);

    // A second load of the same library gets the same factory, with its own reference.
    auto second = velqa::host::Module::load(testBundle());
    ASSERT_TRUE(second.module);
    EXPECT_EQ(second.module->factory(), module->factory());
}

TEST_F(VelqaModule, NormalHostSeesAllBuses)
{
    auto plugin = createPlugin();
    ASSERT_TRUE(plugin);
    const auto inputs = plugin->buses(Vst::kAudio, Vst::kInput);
    const auto outputs = plugin->buses(Vst::kAudio, Vst::kOutput);
    const auto events = plugin->buses(Vst::kEvent, Vst::kInput);

    EXPECT_EQ(names(inputs), (std::vector<std::string>{"Velqa In 1", "Side Chain"}));
    EXPECT_EQ(names(outputs),
              (std::vector<std::string>{"Velqa Out", "Above Wet Out", "Below Wet Out",
                                        "Above Dry Out", "Below Dry Out"}));
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_FALSE(inputs[0].isAuxiliary());
    EXPECT_TRUE(inputs[0].isDefaultActive());
    EXPECT_TRUE(inputs[1].isAuxiliary());
    EXPECT_FALSE(inputs[1].isDefaultActive());
    for (const auto& bus : inputs) EXPECT_EQ(bus.channelCount, 2) << bus.name;
    for (const auto& bus : outputs)
    {
        EXPECT_EQ(bus.channelCount, 2) << bus.name;
        EXPECT_TRUE(bus.isDefaultActive()) << bus.name;
        EXPECT_FALSE(bus.isAuxiliary()) << bus.name;
    }
    ASSERT_EQ(names(events), std::vector<std::string>{"MIDI In"});
    EXPECT_EQ(events[0].channelCount, 8);
    EXPECT_TRUE(plugin->buses(Vst::kEvent, Vst::kOutput).empty());
}

TEST_F(VelqaModule, HostNameChoosesTheBusLayout)
{
    for (const char* scanner : {"PluginScanner", "Acme PluginScanner 2"})
    {
        auto plugin = createPlugin(scanner);
        ASSERT_TRUE(plugin);
        EXPECT_EQ(names(plugin->buses(Vst::kAudio, Vst::kInput)),
                  (std::vector<std::string>{"IN", "Side Chain"}))
            << scanner;
        EXPECT_EQ(names(plugin->buses(Vst::kAudio, Vst::kOutput)), std::vector<std::string>{"OUT"});
        EXPECT_EQ(names(plugin->buses(Vst::kEvent, Vst::kInput)),
                  std::vector<std::string>{"MIDI In"});
    }
    auto wrapper = createPlugin("VST3-AU Wrapper");
    ASSERT_TRUE(wrapper);
    EXPECT_EQ(wrapper->buses(Vst::kAudio, Vst::kOutput).size(), 5u);
    EXPECT_EQ(names(wrapper->buses(Vst::kAudio, Vst::kInput)),
              (std::vector<std::string>{"Velqa In 1", "Side Chain"}));
}

namespace
{
using Arrangements = std::vector<Vst::SpeakerArrangement>;
constexpr Vst::SpeakerArrangement stereo = Vst::SpeakerArr::kStereo;
constexpr Vst::SpeakerArrangement mono = Vst::SpeakerArr::kMono;

Arrangements arrangementsOf(velqa::host::PluginInstance& plugin, Vst::BusDirection direction)
{
    Arrangements result;
    const auto count = plugin.component()->getBusCount(Vst::kAudio, direction);
    for (int32 i = 0; i < count; ++i)
    {
        Vst::SpeakerArrangement arrangement = 0;
        plugin.processor()->getBusArrangement(direction, i, arrangement);
        result.push_back(arrangement);
    }
    return result;
}
} // namespace

TEST_F(VelqaModule, BusArrangementsAreAcceptedOnlyAsTheyAreReported)
{
    auto plugin = createPlugin();
    ASSERT_TRUE(plugin);
    const Vst::SpeakerArrangement fivePointOne = 0x3F;
    const Arrangements stereoOuts(5, stereo);
    // Refused: surround, a stereo main folded to mono, and arrays that do not cover every bus.
    for (const auto& [ins, outs] : std::vector<std::pair<Arrangements, Arrangements>>{
             {{fivePointOne, stereo}, stereoOuts},
             {{stereo, stereo}, {fivePointOne, stereo, stereo, stereo, stereo}},
             {{stereo, stereo}, {mono, stereo, stereo, stereo, stereo}},
             {{mono}, {mono}}})
    {
        EXPECT_EQ(plugin->setBusArrangements(ins, outs), kResultFalse);
        EXPECT_EQ(arrangementsOf(*plugin, Vst::kInput), (Arrangements{stereo, stereo}));
        EXPECT_EQ(arrangementsOf(*plugin, Vst::kOutput), stereoOuts);
    }
    // Accepted: mono or stereo side chain, mono to mono and mono to stereo mains.
    for (const auto& [ins, outs] : std::vector<std::pair<Arrangements, Arrangements>>{
             {{stereo, mono}, stereoOuts},
             {{mono, stereo}, {mono, stereo, stereo, stereo, stereo}},
             {{mono, mono}, stereoOuts}})
    {
        EXPECT_EQ(plugin->setBusArrangements(ins, outs), kResultOk);
        EXPECT_EQ(arrangementsOf(*plugin, Vst::kInput), ins);
        EXPECT_EQ(arrangementsOf(*plugin, Vst::kOutput), outs);
    }
}

// Renders one block of a sine on the main input with loud noise on the side chain, which is
// switched off, so the side chain must not be heard on any output.
TEST_F(VelqaModule, MonoMainBusHearsOnlyItsOwnInput)
{
    auto render = [this](const Arrangements& ins, const Arrangements& outs, float sideChainLevel)
    {
        std::vector<std::vector<float>> outputs;
        auto plugin = createPlugin();
        if (!plugin) return outputs;
        EXPECT_EQ(plugin->setBusArrangements(ins, outs), kResultOk);
        plugin->activateBus(Vst::kAudio, Vst::kInput, 1, true);
        EXPECT_EQ(plugin->setupProcessing(sampleRate, blockSize), kResultOk);
        plugin->setActive(true);
        for (int i = 0; i < blockSize; ++i)
        {
            plugin->inputs().channel(0, 0)[i] = 0.5f * std::sin(0.05f * float(i));
            for (int c = 0; c < plugin->inputs().channelCount(1); ++c)
                plugin->inputs().channel(1, c)[i] = sideChainLevel * ((i * 7919 + c) % 13 - 6);
        }
        EXPECT_EQ(plugin->process(blockSize), kResultOk);
        for (int b = 0; b < plugin->outputs().busCount(); ++b)
            for (int c = 0; c < plugin->outputs().channelCount(b); ++c)
                outputs.emplace_back(plugin->outputs().channel(b, c),
                                     plugin->outputs().channel(b, c) + blockSize);
        return outputs;
    };
    const Arrangements monoToMono{mono, stereo, stereo, stereo, stereo};
    const auto quiet = render({mono, stereo}, monoToMono, 0.0f);
    ASSERT_EQ(quiet.size(), 9u);
    EXPECT_NE(quiet[0], std::vector<float>(blockSize, 0.0f));
    EXPECT_EQ(render({mono, stereo}, monoToMono, 0.3f), quiet);
    EXPECT_EQ(render({mono, mono}, monoToMono, 0.3f), quiet);

    // Mono in, stereo out: the processed channel on both sides, the stems as before.
    const auto wide = render({mono, stereo}, Arrangements(5, stereo), 0.3f);
    ASSERT_EQ(wide.size(), 10u);
    EXPECT_EQ(wide[0], quiet[0]);
    EXPECT_EQ(wide[1], quiet[0]);
    EXPECT_EQ(std::vector(wide.begin() + 2, wide.end()),
              std::vector(quiet.begin() + 1, quiet.end()));
}

TEST_F(VelqaModule, RestrictedHostBusesFollowTheArrangements)
{
    auto plugin = createPlugin("PluginScanner");
    ASSERT_TRUE(plugin);
    const Vst::SpeakerArrangement stereo = Vst::SpeakerArr::kStereo;
    const Vst::SpeakerArrangement mono = Vst::SpeakerArr::kMono;
    ASSERT_EQ(plugin->setBusArrangements({mono, stereo}, {stereo, stereo}), kResultOk);
    const auto inputs = plugin->buses(Vst::kAudio, Vst::kInput);
    EXPECT_EQ(names(inputs), (std::vector<std::string>{"Velqa in", "Side Chain"}));
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_EQ(inputs[0].channelCount, 1);
    EXPECT_TRUE(inputs[1].isAuxiliary());
    EXPECT_EQ(names(plugin->buses(Vst::kAudio, Vst::kOutput)),
              (std::vector<std::string>{"Velqa out", "Velqa out"}));

    // A side chain that is neither mono nor stereo is forced to stereo and refused.
    EXPECT_EQ(plugin->setBusArrangements({stereo, 0x3F}, {stereo}), kResultFalse);
    EXPECT_EQ(plugin->buses(Vst::kAudio, Vst::kInput).back().channelCount, 2);
    EXPECT_EQ(plugin->setBusArrangements({stereo, stereo}, {~Vst::SpeakerArrangement(0)}),
              kResultFalse);
}
