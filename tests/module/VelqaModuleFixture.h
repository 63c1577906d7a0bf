#pragma once

#include "host/Module.h"
#include "host/PluginInstance.h"

#include <gtest/gtest.h>

#include <cstdlib>

// VELQA_TEST_BUNDLE runs the same tests against another build of the bundle.
inline const char* testBundle()
{
    const char* other = std::getenv("VELQA_TEST_BUNDLE");
    return other && *other ? other : VELQA_BUNDLE;
}

// Loads the built bundle once per suite, as a host keeps a module loaded for all its instances.
class VelqaModule : public ::testing::Test
{
protected:
    static constexpr double sampleRate = 48000.0;
    static constexpr int blockSize = 256;

    static void SetUpTestSuite()
    {
        auto loaded = velqa::host::Module::load(testBundle());
        loadError = loaded.error;
        module = std::move(loaded.module);
    }
    static void TearDownTestSuite() { module.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(module) << testBundle() << ": " << velqa::host::describe(loadError);
    }

    // An initialised instance, or null with a recorded failure.
    std::unique_ptr<velqa::host::PluginInstance>
    createPlugin(const std::string& hostName = "Velqa Host")
    {
        auto created = velqa::host::PluginInstance::create(*module);
        EXPECT_TRUE(created.instance) << velqa::host::describe(created.error);
        if (!created.instance) return nullptr;
        EXPECT_EQ(created.instance->initialize(hostName), Steinberg::kResultOk);
        return std::move(created.instance);
    }

    // Initialised, set up at 48 kHz and active, ready for process().
    std::unique_ptr<velqa::host::PluginInstance> createRunningPlugin()
    {
        auto plugin = createPlugin();
        if (!plugin) return nullptr;
        EXPECT_EQ(plugin->setupProcessing(sampleRate, blockSize), Steinberg::kResultOk);
        plugin->setActive(true);
        plugin->setProcessing(true);
        return plugin;
    }

    static inline std::unique_ptr<velqa::host::Module> module;
    static inline velqa::host::HostError loadError = velqa::host::HostError::none;
};
