#pragma once
// Audio files the plug-in is given to play: mono or stereo, every sample a number.

#include "host/AudioFile.h"

#include <filesystem>
#include <string>

namespace velqa::tool
{

// On failure returns the exit code with a sentence in error; role names what the file is for
// ("input", "side chain") in the refusal of a file with too many channels.
int readPlayableAudio(const std::filesystem::path& path, const char* role, host::AudioData& audio,
                      std::string& error);

} // namespace velqa::tool
