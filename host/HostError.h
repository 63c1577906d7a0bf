#pragma once

namespace velqa::host
{

// Every way loading or driving a module can fail; callers print the text and stop.
enum class HostError
{
    none,
    bundleNotFound,
    libraryNotFound,
    libraryNotLoadable,
    missingEntryPoint,
    entryRefused,
    missingFactory,
    noFactory,
    noSuchClass,
    createFailed,
    missingInterface,
    initializeFailed,
};

const char* describe(HostError error);

} // namespace velqa::host
