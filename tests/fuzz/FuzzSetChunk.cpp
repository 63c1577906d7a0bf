// Feeds arbitrary bytes to the effect's chunk reader; a good chunk saved afterwards must be
// accepted again, so a hostile chunk can never leave the effect unable to restore itself.

#include "code/Plug.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Destroyed at exit before the platform's statics, so its worker threads end first.
    static const std::unique_ptr<CPlug> plug = std::make_unique<CPlug>(nullptr);
    // A copy, so reading one byte past the input is caught even when the input is a prefix.
    std::vector<uint8_t> bytes(data, data + size);
    const auto length = static_cast<VstInt32>(size);
    const VstInt32 result = plug->setChunk(bytes.empty() ? nullptr : bytes.data(), length, false);
    if (result != 0 && result != length) std::abort();
    if (plug->isRestoring()) std::abort();

    void* chunk = nullptr;
    const VstInt32 saved = plug->getChunk(&chunk, false);
    std::vector<uint8_t> copy(static_cast<const uint8_t*>(chunk),
                              static_cast<const uint8_t*>(chunk) + saved);
    if (plug->setChunk(copy.data(), saved, false) != saved) std::abort();
    return 0;
}
