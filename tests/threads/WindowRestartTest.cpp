// Runs under a virtual X server: with the editor open, the view's idle tick carries a latency
// restart raised on the audio thread to the host's UI thread.
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "host/ViewHost.h"

#include <gtest/gtest.h>

#include <thread>

using namespace Steinberg;
using velqa::host::ComponentHandlerRecorder;

TEST(WindowRestart, TheOpenViewsIdleTickCarriesARestartFromTheAudioThread)
{
    auto module = velqa::host::Module::load(VELQA_BUNDLE).module;
    ASSERT_TRUE(module);
    auto plugin = velqa::host::PluginInstance::create(*module).instance;
    ASSERT_TRUE(plugin);
    ASSERT_EQ(plugin->initialize(), kResultOk);
    ASSERT_EQ(plugin->setupProcessing(48000.0, 256), kResultOk);
    plugin->setActive(true);
    plugin->setProcessing(true);
    IPlugView* view = plugin->controller()->createView(Vst::ViewType::kEditor);
    ASSERT_NE(view, nullptr);
    auto viewHost = velqa::host::ViewHost::create("Velqa test");
    ASSERT_TRUE(viewHost) << "no X display";
    ASSERT_EQ(viewHost->attach(view), kResultOk);
    plugin->handler().clear();

    std::thread audio(
        [&]
        {
            plugin->inputChanges().add(110, 0, 1.0); // LookaheadOn
            plugin->process(256);
        });
    audio.join();
    EXPECT_EQ(plugin->handler().count(ComponentHandlerRecorder::Kind::restartComponent), 0u);
    viewHost->run(300);
    EXPECT_EQ(plugin->handler().count(ComponentHandlerRecorder::Kind::restartComponent), 1u);

    viewHost->detach();
    viewHost.reset();
    view->release();
    plugin.reset();
}
