#include "code/PresetStore.h"

#include "platform/Files.h"
#include "platform/KnownFolders.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace velqa
{
namespace
{

constexpr char kForbiddenNameCharacters[] = "\\/*?:*><";

std::string usableFolder(std::string folder)
{
    if (folder.empty() || folder.size() >= kPresetFolderSize) return {};
    if (folder.back() != '/') folder += '/';
    return folder.size() < kPresetFolderSize ? folder : std::string();
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII-only and locale-free, so every machine sorts the list the same way.
int compareIgnoringCase(const char* a, const char* b)
{
    for (;; ++a, ++b)
    {
        const auto ca = static_cast<unsigned char>(lowerAscii(*a));
        const auto cb = static_cast<unsigned char>(lowerAscii(*b));
        if (ca != cb || ca == 0) return ca - cb;
    }
}

bool endsWithIgnoringCase(const std::string& text, const char* ending)
{
    const size_t n = std::strlen(ending);
    return text.size() >= n && compareIgnoringCase(text.c_str() + text.size() - n, ending) == 0;
}

void copyText(char (&target)[kPresetTextSize], const char* source)
{
    std::snprintf(target, sizeof target, "%s", source);
}

const char* sortKey(const PresetEntry& entry, int32_t mode)
{
    switch (mode)
    {
    case kSortByAuthor:
        return entry.author;
    case kSortByCategory:
        return entry.category;
    default:
        return entry.name;
    }
}

} // namespace

CPresetStore::CPresetStore() : factory(defaultFactoryFolder()), user(defaultUserFolder())
{
    rescan();
}

std::string CPresetStore::defaultFactoryFolder()
{
    const std::string bundle = platform::moduleBundleFolder();
    if (bundle.empty()) return {};
    return usableFolder(bundle + "Contents/Resources/Presets/");
}

std::string CPresetStore::defaultUserFolder()
{
    const std::string documents = platform::documentsFolder();
    if (documents.empty()) return {};
    return usableFolder(documents + "Kestrune/Velqa/");
}

void CPresetStore::setFolders(std::string factoryFolder, std::string userFolder)
{
    factory = usableFolder(std::move(factoryFolder));
    user = usableFolder(std::move(userFolder));
}

bool CPresetStore::createUserFolder() const
{
    if (user.empty()) return false;
    // Every missing level from the top, so a fresh account without a documents folder works too.
    for (size_t slash = user.find('/', 1); slash != std::string::npos;
         slash = user.find('/', slash + 1))
        platform::createFolder(user.substr(0, slash + 1));
    return platform::createFolder(user);
}

bool CPresetStore::describeFile(const std::string& folder, const std::string& fileName,
                                PresetEntry& entry)
{
    const std::string path = folder + fileName;
    if (path.size() >= kPresetPathSize) return false;
    std::vector<uint8_t> file;
    if (!platform::readFile(path, file)) return false;
    if (file.size() <= 25 || std::memcmp(file.data(), kPresetFileMagic, kPresetFileMagicBytes))
        return false;

    const ChunkReader chunk(file.data() + kPresetFileMagicBytes,
                            file.size() - kPresetFileMagicBytes);
    ChunkHeader header;
    if (!chunk.readHeader(header) || !header.isCurrent() || !chunk.blocksFit(header.valuesPerBlock))
        return false;

    entry = PresetEntry{};
    PresetTexts texts;
    if (header.revision == kChunkRevisionWithTexts) chunk.readTexts(header.valuesPerBlock, texts);
    copyText(entry.category, texts.text[PresetTexts::kCategory]);
    copyText(entry.author, texts.text[PresetTexts::kAuthor]);
    copyText(entry.third, texts.text[PresetTexts::kThird]);
    copyText(entry.fourth, texts.text[PresetTexts::kFourth]);
    copyText(entry.name, fileName.substr(0, fileName.find('.')).c_str());
    std::snprintf(entry.path, sizeof entry.path, "%s", path.c_str());
    return true;
}

void CPresetStore::rescan()
{
    const PresetEntry* before = at(current);
    const std::string currentPath = before ? before->path : "";
    entries.clear();
    current = -1;
    for (const std::string* folder : {&factory, &user})
    {
        if (folder->empty()) continue;
        for (const std::string& name : platform::listFiles(*folder))
        {
            if (name.find(kPresetExtension) == std::string::npos) continue;
            PresetEntry entry;
            if (describeFile(*folder, name, entry)) entries.push_back(entry);
        }
    }
    // The current preset stays current when it is still there.
    for (size_t i = 0; i < entries.size() && !currentPath.empty(); ++i)
        if (currentPath == entries[i].path) current = static_cast<int32_t>(i);
    sort(mode);
}

void CPresetStore::sort(int32_t sortMode)
{
    mode = sortMode;
    const bool marked = at(current) != nullptr;
    if (marked) entries[static_cast<size_t>(current)].current = true;
    std::sort(entries.begin(), entries.end(),
              [sortMode](const auto& a, const auto& b)
              { return compareIgnoringCase(sortKey(a, sortMode), sortKey(b, sortMode)) < 0; });
    if (!marked) return;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].current)
        {
            entries[i].current = false;
            current = static_cast<int32_t>(i);
        }
}

const PresetEntry* CPresetStore::at(int32_t position) const
{
    if (position < 0 || position >= size()) return nullptr;
    return &entries[static_cast<size_t>(position)];
}

int32_t CPresetStore::stepTarget(bool forward) const
{
    const int32_t count = size();
    if (count == 0) return -1;
    if (!at(current)) return forward ? 0 : count - 1;
    if (forward) return current + 1 < count ? current + 1 : 0;
    return current > 0 ? current - 1 : count - 1;
}

std::string CPresetStore::userPresetPath(const std::string& folder, const char* name)
{
    std::string fileName = name ? name : "";
    for (char& c : fileName)
        if (std::strchr(kForbiddenNameCharacters, c) && c != 0) c = '_';
    std::string path = folder + fileName;
    if (endsWithIgnoringCase(path, kPresetExtension))
        path.replace(path.size() - 4, 4, kPresetExtension);
    else
        path += kPresetExtension;
    return path.size() < kPresetPathSize ? path : std::string();
}

} // namespace velqa
