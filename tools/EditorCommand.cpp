#include "VST3Adapter/IEditorProbe.h"
#include "host/ViewHost.h"
#include "tools/Command.h"
#include "tools/DefaultBundle.h"
#include "tools/EditorPlayback.h"
#include "tools/LoadedPlugin.h"
#include "tools/ParameterValues.h"
#include "tools/PresetLoading.h"
#include "tools/RenderOptions.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace velqa::tool
{

using namespace Steinberg;

namespace
{

struct EditorOptions
{
    std::string bundle;
    std::string screenshot;
    int zoomPercent = 100;
    double contentScale = 1.0;
    double seconds = 0; // 0: until the window is closed
    std::string preset;
    std::vector<std::pair<std::string, std::string>> settings; // NAME, VALUE as typed
    int page = -1;                                             // -1: as the editor opens
    std::vector<int> clicks; // tags clicked before the screenshot, in order
    std::string play;        // "demo" or an audio file
};

constexpr const char* pageNames[] = {"main", "settings", "about", "browser", "save"};

void printEditorUsage(std::FILE* out)
{
    std::fprintf(
        out, "Usage: velqa editor [--seconds S] [--play FILE|demo] [STATE] [BUNDLE]\n"
             "       velqa editor --screenshot FILE.png [--zoom P] [--scale F] [--click TAG]...\n"
             "                    [--play FILE|demo [--seconds S]] [STATE] [BUNDLE]\n"
             "STATE: [--preset NAME|FILE.vqx] [--set NAME=VALUE]...\n"
             "       [--page main|settings|about|browser|save]\n\n"
             "Opens the editor in a window (needs an X display), until the window is closed\n"
             "or for S seconds; then prints the process CPU time the window took. With\n"
             "--screenshot it draws the editor off screen at P %% zoom (75..200, default\n"
             "100) and screen scale F (1 or 2) into FILE.png; no display needed.\n"
             "--preset and --set work as in velqa render (the settings after the preset);\n"
             "--page shows the main page, the settings panel, the About page, the preset\n"
             "browser or the save dialog; --click clicks the middle of the control of layout\n"
             "tag TAG before the screenshot.\n"
             "--play runs an audio file or the built-in demo through the plug-in so its\n"
             "spectra and meters move: in real time (looping) while the window is open, or,\n"
             "with --screenshot, S seconds of it (default all) before the picture is drawn.\n");
}

bool parseNumber(const std::string& text, double low, double high, double& out)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value >= low && value <= high)) return false;
    out = value;
    return true;
}

int pageByName(const std::string& name)
{
    for (int page = 0; page < static_cast<int>(std::size(pageNames)); ++page)
        if (name == pageNames[page]) return page;
    return -1;
}

// --preset and --set are render's options: its parser reads them, so both commands take the
// same syntax (it insists on an output, which the editor has no use for).
bool parseStateOptions(std::vector<std::string> stateArguments, EditorOptions& options)
{
    stateArguments.insert(stateArguments.end(), {"-o", "unused"});
    RenderOptions parsed;
    std::string error;
    if (!parseRenderOptions(stateArguments, parsed, error))
    {
        std::fprintf(stderr, "velqa editor: %s\n", error.c_str());
        return false;
    }
    options.preset = parsed.preset;
    options.settings = parsed.settings;
    return true;
}

