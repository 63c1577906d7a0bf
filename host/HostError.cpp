#include "host/HostError.h"

namespace velqa::host
{

const char* describe(HostError error)
{
    switch (error)
    {
    case HostError::none:
        return "no error";
    case HostError::bundleNotFound:
        return "bundle not found";
    case HostError::libraryNotFound:
        return "bundle has no library for x86_64-linux";
    case HostError::libraryNotLoadable:
        return "library cannot be loaded";
    case HostError::missingEntryPoint:
        return "library lacks a VST 3 entry point";
    case HostError::entryRefused:
        return "module refused ModuleEntry";
    case HostError::missingFactory:
        return "library does not export GetPluginFactory";
    case HostError::noFactory:
        return "GetPluginFactory returned no factory";
    case HostError::noSuchClass:
        return "factory has no such class";
    case HostError::createFailed:
        return "factory could not create the component";
    case HostError::missingInterface:
        return "component lacks a required interface";
    case HostError::initializeFailed:
        return "component refused initialize";
    }
    return "unknown error";
}

} // namespace velqa::host
