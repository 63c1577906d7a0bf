#pragma once

#include <cstdint>

namespace velqa::platform
{

// Milliseconds of a monotonic clock; only differences mean anything.
uint64_t millisecondClock();

void sleepMilliseconds(uint32_t milliseconds);

} // namespace velqa::platform
