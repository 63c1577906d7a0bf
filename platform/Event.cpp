#include "platform/Event.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace velqa::platform
{
namespace
{
// Events are signalled a few hundred times a second at most, so one shared mutex and condition
// keep waiting on several events simple without measurable contention.
std::mutex hubMutex;
std::condition_variable hubCondition;

template <typename Ready>
bool waitUntil(std::unique_lock<std::mutex>& lock, uint32_t timeoutMs, Ready ready)
{
    if (timeoutMs == CEvent::kInfinite)
    {
        hubCondition.wait(lock, ready);
        return true;
    }
    return hubCondition.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
}
} // namespace

CEvent::CEvent(bool manualReset, bool initiallySet)
    : manualReset(manualReset), signalled(initiallySet)
{
}

void CEvent::set()
{
    {
        std::lock_guard<std::mutex> lock(hubMutex);
        signalled = true;
    }
    hubCondition.notify_all();
}

void CEvent::reset()
{
    std::lock_guard<std::mutex> lock(hubMutex);
    signalled = false;
}

bool CEvent::isSet() const
{
    std::lock_guard<std::mutex> lock(hubMutex);
    return signalled;
}

bool CEvent::takeIfSet()
{
    if (!signalled) return false;
    if (!manualReset) signalled = false;
    return true;
}

bool CEvent::wait(uint32_t timeoutMs)
{
    std::unique_lock<std::mutex> lock(hubMutex);
    return waitUntil(lock, timeoutMs, [this] { return signalled; }) && takeIfSet();
}

int CEvent::waitForEither(CEvent& first, CEvent& second, uint32_t timeoutMs)
{
    std::unique_lock<std::mutex> lock(hubMutex);
    if (!waitUntil(lock, timeoutMs, [&] { return first.signalled || second.signalled; }))
        return kTimedOut;
    if (first.takeIfSet()) return 0;
    return second.takeIfSet() ? 1 : kTimedOut;
}

} // namespace velqa::platform
