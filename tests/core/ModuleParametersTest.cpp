// The parameter model as a host sees it through the built module.

#include "host/Module.h"
#include "host/PluginInstance.h"
#include "host/Utf16.h"

#include <gtest/gtest.h>

using namespace Steinberg;

namespace
{

constexpr double kRate = 48000.0;
constexpr int32 kBlock = 128;

class CoreThroughHost : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        module = std::move(velqa::host::Module::load(VELQA_BUNDLE).module);
    }
    static void TearDownTestSuite() { module.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(module) << VELQA_BUNDLE;
        plugin = std::move(velqa::host::PluginInstance::create(*module).instance);
        ASSERT_TRUE(plugin);
        ASSERT_EQ(plugin->initialize(), kResultOk);
    }

    std::string titleOf(Vst::ParamID id, int32& flags)
    {
        Vst::ParameterInfo info{};
        EXPECT_EQ(plugin->controller()->getParameterInfo(static_cast<int32>(id), info), kResultOk);
        flags = info.flags;
        return velqa::host::toUtf8(info.title, 128);
    }

    std::string textOf(Vst::ParamID id, double value)
    {
        Vst::String128 text{};
        EXPECT_EQ(plugin->controller()->getParamStringByValue(id, value, text), kResultOk);
        return velqa::host::toUtf8(text, 128);
    }

    int32 latencyAfterChange(Vst::ParamID id, double value)
    {
        plugin->inputChanges().clear();
        plugin->inputChanges().add(id, 0, value);
        EXPECT_EQ(plugin->process(kBlock), kResultOk);
        return static_cast<int32>(plugin->processor()->getLatencySamples());
    }

    static inline std::unique_ptr<velqa::host::Module> module;
    std::unique_ptr<velqa::host::PluginInstance> plugin;
};

} // namespace

TEST_F(CoreThroughHost, HostSeesTheEffectsNamesTextsAndAutomatableFlags)
{
    EXPECT_EQ(plugin->controller()->getParameterCount(), 114 + 1 + 1041);
    int32 flags = 0;
    EXPECT_EQ(titleOf(0, flags), "Dyna");
    EXPECT_TRUE(flags & Vst::ParameterInfo::kCanAutomate);
    EXPECT_EQ(titleOf(92, flags), "EQAbove5Spare");
    EXPECT_EQ(titleOf(103, flags), "SidechainBalance");
    EXPECT_EQ(titleOf(108, flags), "SelectedEq");
    EXPECT_FALSE(flags & Vst::ParameterInfo::kCanAutomate);
    EXPECT_EQ(titleOf(113, flags), "Reserved 113");
    EXPECT_EQ(flags, Vst::ParameterInfo::kIsHidden | Vst::ParameterInfo::kIsReadOnly);

    EXPECT_EQ(textOf(0, 0.5), "-18 dB");
    EXPECT_EQ(textOf(100, 0.25), "L50");
    EXPECT_EQ(textOf(111, 0.6), "TUBE");
}

TEST_F(CoreThroughHost, AutomationInAProcessCallReachesTheEffect)
{
    ASSERT_EQ(plugin->setupProcessing(kRate, kBlock), kResultOk);
    plugin->setActive(true);
    plugin->setProcessing(true);

    EXPECT_EQ(latencyAfterChange(110, 1.0), 4800);
    EXPECT_EQ(latencyAfterChange(99, 1.0), 0);
    EXPECT_EQ(latencyAfterChange(99, 0.0), 4800);
    EXPECT_GE(
        plugin->handler().count(velqa::host::ComponentHandlerRecorder::Kind::restartComponent), 1u);
}
