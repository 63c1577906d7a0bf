#pragma once
// Host-side objects a VST 3 host hands the component, kept on the stack by the tests.

#include "pluginterfaces/base/ibstream.h"
#include "pluginterfaces/base/ustring.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstevents.h"
#include "pluginterfaces/vst/ivsthostapplication.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <cstring>
#include <utility>
#include <vector>

namespace fake
{
using namespace Steinberg;
using namespace Steinberg::Vst;

// Stack objects: reference counting is a no-op.
#define FAKE_UNKNOWN(Interface)                                                                    \
    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override                         \
    {                                                                                              \
        if (FUnknownPrivate::iidEqual(iid, Interface::iid) ||                                      \
            FUnknownPrivate::iidEqual(iid, FUnknown::iid))                                         \
        {                                                                                          \
            *obj = static_cast<Interface*>(this);                                                  \
            return kResultOk;                                                                      \
        }                                                                                          \
        *obj = nullptr;                                                                            \
        return kNoInterface;                                                                       \
    }                                                                                              \
    uint32 PLUGIN_API addRef() override                                                            \
    {                                                                                              \
        return 1;                                                                                  \
    }                                                                                              \
    uint32 PLUGIN_API release() override                                                           \
    {                                                                                              \
        return 1;                                                                                  \
    }

class HostApplication final : public IHostApplication
{
public:
    explicit HostApplication(const char* name) : name(name) {}
    tresult PLUGIN_API getName(String128 out) override
    {
        UString(out, 128).fromAscii(name);
        return kResultOk;
    }
    tresult PLUGIN_API createInstance(TUID, TUID, void** obj) override
    {
        *obj = nullptr;
        return kNotImplemented;
    }
    FAKE_UNKNOWN(IHostApplication)
    const char* name;
};

class ComponentHandler final : public IComponentHandler
{
public:
    tresult PLUGIN_API beginEdit(ParamID) override { return kResultOk; }
    tresult PLUGIN_API performEdit(ParamID id, ParamValue value) override
    {
        edits.emplace_back(id, value);
        return kResultOk;
    }
    tresult PLUGIN_API endEdit(ParamID) override { return kResultOk; }
    tresult PLUGIN_API restartComponent(int32 flags) override
    {
        restarts.push_back(flags);
        return kResultOk;
    }
    FAKE_UNKNOWN(IComponentHandler)
    std::vector<std::pair<ParamID, ParamValue>> edits;
    std::vector<int32> restarts;
};

class ValueQueue final : public IParamValueQueue
{
public:
    ValueQueue(ParamID id, std::vector<std::pair<int32, ParamValue>> points)
        : id(id), points(std::move(points))
    {
    }
    ParamID PLUGIN_API getParameterId() override { return id; }
    int32 PLUGIN_API getPointCount() override { return static_cast<int32>(points.size()); }
    tresult PLUGIN_API getPoint(int32 index, int32& offset, ParamValue& value) override
    {
        if (index < 0 || index >= getPointCount()) return kResultFalse;
        offset = points[static_cast<size_t>(index)].first;
        value = points[static_cast<size_t>(index)].second;
        return kResultOk;
    }
    tresult PLUGIN_API addPoint(int32 offset, ParamValue value, int32& index) override
    {
        index = getPointCount();
        points.emplace_back(offset, value);
        return kResultOk;
    }
    FAKE_UNKNOWN(IParamValueQueue)
    ParamID id;
    std::vector<std::pair<int32, ParamValue>> points;
};

class ParameterChanges final : public IParameterChanges
{
public:
    int32 PLUGIN_API getParameterCount() override { return static_cast<int32>(queues.size()); }
    IParamValueQueue* PLUGIN_API getParameterData(int32 index) override
    {
        return index >= 0 && index < getParameterCount() ? &queues[static_cast<size_t>(index)]
                                                         : nullptr;
    }
    // Tests reserve room first, so the queues handed out stay where they are.
    IParamValueQueue* PLUGIN_API addParameterData(const ParamID& id, int32& index) override
    {
        if (queues.size() == queues.capacity()) return nullptr;
        index = getParameterCount();
        return &queues.emplace_back(id, std::vector<std::pair<int32, ParamValue>>{});
    }
    FAKE_UNKNOWN(IParameterChanges)
    std::vector<ValueQueue> queues;
};

class MemoryStream final : public IBStream
{
public:
    tresult PLUGIN_API read(void* buffer, int32 count, int32* done) override
    {
        const auto n = std::min<size_t>(static_cast<size_t>(count), bytes.size() - position);
        std::memcpy(buffer, bytes.data() + position, n);
        position += n;
        if (done) *done = static_cast<int32>(n);
        return kResultOk;
    }
    tresult PLUGIN_API write(void* buffer, int32 count, int32* done) override
    {
        const auto* data = static_cast<const char*>(buffer);
        bytes.insert(bytes.begin() + static_cast<long>(position), data, data + count);
        position += static_cast<size_t>(count);
        if (done) *done = count;
        return kResultOk;
    }
    tresult PLUGIN_API seek(int64 pos, int32 mode, int64* result) override
    {
        const int64 base = mode == kIBSeekSet   ? 0
                           : mode == kIBSeekCur ? static_cast<int64>(position)
                                                : static_cast<int64>(bytes.size());
        if (base + pos < 0 || base + pos > static_cast<int64>(bytes.size())) return kResultFalse;
        position = static_cast<size_t>(base + pos);
        if (result) *result = static_cast<int64>(position);
        return kResultOk;
    }
    tresult PLUGIN_API tell(int64* pos) override
    {
        *pos = static_cast<int64>(position);
        return kResultOk;
    }
    FAKE_UNKNOWN(IBStream)
    std::vector<char> bytes;
    size_t position = 0;
};
} // namespace fake
