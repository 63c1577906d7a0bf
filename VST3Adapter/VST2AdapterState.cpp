#include "VST3Adapter/VST2Adapter.h"

#include "pluginterfaces/base/ibstream.h"

#include <algorithm>
#include <cstring>

namespace Steinberg::Vst
{
namespace
{
constexpr char kProgramMarker[] = "orv_";
constexpr size_t kProgramMarkerBytes = sizeof kProgramMarker; // with its zero byte
// A state larger than this is not one this effect wrote.
constexpr int64 kMaxStateBytes = int64(64) << 20;
// Between the program index and the chunk: the host bypass, which the chunk does not carry.
constexpr char kBypassTag[4] = {'V', 'q', 'B', 'p'};
constexpr size_t kBypassRecordBytes = sizeof kBypassTag + sizeof(uint32);

bool writeAll(IBStream* stream, const void* data, size_t bytes)
{
    if (bytes == 0) return true;
    int32 written = 0;
    const auto count = static_cast<int32>(bytes);
    return stream->write(const_cast<void*>(data), count, &written) == kResultOk && written == count;
}

// Reads from the current position to the end; streams that cannot seek are read in pieces.
bool readRest(IBStream* stream, std::vector<uint8>& buffer)
{
    buffer.clear();
    int64 start = 0;
    int64 end = 0;
    if (stream->tell(&start) == kResultOk &&
        stream->seek(0, IBStream::kIBSeekEnd, &end) == kResultOk &&
        stream->seek(start, IBStream::kIBSeekSet, nullptr) == kResultOk && end >= start)
    {
        if (end - start > kMaxStateBytes) return false;
        buffer.resize(static_cast<size_t>(end - start));
        int32 read = 0;
        if (buffer.empty()) return true;
        if (stream->read(buffer.data(), static_cast<int32>(buffer.size()), &read) != kResultOk)
            return false;
        buffer.resize(static_cast<size_t>(read));
        return true;
    }
    uint8 piece[4096];
    for (;;)
    {
        int32 read = 0;
        if (stream->read(piece, sizeof piece, &read) != kResultOk || read <= 0) break;
        buffer.insert(buffer.end(), piece, piece + read);
        if (static_cast<int64>(buffer.size()) > kMaxStateBytes) return false;
    }
    return true;
}

// Stored values are normalised; a damaged state must not hand the effect anything else.
float normalised(float v)
{
    return v >= 0.0f ? (v <= 1.0f ? v : 1.0f) : 0.0f;
}

// One program of a parameter-list state: marker, name, then its values (fewer when the data
// ends first).
struct ProgramRecord
{
    const char* name = nullptr;
    size_t values = 0;
    size_t next = 0;
};

bool readProgramRecord(const std::vector<uint8>& buffer, size_t position, size_t numParams,
                       ProgramRecord& record)
{
    const size_t left = buffer.size() - position;
    const char* text = reinterpret_cast<const char*>(buffer.data() + position);
    if (left < kProgramMarkerBytes || std::memcmp(text, kProgramMarker, kProgramMarkerBytes) != 0)
        return false;
    record.name = text + kProgramMarkerBytes;
    const auto* nameEnd =
        static_cast<const char*>(std::memchr(record.name, 0, left - kProgramMarkerBytes));
    if (!nameEnd) return false;
    record.values = position + static_cast<size_t>(nameEnd + 1 - text);
    const size_t whole = (buffer.size() - record.values) / sizeof(float);
    record.next = record.values + sizeof(float) * std::min(whole, numParams);
    return true;
}

bool startsWithChunkMagic(const std::vector<uint8>& buffer)
{
    return buffer.size() >= 4 && (std::memcmp(buffer.data(), "CcnK", 4) == 0 ||
                                  std::memcmp(buffer.data(), "KncC", 4) == 0);
}
} // namespace

tresult VST2Adapter::writeComponentState(IBStream* state)
{
    if (!effect || !state) return kInvalidArgument;
    if (effect->getAeffect()->flags & effFlagsProgramChunks) return writeChunkState(state);
    return writeParameterListState(state);
}

tresult VST2Adapter::writeChunkState(IBStream* stream)
{
    const int32 program = effect->getProgram();
    const uint32 bypass = bypassed ? 1 : 0;
    void* chunk = nullptr;
    const VstInt32 size = effect->getChunk(&chunk, false);
    if (!writeAll(stream, &program, sizeof program) ||
        !writeAll(stream, kBypassTag, sizeof kBypassTag) ||
        !writeAll(stream, &bypass, sizeof bypass))
        return kResultFalse;
    if (size > 0 && chunk && !writeAll(stream, chunk, static_cast<size_t>(size)))
        return kResultFalse;
    return kResultOk;
}

tresult VST2Adapter::writeParameterListState(IBStream* stream)
{
    const AEffect* record = effect->getAeffect();
    const int32 numPrograms = record->numPrograms;
    const int32 numParams = record->numParams;
    const int32 remembered = effect->getProgram();

    stateBuffer.clear();
    for (int32 p = 0; p < numPrograms; ++p)
    {
        effect->setProgram(p);
        char name[256] = {};
        effect->getProgramName(name);
        name[sizeof name - 1] = 0;
        stateBuffer.insert(stateBuffer.end(), kProgramMarker, kProgramMarker + kProgramMarkerBytes);
        stateBuffer.insert(stateBuffer.end(), name, name + std::strlen(name) + 1);
        for (int32 i = 0; i < numParams; ++i)
        {
            const float value = effect->getParameter(i);
            const auto* bytes = reinterpret_cast<const uint8*>(&value);
            stateBuffer.insert(stateBuffer.end(), bytes, bytes + sizeof value);
        }
    }
    effect->setProgram(remembered);
    return writeAll(stream, stateBuffer.data(), stateBuffer.size()) ? kResultOk : kResultFalse;
}

tresult VST2Adapter::readComponentState(IBStream* state)
{
    const tresult result = applyComponentState(state);
    if (result != kResultOk) return result;
    // Linux hosts read the controller's values right after a restore (there is no controller
    // state to sync from), so the parameter objects must already hold the restored project.
    updateAllParameters();
    setParamNormalized(static_cast<ParamID>(bypassParamId), bypassed ? 1.0 : 0.0);
    if (componentHandler) componentHandler->restartComponent(kParamValuesChanged);
    return kResultOk;
}

tresult VST2Adapter::applyComponentState(IBStream* state)
{
    if (!effect || !state) return kInvalidArgument;
    openEffectOnce();
    std::vector<uint8> buffer;
    if (!readRest(state, buffer)) return kResultFalse;

    if (!(effect->getAeffect()->flags & effFlagsProgramChunks))
        return readParameterListState(buffer);

    // Nothing is applied until the whole state has been found sound.
    int32 program = -1;
    size_t offset = 0;
    bool bypass = false;
    if (!startsWithChunkMagic(buffer))
    {
        if (buffer.size() < sizeof program) return kResultFalse;
        std::memcpy(&program, buffer.data(), sizeof program);
        offset = sizeof program;
        // States saved before the bypass was stored have the chunk right here.
        const bool tagged = buffer.size() >= offset + sizeof kBypassTag &&
                            std::memcmp(buffer.data() + offset, kBypassTag, sizeof kBypassTag) == 0;
        if (tagged)
        {
            if (buffer.size() < offset + kBypassRecordBytes) return kResultFalse;
            uint32 stored = 0;
            std::memcpy(&stored, buffer.data() + offset + sizeof kBypassTag, sizeof stored);
            if (stored > 1) return kResultFalse;
            bypass = stored == 1;
            offset += kBypassRecordBytes;
        }
    }
    const auto length = static_cast<VstInt32>(buffer.size() - offset);
    if (effect->setChunk(buffer.data() + offset, length, false) == 0) return kResultFalse;
    // A program index from a foreign or damaged state must not select a missing program.
    if (program >= 0 && program < effect->getAeffect()->numPrograms) effect->setProgram(program);
    bypassed = bypass;
    return kResultOk;
}

tresult VST2Adapter::readParameterListState(const std::vector<uint8>& buffer)
{
    const AEffect* record = effect->getAeffect();
    const auto numParams = static_cast<size_t>(std::max<VstInt32>(record->numParams, 0));
    // Every program record is checked before any of them is applied.
    ProgramRecord program;
    for (size_t position = 0, p = 0; p < size_t(record->numPrograms) && position < buffer.size();
         ++p, position = program.next)
        if (!readProgramRecord(buffer, position, numParams, program)) return kInternalError;

    const int32 remembered = effect->getProgram();
    for (size_t position = 0, p = 0; p < size_t(record->numPrograms) && position < buffer.size();
         ++p, position = program.next)
    {
        readProgramRecord(buffer, position, numParams, program);
        effect->setProgram(static_cast<VstInt32>(p));
        char name[256] = {};
        std::strncpy(name, program.name, sizeof name - 1);
        effect->setProgramName(name);
        VstInt32 index = 0;
        for (size_t at = program.values; at < program.next; at += sizeof(float))
        {
            float value;
            std::memcpy(&value, buffer.data() + at, sizeof value);
            effect->setParameter(index++, normalised(value));
        }
    }
    effect->setProgram(remembered);
    return kResultOk;
}
} // namespace Steinberg::Vst
