// Runs under a virtual X server: the built module's editor in the view host's window, the way a
// Linux DAW shows it.
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "host/ViewHost.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>

using namespace Steinberg;

namespace
{

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
