// Turns a readable preset source into a ".vqx" file by applying it to a real effect and saving
// that effect's preset, so a factory file is exactly what a user save of the same settings is.
//
//   velqa_make_preset SOURCE OUTPUT_FOLDER     writes OUTPUT_FOLDER/<source name>.vqx
//   velqa_make_preset --show SOURCE            prints each setting with its display text
//
// A source holds "key = value" lines; "#" starts a comment. The keys "category" and "author"
// take text; every other key is a parameter name with a normalised value 0..1, applied in the
// order written, as an edit in the editor would be.

#include "code/ParameterTable.h"
#include "code/Plug.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{

std::string trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

int indexOfName(const std::string& name)
{
    for (int i = 0; i < velqa::kStoredParameterCount; ++i)
        if (velqa::kParameterTable[static_cast<size_t>(i)].name[0] != 0 &&
            name == velqa::kParameterTable[static_cast<size_t>(i)].name)
            return i;
    return -1;
}

struct Source
{
    std::string category;
    std::string author;
};

// Applies the settings; false (with a message) for anything that is not a valid setting.
bool apply(const std::filesystem::path& path, CPlug& plug, Source& source, bool show)
{
    std::ifstream in(path);
    if (!in)
    {
        std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number)
    {
        line = trim(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        const size_t equals = line.find('=');
        const std::string key = trim(line.substr(0, equals));
        const std::string value = equals == std::string::npos ? "" : trim(line.substr(equals + 1));
        if (key == "category" || key == "author")
        {
            (key == "category" ? source.category : source.author) = value;
            continue;
        }
        const int index = indexOfName(key);
        char* end = nullptr;
        const float v = std::strtof(value.c_str(), &end);
        if (index < 0 || value.empty() || *end != 0 || !(v >= 0.0f && v <= 1.0f))
        {
            std::fprintf(stderr, "%s:%d: not a setting: %s\n", path.c_str(), number, line.c_str());
            return false;
        }
        plug.setParameter(index, v);
        if (show)
        {
            char text[64] = {};
            plug.formatParameter(index, text, v);
            std::printf("%-18s %-8g %s\n", key.c_str(), double(v), text);
        }
    }
    if (source.category.empty() || source.author.empty())
    {
        std::fprintf(stderr, "%s: category and author are required\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const bool show = argc == 3 && std::strcmp(argv[1], "--show") == 0;
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s SOURCE OUTPUT_FOLDER | --show SOURCE\n", argv[0]);
        return 2;
    }
    const std::filesystem::path sourcePath = show ? argv[2] : argv[1];
    CPlug plug(nullptr);
    Source source;
    if (!apply(sourcePath, plug, source, show)) return 1;
    if (show) return 0;

    std::error_code error;
    std::filesystem::create_directories(argv[2], error);
    const std::string name = sourcePath.stem().string();
    if (plug.saveUserPreset(argv[2], name.c_str(), source.category.c_str(), source.author.c_str(),
                            true) != velqa::kPresetSaved)
    {
        std::fprintf(stderr, "%s: cannot write %s.vqx into %s\n", sourcePath.c_str(), name.c_str(),
                     argv[2]);
        return 1;
    }
    return 0;
}
