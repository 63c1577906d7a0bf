// Opening the preset browser over a full preset folder: the rescan that reads every file, the
// table's rows, and the first picture of the page.
#include "code/Plug.h"
#include "code/editor/Gui.h"
#include "resources/EmbeddedResources.h"
#include "vstgui/lib/platform/offscreenframe.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{

VstIntPtr silentHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

constexpr int kPresets = 500;

// A folder of presets saved by the effect itself, with names, authors and categories that differ.
struct PresetFolder
{
    explicit PresetFolder(CPlug& plug)
    {
        path = std::filesystem::temp_directory_path() /
               ("velqa-browser-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        for (int i = 0; i < kPresets; ++i)
        {
            const std::string n = std::to_string((i * 7919) % kPresets);
            plug.saveUserPreset(path.c_str(), ("Preset " + n).c_str(),
                                ("Category " + std::to_string(i % 13)).c_str(),
                                ("Author " + std::to_string(i % 17)).c_str(), true);
        }
    }
    ~PresetFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

void BM_OpenBrowser(benchmark::State& state)
{
    velqa::registerEmbeddedResources();
    CPlug plug(silentHost);
    PresetFolder folder(plug);
    plug.getPresetStore().setFolders("", folder.path.string());
    auto* gui = dynamic_cast<CGui*>(plug.getEditor());
    if (!gui || !gui->openOffscreen(1.0)) return state.SkipWithError("editor did not open");
    gui->getOffscreenFrame()->redrawAll();
    for (auto _ : state)
    {
        if (!gui->showPage(CGui::kPageBrowser)) return state.SkipWithError("no browser");
        gui->getOffscreenFrame()->redrawAll();
        gui->showPage(CGui::kPageMain);
    }
    state.counters["presets"] = static_cast<double>(plug.getPresetStore().size());
    gui->close();
}
BENCHMARK(BM_OpenBrowser)->Unit(benchmark::kMillisecond);

} // namespace
