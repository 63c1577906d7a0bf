// The signal path as a host drives it through the built module's real buses.

#include "host/Module.h"
#include "host/PluginInstance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace Steinberg;

namespace
{

constexpr double kRate = 48000.0;
constexpr int32 kBlock = 256;

struct Levels
{
    double below = 0.0;
    double sumError = 0.0;
};

// Runs one second of a quiet 200 Hz programme with a loud side chain (when its bus is active);
// returns the level of the Below section's wet output in the last block and how far the two wet
// outputs are from summing back to the main output. With neutral section chains the sum is the
// input whatever the detector does, so the split shows in the sections.
Levels run(velqa::host::Module& module, bool sideChain)
{
    auto plugin = std::move(velqa::host::PluginInstance::create(module).instance);
    EXPECT_TRUE(plugin);
    if (!plugin) return {};
    EXPECT_EQ(plugin->initialize(), kResultOk);
    plugin->activateBus(Vst::kAudio, Vst::kInput, 1, sideChain);
    for (int32 bus = 1; bus < 5; ++bus) plugin->activateBus(Vst::kAudio, Vst::kOutput, bus, true);
    EXPECT_EQ(plugin->setupProcessing(kRate, kBlock), kResultOk);
    plugin->setActive(true);
    plugin->setProcessing(true);

    Levels levels;
    long frame = 0;
    for (int block = 0; block < static_cast<int>(kRate) / kBlock; ++block)
    {
        plugin->inputChanges().clear();
        if (block == 0)
        {
            plugin->inputChanges().add(0, 0, 0.5);   // threshold
            plugin->inputChanges().add(3, 0, 1.0);   // ratio
            plugin->inputChanges().add(102, 0, 1.0); // external side chain on
        }
        for (int32 i = 0; i < kBlock; ++i, ++frame)
        {
            const double phase =
                2.0 * std::numbers::pi * 200.0 * static_cast<double>(frame) / kRate;
            for (int c = 0; c < 2; ++c)
            {
                plugin->inputs().channel(0, c)[i] = static_cast<float>(0.02 * std::sin(phase));
                if (sideChain)
                    plugin->inputs().channel(1, c)[i] = static_cast<float>(std::sin(phase));
            }
        }
        EXPECT_EQ(plugin->process(kBlock), kResultOk);
    }
    double energy = 0.0;
    for (int32 i = 0; i < kBlock; ++i)
    {
        const float out = plugin->outputs().channel(0, 0)[i];
        const float below = plugin->outputs().channel(2, 0)[i];
        energy += static_cast<double>(below) * below;
        const float wet = plugin->outputs().channel(1, 0)[i] + plugin->outputs().channel(2, 0)[i];
        levels.sumError = std::max(levels.sumError, static_cast<double>(std::fabs(wet - out)));
    }
    levels.below = std::sqrt(energy / kBlock);
    plugin->setProcessing(false);
    plugin->setActive(false);
    return levels;
}

} // namespace

TEST(ModuleSignalPath, LoudSideChainSplitsAQuietInputAndWetOutputsSumBack)
{
    auto module = std::move(velqa::host::Module::load(VELQA_BUNDLE).module);
    ASSERT_TRUE(module) << VELQA_BUNDLE;
    const Levels alone = run(*module, false);
    const Levels ducked = run(*module, true);
    EXPECT_NEAR(alone.below, 0.02 / std::sqrt(2.0), 2e-3);
    EXPECT_LT(ducked.below, alone.below / 4.0);
    EXPECT_LT(alone.sumError, 1e-6);
    EXPECT_LT(ducked.sumError, 1e-6);
}
