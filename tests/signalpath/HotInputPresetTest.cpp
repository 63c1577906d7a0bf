// Factory presets with saturation, fed far above full scale as floating-point busses allow.

#include "host/MemoryStream.h"
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "tools/Presets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace Steinberg;

TEST(HotInput, SaturatingPresetsStayWithinSixDecibelsOfTheInputPeak)
{
    auto module = std::move(velqa::host::Module::load(VELQA_BUNDLE).module);
    ASSERT_TRUE(module) << VELQA_BUNDLE;
    constexpr double kRate = 48000.0;
    constexpr int32 kBlock = 512;
    for (const char* name : {"Mastering Glue", "Tube Warmth Underneath"})
    {
        SCOPED_TRACE(name);
        const velqa::tool::PresetChunk preset = velqa::tool::loadPreset(VELQA_BUNDLE, name);
        ASSERT_TRUE(preset.ok) << preset.error;
        auto plugin = std::move(velqa::host::PluginInstance::create(*module).instance);
        ASSERT_TRUE(plugin);
        ASSERT_EQ(plugin->initialize(), kResultOk);
        ASSERT_EQ(plugin->setupProcessing(kRate, kBlock), kResultOk);
        plugin->setActive(true);
        plugin->setProcessing(true);
        velqa::host::MemoryStream state(velqa::tool::componentStateFor(preset.chunk));
        ASSERT_EQ(plugin->setState(state), kResultOk);

        // +20 dBFS: a bass note and a quieter overtone.
        const double peakIn = 10.0;
        double peakOut = 0.0;
        long frame = 0;
        for (int block = 0; block < 2 * static_cast<int>(kRate) / kBlock; ++block)
        {
            for (int32 i = 0; i < kBlock; ++i, ++frame)
            {
                const double t = static_cast<double>(frame) / kRate;
                const double x = 0.8 * std::sin(2.0 * std::numbers::pi * 110.0 * t) +
                                 0.2 * std::sin(2.0 * std::numbers::pi * 1650.0 * t);
                for (int c = 0; c < 2; ++c)
                    plugin->inputs().channel(0, c)[i] = static_cast<float>(peakIn * x);
            }
            ASSERT_EQ(plugin->process(kBlock), kResultOk);
            for (int c = 0; c < 2; ++c)
                for (int32 i = 0; i < kBlock; ++i)
                    peakOut = std::max(peakOut, static_cast<double>(
                                                    std::fabs(plugin->outputs().channel(0, c)[i])));
        }
        EXPECT_LE(20.0 * std::log10(peakOut / peakIn), 6.0);
    }
}
