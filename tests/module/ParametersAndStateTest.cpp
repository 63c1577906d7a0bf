#include "VelqaModuleFixture.h"

#include "host/MemoryStream.h"
#include "host/Utf16.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

using namespace Steinberg;
using velqa::host::MemoryStream;

TEST_F(VelqaModule, ParameterListHasEffectBypassAndControllerIds)
{
    auto plugin = createPlugin();
    ASSERT_TRUE(plugin);
    auto* controller = plugin->controller();
    ASSERT_NE(controller, nullptr);
    ASSERT_EQ(controller->getParameterCount(), 114 + 1 + 1041);

    std::set<Vst::ParamID> ids;
    for (int32 i = 0; i < controller->getParameterCount(); ++i)
    {
        Vst::ParameterInfo info{};
        ASSERT_EQ(controller->getParameterInfo(i, info), kResultOk);
        ids.insert(info.id);
        const std::string title = velqa::host::toUtf8(info.title, 128);
        // Hosts list parameters by title; a slot without a role is hidden and cannot be moved.
        EXPECT_FALSE(title.empty()) << i;
        if (i < 114)
        {
            EXPECT_EQ(info.id, static_cast<Vst::ParamID>(i));
            // A host's reset goes to the value a fresh instance starts with.
            EXPECT_FLOAT_EQ(info.defaultNormalizedValue, controller->getParamNormalized(info.id))
                << title;
            if (title.starts_with("Reserved"))
                EXPECT_EQ(info.flags,
                          Vst::ParameterInfo::kIsHidden | Vst::ParameterInfo::kIsReadOnly)
                    << i;
            else // the selected band is the editor's own business, not automation
                EXPECT_EQ(info.flags, title == "SelectedEq" ? 0 : Vst::ParameterInfo::kCanAutomate)
                    << title;
        }
        else if (i == 114)
        {
            EXPECT_EQ(info.id, 1114u);
            EXPECT_EQ(title, "bypass");
            EXPECT_EQ(info.flags, Vst::ParameterInfo::kIsBypass);
            EXPECT_DOUBLE_EQ(info.defaultNormalizedValue, 0.0);
        }
        else
        {
            EXPECT_EQ(info.id, static_cast<Vst::ParamID>(11150 + i - 115));
            EXPECT_EQ(title, "future");
            EXPECT_EQ(info.flags, 0);
        }
        EXPECT_EQ(info.stepCount, 0);
    }
    EXPECT_EQ(ids.size(), 1156u);
    EXPECT_EQ(*ids.rbegin(), 12190u);

    EXPECT_EQ(controller->getParamNormalized(Vst::ParamID(7)), 1.0);  // Mix starts at 100 %
    EXPECT_EQ(controller->getParamNormalized(Vst::ParamID(99)), 0.0); // and Bypass off

    // Asking for a display text must not move the parameter.
    const double before = controller->getParamNormalized(Vst::ParamID(8));
    Vst::String128 text{};
    EXPECT_EQ(controller->getParamStringByValue(Vst::ParamID(8), 0.9, text), kResultOk);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(Vst::ParamID(8)), before);
}

namespace
{
// The effect's own live values, read from its saved state: the chunk's first block.
std::vector<float> effectValues(velqa::host::PluginInstance& plugin)
{
    MemoryStream stream;
    EXPECT_EQ(plugin.getState(stream), kResultOk);
    const auto& bytes = stream.bytes();
    const std::uint8_t magic[] = {0x4B, 0xB4, 0xAA, 0x55};
    const auto chunk = std::search(bytes.begin(), bytes.end(), std::begin(magic), std::end(magic));
    std::vector<float> values(114, -1.0f);
    if (bytes.end() - chunk < 16 + 114 * 4) return values;
    std::memcpy(values.data(), &*chunk + 16, 114 * sizeof(float));
    return values;
}
} // namespace

// A host sends a change and keeps the value it sent; whatever the effect's rules then move
// elsewhere must come back, so that the host's values always equal the effect's.
TEST_F(VelqaModule, HostValuesFollowWhatTheEffectsRulesChange)
{
    auto plugin = createRunningPlugin();
    ASSERT_TRUE(plugin);
    auto* controller = plugin->controller();
    const std::vector<std::vector<std::pair<Vst::ParamID, double>>> steps = {
        {{19, 1.0}},            // SoloBelow
        {{20, 1.0}},            // SoloAbove clears SoloBelow
        {{23, 1.0}},            // EqSoloBelow1
        {{33, 1.0}},            // EqSoloAbove1 clears the Below band solos
        {{93, 1.0 / 128.0}},    // Link1: band 1 fields follow their partner
        {{43, 0.7}, {44, 0.8}}, // Below band 1 fields, gain off centre switches the band on
        {{45, 0.3}, {46, 0.6}, {47, 0.2}},
        {{5, 0.9}}, // LowCut above HighCut pushes HighCut up
        {{6, 0.1}}, // and HighCut below LowCut pulls LowCut down
    };
    for (size_t s = 0; s < steps.size(); ++s)
    {
        plugin->inputChanges().clear();
        for (const auto& [id, value] : steps[s])
        {
            plugin->inputChanges().add(id, 0, value);
            controller->setParamNormalized(id, value);
        }
        ASSERT_EQ(plugin->process(blockSize), kResultOk);
        const auto effect = effectValues(*plugin);
        for (Vst::ParamID id = 0; id < 114; ++id)
            EXPECT_EQ(static_cast<float>(controller->getParamNormalized(id)), effect[id])
                << "step " << s << ", parameter " << id;
    }
}

TEST_F(VelqaModule, HostBypassIsPartOfTheProject)
{
    constexpr Vst::ParamID hostBypass = 1114;
    auto first = createRunningPlugin();
    ASSERT_TRUE(first);
    first->inputChanges().add(hostBypass, 0, 1.0);
    ASSERT_EQ(first->process(blockSize), kResultOk);
    MemoryStream saved;
    ASSERT_EQ(first->getState(saved), kResultOk);

    auto second = createRunningPlugin();
    ASSERT_TRUE(second);
    saved.rewind();
    ASSERT_EQ(second->setState(saved), kResultOk);
    EXPECT_EQ(second->controller()->getParamNormalized(hostBypass), 1.0);
    // The processor is bypassed too: the input comes out untouched.
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < blockSize; ++i)
            second->inputs().channel(0, c)[i] = 0.4f * std::sin(0.01f * float(i * (c + 1)));
    second->inputChanges().clear();
    ASSERT_EQ(second->process(blockSize), kResultOk);
    // The host already holds the restored values; nothing comes back as a change.
    EXPECT_EQ(second->outputChanges().getParameterCount(), 0);
    for (int c = 0; c < 2; ++c)
        EXPECT_TRUE(std::equal(second->inputs().channel(0, c),
                               second->inputs().channel(0, c) + blockSize,
                               second->outputs().channel(0, c)))
            << c;
}
