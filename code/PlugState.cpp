#include "code/Plug.h"

#include "code/ParameterTable.h"
#include "platform/Files.h"

#include <algorithm>
#include <cstring>
#include <limits>

using namespace velqa;

namespace
{

float defaultOf(uint32_t index)
{
    return kParameterTable[index].defaultValue;
}

// A state is untrusted input: values outside 0..1 (NaN included) never reach the parameter rules.
float normalised(float v)
{
    return v >= 0.0f ? (v <= 1.0f ? v : 1.0f) : 0.0f;
}

bool hasPresetMagic(const std::vector<uint8_t>& file)
{
    return file.size() >= kPresetFileMagicBytes &&
           std::memcmp(file.data(), kPresetFileMagic, kPresetFileMagicBytes) == 0;
}

bool writePresetFile(const std::string& path, const void* chunk, VstInt32 size)
{
    std::vector<uint8_t> file(kPresetFileMagic, kPresetFileMagic + kPresetFileMagicBytes);
    const auto* bytes = static_cast<const uint8_t*>(chunk);
    if (size > 0) file.insert(file.end(), bytes, bytes + size);
    return platform::writeFileAtomically(path, file.data(), file.size());
}

} // namespace

VstInt32 CPlug::getChunk(void** data, bool)
{
    if (!data) return 0;
    const auto model = lockParameters();
    writeChunk(chunkBuffer, liveValues,
               {snapshots[0].values, snapshots[1].values, snapshots[2].values}, presetTexts);
    *data = chunkBuffer.data();
    return static_cast<VstInt32>(chunkBuffer.size());
}

VstInt32 CPlug::setChunk(void* data, VstInt32 byteSize, bool)
{
    if (!data || byteSize < static_cast<VstInt32>(kChunkHeaderBytes)) return 0;
    const ChunkReader chunk(data, static_cast<size_t>(byteSize));
    ChunkHeader header;
    if (!chunk.readHeader(header) || !header.isCurrent()) return 0;
    const uint32_t n = header.valuesPerBlock;
    // Everything is checked before anything changes: a refused chunk leaves the effect as it was.
    if (!chunk.blocksFit(n)) return 0;
    PresetTexts texts = presetTexts;
    if (header.revision >= kChunkRevisionWithTexts)
    {
        if (!chunk.readTexts(n, texts)) return 0;
    }
    else
    {
        chunk.readTexts(n, texts); // older chunks may carry none
    }

    const uint32_t used = std::min<uint32_t>(n, kNumParams);
    const auto readBlock = [&](int32_t block, float* values)
    {
        for (uint32_t i = 0; i < static_cast<uint32_t>(kNumParams); ++i)
            if (i >= used || !chunk.value(n, block, i, values[i])) values[i] = defaultOf(i);
    };
    ParameterBlock live;
    readBlock(0, live.data());

    if (!beginRestore()) return 0;
    compareStore.pushLoading();
    for (VstInt32 i = 0; i < kNumParams; ++i)
        setParameter(i, normalised(live[static_cast<size_t>(i)]));
    endRestore();
    compareStore.pop();

    for (int32_t k = 0; k < kSnapshotCount; ++k) readBlock(1 + k, snapshots[size_t(k)].values);
    presetTexts = texts;

    setParameter(kStateApplied, 0.0f);
    setParameter(kRefreshRequest, 0.0f);
    return byteSize;
}

const PresetEntry* CPlug::loadPresetEntry(int32_t position)
{
    const PresetEntry* entry = presetStore.at(position);
    if (!entry) return nullptr;
    setParameter(kRefreshRequest, 0.0f);
    setParameter(kStateApplied, 0.0f);
    std::vector<uint8_t> file;
    if (!platform::readFile(entry->path, file)) return nullptr;
    if (hasPresetMagic(file) &&
        file.size() - kPresetFileMagicBytes <= size_t(std::numeric_limits<VstInt32>::max()))
        setChunk(file.data() + kPresetFileMagicBytes,
                 static_cast<VstInt32>(file.size() - kPresetFileMagicBytes), true);
    presetStore.setCurrentPosition(position);
    return entry;
}

const PresetEntry* CPlug::loadPresetAt(int32_t position)
{
    return loadPresetEntry(position);
}

const PresetEntry* CPlug::stepPreset(bool forward)
{
    const int32_t target = presetStore.stepTarget(forward);
    if (target < 0) return nullptr;
    presetStore.setCurrentPosition(target);
    return loadPresetEntry(target);
}

bool CPlug::presetFile(bool load, const char* path)
{
    if (!path || std::strlen(path) >= kPresetPathSize) return false;
    if (!load)
    {
        void* chunk = nullptr;
        const VstInt32 size = getChunk(&chunk, true);
        return writePresetFile(path, chunk, size);
    }
    std::vector<uint8_t> file;
    if (!platform::readFile(path, file)) return false;
    if (hasPresetMagic(file) &&
        file.size() - kPresetFileMagicBytes <= size_t(std::numeric_limits<VstInt32>::max()))
        setChunk(file.data() + kPresetFileMagicBytes,
                 static_cast<VstInt32>(file.size() - kPresetFileMagicBytes), true);
    return true;
}

int32_t CPlug::saveUserPreset(const char* folder, const char* name, const char* category,
                              const char* author, bool overwrite)
{
    std::string target;
    if (folder)
    {
        target = folder;
        if (!target.empty() && target.back() != '/') target += '/';
    }
    else
    {
        target = presetStore.userFolder();
        if (!presetStore.createUserFolder()) return kPresetWriteFailed;
    }
    if (target.size() >= kPresetFolderSize) return kPresetWriteFailed;
    const std::string path = CPresetStore::userPresetPath(target, name);

    // The texts change even when the save stops below: the editor shows what was typed.
    if (category) presetTexts.set(PresetTexts::kCategory, category);
    if (author) presetTexts.set(PresetTexts::kAuthor, author);

    if (path.empty()) return kPresetWriteFailed;
    if (!overwrite && platform::fileExists(path)) return kPresetExists;
    void* chunk = nullptr;
    const VstInt32 size = getChunk(&chunk, false);
    return writePresetFile(path, chunk, size) ? kPresetSaved : kPresetWriteFailed;
}
