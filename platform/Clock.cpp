#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace velqa::platform
{

uint64_t millisecondClock()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void sleepMilliseconds(uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace velqa::platform
