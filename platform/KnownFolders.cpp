#include "platform/KnownFolders.h"

#include "platform/Files.h"

#include <cstdlib>
#include <dlfcn.h>
#include <pwd.h>
#include <unistd.h>

namespace velqa::platform
{
namespace
{

std::string withSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home) return withSlash(home);
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return withSlash(entry->pw_dir);
    return {};
}

// Reads XDG_DOCUMENTS_DIR="$HOME/..." from user-dirs.dirs; only the forms that file allows
// (an absolute path or one relative to $HOME) are accepted.
std::string documentsFromUserDirs()
{
    std::string text;
    if (!readTextFile(configFolder() + "user-dirs.dirs", text)) return {};
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    for (size_t start = 0; start < text.size();)
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.compare(0, key.size(), key) != 0) continue;
        const size_t close = line.find('"', key.size());
        if (close == std::string::npos) return {};
        std::string value = line.substr(key.size(), close - key.size());
        if (value.compare(0, 6, "$HOME/") == 0) return withSlash(homeFolder() + value.substr(6));
        return value.empty() || value[0] != '/' ? std::string() : withSlash(value);
    }
    return {};
}

} // namespace

std::string configFolder()
{
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        return withSlash(config);
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + ".config/";
}

std::string documentsFolder()
{
    std::string folder = documentsFromUserDirs();
    if (folder.empty() && !homeFolder().empty()) folder = homeFolder() + "Documents/";
    return folder;
}

std::string moduleBundleFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&moduleBundleFolder), &info) == 0 || !info.dli_fname)
        return {};
    // <bundle>/Contents/<arch>/<name>.so
    std::string path = info.dli_fname;
    for (int level = 0; level < 3; ++level)
    {
        const size_t slash = path.rfind('/');
        if (slash == std::string::npos) return {};
        path.resize(slash);
    }
    return path.size() > 5 && path.compare(path.size() - 5, 5, ".vst3") == 0 ? withSlash(path)
                                                                             : std::string();
}

} // namespace velqa::platform
