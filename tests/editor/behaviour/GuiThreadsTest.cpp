// Automation from another thread while the editor draws: the values wait in their slots and the
// controls take them at the tick.

#include "GuiFixture.h"

#include <atomic>
#include <thread>

using namespace velqa;

namespace
{

class GuiThreads : public GuiFixture
{
};

TEST_F(GuiThreads, AutomationFromAnotherThreadReachesTheControlsAtTheTick)
{
    std::atomic<bool> done{false};
    std::thread automation(
        [this, &done]
        {
            for (int i = 0; i < 20000; ++i)
                plug->setParameter(kMix, static_cast<float>(i % 100) / 100.0f);
            plug->setParameter(kMix, 0.25f);
            done = true;
        });
    while (!done) gui->idle();
    automation.join();
    gui->idle();
    EXPECT_EQ(control(114)->getValue(), 0.25f);
}

} // namespace
