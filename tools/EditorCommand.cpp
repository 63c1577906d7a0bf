#include "VST3Adapter/IEditorSnapshot.h"
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "host/ViewHost.h"
#include "tools/Command.h"
#include "tools/DefaultBundle.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
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
};

void printEditorUsage(std::FILE* out)
{
    std::fprintf(out,
                 "Usage: velqa editor [--seconds S] [BUNDLE]\n"
                 "       velqa editor --screenshot FILE.png [--zoom P] [--scale F] [BUNDLE]\n\n"
                 "Opens the editor in a window (needs an X display), until the window is closed\n"
                 "or for S seconds; then prints the process CPU time the window took. With\n"
                 "--screenshot it draws the editor off screen at P %% zoom (75..200, default\n"
                 "100) and screen scale F (1 or 2) into FILE.png; no display needed.\n");
}

bool parseNumber(const std::string& text, double low, double high, double& out)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value >= low && value <= high)) return false;
    out = value;
    return true;
}

// 0 when parsed, else the exit code.
int parseOptions(const std::vector<std::string>& arguments, EditorOptions& options)
{
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
        else if (!argument.empty() && argument[0] != '-' && options.bundle.empty())
            options.bundle = argument;
        else
        {
            std::fprintf(stderr, "velqa editor: bad argument '%s'\n", argument.c_str());
            printEditorUsage(stderr);
            return exitUsage;
        }
    }
    if (options.bundle.empty()) options.bundle = defaultBundle().string();
    return 0;
}

// CPU time of the whole process, the plug-in's threads included.
double processCpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

int showWindow(IPlugView* view, const EditorOptions& options)
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
    const double cpuBefore = processCpuSeconds();
    const auto milliseconds = static_cast<uint64_t>(options.seconds * 1000.0);
    const auto started = std::time(nullptr);
    viewHost->run(milliseconds);
    const double cpu = processCpuSeconds() - cpuBefore;
    const double wall =
        options.seconds > 0 ? options.seconds : static_cast<double>(std::time(nullptr) - started);
    viewHost->detach();
    if (wall > 0)
        std::printf("editor open %.1f s, CPU %.3f s (%.2f %%)\n", wall, cpu, 100.0 * cpu / wall);
    return exitOk;
}

int writeScreenshot(IPlugView* view, const EditorOptions& options)
{
    velqa::IEditorSnapshot* snapshot = nullptr;
    if (view->queryInterface(velqa::IEditorSnapshot::iid, reinterpret_cast<void**>(&snapshot)) !=
            kResultOk ||
        !snapshot)
    {
        std::fprintf(stderr, "velqa editor: this plug-in's view cannot draw off screen\n");
        return exitFailure;
    }
    const tresult result = snapshot->writeSnapshot(options.screenshot.c_str(), options.zoomPercent,
                                                   options.contentScale);
    snapshot->release();
    if (result != kResultOk)
    {
        std::fprintf(stderr, "velqa editor: could not write %s\n", options.screenshot.c_str());
        return exitFailure;
    }
    std::printf("%s\n", options.screenshot.c_str());
    return exitOk;
}

} // namespace

int runEditor(const std::vector<std::string>& arguments)
{
    EditorOptions options;
    if (const int code = parseOptions(arguments, options)) return code < 0 ? exitOk : code;

    auto loaded = host::Module::load(options.bundle);
    if (!loaded.module)
    {
        std::fprintf(stderr, "velqa editor: %s: %s %s\n", options.bundle.c_str(),
                     host::describe(loaded.error), loaded.detail.c_str());
        return exitFailure;
    }
    int code = exitFailure;
    {
        auto created = host::PluginInstance::create(*loaded.module);
        if (!created.instance || created.instance->initialize() != kResultOk)
        {
            std::fprintf(stderr, "velqa editor: the plug-in could not be created\n");
            return exitFailure;
        }
        IPlugView* view = created.instance->controller()->createView(Vst::ViewType::kEditor);
        if (!view)
        {
            std::fprintf(stderr, "velqa editor: the plug-in has no editor view\n");
            return exitFailure;
        }
        code =
            options.screenshot.empty() ? showWindow(view, options) : writeScreenshot(view, options);
        view->release();
    }
    return code;
}

} // namespace velqa::tool
