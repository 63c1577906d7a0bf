#include "host/Module.h"
#include "host/PluginInstance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <thread>

using velqa::host::ComponentHandlerRecorder;
using namespace Steinberg;

namespace
{

constexpr Vst::ParamID kLookaheadOn = 110;

std::unique_ptr<velqa::host::PluginInstance> runningPlugin(velqa::host::Module& module)
{
    auto created = velqa::host::PluginInstance::create(module);
    if (!created.instance || created.instance->initialize() != kResultOk ||
        created.instance->setupProcessing(48000.0, 256) != kResultOk)
        return nullptr;
    created.instance->setActive(true);
    created.instance->setProcessing(true);
    return std::move(created.instance);
}

} // namespace

TEST(ModuleThreads, ALatencyChangeOnTheAudioThreadRestartsOnTheUiThread)
{
    auto loaded = velqa::host::Module::load(VELQA_BUNDLE);
    ASSERT_TRUE(loaded.module);
    auto plugin = runningPlugin(*loaded.module);
    ASSERT_TRUE(plugin);
    plugin->handler().clear();

    std::thread audio(
        [&]
        {
            plugin->inputChanges().clear();
            plugin->inputChanges().add(kLookaheadOn, 0, 1.0);
            plugin->process(256);
        });
    audio.join();
    EXPECT_EQ(plugin->handler().count(ComponentHandlerRecorder::Kind::restartComponent), 0u);
    EXPECT_EQ(plugin->processor()->getLatencySamples(), 4800u);

    // The next call the host makes on its UI thread carries the restart.
    plugin->controller()->setParamNormalized(kLookaheadOn, 1.0);
    ASSERT_EQ(plugin->handler().count(ComponentHandlerRecorder::Kind::restartComponent), 1u);
    const auto calls = plugin->handler().calls();
    const auto restart =
        std::find_if(calls.begin(), calls.end(),
                     [](const auto& call)
                     { return call.kind == ComponentHandlerRecorder::Kind::restartComponent; });
    EXPECT_EQ(restart->flags, Vst::kLatencyChanged);
    plugin.reset();
}

// A few seconds of the stress command: automation, state loads and re-activations from two
// threads, every output sample and the latency checked.
TEST(ModuleThreads, AShortStressRunFindsNoFault)
{
    const std::string command =
        std::string(VELQA_TOOL) + " stress --seconds 3 --seed 11 --bundle '" VELQA_BUNDLE "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_TRUE(pipe);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status)) << output;
    EXPECT_EQ(WEXITSTATUS(status), 0) << output;
    EXPECT_NE(output.find("result: ok"), std::string::npos) << output;
}
