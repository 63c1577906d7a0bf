// The live views through the built module: audio the instance processes moves the spectra and
// the meters its editor draws, a sine peaks in its own column, and silence rests the meters.

#include "OpenEditorTest.h"
#include "tools/DemoSignal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

namespace velqa::test
{
namespace
{

using namespace Steinberg;

constexpr double kRate = 48000.0; // the off-screen editor's instance runs at this rate
constexpr int kBlock = 240;
constexpr int kBlocksPerTick = 10; // 50 ms of audio per editor tick, as in a host
constexpr int kTicksPerSecond = 20;
constexpr int kRestTicks = 25;
constexpr int32 kSpectra[] = {16, 17};
constexpr int32 kMeters[] = {157, 158, 159, 160, 161, 162, 163, 164};
constexpr int32 kGainMeter = 160;
constexpr float kMeterHeight[] = {280, 280, 280, 280, 280, 280, 258, 258};
constexpr int kSpectrumRows = 248;
constexpr int32 kSpectrumShown = 113;

// The analysers' axis: 478 columns from 20 Hz to 22 kHz, column i centred on
// 20 * 2^(i / 477 * log2(1100)); a frequency belongs to the column whose lower edge it passed.
int columnOf(double hz)
{
    return static_cast<int>(std::floor(0.5 + 477.0 * std::log2(hz / 20.0) / std::log2(1100.0)));
}

struct Capture
{
    std::vector<float> spectra[2];
    std::vector<float> meters;
};

class LiveViewsTest : public OpenEditorTest
{
protected:
    // One block of the source, from the given frame on, into both input channels.
    template <typename Source> void feed(Source& source, int64_t& frame)
    {
        host::AudioBuffers& inputs = editor->plugin().inputs();
        for (int i = 0; i < kBlock; ++i, ++frame)
            for (int c = 0; c < 2; ++c) inputs.channel(0, c)[i] = source(frame, c);
    }
    // Audio and editor ticks in step, giving the analyser threads a moment before each tick.
    template <typename Source> void play(int ticks, Source&& source)
    {
        for (int t = 0; t < ticks; ++t)
        {
            for (int b = 0; b < kBlocksPerTick; ++b)
            {
                feed(source, position);
                editor->plugin().process(kBlock);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            editor->tick();
        }
    }
    std::vector<float> read(int32 tag)
    {
        std::vector<float> values(512);
        int32 count = -1;
        EXPECT_EQ(editor->probe().readLiveView(tag, values.data(), 512, &count), kResultOk) << tag;
        values.resize(static_cast<size_t>(std::clamp(count, 0, 512)));
        return values;
    }
    Capture capture()
    {
        Capture c;
        for (int s = 0; s < 2; ++s) c.spectra[s] = read(kSpectra[s]);
        for (const int32 tag : kMeters) c.meters.push_back(read(tag).at(0));
        return c;
    }

    int64_t position = 0;
};

const host::AudioData& demo()
{
    static const host::AudioData signal = tool::demoSignal(kRate, 4.0);
    return signal;
}

float demoSample(int64_t frame, int channel)
{
    const auto& samples = demo().channels[static_cast<size_t>(channel)];
    return samples[static_cast<size_t>(frame % std::ssize(samples))];
}

float silence(int64_t, int)
{
    return 0.0f;
}

TEST_F(LiveViewsTest, PlayingMovesSpectraAndMetersAndSilenceRestsTheMeters)
{
    const Capture before = capture();
    EXPECT_TRUE(before.spectra[0].empty() && before.spectra[1].empty()) << "no data yet";
    EXPECT_EQ(before.meters[kGainMeter - 157], 280.0f) << "the gain meter opens at rest";

    play(kTicksPerSecond, demoSample);
    const Capture first = capture();
    play(kTicksPerSecond, demoSample);
    const Capture second = capture();
    for (int s = 0; s < 2; ++s)
    {
        ASSERT_EQ(first.spectra[s].size(), 478u) << s;
        EXPECT_NE(first.spectra[s], second.spectra[s]) << "spectrum " << s << " moves";
        EXPECT_LT(*std::min_element(first.spectra[s].begin(), first.spectra[s].end()),
                  kSpectrumRows - 10)
            << "the demo rises above the floor";
    }
    EXPECT_NE(first.meters, second.meters);
    const auto lit = std::count_if(second.meters.begin(), second.meters.end(),
                                   [](float rows) { return rows > 0; });
    EXPECT_GE(lit, 6) << "input, detector, gain, output and a section show the demo";

    play(kRestTicks, silence);
    const Capture rested = capture();
    for (size_t m = 0; m < std::size(kMeters); ++m)
        EXPECT_EQ(rested.meters[m], kMeters[m] == kGainMeter ? kMeterHeight[m] : 0.0f)
            << "meter " << kMeters[m];
    EXPECT_EQ(rested.spectra[0].size(), 478u) << "the last curve stays";
}

TEST_F(LiveViewsTest, FullScaleSinePeaksInItsColumnEvenWhileTheDisplayIsHidden)
{
    editor->hostSets({{kSpectrumShown, 0.0}});
    ASSERT_FALSE(editor->visible(16));
    constexpr double hz = 1000.0;
    play(kTicksPerSecond, [](int64_t frame, int)
         { return static_cast<float>(std::sin(2 * std::numbers::pi * hz * frame / kRate)); });
    int peaked = 0;
    for (const int32 tag : kSpectra)
    {
        const std::vector<float> rows = read(tag);
        ASSERT_EQ(rows.size(), 478u) << tag;
        const float top = *std::min_element(rows.begin(), rows.end());
        if (top > kSpectrumRows / 2) continue; // this section got little of the sine
        ++peaked;
        // Every column that reaches the peak lies at the sine's column.
        for (size_t c = 0; c < rows.size(); ++c)
            EXPECT_TRUE(rows[c] > top || std::abs(static_cast<int>(c) - columnOf(hz)) <= 1)
                << "view " << tag << " peaks at column " << c;
    }
    EXPECT_GE(peaked, 1);
}

// Runs with the thread checker: the audio thread stores levels and frames while the
// user-interface thread ticks and draws.
TEST_F(LiveViewsTest, ThreadsAudioPlaysWhileTheEditorTicks)
{
    host::PluginInstance& plugin = editor->plugin();
    plugin.deliverOutputChangesLater(true);
    std::atomic<bool> done{false};
    std::thread audio(
        [&]
        {
            int64_t frame = 0;
            while (!done)
            {
                feed(demoSample, frame);
                plugin.process(kBlock);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    for (int t = 0; t < 2 * kTicksPerSecond; ++t)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        plugin.deliverOutputChanges();
        editor->tick();
        capture();
    }
    done = true;
    audio.join();
    const Capture last = capture();
    EXPECT_EQ(last.spectra[0].size(), 478u);
    EXPECT_GT(last.meters[0], 0.0f);
}

} // namespace
} // namespace velqa::test
