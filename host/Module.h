#pragma once

#include "host/HostError.h"

#include <filesystem>
#include <memory>
#include <string>

namespace Steinberg
{
class IPluginFactory;
}

namespace velqa::host
{

// One loaded VST 3 library. Every component created from its factory must be released before
// the module goes, because the destructor unloads the code.
class Module
{
public:
    struct LoadResult
    {
        std::unique_ptr<Module> module;
        HostError error = HostError::none;
        std::string detail; // dlerror() text or the path that was missing
    };

    static LoadResult load(const std::filesystem::path& bundle);

    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    Steinberg::IPluginFactory* factory() const { return factory_; }
    const std::filesystem::path& libraryPath() const { return libraryPath_; }

private:
    Module(void* handle, std::filesystem::path libraryPath);

    void* handle_ = nullptr;
    bool entered_ = false;
    Steinberg::IPluginFactory* factory_ = nullptr;
    std::filesystem::path libraryPath_;
};

} // namespace velqa::host
