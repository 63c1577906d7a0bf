#include "host/MemoryStream.h"
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "pluginterfaces/vst/vstspeaker.h"
#include "tools/Command.h"
#include "tools/DefaultBundle.h"

#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <numbers>
#include <random>
#include <thread>

namespace velqa::tool
{

using namespace Steinberg;

namespace
{
constexpr int kMaxBlock = 1024;
constexpr Vst::ParamID kHostParameters = 114;
constexpr double kRates[] = {44100.0, 48000.0, 96000.0};
// Stored values the latency depends on: look-ahead amount and switch, oversampling factor and on.
constexpr std::uint32_t kLatencyValues[] = {109, 110, 116, 117};
constexpr std::uint32_t kOversamplingFactor = 116;
constexpr std::uint32_t kOversamplingOn = 117;
constexpr std::uint32_t kLookaheadOn = 110;
// Program index, then the chunk's 16-byte header, then the live values as little-endian floats.
constexpr size_t kValuesOffset = 4 + 16;

struct Counts
{
    std::atomic<long> blocks{0}, samples{0}, parameterChanges{0}, nonFinite{0}, subnormal{0},
        failedBlocks{0};
    long stateRestores = 0, reactivations = 0, refusedLayouts = 0, latencyProbes = 0,
         latencyMismatches = 0;
};

bool parseInt(const std::string& text, long& value, long low, long high)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

// The values of a state blob, read and written in place.
class StateValues
{
public:
    explicit StateValues(std::vector<std::uint8_t> bytes) : bytes(std::move(bytes)) {}
    bool has(std::uint32_t index) const { return kValuesOffset + 4 * (index + 1) <= bytes.size(); }
    float get(std::uint32_t index) const
    {
        float value = 0.0f;
        if (has(index)) std::memcpy(&value, bytes.data() + kValuesOffset + 4 * index, 4);
        return value;
    }
    void set(std::uint32_t index, float value)
    {
        if (has(index)) std::memcpy(bytes.data() + kValuesOffset + 4 * index, &value, 4);
    }
    std::vector<std::uint8_t> bytes;
};

// One instance played from two threads at once: a host audio thread sending blocks with
// automation, and this (the UI) thread restoring states and re-activating with new layouts and
// rates in between. Every output sample is checked; the latency the effect reports is measured
// with an impulse after each re-activation.
class Stress
{
public:
    Stress(host::PluginInstance& plugin, unsigned seed) : plugin(plugin), uiRandom(seed), seed(seed)
    {
    }

    bool run(double seconds)
    {
        if (!start(48000.0, 512)) return false;
        host::MemoryStream initial;
        if (plugin.getState(initial) != kResultOk) return false;
        defaults = initial.bytes();

        // The processor's own moves reach the controller on this thread, as in a host.
        plugin.deliverOutputChangesLater(true);
        audio = std::thread([this] { audioLoop(); });
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        auto nextReactivation = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (std::chrono::steady_clock::now() < end)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(uiPause(uiRandom)));
            plugin.deliverOutputChanges();
            if (std::chrono::steady_clock::now() >= nextReactivation)
            {
                pauseAudio();
                reactivate();
                resumeAudio();
                nextReactivation = std::chrono::steady_clock::now() + std::chrono::seconds(2);
            }
            else
                restoreRandomState();
        }
        quit = true;
        resumeAudio();
        audio.join();
        return true;
    }

    void print(double seconds) const
    {
        std::printf("velqa stress: %.0f s, seed %u\n", seconds, seed);
        std::printf("  %-26s %ld\n", "blocks processed", counts.blocks.load());
        std::printf("  %-26s %ld\n", "samples checked", counts.samples.load());
        std::printf("  %-26s %ld\n", "parameter changes", counts.parameterChanges.load());
        std::printf("  %-26s %ld\n", "state restores", counts.stateRestores);
        std::printf("  %-26s %ld\n", "re-activations", counts.reactivations);
        std::printf("  %-26s %ld\n", "bus layouts refused", counts.refusedLayouts);
        std::printf("  %-26s %ld\n", "latency probes", counts.latencyProbes);
        std::printf("  %-26s %ld\n", "latency mismatches", counts.latencyMismatches);
        std::printf("  %-26s %ld\n", "failed blocks", counts.failedBlocks.load());
        std::printf("  %-26s %ld\n", "non-finite samples", counts.nonFinite.load());
        std::printf("  %-26s %ld\n", "subnormal samples", counts.subnormal.load());
        std::printf("result: %s\n", faults() ? "FAULTS" : "ok");
    }

    long faults() const
    {
        return counts.nonFinite + counts.subnormal + counts.failedBlocks + counts.latencyMismatches;
    }

private:
    bool start(double sampleRate, int blockSize)
    {
        rate = sampleRate;
        block = blockSize;
        return plugin.setupProcessing(rate, kMaxBlock) == kResultOk &&
               plugin.setActive(true) == kResultOk;
    }

