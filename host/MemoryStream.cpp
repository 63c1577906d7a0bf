#include "host/MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace velqa::host
{

using namespace Steinberg;

tresult PLUGIN_API MemoryStream::read(void* buffer, int32 numBytes, int32* numBytesRead)
{
    if (numBytesRead) *numBytesRead = 0;
    if (numBytes < 0 || (numBytes > 0 && !buffer)) return kInvalidArgument;
    const std::int64_t size = static_cast<std::int64_t>(bytes_.size());
    const std::int64_t available = std::max<std::int64_t>(0, size - position_);
    const auto count = static_cast<int32>(std::min<std::int64_t>(numBytes, available));
    if (count > 0) std::memcpy(buffer, bytes_.data() + position_, static_cast<size_t>(count));
    position_ += count;
    if (numBytesRead) *numBytesRead = count;
    return kResultOk;
}

tresult PLUGIN_API MemoryStream::write(void* buffer, int32 numBytes, int32* numBytesWritten)
{
    if (numBytesWritten) *numBytesWritten = 0;
    if (numBytes < 0 || (numBytes > 0 && !buffer)) return kInvalidArgument;
    const std::int64_t end = position_ + numBytes;
    if (end > std::numeric_limits<int32>::max()) return kOutOfMemory;
    if (end > static_cast<std::int64_t>(bytes_.size())) bytes_.resize(static_cast<size_t>(end));
    if (numBytes > 0) std::memcpy(bytes_.data() + position_, buffer, static_cast<size_t>(numBytes));
    position_ = end;
    if (numBytesWritten) *numBytesWritten = numBytes;
    return kResultOk;
}

tresult PLUGIN_API MemoryStream::seek(int64 pos, int32 mode, int64* result)
{
    std::int64_t base = 0;
    switch (mode)
    {
    case kIBSeekSet:
        base = 0;
        break;
    case kIBSeekCur:
        base = position_;
        break;
    case kIBSeekEnd:
        base = static_cast<std::int64_t>(bytes_.size());
        break;
    default:
        return kInvalidArgument;
    }
    const bool overflows = pos > 0 ? base > std::numeric_limits<std::int64_t>::max() - pos
                                   : base < std::numeric_limits<std::int64_t>::min() - pos;
    if (overflows || base + pos < 0) return kInvalidArgument;
    position_ = base + pos;
    if (result) *result = position_;
    return kResultOk;
}

tresult PLUGIN_API MemoryStream::tell(int64* pos)
{
    if (!pos) return kInvalidArgument;
    *pos = position_;
    return kResultOk;
}

} // namespace velqa::host
