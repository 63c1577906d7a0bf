#pragma once
// The host's Linux run loop as the GUI toolkit's window wants it, plus the view's own timer.

#include "base/source/fobject.h"
#include "pluginterfaces/gui/iplugview.h"
#include "vstgui/lib/platform/x11runloop.h"

#include <functional>
#include <vector>

namespace velqa
{

class CRunLoopBridge : public VSTGUI::X11::IRunLoop
{
public:
    CRunLoopBridge() = default;
    ~CRunLoopBridge() override;
    CRunLoopBridge(const CRunLoopBridge&) = delete;
    CRunLoopBridge& operator=(const CRunLoopBridge&) = delete;

    // Drops every registration with the previous loop; null detaches.
    void setHostLoop(Steinberg::Linux::IRunLoop* loop);
    bool hasHostLoop() const { return hostLoop != nullptr; }

    bool registerEventHandler(int fd, VSTGUI::X11::IEventHandler* handler) override;
    bool unregisterEventHandler(VSTGUI::X11::IEventHandler* handler) override;
    // The window's own idle timer is declined: the view's idle timer runs the frame's idle
    // through the editor, and a second timer would only redraw twice.
    bool registerTimer(uint64_t, VSTGUI::X11::ITimerHandler*) override { return false; }
    bool unregisterTimer(VSTGUI::X11::ITimerHandler*) override { return false; }

    bool startTimer(uint64_t intervalMilliseconds, std::function<void()> callback);
    void stopTimer();

private:
    class FdHandler;
    class TimerHandler;

    void releaseAll();

    Steinberg::Linux::IRunLoop* hostLoop = nullptr;
    std::vector<FdHandler*> fdHandlers;
    TimerHandler* timer = nullptr;
};

} // namespace velqa