// 0 when parsed, else the exit code.
int parseOptions(const std::vector<std::string>& arguments, EditorOptions& options)
{
    std::vector<std::string> stateArguments;
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        double number = 0;
        if (argument == "-h" || argument == "--help")
        {
            printEditorUsage(stdout);
            return -1;
        }
        if (argument == "--screenshot" && hasValue)
            options.screenshot = arguments[++i];
        else if (argument == "--zoom" && hasValue && parseNumber(arguments[++i], 75, 200, number))
            options.zoomPercent = static_cast<int>(number);
        else if (argument == "--scale" && hasValue && parseNumber(arguments[++i], 0.5, 4, number))
            options.contentScale = number;
        else if (argument == "--seconds" && hasValue &&
                 parseNumber(arguments[++i], 0.1, 86400, number))
            options.seconds = number;
        else if ((argument == "--set" || argument == "--preset") && hasValue)
            stateArguments.insert(stateArguments.end(), {argument, arguments[++i]});
        else if (argument == "--click" && hasValue && parseNumber(arguments[++i], 0, 189, number))
            options.clicks.push_back(static_cast<int>(number));
        else if (argument == "--play" && hasValue)
            options.play = arguments[++i];
        else if (argument == "--page" && hasValue && pageByName(arguments[i + 1]) >= 0)
            options.page = pageByName(arguments[++i]);
        else if (!argument.empty() && argument[0] != '-' && options.bundle.empty())
            options.bundle = argument;
        else
        {
            std::fprintf(stderr, "velqa editor: bad argument '%s'\n", argument.c_str());
            printEditorUsage(stderr);
            return exitUsage;
        }
    }
    if (!stateArguments.empty() && !parseStateOptions(stateArguments, options)) return exitUsage;
    if (options.bundle.empty()) options.bundle = defaultBundle().string();
    return 0;
}

int fail(int code, const std::string& message)
{
    std::fprintf(stderr, "velqa editor: %s\n", message.c_str());
    return code;
}

int applyPreset(LoadedPlugin& plugin, const std::string& preset)
{
    std::string error;
    const int code = loadPresetInto(plugin, preset, error);
    return code == exitOk ? exitOk : fail(code, error);
}

// The values reach the effect as a host sends them: with one processed block.
int applySettings(LoadedPlugin& plugin, const EditorOptions& options)
{
    host::PluginInstance& instance = *plugin.instance;
    Vst::IEditController* controller = instance.controller();
    instance.inputChanges().clear();
    for (const auto& [name, text] : options.settings)
    {
        const auto parameter = findParameter(controller, name);
        if (!parameter) return fail(exitUnknownName, "unknown parameter '" + name + "'");
        const auto value = parseParameterValue(controller, parameter->id, text);
        if (!value) return fail(exitUsage, "'" + text + "' is not a value of " + parameter->title);
        instance.inputChanges().add(parameter->id, 0, *value);
    }
    constexpr int32 block = 256;
    if (instance.setupProcessing(48000.0, block) != kResultOk)
        return fail(exitFailure, "the plug-in did not take the settings");
    instance.setActive(true);
    instance.setProcessing(true);
    if (instance.process(block) != kResultOk)
        return fail(exitFailure, "the plug-in did not take the settings");
    instance.setProcessing(false);
    instance.setActive(false);
    instance.inputChanges().clear();
    return exitOk;
}

// CPU time of the whole process, the plug-in's threads included.
double processCpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

bool showPage(IPlugView* view, int page)
{
    FUnknownPtr<velqa::IEditorProbe> probe(view);
    if (probe && probe->showPage(page) == kResultOk) return true;
    fail(exitFailure, std::string("the editor cannot show its ") + pageNames[page] + " page");
    return false;
}

int showWindow(IPlugView* view, const EditorOptions& options, host::PluginInstance& plugin,
               const host::AudioData* audio)
{
    auto viewHost = host::ViewHost::create("Velqa");
    if (!viewHost)
    {
        std::fprintf(stderr, "velqa editor: no X display (try --screenshot)\n");
        return exitFailure;
    }
    if (viewHost->attach(view) != kResultOk)
    {
        std::fprintf(stderr, "velqa editor: the view refused to attach\n");
        return exitFailure;
    }
    if (options.page >= 0 && !showPage(view, options.page))
    {
        viewHost->detach();
        return exitFailure;
    }
    std::optional<CRealtimePlayer> player;
    if (audio && !player.emplace(plugin, *audio).start())
    {
        viewHost->detach();
        return fail(exitFailure, "the plug-in refused to play the audio");
    }
    const double cpuBefore = processCpuSeconds();
    const double uiCpuBefore = threadCpuSeconds();
    const auto milliseconds = static_cast<uint64_t>(options.seconds * 1000.0);
    const auto started = std::time(nullptr);
    viewHost->run(milliseconds);
    const double uiCpu = threadCpuSeconds() - uiCpuBefore;
    if (player) player->stop();
    const double cpu = processCpuSeconds() - cpuBefore;
    const double wall =
        options.seconds > 0 ? options.seconds : static_cast<double>(std::time(nullptr) - started);
    viewHost->detach();
    if (wall <= 0) return exitOk;
    std::printf("editor open %.1f s, CPU %.3f s (%.2f %%)\n", wall, cpu, 100.0 * cpu / wall);
    // The window's own thread apart from the audio the engine would run anyway.
    if (player)
        std::printf(
            "  user-interface thread %.2f %%, audio thread %.2f %%, other threads %.2f %%\n",
            100.0 * uiCpu / wall, 100.0 * player->cpuSeconds() / wall,
            100.0 * (cpu - uiCpu - player->cpuSeconds()) / wall);
    return exitOk;
}

