#include "platform/SettingsStore.h"

#include "platform/Files.h"
#include "platform/KnownFolders.h"

#include <map>

namespace velqa::platform
{
namespace
{

using Entries = std::map<std::string, std::string>;

Entries parse(const std::string& text)
{
    Entries entries;
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        const size_t equals = line.find('=');
        if (equals != std::string::npos && equals > 0)
            entries[line.substr(0, equals)] = line.substr(equals + 1);
        start = end + 1;
    }
    return entries;
}

bool validKey(const std::string& key)
{
    return !key.empty() && key.find_first_of("=\n") == std::string::npos;
}

} // namespace

CSettingsStore::CSettingsStore()
{
    const std::string config = configFolder();
    if (config.empty()) return;
    createFolder(config);
    createFolder(config + "Kestrune");
    createFolder(config + "Kestrune/Velqa");
    filePath = config + "Kestrune/Velqa/settings.ini";
}

CSettingsStore::CSettingsStore(std::string filePath) : filePath(std::move(filePath)) {}

bool CSettingsStore::get(const std::string& key, std::string& value) const
{
    std::string text;
    if (filePath.empty() || !readTextFile(filePath, text)) return false;
    const Entries entries = parse(text);
    const auto found = entries.find(key);
    if (found == entries.end()) return false;
    value = found->second;
    return true;
}

bool CSettingsStore::set(const std::string& key, const std::string& value)
{
    if (filePath.empty() || !validKey(key) || value.find('\n') != std::string::npos) return false;
    std::string text;
    readTextFile(filePath, text);
    Entries entries = parse(text);
    entries[key] = value;
    text.clear();
    for (const auto& [name, content] : entries) text += name + '=' + content + '\n';
    return writeFileAtomically(filePath, text.data(), text.size());
}

} // namespace velqa::platform
