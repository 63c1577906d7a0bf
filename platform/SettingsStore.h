#pragma once

#include <string>

namespace velqa::platform
{

// Per-user string settings of the editor, kept as "key=value" lines in
// <config folder>/Kestrune/Velqa/settings.ini. Every write rewrites the file atomically, so
// two instances never leave a half-written file behind.
class CSettingsStore
{
public:
    CSettingsStore();
    explicit CSettingsStore(std::string filePath);

    // False when the key is absent or the file cannot be read.
    bool get(const std::string& key, std::string& value) const;
    bool set(const std::string& key, const std::string& value);

    const std::string& path() const { return filePath; }

private:
    std::string filePath;
};

} // namespace velqa::platform
