#pragma once

#include "host/AudioFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velqa::tool
{

struct RenderOptions
{
    std::filesystem::path input; // empty: the built-in demo
    std::filesystem::path output;
    std::filesystem::path bundle; // empty: the default bundle
    std::string preset;
    std::vector<std::pair<std::string, std::string>> settings; // NAME, VALUE as typed
    std::filesystem::path sideChain;
    int oversampling = 0; // 0 off, else 2, 4, 8 or 16
    std::optional<double> lookaheadMs;
    std::filesystem::path stemsFolder;
    int blockSize = 512;
    bool compensate = false;
    bool verbose = false;
    host::SampleFormat format = host::SampleFormat::float32;
};

// Returns false with a message for the user when the arguments do not form a render.
bool parseRenderOptions(const std::vector<std::string>& arguments, RenderOptions& options,
                        std::string& error);

extern const char* const renderUsage;

} // namespace velqa::tool
