#include "VST3Adapter/UiThreadRelay.h"
#include "host/HostObject.h"
#include "pluginterfaces/gui/iplugview.h"

#include <gtest/gtest.h>

#include <thread>

using namespace Steinberg;

namespace
{

// A host context that offers its run loop, with a timer the test ticks by hand.
class TimerLoop : public velqa::host::HostObject<Linux::IRunLoop>
{
public:
    tresult PLUGIN_API registerEventHandler(Linux::IEventHandler*, Linux::FileDescriptor) override
    {
        return kNotImplemented;
    }
    tresult PLUGIN_API unregisterEventHandler(Linux::IEventHandler*) override
    {
        return kNotImplemented;
    }
    tresult PLUGIN_API registerTimer(Linux::ITimerHandler* timer, Linux::TimerInterval) override
    {
        timer->addRef();
        handler = timer;
        return kResultOk;
    }
    tresult PLUGIN_API unregisterTimer(Linux::ITimerHandler* timer) override
    {
        if (timer != handler) return kInvalidArgument;
        handler->release();
        handler = nullptr;
        return kResultOk;
    }
    void tick()
    {
        if (handler) handler->onTimer();
    }

    Linux::ITimerHandler* handler = nullptr;
};

} // namespace

TEST(UiThreadRelay, ARequestFromAnotherThreadRunsOnceOnTheHostsTimer)
{
    TimerLoop loop;
    int runs = 0;
    velqa::CUiThreadRelay relay;
    relay.bind(&loop, [&runs] { ++runs; });
    ASSERT_NE(loop.handler, nullptr);

    relay.request();
    EXPECT_EQ(runs, 1);
    // Raised elsewhere, it is only noted; a flush off the UI thread leaves it noted.
    std::thread audio(
        [&relay]
        {
            relay.request();
            relay.flush();
        });
    audio.join();
    EXPECT_EQ(runs, 1);
    loop.tick();
    loop.tick();
    EXPECT_EQ(runs, 2);

    relay.unbind();
    EXPECT_EQ(loop.handler, nullptr);
    EXPECT_EQ(loop.referencesHeldByPlugin(), 0u);
}
