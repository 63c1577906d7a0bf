#pragma once

#include <cstdint>

namespace velqa::platform
{

// A Windows-style event: an auto-reset event wakes one waiter and clears itself, a manual-reset
// event stays set until reset. Waiting on two events at once is supported.
class CEvent
{
public:
    static constexpr uint32_t kInfinite = 0xFFFFFFFF;
    static constexpr int kTimedOut = -1;

    explicit CEvent(bool manualReset, bool initiallySet = false);
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;

    void set();
    void reset();
    bool isSet() const;

    // True when the event was set within the timeout.
    bool wait(uint32_t timeoutMs = kInfinite);

    // 0 or 1 for the event that ended the wait (the first when both are set), or kTimedOut.
    static int waitForEither(CEvent& first, CEvent& second, uint32_t timeoutMs = kInfinite);

private:
    bool takeIfSet();

    const bool manualReset;
    bool signalled;
};

} // namespace velqa::platform
