#include "VST3Adapter/IEditorProbe.h"
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "tools/Command.h"
#include "tools/DefaultBundle.h"
#include "tools/DemoSignal.h"
#include "tools/OfflineRenderer.h"
#include "tools/OversamplingState.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <limits>
#include <optional>
#include <thread>

namespace velqa::tool
{

using namespace Steinberg;

namespace
{
constexpr double benchRate = 48000.0;

struct Configuration
{
    const char* name;
    int oversampling; // 0 off
    bool allBands;
};

const Configuration configurations[] = {
    {"defaults", 0, false},        {"all bands", 0, true},        {"oversampling 2x", 2, false},
    {"oversampling 4x", 4, false}, {"oversampling 8x", 8, false}, {"oversampling 16x", 16, false},
};

// Every band of both sections on, away from 0 dB so none is skipped as flat.
std::vector<ParameterSetting> allBandSettings()
{
    std::vector<ParameterSetting> settings;
    for (int band = 0; band < 5; ++band)
    {
        settings.push_back({static_cast<Vst::ParamID>(28 + band), 0.0});
        settings.push_back({static_cast<Vst::ParamID>(38 + band), 0.0});
        settings.push_back({static_cast<Vst::ParamID>(45 + 5 * band), 0.6});
        settings.push_back({static_cast<Vst::ParamID>(70 + 5 * band), 0.4});
    }
    return settings;
}

// An off-screen editor on a user-interface thread of its own, ticking at a host's idle rate
// while the audio renders, as when the user watches the plug-in during playback.
class TickingEditor
{
public:
    explicit TickingEditor(host::PluginInstance& plugin)
        : view(plugin.controller()->createView(Vst::ViewType::kEditor))
    {
    }
    ~TickingEditor()
    {
        running = false;
        if (thread.joinable()) thread.join();
        if (view) view->release();
    }
    // Returns once the editor is open; false when it could not open.
    bool start()
    {
        FUnknownPtr<velqa::IEditorProbe> probe(view);
        if (!probe) return false;
        std::atomic<int> opened{0}; // 1 open, -1 failed
        running = true;
        thread = std::thread(
            [this, probe, &opened]
            {
                if (probe->openOffscreen(1.0) != kResultOk)
                {
                    opened = -1;
                    return;
                }
                opened = 1;
                while (running)
                {
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                    probe->tick();
                }
                probe->closeOffscreen();
            });
        while (opened == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return opened == 1;
    }

private:
    IPlugView* view;
    std::thread thread;
    std::atomic<bool> running{false};
};

struct Measurement
{
    double bestSeconds = std::numeric_limits<double>::infinity();
    std::uint32_t latency = 0;
    std::string error;
};

void measureOnce(host::Module& module, const Configuration& configuration,
                 const host::AudioData& signal, int blockSize, bool withEditor,
                 Measurement& measurement)
{
    auto created = host::PluginInstance::create(module);
    if (!created.instance || created.instance->initialize() != kResultOk)
    {
        measurement.error = "could not create an instance";
        return;
    }
    std::string error;
    if (configuration.oversampling &&
        !requestOversampling(*created.instance, configuration.oversampling, error))
    {
        measurement.error = error;
        return;
    }
    RenderJob job;
    job.input = &signal;
    job.blockSize = blockSize;
    if (configuration.allBands) job.settings = allBandSettings();
    std::optional<TickingEditor> editor;
    if (withEditor)
        job.beforeInput = [&]
        {
            if (!editor.emplace(*created.instance).start()) measurement.error = "no editor";
        };
    const auto rendered = renderOffline(*created.instance, job);
    editor.reset();
    if (!measurement.error.empty()) return;
    if (!rendered.ok)
    {
        measurement.error = rendered.error;
        return;
    }
    measurement.bestSeconds = std::min(measurement.bestSeconds, rendered.processSeconds);
    measurement.latency = rendered.latency;
}

bool parseInt(const std::string& text, int& value, int low, int high)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}
} // namespace

int runBench(const std::vector<std::string>& arguments)
{
    int seconds = 10, blockSize = 512, rounds = 3;
    bool withEditor = false;
    std::filesystem::path bundle;
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == "--seconds" && hasValue && parseInt(arguments[i + 1], seconds, 1, 600))
            ++i;
        else if (arg == "--block" && hasValue && parseInt(arguments[i + 1], blockSize, 1, 65536))
            ++i;
        else if (arg == "--rounds" && hasValue && parseInt(arguments[i + 1], rounds, 1, 100))
            ++i;
        else if (arg == "--bundle" && hasValue)
            bundle = arguments[++i];
        else if (arg == "--editor")
            withEditor = true;
        else
        {
            std::fprintf(stderr, "Usage: velqa bench [--seconds S] [--block N] [--rounds R] "
                                 "[--editor] [--bundle PATH]\n"
                                 "--editor keeps an off-screen editor open and ticking at 20 Hz "
                                 "on a thread of its own\n");
            return exitUsage;
        }
    }
    if (bundle.empty()) bundle = defaultBundle();
    auto loaded = host::Module::load(bundle);
    if (!loaded.module)
    {
        std::fprintf(stderr, "velqa bench: %s: %s\n", bundle.c_str(), host::describe(loaded.error));
        return exitFailure;
    }
    const host::AudioData signal = demoSignal(benchRate, seconds);

    // Rounds run every configuration in turn, so a busy moment on the machine spreads over all
    // of them instead of spoiling one; each keeps its best round.
    std::vector<Measurement> results(std::size(configurations));
    for (int round = 0; round < rounds; ++round)
        for (size_t c = 0; c < results.size(); ++c)
            if (results[c].error.empty())
                measureOnce(*loaded.module, configurations[c], signal, blockSize, withEditor,
                            results[c]);

    std::printf("velqa bench: %d s of stereo audio at %.0f Hz, blocks of %d frames, best of %d "
                "rounds%s\n  %-18s %14s %16s %10s\n",
                seconds, benchRate, blockSize, rounds,
                withEditor ? ", editor open and ticking" : "", "configuration", "x real time",
                "ns/sample frame", "latency");
    bool anyFailed = false;
    for (size_t c = 0; c < results.size(); ++c)
    {
        const auto& r = results[c];
        if (!r.error.empty())
        {
            std::printf("  %-18s %s\n", configurations[c].name, r.error.c_str());
            anyFailed = true;
            continue;
        }
        const double frames = static_cast<double>(signal.frames());
        std::printf("  %-18s %14.1f %16.1f %10u\n", configurations[c].name, seconds / r.bestSeconds,
                    r.bestSeconds * 1e9 / frames, r.latency);
    }
    return anyFailed ? exitFailure : exitOk;
}

} // namespace velqa::tool
