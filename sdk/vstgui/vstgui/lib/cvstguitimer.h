#pragma once

#include "vstgui/lib/vstguibase.h"

#include <cstdint>
#include <functional>

namespace VSTGUI
{

// A periodic callback on the user-interface thread. Timers do not run by themselves: every open
// frame's idle fires the ones that are due, so they tick at the idle rate at best.
class CVSTGUITimer : public CBaseObject
{
public:
    using Callback = std::function<void(CVSTGUITimer*)>;

    CVSTGUITimer(Callback callback, uint32 intervalMilliseconds = 100, bool startNow = true);
    ~CVSTGUITimer() override;

    bool start();
    bool stop();
    bool isRunning() const { return running; }
    void setFireTime(uint32 milliseconds) { interval = milliseconds; }
    uint32 getFireTime() const { return interval; }

    // Fires every running timer whose time has come at now (a millisecondClock reading).
    // A timer that fell behind fires once and is rescheduled from now.
    static void fireDueTimers(uint64_t now);
    // Fires due timers at the current clock.
    static void fireDueTimers();

private:
    Callback callback;
    uint32 interval;
    uint64_t nextDue = 0;
    bool running = false;
};

} // namespace VSTGUI
