// The editor's own controls in a real window: knobs, band actions, zoom, and opening and
// closing while audio runs.
#include "WindowFixture.h"

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

using namespace Steinberg;
using namespace velqa::test;

namespace
{

// Host ids.
constexpr Vst::ParamID kMix = 7, kSatBelow = 9, kSatAbove = 14, kOnAbove = 22, kBypass = 99,
                       kSelectedEq = 108, kLink2 = 94;
constexpr Vst::ParamID kFirstBelowBand = 43, kFirstAboveBand = 68, kFieldsPerBand = 5;

using EditorWindowBehaviourTest = EditorWindowTest;

TEST_F(EditorWindowBehaviourTest, KnobDragFineDragResetAndWheel)
{
    const Point mix = centreOf(114);
    hostSets({{kMix, 0.5}});
    dragAt(mix, -40);
    const double coarse = effect(kMix) - 0.5;
    EXPECT_GT(coarse, 0.05);
    const EditCount drag = editsOf(*plugin, kMix);
    EXPECT_EQ(drag.begun, 1u);
    EXPECT_EQ(drag.ended, 1u);
    EXPECT_FLOAT_EQ(static_cast<float>(drag.last), effect(kMix));

    hostSets({{kMix, 0.5}});
    dragAt(mix, -40, {kShiftKey});
    const double fine = effect(kMix) - 0.5;
    EXPECT_GT(fine, 0.0);
    EXPECT_LT(fine, coarse / 4) << "Shift drags finer";

    hostSets({{kMix, 0.2}});
    clickAt(mix, {kCtrlKey});
    EXPECT_FLOAT_EQ(effect(kMix), defaults[kMix]);

    hostSets({{kMix, 0.5}});
    wheelAt(mix, true);
    EXPECT_GT(effect(kMix), 0.5f);
    EXPECT_EQ(editsOf(*plugin, kMix).begun, 1u);
}

TEST_F(EditorWindowBehaviourTest, BandSelectorShowsThatBandsPanel)
{
    // Digit 3 of the Below row: band B3, selection index 7.
    clickAt({87 + 10, 30 + 360 + 10});
    EXPECT_FLOAT_EQ(effect(kSelectedEq), 7 / 128.0f);
    EXPECT_TRUE(visible(83)) << "B3 frequency knob";
    for (int32 tag : {76, 77, 81, 82, 84}) EXPECT_FALSE(visible(tag)) << tag;
}

TEST_F(EditorWindowBehaviourTest, CtrlClickOnEqASwitchResetsTheAboveBandsInOneGesture)
{
    std::vector<std::pair<Vst::ParamID, double>> moved;
    for (Vst::ParamID id = kFirstAboveBand; id < kFirstAboveBand + 25; ++id)
        moved.emplace_back(id, 0.9);
    hostSets(moved);
    const float onBefore = effect(kOnAbove);
    clickAt(centreOf(106), {kCtrlKey});
    for (Vst::ParamID id = kFirstAboveBand; id < kFirstAboveBand + 25; ++id)
    {
        EXPECT_FLOAT_EQ(effect(id), defaults[id]) << id;
        const EditCount edits = editsOf(*plugin, id);
        EXPECT_EQ(edits.begun, 1u) << id;
        EXPECT_EQ(edits.ended, 1u) << id;
    }
    EXPECT_EQ(effect(kOnAbove), onBefore) << "the switch itself does not toggle";
    EXPECT_EQ(editsOf(*plugin, kOnAbove).performed, 0u);
}

TEST_F(EditorWindowBehaviourTest, AltClickOnBelowDigitLinksAndCopiesTheBand)
{
    // Below band 2 and Above band 2 differ in state, frequency, gain and Q.
    const Vst::ParamID below = kFirstBelowBand + kFieldsPerBand, above = kFirstAboveBand + 5;
    hostSets({{kLink2, 0},
              {below, 0.0},
              {below + 1, 0.3},
              {below + 2, 0.8},
              {below + 3, 0.6},
              {above, 1.0},
              {above + 1, 0.7},
              {above + 2, 0.2},
              {above + 3, 0.1}});
    clickAt({59 + 10, 30 + 360 + 10}, {kAltKey});
    EXPECT_FLOAT_EQ(effect(kLink2), 1 / 128.0f) << "B>A link on";
    EXPECT_EQ(editsOf(*plugin, kLink2).begun, 1u);
    for (Vst::ParamID field = 0; field < 4; ++field)
    {
        EXPECT_FLOAT_EQ(effect(above + field), effect(below + field)) << "field " << field;
        EXPECT_FLOAT_EQ(static_cast<float>(editsOf(*plugin, above + field).last),
                        effect(above + field))
            << "the host is told, field " << field;
    }
}

TEST_F(EditorWindowBehaviourTest, RightDragOnSatAboveMovesSatBelow)
{
    hostSets({{kSatAbove, 0.3}, {kSatBelow, 0.8}});
    dragAt(centreOf(127), -30, {}, 3);
    EXPECT_GT(effect(kSatAbove), 0.3f);
    EXPECT_FLOAT_EQ(effect(kSatBelow), effect(kSatAbove));
    EXPECT_FLOAT_EQ(static_cast<float>(editsOf(*plugin, kSatBelow).last), effect(kSatBelow));
}

TEST_F(EditorWindowBehaviourTest, ZoomAndHelpChosenInSettingsSurviveReopening)
{
    clickAt(centreOf(177)); // settings
    ASSERT_TRUE(visible(182));
    clickAt(centreOf(181));    // mouse-over help off
    chooseFromList(182, 3, 6); // "150 %"
    EXPECT_EQ(viewHost->windowSize().getWidth(), 1313);
    EXPECT_EQ(viewHost->windowSize().getHeight(), 1095);
    clickAt(centreOf(186)); // close the settings
    EXPECT_FALSE(visible(182));

    // A click lands where the control is drawn at the new size.
    clickAt(centreOf(28));
    EXPECT_FLOAT_EQ(effect(kBypass), 1.0f);

    closeEditor();
    openEditor();
    EXPECT_EQ(viewHost->windowSize().getWidth(), 1313);
    float help = -1;
    ASSERT_EQ(probe->getTagValue(181, &help), kResultOk);
    EXPECT_FLOAT_EQ(help, 0.0f);
    std::ifstream settings(configHome / "Kestrune/Velqa/settings.ini");
    std::stringstream text;
    text << settings.rdbuf();
    EXPECT_NE(text.str().find("zz=150"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("mo=0"), std::string::npos) << text.str();
}

TEST_F(EditorWindowBehaviourTest, AViewDestroyedWithoutRemovalLeavesNothingRunning)
{
    probe->release();
    probe = nullptr;
    viewHost->abandon();
    view->release(); // the last reference: no removed() came first
    view = nullptr;
    EXPECT_EQ(viewHost->timerCount(), 0u);
    EXPECT_EQ(viewHost->eventHandlerCount(), 0u);
    settle(100);
    openEditor();
    EXPECT_TRUE(visible(114)) << "a new view opens the editor again";
}

// Runs with the thread checker: the window comes and goes while the audio thread automates.
TEST_F(EditorWindowBehaviourTest, ThreadsOpenAndCloseTheWindowAHundredTimesWhileAudioRuns)
{
    std::atomic<bool> done{false};
    std::thread audio(
        [&]
        {
            for (int block = 0; !done; ++block)
            {
                plugin->inputChanges().add(kMix, 0, (block % 50) / 49.0);
                plugin->process(256);
                plugin->inputChanges().clear();
            }
        });
    for (int round = 0; round < 100; ++round)
    {
        closeEditor();
        openEditor(20);
        if (HasFatalFailure()) break;
    }
    done = true;
    audio.join();
    settle(100);
    EXPECT_EQ(viewHost->timerCount(), 1u);
    EXPECT_EQ(viewHost->eventHandlerCount(), 1u);
    float shown = -1;
    ASSERT_EQ(probe->getTagValue(114, &shown), kResultOk);
    EXPECT_FLOAT_EQ(shown, effect(kMix));
}

// Runs with the thread checker: automation from an audio thread while the window draws.
TEST_F(EditorWindowBehaviourTest, ThreadsAutomationWhileTheWindowDraws)
{
    std::atomic<bool> done{false};
    std::thread audio(
        [&]
        {
            for (int block = 0; !done; ++block)
            {
                const double ramp = (block % 100) / 99.0;
                plugin->inputChanges().add(kMix, 0, ramp);
                plugin->inputChanges().add(kSatAbove, 0, 1.0 - ramp);
                plugin->process(256);
                plugin->inputChanges().clear();
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    for (int i = 0; i < 10; ++i) dragAt(centreOf(115), i % 2 ? 20 : -20);
    done = true;
    audio.join();
    settle(200);
    float shown = -1;
    ASSERT_EQ(probe->getTagValue(114, &shown), kResultOk);
    EXPECT_FLOAT_EQ(shown, effect(kMix)) << "the last automated value is shown";
}

} // namespace
