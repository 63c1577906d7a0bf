#include "code/soundengine/AnalyserWorker.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace
{

using namespace std::chrono_literals;

class Worker : public ::testing::Test
{
protected:
    void SetUp() override
    {
        analyser.configure(48000, 20.0f, 22000.0f, 478, 248, 48.0f);
        ASSERT_TRUE(worker.start());
    }

    // Feeds until the analyser hands over a frame, as the audio thread does.
    void handOverFrame()
    {
        std::vector<float> block(512, 0.25f);
        float* channels[] = {block.data()};
        while (!analyser.feed(channels, 512, 1))
        {
        }
        worker.frameReady();
    }

    // Bounded so that a lost wake-up fails the test rather than hanging it.
    template <typename Condition> bool eventually(Condition condition)
    {
        for (int i = 0; i < 400; ++i)
        {
            if (condition()) return true;
            std::this_thread::sleep_for(5ms);
        }
        return condition();
    }

    bool backToBlocking()
    {
        return eventually([this] { return !worker.isPolling(); });
    }

    CSpectrumAnalyzer analyser;
    CAnalyserWorker worker{analyser};
};

} // namespace

TEST_F(Worker, AnalysesFramesWhilePollingAndAfterGoingBackToBlocking)
{
    EXPECT_FALSE(worker.isPolling());
    handOverFrame();
    ASSERT_TRUE(eventually([this] { return worker.analysedFrames() >= 1; }));

    // Polling: frameReady only leaves a flag, which the next look must find.
    handOverFrame();
    ASSERT_TRUE(eventually([this] { return worker.analysedFrames() >= 2; }));

    ASSERT_TRUE(backToBlocking());
    const int before = worker.analysedFrames();
    handOverFrame();
    EXPECT_TRUE(eventually([&] { return worker.analysedFrames() > before; }));
}

TEST_F(Worker, StopReturnsWhilePolling)
{
    handOverFrame();
    ASSERT_TRUE(eventually([this] { return worker.analysedFrames() >= 1; }));
    worker.stop();
    EXPECT_FALSE(worker.isPolling());
    // A second stop and a restart must both be harmless.
    worker.stop();
    ASSERT_TRUE(worker.start());
    handOverFrame();
    EXPECT_TRUE(eventually([this] { return worker.analysedFrames() >= 2; }));
}

TEST_F(Worker, StopReturnsWhileBlocked)
{
    handOverFrame();
    ASSERT_TRUE(eventually([this] { return worker.analysedFrames() >= 1; }));
    ASSERT_TRUE(backToBlocking());
    worker.stop();
    EXPECT_FALSE(worker.isPolling());
}
