#include "code/soundengine/AlignedBuffer.h"

#include <cstddef>
#include <cstdint>

namespace
{
constexpr std::uintptr_t kAlignment = 64;
}

float* CAlignedBuffer::allocateChannel(int count)
{
    const std::size_t bytes = (static_cast<std::size_t>(count) + 1) * sizeof(float) + kAlignment;
    auto* raw = new unsigned char[bytes];
    // Operator new gives at least 16-byte alignment, so there is always room for the pointer.
    const auto aligned = (reinterpret_cast<std::uintptr_t>(raw) + kAlignment) & ~(kAlignment - 1);
    reinterpret_cast<unsigned char**>(aligned)[-1] = raw;
    return reinterpret_cast<float*>(aligned);
}

void CAlignedBuffer::freeChannel(float* data)
{
    if (data == nullptr) return;
    delete[] reinterpret_cast<unsigned char**>(data)[-1];
}
