// Feeds arbitrary bytes to the component's state reader, in both state forms (the first byte
// chooses), and checks that the component still saves and restores afterwards.

#include "VST3Adapter/VST2Adapter.h"
#include "host/MemoryStream.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace Steinberg;

namespace
{
// Released at exit before the platform's statics, so the effect's worker threads end first.
struct InitialisedAdapter
{
    Vst::VST2Adapter* adapter = new Vst::VST2Adapter();
    InitialisedAdapter()
    {
        if (adapter->initialize(nullptr) != kResultOk) std::abort();
    }
    ~InitialisedAdapter()
    {
        adapter->terminate();
        adapter->release();
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static InitialisedAdapter instance;
    Vst::VST2Adapter* adapter = instance.adapter;
    auto* component = static_cast<Vst::IComponent*>(adapter);
    const bool chunks = size == 0 || (data[0] & 1) == 0;
    adapter->getEffect()->programsAreChunks(chunks);

    // Host-side streams are owned by the caller, as a host owns its streams.
    velqa::host::MemoryStream hostile(std::vector<uint8_t>(data + (size ? 1 : 0), data + size));
    component->setState(&hostile);

    velqa::host::MemoryStream saved;
    if (component->getState(&saved) != kResultOk) std::abort();
    saved.rewind();
    if (component->setState(&saved) != kResultOk) std::abort();
    return 0;
}
