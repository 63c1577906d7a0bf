#pragma once

#include "host/HostObject.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <mutex>
#include <vector>

namespace velqa::host
{

// Keeps every call a plug-in makes on its component handler so tests can check automation and
// restart requests. Edits may arrive from the audio thread while the effect automates itself.
class ComponentHandlerRecorder : public HostObject<Steinberg::Vst::IComponentHandler>
{
public:
    enum class Kind
    {
        beginEdit,
        performEdit,
        endEdit,
        restartComponent,
    };
    struct Call
    {
        Kind kind;
        Steinberg::Vst::ParamID id = 0;
        Steinberg::Vst::ParamValue value = 0.0;
        Steinberg::int32 flags = 0;
    };

    explicit ComponentHandlerRecorder(size_t capacity = 65536);

    Steinberg::tresult PLUGIN_API beginEdit(Steinberg::Vst::ParamID id) override;
    Steinberg::tresult PLUGIN_API performEdit(Steinberg::Vst::ParamID id,
                                              Steinberg::Vst::ParamValue value) override;
    Steinberg::tresult PLUGIN_API endEdit(Steinberg::Vst::ParamID id) override;
    Steinberg::tresult PLUGIN_API restartComponent(Steinberg::int32 flags) override;

    std::vector<Call> calls() const;
    size_t count(Kind kind) const;
    // Calls beyond the reserved capacity are counted, not stored.
    size_t dropped() const;
    void clear();

private:
    void record(const Call& call);

    // Deliberately a lock on the audio thread: this is a test host, and the critical section
    // is a push into reserved storage.
    mutable std::mutex mutex_;
    std::vector<Call> calls_;
    size_t capacity_;
    size_t dropped_ = 0;
};

} // namespace velqa::host
