#pragma once
// A private documents folder for the preset store of this process, and user presets made from
// the factory ones with the effect's own chunk reader and writer.
#include "code/PresetStore.h"
#include "code/StateChunk.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace velqa::test
{

inline std::filesystem::path factoryPresetFolder()
{
    return std::filesystem::path(VELQA_BUNDLE) / "Contents" / "Resources" / "Presets";
}

// Empties documents and makes it the documents folder of every effect created from now on
// (configHome is this process's XDG_CONFIG_HOME). Returns the user preset folder in it.
inline std::filesystem::path useDocumentsFolder(const std::filesystem::path& configHome,
                                                const std::filesystem::path& documents)
{
    std::ofstream(configHome / "user-dirs.dirs")
        << "XDG_DOCUMENTS_DIR=\"" << documents.string() << "\"\n";
    std::filesystem::remove_all(documents);
    const std::filesystem::path user = documents / "Kestrune" / "Velqa";
    std::filesystem::create_directories(user);
    return user;
}

inline std::vector<uint8_t> fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Block 0..3 of a preset file (live values, then the snapshots); empty when unreadable.
inline std::vector<float> presetBlock(const std::filesystem::path& file, int32_t block = 0)
{
    const std::vector<uint8_t> bytes = fileBytes(file);
    if (bytes.size() <= kPresetFileMagicBytes) return {};
    const ChunkReader chunk(bytes.data() + kPresetFileMagicBytes,
                            bytes.size() - kPresetFileMagicBytes);
    ChunkHeader header;
    if (!chunk.readHeader(header) || !chunk.blocksFit(header.valuesPerBlock)) return {};
    std::vector<float> values(header.valuesPerBlock);
    for (uint32_t i = 0; i < header.valuesPerBlock; ++i)
        if (!chunk.value(header.valuesPerBlock, block, i, values[i])) return {};
    return values;
}

// A user preset with the values of a factory one under its own category and author: the
// factory file up to its texts, then the new texts.
inline void writeUserPreset(const std::filesystem::path& folder, const std::string& fileName,
                            const std::filesystem::path& from, const char* author,
                            const char* category)
{
    std::vector<uint8_t> bytes = fileBytes(from);
    ChunkHeader header;
    if (bytes.size() <= kPresetFileMagicBytes ||
        !ChunkReader(bytes.data() + kPresetFileMagicBytes, bytes.size() - kPresetFileMagicBytes)
             .readHeader(header))
        return;
    bytes.resize(kPresetFileMagicBytes + ChunkReader::textsOffset(header.valuesPerBlock));
    for (const std::string text : {category, author, "", ""})
        bytes.insert(bytes.end(), text.c_str(), text.c_str() + text.size() + 1);
    std::ofstream(folder / fileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// The list the browser shows after the given sorts, as the effect's own store builds it for the
// same folders (the sort is not stable: the order of equal keys depends on the sorts before).
inline CPresetStore listedPresets(const std::filesystem::path& user,
                                  std::initializer_list<int32_t> sorts)
{
    CPresetStore store;
    store.setFolders(factoryPresetFolder().string(), user.string());
    store.rescan();
    for (const int32_t mode : sorts) store.sort(mode);
    return store;
}

} // namespace velqa::test