    void audioLoop()
    {
        std::mt19937 random(seed + 1);
        for (;;)
        {
            {
                std::unique_lock<std::mutex> lock(pauseMutex);
                if (pauseRequested)
                {
                    paused = true;
                    pauseChanged.notify_all();
                    pauseChanged.wait(lock, [this] { return !pauseRequested; });
                    paused = false;
                }
            }
            if (quit) return;
            processBlock(random);
        }
    }

    void processBlock(std::mt19937& random)
    {
        std::uniform_int_distribution<int> sizes(1, block);
        const int n = sizes(random);
        fillInputs(random, n);
        plugin.inputChanges().clear();
        const int changes = std::uniform_int_distribution<int>(0, 3)(random);
        for (int c = 0; c < changes; ++c)
        {
            const auto id = static_cast<Vst::ParamID>(
                std::uniform_int_distribution<int>(0, kHostParameters - 1)(random));
            const double value = std::uniform_real_distribution<double>(0.0, 1.0)(random);
            if (plugin.inputChanges().add(id, 0, value)) ++counts.parameterChanges;
        }
        if (plugin.process(n) != kResultOk)
        {
            ++counts.failedBlocks;
            return;
        }
        checkOutputs(n);
        ++counts.blocks;
    }

    // Music-like input: a sine at a random level and pitch, now and then silence (tails decay
    // into the subnormal range there) and now and then a hot floating-point level.
    void fillInputs(std::mt19937& random, int n)
    {
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        if (unit(random) < 0.02)
            level = unit(random) < 0.3 ? 0.0 : std::pow(10.0, -2.0 * unit(random));
        if (unit(random) < 0.002) level = 4.0;
        if (unit(random) < 0.02) frequency = 40.0 * std::pow(2.0, 8.0 * unit(random));
        auto& inputs = plugin.inputs();
        for (int bus = 0; bus < inputs.busCount(); ++bus)
            for (int c = 0; c < inputs.channelCount(bus); ++c)
            {
                float* x = inputs.channel(bus, c);
                double p = phase + 0.25 * c + 0.1 * bus;
                for (int i = 0; i < n; ++i, p += frequency / rate)
                    x[i] = static_cast<float>(level * std::sin(2.0 * std::numbers::pi * p));
            }
        phase = std::fmod(phase + n * frequency / rate, 1.0);
    }

    void checkOutputs(int n)
    {
        auto& outputs = plugin.outputs();
        long bad = 0, tiny = 0, checked = 0;
        for (int bus = 0; bus < outputs.busCount(); ++bus)
            for (int c = 0; c < outputs.channelCount(bus); ++c)
            {
                const float* y = outputs.channel(bus, c);
                for (int i = 0; i < n; ++i)
                {
                    const int kind = std::fpclassify(y[i]);
                    bad += kind == FP_NAN || kind == FP_INFINITE;
                    tiny += kind == FP_SUBNORMAL;
                }
                checked += n;
            }
        counts.nonFinite += bad;
        counts.subnormal += tiny;
        counts.samples += checked;
    }

    void pauseAudio()
    {
        std::unique_lock<std::mutex> lock(pauseMutex);
        pauseRequested = true;
        pauseChanged.wait(lock, [this] { return paused; });
    }

    void resumeAudio()
    {
        std::lock_guard<std::mutex> lock(pauseMutex);
        pauseRequested = false;
        pauseChanged.notify_all();
    }

    // The last state, with the settings that move the latency changed at random, loaded while
    // the audio thread runs.
    void restoreRandomState()
    {
        host::MemoryStream current;
        if (plugin.getState(current) != kResultOk) return;
        StateValues state(current.bytes());
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        state.set(kOversamplingOn, unit(uiRandom) < 0.5f ? 1.0f : 0.0f);
        state.set(kOversamplingFactor,
                  static_cast<float>(std::uniform_int_distribution<int>(0, 3)(uiRandom)) / 128.0f);
        state.set(kLookaheadOn, unit(uiRandom));
        host::MemoryStream changed(std::move(state.bytes));
        if (plugin.setState(changed) == kResultOk) ++counts.stateRestores;
    }

    // Between activations: a new bus layout, rate and block size, then the latency probe.
    void reactivate()
    {
        plugin.setProcessing(false);
        plugin.setActive(false);
        std::uniform_int_distribution<int> pick(0, 3);
        const bool monoIn = pick(uiRandom) == 0;
        const bool sideChain = pick(uiRandom) != 0;
        const bool extraOutputs = pick(uiRandom) != 0;
        std::vector<Vst::SpeakerArrangement> in = {
            monoIn ? Vst::SpeakerArr::kMono : Vst::SpeakerArr::kStereo, Vst::SpeakerArr::kStereo};
        std::vector<Vst::SpeakerArrangement> out(5, Vst::SpeakerArr::kStereo);
        if (plugin.setBusArrangements(in, out) != kResultOk)
        {
            ++counts.refusedLayouts;
            in[0] = Vst::SpeakerArr::kStereo;
            plugin.setBusArrangements(in, out);
        }
        plugin.activateBus(Vst::kAudio, Vst::kInput, 1, sideChain);
        for (int32 bus = 1; bus < 5; ++bus)
            plugin.activateBus(Vst::kAudio, Vst::kOutput, bus, extraOutputs);
        const double newRate = kRates[std::uniform_int_distribution<int>(0, 2)(uiRandom)];
        const int newBlock = 1 << std::uniform_int_distribution<int>(5, 10)(uiRandom);
        if (!start(newRate, newBlock))
        {
            ++counts.failedBlocks;
            start(48000.0, 512);
        }
        ++counts.reactivations;
        plugin.setProcessing(true);
        probeLatency();
    }

