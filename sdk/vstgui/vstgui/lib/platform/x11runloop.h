#pragma once

#include <cstdint>

namespace VSTGUI::X11
{

class IEventHandler
{
public:
    virtual ~IEventHandler() = default;
    virtual void onEvent() = 0;
};

class ITimerHandler
{
public:
    virtual ~ITimerHandler() = default;
    virtual void onTimer() = 0;
};

// The host's run loop as the window back end sees it: Linux hosts own the event loop, so the
// window hands over its connection's file descriptor and an idle timer instead of looping itself.
class IRunLoop
{
public:
    virtual ~IRunLoop() = default;
    virtual bool registerEventHandler(int fd, IEventHandler* handler) = 0;
    virtual bool unregisterEventHandler(IEventHandler* handler) = 0;
    virtual bool registerTimer(uint64_t intervalMilliseconds, ITimerHandler* handler) = 0;
    virtual bool unregisterTimer(ITimerHandler* handler) = 0;
};

struct FrameConfig
{
    IRunLoop* runLoop = nullptr;
    // Device pixels per layout unit at 100 % zoom.
    double contentScale = 1.0;
    // The first click into the window asks for the keyboard focus (text entry needs it).
    bool takeFocusOnClick = true;
};

} // namespace VSTGUI::X11
