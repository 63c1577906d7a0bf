#include "platform/Event.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace velqa::platform
{
namespace
{
// Events are signalled a few hundred times a second at most, so one shared mutex and condition
// keep waiting on several events simple without measurable contention. They are never destroyed:
// a thread still waiting while the process exits must not make the exit wait for it.
struct Hub
{
    std::mutex mutex;
    std::condition_variable condition;
};
Hub& hub()
{
    static Hub* const shared = new Hub;
    return *shared;
}

template <typename Ready>
bool waitUntil(std::unique_lock<std::mutex>& lock, uint32_t timeoutMs, Ready ready)
{
    if (timeoutMs == CEvent::kInfinite)
    {
        hub().condition.wait(lock, ready);
        return true;
    }
    return hub().condition.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
}
} // namespace

CEvent::CEvent(bool manualReset, bool initiallySet)
    : manualReset(manualReset), signalled(initiallySet)
{
}

void CEvent::set()
{
    {
        std::lock_guard<std::mutex> lock(hub().mutex);
        signalled = true;
    }
    hub().condition.notify_all();
}

void CEvent::reset()
{
    std::lock_guard<std::mutex> lock(hub().mutex);
    signalled = false;
}

bool CEvent::isSet() const
{
    std::lock_guard<std::mutex> lock(hub().mutex);
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
    std::unique_lock<std::mutex> lock(hub().mutex);
    return waitUntil(lock, timeoutMs, [this] { return signalled; }) && takeIfSet();
}

int CEvent::waitForEither(CEvent& first, CEvent& second, uint32_t timeoutMs)
{
    std::unique_lock<std::mutex> lock(hub().mutex);
    if (!waitUntil(lock, timeoutMs, [&] { return first.signalled || second.signalled; }))
        return kTimedOut;
    if (first.takeIfSet()) return 0;
    return second.takeIfSet() ? 1 : kTimedOut;
}

} // namespace velqa::platform
