#include "tools/EditorPlayback.h"

#include "tools/AudioInput.h"
#include "tools/Command.h"
#include "tools/DemoSignal.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace velqa::tool
{

using namespace Steinberg;

namespace
{
constexpr double kDemoRate = 48000.0;
constexpr double kDemoSeconds = 8.0;
constexpr double kTickSeconds = 0.05; // the editor's idle rate in a host
constexpr int kSpectrumTags[] = {16, 17};

bool bothSpectraDrawn(velqa::IEditorProbe& probe)
{
    for (const int tag : kSpectrumTags)
    {
        int32 count = 0;
        if (probe.readLiveView(tag, nullptr, 0, &count) != kResultOk || count == 0) return false;
    }
    return true;
}
} // namespace

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

int loadPlayAudio(const std::string& what, double seconds, host::AudioData& audio,
                  std::string& error)
{
    if (what == "demo")
    {
        audio = demoSignal(kDemoRate, seconds > 0 ? seconds : kDemoSeconds);
        return exitOk;
    }
    if (const int code = readPlayableAudio(what, "audio to play", audio, error); code != exitOk)
        return code;
    if (audio.channelCount() < 1 || audio.frames() == 0)
    {
        error = what + ": only mono or stereo audio can be played";
        return exitMismatch;
    }
    if (seconds > 0)
        for (auto& channel : audio.channels)
            channel.resize(std::min(channel.size(),
                                    static_cast<size_t>(std::ceil(seconds * audio.sampleRate))));
    return exitOk;
}

CPlayback::CPlayback(host::PluginInstance& plugin, const host::AudioData& audio)
    : plugin(plugin), audio(audio)
{
}

CPlayback::~CPlayback()
{
    if (!started) return;
    plugin.setProcessing(false);
    plugin.setActive(false);
}

bool CPlayback::start()
{
    if (plugin.setupProcessing(audio.sampleRate, kBlock) != kResultOk ||
        plugin.inputs().channelCount(0) < 1)
        return false;
    plugin.setActive(true);
    plugin.setProcessing(true);
    started = true;
    return true;
}

bool CPlayback::play(std::int64_t frames)
{
    const std::int64_t length = audio.frames();
    host::AudioBuffers& inputs = plugin.inputs();
    while (frames > 0)
    {
        const auto count = static_cast<int>(
            std::min<std::int64_t>({frames, static_cast<std::int64_t>(kBlock), length - position}));
        for (int c = 0; c < inputs.channelCount(0); ++c)
            if (float* out = inputs.channel(0, c))
            {
                const auto& source =
                    audio.channels[static_cast<size_t>(std::min(c, audio.channelCount() - 1))];
                std::copy_n(source.begin() + position, count, out);
            }
        if (plugin.process(count) != kResultOk) return false;
        position = (position + count) % length;
        frames -= count;
    }
    return true;
}

bool playIntoEditor(host::PluginInstance& plugin, velqa::IEditorProbe& probe,
                    const host::AudioData& audio, std::string& error)
{
    CPlayback playback(plugin, audio);
    if (!playback.start())
    {
        error = "the plug-in refused to play audio at " + std::to_string(audio.sampleRate) + " Hz";
        return false;
    }
    const auto tickFrames = static_cast<std::int64_t>(kTickSeconds * audio.sampleRate);
    for (std::int64_t done = 0; done < audio.frames(); done += tickFrames)
    {
        if (!playback.play(std::min(tickFrames, audio.frames() - done)))
        {
            error = "the plug-in failed to process a block";
            return false;
        }
        // The analysers work on threads of their own: give them a moment, as real time would.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        probe.tick();
    }
    for (int wait = 0; wait < 200 && !bothSpectraDrawn(probe); ++wait)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        probe.tick();
    }
    return true;
}

bool CRealtimePlayer::start()
{
    if (!playback.start()) return false;
    // The host's thread hands reported parameter changes on, not the audio thread.
    playback.instance().deliverOutputChangesLater(true);
    running = true;
    thread = std::thread(
        [this]
        {
            const double began = threadCpuSeconds();
            const std::chrono::duration<double> blockTime(CPlayback::kBlock /
                                                          playback.sampleRate());
            auto due = std::chrono::steady_clock::now();
            while (running.load(std::memory_order_relaxed))
            {
                if (!playback.play(CPlayback::kBlock)) break;
                due += std::chrono::duration_cast<std::chrono::steady_clock::duration>(blockTime);
                std::this_thread::sleep_until(due);
            }
            cpu = threadCpuSeconds() - began;
        });
    return true;
}

void CRealtimePlayer::stop()
{
    running = false;
    if (thread.joinable()) thread.join();
}

} // namespace velqa::tool
