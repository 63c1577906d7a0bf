// The live views at work: one editor tick that takes a new curve for both spectra and new
// levels for all eight meters and redraws them, at 100 % and 200 %, while the audio plays in
// real time on a thread of its own.
#include "code/Plug.h"
#include "code/editor/Gui.h"
#include "resources/EmbeddedResources.h"
#include "vstgui/lib/platform/offscreenframe.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

namespace
{

VstIntPtr quietHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

class Playing
{
public:
    static constexpr int kBlock = 512;
    static constexpr double kRate = 48000.0;

    explicit Playing(double zoom)
    {
        velqa::registerEmbeddedResources();
        VstSpeakerArrangement input{};
        input.numChannels = 2;
        VstSpeakerArrangement output{};
        output.numChannels = CPlug::kNumOutputs;
        plug.setSpeakerArrangement(&input, &output);
        plug.setSampleRate(static_cast<float>(kRate));
        plug.setBlockSize(kBlock);
        plug.resume();
        for (auto& channel : buffers) channel.assign(kBlock, 0.0f);
        gui = dynamic_cast<CGui*>(plug.getEditor());
        opened = gui && gui->openOffscreen(1.0) && gui->setZoom(zoom, false);
        if (!opened) return;
        gui->getOffscreenFrame()->redrawAll();
        // The audio runs on a thread of its own in real time, as in a host.
        audio = std::thread(
            [this]
            {
                const auto blockTime =
                    std::chrono::microseconds(static_cast<long>(1e6 * kBlock / kRate));
                auto due = std::chrono::steady_clock::now();
                while (!done)
                {
                    playBlock();
                    std::this_thread::sleep_until(due += blockTime);
                }
            });
    }
    ~Playing()
    {
        done = true;
        if (audio.joinable()) audio.join();
        if (gui) gui->close();
    }

    // Waits until both analysers have finished a new curve, so the next tick has new curves
    // and new levels to draw.
    bool waitForCurves()
    {
        const int before[] = {plug.analysedFrames(velqa::kSectionAbove),
                              plug.analysedFrames(velqa::kSectionBelow)};
        for (int wait = 0; wait < 1000; ++wait)
        {
            if (plug.analysedFrames(velqa::kSectionAbove) > before[0] &&
                plug.analysedFrames(velqa::kSectionBelow) > before[1])
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }

    CPlug plug{quietHost};
    CGui* gui = nullptr;
    bool opened = false;

private:
    // Broadband noise, darker towards the top as music is, over a slow sweep, its level
    // swelling and fading: every column of both spectra and every meter keeps moving.
    void playBlock()
    {
        for (int i = 0; i < kBlock; ++i, ++frame)
        {
            const double t = frame / kRate;
            const double level = 0.5 + 0.45 * std::sin(2 * std::numbers::pi * 0.7 * t);
            phase += 2 * std::numbers::pi * (100.0 + 4000.0 * (0.5 + 0.5 * std::sin(t))) / kRate;
            noise = noise * 1664525u + 1013904223u;
            const double white = static_cast<double>(noise) / 2147483648.0 - 1.0;
            dark = 0.97 * dark + 0.03 * white;
            const auto sample =
                static_cast<float>(level * (0.5 * std::sin(phase) + 2.0 * dark + 0.1 * white));
            buffers[0][static_cast<size_t>(i)] = sample;
            buffers[1][static_cast<size_t>(i)] = 0.8f * sample;
        }
        std::array<float*, 2> in{buffers[0].data(), buffers[1].data()};
        std::array<float*, CPlug::kNumOutputs> out{};
        for (int c = 0; c < CPlug::kNumOutputs; ++c)
            out[static_cast<size_t>(c)] = buffers[static_cast<size_t>(2 + c)].data();
        plug.processReplacing(in.data(), out.data(), kBlock);
    }

    std::array<std::vector<float>, 2 + CPlug::kNumOutputs> buffers;
    long frame = 0;
    double phase = 0;
    double dark = 0;
    uint32_t noise = 1;
    std::atomic<bool> done{false};
    std::thread audio;
};

void BM_TickWithLiveViewsAnimating(benchmark::State& state)
{
    Playing playing(static_cast<double>(state.range(0)) / 100.0);
    if (!playing.opened) return state.SkipWithError("editor did not open");
    for (auto _ : state)
    {
        state.PauseTiming();
        const bool advanced = playing.waitForCurves();
        state.ResumeTiming();
        if (!advanced) return state.SkipWithError("the analysers produced no curve");
        playing.gui->idle();
    }
}
// Each tick waits for the next curves (about 43 ms of audio), so a few hundred are plenty.
BENCHMARK(BM_TickWithLiveViewsAnimating)
    ->Arg(100)
    ->Arg(200)
    ->Iterations(200)
    ->Unit(benchmark::kMicrosecond);

} // namespace
