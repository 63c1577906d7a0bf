#pragma once

#include "host/AudioFile.h"
#include "host/PluginInstance.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velqa::tool
{

struct ParameterSetting
{
    Steinberg::Vst::ParamID id = 0;
    double value = 0.0; // normalised
};

// The four extra outputs, in bus order after the main output.
inline constexpr std::array<const char*, 4> stemNames = {"above-wet", "below-wet", "above-dry",
                                                         "below-dry"};

struct RenderJob
{
    const host::AudioData* input = nullptr; // one or two channels
    const host::AudioData* sideChain = nullptr;
    std::vector<ParameterSetting> settings;
    int blockSize = 512;
    bool compensate = false;
    bool stems = false;
    // Silence run before the input so parameter smoothing and pending changes settle, as they
    // have in a host whose engine ran before playback starts.
    double primeSeconds = 0.5;
    std::function<void(double fraction)> progress;
    // Called once the instance is set up and primed, just before the input's first block.
    std::function<void()> beforeInput;
};

struct RenderOutput
{
    bool ok = false;
    std::string error;
    host::AudioData main;
    std::array<host::AudioData, 4> stems;
    std::uint32_t latency = 0;
    double processSeconds = 0.0; // wall time spent in process() for the input itself
};

// Sets the instance up for the input's rate, runs the whole input through it and collects the
// outputs. A mono input is fed to both channels; the result is always stereo.
RenderOutput renderOffline(host::PluginInstance& plugin, const RenderJob& job);

} // namespace velqa::tool
