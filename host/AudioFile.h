#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velqa::host
{

// Planar float audio as it travels between files and a plug-in's buses.
struct AudioData
{
    double sampleRate = 48000.0;
    std::vector<std::vector<float>> channels;

    int channelCount() const { return static_cast<int>(channels.size()); }
    std::int64_t frames() const { return channels.empty() ? 0 : std::ssize(channels[0]); }
    void resize(int channelCount, std::int64_t frames);
    float peak() const;
};

enum class SampleFormat
{
    float32,
    pcm16,
    pcm24,
};

struct AudioFileResult
{
    bool ok = false;
    std::string error; // a sentence for the user, naming the file
};

// Anything libsndfile reads; the error tells a missing file from an unreadable one.
AudioFileResult readAudioFile(const std::filesystem::path& path, AudioData& audio);
// The container follows the file's extension (WAV when it has none that libsndfile knows).
AudioFileResult writeAudioFile(const std::filesystem::path& path, const AudioData& audio,
                               SampleFormat format);

} // namespace velqa::host
