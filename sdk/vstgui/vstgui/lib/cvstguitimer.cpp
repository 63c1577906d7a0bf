#include "vstgui/lib/cvstguitimer.h"

#include "platform/Clock.h"

#include <algorithm>
#include <vector>

namespace VSTGUI
{
namespace
{

// Only touched from the user-interface thread.
std::vector<CVSTGUITimer*>& runningTimers()
{
    static std::vector<CVSTGUITimer*> timers;
    return timers;
}

bool isRunningTimer(CVSTGUITimer* timer)
{
    auto& timers = runningTimers();
    return std::find(timers.begin(), timers.end(), timer) != timers.end();
}

} // namespace

CVSTGUITimer::CVSTGUITimer(Callback callback, uint32 intervalMilliseconds, bool startNow)
    : callback(std::move(callback)), interval(intervalMilliseconds)
{
    if (startNow) start();
}

CVSTGUITimer::~CVSTGUITimer()
{
    stop();
}

bool CVSTGUITimer::start()
{
    if (running) return false;
    running = true;
    nextDue = velqa::platform::millisecondClock() + interval;
    runningTimers().push_back(this);
    return true;
}

bool CVSTGUITimer::stop()
{
    if (!running) return false;
    running = false;
    auto& timers = runningTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    return true;
}

void CVSTGUITimer::fireDueTimers(uint64_t now)
{
    // A callback may stop, start or delete any timer, so work from a snapshot and check each one
    // is still running before touching it.
    std::vector<CVSTGUITimer*> snapshot = runningTimers();
    for (CVSTGUITimer* timer : snapshot)
    {
        if (!isRunningTimer(timer) || now < timer->nextDue) continue;
        timer->nextDue = now + timer->interval;
        timer->remember();
        if (timer->callback) timer->callback(timer);
        timer->forget();
    }
}

void CVSTGUITimer::fireDueTimers()
{
    fireDueTimers(velqa::platform::millisecondClock());
}

} // namespace VSTGUI