    // With every other setting at its default, an impulse must come out after exactly the
    // latency the effect reports for the look-ahead and oversampling now set.
    void probeLatency()
    {
        host::MemoryStream saved;
        if (plugin.getState(saved) != kResultOk) return;
        const StateValues current(saved.bytes());
        StateValues probe(defaults);
        for (std::uint32_t index : kLatencyValues) probe.set(index, current.get(index));
        host::MemoryStream probeStream(probe.bytes);
        if (plugin.setState(probeStream) != kResultOk) return;

        // Settle: pending changes land and the oversamplers fill.
        const long settle = static_cast<long>(rate / 2);
        for (long done = 0; done < settle; done += block) silentBlock();
        const auto reported = static_cast<long>(plugin.processor()->getLatencySamples());

        const long span = reported + 4 * 4096;
        long loudestAt = -1;
        float loudest = 0.0f;
        for (long position = 0; position < span; position += block)
        {
            silentBlock(position == 0);
            const float* y = plugin.outputs().channel(0, 0);
            for (int i = 0; i < block; ++i)
                if (std::fabs(y[i]) > loudest)
                {
                    loudest = std::fabs(y[i]);
                    loudestAt = position + i;
                }
        }
        ++counts.latencyProbes;
        if (loudestAt != reported)
        {
            ++counts.latencyMismatches;
            std::printf("  latency probe: reported %ld, measured %ld (look-ahead %.3f on %.3f, "
                        "oversampling %.0f factor %.4f, %.0f Hz)\n",
                        reported, loudestAt, current.get(109), current.get(110), current.get(117),
                        current.get(116), rate);
        }
        host::MemoryStream back(saved.bytes());
        plugin.setState(back);
    }

    void silentBlock(bool impulse = false)
    {
        auto& inputs = plugin.inputs();
        inputs.fill(0.0f);
        if (impulse)
            for (int c = 0; c < inputs.channelCount(0); ++c) inputs.channel(0, c)[0] = 0.5f;
        plugin.inputChanges().clear();
        if (plugin.process(block) != kResultOk) ++counts.failedBlocks;
        checkOutputs(block);
    }

    host::PluginInstance& plugin;
    std::mt19937 uiRandom;
    std::uniform_int_distribution<int> uiPause{5, 60};
    unsigned seed;
    double rate = 48000.0;
    int block = 512;
    std::vector<std::uint8_t> defaults;
    Counts counts;

    // Audio thread's signal.
    double level = 0.25, frequency = 220.0, phase = 0.0;

    std::thread audio;
    std::atomic<bool> quit{false};
    std::mutex pauseMutex;
    std::condition_variable pauseChanged;
    bool pauseRequested = false;
    bool paused = false;
};
} // namespace

int runStress(const std::vector<std::string>& arguments)
{
    long seconds = 10;
    long seed = static_cast<long>(std::random_device{}() & 0x7FFFFFFF);
    std::filesystem::path bundle;
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == "--seconds" && hasValue && parseInt(arguments[i + 1], seconds, 1, 86400))
            ++i;
        else if (arg == "--seed" && hasValue && parseInt(arguments[i + 1], seed, 0, 0x7FFFFFFF))
            ++i;
        else if (arg == "--bundle" && hasValue)
            bundle = arguments[++i];
        else
        {
            std::fprintf(stderr, "Usage: velqa stress [--seconds N] [--seed S] [--bundle PATH]\n");
            return exitUsage;
        }
    }
    if (bundle.empty()) bundle = defaultBundle();
    auto loaded = host::Module::load(bundle);
    if (!loaded.module)
    {
        std::fprintf(stderr, "velqa stress: %s: %s\n", bundle.c_str(),
                     host::describe(loaded.error));
        return exitFailure;
    }
    auto created = host::PluginInstance::create(*loaded.module);
    if (!created.instance || created.instance->initialize() != kResultOk)
    {
        std::fprintf(stderr, "velqa stress: could not create an instance of %s\n", bundle.c_str());
        return exitFailure;
    }
    Stress stress(*created.instance, static_cast<unsigned>(seed));
    if (!stress.run(static_cast<double>(seconds)))
    {
        std::fprintf(stderr, "velqa stress: the plug-in refused to start processing\n");
        return exitFailure;
    }
    stress.print(static_cast<double>(seconds));
    const bool failed = stress.faults() != 0;
    created.instance.reset();
    return failed ? exitFailure : exitOk;
}

} // namespace velqa::tool
