#pragma once

#include "pluginterfaces/gui/iplugview.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace velqa::host
{

// A top-level X11 window that holds one plug-in view, the way a Linux DAW does: it is the
// view's IPlugFrame (resize requests) and its IRunLoop (file descriptors and timers, driven by
// run()). Lives on the calling thread; everything happens inside run().
class ViewHost final : public Steinberg::IPlugFrame, public Steinberg::Linux::IRunLoop
{
public:
    // Null when no X display can be opened.
    static std::unique_ptr<ViewHost> create(const char* title = "Velqa");
    ~ViewHost();
    ViewHost(const ViewHost&) = delete;
    ViewHost& operator=(const ViewHost&) = delete;

    // Sizes the window to the view, shows it and attaches the view inside.
    Steinberg::tresult attach(Steinberg::IPlugView* view);
    // Removes the view (if attached); the window stays.
    Steinberg::tresult detach();
    // Lets go of the view without removed(), as a host does that destroys the view first.
    void abandon() { view_ = nullptr; }
    Steinberg::IPlugView* view() const { return view_; }

    // Runs the loop for the given time, or until the window is closed by the user when
    // milliseconds is 0. False once the window was closed or the display is gone.
    bool run(uint64_t milliseconds);
    bool isClosed() const { return closed_; }

    uint32_t windowId() const { return window_; }
    Steinberg::ViewRect windowSize() const { return size_; }
    int resizeRequests() const { return resizeRequests_; }
    size_t timerCount() const { return timers_.size(); }
    size_t eventHandlerCount() const { return handlers_.size(); }

    // IPlugFrame
    Steinberg::tresult PLUGIN_API resizeView(Steinberg::IPlugView* view,
                                             Steinberg::ViewRect* newSize) override;
    // IRunLoop
    Steinberg::tresult PLUGIN_API registerEventHandler(
        Steinberg::Linux::IEventHandler* handler, Steinberg::Linux::FileDescriptor fd) override;
    Steinberg::tresult PLUGIN_API
    unregisterEventHandler(Steinberg::Linux::IEventHandler* handler) override;
    Steinberg::tresult PLUGIN_API
    registerTimer(Steinberg::Linux::ITimerHandler* handler,
                  Steinberg::Linux::TimerInterval milliseconds) override;
    Steinberg::tresult PLUGIN_API
    unregisterTimer(Steinberg::Linux::ITimerHandler* handler) override;

    // FUnknown: the host owns this object; counting is kept for the plug-in's sake.
    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return ++references_; }
    Steinberg::uint32 PLUGIN_API release() override { return --references_; }

private:
    struct Connection;
    struct Handler
    {
        Steinberg::Linux::IEventHandler* handler;
        int fd;
    };
    struct Timer
    {
        Steinberg::Linux::ITimerHandler* handler;
        uint64_t interval;
        uint64_t due;
    };

    explicit ViewHost(std::unique_ptr<Connection> connection);
    void resizeWindow(const Steinberg::ViewRect& size);
    void handleOwnEvents();
    void dispatchOnce(int timeoutMilliseconds);

    std::unique_ptr<Connection> connection_;
    uint32_t window_ = 0;
    uint32_t deleteAtom_ = 0;
    Steinberg::IPlugView* view_ = nullptr;
    Steinberg::ViewRect size_;
    std::vector<Handler> handlers_;
    std::vector<Timer> timers_;
    int resizeRequests_ = 0;
    bool closed_ = false;
    std::atomic<Steinberg::uint32> references_{1};
};

} // namespace velqa::host
