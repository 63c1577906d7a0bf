// The built module's editor in the view host's X11 window under a virtual X server, operated
// with real pointer, wheel and key events from XTest, as a user does in a DAW.
#include "OffscreenEditor.h"

#include "host/ViewHost.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

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
// X keysyms of the modifier keys.
constexpr xcb_keysym_t kShiftKey = 0xffe1, kCtrlKey = 0xffe3, kAltKey = 0xffe9;

class EditorWindowBehaviourTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // The editor's settings go to a private folder, never the user's.
        configHome = std::filesystem::temp_directory_path() /
                     ("velqa-window-test-" + std::to_string(::getpid()));
        std::filesystem::remove_all(configHome);
        std::filesystem::create_directories(configHome);
        ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        module = OffscreenEditor::loadModule();
        if (module) defaults = defaultValues(*module);
    }
    static void TearDownTestSuite()
    {
        module.reset();
        std::filesystem::remove_all(configHome);
    }

    void SetUp() override
    {
        ASSERT_TRUE(module);
        ASSERT_EQ(defaults.size(), 114u);
        plugin = velqa::host::PluginInstance::create(*module).instance;
        ASSERT_TRUE(plugin);
        ASSERT_EQ(plugin->initialize(), kResultOk);
        plugin->setupProcessing(48000.0, 256);
        plugin->setActive(true);
        plugin->setProcessing(true);
        viewHost = velqa::host::ViewHost::create("Velqa window test");
        ASSERT_TRUE(viewHost) << "no X display";
        xcb = xcb_connect(nullptr, nullptr);
        ASSERT_FALSE(xcb_connection_has_error(xcb));
        keySymbols = xcb_key_symbols_alloc(xcb);
        openEditor();
    }
    void TearDown() override
    {
        closeEditor();
        viewHost.reset();
        if (plugin)
        {
            plugin->setProcessing(false);
            plugin->setActive(false);
        }
        plugin.reset();
        if (keySymbols) xcb_key_symbols_free(keySymbols);
        if (xcb) xcb_disconnect(xcb);
    }

    void openEditor(uint64_t settleMilliseconds = 300)
    {
        view = plugin->controller()->createView(Vst::ViewType::kEditor);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->queryInterface(velqa::IEditorProbe::iid, reinterpret_cast<void**>(&probe)),
                  kResultOk);
        ASSERT_EQ(viewHost->attach(view), kResultOk);
        viewHost->run(settleMilliseconds);
    }
    void closeEditor()
    {
        if (viewHost) viewHost->detach();
        if (probe) probe->release();
        if (view) view->release();
        probe = nullptr;
        view = nullptr;
    }

    double zoom() const { return viewHost->windowSize().getWidth() / 875.0; }

    // Window coordinates at 100 %; the current zoom is applied.
    void pointerTo(Point p)
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(xcb)).data->root;
        auto* where = xcb_translate_coordinates_reply(
            xcb,
            xcb_translate_coordinates(xcb, viewHost->windowId(), root,
                                      static_cast<int16_t>(std::lround(p.x * zoom())),
                                      static_cast<int16_t>(std::lround(p.y * zoom()))),
            nullptr);
        ASSERT_NE(where, nullptr);
        xcb_test_fake_input(xcb, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, where->dst_x,
                            where->dst_y, 0);
        std::free(where);
        settle(30);
    }
    void fake(uint8_t type, uint8_t detail)
    {
        xcb_test_fake_input(xcb, type, detail, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        settle(30);
    }
    void keys(const std::vector<xcb_keysym_t>& held, bool press)
    {
        for (xcb_keysym_t symbol : held)
        {
            xcb_keycode_t* codes = xcb_key_symbols_get_keycode(keySymbols, symbol);
            ASSERT_TRUE(codes && codes[0]) << "no key for " << symbol;
            fake(press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, codes[0]);
            std::free(codes);
        }
    }
    void settle(uint64_t milliseconds)
    {
        // A round trip: the server has acted on every faked event before the loop runs.
        std::free(xcb_get_input_focus_reply(xcb, xcb_get_input_focus(xcb), nullptr));
        viewHost->run(milliseconds);
    }

    void clickAt(Point p, const std::vector<xcb_keysym_t>& held = {}, uint8_t button = 1)
    {
        pointerTo(p);
        keys(held, true);
        fake(XCB_BUTTON_PRESS, button);
        fake(XCB_BUTTON_RELEASE, button);
        keys(held, false);
        settle(100);
    }
    void dragAt(Point p, double dy, const std::vector<xcb_keysym_t>& held = {}, uint8_t button = 1)
    {
        pointerTo(p);
        keys(held, true);
        fake(XCB_BUTTON_PRESS, button);
        for (int step = 1; step <= 4; ++step) pointerTo({p.x, p.y + dy * step / 4});
        fake(XCB_BUTTON_RELEASE, button);
        keys(held, false);
        settle(100);
    }
    void wheelAt(Point p, bool up)
    {
        pointerTo(p);
        fake(XCB_BUTTON_PRESS, up ? 4 : 5);
        fake(XCB_BUTTON_RELEASE, up ? 4 : 5);
        settle(100);
    }

    // Host changes with one processed block; the editor shows them at its next tick.
    void hostSets(const std::vector<std::pair<Vst::ParamID, double>>& changes)
    {
        for (const auto& [id, value] : changes) plugin->inputChanges().add(id, 0, value);
        plugin->process(256);
        plugin->inputChanges().clear();
        settle(120);
        plugin->handler().clear();
    }
    float effect(Vst::ParamID id) { return effectValueOf(*plugin, id); }
    Point centreOf(int32 tag)
    {
        ViewRect r;
        if (probe->findTag(tag, &r, nullptr) != kResultOk) return {-1, -1};
        return {(r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0};
    }
    bool visible(int32 tag)
    {
        TBool shown = false;
        return probe->findTag(tag, nullptr, &shown) == kResultOk && shown;
    }
    // Picks an item of a settings list: the list opens above the field when it does not fit
    // below it inside the settings panel.
    void chooseFromList(int32 tag, int item, int items)
    {
        ViewRect field;
        ASSERT_EQ(probe->findTag(tag, &field, nullptr), kResultOk);
        clickAt(centreOf(tag));
        constexpr double kItem = 16, kPanelBottom = 34 + 215;
        const double height = kItem * items + 2;
        double top = field.bottom;
        if (top + height > kPanelBottom) top = field.top - height;
        clickAt({(field.left + field.right) / 2.0, top + 1 + kItem * item + kItem / 2});
    }

    static inline std::filesystem::path configHome;
    static inline std::unique_ptr<velqa::host::Module> module;
    static inline std::vector<float> defaults;
    std::unique_ptr<velqa::host::PluginInstance> plugin;
    std::unique_ptr<velqa::host::ViewHost> viewHost;
    IPlugView* view = nullptr;
    velqa::IEditorProbe* probe = nullptr;
    xcb_connection_t* xcb = nullptr;
    xcb_key_symbols_t* keySymbols = nullptr;
};

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
