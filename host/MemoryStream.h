#pragma once

#include "host/HostObject.h"
#include "pluginterfaces/base/ibstream.h"

#include <cstdint>
#include <vector>

namespace velqa::host
{

// The stream a host hands to getState/setState: a growable byte buffer with a file-like
// position. Seeking past the end is allowed; the gap reads as nothing and writes as zeros.
class MemoryStream : public HostObject<Steinberg::IBStream>
{
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    Steinberg::tresult PLUGIN_API read(void* buffer, Steinberg::int32 numBytes,
                                       Steinberg::int32* numBytesRead) override;
    Steinberg::tresult PLUGIN_API write(void* buffer, Steinberg::int32 numBytes,
                                        Steinberg::int32* numBytesWritten) override;
    Steinberg::tresult PLUGIN_API seek(Steinberg::int64 pos, Steinberg::int32 mode,
                                       Steinberg::int64* result) override;
    Steinberg::tresult PLUGIN_API tell(Steinberg::int64* pos) override;

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    void rewind() { position_ = 0; }

private:
    std::vector<std::uint8_t> bytes_;
    std::int64_t position_ = 0;
};

} // namespace velqa::host
