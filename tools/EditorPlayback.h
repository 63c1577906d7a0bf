#pragma once
// Audio run through an instance while its editor is open, so the spectra and meters move: all
// at once before a screenshot, or in real time beside a window.

#include "VST3Adapter/IEditorProbe.h"
#include "host/AudioFile.h"
#include "host/PluginInstance.h"

#include <atomic>
#include <string>
#include <thread>

namespace velqa::tool
{

// CPU time of the calling thread alone.
double threadCpuSeconds();

// "demo" or an audio file (mono or stereo); seconds > 0 cuts the file short or sets the demo's
// length. On failure returns the exit code with a sentence in error.
int loadPlayAudio(const std::string& what, double seconds, host::AudioData& audio,
                  std::string& error);

// Feeds the audio block by block, from its start again when it ends.
class CPlayback
{
public:
    static constexpr int kBlock = 512;

    CPlayback(host::PluginInstance& plugin, const host::AudioData& audio);
    ~CPlayback();
    // Sets the instance up for the audio's rate; false when it refuses.
    bool start();
    // Processes the next frames, in blocks of at most kBlock.
    bool play(std::int64_t frames);
    double sampleRate() const { return audio.sampleRate; }
    host::PluginInstance& instance() { return plugin; }

private:
    host::PluginInstance& plugin;
    const host::AudioData& audio;
    std::int64_t position = 0;
    bool started = false;
};

// Runs the whole audio through the instance faster than real time, ticking the editor every
// 50 ms of audio, then waits until both spectra have a curve, so the picture drawn next shows
// the views as they were playing.
bool playIntoEditor(host::PluginInstance& plugin, velqa::IEditorProbe& probe,
                    const host::AudioData& audio, std::string& error);

// Plays the audio in real time on a thread of its own until stopped, as a host's engine does
// while its user looks at the editor.
class CRealtimePlayer
{
public:
    CRealtimePlayer(host::PluginInstance& plugin, const host::AudioData& audio)
        : playback(plugin, audio)
    {
    }
    ~CRealtimePlayer() { stop(); }
    bool start();
    void stop();
    // CPU time the audio thread used, once stopped.
    double cpuSeconds() const { return cpu; }

private:
    CPlayback playback;
    std::thread thread;
    std::atomic<bool> running{false};
    double cpu = 0;
};

} // namespace velqa::tool
