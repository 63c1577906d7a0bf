#include "host/AudioFile.h"
#include "host/Utf16.h"
#include "tools/AudioInput.h"
#include "tools/Command.h"
#include "tools/DefaultBundle.h"
#include "tools/DemoSignal.h"
#include "tools/LoadedPlugin.h"
#include "tools/OfflineRenderer.h"
#include "tools/OversamplingState.h"
#include "tools/ParameterValues.h"
#include "tools/PresetLoading.h"
#include "tools/Presets.h"
#include "tools/ProgressBar.h"
#include "tools/RenderOptions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace velqa::tool
{

using namespace Steinberg;

namespace
{
constexpr Vst::ParamID sideChainOnId = 102;
constexpr Vst::ParamID lookaheadTimeId = 109;
constexpr Vst::ParamID lookaheadOnId = 110;
// A progress bar is worth drawing only for renders that take a noticeable time.
constexpr double progressMinimumSeconds = 5.0;

// Used for the demo when the bundle ships no factory preset: a low threshold, a saturated,
// brightened Above section and a fuller Below section.
const std::vector<ParameterSetting> builtInDemoSettings = {
    {0, 0.3},   // Dyna about -32 dB
    {3, 0.03},  // Ratio about 1.1:1
    {14, 0.6},  // SatAbove
    {17, 1.0},  // SatOnAbove
    {112, 0.5}, // TypeAbove TUBE
    {90, 0.68}, // Above band 5 gain about +6 dB
    {42, 0.0},  // Above band 5 on
    {45, 0.62}, // Below band 1 gain about +4 dB
    {28, 0.0},  // Below band 1 on
};

int fail(int code, const std::string& message)
{
    std::fprintf(stderr, "velqa render: %s\n", message.c_str());
    return code;
}

int readInput(const std::filesystem::path& path, const char* role, host::AudioData& audio)
{
    std::string error;
    const int code = readPlayableAudio(path, role, audio, error);
    return code == exitOk ? exitOk : fail(code, error);
}

std::string decibels(float peak)
{
    if (peak <= 0.0f) return "-inf dBFS";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f dBFS", 20.0 * std::log10(peak));
    return text;
}

int applyPreset(LoadedPlugin& plugin, const std::string& preset)
{
    std::string error;
    const int code = loadPresetInto(plugin, preset, error);
    return code == exitOk ? exitOk : fail(code, error);
}

int collectSettings(LoadedPlugin& plugin, const RenderOptions& options,
                    std::vector<ParameterSetting>& settings)
{
    if (!options.sideChain.empty()) settings.push_back({sideChainOnId, 1.0});
    if (options.lookaheadMs)
    {
        settings.push_back({lookaheadTimeId, *options.lookaheadMs / 100.0});
        settings.push_back({lookaheadOnId, 1.0});
    }
    Vst::IEditController* controller = plugin.instance->controller();
    for (const auto& [name, text] : options.settings)
    {
        const auto parameter = findParameter(controller, name);
        if (!parameter) return fail(exitUnknownName, "unknown parameter '" + name + "'");
        const auto value = parseParameterValue(controller, parameter->id, text);
        if (!value)
            return fail(exitUsage, "'" + text + "' is not a value of " + parameter->title +
                                       " (its range runs from " +
                                       displayText(controller, parameter->id, 0.0) + " to " +
                                       displayText(controller, parameter->id, 1.0) + ")");
        settings.push_back({parameter->id, *value});
    }
    return exitOk;
}

void listSettings(LoadedPlugin& plugin, const std::string& preset, int oversampling,
                  const std::vector<ParameterSetting>& settings)
{
    if (!preset.empty()) std::printf("preset %s\n", preset.c_str());
    if (oversampling) std::printf("oversampling %dx\n", oversampling);
    Vst::IEditController* controller = plugin.instance->controller();
    for (const auto& setting : settings)
    {
        Vst::ParameterInfo info{};
        std::string title = std::to_string(setting.id);
        for (int32 i = 0; controller && i < controller->getParameterCount(); ++i)
            if (controller->getParameterInfo(i, info) == kResultOk && info.id == setting.id)
                title = host::toUtf8(info.title, 128);
        std::printf("set %s = %.6f (%s)\n", title.c_str(), setting.value,
                    displayText(controller, setting.id, setting.value).c_str());
    }
}

int writeOutputs(const RenderOptions& options, const RenderOutput& rendered)
{
    const auto written = host::writeAudioFile(options.output, rendered.main, options.format);
    if (!written.ok) return fail(exitOutputFile, written.error);
    if (options.stemsFolder.empty()) return exitOk;
    std::error_code error;
    std::filesystem::create_directories(options.stemsFolder, error);
    if (error) return fail(exitOutputFile, options.stemsFolder.string() + ": " + error.message());
    const std::string extension =
        options.output.has_extension() ? options.output.extension().string() : ".wav";
    for (size_t s = 0; s < stemNames.size(); ++s)
    {
        const auto path = options.stemsFolder / (std::string(stemNames[s]) + extension);
        const auto stem = host::writeAudioFile(path, rendered.stems[s], options.format);
        if (!stem.ok) return fail(exitOutputFile, stem.error);
    }
    return exitOk;
}
} // namespace

int runRender(const std::vector<std::string>& arguments)
{
    for (const auto& arg : arguments)
        if (arg == "-h" || arg == "--help")
        {
            std::fputs(renderUsage, stdout);
            return exitOk;
        }
    RenderOptions options;
    std::string error;
    if (!parseRenderOptions(arguments, options, error))
    {
        std::fprintf(stderr, "velqa render: %s\n\n%s", error.c_str(), renderUsage);
        return exitUsage;
    }

    host::AudioData input;
    const bool demo = options.input.empty();
    if (demo)
        input = demoSignal();
    else if (int code = readInput(options.input, "input", input); code != exitOk)
        return code;
    host::AudioData sideChain;
    if (!options.sideChain.empty())
    {
        if (int code = readInput(options.sideChain, "side chain", sideChain); code != exitOk)
            return code;
        if (std::lround(sideChain.sampleRate) != std::lround(input.sampleRate))
            return fail(exitMismatch, "the side chain runs at " +
                                          std::to_string(std::lround(sideChain.sampleRate)) +
                                          " Hz, the input at " +
                                          std::to_string(std::lround(input.sampleRate)) + " Hz");
    }

    LoadedPlugin plugin;
    if (!loadPlugin(options.bundle.empty() ? defaultBundle() : options.bundle, plugin, error))
        return fail(exitFailure, error);

    std::vector<ParameterSetting> settings;
    std::string presetUsed = options.preset;
    if (demo && presetUsed.empty())
    {
        const auto presets = factoryPresets(plugin.bundle);
        if (!presets.empty())
            presetUsed = presets.front().name;
        else
            settings = builtInDemoSettings;
    }
    if (!presetUsed.empty())
        if (int code = applyPreset(plugin, presetUsed); code != exitOk) return code;
    if (options.oversampling != 0 &&
        !requestOversampling(*plugin.instance, options.oversampling, error))
        return fail(exitFailure, error);
    if (int code = collectSettings(plugin, options, settings); code != exitOk) return code;

    if (options.verbose) listSettings(plugin, presetUsed, options.oversampling, settings);

    const double seconds = static_cast<double>(input.frames()) / input.sampleRate;
    ProgressBar progress(stderr, seconds > progressMinimumSeconds);
    RenderJob job;
    job.input = &input;
    job.sideChain = options.sideChain.empty() ? nullptr : &sideChain;
    job.settings = settings;
    job.blockSize = options.blockSize;
    job.compensate = options.compensate;
    job.stems = !options.stemsFolder.empty();
    job.progress = [&progress](double fraction) { progress.update(fraction); };
    const RenderOutput rendered = renderOffline(*plugin.instance, job);
    progress.finish();
    if (!rendered.ok) return fail(exitFailure, rendered.error);
    if (int code = writeOutputs(options, rendered); code != exitOk) return code;

    std::string origin;
    if (demo)
        origin = presetUsed.empty() ? " (demo, built-in settings)"
                                    : " (demo, preset " + presetUsed + ")";
    const double speed = rendered.processSeconds > 0.0 ? seconds / rendered.processSeconds : 0.0;
    std::printf(
        "%s: %.2f s at %ld Hz%s; peak in %s, out %s; latency %u samples%s; %.1fx real time\n",
        options.output.c_str(), seconds, std::lround(input.sampleRate), origin.c_str(),
        decibels(input.peak()).c_str(), decibels(rendered.main.peak()).c_str(), rendered.latency,
        options.compensate ? " (compensated)" : "", speed);
    return exitOk;
}

} // namespace velqa::tool
