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

// A user preset with the values of a factory one under its own author and category.
inline void writeUserPreset(const std::filesystem::path& folder, const std::string& fileName,
                            const std::filesystem::path& from, const char* author,
                            const char* category)
{
    ParameterBlock live{};
    std::array<ParameterBlock, kSnapshotCount> snapshots{};
    const std::vector<float> values = presetBlock(from);
    for (size_t i = 0; i < live.size() && i < values.size(); ++i) live[i] = values[i];
    for (int32_t s = 0; s < kSnapshotCount; ++s)
    {
        const std::vector<float> snapshot = presetBlock(from, s + 1);
        for (size_t i = 0; i < live.size() && i < snapshot.size(); ++i)
            snapshots[static_cast<size_t>(s)][i] = snapshot[i];
    }
    PresetTexts texts;
    texts.set(PresetTexts::kCategory, category);
    texts.set(PresetTexts::kAuthor, author);
    std::vector<uint8_t> chunk;
    writeChunk(chunk, live, {snapshots[0].data(), snapshots[1].data(), snapshots[2].data()}, texts);
    std::ofstream out(folder / fileName, std::ios::binary);
    out.write(kPresetFileMagic, kPresetFileMagicBytes);
    out.write(reinterpret_cast<const char*>(chunk.data()),
              static_cast<std::streamsize>(chunk.size()));
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
