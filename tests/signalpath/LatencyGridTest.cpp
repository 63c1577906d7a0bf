// Reported latency against the measured delay of an impulse, through the built module, over
// block sizes, oversampling factors and look-ahead settings, as a host meets them.

#include "host/MemoryStream.h"
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "tools/OversamplingState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace Steinberg;
using velqa::host::PluginInstance;

namespace
{

constexpr double kRate = 44100.0;
constexpr Vst::ParamID kLookaheadOn = 110;
constexpr long kImpulseAt = 8192;
constexpr long kLongestDelay = 4410 + 2048;
// Output buses that carry the impulse: main, Below wet, Below dry.
constexpr int kDelayedBuses[] = {0, 2, 4};

struct Setting
{
    int32 block;
    int factor; // 1: oversampling off
    double lookaheadOn;
    bool lookaheadInState; // reloaded with the project, or moved by the host while running
};

std::string describe(const Setting& s)
{
    return "block " + std::to_string(s.block) + ", factor " + std::to_string(s.factor) +
           ", LookaheadOn " + std::to_string(s.lookaheadOn) +
           (s.lookaheadInState ? ", reloaded" : ", automated");
}

// A running instance's state with the look-ahead switch and oversampling set, as a project
// saves it.
std::vector<uint8_t> savedProject(velqa::host::Module& module, const Setting& s)
{
    auto donor = std::move(PluginInstance::create(module).instance);
    EXPECT_TRUE(donor);
    if (!donor) return {};
    EXPECT_EQ(donor->initialize(), kResultOk);
    EXPECT_EQ(donor->setupProcessing(kRate, s.block), kResultOk);
    donor->setActive(true);
    donor->setProcessing(true);
    donor->inputChanges().add(kLookaheadOn, 0, s.lookaheadOn);
    donor->process(1);
    std::string error;
    if (s.factor > 1)
    {
        EXPECT_TRUE(velqa::tool::requestOversampling(*donor, s.factor, error)) << error;
    }
    velqa::host::MemoryStream saved;
    EXPECT_EQ(donor->getState(saved), kResultOk);
    return saved.bytes();
}

// Renders a small impulse; returns where it comes out on each delayed bus, and the latency the
// plug-in reports meanwhile.
void measure(velqa::host::Module& module, const Setting& s)
{
    SCOPED_TRACE(describe(s));
    auto plugin = std::move(PluginInstance::create(module).instance);
    ASSERT_TRUE(plugin);
    ASSERT_EQ(plugin->initialize(), kResultOk);
    for (int32 bus = 1; bus < 5; ++bus) plugin->activateBus(Vst::kAudio, Vst::kOutput, bus, true);
    if (s.lookaheadInState)
    {
        velqa::host::MemoryStream project(savedProject(module, s));
        ASSERT_EQ(plugin->setState(project), kResultOk);
    }
    ASSERT_EQ(plugin->setupProcessing(kRate, s.block), kResultOk);
    plugin->setActive(true);
    plugin->setProcessing(true);
    // A reloaded project knows its latency before the first block.
    const uint32 beforeAudio = plugin->processor()->getLatencySamples();
    std::string error;
    if (s.factor > 1 && !s.lookaheadInState)
    {
        ASSERT_TRUE(velqa::tool::requestOversampling(*plugin, s.factor, error)) << error;
    }

    long peakAt[3] = {-1, -1, -1};
    float peak[3] = {};
    const long frames = kImpulseAt + kLongestDelay + 256;
    uint32 reported = 0;
    for (long done = 0; done < frames; done += s.block)
    {
        const auto n = static_cast<int32>(std::min<long>(s.block, frames - done));
        plugin->inputChanges().clear();
        if (done == 0 && !s.lookaheadInState)
            plugin->inputChanges().add(kLookaheadOn, 0, s.lookaheadOn);
        for (int c = 0; c < 2; ++c)
            for (int32 i = 0; i < n; ++i)
                plugin->inputs().channel(0, c)[i] = done + i == kImpulseAt ? 0.01f : 0.0f;
        ASSERT_EQ(plugin->process(n), kResultOk);
        if (done + n <= kImpulseAt) reported = plugin->processor()->getLatencySamples();
        for (size_t b = 0; b < 3; ++b)
            for (int32 i = 0; i < n; ++i)
            {
                const float y = std::fabs(plugin->outputs().channel(kDelayedBuses[b], 0)[i]);
                if (y > peak[b])
                {
                    peak[b] = y;
                    peakAt[b] = done + i;
                }
            }
    }
    EXPECT_EQ(plugin->processor()->getLatencySamples(), reported);
    if (s.lookaheadInState)
    {
        EXPECT_EQ(beforeAudio, reported);
    }
    for (size_t b = 0; b < 3; ++b)
    {
        EXPECT_GT(peak[b], 0.005f) << "bus " << kDelayedBuses[b];
        EXPECT_EQ(peakAt[b] - kImpulseAt, static_cast<long>(reported))
            << "bus " << kDelayedBuses[b];
    }
}

} // namespace

TEST(LatencyGrid, ReportedLatencyIsTheMeasuredDelayOnEveryOutput)
{
    auto module = std::move(velqa::host::Module::load(VELQA_BUNDLE).module);
    ASSERT_TRUE(module) << VELQA_BUNDLE;
    for (int32 block : {1, 37, 256, 1024, 4096})
        for (int factor : {1, 2, 4, 8, 16})
            for (double lookahead : {0.0, 0.25, 0.5, 0.6, 0.75, 0.9, 1.0})
                measure(*module, {block, factor, lookahead, false});
    for (int factor : {1, 4, 16})
        for (double lookahead : {0.5, 0.75, 1.0}) measure(*module, {256, factor, lookahead, true});
}
