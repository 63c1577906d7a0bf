#pragma once

#include <atomic>
#include <mutex>

namespace velqa::platform
{

// The one lock pattern of the product: a re-entrant critical section plus a busy byte. The byte
// turns a re-entry from the holder's own thread into a wait instead of a nested entry, so code
// guarded by the lock never runs nested inside itself.
class CBusyLock
{
public:
    void enter();
    // Never waits: false when another thread holds the lock or the holder is inside it already.
    bool tryEnter();
    void leave();
    bool isBusy() const { return busy.load(std::memory_order_acquire); }

private:
    std::recursive_mutex section;
    std::atomic<bool> busy{false};
};

class CBusyLockGuard
{
public:
    explicit CBusyLockGuard(CBusyLock& lock) : lock(lock) { lock.enter(); }
    ~CBusyLockGuard() { lock.leave(); }
    CBusyLockGuard(const CBusyLockGuard&) = delete;
    CBusyLockGuard& operator=(const CBusyLockGuard&) = delete;

private:
    CBusyLock& lock;
};

} // namespace velqa::platform
