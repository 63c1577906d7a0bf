// Runs under a virtual X server: the built module's editor in the view host's window, with a
// click synthesised through XTest, the way a Linux DAW shows it.
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "host/ViewHost.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>

using namespace Steinberg;
using velqa::host::ComponentHandlerRecorder;

namespace
{

constexpr Vst::ParamID kBypassParameter = 99;

class EditorWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { module = velqa::host::Module::load(VELQA_BUNDLE).module; }
    static void TearDownTestSuite() { module.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(module);
        plugin = velqa::host::PluginInstance::create(*module).instance;
        ASSERT_TRUE(plugin);
        ASSERT_EQ(plugin->initialize(), kResultOk);
        view = plugin->controller()->createView(Vst::ViewType::kEditor);
        ASSERT_NE(view, nullptr);
        viewHost = velqa::host::ViewHost::create("Velqa test");
        ASSERT_TRUE(viewHost) << "no X display";
        xcb = xcb_connect(nullptr, nullptr);
        ASSERT_FALSE(xcb_connection_has_error(xcb));
    }
    void TearDown() override
    {
        if (viewHost) viewHost->detach();
        viewHost.reset();
        if (view) view->release();
        plugin.reset();
        if (xcb) xcb_disconnect(xcb);
    }

    // Moves the pointer to a point of the host window and clicks there.
    void clickAt(int x, int y)
    {
        auto geometry = xcb_translate_coordinates_reply(
            xcb,
            xcb_translate_coordinates(xcb, viewHost->windowId(),
                                      xcb_setup_roots_iterator(xcb_get_setup(xcb)).data->root,
                                      static_cast<int16_t>(x), static_cast<int16_t>(y)),
            nullptr);
        ASSERT_NE(geometry, nullptr);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(xcb)).data->root;
        xcb_test_fake_input(xcb, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, geometry->dst_x,
                            geometry->dst_y, 0);
        xcb_flush(xcb);
        viewHost->run(100);
        xcb_test_fake_input(xcb, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(xcb, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(xcb);
        std::free(geometry);
        viewHost->run(200);
    }

    // Colour of a pixel of the host window (which shows the embedded editor).
    uint32_t pixelAt(int x, int y)
    {
        auto* image = xcb_get_image_reply(
            xcb,
            xcb_get_image(xcb, XCB_IMAGE_FORMAT_Z_PIXMAP, viewHost->windowId(),
                          static_cast<int16_t>(x), static_cast<int16_t>(y), 1, 1, ~0u),
            nullptr);
        if (!image) return 0;
        uint32_t pixel = 0;
        if (xcb_get_image_data_length(image) >= 4)
            pixel = *reinterpret_cast<const uint32_t*>(xcb_get_image_data(image)) & 0xFFFFFF;
        std::free(image);
        return pixel;
    }

    static inline std::unique_ptr<velqa::host::Module> module;
    std::unique_ptr<velqa::host::PluginInstance> plugin;
    IPlugView* view = nullptr;
    std::unique_ptr<velqa::host::ViewHost> viewHost;
    xcb_connection_t* xcb = nullptr;
};

TEST_F(EditorWindowTest, AttachesDrawsAndTicks)
{
    ASSERT_EQ(viewHost->attach(view), kResultOk);
    EXPECT_EQ(viewHost->windowSize().getWidth(), 875);
    EXPECT_EQ(viewHost->windowSize().getHeight(), 730);
    // The window's connection and the 50 ms idle both run on the host's loop.
    EXPECT_EQ(viewHost->eventHandlerCount(), 1u);
    EXPECT_EQ(viewHost->timerCount(), 1u);
    viewHost->run(300);
    EXPECT_NE(pixelAt(300, 15), 0u) << "the header is drawn";
    EXPECT_NE(pixelAt(300, 400), 0u) << "the main page is drawn";
    EXPECT_EQ(viewHost->attach(view), kResultFalse);
}

TEST_F(EditorWindowTest, AClickReachesTheHostAsOneEdit)
{
    ASSERT_EQ(viewHost->attach(view), kResultOk);
    viewHost->run(200);
    plugin->handler().clear();
    clickAt(857, 15); // the header's bypass switch
    using Kind = ComponentHandlerRecorder::Kind;
    EXPECT_EQ(plugin->handler().count(Kind::beginEdit), 1u);
    EXPECT_EQ(plugin->handler().count(Kind::endEdit), 1u);
    bool bypassed = false;
    for (const auto& call : plugin->handler().calls())
        if (call.kind == Kind::performEdit && call.id == kBypassParameter && call.value == 1.0)
            bypassed = true;
    EXPECT_TRUE(bypassed);
}

TEST_F(EditorWindowTest, ResizesWithinTheConstraintAndReattaches)
{
    ASSERT_EQ(viewHost->attach(view), kResultOk);
    ViewRect request(0, 0, 1000, 600);
    EXPECT_EQ(viewHost->resizeView(view, &request), kResultTrue);
    EXPECT_EQ(viewHost->windowSize().getWidth(), 925);
    EXPECT_EQ(viewHost->windowSize().getHeight(), 730);
    viewHost->run(100);

    EXPECT_EQ(viewHost->detach(), kResultOk);
    EXPECT_EQ(viewHost->timerCount(), 0u);
    EXPECT_EQ(viewHost->eventHandlerCount(), 0u);
    viewHost->run(100);
    ASSERT_EQ(viewHost->attach(view), kResultOk);
    EXPECT_EQ(viewHost->timerCount(), 1u);
    viewHost->run(200);
    EXPECT_NE(pixelAt(300, 400), 0u);
}

} // namespace
