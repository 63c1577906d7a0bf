#pragma once
// The built module's editor in the view host's X11 window under a virtual X server, operated
// with real pointer, wheel and key events from XTest, as a user does in a DAW.
#include "OffscreenEditor.h"

#include "host/ViewHost.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace velqa::test
{

using namespace Steinberg;

// X keysyms of the modifier keys.
constexpr xcb_keysym_t kShiftKey = 0xffe1, kCtrlKey = 0xffe3, kAltKey = 0xffe9;

class EditorWindowTest : public ::testing::Test
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

} // namespace velqa::test
