#include "host/Module.h"

#include "host/BundleLayout.h"
#include "pluginterfaces/base/ipluginbase.h"

#include <dlfcn.h>

namespace velqa::host
{

namespace
{
using ModuleEntryFunction = bool (*)(void*);
using ModuleExitFunction = bool (*)();
using GetFactoryFunction = Steinberg::IPluginFactory* (*)();

template <typename Function> Function findSymbol(void* handle, const char* name)
{
    return reinterpret_cast<Function>(dlsym(handle, name));
}
} // namespace

Module::LoadResult Module::load(const std::filesystem::path& bundle)
{
    LoadResult result;
    std::error_code ignored;
    if (!std::filesystem::exists(bundle, ignored))
    {
        result.error = HostError::bundleNotFound;
        result.detail = bundle.string();
        return result;
    }
    const std::filesystem::path library = libraryInBundle(bundle);
    if (!std::filesystem::is_regular_file(library, ignored))
    {
        result.error = HostError::libraryNotFound;
        result.detail = library.string();
        return result;
    }

    // RTLD_LOCAL keeps two modules with equal internal symbols apart, as real hosts do.
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
    {
        result.error = HostError::libraryNotLoadable;
        const char* text = dlerror();
        result.detail = text ? text : library.string();
        return result;
    }
    std::unique_ptr<Module> module(new Module(handle, library));

    auto entry = findSymbol<ModuleEntryFunction>(handle, "ModuleEntry");
    auto exit = findSymbol<ModuleExitFunction>(handle, "ModuleExit");
    auto getFactory = findSymbol<GetFactoryFunction>(handle, "GetPluginFactory");
    if (!entry || !exit)
    {
        result.error = HostError::missingEntryPoint;
        result.detail = entry ? "ModuleExit" : "ModuleEntry";
        return result;
    }
    if (!entry(handle))
    {
        result.error = HostError::entryRefused;
        return result;
    }
    module->entered_ = true;
    if (!getFactory)
    {
        result.error = HostError::missingFactory;
        return result;
    }
    module->factory_ = getFactory();
    if (!module->factory_)
    {
        result.error = HostError::noFactory;
        return result;
    }
    result.module = std::move(module);
    return result;
}

Module::Module(void* handle, std::filesystem::path libraryPath)
    : handle_(handle), libraryPath_(std::move(libraryPath))
{
}

Module::~Module()
{
    if (factory_) factory_->release();
    if (entered_)
    {
        if (auto exit = findSymbol<ModuleExitFunction>(handle_, "ModuleExit")) exit();
    }
    dlclose(handle_);
}

} // namespace velqa::host
