#include "tools/AudioInput.h"

#include "tools/Command.h"

#include <algorithm>
#include <cmath>

namespace velqa::tool
{

int readPlayableAudio(const std::filesystem::path& path, const char* role, host::AudioData& audio,
                      std::string& error)
{
    const auto read = host::readAudioFile(path, audio);
    if (!read.ok)
    {
        error = read.error;
        return exitInputFile;
    }
    if (audio.channelCount() > 2)
    {
        error = path.string() + ": " + std::to_string(audio.channelCount()) + " channels; the " +
                role + " must be mono or stereo";
        return exitMismatch;
    }
    // Broken samples would only show as silence or a fault further on; say so instead.
    for (const auto& channel : audio.channels)
        if (!std::all_of(channel.begin(), channel.end(), [](float s) { return std::isfinite(s); }))
        {
            error = path.string() + ": contains NaN or infinite samples";
            return exitInputFile;
        }
    return exitOk;
}

} // namespace velqa::tool
