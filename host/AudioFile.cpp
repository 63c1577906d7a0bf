#include "host/AudioFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>

namespace velqa::host
{

namespace
{
struct FileCloser
{
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, FileCloser>;

constexpr sf_count_t chunkFrames = 8192;

int containerFor(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".aif" || extension == ".aiff") return SF_FORMAT_AIFF;
    if (extension == ".flac") return SF_FORMAT_FLAC;
    if (extension == ".caf") return SF_FORMAT_CAF;
    if (extension == ".w64") return SF_FORMAT_W64;
    if (extension == ".au") return SF_FORMAT_AU;
    if (extension == ".ogg") return SF_FORMAT_OGG;
    return SF_FORMAT_WAV;
}

int encodingFor(int container, SampleFormat format)
{
    if (container == SF_FORMAT_OGG) return SF_FORMAT_VORBIS;
    switch (format)
    {
    case SampleFormat::pcm16:
        return SF_FORMAT_PCM_16;
    case SampleFormat::pcm24:
        return SF_FORMAT_PCM_24;
    case SampleFormat::float32:
        break;
    }
    // FLAC has no float encoding; its best is 24-bit.
    return container == SF_FORMAT_FLAC ? SF_FORMAT_PCM_24 : SF_FORMAT_FLOAT;
}
} // namespace

void AudioData::resize(int channelCount, std::int64_t frames)
{
    channels.assign(static_cast<size_t>(std::max(0, channelCount)),
                    std::vector<float>(static_cast<size_t>(std::max<std::int64_t>(0, frames))));
}

float AudioData::peak() const
{
    float peak = 0.0f;
    for (const auto& channel : channels)
        for (float sample : channel) peak = std::max(peak, std::fabs(sample));
    return peak;
}

AudioFileResult readAudioFile(const std::filesystem::path& path, AudioData& audio)
{
    AudioFileResult result;
    std::error_code error;
    if (!std::filesystem::exists(path, error))
    {
        result.error = path.string() + ": no such file";
        return result;
    }
    if (std::filesystem::is_directory(path, error))
    {
        result.error = path.string() + ": is a folder, not an audio file";
        return result;
    }
    SF_INFO info{};
    SoundFile file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file)
    {
        result.error = path.string() + ": unreadable audio format (" + sf_strerror(nullptr) + ")";
        return result;
    }
    if (info.channels <= 0 || info.samplerate <= 0)
    {
        result.error = path.string() + ": the file declares no channels or no sample rate";
        return result;
    }
    audio.sampleRate = info.samplerate;
    audio.channels.assign(static_cast<size_t>(info.channels), {});
    for (auto& channel : audio.channels) channel.reserve(static_cast<size_t>(info.frames));

    std::vector<float> interleaved(static_cast<size_t>(chunkFrames * info.channels));
    for (;;)
    {
        const sf_count_t got = sf_readf_float(file.get(), interleaved.data(), chunkFrames);
        if (got <= 0) break;
        for (sf_count_t i = 0; i < got; ++i)
            for (int c = 0; c < info.channels; ++c)
                audio.channels[static_cast<size_t>(c)].push_back(
                    interleaved[static_cast<size_t>(i * info.channels + c)]);
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR)
    {
        result.error = path.string() + ": read error (" + sf_strerror(file.get()) + ")";
        return result;
    }
    result.ok = true;
    return result;
}

AudioFileResult writeAudioFile(const std::filesystem::path& path, const AudioData& audio,
                               SampleFormat format)
{
    AudioFileResult result;
    const int container = containerFor(path);
    SF_INFO info{};
    info.samplerate = static_cast<int>(std::lround(audio.sampleRate));
    info.channels = audio.channelCount();
    info.format = container | encodingFor(container, format);
    if (info.channels <= 0 || !sf_format_check(&info))
    {
        result.error = path.string() + ": this file type cannot hold the requested format";
        return result;
    }
    SoundFile file(sf_open(path.c_str(), SFM_WRITE, &info));
    if (!file)
    {
        result.error = path.string() + ": cannot write (" + sf_strerror(nullptr) + ")";
        return result;
    }
    // Integer encodings must clip, not wrap, samples beyond full scale.
    sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);

    const sf_count_t total = audio.frames();
    std::vector<float> interleaved(static_cast<size_t>(chunkFrames * info.channels));
    for (sf_count_t start = 0; start < total; start += chunkFrames)
    {
        const sf_count_t count = std::min(chunkFrames, total - start);
        for (sf_count_t i = 0; i < count; ++i)
            for (int c = 0; c < info.channels; ++c)
                interleaved[static_cast<size_t>(i * info.channels + c)] =
                    audio.channels[static_cast<size_t>(c)][static_cast<size_t>(start + i)];
        if (sf_writef_float(file.get(), interleaved.data(), count) != count)
        {
            result.error = path.string() + ": write error (" + sf_strerror(file.get()) + ")";
            return result;
        }
    }
    result.ok = true;
    return result;
}

} // namespace velqa::host
