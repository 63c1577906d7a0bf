#pragma once
// Parameter values are written by whichever thread sets them and read by the audio thread:
// relaxed atomic access keeps each value whole without fencing the audio path.

#include <atomic>

namespace velqa
{

inline float loadValue(const float& value)
{
    return std::atomic_ref<float>(const_cast<float&>(value)).load(std::memory_order_relaxed);
}

inline void storeValue(float& slot, float value)
{
    std::atomic_ref<float>(slot).store(value, std::memory_order_relaxed);
}

} // namespace velqa
