#include "VelqaModuleFixture.h"

#include "host/MemoryStream.h"
#include "host/Utf16.h"

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
        if (i < 114)
        {
            EXPECT_EQ(info.id, static_cast<Vst::ParamID>(i));
            EXPECT_DOUBLE_EQ(info.defaultNormalizedValue, 0.5);
            // A parameter without a name cannot be automated, whatever the effect says.
            if (title.empty())
            {
                EXPECT_EQ(info.flags & Vst::ParameterInfo::kCanAutomate, 0) << i;
            }
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

    // Asking for a display text must not move the parameter.
    const double before = controller->getParamNormalized(Vst::ParamID(8));
    Vst::String128 text{};
    EXPECT_EQ(controller->getParamStringByValue(Vst::ParamID(8), 0.9, text), kResultOk);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(Vst::ParamID(8)), before);
}

TEST_F(VelqaModule, StateRoundTripsAndSurvivesGarbage)
{
    auto first = createRunningPlugin();
    ASSERT_TRUE(first);
    first->inputChanges().add(8, 0, 0.8);
    first->inputChanges().add(0, 0, 0.3);
    ASSERT_EQ(first->process(blockSize), kResultOk);
    MemoryStream saved;
    ASSERT_EQ(first->getState(saved), kResultOk);
    ASSERT_GE(saved.bytes().size(), 4u);
    // The program index comes first: the effect has one program, index 0.
    EXPECT_EQ(std::vector<std::uint8_t>(saved.bytes().begin(), saved.bytes().begin() + 4),
              (std::vector<std::uint8_t>{0, 0, 0, 0}));

    auto second = createPlugin();
    ASSERT_TRUE(second);
    saved.rewind();
    ASSERT_EQ(second->setState(saved), kResultOk);
    MemoryStream restored;
    second->getState(restored);
    EXPECT_EQ(restored.bytes(), saved.bytes());

    // Whatever the effect makes of broken data, it must answer and keep working.
    std::vector<std::vector<std::uint8_t>> broken = {
        {},
        {1, 2, 3},
        {'C', 'c', 'n', 'K'},
        std::vector<std::uint8_t>(saved.bytes().size() / 2, 0xFF)};
    for (auto& bytes : broken)
    {
        MemoryStream garbage(bytes);
        second->setState(garbage);
        MemoryStream after;
        EXPECT_EQ(second->getState(after), kResultOk);
    }
    saved.rewind();
    ASSERT_EQ(second->setState(saved), kResultOk);
    MemoryStream again;
    second->getState(again);
    EXPECT_EQ(again.bytes(), saved.bytes());
}
