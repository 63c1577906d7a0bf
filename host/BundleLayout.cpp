#include "host/BundleLayout.h"

namespace velqa::host
{

std::filesystem::path libraryInBundle(const std::filesystem::path& bundle)
{
    std::error_code ignored;
    if (!std::filesystem::is_directory(bundle, ignored)) return bundle;
    std::filesystem::path folder = bundle;
    if (!folder.has_filename()) folder = folder.parent_path(); // trailing slash
    return folder / "Contents" / "x86_64-linux" / (folder.stem().string() + ".so");
}

} // namespace velqa::host
