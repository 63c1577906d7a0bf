#include "host/FactoryDescription.h"
#include "host/Module.h"
#include "host/PluginInstance.h"
#include "host/Utf16.h"
#include "tools/Command.h"
#include "tools/DefaultBundle.h"
#include "tools/ParameterValues.h"
#include "tools/Presets.h"

#include <cstdio>
#include <string>

namespace velqa::tool
{

using namespace Steinberg;

namespace
{
constexpr double infoSampleRate = 48000.0;
constexpr int32 infoBlockSize = 512;

std::string parameterFlagNames(int32 flags)
{
    static const struct
    {
        int32 bit;
        const char* name;
    } known[] = {
        {Vst::ParameterInfo::kCanAutomate, "automate"},
        {Vst::ParameterInfo::kIsReadOnly, "read-only"},
        {Vst::ParameterInfo::kIsWrapAround, "wrap"},
        {Vst::ParameterInfo::kIsList, "list"},
        {Vst::ParameterInfo::kIsHidden, "hidden"},
        {Vst::ParameterInfo::kIsProgramChange, "program-change"},
        {Vst::ParameterInfo::kIsBypass, "bypass"},
    };
    std::string names;
    for (const auto& flag : known)
    {
        if ((flags & flag.bit) == 0) continue;
        if (!names.empty()) names += '|';
        names += flag.name;
    }
    return names.empty() ? "-" : names;
}

void printFactory(const host::FactoryDescription& factory)
{
    std::printf("Factory\n  vendor          %s\n  url             %s\n  email           %s\n"
                "  flags           0x%x\n",
                factory.vendor.c_str(), factory.url.c_str(), factory.email.c_str(),
                static_cast<unsigned>(factory.flags));
    for (size_t i = 0; i < factory.classes.size(); ++i)
    {
        const auto& c = factory.classes[i];
        std::printf("Class %zu\n  id              %s\n  name            %s\n  category        %s\n"
                    "  sub-categories  %s\n  vendor          %s\n  version         %s\n"
                    "  SDK version     %s\n  cardinality     0x%x\n  class flags     0x%x\n",
                    i, c.idText.c_str(), c.name.c_str(), c.category.c_str(),
                    c.subCategories.c_str(), c.vendor.c_str(), c.version.c_str(),
                    c.sdkVersion.c_str(), static_cast<unsigned>(c.cardinality),
                    static_cast<unsigned>(c.classFlags));
    }
}

void printBuses(host::PluginInstance& plugin)
{
    std::printf("Buses\n");
    const struct
    {
        Vst::MediaType type;
        Vst::BusDirection direction;
        const char* label;
    } groups[] = {
        {Vst::kAudio, Vst::kInput, "audio input"},
        {Vst::kAudio, Vst::kOutput, "audio output"},
        {Vst::kEvent, Vst::kInput, "event input"},
        {Vst::kEvent, Vst::kOutput, "event output"},
    };
    for (const auto& group : groups)
    {
        const auto buses = plugin.buses(group.type, group.direction);
        for (size_t i = 0; i < buses.size(); ++i)
        {
            const auto& bus = buses[i];
            std::printf("  %-12s %zu  %-16s %2d ch  %-4s %s\n", group.label, i,
                        ("\"" + bus.name + "\"").c_str(), static_cast<int>(bus.channelCount),
                        bus.isAuxiliary() ? "aux" : "main",
                        bus.isDefaultActive() ? "default-active" : "inactive");
        }
    }
}

void printParameters(Vst::IEditController* controller)
{
    const int32 count = controller ? controller->getParameterCount() : 0;
    std::printf("Parameters %d\n  %-6s %-28s %-8s %-8s %-16s %s\n", static_cast<int>(count), "id",
                "title", "units", "default", "default text", "flags");
    for (int32 i = 0; i < count; ++i)
    {
        Vst::ParameterInfo info{};
        if (controller->getParameterInfo(i, info) != kResultOk) continue;
        const std::string shown = displayText(controller, info.id, info.defaultNormalizedValue);
        std::printf("  %-6u %-28s %-8s %-8.6f %-16s %s\n", static_cast<unsigned>(info.id),
                    host::toUtf8(info.title, 128).c_str(), host::toUtf8(info.units, 128).c_str(),
                    info.defaultNormalizedValue, ("\"" + shown + "\"").c_str(),
                    parameterFlagNames(info.flags).c_str());
    }
}
} // namespace

int runInfo(const std::vector<std::string>& arguments)
{
    std::string hostName = "Velqa Host";
    std::filesystem::path bundle;
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        if (arguments[i] == "--host" && i + 1 < arguments.size())
            hostName = arguments[++i];
        else if (!arguments[i].starts_with("-") && bundle.empty())
            bundle = arguments[i];
        else
        {
            std::fprintf(stderr, "Usage: velqa info [--host NAME] [BUNDLE]\n");
            return exitUsage;
        }
    }
    if (bundle.empty()) bundle = defaultBundle();
    auto loaded = host::Module::load(bundle);
    if (!loaded.module)
    {
        std::fprintf(stderr, "velqa: %s: %s (%s)\n", bundle.c_str(), host::describe(loaded.error),
                     loaded.detail.c_str());
        return exitFailure;
    }
    std::printf("Bundle          %s\n", bundle.c_str());
    printFactory(host::describeFactory(loaded.module->factory()));

    auto created = host::PluginInstance::create(*loaded.module);
    if (!created.instance)
    {
        std::fprintf(stderr, "velqa: %s\n", host::describe(created.error));
        return exitFailure;
    }
    host::PluginInstance& plugin = *created.instance;
    if (plugin.initialize(hostName) != kResultOk)
    {
        std::fprintf(stderr, "velqa: %s\n", host::describe(host::HostError::initializeFailed));
        return exitFailure;
    }
    printBuses(plugin);
    printParameters(plugin.controller());
    if (plugin.setupProcessing(infoSampleRate, infoBlockSize) == kResultOk)
        std::printf("Latency         %u samples at %.0f Hz\n",
                    static_cast<unsigned>(plugin.processor()->getLatencySamples()), infoSampleRate);
    else
        std::printf("Latency         unknown (setupProcessing refused)\n");
    const auto presets = factoryPresets(bundle);
    std::printf("Factory presets %zu\n", presets.size());
    for (const auto& preset : presets) std::printf("  %s\n", preset.name.c_str());
    return exitOk;
}

} // namespace velqa::tool
