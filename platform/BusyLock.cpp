#include "platform/BusyLock.h"

#include "platform/Clock.h"

namespace velqa::platform
{

void CBusyLock::enter()
{
    section.lock();
    while (busy.load(std::memory_order_acquire)) sleepMilliseconds(1000);
    busy.store(true, std::memory_order_release);
}

bool CBusyLock::tryEnter()
{
    if (!section.try_lock()) return false;
    if (busy.load(std::memory_order_acquire))
    {
        section.unlock();
        return false;
    }
    busy.store(true, std::memory_order_release);
    return true;
}

void CBusyLock::leave()
{
    busy.store(false, std::memory_order_release);
    section.unlock();
}

} // namespace velqa::platform
