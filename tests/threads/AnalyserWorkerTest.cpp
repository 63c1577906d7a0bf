#include "code/soundengine/AnalyserWorker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
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

// The audio thread feeds, the worker analyses and the editor changes the display settings and
// reads curves, all at once, as in a running session with the editor open.
TEST(AnalyserThreads, FeedAnalysisSettingsAndCurveReadsOverlap)
{
    constexpr int kHeight = 248;
    CSpectrumAnalyzer analyser;
    analyser.configure(48000, 20.0f, 22000.0f, 478, kHeight, 48.0f);
    CAnalyserWorker worker(analyser);
    ASSERT_TRUE(worker.start());

    std::atomic<bool> fed{false};
    std::thread audio(
        [&]
        {
            std::vector<float> left(256), right(256);
            float* channels[] = {left.data(), right.data()};
            long t = 0;
            for (int block = 0; block < 1500; ++block)
            {
                for (size_t i = 0; i < left.size(); ++i, ++t)
                    left[i] = right[i] = 0.5f * static_cast<float>(std::sin(0.05 * t));
                if (analyser.feed(channels, 256, 2)) worker.frameReady();
                if (block % 16 == 0) std::this_thread::sleep_for(1ms);
            }
            fed = true;
        });

    int curves = 0;
    bool inRange = true;
    for (int k = 0; !fed; ++k)
    {
        analyser.setTilt(k % 2 == 0, k % 4 < 2 ? 3.0f : 6.0f, k % 3 == 0 ? 100.0f : 1000.0f);
        analyser.setDisplayGain(12.0f * static_cast<float>(k % 3));
        if (analyser.takeNewData())
        {
            int count = 0;
            const int* curve = analyser.columns(count);
            for (int c = 0; c < count; ++c)
                inRange = inRange && curve[c] >= 0 && curve[c] <= kHeight;
            ++curves;
        }
        std::this_thread::sleep_for(200us);
    }
    audio.join();
    worker.stop();
    EXPECT_GT(curves, 0);
    EXPECT_TRUE(inRange);
}