// A user's clicks, so a picture can show what edits change (undo and redo, for one).
bool clickTags(velqa::IEditorProbe& probe, const EditorOptions& options)
{
    const double scale = options.zoomPercent / 100.0 * options.contentScale;
    for (const int tag : options.clicks)
    {
        ViewRect rect;
        if (probe.findTag(tag, &rect, nullptr) != kResultOk) return false;
        const double x = (rect.left + rect.right) / 2.0 * scale;
        const double y = (rect.top + rect.bottom) / 2.0 * scale;
        probe.mouse(velqa::IEditorProbe::kMouseDown, x, y, 0x2, 0);
        probe.mouse(velqa::IEditorProbe::kMouseUp, x, y, 0x2, 0);
        probe.tick();
    }
    return true;
}

int writeScreenshot(IPlugView* view, const EditorOptions& options, host::PluginInstance& plugin,
                    const host::AudioData* audio)
{
    FUnknownPtr<velqa::IEditorProbe> probe(view);
    if (!probe) return fail(exitFailure, "this plug-in's view cannot draw off screen");
    if (probe->openOffscreen(options.contentScale) != kResultOk)
        return fail(exitFailure, "the editor could not open off screen");
    int code = exitOk;
    if (probe->setZoomPercent(options.zoomPercent) != kResultOk)
        code = fail(exitFailure, "the editor refused the zoom");
    else if (options.page >= 0 && !showPage(view, options.page))
        code = exitFailure;
    else if (!clickTags(*probe, options))
        code = fail(exitFailure, "a clicked tag has no control");
    else if (std::string error; audio && !playIntoEditor(plugin, *probe, *audio, error))
        code = fail(exitFailure, error);
    else if (probe->writePng(options.screenshot.c_str()) != kResultOk)
        code = fail(exitOutputFile, "could not write " + options.screenshot);
    probe->closeOffscreen();
    if (code == exitOk) std::printf("%s\n", options.screenshot.c_str());
    return code;
}

} // namespace

int runEditor(const std::vector<std::string>& arguments)
{
    EditorOptions options;
    if (const int code = parseOptions(arguments, options)) return code < 0 ? exitOk : code;

    LoadedPlugin plugin;
    std::string error;
    if (!loadPlugin(options.bundle, plugin, error)) return fail(exitFailure, error);
    if (!options.preset.empty())
        if (const int code = applyPreset(plugin, options.preset)) return code;
    if (!options.settings.empty())
        if (const int code = applySettings(plugin, options)) return code;

    host::AudioData audio;
    if (!options.play.empty())
    {
        // A window loops what it plays; its --seconds is how long it stays open.
        const double length = options.screenshot.empty() ? 0.0 : options.seconds;
        if (const int code = loadPlayAudio(options.play, length, audio, error))
            return fail(code, error);
    }
    const host::AudioData* played = options.play.empty() ? nullptr : &audio;

    IPlugView* view = plugin.instance->controller()->createView(Vst::ViewType::kEditor);
    if (!view) return fail(exitFailure, "the plug-in has no editor view");
    const int code = options.screenshot.empty()
                         ? showWindow(view, options, *plugin.instance, played)
                         : writeScreenshot(view, options, *plugin.instance, played);
    view->release();
    return code;
}

} // namespace velqa::tool
